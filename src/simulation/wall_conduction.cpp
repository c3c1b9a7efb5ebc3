#include "simulation/wall_conduction.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "common/number_text.h"
#include "simulation/load_constants.h"
#include "simulation/mean_radiant.h"
#include "simulation/sim_error.h"

namespace ModRoutine {
namespace {

using simulation::Fail;

constexpr std::string_view kSetupWallNodes = "SetupWallNodes";

struct LayerData {
  Integer mat = 0;
  Single t = 0, rho = 0, k = 0, cp = 0;
  Single alpha = 0;  // thermal diffusivity, m2/s (layers with mass only)
  bool massless = false;
  int n = 0;      // sub-layers 1..3
  Single dx = 0;  // sub-layer thickness, m
};

// Surface test of a layer next to a film h: the first of 3, 2, 1 sub-layers
// with Fo <= 1 / (2 (1 + Bi)); 0 when even one sub-layer is unstable.
int TrialSurface(const LayerData& ly, Single h) {
  for (int n = 3; n >= 1; --n) {
    Single dx = ly.t / static_cast<Single>(n);
    Single fo = CalRatioSq(ly.alpha, kTimeStep, dx);
    Single bi = dx * h / ly.k;
    Single limit = 1 / (2 * (1 + bi));
    if (fo <= limit) return n;
  }
  return 0;
}

using Layers = std::array<LayerData, common::kMaxLayers + 2>;

// The heat path from the node at one face of a run of massless layers, from
// layer `first` on in the direction `step` (+1 inwards, -1 outwards), to the
// far end of the run: the next node that holds heat, or past the surface
// film to the reference temperature.
struct Run {
  double r = 0;         // resistance, m2K/W
  bool single = false;  // one massless layer ending at a node that holds heat
  double heat = 0;      // J/m2K of the run's layers that the near node holds
};

// A massless layer keeps no node of its own, but its heat capacity stays in
// the wall: it goes to the nodes at the two ends of its run, each taking the
// share that the layer's mean temperature (steady conduction along the run)
// gives it; a share that falls on a reference temperature is not held.
Run RunFrom(const Layers& ly, int L, int first, int step, Single hOut, Single hIn) {
  std::array<double, common::kMaxLayers + 1> r{}, heat{};
  int count = 0;
  bool surface = false;
  double total = 0;
  for (int l = first;; l += step) {
    if (l < 1 || l > L) {
      total += 1.0 / (l < 1 ? hOut : hIn);
      surface = true;
      break;
    }
    if (!ly[l].massless) break;
    r[count] = static_cast<double>(ly[l].dx) / ly[l].k;
    heat[count] = static_cast<double>(ly[l].rho) * ly[l].cp * ly[l].t;
    total += r[count];
    ++count;
  }
  Run run;
  run.r = total;
  run.single = count == 1 && !surface;
  double before = 0;
  for (int i = 0; i < count; ++i) {
    if (total > 0) run.heat += heat[i] * (1 - (before + r[i] / 2) / total);
    before += r[i];
  }
  return run;
}

// The weight Dt U / cap of the conductance U from a node of heat capacity
// cap / 2 to its neighbour on one side: the sub-layer of `side` (k / dx)
// when it holds heat or is a lone massless layer between two nodes that do,
// else the whole run of massless layers beyond.
Single Weight(const LayerData& side, const Run& run, Single cap) {
  if (!side.massless || run.single) return kTimeStep * side.k / (cap * side.dx);
  return static_cast<Single>(kTimeStep / (cap * run.r));
}

// Interface test between the outer layer p and the inner layer q = p + 1 for
// the layer being trialled (p when trialOuter, else q); the other layer keeps
// its sub-layer thickness and adds its capacity, or when it is massless,
// the share of its run's capacity that the node holds, and then the node
// conducts through the whole run. A layer split into two or more sub-layers
// also has nodes inside it, which stay stable only with Fo <= 0.5: a thin
// layer between heavy neighbours passes the interface test easily but not
// this one.
int TrialInterface(const Layers& ly, int L, int p, bool trialOuter, Single hOut, Single hIn) {
  const int q = p + 1;
  const LayerData& tr = trialOuter ? ly[p] : ly[q];
  const LayerData& ot = trialOuter ? ly[q] : ly[p];
  Run run;
  if (ot.massless) run = trialOuter ? RunFrom(ly, L, q, 1, hOut, hIn) : RunFrom(ly, L, p, -1, hOut, hIn);
  for (int n = 3; n >= 1; --n) {
    Single dxTr = tr.t / static_cast<Single>(n);
    if (n >= 2 && CalRatioSq(tr.alpha, kTimeStep, dxTr) > 0.5f) continue;
    Single cap = tr.rho * tr.cp * dxTr;
    if (!ot.massless)
      cap = cap + ot.rho * ot.cp * ot.dx;
    else if (run.heat > 0)
      cap = cap + static_cast<Single>(2 * run.heat);
    LayerData trialled = tr;
    trialled.dx = dxTr;
    Single a = trialOuter ? Weight(trialled, run, cap) : Weight(ot, run, cap);
    Single b = trialOuter ? Weight(ot, run, cap) : Weight(trialled, run, cap);
    Single sum = a + b;
    if (sum <= 0.5f) return n;
  }
  return 0;
}

// Rounding may leave -B a hair below 0 at the stability limit, and the
// weights' sum a hair off 1.
constexpr Single kWeightTolerance = 1e-6f;
constexpr Single kSumTolerance = 1e-5f;

void SetNode(WallLayout& w, int node, Single a, Single b, Single cc) {
  w.coefA[node] = a;
  w.coefB[node] = b;
  w.coefC[node] = cc;
}

std::string ConsLabel(const common::ConstructionTables& ct, int n) {
  return "construction" + common::ShortTextInt(n) + " (" + ct.ConsName[n] + ")";
}

// Reads layers 1..L of construction `cons` into `ly`, with the diffusivity
// of each layer of a material; the problem of the first layer that cannot
// be used, or "".
std::string ReadLayers(const common::ConstructionTables& ct, int cons, int L, Layers& ly) {
  for (int l = 1; l <= L; ++l) {
    LayerData& d = ly[l];
    GetLayerProps(ct, static_cast<Integer>(cons), static_cast<Integer>(l), d.mat, d.t, d.rho, d.k, d.cp);
    bool usable = std::isfinite(d.t) && std::isfinite(d.k) && std::isfinite(d.rho) && std::isfinite(d.cp) && d.t > 0 &&
                  d.k > 0 && d.rho >= 0 && d.cp >= 0;
    if (!usable)
      return "Layer" + common::ShortTextInt(l) + " of " + ConsLabel(ct, cons) +
             " needs a positive thickness and conductivity and no negative density or specific heat!";
    if (d.mat >= 1) d.alpha = CalQuotient(d.k, d.rho, d.cp);
  }
  return "";
}

// The sub-layers of every layer and which layers are massless: the inner
// surface layer against its film, then outwards each layer against its
// inner neighbour, the outer surface layer against its film, and inwards
// each layer against its outer neighbour; a later pass only lowers a
// layer's count, and a layer that no count keeps stable becomes massless.
void ChooseSubLayers(Layers& ly, int L, Single ho, Single hi) {
  // Inner surface layer alone.
  if (ly[L].mat <= 0) {
    ly[L].massless = true;
    ly[L].n = 1;
  } else {
    ly[L].n = TrialSurface(ly[L], hi);
    if (ly[L].n == 0) ly[L].massless = true, ly[L].n = 1;
  }
  ly[L].dx = ly[L].t / static_cast<Single>(ly[L].n);
  // Outwards, each layer against its inner neighbour.
  for (int l = L - 1; l >= 1; --l) {
    if (ly[l].mat <= 0) {
      ly[l].massless = true;
      ly[l].n = 1;
    } else {
      ly[l].n = TrialInterface(ly, L, l, true, ho, hi);
      if (ly[l].n == 0) ly[l].massless = true, ly[l].n = 1;
    }
    ly[l].dx = ly[l].t / static_cast<Single>(ly[l].n);
  }
  // Outer surface layer alone.
  if (ly[1].mat <= 0 || ly[1].massless) {
    ly[1].massless = true;
    ly[1].n = 1;
  } else {
    int r = TrialSurface(ly[1], ho);
    if (r == 0)
      ly[1].massless = true, ly[1].n = 1;
    else
      ly[1].n = std::min(ly[1].n, r);
  }
  ly[1].dx = ly[1].t / static_cast<Single>(ly[1].n);
  // Inwards, each layer against its outer neighbour.
  for (int l = 2; l <= L; ++l) {
    LayerData& d = ly[l];
    if (!d.massless) {
      int r = TrialInterface(ly, L, l - 1, false, ho, hi);
      if (r == 0)
        d.massless = true, d.n = 1;
      else
        d.n = std::min(d.n, r);
    }
    d.dx = d.t / static_cast<Single>(d.n);
  }
}

// The last node of each layer; the problem when the wall would need more
// than kMaxNodes nodes, or "".
std::string NumberNodes(const common::ConstructionTables& ct, int cons, const Layers& ly, WallLayout& w) {
  w.layEndNode[0] = 1;
  w.layEndNode[1] = static_cast<Integer>(1 + ly[1].n);
  for (int l = 2; l <= w.layers; ++l) {
    const int i = w.layEndNode[l - 1];
    if (i + ly[l].n > common::kMaxNodes)
      return ConsLabel(ct, cons) + " needs more than" + common::ShortTextInt(common::kMaxNodes) + " wall nodes!";
    w.layEndNode[l] = static_cast<Integer>(i + ly[l].n);
  }
  return "";
}

// The nodes inside a layer with mass, `first` to `end`, each between two
// sub-layers of Fourier number `fo`.
void SetInnerNodes(WallLayout& w, const LayerData& d, Single fo, int first, int end) {
  for (int node = first; node <= end; ++node) {
    SetNode(w, node, fo, 2 * fo - 1, fo);
    w.heat[node] = d.rho * d.cp * d.dx;
  }
}

// Layer 1 and the outside surface node behind the film `ho`, when layer 1
// has mass.
void SetOutsideNodes(const LayerData& d, Single ho, WallLayout& w) {
  if (d.massless) return;
  Single bio = d.dx * ho / d.k;
  Single fo = CalRatioSq(d.alpha, kTimeStep, d.dx);
  Single a = 2 * fo * bio, cc = 2 * fo;
  SetNode(w, 1, a, a + cc - 1, cc);
  w.heat[1] = d.rho * d.cp * d.dx / 2;
  SetInnerNodes(w, d, fo, 2, w.layEndNode[1] - 1);
}

// Layers 2..L and the nodes at their outer interfaces. A node between a
// layer with mass and a massless one conducts through the whole massless
// run beyond it and holds its share of the run's capacity.
void SetInterfaceNodes(const Layers& ly, Single ho, Single hi, WallLayout& w) {
  const int L = w.layers;
  for (int l = 2; l <= L; ++l) {
    const LayerData& d = ly[l];
    const LayerData& p = ly[l - 1];
    const int i = w.layEndNode[l - 1];
    if (d.massless && p.massless) continue;
    Single cap = 0;
    if (!d.massless) {
      cap = d.rho * d.cp * d.dx;
      if (!p.massless) cap = cap + p.rho * p.cp * p.dx;
    } else {
      cap = p.rho * p.cp * p.dx;
    }
    Run run;
    if (p.massless) run = RunFrom(ly, L, l - 1, -1, ho, hi);
    if (d.massless) run = RunFrom(ly, L, l, 1, ho, hi);
    if (run.heat > 0) cap = cap + static_cast<Single>(2 * run.heat);
    Single a = Weight(p, run, cap);
    Single b = Weight(d, run, cap);
    Single ca = 2 * a, cc = 2 * b;
    SetNode(w, i, ca, ca + cc - 1, cc);
    w.heat[i] = cap / 2;
    if (!d.massless && d.n >= 2) SetInnerNodes(w, d, CalRatioSq(d.alpha, kTimeStep, d.dx), i + 1, w.layEndNode[l] - 1);
  }
}

// The room-side surface node, node `last`, in front of the film `hi`, when
// the room-side layer `d` has mass.
void SetRoomSideNode(const LayerData& d, int last, Single hi, WallLayout& w) {
  if (d.massless) return;
  Single bii = d.dx * hi / d.k;
  Single fo = CalRatioSq(d.alpha, kTimeStep, d.dx);
  Single a = 2 * fo, cc = 2 * fo * bii;
  SetNode(w, last, a, a + cc - 1, cc);
  w.heat[last] = d.rho * d.cp * d.dx / 2;
}

// Nodes that hold no heat: steady conduction between the nodes that hold
// heat on either side of them, or the surface references, weighted by the
// conductance towards each. The resistances run from each node to the next,
// from the outside reference, "node 0", to the room-side reference, "node
// last + 1".
void SetMasslessNodes(const Layers& ly, Single ho, Single hi, WallLayout& w) {
  const int last = w.layEndNode[w.layers];
  std::array<double, common::kMaxNodes + 1> seg{};
  seg[0] = 1.0 / ho;
  for (int l = 1; l <= w.layers; ++l)
    for (int node = l == 1 ? 1 : w.layEndNode[l - 1]; node < w.layEndNode[l]; ++node)
      seg[node] = static_cast<double>(ly[l].dx) / ly[l].k;
  seg[last] = 1.0 / hi;
  for (int node = 1; node <= last; ++node) {
    if (w.heat[node] > 0) continue;
    const NodeNeighbours nb = HeatNeighbours(w.heat, last, node);
    double rPrev = 0, rNext = 0;
    for (int j = nb.prev; j < node; ++j) rPrev += seg[j];
    for (int j = node; j < nb.next; ++j) rNext += seg[j];
    SetNode(w, node, static_cast<Single>(rNext / (rPrev + rNext)), 0, static_cast<Single>(rPrev / (rPrev + rNext)));
  }
}

// The explicit step is bounded only when each new node temperature is a
// weighted mean of old ones: A, C and -B non-negative, summing to one.
bool Bounded(const WallLayout& w) {
  for (int node = 1; node <= w.layEndNode[w.layers]; ++node) {
    const Single a = w.coefA[node], b = w.coefB[node], cc = w.coefC[node];
    if (!(a >= 0 && cc >= 0 && b <= kWeightTolerance && std::fabs(a + cc - b - 1) <= kSumTolerance)) return false;
  }
  return true;
}

// Lays out construction `cons` of 1 to 20 layers, read straight from the
// tables, its outer face (node 1) behind the film `ho`; the problem that
// stops it, or "".
std::string LayOut(const common::ConstructionTables& ct, int cons, Single ho, WallLayout& w) {
  const Single hi = kInsideFilm;
  Layers ly{};
  if (std::string problem = ReadLayers(ct, cons, w.layers, ly); !problem.empty()) return problem;
  ChooseSubLayers(ly, w.layers, ho, hi);
  if (std::string problem = NumberNodes(ct, cons, ly, w); !problem.empty()) return problem;
  SetOutsideNodes(ly[1], ho, w);
  SetInterfaceNodes(ly, ho, hi, w);
  SetRoomSideNode(ly[w.layers], w.layEndNode[w.layers], hi, w);
  SetMasslessNodes(ly, ho, hi, w);
  if (!Bounded(w)) return "The wall nodes of " + ConsLabel(ct, cons) + " would be unstable at a time step of 60 s!";
  return "";
}

}  // namespace

NodeNeighbours HeatNeighbours(const std::array<Single, common::kMaxNodes + 1>& heat, int last, int node) {
  NodeNeighbours nb{0, last + 1};
  for (int j = node - 1; j >= 1; --j)
    if (heat[j] > 0) {
      nb.prev = j;
      break;
    }
  for (int j = node + 1; j <= last; ++j)
    if (heat[j] > 0) {
      nb.next = j;
      break;
    }
  return nb;
}

Single CalRatioSq(Single a, Single b, Single c) {
  return static_cast<Single>(static_cast<double>(a * b) / (static_cast<double>(c) * c));
}

Single CalQuotient(Single a, Single b, Single c) { return a / (b * c); }

void GetLayerProps(const common::ConstructionTables& ct, Integer n, Integer l, Integer& mat, Single& t, Single& rho,
                   Single& k, Single& cp) {
  mat = ct.LayMatNo[n][l];
  t = ct.LayThk[n][l];
  if (mat >= 1) {
    rho = ct.LayProp[0][n][l];
    k = ct.LayProp[1][n][l];
    cp = ct.LayProp[2][n][l];
  } else {
    // A negative material number is taken as an air gap as well.
    rho = 0;
    k = static_cast<Single>(5.5798 * t + 0.023472);
    cp = 0;
  }
}

WallLayouts::WallLayouts(const common::ConstructionTables& ct)
    : layouts_(common::kMaxConstructions + 1), floors_(common::kMaxConstructions + 1) {
  for (int n = 0; n <= common::kMaxConstructions; ++n) {
    if (ct.ConsNLay[n] < 1 || ct.ConsNLay[n] > common::kMaxLayers) continue;
    WallLayout& w = layouts_[static_cast<std::size_t>(n)];
    w.layers = ct.ConsNLay[n];
    w.problem = LayOut(ct, n, kOutsideFilm, w);
    WallLayout& f = floors_[static_cast<std::size_t>(n)];
    f.layers = ct.ConsNLay[n];
    f.problem = LayOut(ct, n, kInsideFilm, f);
  }
}

void SetupWallNodes(const WallLayouts& walls, common::SimulationState& sim) {
  auto& m = sim.load;
  for (auto& row : m.LayEndNode) row.fill(1);
  const int floor = FloorComponent(m);
  for (int c = 1; c <= m.CurNFab; ++c) {
    const int cons = m.CurFabCons[c];
    if (cons < 0 || cons > common::kMaxConstructions || walls[cons].layers < 1) {
      Fail(sim, kSetupWallNodes, "Component" + common::ShortTextInt(c) + " has no usable construction!");
      return;
    }
    const WallLayout& w = c == floor ? walls.Floor(cons) : walls[cons];
    if (!w.problem.empty()) {
      Fail(sim, kSetupWallNodes, w.problem);
      return;
    }
    for (int l = 1; l <= w.layers; ++l) m.LayEndNode[c][l] = w.layEndNode[l];
    for (int node = 1; node <= w.layEndNode[w.layers]; ++node) {
      m.NodeCoefA[c][node] = w.coefA[node];
      m.NodeCoefB[c][node] = w.coefB[node];
      m.NodeCoefC[c][node] = w.coefC[node];
      m.NodeHeat[c][node] = w.heat[node];
    }
  }
}

void SetupWallNodes(common::Program& prog) { SetupWallNodes(WallLayouts(prog.energyInput.cons), prog.sim); }

}  // namespace ModRoutine
