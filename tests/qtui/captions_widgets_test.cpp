// Every caption of every window of the three programs is drawn at its own
// size: the layout's twips are converted with the windows' own font, so no
// caption is shrunk to fit its box. And every frame is opaque.
#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <vector>

#include "app/main_window.h"
#include "calculator/frm_calculator.h"
#include "qtui/fonts.h"
#include "real_windows.h"
#include "slideviewer/frm_slide_show.h"

namespace {

class CaptionWidgets : public qtui_test::RealWindows {
 protected:
  // The controls of a shown form whose caption is drawn smaller than its font.
  std::vector<std::string> ShrunkCaptions(forms::Form& form) {
    std::vector<std::string> shrunk;
    for (forms::Control* c : form.AllControls()) {
      QWidget* w = platform.WidgetOf(*c);
      QString text;
      if (auto* label = qobject_cast<QLabel*>(w)) text = label->text();
      if (auto* button = qobject_cast<QAbstractButton*>(w)) text = button->text();
      if (auto* frame = qobject_cast<QGroupBox*>(w)) text = frame->title();
      if (text.isEmpty()) continue;
      if (w->font().pointSizeF() < qtui::ToQFont(c->Font()).pointSizeF() - 0.01)
        shrunk.push_back(c->FullName() + " \"" + text.toStdString() + "\"");
    }
    return shrunk;
  }
};

TEST_F(CaptionWidgets, EveryWindowShowsItsCaptionsAtTheirOwnSize) {
  EXPECT_GT(qtui::LayoutScale(), 1.0);
  app::frmMain main(prog, platform, windows);
  slideviewer::ModSldpara slides;
  slideviewer::frmMain viewer(platform, slides);
  calculator::frmCalculator calculator(platform);
  prog.energyInput.SIZnCurZn = 1;  // the air-side window shows its zone's rows
  std::vector<forms::Form*> forms = {&main,
                                     &viewer,
                                     &calculator,
                                     &windows.frmBldgSysInput(),
                                     &windows.frmAddGroup(),
                                     &windows.frmGroupComp(),
                                     &windows.frmElmSelect(),
                                     &windows.frmMatLib(),
                                     &windows.frmInpMatData(),
                                     &windows.frmEgyCalInput(),
                                     &windows.frmSelCons(),
                                     &windows.frmShMask(),
                                     &windows.frmSIZn(),
                                     &windows.frmNormWgt(),
                                     &windows.frmCostPara(),
                                     &windows.frmEgyCal(),
                                     &windows.frmEgyResult(),
                                     &windows.frmLCCResult(),
                                     &windows.frmResult(),
                                     &windows.frmCharts(),
                                     &windows.frmCPlt()};
  for (forms::Form* form : forms) {
    form->Show();
    ASSERT_NE(Window(*form), nullptr) << form->Name();
    EXPECT_EQ(ShrunkCaptions(*form), std::vector<std::string>{}) << form->Name();
    for (forms::Control* c : form->AllControls()) {  // frames hide what lies under them
      if (auto* frame = qobject_cast<QGroupBox*>(platform.WidgetOf(*c))) {
        EXPECT_TRUE(frame->autoFillBackground()) << form->Name() << "." << c->FullName();
      }
    }
    Shot(*form, "window_" + form->Name() + (form == &viewer ? "_vistrel" : form == &calculator ? "_calculator" : ""));
    form->Unload();
  }
}

}  // namespace
