// Message boxes, file dialogs with their filters, and key codes.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>

#include "forms/keys.h"
#include "qtui/file_dialogs.h"
#include "qtui/key_codes.h"
#include "qtui/qt_platform.h"
#include "support/qt_window_shots.h"

namespace {

// Runs `check` on the modal dialog of type W once it is shown.
template <class W>
void WhenShown(std::function<void(W&)> check) {
  QTimer::singleShot(0, [check] {
    auto* dialog = qobject_cast<W*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    check(*dialog);
  });
}

// The description is shown once, with the patterns the dialog matches in
// place of the patterns it names.
TEST(FileFilters, ListBothLetterCasesInQtsForm) {
  struct Case {
    const char* filter;
    QStringList expected;
  };
  const Case cases[] = {
      {"LCA project files (*.PRJ)|*.PRJ", {"LCA project files (*.PRJ *.prj)"}},
      {"Text|*.txt", {"Text (*.txt *.TXT)"}},
      {"Pictures|*.bmp;*.EMF|All files|*.*", {"Pictures (*.bmp *.BMP *.EMF *.emf)", "All files (*)"}},
      {"Mixed|*.Prj", {"Mixed (*.Prj *.PRJ *.prj)"}},
      {"Weighting (*.WGT)|*.WGT|Result (*.RES)|*.RES", {"Weighting (*.WGT *.wgt)", "Result (*.RES *.res)"}},
      {"Input Summary (Excel) (*.xlsx)|*.xlsx;*.xls", {"Input Summary (Excel) (*.xlsx *.XLSX *.xls *.XLS)"}},
      {"All files (*.*)|*.*", {"All files (*)"}},
      {"Plans (draft)|*.pln", {"Plans (draft) (*.pln *.PLN)"}},
      {"", {}},
  };
  for (const Case& c : cases) EXPECT_EQ(qtui::ToQtFilters(c.filter), c.expected) << c.filter;
}

TEST(MessageBoxes, ShowTheButtonsAndReturnTheAnswer) {
  qtui::QtPlatform platform;
  WhenShown<QMessageBox>([](QMessageBox& box) {
    EXPECT_EQ(box.text(), "Save changes?\nThey will be lost.");
    EXPECT_EQ(box.windowTitle(), "Ostrevo");
    EXPECT_NE(box.button(QMessageBox::Cancel), nullptr);
    box.button(QMessageBox::No)->click();
  });
  EXPECT_EQ(platform.MessageBox("Save changes?\r\nThey will be lost.", forms::MsgButtons::YesNoCancel, ""),
            forms::MsgResult::No);

  WhenShown<QMessageBox>([](QMessageBox& box) {
    EXPECT_EQ(box.windowTitle(), "Calculation");
    EXPECT_EQ(box.button(QMessageBox::Cancel), nullptr);
    box.button(QMessageBox::Ok)->click();
  });
  EXPECT_EQ(platform.MessageBox("Done", forms::MsgButtons::OK, "Calculation"), forms::MsgResult::OK);

  WhenShown<QMessageBox>([](QMessageBox& box) { box.reject(); });
  EXPECT_EQ(platform.MessageBox("Go on?", forms::MsgButtons::OKCancel, ""), forms::MsgResult::Cancel);
}

class FileDialogTest : public ::testing::Test {
 protected:
  ~FileDialogTest() override { QDir::setCurrent(start); }
  QString start = QDir::currentPath();
  QTemporaryDir dir;
  qtui::QtPlatform platform;
};

TEST_F(FileDialogTest, OpenAcceptsANameThatDoesNotExistYet) {
  ASSERT_TRUE(dir.isValid());
  WhenShown<QFileDialog>([this](QFileDialog& d) {
    EXPECT_TRUE(d.testOption(QFileDialog::DontUseNativeDialog));
    EXPECT_EQ(d.windowTitle(), "Open Project");
    EXPECT_EQ(d.fileMode(), QFileDialog::AnyFile);
    EXPECT_EQ(d.acceptMode(), QFileDialog::AcceptOpen);
    EXPECT_EQ(d.labelText(QFileDialog::Accept), "Open");
    EXPECT_EQ(d.nameFilters(), QStringList{"LCA project files (*.PRJ *.prj)"});
    EXPECT_EQ(QDir(d.directory()).canonicalPath(), QDir(dir.path()).canonicalPath());
    auto* name = d.findChild<QLineEdit*>("fileNameEdit");
    ASSERT_NE(name, nullptr);
    EXPECT_EQ(name->text(), "NEW.PRJ");
    static_cast<QDialog&>(d).accept();  // QFileDialog::accept, as its Open button
  });
  auto chosen = platform.OpenFileDialog(
      {"Open Project", "LCA project files (*.PRJ)|*.PRJ", dir.path().toStdString() + "/", "NEW.PRJ"});
  ASSERT_TRUE(chosen.has_value());
  EXPECT_EQ(QDir(QString::fromStdString(*chosen)).absolutePath(), QDir(dir.path()).absoluteFilePath("NEW.PRJ"));
  EXPECT_EQ(QDir::currentPath(), start);  // the current folder stays
}

// A name typed over the preset one is the one returned, though the preset
// names a file of the folder (chosen in the list as the folder loads).
TEST_F(FileDialogTest, ANameTypedOverThePresetIsReturned) {
  ASSERT_TRUE(dir.isValid());
  for (const char* name : {"A.RES", "OFFICE_R.RES", "Z.RES"}) QFile(dir.filePath(name)).open(QIODevice::WriteOnly);
  testsupport::WhenModal<QFileDialog>(
      [](QFileDialog& d) { EXPECT_EQ(testsupport::AnswerFileDialog(d, "REF.RES"), ""); });
  auto chosen =
      platform.SaveFileDialog({"Save Results", "Results (*.RES)|*.RES", dir.path().toStdString(), "OFFICE_R.RES"});
  ASSERT_TRUE(chosen.has_value());
  EXPECT_EQ(QString::fromStdString(*chosen), QDir(dir.path()).absoluteFilePath("REF.RES"));
}

// With no folder given (and no project or data folder to start in) a dialog
// starts in the home folder, not the current one.
TEST_F(FileDialogTest, CancelGivesNothingAndSaveHasNoFilterWhenNoneIsGiven) {
  ASSERT_TRUE(QDir::setCurrent(dir.path()));
  WhenShown<QFileDialog>([](QFileDialog& d) {
    EXPECT_EQ(d.acceptMode(), QFileDialog::AcceptSave);
    EXPECT_EQ(d.nameFilters(), QStringList{"All Files (*)"});
    EXPECT_EQ(QDir(d.directory()).canonicalPath(), QDir::home().canonicalPath());
    d.reject();
  });
  EXPECT_FALSE(platform.SaveFileDialog({"Select Parent Directory and Enter New Folder Name", "", "", ""}).has_value());
}

TEST(KeyCodes, QtKeysBecomeTheWindowsCodes) {
  struct Case {
    int qtKey;
    Qt::KeyboardModifiers modifiers;
    QString text;
    int keyDown;
    int keyAscii;
  };
  namespace k = forms::keys;
  const Case cases[] = {
      {Qt::Key_Return, Qt::NoModifier, "\r", k::Return, 13},
      {Qt::Key_Enter, Qt::KeypadModifier, "\r", k::Return, 13},
      {Qt::Key_Left, Qt::NoModifier, "", k::Left, 0},
      {Qt::Key_Up, Qt::NoModifier, "", k::Up, 0},
      {Qt::Key_Right, Qt::NoModifier, "", k::Right, 0},
      {Qt::Key_Down, Qt::NoModifier, "", k::Down, 0},
      {Qt::Key_Delete, Qt::NoModifier, "\x7f", k::Delete, 0},
      {Qt::Key_Tab, Qt::NoModifier, "\t", k::Tab, 0},
      {Qt::Key_Escape, Qt::NoModifier, "\x1b", k::Escape, 27},
      {Qt::Key_Backspace, Qt::NoModifier, "\b", k::Back, 8},
      {Qt::Key_A, Qt::NoModifier, "a", 'A', 'a'},
      {Qt::Key_A, Qt::ShiftModifier, "A", 'A', 'A'},
      {Qt::Key_C, Qt::ControlModifier, "\x03", 'C', 0},
      {Qt::Key_5, Qt::NoModifier, "5", '5', '5'},
      {Qt::Key_5, Qt::KeypadModifier, "5", 101, '5'},
      {Qt::Key_Period, Qt::NoModifier, ".", 190, '.'},
      {Qt::Key_F1, Qt::NoModifier, "", 112, 0},
      {Qt::Key_Eacute, Qt::NoModifier, QString(QChar(0xE9)), 0, 0xE9},
  };
  for (const Case& c : cases) {
    QKeyEvent event(QEvent::KeyPress, c.qtKey, c.modifiers, c.text);
    EXPECT_EQ(qtui::KeyDownCode(event), c.keyDown) << c.qtKey;
    EXPECT_EQ(qtui::KeyPressAscii(event), c.keyAscii) << c.qtKey;
  }
  EXPECT_EQ(qtui::ShiftState(Qt::ShiftModifier | Qt::AltModifier), k::ShiftMask | k::AltMask);
  EXPECT_EQ(qtui::ShiftState(Qt::ControlModifier), k::CtrlMask);
}

}  // namespace
