#include "assessment/selection.h"

#include <stdexcept>
#include <string>

namespace ModCal {
namespace {

using common::Integer;

// The three kinds share one shape: group factors, component factors and
// element flags of G groups.
template <size_t G>
struct Branch {
  std::array<common::Single, G>& grp;
  common::Array2<common::Single, G, 101>& comp;
  common::Array3<bool, G, 101, 21>& elm;
};

template <size_t G>
void CheckGroup(int g) {
  if (g < 0 || g >= static_cast<int>(G)) throw std::out_of_range("group row " + std::to_string(g));
}

template <size_t G>
void ResetElm(Branch<G> b, int g, int c, Integer s) {
  CheckGroup<G>(g);
  if (c < 0 || c > 100) throw std::out_of_range("component row " + std::to_string(c));
  for (bool& flag : b.elm[static_cast<size_t>(g)][static_cast<size_t>(c)]) flag = (s == 0);
}

template <size_t G>
void ResetComp(Branch<G> b, int g, Integer s) {
  CheckGroup<G>(g);
  for (int c = 0; c <= 100; ++c) {
    b.comp[static_cast<size_t>(g)][static_cast<size_t>(c)] = s != 0 ? 0.0f : 1.0f;
    ResetElm(b, g, c, s);
  }
}

template <size_t G>
void ResetKind(Branch<G> b, Integer s) {
  for (int g = 0; g < static_cast<int>(G); ++g) {
    b.grp[static_cast<size_t>(g)] = s != 0 ? 0.0f : 1.0f;
    ResetComp(b, g, s);
  }
}

Branch<10> Fdn(common::SelectionTables& t) { return {t.FdnGrpAssess, t.FdnCompAssess, t.FdnElmAssess}; }
Branch<20> Flr(common::SelectionTables& t) { return {t.FlrGrpAssess, t.FlrCompAssess, t.FlrElmAssess}; }
Branch<20> Ser(common::SelectionTables& t) { return {t.SerGrpAssess, t.SerCompAssess, t.SerElmAssess}; }

}  // namespace

void ResetAllSelections(common::SelectionTables& sel) {
  ResetFdnSelection(sel, sel.SkipAllFdn);
  ResetFlrSelection(sel, sel.SkipAllFlr);
  ResetSerSelection(sel, sel.SkipAllSer);
}

void ResetFdnSelection(common::SelectionTables& sel, Integer s) { ResetKind(Fdn(sel), s); }
void ResetFlrSelection(common::SelectionTables& sel, Integer s) { ResetKind(Flr(sel), s); }
void ResetSerSelection(common::SelectionTables& sel, Integer s) { ResetKind(Ser(sel), s); }
void ResetFdnCompSelection(common::SelectionTables& sel, int g, Integer s) { ResetComp(Fdn(sel), g, s); }
void ResetFlrCompSelection(common::SelectionTables& sel, int g, Integer s) { ResetComp(Flr(sel), g, s); }
void ResetSerCompSelection(common::SelectionTables& sel, int g, Integer s) { ResetComp(Ser(sel), g, s); }
void ResetFdnElmSelection(common::SelectionTables& sel, int g, int c, Integer s) { ResetElm(Fdn(sel), g, c, s); }
void ResetFlrElmSelection(common::SelectionTables& sel, int g, int c, Integer s) { ResetElm(Flr(sel), g, c, s); }
void ResetSerElmSelection(common::SelectionTables& sel, int g, int c, Integer s) { ResetElm(Ser(sel), g, c, s); }

std::string SelectionText(common::Single v) {
  if (v == 1.0f) return "All";
  if (v == 0.5f) return "Some";
  if (v == 0.0f) return "None";
  return "";
}

std::string YesNoText(int flag) { return flag != 0 ? "Yes" : "No"; }

}  // namespace ModCal
