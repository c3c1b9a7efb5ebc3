#pragma once
// The Qt 6 Widgets implementation of forms::Platform: renders any Form as
// a real window with one widget per control, bound both ways; message
// boxes, Qt's own file dialogs, pictures (bitmap, PNG, JPEG, SVG, EMF),
// the clipboard and font metrics. A QApplication must exist first.
#include <QPointer>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "forms/platform.h"

class QAction;
class QObject;
class QWidget;

namespace forms {
class Menu;
}

namespace qtui {

class FormWindow;

class QtPlatform : public forms::Platform {
 public:
  QtPlatform();
  ~QtPlatform() override;
  QtPlatform(const QtPlatform&) = delete;
  QtPlatform& operator=(const QtPlatform&) = delete;

  // Shown by the window thread, also when asked from another thread.
  forms::MsgResult MessageBox(const std::string& text, forms::MsgButtons buttons, const std::string& title) override;
  // The window is built at the first showing after a load; a modal showing
  // runs an event loop until the form hides or unloads.
  void ShowForm(forms::Form& form, bool modal) override;
  void HideForm(forms::Form& form) override;
  // The window and its widgets go (deleted once no handler runs).
  void UnloadForm(forms::Form& form) override;
  bool CanLoadPicture(const std::string& path) override;
  void PutClipboardPicture(const forms::PictureBox& picture) override;
  void ClearClipboard() override;
  // A workbook written as an .xlsx file.
  std::unique_ptr<forms::Workbook> NewWorkbook() override;
  double TextWidthTwips(const forms::Font& font, const std::string& text) override;
  double TextHeightTwips(const forms::Font& font) override;
  // Processes pending events, as RunOffWindowThread does while its task
  // runs; from another thread it does nothing (the window thread's own
  // event loop paints).
  void RepaintNow() override;
  // From another thread the call is queued to the window thread, which
  // must keep its event loop running meanwhile; an exception it throws is
  // thrown again in the calling thread.
  void RunOnWindowThread(const std::function<void()>& call) override;
  // From the window thread the task runs on a new thread while the window
  // thread processes every event, dropping clicks and keys aimed at the
  // form windows and answering a request to close one that the run must
  // finish first; from any other thread it runs at once.
  void RunOffWindowThread(const std::function<void()>& task) override;
  // Every window closes and every event loop ends (modal ones included).
  void EndProgram() override;

  // The program's event loop ends when the last form window is unloaded,
  // as a program ends when its last form unloads (on by default).
  void SetEndWhenLastFormUnloaded(bool on) { endWhenLastUnloaded_ = on; }

  // The window of a form, the widget of a control, the action of a menu
  // entry; nullptr when not built (never shown, or unloaded).
  QWidget* WindowOf(const forms::Form& form) const;
  QWidget* WidgetOf(const forms::Control& control) const;
  QAction* ActionOf(const forms::Menu& menu) const;

 protected:
  std::optional<std::string> ShowOpenDialog(const forms::FileDialogRequest& request) override;
  std::optional<std::string> ShowSaveDialog(const forms::FileDialogRequest& request) override;

 private:
  class RunGuard;
  FormWindow* Find(const forms::Form& form) const;
  // The form window that holds `object` (a widget, or the window system's
  // window of a form window); nullptr for anything else.
  QWidget* FormWindowOf(QObject* object) const;
  // Hidden and unbound at once; deleted from the event loop once no handler runs.
  void Discard(FormWindow* window);
  void DeleteDiscarded();

  std::map<const forms::Form*, FormWindow*> windows_;
  std::vector<QPointer<FormWindow>> discarded_;
  std::unique_ptr<QObject> context_;   // owner of the platform's timers
  std::unique_ptr<QObject> heldKeys_;  // a key's repeats stay in the window it was pressed in
  bool ended_ = false;
  bool endWhenLastUnloaded_ = true;
};

}  // namespace qtui
