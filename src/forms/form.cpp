#include "forms/form.h"

#include <functional>

#include "forms/menu.h"

namespace forms {

Form::Form(Platform& platform, std::string name) : platform_(platform), name_(std::move(name)) {}

Form::~Form() {
  if (view_) view_->ModelDestroyed();
}

void Form::Notify(Prop what) {
  if (view_) view_->Changed(what);
}

void Form::SetCaption(const std::string& c) {
  if (c == caption_) return;
  caption_ = c;
  Notify(Prop::Caption);
}

void Form::SetClientSize(int width, int height) {
  clientWidth_ = width;
  clientHeight_ = height;
  Notify(Prop::Geometry);
}

void Form::SetPosition(int left, int top) {
  left_ = left;
  top_ = top;
  Notify(Prop::Geometry);
}

void Form::Load() {
  if (loaded_) return;
  loaded_ = true;
  Form_Load();
}

void Form::Show(bool modal) {
  Load();
  if (!loaded_) return;  // Form_Load may unload the form again
  if (visible_ && !modal) {
    platform_.ShowForm(*this, false);  // brings it to the front
    return;
  }
  visible_ = true;
  modal_ = modal;
  platform_.ShowForm(*this, modal);
  if (modal) modal_ = false;
}

void Form::Hide() {
  if (!visible_) return;
  visible_ = false;
  platform_.HideForm(*this);
}

bool Form::Unload() {
  if (!loaded_) return true;
  int cancel = 0;
  Form_Unload(cancel);
  if (cancel != 0) return false;
  loaded_ = false;
  active_ = nullptr;
  if (visible_) {
    visible_ = false;
    platform_.HideForm(*this);
  }
  platform_.UnloadForm(*this);
  return true;
}

void Form::UserClose() {
  int cancel = 0;
  Form_QueryUnload(cancel, 0);
  if (cancel == 0) Unload();
}

void Form::MoveFocus(Control* to) {
  if (to == active_) return;
  Control* from = active_;
  active_ = to;
  if (from && from->OnLostFocus) from->OnLostFocus();
  if (to) {
    if (to->View()) to->View()->Changed(Prop::Focus);
    if (to->OnGotFocus) to->OnGotFocus();
  }
}

int Form::KeyDown(Control* target, int keyCode, int shift) {
  if (keyPreview_) Form_KeyDown(keyCode, shift);
  if (keyCode != 0 && target && target->OnKeyDown) target->OnKeyDown(keyCode, shift);
  return keyCode;
}

void Form::PreviewKeyPress(int& keyAscii) {
  if (keyPreview_) Form_KeyPress(keyAscii);
}

Menu* Form::FindMenu(const std::string& name) const {
  std::function<Menu*(const std::vector<Menu*>&)> find = [&](const std::vector<Menu*>& items) -> Menu* {
    for (Menu* m : items) {
      if (m->Name() == name) return m;
      if (Menu* sub = find(m->Items())) return sub;
    }
    return nullptr;
  };
  return find(menus_);
}

void Form::MenusChanged() { Notify(Prop::Menus); }

std::vector<Control*> Form::AllControls() const {
  std::vector<Control*> out;
  std::function<void(const Container&)> walk = [&](const Container& c) {
    for (Control* child : c.Children()) {
      out.push_back(child);
      if (auto* inner = dynamic_cast<Container*>(child)) walk(*inner);
    }
  };
  walk(*this);
  return out;
}

Control* Form::FindControl(const std::string& fullName) const {
  for (Control* c : AllControls())
    if (c->FullName() == fullName) return c;
  return nullptr;
}

MsgResult Form::MsgBox(const std::string& text, MsgButtons buttons, const std::string& title) {
  return platform_.MessageBox(text, buttons, title);
}

bool Form::SaveBeforeClosing(const std::string& question, const std::function<bool()>& save) {
  switch (MsgBox(question, MsgButtons::YesNoCancel)) {
    case MsgResult::Cancel:
      return false;
    case MsgResult::Yes:
      return save();
    default:
      return true;
  }
}

}  // namespace forms
