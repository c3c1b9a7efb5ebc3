#pragma once
// The result table (.CSV): a one-way export of the figures the results
// window shows, 20 lines of five fields, for a spreadsheet.
#include <array>
#include <string>

#include "common/data_file.h"

namespace assessment {

// The category row captions and units of the table; index 0 is empty,
// 11 and 12 are the energy and waste rows.
extern const std::array<const char*, 13> TabCatName;
extern const std::array<const char*, 13> TabCatUnit;

// What the window shows, as the texts of its lists and boxes.
struct ResultTableContent {
  std::string projName;                                             // the open project's name
  std::array<std::string, 5> choice;                                // case, part, class, group, stage ("" = none)
  std::array<std::string, 11> characterised, normalised, weighted;  // boxes 1..10; 0 unused
  std::string weightedTotal, energy, waste, cost, score;
  std::string totalCaption = "Tot. Imp. (Cat.1-10)";
  std::string costCaption = "Stage / LC Cost (VL$)";
};

// The 20 lines; box texts become numbers by the leading-number rule (an
// empty box gives 0), the score is written as its text. A box showing a
// value that is not finite ("Inf", "NaN") fails the writer, naming the box.
common::DataWriter ResultTableWriter(const ResultTableContent& c);

}  // namespace assessment
