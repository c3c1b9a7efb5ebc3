// The main window's message panel: a fixed head of five lines, a scrolling
// body and the newest message in the last line.
#include <string>

#include "app/main_window.h"

namespace app {

void frmMain::ShowMessage() {
  // A message with a reason on its next line (common::WithReason) enters
  // as that many lines, the reason indented as the message is.
  const size_t indent = NewMsg.find_first_not_of(' ') == std::string::npos ? 0 : NewMsg.find_first_not_of(' ');
  size_t start = 0;
  for (;;) {
    const size_t end = NewMsg.find('\n', start);
    std::string line = NewMsg.substr(start, end == std::string::npos ? std::string::npos : end - start);
    if (start > 0) line.insert(0, indent, ' ');
    for (int i = 5; i <= 21; ++i) MsgLine[static_cast<size_t>(i)] = MsgLine[static_cast<size_t>(i + 1)];
    MsgLine[22] = std::move(line);  // NewMsg stays: a second call repeats the message
    if (end == std::string::npos) break;
    start = end + 1;
  }
  PicMain.Cls();
  for (const std::string& line : MsgLine) PicMain.Print(line);
}

void frmMain::ShowSplashText() {
  const std::string rule = " " + std::string(72, '-') + " ";
  MsgLine = {
      "",
      rule,
      "              LCA/LCC Program for Buildings (V1.2 6-2006)             ",
      rule,
      "",
      "",
      "",
      "",
      "   This is a computer program for life cycle assessment (LCA) and      ",
      "   life cycle costing (LCC) of building developments in Valdora.        ",
      " ",
      "   Prepared for building designers and assessors by the Ostrevo",
      "   development team.",
      "",
      "   It is intended to facilitate building designers to assess the     ",
      "   environmental impacts and costs of building designs. ",
      " ",
      "   All rights reserved.",
      "",
      "   Refer the User Manual for conditions on use of this program. ",
      "",
      rule,
      "",
  };
  NewMsg = "   First step: Open LCIA/LCC Database using the File Menu";
  ShowMessage();
}

}  // namespace app
