#pragma once
// A window. Derived classes own their controls and menus as members, lay
// them out in twips and implement the handlers. A form exists once per
// program run: created on first use, kept after it is unloaded; each load
// runs Form_Load again.
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "forms/control.h"
#include "forms/platform.h"

namespace forms {

class Menu;

class Form : public Container {
 public:
  Form(Platform& platform, std::string name);
  ~Form() override;
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  Form& OwnerForm() override { return *this; }
  Platform& GetPlatform() const { return platform_; }
  const std::string& Name() const { return name_; }

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& c);
  // The client area in twips (without frame and menu bar).
  int ClientWidth() const { return clientWidth_; }
  int ClientHeight() const { return clientHeight_; }
  void SetClientSize(int width, int height);
  int Left() const { return left_; }
  int Top() const { return top_; }
  void SetPosition(int left, int top);

  // Keys go to the form's handlers before the control's.
  void SetKeyPreview(bool v) { keyPreview_ = v; }

  // Lifecycle.
  void Load();                    // runs Form_Load when not loaded
  void Show(bool modal = false);  // loads, then shows; modal returns when hidden
  void Hide();
  // Unloads unless Form_Unload cancels; returns true when unloaded.
  bool Unload();
  // The user closes the window by its frame: Form_QueryUnload may cancel.
  void UserClose();
  bool IsLoaded() const { return loaded_; }
  bool Visible() const { return visible_; }
  bool IsModal() const { return modal_; }

  // The Tab key's order where it differs from the order of creation: Tab
  // from each listed control goes on to the next one listed.
  const std::vector<Control*>& TabOrder() const { return tabOrder_; }
  void SetTabOrder(std::vector<Control*> order) { tabOrder_ = std::move(order); }

  // Focus.
  Control* ActiveControl() const { return active_; }
  void MoveFocus(Control* to);
  void ClearFocus() { active_ = nullptr; }

  // Keys from the platform: the form's previews first, then the control's.
  // Returns the key code the handlers left (0 when one swallowed it).
  int KeyDown(Control* target, int keyCode, int shift);
  void PreviewKeyPress(int& keyAscii);

  // Menus.
  const std::vector<Menu*>& Menus() const { return menus_; }
  Menu* FindMenu(const std::string& name) const;
  void RegisterMenu(Menu* menu) { menus_.push_back(menu); }
  void MenusChanged();

  // Every control of the form, in any container, in creation order.
  std::vector<Control*> AllControls() const;
  Control* FindControl(const std::string& fullName) const;

  // A message box with the program's title.
  MsgResult MsgBox(const std::string& text, MsgButtons buttons = MsgButtons::OK, const std::string& title = "");

  // Asks `question` (Yes, No, Cancel) before a window with unsaved data
  // closes: Cancel keeps it open, No lets it close, and Yes lets it close
  // only when `save` succeeded (a save that failed or was cancelled has said
  // so, and the window stays with the data).
  bool SaveBeforeClosing(const std::string& question, const std::function<bool()>& save);

  void Attach(ControlView* view) { view_ = view; }
  ControlView* View() const { return view_; }

 protected:
  virtual void Form_Load() {}
  // Set cancel to non-zero to keep the form loaded.
  virtual void Form_Unload(int& cancel) { (void)cancel; }
  // unloadMode 0: closed by the user through the frame.
  virtual void Form_QueryUnload(int& cancel, int unloadMode) { (void)cancel, (void)unloadMode; }
  virtual void Form_KeyDown(int& keyCode, int shift) { (void)keyCode, (void)shift; }
  virtual void Form_KeyPress(int& keyAscii) { (void)keyAscii; }

 private:
  void Notify(Prop what);
  Platform& platform_;
  std::string name_;
  std::string caption_;
  int clientWidth_ = 4800, clientHeight_ = 3600;
  int left_ = 0, top_ = 0;
  bool keyPreview_ = false;
  bool loaded_ = false;
  bool visible_ = false;
  bool modal_ = false;
  Control* active_ = nullptr;
  std::vector<Menu*> menus_;
  std::vector<Control*> tabOrder_;
  ControlView* view_ = nullptr;
};

}  // namespace forms
