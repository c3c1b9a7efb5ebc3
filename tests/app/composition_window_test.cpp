// The component and element editor as a real Qt window, driven through its
// widgets: an element loaded from another folder and saved, and an element
// inserted before one marked "No". With OSTREVO_SHOTS naming a folder, each
// step's window is saved there as a PNG (run under xvfb-run to see it as a
// user would).
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <cstdlib>
#include <deque>
#include <memory>
#include <string>

#include "app/windows.h"
#include "building/component_file.h"
#include "building/element_file.h"
#include "building/element_library.h"
#include "common/paths.h"
#include "qtui/qt_platform.h"
#include "support/temp_folder.h"

namespace {

// Qt windows with the file dialogs and message boxes answered by the test.
class ScriptedQtPlatform : public qtui::QtPlatform {
 public:
  std::deque<std::string> openDialogAnswers;
  std::vector<std::string> messages;

  forms::MsgResult MessageBox(const std::string& text, forms::MsgButtons, const std::string&) override {
    messages.push_back(text);
    return forms::MsgResult::OK;
  }

 protected:
  std::optional<std::string> ShowOpenDialog(const forms::FileDialogRequest&) override {
    if (openDialogAnswers.empty()) return std::nullopt;
    std::string path = openDialogAnswers.front();
    openDialogAnswers.pop_front();
    return path;
  }
};

std::string LibraryLine(const std::string& number, const std::string& name) {
  std::string line = number + ",\"" + name + "\"";
  for (int i = 1; i <= 16; ++i)
    line += i <= 2 ? ",\"Layer " + std::to_string(i) + "\",\"m\"" : std::string(",\"\",\"\"");
  return line + "\r\n";
}

class CompositionWindow : public testing::Test {
 protected:
  CompositionWindow() {
    platform.SetEndWhenLastFormUnloaded(false);
    auto& st = prog->building;
    st.ProjDir = folder.Path() + "proj/";
    st.DataDir = folder.Path() + "data/";
    building::SetLibraryPaths(st);
    std::string header = "\"LIB\",\"Floor Envelope and Frame Element Types\"";
    for (int i = 0; i < 32; ++i) header += ",\"\"";
    folder.Write("data/FABRIC/FABRIC.ELB", header + "\r\n" + LibraryLine("0", "Generic Element") +
                                               LibraryLine("1", "RC Wall") + LibraryLine("2", "Insulation Board"));
    WriteElement("proj/A.FLE", "Outer leaf", 1, "0.1");
    WriteElement("proj/B.FLE", "Cavity", 2, "0.05");
    WriteElement("proj/C.FLE", "Inner leaf", 1, "0.1");
    WriteElement("other/A.FLE", "Outer leaf", 1, "0.9");
    WriteElement("other/INSUL.FLE", "Insulation", 2, "0.08");
    common::CompRec comp;
    comp.CompFile = "WALL.FLC";
    comp.CompName = "External wall";
    comp.CompType = 0;
    comp.CompQty = 4;
    comp.NoOfElm = 3;
    const char* files[] = {"A.FLE", "B.FLE", "C.FLE"};
    const char* names[] = {"Outer leaf", "Cavity", "Inner leaf"};
    const common::Integer types[] = {1, 2, 1};
    for (size_t i = 0; i < 3; ++i) {
      comp.CompElmFile[i] = files[i];
      comp.CompElmName[i] = names[i];
      comp.CompElmTypeNo[i] = types[i];
    }
    std::string error;
    EXPECT_TRUE(building::WriteComponentFile(st.ProjDir + "WALL.FLC", comp, 210, error)) << error;

    // The group editor's hand-over for an existing component of an existing floor group.
    st.GrpType = 200;
    st.GrpTypeName = "Floor";
    ModInpCtl::SetCompTypeNames(st);
    st.CurGrp.GrpName = "Typical floor";
    st.SelGrpIdx = 0;
    st.SelCompIdx = 0;
    st.CurComp = common::CompRec{};
    st.CurComp.CompFile = "WALL.FLC";
    prog->assess.sel.FlrElmAssess[0][0] = {true, false, true};
  }

  void WriteElement(const std::string& path, const std::string& name, int type, const std::string& value) {
    common::ElmRec e;
    e.ElmFile = path.substr(path.find('/') + 1);
    e.ElmName = name;
    e.ElmTypeNo = static_cast<common::Integer>(type);
    e.ElmValue[0] = value;
    std::string error;
    folder.Write(path, "");
    EXPECT_TRUE(building::WriteElementFile(folder.Path() + path, e, 220, error)) << error;
  }

