#pragma once
// A Platform for window scenario tests: message boxes and file dialogs are
// answered from a script, modal forms run a scripted callback, and
// everything shown is recorded. A message box nobody expected fails the
// test with its text.
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "forms/form.h"
#include "forms/platform.h"

namespace testsupport {

class ScriptedPlatform : public forms::Platform {
 public:
  ~ScriptedPlatform() override;

  // ---- the script ----
  // The next message box must show `text`; it is answered with `answer`.
  // A `text` of one line also matches a message that gives a reason on a
  // second line under it; a `text` of two lines must match whole.
  void ExpectMessage(const std::string& text, forms::MsgResult answer = forms::MsgResult::OK);
  // The next file dialog (open or save) returns `path`; nullopt cancels.
  void ExpectOpenDialog(std::optional<std::string> path);
  void ExpectSaveDialog(std::optional<std::string> path);
  // The next modal showing of the form named `formName` runs `script`; the
  // script ends the form (hides or unloads it). Without a script a modal
  // form is closed at once as by its frame. A modal form still open
  // afterwards fails the test (the program would wait in it).
  void OnModal(const std::string& formName, std::function<void(forms::Form&)> script);
  // Answer every message box with OK without failing (recorded all the same).
  void AllowAnyMessage(bool allow = true) { allowAny_ = allow; }
  // The next workbook refuses its sheet name, or its save, with `description`.
  void RefuseSheetName(const std::string& description) { refuseSheetName_ = description; }
  void RefuseWorkbookSave(const std::string& description) { refuseSave_ = description; }

  // ---- the record ----
  struct Shown {
    std::string form;
    bool modal;
  };
  const std::vector<std::string>& Messages() const { return messages_; }
  const std::vector<forms::FileDialogRequest>& Dialogs() const { return dialogs_; }
  const std::vector<Shown>& ShownForms() const { return shown_; }
  bool ProgramEnded() const { return ended_; }
  int ClipboardPictures() const { return clipboardPictures_; }
  int ClipboardClears() const { return clipboardClears_; }
  // The number of drawing operations of the last picture put on the clipboard.
  size_t ClipboardDrawingOps() const { return clipboardDrawingOps_; }
  // Every workbook made, with what was written into it.
  struct RecordedWorkbook {
    std::string sheetName;
    std::map<std::pair<int, int>, std::string> texts;
    std::map<std::pair<int, int>, double> numbers;
    std::set<int> boldRows;
    std::map<int, double> widths;
    std::string savedAs;  // empty until saved
    std::string Text(int row, int col) const;
    std::optional<double> Number(int row, int col) const;
    bool Empty(int row, int col) const { return !texts.count({row, col}) && !numbers.count({row, col}); }
  };
  const std::vector<std::shared_ptr<RecordedWorkbook>>& Workbooks() const { return workbooks_; }
  // True when every scripted answer was used.
  bool ScriptDone() const;

  // ---- Platform ----
  forms::MsgResult MessageBox(const std::string& text, forms::MsgButtons buttons, const std::string& title) override;
  void ShowForm(forms::Form& form, bool modal) override;
  void HideForm(forms::Form& form) override;
  void UnloadForm(forms::Form& form) override;
  bool CanLoadPicture(const std::string& path) override;
  void PutClipboardPicture(const forms::PictureBox& picture) override;
  void ClearClipboard() override { ++clipboardClears_; }
  std::unique_ptr<forms::Workbook> NewWorkbook() override;
  double TextWidthTwips(const forms::Font& font, const std::string& text) override;
  double TextHeightTwips(const forms::Font& font) override;
  void RepaintNow() override {}
  void EndProgram() override { ended_ = true; }

 protected:
  std::optional<std::string> ShowOpenDialog(const forms::FileDialogRequest& request) override;
  std::optional<std::string> ShowSaveDialog(const forms::FileDialogRequest& request) override;

 private:
  struct ExpectedMessage {
    std::string text;
    forms::MsgResult answer;
  };
  struct ExpectedDialog {
    bool open;
    std::optional<std::string> path;
  };
  std::optional<std::string> Dialog(bool open, const forms::FileDialogRequest& request);

  std::deque<ExpectedMessage> expectedMessages_;
  std::deque<ExpectedDialog> expectedDialogs_;
  std::map<std::string, std::deque<std::function<void(forms::Form&)>>> modalScripts_;
  bool allowAny_ = false;
  std::vector<std::string> messages_;
  std::vector<forms::FileDialogRequest> dialogs_;
  std::vector<Shown> shown_;
  bool ended_ = false;
  int clipboardPictures_ = 0;
  int clipboardClears_ = 0;
  size_t clipboardDrawingOps_ = 0;
  std::vector<std::shared_ptr<RecordedWorkbook>> workbooks_;
  std::string refuseSheetName_, refuseSave_;
};

}  // namespace testsupport
