#pragma once
// The captions of the life-cycle stages and of the ten impact categories as
// the windows list them.
#include <array>

namespace ModCal {

// Stage 0 is the whole life cycle, the sum of stages 1..4.
inline constexpr std::array<const char*, 5> kStageName = {"Whole Life Cycle", "As Built", "Operating (Mat'l.)",
                                                          "Operating (Energy)", "Demolition Waste"};

// Entry k (1..10) is category k; entry 0 is empty.
inline constexpr std::array<const char*, 11> kCategoryCaption = {"",
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
