#include "plant_input/plant_files.h"

#include <string_view>

#include "common/data_file.h"
#include "common/paths.h"

namespace plant_input {
namespace {

using common::DataReader;
using common::DataWriter;
using common::Integer;
using common::ItemIntegers;
using common::ItemNames;
using common::ItemSingles;

constexpr int kMaxItems = 10;

constexpr std::string_view kPlantHead = "Central Plant Data for Project: ";
constexpr std::string_view kServicesHead = "Non-AC Services Data for Project: ";

// ---- reading ----

// A count stands on a line of its own.
bool ReadCount(DataReader& in, Integer& count, std::string_view what) {
  return in.ReadInRange(count, 0, kMaxItems, what) && in.EndOfLine();
}

// The file is read whole and dropped line by line: the head line goes
// first, whatever project it names.
std::optional<DataReader> OpenFile(const std::string& path, std::string& error) {
  auto text = common::ReadWholeFile(path, &error);
  if (!text) return std::nullopt;
  DataReader in(std::move(*text));
  std::string head;
  if (!in.ReadLine(head)) {
    error = "the file is empty";
    return std::nullopt;
  }
  return in;
}

// One group of the services file, or the additional HVAC systems: count,
// then per system its name on one line and power, hours, load factor on
// the next.
bool ReadSystems(DataReader& in, Integer& count, ItemNames& name, ItemSingles& power, ItemSingles& hours,
                 ItemSingles& lf, std::string_view what) {
  if (!ReadCount(in, count, what)) return false;
  for (int i = 1; i <= count; ++i) {
    if (!in.Read(name[i]) || !in.EndOfLine() || !in.Read(power[i]) || !in.Read(hours[i]) || !in.Read(lf[i]) ||
        !in.EndOfLine())
      return false;
  }
  return true;
}

// Each line holds exactly the items the writer puts on it, so a number
// split in two or an item too many is refused rather than read shifted.
bool ReadPlant(DataReader& in, common::CentralPlantData& p) {
  if (!in.ReadInRange(p.HRSType, 0, 4, "a plant type") || !in.EndOfLine() ||
      !in.ReadInRange(p.ChWPSType, 0, 2, "a pumping scheme") || !in.EndOfLine() || !in.Read(p.StartHour) ||
      !in.Read(p.StopHour) || !in.EndOfLine())
    return false;
  for (int k = 1; k <= 4; ++k)
    if (!in.Read(p.DesignTemp[k])) return false;
  if (!in.EndOfLine()) return false;

  if (!ReadCount(in, p.NoOfChr, "a chiller count")) return false;
  for (int i = 1; i <= p.NoOfChr; ++i) {
    if (!in.ReadInRange(p.ChrType[i], 0, 2, "a chiller type") || !in.Read(p.ChrCap[0][i]) ||
        !in.Read(p.ChrPower[0][i]) || !in.Read(p.ChrChWFlow[i]) || !in.Read(p.ChrCWFlow[i]) || !in.EndOfLine())
      return false;
  }
  if (!ReadCount(in, p.NoOfPLP, "a primary pump count")) return false;
  for (int i = 1; i <= p.NoOfPLP; ++i) {
    if (!in.Read(p.PLPFlow[i]) || !in.Read(p.PLPPres[i]) || !in.Read(p.PLPPower[i]) || !in.EndOfLine()) return false;
  }
  if (!ReadCount(in, p.NoOfSLP, "a secondary pump count")) return false;
  for (int i = 1; i <= p.NoOfSLP; ++i) {
    if (!in.ReadInRange(p.SLPType[i], 0, 2, "a secondary pump type") || !in.Read(p.SLPFlow[0][i]) ||
        !in.Read(p.SLPPres[0][i]) || !in.Read(p.SLPPower[0][i]) || !in.EndOfLine())
      return false;
  }
  if (!ReadCount(in, p.NoOfCWP, "a condenser water pump count")) return false;
  for (int i = 1; i <= p.NoOfCWP; ++i) {
    if (!in.Read(p.CWPFlow[i]) || !in.Read(p.CWPPres[i]) || !in.Read(p.CWPPower[i]) || !in.EndOfLine()) return false;
  }
  if (!ReadCount(in, p.NoOfSWP, "a seawater pump count")) return false;
  for (int i = 1; i <= p.NoOfSWP; ++i) {
    if (!in.ReadInRange(p.SWPType[i], 0, 2, "a seawater pump type") || !in.Read(p.SWPFlow[0][i]) ||
        !in.Read(p.SWPPres[0][i]) || !in.Read(p.SWPPower[0][i]) || !in.EndOfLine())
      return false;
  }
  if (!ReadCount(in, p.NoOfCT, "a cooling tower count")) return false;
  for (int i = 1; i <= p.NoOfCT; ++i) {
    if (!in.Read(p.CTCap[i]) || !in.Read(p.CTFlow[i]) || !in.Read(p.CTFanPower[i]) || !in.EndOfLine()) return false;
  }
  if (!ReadSystems(in, p.NoOfAddHVAC, p.AddHVACName, p.AddHVACPower, p.AddHVACHours, p.AddHVACLF,
                   "an additional HVAC system count"))
    return false;
  if (!ReadCount(in, p.NoOfFAU, "a fresh-air unit count")) return false;
  for (int i = 1; i <= p.NoOfFAU; ++i) {
    if (!in.Read(p.FAUSensCap[i]) || !in.Read(p.FAUTotCap[i]) || !in.Read(p.FAUFlow[i]) || !in.Read(p.FAUFanPres[i]) ||
        !in.Read(p.FAUFanPower[i]) || !in.Read(p.FAUChWFlow[i]) || !in.EndOfLine())
      return false;
  }
  return in.EndOfFile();
}

bool ReadServices(DataReader& in, common::NonACServicesData& s) {
  if (!ReadSystems(in, s.NoOfAddElec, s.AddElecName, s.AddElecPower, s.AddElecHours, s.AddElecLF,
                   "an additional lighting system count") ||
      !ReadSystems(in, s.NoOfFS, s.FSName, s.FSPower, s.FSHours, s.FSLF, "a fire services system count") ||
      !ReadSystems(in, s.NoOfLift, s.LiftName, s.LiftPower, s.LiftHours, s.LiftLF, "a lift system count") ||
      !ReadSystems(in, s.NoOfPD, s.PDName, s.PDPower, s.PDHours, s.PDLF, "a plumbing and drainage system count"))
    return false;
  if (!ReadCount(in, s.NoOfGasSys, "a town gas system count")) return false;
  for (int i = 1; i <= s.NoOfGasSys; ++i) {
    if (!in.Read(s.GasName[i]) || !in.EndOfLine() || !in.ReadInRange(s.GasSubSys[i], 0, 4, "a services type") ||
        !in.Read(s.GasCap[i]) || !in.Read(s.GasEff[i]) || !in.Read(s.GasHours[i]) || !in.Read(s.GasLF[i]) ||
        !in.EndOfLine())
      return false;
  }
  return in.EndOfFile();
}

// ---- writing ----

bool CheckCount(Integer count, std::string_view what, std::string& error) {
  if (count >= 0 && count <= kMaxItems) return true;
  error = std::string(what) + " of " + std::to_string(count) + " lies outside 0 to " + std::to_string(kMaxItems);
  return false;
}

bool CheckCode(Integer code, int hi, std::string_view what, std::string& error) {
  if (code >= 0 && code <= hi) return true;
  error = std::string(what) + " of " + std::to_string(code) + " lies outside 0 to " + std::to_string(hi);
  return false;
}

// A name is written as a quoted item on a line of its own, so it may not
// hold a line break.
bool CheckNames(const ItemNames& name, Integer count, std::string& error) {
  for (int i = 1; i <= count; ++i)
    if (!common::CheckDataText(name[i], "the system name", error)) return false;
  return true;
}

bool CheckHead(const std::string& head, std::string& error) {
  if (common::IsDataText(head)) return true;
  error = "the project name holds a line break";
  return false;
}

void WriteSystems(DataWriter& w, Integer count, const ItemNames& name, const ItemSingles& power,
                  const ItemSingles& hours, const ItemSingles& lf) {
  w.Int(count).EndLine();
  for (int i = 1; i <= count; ++i) {
    w.Str(name[i]).EndLine();
    w.SngExact(power[i]).SngExact(hours[i]).SngExact(lf[i]).EndLine();
  }
}

bool CheckPlant(const common::CentralPlantData& p, std::string& error) {
  if (!CheckCode(p.HRSType, 4, "a plant type", error) || !CheckCode(p.ChWPSType, 2, "a pumping scheme", error) ||
      !CheckCount(p.NoOfChr, "a chiller count", error) || !CheckCount(p.NoOfPLP, "a primary pump count", error) ||
      !CheckCount(p.NoOfSLP, "a secondary pump count", error) ||
      !CheckCount(p.NoOfCWP, "a condenser water pump count", error) ||
      !CheckCount(p.NoOfSWP, "a seawater pump count", error) || !CheckCount(p.NoOfCT, "a cooling tower count", error) ||
      !CheckCount(p.NoOfAddHVAC, "an additional HVAC system count", error) ||
      !CheckCount(p.NoOfFAU, "a fresh-air unit count", error))
    return false;
  for (int i = 1; i <= p.NoOfChr; ++i)
    if (!CheckCode(p.ChrType[i], 2, "a chiller type", error)) return false;
  for (int i = 1; i <= p.NoOfSLP; ++i)
    if (!CheckCode(p.SLPType[i], 2, "a secondary pump type", error)) return false;
  for (int i = 1; i <= p.NoOfSWP; ++i)
    if (!CheckCode(p.SWPType[i], 2, "a seawater pump type", error)) return false;
  return CheckNames(p.AddHVACName, p.NoOfAddHVAC, error);
}

bool CheckServices(const common::NonACServicesData& s, std::string& error) {
  if (!CheckCount(s.NoOfAddElec, "an additional lighting system count", error) ||
      !CheckCount(s.NoOfFS, "a fire services system count", error) ||
      !CheckCount(s.NoOfLift, "a lift system count", error) ||
      !CheckCount(s.NoOfPD, "a plumbing and drainage system count", error) ||
      !CheckCount(s.NoOfGasSys, "a town gas system count", error))
    return false;
  for (int i = 1; i <= s.NoOfGasSys; ++i)
    if (!CheckCode(s.GasSubSys[i], 4, "a services type", error)) return false;
  return CheckNames(s.AddElecName, s.NoOfAddElec, error) && CheckNames(s.FSName, s.NoOfFS, error) &&
         CheckNames(s.LiftName, s.NoOfLift, error) && CheckNames(s.PDName, s.NoOfPD, error) &&
         CheckNames(s.GasName, s.NoOfGasSys, error);
}

}  // namespace

bool ReadCentralPlantFile(const std::string& path, common::CentralPlantData& plant, std::string& error) {
  auto in = OpenFile(path, error);
  if (!in) return false;
  common::CentralPlantData read = plant;  // items beyond the new counts keep their values
  if (!ReadPlant(*in, read)) {
    error = in->Error();
    return false;
  }
  plant = read;
  return true;
}

bool ReadServicesFile(const std::string& path, common::NonACServicesData& services, std::string& error) {
  auto in = OpenFile(path, error);
  if (!in) return false;
  common::NonACServicesData read = services;
  if (!ReadServices(*in, read)) {
    error = in->Error();
    return false;
  }
  services = read;
  return true;
}

bool WriteCentralPlantFile(const std::string& path, const std::string& projName, const common::CentralPlantData& p,
                           std::string& error) {
  std::string head = std::string(kPlantHead) + projName;
  if (!CheckHead(head, error) || !CheckPlant(p, error)) return false;
  DataWriter w;
  w.Str(head).EndLine();
  w.Int(p.HRSType).EndLine();
  w.Int(p.ChWPSType).EndLine();
  w.Int(p.StartHour).Int(p.StopHour).EndLine();
  for (int k = 1; k <= 4; ++k) w.SngExact(p.DesignTemp[k]);
  w.EndLine();
  w.Int(p.NoOfChr).EndLine();
  for (int i = 1; i <= p.NoOfChr; ++i)
    w.Int(p.ChrType[i])
        .SngExact(p.ChrCap[0][i])
        .SngExact(p.ChrPower[0][i])
        .SngExact(p.ChrChWFlow[i])
        .SngExact(p.ChrCWFlow[i])
        .EndLine();
  w.Int(p.NoOfPLP).EndLine();
  for (int i = 1; i <= p.NoOfPLP; ++i)
    w.SngExact(p.PLPFlow[i]).SngExact(p.PLPPres[i]).SngExact(p.PLPPower[i]).EndLine();
  w.Int(p.NoOfSLP).EndLine();
  for (int i = 1; i <= p.NoOfSLP; ++i)
    w.Int(p.SLPType[i]).SngExact(p.SLPFlow[0][i]).SngExact(p.SLPPres[0][i]).SngExact(p.SLPPower[0][i]).EndLine();
  w.Int(p.NoOfCWP).EndLine();
  for (int i = 1; i <= p.NoOfCWP; ++i)
    w.SngExact(p.CWPFlow[i]).SngExact(p.CWPPres[i]).SngExact(p.CWPPower[i]).EndLine();
  w.Int(p.NoOfSWP).EndLine();
  for (int i = 1; i <= p.NoOfSWP; ++i)
    w.Int(p.SWPType[i]).SngExact(p.SWPFlow[0][i]).SngExact(p.SWPPres[0][i]).SngExact(p.SWPPower[0][i]).EndLine();
  w.Int(p.NoOfCT).EndLine();
  for (int i = 1; i <= p.NoOfCT; ++i) w.SngExact(p.CTCap[i]).SngExact(p.CTFlow[i]).SngExact(p.CTFanPower[i]).EndLine();
  WriteSystems(w, p.NoOfAddHVAC, p.AddHVACName, p.AddHVACPower, p.AddHVACHours, p.AddHVACLF);
  w.Int(p.NoOfFAU).EndLine();
  for (int i = 1; i <= p.NoOfFAU; ++i)
    w.SngExact(p.FAUSensCap[i])
        .SngExact(p.FAUTotCap[i])
        .SngExact(p.FAUFlow[i])
        .SngExact(p.FAUFanPres[i])
        .SngExact(p.FAUFanPower[i])
        .SngExact(p.FAUChWFlow[i])
        .EndLine();
  return common::WriteDataFile(path, w, &error);
}

bool WriteServicesFile(const std::string& path, const std::string& projName, const common::NonACServicesData& s,
                       std::string& error) {
  std::string head = std::string(kServicesHead) + projName;
  if (!CheckHead(head, error) || !CheckServices(s, error)) return false;
  DataWriter w;
  w.Str(head).EndLine();
  WriteSystems(w, s.NoOfAddElec, s.AddElecName, s.AddElecPower, s.AddElecHours, s.AddElecLF);
  WriteSystems(w, s.NoOfFS, s.FSName, s.FSPower, s.FSHours, s.FSLF);
  WriteSystems(w, s.NoOfLift, s.LiftName, s.LiftPower, s.LiftHours, s.LiftLF);
  WriteSystems(w, s.NoOfPD, s.PDName, s.PDPower, s.PDHours, s.PDLF);
  w.Int(s.NoOfGasSys).EndLine();
  for (int i = 1; i <= s.NoOfGasSys; ++i) {
    w.Str(s.GasName[i]).EndLine();
    w.Int(s.GasSubSys[i])
        .SngExact(s.GasCap[i])
        .SngExact(s.GasEff[i])
        .SngExact(s.GasHours[i])
        .SngExact(s.GasLF[i])
        .EndLine();
  }
  return common::WriteDataFile(path, w, &error);
}

}  // namespace plant_input
