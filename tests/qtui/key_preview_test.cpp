// A form that previews keys: a key its handler swallows does nothing more
// in the control, a key it replaces reaches the control replaced; and a
// double-click on a label reaches the label's handler.
#include <gtest/gtest.h>

#include <QLabel>
#include <QTableWidget>
#include <QTest>

#include "forms/controls.h"
#include "forms/form.h"
#include "forms/grid.h"
#include "forms/keys.h"
#include "qtui/qt_platform.h"

namespace {

class PreviewForm : public forms::Form {
 public:
  explicit PreviewForm(forms::Platform& platform) : Form(platform, "frmPreview") {
    SetClientSize(4800, 3000);
    SetKeyPreview(true);
    grdData.Move(120, 120, 4200, 1800);
    grdData.SetRows(8);
    grdData.SetCols(3);
    lblType.Move(120, 2100, 2400, 255);
    lblType.SetCaption("Type");
    lblType.OnDblClick = [this] { ++labelDblClicks; };
  }
  int labelDblClicks = 0;
  forms::Grid grdData{*this, "grdData"};
  forms::Label lblType{*this, "lblType"};

 protected:
  // Down is swallowed; Up is turned into Right.
  void Form_KeyDown(int& keyCode, int shift) override {
    (void)shift;
    if (keyCode == forms::keys::Down) keyCode = 0;
    if (keyCode == forms::keys::Up) keyCode = forms::keys::Right;
  }
};

TEST(KeyPreview, TheGridActsOnTheKeyTheFormLeaves) {
  qtui::QtPlatform platform;
  platform.SetEndWhenLastFormUnloaded(false);
  PreviewForm form(platform);
  form.Show();
  auto* table = platform.WidgetOf(form.grdData)->findChild<QTableWidget*>();
  ASSERT_NE(table, nullptr);
  form.grdData.SetCell(2, 1);
  QTest::keyClick(table, Qt::Key_Down);
  EXPECT_EQ(form.grdData.Row(), 2);
  QTest::keyClick(table, Qt::Key_Up);
  EXPECT_EQ(form.grdData.Row(), 2);
  EXPECT_EQ(form.grdData.Col(), 2);

  auto* label = dynamic_cast<QLabel*>(platform.WidgetOf(form.lblType));
  ASSERT_NE(label, nullptr);
  QTest::mouseDClick(label, Qt::LeftButton);
  EXPECT_EQ(form.labelDblClicks, 1);
  form.Unload();
}

}  // namespace
