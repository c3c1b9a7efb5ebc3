#pragma once
// The code lists of the energy model and the air-side systems. Each code
// is the position of its caption in a drop-down list whose first entry is
// empty, so code 0 always means "not set".
#include <array>
#include <string_view>

namespace energy_input {

inline constexpr std::array<std::string_view, 6> kRoomTypes = {"",           "Office",           "Retail",
                                                               "Restaurant", "Hotel Guest Room", "Non-AC"};

inline constexpr int kRoof = 1;
inline constexpr int kFloorCeiling = 4;
inline constexpr std::array<std::string_view, 6> kFabricTypes = {
    "", "Roof", "Window", "External Wall", "Floor/Ceiling", "Partition"};

inline constexpr int kHorizontal = 9;
inline constexpr std::array<std::string_view, 10> kOrientations = {"",  "N",  "NE", "E",  "SE",
                                                                   "S", "SW", "W",  "NW", "Hori."};

inline constexpr std::array<std::string_view, 4> kAirSideTypes = {
    "", "CAV or FCU System", "VAV System with Inlet Guide Vane Control", "VAV System with Variable Fan Speed Control"};

inline constexpr std::array<std::string_view, 3> kFreshAirTypes = {"", "Local Outdoor Air Intake",
                                                                   "Central Pretreated"};

// The highest code of each list.
template <std::size_t N>
constexpr int MaxCode(const std::array<std::string_view, N>&) {
  return static_cast<int>(N) - 1;
}

}  // namespace energy_input
