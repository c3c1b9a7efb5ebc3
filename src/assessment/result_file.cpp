#include "assessment/result_file.h"

#include <algorithm>
#include <memory>
#include <tuple>

#include "common/data_file.h"
#include "common/file_names.h"

namespace assessment {

using common::Single;

namespace {

// One group list of the building record: its count and its three columns.
template <size_t N>
struct GroupList {
  common::Integer& count;
  std::array<std::string, N>& file;
  std::array<std::string, N>& name;
  std::array<Single, N>& qty;
};

template <size_t N>
void WriteGroupList(common::DataWriter& w, const GroupList<N>& l) {
  w.Int(l.count).EndLine();
  for (int i = 0; i < l.count; ++i) {
    auto g = static_cast<size_t>(i);
    w.Str(l.file[g]).Str(l.name[g]).SngExact(l.qty[g]).EndLine();
  }
}

template <size_t N>
bool ReadGroupList(common::DataReader& r, const GroupList<N>& l) {
  if (!r.Read(l.count)) return false;
  if (l.count < 0 || static_cast<size_t>(l.count) > N) {
    r.Fail("a group count of " + std::to_string(l.count) + " is beyond its list of " + std::to_string(N));
    return false;
  }
  for (int i = 0; i < l.count; ++i) {
    auto g = static_cast<size_t>(i);
    if (!r.Read(l.file[g]) || !r.Read(l.name[g]) || !r.Read(l.qty[g])) return false;
  }
  return true;
}

// The 14 lines of one stage of a type or a group: 11 impact lines, then
// energy, waste and cost. `of` names the block ("FlrType", "FdnGrp") for
// the field names handed to `io`.
template <class Io, class Imp, class Vec>
bool StageBlock(Io& io, const std::string& of, Imp& imp, Vec& egy, Vec& waste, Vec& cost, size_t s) {
  for (size_t k = 0; k <= 10; ++k)
    if (!io(imp[s][k], of + "Imp")) return false;
  return io(egy[s], of + "Egy") && io(waste[s], of + "Waste") && io(cost[s], of + "Cost");
}

// Walks the result part of the file in its order, calling `one` for a
// value on a line of its own and `four` for the four-value lines of the
// building block, each with what the value is ("FlrTypeEgy"; for `four`
// the part after "Bldg", "Fdn", "Flr" and "Ser"). Shared by the writer and
// the reader so both keep one order.
template <class One, class Four, class R, class G>
bool WalkResults(R& r, G& g, const common::BldgRec& b, One one, Four four) {
  for (size_t s = 0; s < 5; ++s) {
    for (size_t k = 0; k <= 10; ++k)
      if (!four(r.BldgImp[s][k], r.FdnImp[s][k], r.FlrImp[s][k], r.SerImp[s][k], "Imp")) return false;
    if (!four(r.BldgEgy[s], r.FdnEgy[s], r.FlrEgy[s], r.SerEgy[s], "Egy")) return false;
    if (!four(r.BldgWaste[s], r.FdnWaste[s], r.FlrWaste[s], r.SerWaste[s], "Waste")) return false;
    if (!four(r.BldgCost[s], r.FdnCost[s], r.FlrCost[s], r.SerCost[s], "Cost")) return false;
  }
  for (size_t t = 0; t < 3; ++t)
    for (size_t s = 0; s < 5; ++s)
      if (!StageBlock(one, "FlrType", r.FlrTypeImp[t], r.FlrTypeEgy[t], r.FlrTypeWaste[t], r.FlrTypeCost[t], s))
        return false;
  for (size_t t = 0; t < 5; ++t)
    for (size_t s = 0; s < 5; ++s)
      if (!StageBlock(one, "SerType", r.SerTypeImp[t], r.SerTypeEgy[t], r.SerTypeWaste[t], r.SerTypeCost[t], s))
        return false;
  auto groups = [&](const std::string& of, int count, auto& imp, auto& egy, auto& waste, auto& cost) {
    for (size_t gi = 0; gi < static_cast<size_t>(count); ++gi)
      for (size_t s = 0; s < 5; ++s)
        if (!StageBlock(one, of, imp[gi], egy[gi], waste[gi], cost[gi], s)) return false;
    return true;
  };
  return groups("FdnGrp", b.NoOfFdnGrp, g.FdnGrpImp, g.FdnGrpEgy, g.FdnGrpWaste, g.FdnGrpCost) &&
         groups("FlrGrp", b.NoOfFlrGrp, g.FlrGrpImp, g.FlrGrpEgy, g.FlrGrpWaste, g.FlrGrpCost) &&
         groups("SerGrp", b.NoOfSerGrp, g.SerGrpImp, g.SerGrpEgy, g.SerGrpWaste, g.SerGrpCost);
}

template <class B>
auto Lists(B& b) {
  return std::make_tuple(GroupList<10>{b.NoOfFdnGrp, b.FdnGrpFile, b.FdnGrpName, b.FdnGrpQty},
                         GroupList<20>{b.NoOfFlrGrp, b.FlrGrpFile, b.FlrGrpName, b.FlrGrpQty},
                         GroupList<20>{b.NoOfSerGrp, b.SerGrpFile, b.SerGrpName, b.SerGrpQty});
}

}  // namespace

namespace {

common::DataWriter ResultFileWriter(const CaseData& data) {
  // The writer walks a copy, whose counts it may bound, so the group lists
  // can be handed out as references without touching the caller's record.
  auto copy = std::make_unique<CaseData>(data);
  CaseData& d = *copy;
  common::DataWriter w;
  w.Str(d.Bldg.ProjFile).EndLine();
  w.Str(d.Bldg.ProjName).EndLine();
  auto [fdn, flr, ser] = Lists(d.Bldg);
  // Counts beyond the lists are never written: the record is bounded.
  fdn.count = std::clamp<common::Integer>(fdn.count, 0, 10);
  flr.count = std::clamp<common::Integer>(flr.count, 0, 20);
  ser.count = std::clamp<common::Integer>(ser.count, 0, 20);
  WriteGroupList(w, fdn);
  WriteGroupList(w, flr);
  WriteGroupList(w, ser);
  auto one = [&](Single& v, const std::string& field) {
    w.SngExact(v, field).EndLine();
    return true;
  };
  auto four = [&](Single& a, Single& b, Single& c, Single& e, const std::string& what) {
    w.SngExact(a, "Bldg" + what).SngExact(b, "Fdn" + what).SngExact(c, "Flr" + what).SngExact(e, "Ser" + what);
    w.EndLine();
    return true;
  };
  WalkResults(d.LCAResult, d.GroupResult, d.Bldg, one, four);
  return w;
}

}  // namespace

bool WriteResultFile(const std::string& path, const CaseData& data, std::string& error) {
  return common::WriteDataFile(path, ResultFileWriter(data), &error);
}

bool ParseResultFile(const std::string& text, CaseData& data, std::string& error) {
  auto d = std::make_unique<CaseData>(data);
  common::DataReader r(text);
  auto one = [&](Single& v, const std::string&) { return r.Read(v); };
  auto four = [&](Single& a, Single& b, Single& c, Single& e, const std::string&) {
    return r.Read(a) && r.Read(b) && r.Read(c) && r.Read(e);
  };
  auto [fdn, flr, ser] = Lists(d->Bldg);
  bool ok = r.Read(d->Bldg.ProjFile) && r.Read(d->Bldg.ProjName) && ReadGroupList(r, fdn) && ReadGroupList(r, flr) &&
            ReadGroupList(r, ser) && WalkResults(d->LCAResult, d->GroupResult, d->Bldg, one, four);
  if (ok) r.EndOfFile("the file holds more than one case");
  if (!r.Ok()) {
    error = r.Error();
    return false;
  }
  data = std::move(*d);
  return true;
}

std::string DefaultResultFileName(const std::string& projFile, int caseNo) {
  static const char* const kSuffix[] = {"_R", "_A", "_C"};
  std::string name = projFile;
  ModInpCtl::ExtractFileName(name);
  if (name.size() < 4 || caseNo < 0 || caseNo > 2) return "";
  return name.substr(0, name.size() - 4) + kSuffix[caseNo] + ".RES";
}

}  // namespace assessment
