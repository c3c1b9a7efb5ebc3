#pragma once
// The largest building the energy input windows allow, generated for the
// simulation benchmarks: 20 zones of 12 rooms, each room of 100 m2 under a
// roof with four walls, four windows (the south and east ones behind the
// sample's shading masks) and a floor, on the sample office's constructions;
// variable-speed VAV systems with pretreated fresh air; the sample office's
// water-cooled plant with every equipment list at its largest count.
#include <string>

namespace bench {

struct LargestBuildingFiles {
  std::string eci = "LARGEST.ECI", cons = "LARGEST.CON", ass = "LARGEST.ASS", wss = "LARGEST.WSS";
};

// Writes the building's input files and the shading masks into `folder`
// (with a trailing "/"), reading the sample office from `sampleFolder`.
// With `deepWalls` every wall is a 0.4 m concrete wall of many thin layers,
// which gives each wall about three times the nodes. False with the reason
// in `error` when a sample file cannot be read or a file not written.
bool WriteLargestBuilding(const std::string& sampleFolder, const std::string& folder, bool deepWalls,
                          LargestBuildingFiles& files, std::string& error);

}  // namespace bench
