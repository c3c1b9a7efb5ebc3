#pragma once
// The central plant and services of the sample office project (six storeys,
// 4800 m2, a retail cafe on the ground floor): a water-cooled plant of two
// 320 kW centrifugal chillers with cooling towers and a two-loop chilled
// water system with variable-speed secondary pumps; and two variants of the
// plant on seawater, with and without cooling towers.
//
// All three plants have the same chillers. A chiller's rated power is the
// power it draws at full load with condenser water entering at the plant's
// design temperature, so each plant gives the power of that chiller at its
// own: 58 kW at 29.5 degC, 61.0 kW at 32 degC and 62.3 kW at 33 degC (the
// water-cooled centrifugal curve at full load).
#include "common/plant_state.h"

namespace plant_test {

inline common::CentralPlantData OfficePlant() {
  common::CentralPlantData p;
  p.HRSType = 1;    // water-cooled with cooling towers
  p.ChWPSType = 2;  // two-loop, variable-speed secondary pumps
  p.StartHour = 7;
  p.StopHour = 19;
  p.DesignTemp = {0, 29.5f, 35, 0, 0};
  p.NoOfChr = 2;
  for (int i = 1; i <= 2; ++i) {
    p.ChrType[i] = 0;  // centrifugal
    p.ChrCap[0][i] = 320;
    p.ChrPower[0][i] = 58;
    p.ChrChWFlow[i] = 13.9f;  // 320 kW at 5.5 K
    p.ChrCWFlow[i] = 16.4f;   // 378 kW rejected at 5.5 K
  }
  p.NoOfPLP = 2;
  for (int i = 1; i <= 2; ++i) {
    p.PLPFlow[i] = 13.9f;
    p.PLPPres[i] = 150;
    p.PLPPower[i] = 3;
  }
  p.NoOfSLP = 2;
  for (int i = 1; i <= 2; ++i) {
    p.SLPType[i] = 2;  // variable speed, variable flow
    p.SLPFlow[0][i] = 13.9f;
    p.SLPPres[0][i] = 250;
    p.SLPPower[0][i] = 5;
  }
  p.NoOfCWP = 2;
  for (int i = 1; i <= 2; ++i) {
    p.CWPFlow[i] = 16.4f;
    p.CWPPres[i] = 200;
    p.CWPPower[i] = 4.7f;
  }
  p.NoOfSWP = 0;
  p.NoOfCT = 2;
  for (int i = 1; i <= 2; ++i) {
    p.CTCap[i] = 380;
    p.CTFlow[i] = 16.4f;
    p.CTFanPower[i] = 5.5f;
  }
  p.NoOfAddHVAC = 2;
  p.AddHVACName[1] = "Car park ventilation fans";
  p.AddHVACPower[1] = 15;
  p.AddHVACHours[1] = 3000;
  p.AddHVACLF[1] = 0.8f;
  p.AddHVACName[2] = "Server room split units";
  p.AddHVACPower[2] = 8;
  p.AddHVACHours[2] = 8760;
  p.AddHVACLF[2] = 0.6f;
  p.NoOfFAU = 2;
  for (int i = 1; i <= 2; ++i) {
    p.FAUSensCap[i] = 46;
    p.FAUTotCap[i] = 101;
    p.FAUFlow[i] = 2.4f;  // 240 occupants a unit at 10 l/s
    p.FAUFanPres[i] = 600;
    p.FAUFanPower[i] = 2.2f;
    p.FAUChWFlow[i] = 4.4f;
  }
  return p;
}

// The same building on seawater, through a plate heat exchanger between the
// condenser water (32 -> 37 degC) and the sea (27 -> 31 degC): condenser
// water pumps and two seawater pumps in place of the towers.
inline common::CentralPlantData OfficeSeawaterPlant() {
  common::CentralPlantData p = OfficePlant();
  p.HRSType = 2;  // indirect seawater-cooled
  p.DesignTemp = {0, 32, 37, 27, 31};
  for (int i = 1; i <= 2; ++i) {
    p.ChrPower[0][i] = 61.0f;  // the same chiller with condenser water at 32 degC
    p.ChrCWFlow[i] = 18.2f;    // 381 kW rejected at 5 K
    p.CWPFlow[i] = 18.2f;
    p.CWPPower[i] = 5.2f;
  }
  p.NoOfSWP = 2;
  for (int i = 1; i <= 2; ++i) {
    p.SWPType[i] = 0;
    p.SWPFlow[0][i] = 22.7f;  // 381 kW at 4 K
    p.SWPPres[0][i] = 250;
    p.SWPPower[0][i] = 8;
  }
  p.NoOfCT = 0;
  p.CTCap = {};
  p.CTFlow = {};
  p.CTFanPower = {};
  return p;
}

// Seawater pumped through cooling towers (29.5 degC leaving at the design
// wet bulb, 4.5 K range) and the plate heat exchanger to the condenser water
// (33 -> 38 degC).
inline common::CentralPlantData OfficeSeawaterTowerPlant() {
  common::CentralPlantData p = OfficeSeawaterPlant();
  p.HRSType = 4;  // indirect seawater-cooled with cooling towers
  p.DesignTemp = {0, 33, 38, 29.5f, 34};
  for (int i = 1; i <= 2; ++i) {
    p.ChrPower[0][i] = 62.3f;  // the same chiller with condenser water at 33 degC
    p.ChrCWFlow[i] = 18.3f;    // 382 kW rejected at 5 K
    p.CWPFlow[i] = 18.3f;
    p.SWPFlow[0][i] = 20.3f;  // 382 kW at 4.5 K
    p.SWPPower[0][i] = 7;
  }
  p.NoOfCT = 2;
  for (int i = 1; i <= 2; ++i) {
    p.CTCap[i] = 400;
    p.CTFlow[i] = 20.3f;
    p.CTFanPower[i] = 5.5f;
  }
  return p;
}

inline common::NonACServicesData OfficeServices() {
  common::NonACServicesData s;
  s.NoOfAddElec = 2;
  s.AddElecName[1] = "External and facade lighting";
  s.AddElecPower[1] = 6;
  s.AddElecHours[1] = 4380;
  s.AddElecLF[1] = 1;
  s.AddElecName[2] = "Car park lighting";
  s.AddElecPower[2] = 4.5f;
  s.AddElecHours[2] = 8760;
  s.AddElecLF[2] = 1;
  s.NoOfFS = 2;
  s.FSName[1] = "Fire service pumps, weekly test runs";
  s.FSPower[1] = 45;
  s.FSHours[1] = 52;
  s.FSLF[1] = 1;
  s.FSName[2] = "Staircase pressurisation fans";
  s.FSPower[2] = 11;
  s.FSHours[2] = 52;
  s.FSLF[2] = 1;
  s.NoOfLift = 2;
  s.LiftName[1] = "Passenger lifts (4 nos.)";
  s.LiftPower[1] = 60;
  s.LiftHours[1] = 3000;
  s.LiftLF[1] = 0.35f;
  s.LiftName[2] = "Retail escalators (2 nos.)";
  s.LiftPower[2] = 15;
  s.LiftHours[2] = 3600;
  s.LiftLF[2] = 0.6f;
  s.NoOfPD = 2;
  s.PDName[1] = "Domestic water transfer pumps";
  s.PDPower[1] = 7.5f;
  s.PDHours[1] = 1500;
  s.PDLF[1] = 0.8f;
  s.PDName[2] = "Sewage ejector pumps";
  s.PDPower[2] = 3;
  s.PDHours[2] = 700;
  s.PDLF[2] = 0.7f;
  s.NoOfGasSys = 2;
  s.GasName[1] = "Retail cafe kitchen cooking ranges";
  s.GasSubSys[1] = 1;  // booked with electrical services
  s.GasCap[1] = 60;
  s.GasEff[1] = 0.55f;
  s.GasHours[1] = 3000;
  s.GasLF[1] = 0.35f;
  s.GasName[2] = "Retail cafe kitchen water heater";
  s.GasSubSys[2] = 4;  // plumbing and drainage
  s.GasCap[2] = 30;
  s.GasEff[2] = 0.8f;
  s.GasHours[2] = 3000;
  s.GasLF[2] = 0.4f;
  return s;
}

}  // namespace plant_test
