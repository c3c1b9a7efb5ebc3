#pragma once
// The captions of the ten impact categories as the windows list them.
#include <array>

namespace ModCal {

// Entry k (1..10) is category k; entry 0 is empty.
inline constexpr std::array<const char*, 11> kCategoryCaption = {
    "",
    "  1. Abiotic Depletion",
    "  2. Global Warming",
    "  3. Ozone Layer Depletion",
    "  4. Human Toxicity",
    "  5. Fresh Water Aquatic Ecotoxicity",
    "  6. Marine Aquatic Ecotoxicity",
    "  7. Terrestrial Ecotoxicity",
    "  8. Photochemical Oxidation",
    "  9. Acidification",
    "10. Eutrophication"};

}  // namespace ModCal
