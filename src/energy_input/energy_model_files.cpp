#include "energy_input/energy_model_files.h"

#include <string_view>

#include "common/data_file.h"
#include "common/paths.h"
#include "energy_input/model_check.h"

namespace energy_input {
namespace {

using common::DataReader;
using common::DataWriter;
using common::EnergyModel;

constexpr std::string_view kModelHead = "Energy Calculation Input for Project: ";
constexpr std::string_view kAirSideHead = "Air-side System Input File for Project: ";

// A value just read passes the model check `problem` made of it; else the
// read fails with the problem and the line.
bool Checked(DataReader& in, const std::string& problem) {
  if (problem.empty()) return true;
  in.Fail(problem);
  return false;
}

// A model check's problem as a reader or writer's error.
bool Passes(const std::string& problem, std::string& error) {
  if (problem.empty()) return true;
  error = problem;
  return false;
}

// Each count and code is checked as it is read, before it is used as a count
// or stored: nothing is ever read beyond an array. Line breaks only separate
// items, as commas do (a script may join items on one line); the counts,
// the codes and the end of the file after the last component still refuse
// a damaged file.
bool ReadModel(DataReader& in, EnergyModel& m, common::PerFabric<std::string>& masks, std::string& projName) {
  std::string head;
  if (!in.Read(head)) return false;
  projName = head.rfind(kModelHead, 0) == 0 ? head.substr(kModelHead.size()) : head;
  if (!in.Read(m.NoOfZn) || !Checked(in, ZoneCountProblem(m.NoOfZn))) return false;
  for (int z = 1; z <= m.NoOfZn; ++z) {
    if (!in.Read(m.ZnName[z]) || !in.Read(m.ZnNIdent[z]) || !in.Read(m.ZnNRm[z]) ||
        !Checked(in, RoomCountProblem(m, z, m.ZnNRm[z])))
      return false;
    for (int r = 1; r <= m.ZnNRm[z]; ++r) {
      // The type comes before the number of identical rooms.
      if (!in.Read(m.RmName[z][r]) || !in.Read(m.RmType[z][r]) ||
          !Checked(in, RoomTypeProblem(m, z, r, m.RmType[z][r])) || !in.Read(m.RmNIdent[z][r]) ||
          !in.Read(m.RmArea[z][r]) || !in.Read(m.RmHgt[z][r]) || !in.Read(m.RmNOcc[z][r]) || !in.Read(m.RmVent[z][r]) ||
          !in.Read(m.RmTemp[z][r]) || !in.Read(m.RmRH[z][r]) || !in.Read(m.RmLgtW[z][r]) || !in.Read(m.RmEqpW[z][r]) ||
          !in.Read(m.RmNFab[z][r]) || !Checked(in, FabricCountProblem(m, z, r, m.RmNFab[z][r])))
        return false;
      for (int c = 1; c <= m.RmNFab[z][r]; ++c) {
        if (!in.Read(m.FabName[z][r][c]) || !in.Read(m.FabArea[z][r][c]) || !in.Read(m.FabType[z][r][c]) ||
            !Checked(in, FabricTypeProblem(m, z, r, c, m.FabType[z][r][c])) || !in.Read(m.FabCons[z][r][c]) ||
            !Checked(in, ConstructionCodeProblem(m, z, r, c, m.FabCons[z][r][c])) || !in.Read(m.FabOrient[z][r][c]) ||
            !Checked(in, OrientationProblem(m, z, r, c, m.FabOrient[z][r][c])) || !in.Read(masks[z][r][c]))
          return false;
      }
    }
  }
  return in.EndOfFile();
}

bool CheckModelTexts(const std::string& projName, const EnergyModel& m, const common::PerFabric<std::string>& masks,
                     std::string& error) {
  if (!common::CheckDataText(projName, "the project name", error)) return false;
  for (int z = 1; z <= m.NoOfZn; ++z) {
    if (!common::CheckDataText(m.ZnName[z], "the zone name", error)) return false;
    for (int r = 1; r <= m.ZnNRm[z]; ++r) {
      if (!common::CheckDataText(m.RmName[z][r], "the room name", error)) return false;
      for (int c = 1; c <= m.RmNFab[z][r]; ++c) {
        if (!common::CheckDataText(m.FabName[z][r][c], "the component name", error) ||
            !common::CheckDataText(masks[z][r][c], "the shading mask name", error))
          return false;
      }
    }
  }
  return true;
}

}  // namespace

bool ReadEnergyModelText(std::string text, EnergyModel& model, common::PerFabric<std::string>& shadingMasks,
                         std::string& error, std::string* projName) {
  DataReader in(std::move(text));
  // Fields the file does not reach keep what the model held.
  EnergyModel read = model;
  common::PerFabric<std::string> masks = shadingMasks;
  std::string name;
  if (!ReadModel(in, read, masks, name)) {
    error = in.Error();
    return false;
  }
  model = std::move(read);
  shadingMasks = std::move(masks);
  if (projName) *projName = std::move(name);
  return true;
}

bool ReadEnergyModelFile(const std::string& path, EnergyModel& model, common::PerFabric<std::string>& shadingMasks,
                         std::string& error) {
  auto text = common::ReadWholeFile(path, &error);
  return text && ReadEnergyModelText(std::move(*text), model, shadingMasks, error);
}

bool EnergyModelText(const std::string& projName, const EnergyModel& m, const common::PerFabric<std::string>& masks,
                     std::string& text, std::string& error) {
  // Nothing is written that the reader would refuse.
  if (!Passes(CodesProblem(m), error) || !CheckModelTexts(projName, m, masks, error)) return false;
  DataWriter w;
  w.Str(std::string(kModelHead) + projName).EndLine();
  w.Int(m.NoOfZn).EndLine();
  for (int z = 1; z <= m.NoOfZn; ++z) {
    w.Str(m.ZnName[z]).EndLine();
    w.SngExact(m.ZnNIdent[z]).EndLine();
    w.Int(m.ZnNRm[z]).EndLine();
    for (int r = 1; r <= m.ZnNRm[z]; ++r) {
      w.Str(m.RmName[z][r]).Int(m.RmType[z][r]).SngExact(m.RmNIdent[z][r]).EndLine();
      w.SngExact(m.RmArea[z][r]).SngExact(m.RmHgt[z][r]).EndLine();
      w.SngExact(m.RmNOcc[z][r]).SngExact(m.RmVent[z][r]).EndLine();
      w.SngExact(m.RmTemp[z][r]).SngExact(m.RmRH[z][r]).EndLine();
      w.SngExact(m.RmLgtW[z][r]).SngExact(m.RmEqpW[z][r]).EndLine();
      w.Int(m.RmNFab[z][r]).EndLine();
      for (int c = 1; c <= m.RmNFab[z][r]; ++c) {
        w.Str(m.FabName[z][r][c]).EndLine();
        w.SngExact(m.FabArea[z][r][c]).EndLine();
        w.Int(m.FabType[z][r][c]).EndLine();
        w.Int(m.FabCons[z][r][c]).EndLine();
        w.Int(m.FabOrient[z][r][c]).EndLine();
        w.Str(masks[z][r][c]).EndLine();
      }
    }
  }
  if (!w.Ok()) {
    error = w.Error();
    return false;
  }
  text = w.Text();
  return true;
}

bool WriteEnergyModelFile(const std::string& path, const std::string& projName, const EnergyModel& m,
                          const common::PerFabric<std::string>& masks, std::string& error) {
  std::string text;
  return EnergyModelText(projName, m, masks, text, error) && common::WriteFileSafely(path, text, &error);
}

bool ReadAirSideFile(const std::string& path, const EnergyModel& model, common::AirSideSystemData& airSide,
                     std::string& error) {
  // The counts the file is read with must lie within the arrays.
  if (!Passes(CountsProblem(model), error)) return false;
  auto text = common::ReadWholeFile(path, &error);
  if (!text) return false;
  DataReader in(std::move(*text));
  common::AirSideSystemData read = airSide;
  // The file holds no counts: a line that does not end where the writer
  // ended it, or text after the last room, means it was written for other
  // zone or room counts (or damaged), and reading on would shift every
  // later design value into another zone or room.
  std::string head;
  bool ok = in.Read(head) && in.EndOfLine();
  for (int z = 1; ok && z <= model.NoOfZn; ++z) {
    ok = in.Read(read.ASTyp[z]) && Checked(in, AirSideTypeProblem(model, z, read.ASTyp[z])) && in.Read(read.FATyp[z]) &&
         Checked(in, FreshAirTypeProblem(model, z, read.FATyp[z])) && in.EndOfLine() &&
         in.Read(read.DsgSensLd[0][z][0]) && in.Read(read.DsgTotLd[0][z][0]) && in.EndOfLine() &&
         in.Read(read.DsgSAFlow[0][z][0]) && in.Read(read.DsgFanPres[0][z]) && in.Read(read.DsgFanPwr[0][z]) &&
         in.Read(read.DsgCHWFlow[0][z]) && in.EndOfLine();
    for (int r = 1; ok && r <= model.ZnNRm[z]; ++r)
      ok = in.Read(read.DsgSensLd[0][z][r]) && in.Read(read.DsgTotLd[0][z][r]) && in.Read(read.DsgSAFlow[0][z][r]) &&
           in.EndOfLine();
  }
  ok = ok && in.EndOfFile("the file holds more zones or rooms than the energy model");
  if (!ok) {
    error = in.Error();
    return false;
  }
  airSide = std::move(read);
  return true;
}

bool WriteAirSideFile(const std::string& path, const std::string& projName, const EnergyModel& model,
                      const common::AirSideSystemData& a, std::string& error) {
  if (!Passes(AirSideProblem(model, a), error) || !common::CheckDataText(projName, "the project name", error))
    return false;
  DataWriter w;
  w.Str(std::string(kAirSideHead) + projName).EndLine();
  for (int z = 1; z <= model.NoOfZn; ++z) {
    w.Int(a.ASTyp[z]).Int(a.FATyp[z]).EndLine();
    w.SngExact(a.DsgSensLd[0][z][0]).SngExact(a.DsgTotLd[0][z][0]).EndLine();
    w.SngExact(a.DsgSAFlow[0][z][0]).SngExact(a.DsgFanPres[0][z]).SngExact(a.DsgFanPwr[0][z]);
    w.SngExact(a.DsgCHWFlow[0][z]).EndLine();
    for (int r = 1; r <= model.ZnNRm[z]; ++r)
      w.SngExact(a.DsgSensLd[0][z][r]).SngExact(a.DsgTotLd[0][z][r]).SngExact(a.DsgSAFlow[0][z][r]).EndLine();
  }
  return common::WriteDataFile(path, w, &error);
}

}  // namespace energy_input
