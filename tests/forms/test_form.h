#pragma once
// A small window with one control of each kind; every handler appends its
// name to `log`, so a test sees which events ran and in what order.
#include <array>
#include <string>
#include <utility>
#include <vector>

#include "forms/control_array.h"
#include "forms/controls.h"
#include "forms/form.h"
#include "forms/grid.h"
#include "forms/menu.h"
#include "forms/picture_box.h"

class TestForm : public forms::Form {
 public:
  explicit TestForm(forms::Platform& p, std::string name = "frmTest") : Form(p, std::move(name)) {
    auto logs = [this](std::string what) { return [this, what] { log.push_back(what); }; };
    lstZone.OnClick = logs("lstZone_Click");
    cboType.OnClick = logs("cboType_Click");
    cboType.OnChange = logs("cboType_Change");
    for (auto& o : optA) o.OnClick = logs(o.FullName() + "_Click");
    for (auto& o : optB) o.OnClick = logs(o.FullName() + "_Click");
    chkA.OnClick = logs("chkA_Click");
    txtA.OnChange = logs("txtA_Change");
    txtA.OnGotFocus = logs("txtA_GotFocus");
    txtA.OnLostFocus = logs("txtA_LostFocus");
    txtB.OnGotFocus = logs("txtB_GotFocus");
    txtA.OnKeyDown = [this](int& key, int) { log.push_back("txtA_KeyDown " + std::to_string(key)); };
    cmdOK.OnClick = logs("cmdOK_Click");
    cmdInFrame.OnClick = logs("cmdInFrame_Click");
    mnuFileOpen.OnClick = logs("mnuFileOpen_Click");
    msgA.OnEnterCell = logs("msgA_EnterCell");
    msgA.OnLeaveCell = logs("msgA_LeaveCell");
    msgA.OnScroll = logs("msgA_Scroll");
  }

  forms::ListBox lstZone{*this, "lstZone"};
  forms::ComboBox cboType{*this, "cboType"};
  forms::Frame fraA{*this, "fraA"};
  forms::Frame fraB{*this, "fraB"};
  std::array<forms::OptionButton, 3> optA = forms::MakeControlArray<forms::OptionButton, 3>(fraA, "optA");
  std::array<forms::OptionButton, 2> optB = forms::MakeControlArray<forms::OptionButton, 2>(fraB, "optB");
  forms::CommandButton cmdInFrame{fraB, "cmdInFrame"};
  forms::CheckBox chkA{*this, "chkA"};
  forms::TextBox txtA{*this, "txtA"};
  forms::TextBox txtB{*this, "txtB"};
  forms::CommandButton cmdOK{*this, "cmdOK"};
  forms::Grid msgA{*this, "msgA"};
  forms::PictureBox picA{*this, "picA"};
  forms::Menu mnuFile{*this, nullptr, "mnuFile", "&File"};
  forms::Menu mnuFileOpen{*this, &mnuFile, "mnuFileOpen", "&Open"};

  std::vector<std::string> log;
  int keyPressSwallow = 0;  // Form_KeyPress zeroes this character
  int keyDownSwallow = 0;   // Form_KeyDown zeroes this key
  int cancelUnload = 0;
  int cancelQuery = 0;

  // Returns the log and empties it.
  std::vector<std::string> TakeLog() { return std::exchange(log, {}); }

 protected:
  void Form_Load() override { log.push_back("Form_Load"); }
  void Form_Unload(int& cancel) override {
    log.push_back("Form_Unload");
    cancel = cancelUnload;
  }
  void Form_QueryUnload(int& cancel, int mode) override {
    log.push_back("Form_QueryUnload " + std::to_string(mode));
    cancel = cancelQuery;
  }
  void Form_KeyDown(int& key, int) override {
    log.push_back("Form_KeyDown " + std::to_string(key));
    if (key == keyDownSwallow) key = 0;
  }
  void Form_KeyPress(int& key) override {
    if (key == keyPressSwallow) key = 0;
  }
};
