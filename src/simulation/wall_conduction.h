#pragma once
// One-dimensional conduction through the layers of each fabric component of
// the room being modelled: the node layout with its stability rule and the
// node coefficients of the explicit time step of 60 s, which the room step
// (RoomStepper) takes. Node 1 is the outside surface, node LayEndNode(c, L)
// the room-side surface of component c.
#include <array>
#include <string>
#include <vector>

#include "common/program.h"

namespace ModRoutine {

using common::Integer;
using common::Single;

// a * b / c^2 and a / (b * c), as Singles.
Single CalRatioSq(Single a, Single b, Single c);
Single CalQuotient(Single a, Single b, Single c);

// The material number, thickness (m), density (kg/m3), conductivity (W/mK)
// and specific heat (J/kgK) of layer l of construction n of the tables. A
// layer whose material number is not positive is an air gap: no density or
// specific heat, and the conductivity 5.5798 t + 0.023472 of its thickness.
void GetLayerProps(const common::ConstructionTables& ct, Integer n, Integer l, Integer& mat, Single& t, Single& rho,
                   Single& k, Single& cp);

// The node layout of a construction, the same for every component made of
// it: the last node of each layer, the heat capacity each node holds and the
// coefficients of every node. An air gap, and a layer too thin to hold heat
// at a time step of 60 s, is massless: nodes with a massless layer on both
// sides (or a massless layer and the surface film) hold no heat. In a time
// step, each node that holds heat takes
//   A * T(prev) - B * T(n) + C * T(next)
// of the temperatures at the start of the step, prev and next being the
// nearest nodes on either side that hold heat or else the reference
// temperatures of the surfaces ("node 0" outside, "node last + 1" in the
// room); and each node that holds none is solved directly, as steady
// conduction between its prev and next at the same temperatures,
//   A * T(prev) + C * T(next)   (B = 0),
// so that it lies where the heat the step passes along its run flows.
// The capacity of a massless layer is held by the nodes at the ends of its
// run of massless layers, each taking the share its steady temperature
// gives it (none on a reference).
struct WallLayout {
  int layers = 0;  // 1 to 20; 0 for a construction without a usable number of layers
  // Why its nodes cannot be laid out (a layer without a positive thickness
  // and conductivity, a negative density or specific heat, more than 60
  // nodes, node weights that would let the explicit step grow without
  // bound); "" when they can.
  std::string problem;
  std::array<Integer, common::kMaxLayers + 1> layEndNode{};
  std::array<Single, common::kMaxNodes + 1> coefA{}, coefB{}, coefC{};
  std::array<Single, common::kMaxNodes + 1> heat{};  // J/m2K; 0 for a node that holds no heat
};

// The nodes whose temperatures drive node `node` of a wall of `last` nodes
// with the heat capacities `heat`: the nearest on either side that hold
// heat, 0 and last + 1 standing for the outside and room-side references.
struct NodeNeighbours {
  int prev, next;
};
NodeNeighbours HeatNeighbours(const std::array<Single, common::kMaxNodes + 1>& heat, int last, int node);

// The layouts of constructions 0..50 of the tables, each worked out once,
// read straight from the tables: a run makes them once and its rooms share
// them.
class WallLayouts {
 public:
  explicit WallLayouts(const common::ConstructionTables& ct);
  // Construction n (0..50), its outside face (node 1) behind the outside
  // film.
  const WallLayout& operator[](int n) const { return layouts_[static_cast<std::size_t>(n)]; }
  // Construction n as the floor of the room: node 1 is the room's floor
  // face, behind the inside film as every face in the room.
  const WallLayout& Floor(int n) const { return floors_[static_cast<std::size_t>(n)]; }

 private:
  std::vector<WallLayout> layouts_, floors_;
};

// Lays out the nodes of every component of the room from the layout of its
// construction (the room's floor component, FloorComponent, with its floor
// face in the room) and sets their coefficients. Fails (SimErr, SimErrMsg)
// on a component whose construction has no layers or whose layout has a
// problem. Changes only the room's model state and the error of `sim`.
void SetupWallNodes(const WallLayouts& walls, common::SimulationState& sim);
// For tests and benchmarks only: the same with the layouts of the program's
// construction tables, in the program's simulation state.
void SetupWallNodes(common::Program& prog);

}  // namespace ModRoutine
