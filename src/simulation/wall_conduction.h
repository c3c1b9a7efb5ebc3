#pragma once
// One-dimensional conduction through the layers of each fabric component of
// the room being modelled: the node layout with its stability rule, the node
// coefficients and the explicit time step of 60 s. Node 1 is the outside
// surface, node LayEndNode(c, L) the room-side surface of component c.
#include "common/program.h"

namespace ModRoutine {

using common::Integer;
using common::Single;

// a * b / c^2 and a / (b * c), as Singles.
Single CalRatioSq(Single a, Single b, Single c);
Single CalQuotient(Single a, Single b, Single c);

// Copies construction n (0..50) into the construction edit buffer.
void LoadConstruction(common::EnergyInputState& ei, Integer n);
// The material number, thickness (m), density (kg/m3), conductivity (W/mK)
// and specific heat (J/kgK) of layer l of the edit buffer. A layer whose
// material number is not positive is an air gap: no density or specific heat,
// and the conductivity 5.5798 t + 0.023472 of its thickness.
void GetLayerProps(const common::EnergyInputState& ei, Integer l, Integer& mat, Single& t, Single& rho, Single& k,
                   Single& cp);

// Lays out the nodes of every component of the room and sets their
// coefficients. Fails (SimErr, SimErrMsg) on a layer without a positive
// thickness and conductivity, on negative densities or specific heats, on a
// construction that would need more than 60 nodes, and on a layout whose
// node weights would let the explicit step grow without bound. Changes only
// the room's model state and the error of `sim`.
void SetupWallNodes(const common::ConstructionTables& ct, common::SimulationState& sim);
void SetupWallNodes(common::Program& prog);
// Advances every node of every component by one time step: plane 1 of
// NodeTemp from plane 0 and the surface reference temperatures.
void StepWallNodes(common::Program& prog);

}  // namespace ModRoutine