  void Click(forms::Control& control) {
    auto* button = dynamic_cast<QPushButton*>(platform.WidgetOf(control));
    ASSERT_NE(button, nullptr);
    ASSERT_TRUE(button->isEnabled());
    QTest::mouseClick(button, Qt::LeftButton);
  }
  void SelectLine(int row) {
    auto* list = dynamic_cast<QListWidget*>(platform.WidgetOf(editor().lstElm));
    ASSERT_NE(list, nullptr);
    list->setCurrentRow(row);
  }
  // The "Assess Element?" choice shown for the selected element.
  std::string Mark() {
    auto* yes = dynamic_cast<QRadioButton*>(platform.WidgetOf(editor().Option1));
    auto* no = dynamic_cast<QRadioButton*>(platform.WidgetOf(editor().Option2));
    return yes && yes->isChecked() ? "Yes" : no && no->isChecked() ? "No" : "";
  }
  // Saves the editor's window as a PNG when OSTREVO_SHOTS names a folder.
  void Shot(const std::string& name) {
    const char* dir = std::getenv("OSTREVO_SHOTS");
    if (!dir || !*dir) return;
    QDir().mkpath(dir);
    QApplication::processEvents();
    QWidget* window = platform.WindowOf(editor());
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->grab().save(QString::fromStdString(std::string(dir) + "/" + name + ".png")));
  }
  building::frmGroupComp& editor() { return windows.frmGroupComp(); }

  testsupport::TempFolder folder;
  ScriptedQtPlatform platform;
  std::unique_ptr<common::Program> prog = std::make_unique<common::Program>();
  app::Windows windows{*prog, platform};
};

// Load Element from another folder, edit, save: the other folder's file is
// unchanged, the project's file holds the edit.
TEST_F(CompositionWindow, AnElementLoadedFromAnotherFolderIsSavedIntoTheProject) {
  auto& w = editor();
  w.Show();
  const std::string otherBefore = folder.Read("other/A.FLE");
  SelectLine(0);
  Click(w.cmdEditElm);
  platform.openDialogAnswers.push_back(folder.Path() + "other/A.FLE");
  Click(w.cmdLoadElm);
  EXPECT_EQ(w.msgElm.TextMatrix(1, 2), "0.9");
  Shot("1-element-loaded-from-other-folder");

  w.msgElm.ClickCell(1, 2);
  auto* cell = dynamic_cast<QLineEdit*>(platform.WidgetOf(w.txtmsgCell));
  ASSERT_NE(cell, nullptr);
  cell->selectAll();
  QTest::keyClicks(cell, "0.75");
  EXPECT_EQ(w.msgElm.TextMatrix(1, 2), "0.75");
  Shot("2-value-edited");
  Click(w.cmdSaveElm);
  EXPECT_EQ(w.msgElm.TextMatrix(1, 2), "0.75");  // shown again from the project's file
  Shot("3-saved-shown-from-project-file");

  EXPECT_EQ(folder.Read("other/A.FLE"), otherBefore);
  EXPECT_NE(folder.Read("proj/A.FLE").find("\"0.75\""), std::string::npos);

  // The other folder's file, loaded again, still holds its own value.
  Click(w.cmdEditElm);
  platform.openDialogAnswers.push_back(folder.Path() + "other/A.FLE");
  Click(w.cmdLoadElm);
  EXPECT_EQ(w.msgElm.TextMatrix(1, 2), "0.9");
  Shot("4-other-folder-file-unchanged");
  EXPECT_TRUE(platform.messages.empty());
  w.Unload();
}

// An element inserted before the one marked "No": every mark stays with its
// element, and the new element is assessed.
TEST_F(CompositionWindow, AnInsertedElementLeavesTheMarksWhereTheyWere) {
  auto& w = editor();
  w.Show();
  SelectLine(1);
  EXPECT_EQ(Mark(), "No");
  Shot("5-cavity-marked-No-before-insert");
  SelectLine(0);
  EXPECT_EQ(Mark(), "Yes");
  Click(w.cmdAddElm);
  platform.openDialogAnswers.push_back(folder.Path() + "other/INSUL.FLE");
  Click(w.cmdLoadElm);
  Click(w.cmdSaveElm);
  ASSERT_EQ(w.lstElm.ListCount(), 4);
  EXPECT_EQ(w.lstElm.List(1), "Insulation");
  EXPECT_EQ(Mark(), "Yes");
  Shot("6-inserted-element-assessed");
  SelectLine(2);
  EXPECT_EQ(w.lstElm.List(2), "Cavity");
  EXPECT_EQ(Mark(), "No");
  Shot("7-cavity-still-marked-No");
  SelectLine(3);
  EXPECT_EQ(Mark(), "Yes");
  EXPECT_TRUE(platform.messages.empty());
  w.Unload();
}

}  // namespace
