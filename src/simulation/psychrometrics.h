#pragma once
// Moist-air properties and the seawater temperature for both hourly
// simulations. Temperatures in degC, pressures in kPa, humidity ratios in
// kg/kg dry air, enthalpies in kJ/kg dry air, air flows in m3/s, loads in kW.
#include "common/value_types.h"

namespace ModACPlt {

using common::Integer;
using common::Single;

// Saturation vapour pressure over liquid water, kPa.
double SatVapPres(Single t);
// Humidity ratio at the standard atmospheric pressure 101.325 kPa.
double HumRatio(Single pw);
// Enthalpy of moist air, kJ/kg dry air.
double MoistAirEnthalpy(Single t, Single w);
// Seawater temperature of a day of the year (1 = 1 January), degC.
double CalSeaWaterTemp(Integer day);
// Sensible, latent and total load of cooling an air stream of `flow` from the
// entering to the leaving state (kW); no sign check.
void CalCoilLoads(Single tLeave, Single hLeave, Single tEnter, Single hEnter, Single flow, Single& qSens, Single& qLat,
                  Single& qTot);

}  // namespace ModACPlt
