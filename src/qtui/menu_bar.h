#pragma once
// A form's menu bar built from its Menus: '&' access keys become Qt
// mnemonics, "-" captions separators, checked entries show the check mark,
// enabled and visible follow the model. Choosing an entry runs
// Menu::Click; opening a menu runs its Click first (windows update their
// entries there).
#include <QMenuBar>
#include <QPointer>
#include <functional>
#include <map>
#include <vector>

namespace forms {
class Form;
class Menu;
}  // namespace forms

class QAction;
class QMenu;

namespace qtui {

class MenuBar {
 public:
  // `call` runs a call into the model through the guard; false when the
  // window is no longer bound afterwards.
  using Caller = std::function<bool(const std::function<void()>&)>;
  MenuBar(forms::Form& form, QWidget* window, Caller call);
  ~MenuBar();
  MenuBar(const MenuBar&) = delete;
  MenuBar& operator=(const MenuBar&) = delete;

  // The bar, or nullptr when the form has no menus.
  QMenuBar* Widget() const { return bar_; }
  // Shows the model's state; false when the menus' structure changed and the
  // bar must be built again.
  bool Sync();
  // Builds a new bar (the old one goes); returns it.
  QMenuBar* Rebuild();
  QAction* ActionOf(const forms::Menu& menu) const;
  // The menus are gone or no longer bound: nothing touches them again.
  void Forget();

 private:
  void Build();
  void AddEntry(forms::Menu* menu, QMenuBar* bar, QMenu* parent);
  void Apply(const forms::Menu& menu, QAction* action);
  std::vector<forms::Menu*> Structure() const;

  forms::Form* form_;
  QWidget* window_;
  Caller call_;
  QPointer<QMenuBar> bar_;
  std::map<const forms::Menu*, QAction*> actions_;
  std::vector<forms::Menu*> built_;
};

}  // namespace qtui
