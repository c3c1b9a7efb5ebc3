#include "simulation/solar.h"

#include <cmath>

#include "common/paths.h"
#include "common/project_paths.h"
#include "energy_input/shading_mask_file.h"
#include "simulation/load_constants.h"
#include "simulation/sim_error.h"

namespace ModRoutine {
namespace {

using simulation::Fail;

constexpr std::string_view kCalSolGain = "CalSolGain";

}  // namespace

double CalSolarAngles(Single azi, Single alt, Integer orient) {
  const double pi = 4 * std::atan(1.0);
  double result;
  if (orient < kHorizontal) {
    double psi = (orient - 5) / 4.0 * pi;
    if (psi < 0) psi += 2 * pi;
    double gamma = azi - psi;
    if (std::fabs(gamma) > pi) gamma = gamma <= 0 ? gamma + 2 * pi : gamma - 2 * pi;
    result = std::cos(gamma) * std::cos(static_cast<double>(alt));
  } else {
    result = std::sin(static_cast<double>(alt));
  }
  return result < 0 ? 0 : result;
}

Single CalGlassTrans(const common::CoolingLoadModelState& m, Single cosi) {
  Single tau = 0;
  for (int i = 0; i <= 5; ++i)
    tau = static_cast<Single>(tau + m.GlassTransCoef[i] * std::pow(static_cast<double>(cosi), i));
  return tau;
}

const common::ShadingMaskData* FindShadingMask(const std::string& projDir, common::SimulationState& sim,
                                               const std::string& name) {
  auto& cache = sim.load.MaskCache;
  std::string path = common::ResolveProjectFile(name, projDir);
  if (auto it = cache.find(path); it != cache.end()) return &it->second;
  auto found = common::FindExisting(path);
  if (!found) {
    Fail(sim, kCalSolGain, "Shading mask file: " + name + " does not exist!");
    return nullptr;
  }
  std::string error;
  common::ShadingMaskData mask;
  if (!energy_input::ReadShadingMaskFile(*found, mask.G, mask.M, error)) {
    Fail(sim, kCalSolGain, "Failed to read shading mask file: " + name + " (" + error + ")");
    return nullptr;
  }
  return &cache.emplace(path, mask).first->second;
}

void CalSolGain(common::Program& prog) { CalSolGain(prog.energyInput.cons, prog.building.ProjDir, prog.sim); }

namespace {

Single GlassTransAt(const common::CoolingLoadModelState& m, Single solAzi, Single solAlt, int orient) {
  Single cosi = static_cast<Single>(CalSolarAngles(solAzi, solAlt, static_cast<Integer>(orient)));
  return cosi > 0 ? CalGlassTrans(m, cosi) : 0;
}

}  // namespace

SunOnGlass SunOnGlassOf(const common::CoolingLoadModelState& m, Single solAzi, Single solAlt,
                        const std::array<bool, 10>& orientations) {
  SunOnGlass sun;
  for (int o = 0; o <= kHorizontal; ++o)
    if (orientations[o]) sun.tau[o] = GlassTransAt(m, solAzi, solAlt, o);
  return sun;
}

void CalSolGain(const common::ConstructionTables& ct, const std::string& projDir, common::SimulationState& sim,
                const SunOnGlass* sun) {
  auto& m = sim.load;
  const Single delta = static_cast<Single>(std::atan(1.0) / 4.5);  // 10 degrees
  for (int c = 1; c <= m.CurNFab; ++c) {
    if (m.CurFabType[c] != kWindow) continue;
    Single F = 1, M = 1;
    if (!m.CurFabShMask[c].empty()) {
      // The mask file is looked up in the first hour of the room and kept.
      const common::ShadingMaskData* mask = m.CurFabMask[c];
      if (!mask || m.CurFabMaskName[c] != m.CurFabShMask[c]) {
        mask = FindShadingMask(projDir, sim, m.CurFabShMask[c]);
        if (!mask) return;
        m.CurFabMask[c] = mask;
        m.CurFabMaskName[c] = m.CurFabShMask[c];
      }
      int ia = -1, ja = -1;
      for (int i = 0; i <= 35; ++i) {
        Single lo = static_cast<Single>(i) * delta;
        Single hi = lo + delta;
        if (lo <= m.SolAzi && m.SolAzi < hi) ia = i;
      }
      if (ia < 0) {
        Fail(sim, kCalSolGain, "Solar azimuth angle out of range!");
        return;
      }
      for (int j = 0; j <= 8; ++j) {
        Single lo = static_cast<Single>(j) * delta;
        Single hi = lo + delta;
        if (lo <= m.SolAlt && m.SolAlt < hi) ja = j;
      }
      if (ja < 0) {
        Fail(sim, kCalSolGain, "Solar altitude angle out of range!");
        return;
      }
      F = mask->G[ia][ja];
      M = mask->M;
    }
    const int o = m.CurFabOrient[c];
    const Single tau = sun ? sun->tau[o] : GlassTransAt(m, m.SolAzi, m.SolAlt, o);
    Single SC = ct.ConsSurf[1][m.CurFabCons[c]];
    Single A = m.CurFabArea[c];
    int k = o == kHorizontal ? 0 : 1;
    if (m.SolAlt >= delta + delta) {
      m.BeamSolGain[c] = SC * A * m.DirSolRad[o] * tau * F;
      m.BeamSolGain[0] += m.BeamSolGain[c];
    } else {
      m.BeamSolGain[c] = 0;
    }
    m.DifSolGain[c] = SC * A * m.DifSolRad[k] * m.GlassDifTrans * M;
    m.DifSolGain[0] += m.DifSolGain[c];
  }
}

void CalSolAirTemp(common::Program& prog) { CalSolAirTemp(prog.energyInput.cons, prog.sim); }

void CalSolAirTemp(const common::ConstructionTables& ct, common::SimulationState& sim) {
  auto& m = sim.load;
  const Single ho = kOutsideFilm;
  const Single outTdb = sim.OutTdb;
  for (int c = 1; c <= m.CurNFab; ++c) {
    const int type = m.CurFabType[c];
    const int o = m.CurFabOrient[c];
    if (type == kRoof || type == kExtWall || type == 0) {
      Single a = ct.ConsSurf[0][m.CurFabCons[c]];
      if (o != kHorizontal) {
        Single irr = m.DirSolRad[o] + m.DifSolRad[1];
        m.SurfRefTemp[c][0] = irr * a / ho + outTdb;
      } else {
        // A horizontal surface also loses long-wave radiation to the sky: 3.9 K.
        Single irr = m.DirSolRad[kHorizontal] + m.DifSolRad[0];
        Single v = irr * a / ho + outTdb;
        m.SurfRefTemp[c][0] = static_cast<Single>(v - 3.9);
      }
    } else if (type == kWindow) {
      m.SurfRefTemp[c][0] = outTdb;
    } else if (type == kPartition) {
      // The neighbouring space is held at the room's design temperature.
      m.SurfRefTemp[c][0] = m.RmSetT;
    }
  }
}

}  // namespace ModRoutine
