#pragma once
// A small form with one control of each kind and a menu, counting the
// handlers it runs, for the Qt platform tests.
#include <stdexcept>
#include <vector>

#include "forms/controls.h"
#include "forms/form.h"
#include "forms/grid.h"
#include "forms/menu.h"
#include "forms/picture_box.h"

namespace qtui_test {

class SampleForm : public forms::Form {
 public:
  explicit SampleForm(forms::Platform& platform) : Form(platform, "frmSample") {
    SetCaption("Sample window");
    SetClientSize(7200, 5400);
    SetPosition(1500, 1500);

    cmdOK.Move(120, 120, 1215, 375);
    cmdOK.SetCaption("&OK");
    cmdOK.OnClick = [this] {
      ++okClicks;
      if (throwOnClick) throw std::runtime_error("Simulated failure");
    };
    lblTitle.Move(1500, 120, 2400, 255);
    lblTitle.SetCaption("Project &name");
    txtName.Move(120, 600, 2400, 285);
    txtName.OnChange = [this] { ++nameChanges; };
    txtName.OnKeyDown = [this](int& key, int shift) { keyDowns.push_back({key, shift}); };
    txtName.OnKeyPress = [this](int& key) {
      keyPresses.push_back(key);
      if (key == 'x') key = 0;    // swallowed
      if (key == 'a') key = 'A';  // replaced
    };
    lstItems.Move(120, 1020, 1800, 1200);
    for (const char* item : {"Foundation", "Floor", "Services", "Fabric"}) lstItems.AddItem(item);
    lstItems.OnClick = [this] { ++listClicks; };
    lstItems.OnDblClick = [this] { ++listDblClicks; };
    cboKind.Move(2100, 1020, 1800, 315);
    for (const char* item : {"Concrete", "Steel", "Timber"}) cboKind.AddItem(item);
    cboKind.OnClick = [this] { ++comboClicks; };
    cboKind.OnChange = [this] { ++comboChanges; };
    fraMode.Move(4200, 120, 2700, 1200);
    fraMode.SetCaption("Mode");
    optA.Move(120, 300, 2400, 255);
    optA.SetCaption("&Reference");
    optA.OnClick = [this] { ++optAClicks; };
    optB.Move(120, 660, 2400, 255);
    optB.SetCaption("&Alternative");
    optB.OnClick = [this] { ++optBClicks; };
    optOutside.Move(4200, 1440, 2400, 255);
    optOutside.SetCaption("Outside the frame");
    chkShow.Move(2100, 1500, 1800, 255);
    chkShow.SetCaption("&Show results");
    chkShow.OnClick = [this] { ++checkClicks; };
    grdData.Move(120, 2400, 4200, 1500);
    grdData.SetRows(12);
    grdData.SetCols(3);
    grdData.SetColWidth(0, 1200);
    grdData.SetColWidth(1, 1500);
    grdData.SetTextMatrix(0, 1, "Value");
    grdData.SetTextMatrix(2, 1, "42");
    grdData.OnClick = [this] { ++gridClicks; };
    grdData.OnDblClick = [this] { ++gridDblClicks; };
    grdData.OnScroll = [this] { ++gridScrolls; };
    picChart.Move(4500, 2400, 2400, 1500);
    picChart.SetBackColor(0xFFFFFF);
    picChart.SetBorderStyle(false);
    linRule.SetPoints(120, 4100, 6900, 4100);

    mnuViewGrid.SetChecked(true);
    mnuFile.OnClick = [this] { ++fileMenuOpened; };
    mnuFileOpen.OnClick = [this] { ++openClicks; };
    mnuViewGrid.OnClick = [this] { ++gridMenuClicks; };
  }

  // The user may close the window unless refuseClose.
  bool refuseClose = false;
  bool throwOnClick = false;
  int loads = 0, queryUnloads = 0;
  int okClicks = 0, nameChanges = 0, listClicks = 0, listDblClicks = 0, comboClicks = 0, comboChanges = 0;
  int optAClicks = 0, optBClicks = 0, checkClicks = 0, gridClicks = 0, gridDblClicks = 0, gridScrolls = 0;
  int fileMenuOpened = 0, openClicks = 0, gridMenuClicks = 0;
  struct KeyDownRecord {
    int key, shift;
    bool operator==(const KeyDownRecord&) const = default;
  };
  std::vector<KeyDownRecord> keyDowns;
  std::vector<int> keyPresses;

  forms::CommandButton cmdOK{*this, "cmdOK"};
  forms::Label lblTitle{*this, "lblTitle"};
  forms::TextBox txtName{*this, "txtName"};
  forms::ListBox lstItems{*this, "lstItems"};
  forms::ComboBox cboKind{*this, "cboKind"};
  forms::Frame fraMode{*this, "fraMode"};
  forms::OptionButton optA{fraMode, "optMode", 0};
  forms::OptionButton optB{fraMode, "optMode", 1};
  forms::OptionButton optOutside{*this, "optOutside"};
  forms::CheckBox chkShow{*this, "chkShow"};
  forms::Grid grdData{*this, "grdData"};
  forms::PictureBox picChart{*this, "picChart"};
  forms::Line linRule{*this, "linRule"};

  forms::Menu mnuFile{*this, nullptr, "mnuFile", "&File"};
  forms::Menu mnuFileOpen{*this, &mnuFile, "mnuFileOpen", "&Open..."};
  forms::Menu mnuFileSep{*this, &mnuFile, "mnuFileSep", "-"};
  forms::Menu mnuFileExit{*this, &mnuFile, "mnuFileExit", "E&xit"};
  forms::Menu mnuView{*this, nullptr, "mnuView", "&View"};
  forms::Menu mnuViewGrid{*this, &mnuView, "mnuViewGrid", "&Grid lines"};

 protected:
  void Form_Load() override { ++loads; }
  void Form_QueryUnload(int& cancel, int unloadMode) override {
    (void)unloadMode;
    ++queryUnloads;
    if (refuseClose) cancel = 1;
  }
};

// A plain form for modal showings.
class DialogForm : public forms::Form {
 public:
  explicit DialogForm(forms::Platform& platform) : Form(platform, "frmDialog") {
    SetCaption("Dialog");
    SetClientSize(3000, 1500);
    cmdClose.Move(900, 600, 1215, 375);
    cmdClose.SetCaption("Close");
    cmdClose.OnClick = [this] { Hide(); };
  }
  forms::CommandButton cmdClose{*this, "cmdClose"};
};

}  // namespace qtui_test
