#include "slideviewer/frm_slide_show.h"

namespace slideviewer {

frmMain::frmMain(forms::Platform& platform) : Form(platform, "frmMain"), lblMessage(*this, "lblMessage") {
  SetCaption("Slide Show");
  SetClientSize(6000, 1200);
  lblMessage.Move(240, 360, 5520, 255);
  lblMessage.SetCaption("Slide browsing is not available in this version.");
}

}  // namespace slideviewer
