#include "support/scripted_platform.h"

#include <gtest/gtest.h>

#include "forms/picture_box.h"

namespace testsupport {
namespace {

// The message box shows `expected`: the whole text, or, when `expected`
// holds one line, the first line of a text that gives a reason on its next
// line (common::WithReason); the reason is checked where the script names
// it.
bool Shows(const std::string& shown, const std::string& expected) {
  if (shown == expected) return true;
  return expected.find('\n') == std::string::npos && shown.size() > expected.size() &&
         shown.compare(0, expected.size(), expected) == 0 && shown[expected.size()] == '\n';
}

}  // namespace

ScriptedPlatform::~ScriptedPlatform() {
  for (const auto& m : expectedMessages_) ADD_FAILURE() << "Expected message box never shown: " << m.text;
  for (const auto& d : expectedDialogs_)
    ADD_FAILURE() << "Expected " << (d.open ? "open" : "save") << " dialog never shown";
  for (const auto& [form, scripts] : modalScripts_)
    if (!scripts.empty()) ADD_FAILURE() << "Expected modal form never shown: " << form;
}

void ScriptedPlatform::ExpectMessage(const std::string& text, forms::MsgResult answer) {
  expectedMessages_.push_back({text, answer});
}

void ScriptedPlatform::ExpectOpenDialog(std::optional<std::string> path) {
  expectedDialogs_.push_back({true, std::move(path)});
}

void ScriptedPlatform::ExpectSaveDialog(std::optional<std::string> path) {
  expectedDialogs_.push_back({false, std::move(path)});
}

void ScriptedPlatform::OnModal(const std::string& formName, std::function<void(forms::Form&)> script) {
  modalScripts_[formName].push_back(std::move(script));
}

bool ScriptedPlatform::ScriptDone() const {
  if (!expectedMessages_.empty() || !expectedDialogs_.empty()) return false;
  for (const auto& [form, scripts] : modalScripts_)
    if (!scripts.empty()) return false;
  return true;
}

forms::MsgResult ScriptedPlatform::MessageBox(const std::string& text, forms::MsgButtons buttons,
                                              const std::string& title) {
  (void)title;
  messages_.push_back(text);
  if (!expectedMessages_.empty() && Shows(text, expectedMessages_.front().text)) {
    forms::MsgResult answer = expectedMessages_.front().answer;
    expectedMessages_.pop_front();
    return answer;
  }
  if (!allowAny_) {
    if (expectedMessages_.empty()) {
      ADD_FAILURE() << "Unexpected message box: \"" << text << "\"";
    } else {
      ADD_FAILURE() << "Unexpected message box: \"" << text << "\" (expected \"" << expectedMessages_.front().text
                    << "\")";
    }
  }
  switch (buttons) {
    case forms::MsgButtons::YesNo:
    case forms::MsgButtons::YesNoCancel:
      return forms::MsgResult::Yes;
    default:
      return forms::MsgResult::OK;
  }
}

std::optional<std::string> ScriptedPlatform::Dialog(bool open, const forms::FileDialogRequest& request) {
  dialogs_.push_back(request);
  if (expectedDialogs_.empty()) {
    ADD_FAILURE() << "Unexpected " << (open ? "open" : "save") << " dialog: \"" << request.title << "\"";
    return std::nullopt;
  }
  ExpectedDialog d = expectedDialogs_.front();
  expectedDialogs_.pop_front();
  if (d.open != open)
    ADD_FAILURE() << "Expected a " << (d.open ? "open" : "save") << " dialog but got \"" << request.title << "\"";
  return d.path;
}

std::optional<std::string> ScriptedPlatform::ShowOpenDialog(const forms::FileDialogRequest& request) {
  return Dialog(true, request);
}

std::optional<std::string> ScriptedPlatform::ShowSaveDialog(const forms::FileDialogRequest& request) {
  return Dialog(false, request);
}

void ScriptedPlatform::ShowForm(forms::Form& form, bool modal) {
  shown_.push_back({form.Name(), modal});
  if (!modal) return;
  auto it = modalScripts_.find(form.Name());
  if (it == modalScripts_.end() || it->second.empty()) {
    form.UserClose();
  } else {
    auto script = std::move(it->second.front());
    it->second.pop_front();
    script(form);
  }
  // A modal form still open here would keep the real program waiting in it,
  // also when Form_QueryUnload refused the close by the frame.
  if (form.Visible()) {
    ADD_FAILURE() << "Modal form " << form.Name() << " was left open";
    form.Hide();
  }
}

void ScriptedPlatform::HideForm(forms::Form& form) { (void)form; }
void ScriptedPlatform::UnloadForm(forms::Form& form) { (void)form; }

bool ScriptedPlatform::CanLoadPicture(const std::string& path) {
  (void)path;
  return true;
}

void ScriptedPlatform::PutClipboardPicture(const forms::PictureBox& picture) {
  ++clipboardPictures_;
  clipboardDrawingOps_ = picture.Drawing().size();
}

// A fixed-pitch approximation: each character 0.6 of the font size wide.
double ScriptedPlatform::TextWidthTwips(const forms::Font& font, const std::string& text) {
  return static_cast<double>(text.size()) * font.Size * 20.0 * 0.6;
}

double ScriptedPlatform::TextHeightTwips(const forms::Font& font) { return font.Size * 20.0 * 1.2; }

namespace {

// Records into the platform's copy, which outlives the workbook.
class RecordingWorkbook : public forms::Workbook {
 public:
  RecordingWorkbook(std::shared_ptr<ScriptedPlatform::RecordedWorkbook> rec, std::string refuseName,
                    std::string refuseSave)
      : rec_(std::move(rec)), refuseName_(std::move(refuseName)), refuseSave_(std::move(refuseSave)) {}
  bool SetSheetName(const std::string& name, std::string& error) override {
    if (!refuseName_.empty()) {
      error = refuseName_;
      return false;
    }
    rec_->sheetName = name;
    return true;
  }
  void SetText(int row, int col, const std::string& text) override {
    rec_->numbers.erase({row, col});
    rec_->texts[{row, col}] = text;
  }
  void SetNumber(int row, int col, double value) override {
    rec_->texts.erase({row, col});
    rec_->numbers[{row, col}] = value;
  }
  void SetRowBold(int row) override { rec_->boldRows.insert(row); }
  void SetColumnWidth(int col, double width) override { rec_->widths[col] = width; }
  bool SaveAs(const std::string& path, std::string& error) override {
    if (!refuseSave_.empty()) {
      error = refuseSave_;
      return false;
    }
    rec_->savedAs = path;
    return true;
  }

 private:
  std::shared_ptr<ScriptedPlatform::RecordedWorkbook> rec_;
  std::string refuseName_, refuseSave_;
};

}  // namespace

std::unique_ptr<forms::Workbook> ScriptedPlatform::NewWorkbook() {
  workbooks_.push_back(std::make_shared<RecordedWorkbook>());
  auto book = std::make_unique<RecordingWorkbook>(workbooks_.back(), refuseSheetName_, refuseSave_);
  refuseSheetName_.clear();
  refuseSave_.clear();
  return book;
}

std::string ScriptedPlatform::RecordedWorkbook::Text(int row, int col) const {
  auto it = texts.find({row, col});
  return it == texts.end() ? std::string() : it->second;
}

std::optional<double> ScriptedPlatform::RecordedWorkbook::Number(int row, int col) const {
  auto it = numbers.find({row, col});
  if (it == numbers.end()) return std::nullopt;
  return it->second;
}

}  // namespace testsupport
