#pragma once
// The sun on the room's fabric: incidence angles, glass transmittance, the
// hourly beam and diffuse gains through the windows (reduced by their
// shading masks) and the sol-air temperatures that drive the outside faces.
// Orientation codes: 1 N, 2 NE, 3 E, 4 SE, 5 S, 6 SW, 7 W, 8 NW, 9 horizontal
// (0 not set); azimuths in radians from south towards west.
#include <array>
#include <string>

#include "common/program.h"

namespace ModRoutine {

using common::Integer;
using common::Single;

// Component types: 0 not set, 1 Roof, 2 Window, 3 External Wall, 4 Floor/Ceiling, 5 Partition.
constexpr int kRoof = 1, kWindow = 2, kExtWall = 3, kFloorCeiling = 4, kPartition = 5;
constexpr int kHorizontal = 9;

// Cosine of the angle of incidence of the sun on a surface of that
// orientation, never below 0.
double CalSolarAngles(Single azi, Single alt, Integer orient);
// Transmittance of glass for direct radiation at an incidence cosine.
Single CalGlassTrans(const common::CoolingLoadModelState& m, Single cosi);

// The shading mask of a window (a bare name is taken in the project
// folder), read once into the masks of `sim`;
// nullptr with SimErr set when the file is missing or unreadable.
const common::ShadingMaskData* FindShadingMask(const std::string& projDir, common::SimulationState& sim,
                                               const std::string& name);

// What the sun of an hour gives every window of one orientation alike: the
// transmittance of glass for its direct radiation (0 where the sun does not
// reach a surface of that orientation), by orientation code 0..9. A run
// works it out once an hour for the orientations its windows face.
struct SunOnGlass {
  std::array<Single, 10> tau{};
};
SunOnGlass SunOnGlassOf(const common::CoolingLoadModelState& m, Single solAzi, Single solAlt,
                        const std::array<bool, 10>& orientations);

// Beam and diffuse gain through each window of the room for the hour, with
// the hour's `sun` when it has been worked out. It changes only `sim`, so
// rooms can be modelled side by side, each in a simulation state of its own.
void CalSolGain(const common::ConstructionTables& ct, const std::string& projDir, common::SimulationState& sim,
                const SunOnGlass* sun = nullptr);
// The temperature driving the outside face of roofs, windows, external walls
// and partitions.
void CalSolAirTemp(const common::ConstructionTables& ct, common::SimulationState& sim);

// For tests and benchmarks only: the two above with the program's
// construction tables, project folder and simulation state.
void CalSolGain(common::Program& prog);
void CalSolAirTemp(common::Program& prog);

}  // namespace ModRoutine
