#pragma once
// Vistrel's window. The slide browsing is not built yet: the window shows
// its caption and a note.
#include "forms/controls.h"
#include "forms/form.h"

namespace slideviewer {

class frmMain : public forms::Form {
 public:
  explicit frmMain(forms::Platform& platform);

  forms::Label lblMessage;
};

}  // namespace slideviewer
