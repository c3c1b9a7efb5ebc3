// The central plant window on the real Qt platform: a chiller count
// mistyped into the real count box is refused, and OK afterwards keeps the
// chillers listed.
#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <memory>
#include <string>

#include "office_plant.h"
#include "plant_input/frm_cplt.h"
#include "qtui/qt_platform.h"
#include "support/qt_window_shots.h"

namespace {

using testsupport::Shot;

class CPltOnQt : public testing::Test {
 protected:
  CPltOnQt() {
    platform.SetEndWhenLastFormUnloaded(false);
    prog->plant.CPlt = plant_test::OfficePlant();
    prog->plant.NAC = plant_test::OfficeServices();
  }
  void Click(forms::Control& button) {
    auto* b = dynamic_cast<QPushButton*>(platform.WidgetOf(button));
    ASSERT_NE(b, nullptr) << button.Name();
    QTest::mouseClick(b, Qt::LeftButton);
  }
  void Menu(forms::Menu& menu) {
    QAction* action = platform.ActionOf(menu);
    ASSERT_NE(action, nullptr) << menu.Name();
    ASSERT_TRUE(action->isEnabled()) << menu.Name();
    action->trigger();
  }

  qtui::QtPlatform platform;
  std::unique_ptr<common::Program> prog = std::make_unique<common::Program>();
  plant_input::frmCPlt w{*prog, platform};
};

TEST_F(CPltOnQt, MistypedChillerCountThenOkKeepsTheList) {
  w.Show();
  QWidget* window = platform.WindowOf(w);
  ASSERT_NE(window, nullptr);
  Menu(w.mnuEType);  // the plant type confirmed: the chiller menu opens
  Click(w.cmdOK);
  Menu(w.mnuEChillers);
  auto* count = dynamic_cast<QLineEdit*>(platform.WidgetOf(w.txtNoEq));
  auto* items = dynamic_cast<QComboBox*>(platform.WidgetOf(w.cboEqNo));
  ASSERT_NE(count, nullptr);
  ASSERT_NE(items, nullptr);
  EXPECT_EQ(count->text(), "2");
  EXPECT_EQ(items->count(), 2);

  count->selectAll();
  QTest::keyClicks(count, "12");
  EXPECT_EQ(w.txtNoEq.Text(), "12");
  Shot(window, "plant-1-chiller-count-mistyped");
  std::string said;
  testsupport::WhenModal<QMessageBox>([&said](QMessageBox& box) {
    said = box.text().toStdString();
    Shot(&box, "plant-2-count-refused-message");
    box.button(QMessageBox::Ok)->click();
  });
  Click(w.cmdNoEq);
  EXPECT_EQ(said, "No. of Chillers must be within 1 to 10");
  EXPECT_EQ(count->text(), "");
  EXPECT_EQ(items->count(), 2);
  Shot(window, "plant-3-count-box-emptied");

  Click(w.cmdOK);
  EXPECT_EQ(w.WorkingPlant().NoOfChr, 2);
  EXPECT_EQ(w.WorkingPlant().ChrCap[0][2], 320.0f);
  EXPECT_TRUE(w.DataChanged());
  Menu(w.mnuEChillers);
  EXPECT_EQ(count->text(), "2");
  EXPECT_EQ(items->count(), 2);
  EXPECT_EQ(w.msgPlt.TextMatrix(2, 2), "320");
  Shot(window, "plant-4-chillers-kept-after-ok");
  w.Unload();
}

}  // namespace
