#include "common/psychrometrics.h"

#include <cmath>

namespace ModACPlt {

double SatVapPres(Single t) {
  // Saturation over liquid water; the constant term is shifted by ln 1000 so
  // that the result comes out in kPa. The exponent is kept in single
  // precision after every step.
  Single T = static_cast<Single>(t + 273.15);
  Single e = static_cast<Single>(-5800.2206 / T);
  e = static_cast<Single>(e - 5.516256);
  e = static_cast<Single>(e + ((4.1764768e-5 - 1.4452093e-8 * T) * T - 0.048640239) * T);
  e = static_cast<Single>(e + 6.5459673 * std::log(static_cast<double>(T)));
  return std::exp(static_cast<double>(e));
}

double HumRatio(Single pw) { return 0.622 * pw / (101.325 - pw); }

DesignAir DesignAirState(Single t, Single rh) {
  DesignAir air;
  air.pw = static_cast<Single>(SatVapPres(t) * rh / 100);
  air.w = static_cast<Single>(HumRatio(air.pw));
  return air;
}

bool DesignAir::GivesHumRatio() const { return pw < 101.325f && std::isfinite(w) && w >= 0; }

double MoistAirEnthalpy(Single t, Single w) { return 1.006 * t + w * (2501 + 1.87 * t); }

double CalSeaWaterTemp(Integer day) {
  const double d = day;
  Single v = static_cast<Single>(-4.1388154e-14 * d - 3.665022e-11);
  v = static_cast<Single>(v * d + 6.6403584e-8);
  v = static_cast<Single>(v * d - 2.9189258e-5);
  v = static_cast<Single>(v * d + 0.0050455274);
  v = static_cast<Single>(v * d - 0.2663784);
  v = static_cast<Single>(v * d + 20.72148);
  return v;
}

void CalCoilLoads(Single tLeave, Single hLeave, Single tEnter, Single hEnter, Single flow, Single& qSens, Single& qLat,
                  Single& qTot) {
  // Air density 1.2 kg/m3; volumetric heat capacity 1.224 kJ/(m3 K).
  qTot = static_cast<Single>(1.2 * flow * (hEnter - hLeave));
  qSens = static_cast<Single>(1.224 * flow * (tEnter - tLeave));
  qLat = qTot - qSens;
}

}  // namespace ModACPlt
