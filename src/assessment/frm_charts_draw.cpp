// The chart drawing of the charts window: bounds, rescaling, coordinate
// system, title, frame, bars, legend and the two value labels.
//
// Bars stand on the value 0. Values that are not negative give the lower
// bound 0, so every bar rises from the bottom of the value range; a negative
// value moves the lower bound below 0 and its bar (or its part of a stack) hangs
// down from 0, so the frame holds every bar drawn. Only the checked cases
// count in the bounds: an unchecked case's array may hold the values of an
// earlier plot.
#include <cmath>
#include <cstdio>
#include <exception>
#include <string>

#include "assessment/frm_charts.h"
#include "common/number_text.h"

namespace assessment {

namespace {

using common::Single;

constexpr Single kStart = -1E38f;
constexpr const char* kCannotPlot = "Current set of data cannot be plotted!!";
constexpr const char* kCaseTexts[] = {"Reference Case", "Alternative Case", "Current Case"};
constexpr const char* kLegendTexts[] = {"Reference", "Alternative", "Current"};

}  // namespace

std::string ScientificLabel(double value) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.3e", value);  // d.ddde[+-]xx, correctly rounded
  std::string text = buf;
  size_t e = text.find('e');
  if (e == std::string::npos) return text;  // not finite
  std::string mantissa = text.substr(0, e);
  while (mantissa.back() == '0') mantissa.pop_back();  // the point stays
  char sign = text[e + 1];
  std::string digits = text.substr(e + 2);
  while (digits.size() > 1 && digits.front() == '0') digits.erase(0, 1);
  return mantissa + "E" + sign + digits;
}

void frmCharts::DrawChart() {
  picCht.Cls();
  bool drawn = false;
  try {
    drawn = DrawChartSteps();
  } catch (const std::exception&) {
    drawn = false;  // what was drawn before the fault stays
  }
  if (!drawn) MsgBox(kCannotPlot);
}

void frmCharts::Bar(double x1, double y1, double x2, double y2, forms::Colour fill) {
  picCht.DrawBox(x1, y1, x2, y2, fill, true);
  picCht.DrawBox(x1, y1, x2, y2, ChtColour[0], false);
}

void frmCharts::PrintAt(double x, double y, const std::string& text) {
  picCht.SetCurrentX(x);
  picCht.SetCurrentY(y);
  picCht.Print(text);
}

