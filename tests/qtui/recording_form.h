#pragma once
// A window with one control of every kind whose handlers append
// "control_Event" to `log`, so a test driving the real widgets sees which
// model events a user's action raised, and in what order. The grid edits
// its cells through a text box laid over the clicked cell, as the windows do.
#include <array>
#include <string>
#include <utility>
#include <vector>

#include "forms/control_array.h"
#include "forms/controls.h"
#include "forms/form.h"
#include "forms/grid.h"
#include "forms/keys.h"
#include "forms/menu.h"
#include "forms/picture_box.h"

namespace qtui_test {

class RecordingForm : public forms::Form {
 public:
  explicit RecordingForm(forms::Platform& platform) : Form(platform, "frmRecord") {
    SetCaption("Recording window");
    SetClientSize(9000, 6600);
    SetPosition(1500, 1500);
    auto logs = [this](std::string what) { return [this, what] { log.push_back(what); }; };
    auto keyDown = [this](std::string who) {
      return [this, who](int& key, int) { log.push_back(who + "_KeyDown " + std::to_string(key)); };
    };
    auto keyPress = [this](std::string who) {
      return [this, who](int& key) { log.push_back(who + "_KeyPress " + std::to_string(key)); };
    };

    cmdGo.Move(120, 120, 1215, 375);
    cmdGo.SetCaption("&Go");
    cmdGo.OnClick = logs("cmdGo_Click");
    chkA.Move(1500, 120, 1800, 255);
    chkA.SetCaption("&Check");
    chkA.OnClick = logs("chkA_Click");
    fraOpt.Move(3480, 60, 2400, 900);
    fraOpt.SetCaption("Mode");
    for (int i = 0; i < 2; ++i) {
      optA[static_cast<size_t>(i)].Move(120, 240 + 300 * i, 2000, 255);
      optA[static_cast<size_t>(i)].SetCaption(i == 0 ? "First" : "Second");
      optA[static_cast<size_t>(i)].OnClick = logs(optA[static_cast<size_t>(i)].FullName() + "_Click");
    }
    lblA.Move(6000, 120, 1500, 255);
    lblA.SetCaption("Label");
    lblA.OnClick = logs("lblA_Click");
    lblA.OnDblClick = logs("lblA_DblClick");

    txtA.Move(120, 600, 1800, 285);
    txtA.OnChange = logs("txtA_Change");
    txtA.OnGotFocus = logs("txtA_GotFocus");
    txtA.OnLostFocus = logs("txtA_LostFocus");
    txtA.OnKeyDown = keyDown("txtA");
    txtA.OnKeyPress = keyPress("txtA");
    txtB.Move(2040, 600, 1200, 285);
    txtB.OnGotFocus = logs("txtB_GotFocus");
    txtB.OnLostFocus = logs("txtB_LostFocus");

    lstA.Move(120, 1080, 1800, 1000);
    for (const char* row : {"Zone 1", "Zone 2", "Zone 3", "Zone 4", "Zone 5", "Zone 6", "Zone 7", "Zone 8", "Zone 9"})
      lstA.AddItem(row);
    lstA.OnClick = logs("lstA_Click");
    lstA.OnDblClick = logs("lstA_DblClick");
    lstA.OnKeyDown = keyDown("lstA");
    cboEdit.Move(2040, 1080, 1800, 315);
    cboList.Move(2040, 1560, 1800, 315);
    cboList.SetStyle(forms::ComboStyle::DropDownList);
    for (forms::ComboBox* c : {&cboEdit, &cboList}) {
      for (const char* row : {"Concrete", "Steel", "Timber"}) c->AddItem(row);
      c->OnClick = logs(c->Name() + "_Click");
      c->OnChange = logs(c->Name() + "_Change");
    }

    picA.Move(4080, 1080, 2400, 1500);
    picA.OnClick = logs("picA_Click");
    imgA.Move(240, 240, 1200, 900);
    imgA.SetVisible(false);
    imgA.SetStretch(true);
    imgA.OnClick = logs("imgA_Click");

    msgA.Move(120, 2700, 4200, 1500);
    msgA.SetRows(12);
    msgA.SetCols(3);
    msgA.SetFixedCols(1);
    msgA.SetColWidth(0, 1200);
    for (int r = 1; r < 12; ++r) msgA.SetTextMatrix(r, 0, "Row " + std::to_string(r));
    msgA.OnClick = [this] {
      log.push_back("msgA_Click");
      PlaceCellBox();
    };
    msgA.OnDblClick = logs("msgA_DblClick");
    msgA.OnEnterCell = logs("msgA_EnterCell");
    msgA.OnLeaveCell = logs("msgA_LeaveCell");
    msgA.OnScroll = logs("msgA_Scroll");
    msgA.OnKeyDown = keyDown("msgA");
    txtCell.SetVisible(false);
    txtCell.OnKeyPress = [this](int& key) {
      if (key != 13) return;
      key = 0;
      msgA.SetTextMatrix(cellRow_, cellCol_, txtCell.Text());
      txtCell.SetVisible(false);
      log.push_back("txtCell_Enter");
    };

    mnuFile.OnClick = logs("mnuFile_Click");
    mnuFileOpen.OnClick = logs("mnuFileOpen_Click");
    mnuFileExit.OnClick = logs("mnuFileExit_Click");
    mnuEditCopy.OnClick = logs("mnuEditCopy_Click");
  }

  std::vector<std::string> log;
  // Returns the log and empties it.
  std::vector<std::string> TakeLog() { return std::exchange(log, {}); }

  forms::CommandButton cmdGo{*this, "cmdGo"};
  forms::CheckBox chkA{*this, "chkA"};
  forms::Frame fraOpt{*this, "fraOpt"};
  std::array<forms::OptionButton, 2> optA = forms::MakeControlArray<forms::OptionButton, 2>(fraOpt, "optA");
  forms::Label lblA{*this, "lblA"};
  forms::TextBox txtA{*this, "txtA"};
  forms::TextBox txtB{*this, "txtB"};
  forms::ListBox lstA{*this, "lstA"};
  forms::ComboBox cboEdit{*this, "cboEdit"};
  forms::ComboBox cboList{*this, "cboList"};
  forms::PictureBox picA{*this, "picA"};
  forms::Image imgA{picA, "imgA"};
  forms::Grid msgA{*this, "msgA"};
  forms::TextBox txtCell{*this, "txtCell"};  // after the grid: drawn over it

  forms::Menu mnuFile{*this, nullptr, "mnuFile", "&File"};
  forms::Menu mnuFileOpen{*this, &mnuFile, "mnuFileOpen", "&Open"};
  forms::Menu mnuFileExit{*this, &mnuFile, "mnuFileExit", "E&xit"};
  forms::Menu mnuEdit{*this, nullptr, "mnuEdit", "&Edit"};
  forms::Menu mnuEditCopy{*this, &mnuEdit, "mnuEditCopy", "&Copy"};

 private:
  // The in-place edit box over the clicked cell.
  void PlaceCellBox() {
    cellRow_ = msgA.Row();
    cellCol_ = msgA.Col();
    txtCell.Move(msgA.Left() + msgA.CellLeft(), msgA.Top() + msgA.CellTop(), msgA.CellWidth(), msgA.CellHeight());
    txtCell.SetText(msgA.Text());
    txtCell.SetVisible(true);
    txtCell.ZOrder();
    txtCell.SetFocus();
  }
  int cellRow_ = 0, cellCol_ = 0;
};

}  // namespace qtui_test
