#pragma once
// A window that is not built yet: its caption and one line saying so.
#include <string>

#include "forms/controls.h"
#include "forms/form.h"

namespace app {

class PlaceholderForm : public forms::Form {
 public:
  PlaceholderForm(forms::Platform& platform, const std::string& name, const std::string& caption)
      : Form(platform, name), lblNote(*this, "lblNote"), cmdClose(*this, "cmdClose") {
    SetCaption(caption);
    SetClientSize(5400, 1800);
    lblNote.Move(360, 360, 4680, 495);
    lblNote.SetCaption("This window is not available in this version.");
    cmdClose.Move(3960, 1080, 1095, 375);
    cmdClose.SetCaption("Close");
    cmdClose.OnClick = [this] { Unload(); };
  }

  forms::Label lblNote;
  forms::CommandButton cmdClose;
};

}  // namespace app
