#pragma once
// Everything the windows need of the windowing system goes through this
// interface: message boxes, file dialogs, showing forms, pictures, the
// clipboard, font metrics. Qt renders it for real; tests script it.
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "forms/control.h"
#include "forms/workbook.h"

namespace forms {

class Form;
class PictureBox;

enum class MsgButtons { OK, OKCancel, YesNo, YesNoCancel };
enum class MsgResult { OK, Cancel, Yes, No };

struct FileDialogRequest {
  std::string title;
  std::string filter;  // "Description|*.EXT" pairs, as the windows give them
  // Empty: the folder Platform::SetProjectFolder gives when the preset name
  // has no folder, else the platform's own choice (never the process's
  // current folder).
  std::string initialFolder;
  std::string fileName;  // preset name
  // The file the asking window opened or last saved: a save dialog replaces
  // it without a question. Any other existing file only after the user said
  // Yes; No returns to the dialog.
  std::string ownFile{};
  // A save dialog that picks a file to read: it asks nothing.
  bool readsChosenFile = false;
  // Put after a chosen name that does not end in it (in lower or upper
  // case), before the question, so the file asked about is the one saved.
  std::string addedExtension{};
};

class Platform {
 public:
  virtual ~Platform() = default;

  virtual MsgResult MessageBox(const std::string& text, MsgButtons buttons, const std::string& title) = 0;

  // Open and save dialogs: the chosen path, or nullopt when cancelled.
  // Neither changes the process's current folder. A save dialog asks before
  // it hands on an existing file other than the request's own one (unless
  // it picks a file to read).
  std::optional<std::string> OpenFileDialog(const FileDialogRequest& request);
  std::optional<std::string> SaveFileDialog(const FileDialogRequest& request);
  // The folder a dialog that names none starts in, asked at each dialog:
  // the open project's folder in every window rather than the folder of the
  // last dialog; with no project open, the data folder; empty when neither
  // is known.
  void SetProjectFolder(std::function<std::string()> projectFolder) { projectFolder_ = std::move(projectFolder); }

  // Shows a form; a modal show returns when the form is hidden or unloaded.
  virtual void ShowForm(Form& form, bool modal) = 0;
  virtual void HideForm(Form& form) = 0;
  // The form was unloaded: its window goes away (the Form object stays).
  virtual void UnloadForm(Form& form) = 0;

  // True when the file can be shown as a picture (bitmap, PNG, SVG, EMF).
  virtual bool CanLoadPicture(const std::string& path) = 0;
  // Puts the picture box's drawing on the clipboard as a picture.
  virtual void PutClipboardPicture(const PictureBox& picture) = 0;
  virtual void ClearClipboard() = 0;

  // A new, empty spreadsheet workbook; nullptr when this platform can make
  // none.
  virtual std::unique_ptr<Workbook> NewWorkbook() { return nullptr; }

  // Font metrics in twips.
  virtual double TextWidthTwips(const Font& font, const std::string& text) = 0;
  virtual double TextHeightTwips(const Font& font) = 0;

  // Lets the screen catch up during a long run.
  virtual void RepaintNow() = 0;
  // Runs `call` on the thread that owns the windows and returns when it has
  // run: a calculation on another thread reports its progress to forms,
  // controls and message boxes only through this. On the window thread
  // itself the call runs at once (also on platforms without windows).
  virtual void RunOnWindowThread(const std::function<void()>& call) { call(); }
  // Runs `task` on a thread of its own and returns when it has ended (an
  // exception it throws is thrown again here), while the windows stay live:
  // they repaint, can be moved and run what the task hands them through
  // RunOnWindowThread, but clicks and keys aimed at them while it runs are
  // dropped and they do not close, as during a long run on the window
  // thread. Here (and on platforms without windows) the task runs at once
  // on the calling thread.
  virtual void RunOffWindowThread(const std::function<void()>& task) { task(); }
  // Ends the program: every window closes.
  virtual void EndProgram() = 0;

 protected:
  virtual std::optional<std::string> ShowOpenDialog(const FileDialogRequest& request) = 0;
  virtual std::optional<std::string> ShowSaveDialog(const FileDialogRequest& request) = 0;

 private:
  // The request with the folder its dialog starts in.
  FileDialogRequest WithStartFolder(const FileDialogRequest& request) const;

  std::function<std::string()> projectFolder_;
};

// Splits a "Description|*.EXT|Description|*.EXT" filter into pairs.
struct FilterEntry {
  std::string description;
  std::string pattern;
};
std::vector<FilterEntry> ParseFilter(const std::string& filter);

}  // namespace forms