bool frmCharts::DrawChartSteps() {
  std::array<std::array<Single, 11>*, 3> vals = {&RefVal, &AltVal, &CurVal};
  std::array<bool, 3> checked{};
  for (int k = 0; k < 3; ++k)
    checked[static_cast<size_t>(k)] = (k == 0 ? chkBC : k == 1 ? chkAlt : chkCur).Value() == 1;

  // The entries looked at: entry 0 for the single-value types, the
  // categories admitted by CatIdx for LCIA.
  int first = 0, last = 0;
  if (ResTyp == 0) {
    if (CatIdx < 0 || CatIdx > 10) return false;
    first = CatIdx == 0 ? 1 : CatIdx;
    last = CatIdx == 0 ? 10 : CatIdx;
  } else if (ResTyp < 1 || ResTyp > 4) {
    return false;
  }
  if (ChtTyp != 0 && ChtTyp != 1) return false;

  // Bounds: the largest value, the lower bound and, per case, the stack
  // above and below 0.
  Single M = kStart, L = 0;
  std::array<Single, 3> up{}, down{};
  for (int c = first; c <= last; ++c) {
    for (size_t k = 0; k < 3; ++k) {
      if (!checked[k]) continue;
      Single v = (*vals[k])[static_cast<size_t>(c)];
      if (!std::isfinite(v)) return false;
      if (v > M) M = v;
      if (v < L) L = v;
      (v >= 0 ? up[k] : down[k]) += v;
    }
  }
  Single top = 0;  // the value at the top of the frame
  if (ChtTyp == 1) {
    L = 0;
    for (size_t k = 0; k < 3; ++k) {
      if (!checked[k]) continue;
      if (up[k] > top) top = up[k];
      if (down[k] < L) L = down[k];
    }
  } else {
    top = M > 0 ? M : 0;
  }
  Single R = top - L;
  if (!std::isfinite(R) || R <= 0) return false;

  // The labels state the real values, taken before any rescaling.
  const std::string topLabel = ScientificLabel(top);
  const std::string bottomLabel = common::ShortText(L);

  while (R > 1000) {
    R /= 1000;
    L /= 1000;
    for (auto* v : vals)
      for (auto& x : *v) x /= 1000;
  }

  const Single u = R / 22;
  const Single Bottom = static_cast<Single>(L - 2.6 * u);
  const Single Top = static_cast<Single>(L + 25.0 * u);
  picCht.Scale(-12, Top, 88, Bottom);
  M = R + L;

  PrintAt(-12, Top, " Project: " + prog_.building.Bldg.ProjName);
  picCht.DrawBox(0, L, 60, M, ChtColour[0], false);

  const double textTop = L - 0.5 * u;
  auto caseTexts = [&] {
    for (int k = 0; k < 3; ++k) PrintAt(3 + 20 * k, textTop, kCaseTexts[k]);
  };
  auto caseLegend = [&](const char* const* texts) {
    for (int k = 0; k < 3; ++k) {
      Single y = Top - static_cast<Single>(k + 4) * u;
      Bar(62, y, 63, y + u, ChtColour[static_cast<size_t>(k + 1)]);
      PrintAt(64, y + u, texts[k]);
    }
  };

  if (ResTyp != 0) {
    for (size_t k = 0; k < 3; ++k)
      if (checked[k])
        Bar(3 + 20.0 * static_cast<double>(k), 0, 17 + 20.0 * static_cast<double>(k), (*vals[k])[0], ChtColour[k + 1]);
    caseTexts();
    caseLegend(kLegendTexts);
  } else if (ChtTyp == 1) {
    for (size_t k = 0; k < 3; ++k) {
      if (!checked[k]) continue;
      double x = 3 + 20.0 * static_cast<double>(k);
      Single yUp = 0, yDown = 0;
      for (int c = 10; c >= 1; --c) {
        if (CatIdx != 0 && CatIdx != c) continue;
        Single v = (*vals[k])[static_cast<size_t>(c)];
        Single& y = v >= 0 ? yUp : yDown;
        Bar(x, y, x + 14, y + v, ChtColour[static_cast<size_t>(c)]);
        y += v;
      }
    }
    for (int c = 1; c <= 10; ++c) {
      Single y = Top - static_cast<Single>(c + 3) * u;
      Bar(62, y, 63, y + u, ChtColour[static_cast<size_t>(c)]);
      PrintAt(64, y + u, CatName[static_cast<size_t>(c)]);
    }
    caseTexts();
  } else {
    for (size_t k = 0; k < 3; ++k) {
      if (!checked[k]) continue;
      for (int c = 1; c <= 10; ++c) {
        if (CatIdx != 0 && CatIdx != c) continue;
        double x = 6.0 * (c - 1) + static_cast<double>(k + 1);
        Bar(x, 0, x + 1, (*vals[k])[static_cast<size_t>(c)], ChtColour[k + 1]);
      }
    }
    for (int c = 1; c <= 10; ++c) PrintAt(6.0 * (c - 1) + 1, textTop, common::ShortTextInt(c));
    caseLegend(kCaseTexts);
    for (int c = 1; c <= 10; ++c) PrintAt(62, Top - static_cast<Single>(c + 6) * u, CatName[static_cast<size_t>(c)]);
  }

  PrintAt(-0.5 - picCht.TextWidth(topLabel), M + 0.5 * u, topLabel);
  PrintAt(-0.5 - picCht.TextWidth(bottomLabel), L + 0.5 * u, bottomLabel);
  return true;
}

}  // namespace assessment
