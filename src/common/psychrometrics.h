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
// The air of a room at its design temperature t (degC) and relative
// humidity rh (%): its vapour pressure (kPa, held as a Single) and humidity
// ratio. A state gives a humidity ratio when its vapour pressure stays
// below the atmosphere's and the ratio is a number not below 0.
struct DesignAir {
  Single pw = 0, w = 0;
  bool GivesHumRatio() const;
};
DesignAir DesignAirState(Single t, Single rh);
// Enthalpy of moist air, kJ/kg dry air.
double MoistAirEnthalpy(Single t, Single w);
// Seawater temperature of a day of the year (1 = 1 January), degC.
double CalSeaWaterTemp(Integer day);
// Sensible, latent and total load of cooling an air stream of `flow` from the
// entering to the leaving state (kW); no sign check.
void CalCoilLoads(Single tLeave, Single hLeave, Single tEnter, Single hEnter, Single flow, Single& qSens, Single& qLat,
                  Single& qTot);

}  // namespace ModACPlt
