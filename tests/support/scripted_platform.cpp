#include "support/scripted_platform.h"

#include <gtest/gtest.h>

namespace testsupport {

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
  if (!expectedMessages_.empty() && expectedMessages_.front().text == text) {
    forms::MsgResult answer = expectedMessages_.front().answer;
    expectedMessages_.pop_front();
    return answer;
  }
  if (!allowAny_) {
    if (expectedMessages_.empty()) {
      ADD_FAILURE() << "Unexpected message box: \"" << text << "\"";
    } else {
      ADD_FAILURE() << "Unexpected message box: \"" << text << "\" (expected \""
                    << expectedMessages_.front().text << "\")";
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
  (void)picture;
  ++clipboardPictures_;
}

// A fixed-pitch approximation: each character 0.6 of the font size wide.
double ScriptedPlatform::TextWidthTwips(const forms::Font& font, const std::string& text) {
  return static_cast<double>(text.size()) * font.Size * 20.0 * 0.6;
}

double ScriptedPlatform::TextHeightTwips(const forms::Font& font) { return font.Size * 20.0 * 1.2; }

}  // namespace testsupport
