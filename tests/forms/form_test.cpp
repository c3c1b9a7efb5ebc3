// Form lifecycle, the scripted platform itself, grids and picture boxes.
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "common/paths.h"
#include "support/scripted_platform.h"
#include "support/temp_folder.h"
#include "test_form.h"

namespace {
namespace fs = std::filesystem;
using Log = std::vector<std::string>;
using forms::MsgButtons;
using forms::MsgResult;

class FormTest : public testing::Test {
 protected:
  testsupport::ScriptedPlatform platform;
  TestForm form{platform};
};

TEST_F(FormTest, LoadRunsOncePerLoadAndUnloadCanBeCancelled) {
  form.Show();
  form.Show();
  EXPECT_EQ(form.TakeLog(), Log{"Form_Load"});
  EXPECT_TRUE(form.IsLoaded() && form.Visible());

  form.cancelUnload = 1;
  EXPECT_FALSE(form.Unload());
  EXPECT_TRUE(form.IsLoaded() && form.Visible());
  form.cancelUnload = 0;
  EXPECT_TRUE(form.Unload());
  EXPECT_FALSE(form.IsLoaded() || form.Visible());
  EXPECT_EQ(form.TakeLog(), (Log{"Form_Unload", "Form_Unload"}));

  form.Show();  // a new load runs Form_Load again
  form.cancelQuery = 1;
  form.UserClose();
  EXPECT_TRUE(form.IsLoaded());
  form.cancelQuery = 0;
  form.UserClose();
  EXPECT_FALSE(form.IsLoaded());
  EXPECT_EQ(form.TakeLog(), (Log{"Form_Load", "Form_QueryUnload 0", "Form_QueryUnload 0", "Form_Unload"}));
  ASSERT_EQ(platform.ShownForms().size(), 3u);
  EXPECT_FALSE(platform.ShownForms()[2].modal);
}

TEST_F(FormTest, ModalShowRunsTheScriptedCallback) {
  platform.OnModal("frmTest", [](forms::Form& f) {
    auto& t = static_cast<TestForm&>(f);
    EXPECT_TRUE(t.IsModal() && t.Visible());
    t.cmdOK.Click();
    t.Hide();
  });
  form.Show(true);
  EXPECT_EQ(form.TakeLog(), (Log{"Form_Load", "cmdOK_Click"}));
  EXPECT_TRUE(form.IsLoaded());
  EXPECT_FALSE(form.Visible() || form.IsModal());

  form.Show(true);  // without a script the form is closed by its frame
  EXPECT_EQ(form.TakeLog(), (Log{"Form_QueryUnload 0", "Form_Unload"}));
  EXPECT_FALSE(form.IsLoaded());
  EXPECT_TRUE(platform.ScriptDone());

  // A modal form that stays open would hang the program: the test fails.
  form.cancelQuery = 1;
  EXPECT_NONFATAL_FAILURE(form.Show(true), "Modal form frmTest was left open");
  platform.OnModal("frmTest", [](forms::Form&) {});
  EXPECT_NONFATAL_FAILURE(form.Show(true), "Modal form frmTest was left open");
  EXPECT_FALSE(form.Visible());
}

TEST_F(FormTest, ScriptedPlatformAnswersMessagesInOrder) {
  platform.ExpectMessage("Save changes?", MsgResult::No);
  platform.ExpectMessage("Project data saved");
  EXPECT_EQ(form.MsgBox("Save changes?", MsgButtons::YesNo), MsgResult::No);
  EXPECT_EQ(form.MsgBox("Project data saved"), MsgResult::OK);
  EXPECT_NONFATAL_FAILURE(form.MsgBox("Boom!"), "Unexpected message box: \"Boom!\"");

  platform.ExpectMessage("First");
  EXPECT_NONFATAL_FAILURE(form.MsgBox("Second"), "(expected \"First\")");
  form.MsgBox("First");
  EXPECT_TRUE(platform.ScriptDone());
  EXPECT_EQ(platform.Messages(), (Log{"Save changes?", "Project data saved", "Boom!", "Second", "First"}));

  platform.AllowAnyMessage();
  EXPECT_EQ(form.MsgBox("Anything", MsgButtons::YesNoCancel), MsgResult::Yes);
}

TEST(ScriptedPlatform, LeftoverScriptFailsTheTest) {
  EXPECT_NONFATAL_FAILURE(
      {
        testsupport::ScriptedPlatform p;
        p.ExpectMessage("Never shown");
      },
      "Expected message box never shown: Never shown");
  EXPECT_NONFATAL_FAILURE(
      {
        testsupport::ScriptedPlatform p;
        p.ExpectOpenDialog("/x.prj");
        (void)p.SaveFileDialog({"Save", "", "", ""});
      },
      "Expected a open dialog but got \"Save\"");
}

TEST_F(FormTest, DialogsReturnScriptedPathsAndLeaveTheCurrentFolder) {
  testsupport::TempFolder tmp;  // current for the test, restored afterwards
  const std::string dir = tmp.Path() + "sub/";
  fs::create_directory(dir);
  platform.ExpectSaveDialog(dir + "saved.prj");
  platform.ExpectOpenDialog(std::nullopt);
  platform.ExpectOpenDialog(dir + "chosen.prj");
  forms::FileDialogRequest request{"Save Project", "LCA project files (*.PRJ)|*.PRJ", "", "House"};
  EXPECT_EQ(platform.SaveFileDialog(request), dir + "saved.prj");
  EXPECT_EQ(platform.OpenFileDialog(request), std::nullopt);
  EXPECT_EQ(platform.OpenFileDialog(request), dir + "chosen.prj");
  EXPECT_TRUE(fs::equivalent(fs::current_path(), tmp.Path()));
  ASSERT_EQ(platform.Dialogs().size(), 3u);
  EXPECT_EQ(platform.Dialogs()[0].fileName, "House");
  EXPECT_NONFATAL_FAILURE((void)platform.OpenFileDialog(request), "Unexpected open dialog");
}

// A save dialog asks before it hands on an existing file other than the
// window's own; No goes back to the dialog on the refused name.
TEST_F(FormTest, ASaveDialogAsksBeforeReplacingAFileNotTheWindowsOwn) {
  testsupport::TempFolder tmp;
  const std::string old = tmp.Write("sub/OLD.PRJ", "old"), fresh = tmp.Path() + "sub/NEW.PRJ";
  fs::create_symlink(old, tmp.Path() + "LINK.PRJ");
  struct Row {
    const char* what;
    std::string chosen, own;
    bool readsChosenFile;
    std::optional<MsgResult> answer;  // to the question, when asked
    std::optional<std::string> returned;
  } rows[] = {
      {"its own file by another name", old, tmp.Path() + "sub/../LINK.PRJ", false, std::nullopt, old},
      {"a file to read", old, "", true, std::nullopt, old},
      {"another file, replaced", old, fresh, false, MsgResult::Yes, old},
      {"another file, kept", old, "", false, MsgResult::No, std::nullopt},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    platform.ExpectSaveDialog(row.chosen);
    if (row.answer) platform.ExpectMessage("OLD.PRJ already exists.\nDo you want to replace it?", *row.answer);
    if (row.answer == MsgResult::No) platform.ExpectSaveDialog(std::nullopt);  // cancelled there
    forms::FileDialogRequest request{"Save Project File As", "", tmp.Path(), "X.PRJ", row.own};
    request.readsChosenFile = row.readsChosenFile;
    EXPECT_EQ(platform.SaveFileDialog(request), row.returned);
    EXPECT_TRUE(platform.ScriptDone());
    EXPECT_EQ(platform.Dialogs().back().fileName, row.answer == MsgResult::No ? old : "X.PRJ");
  }
  EXPECT_EQ(tmp.Read("sub/OLD.PRJ"), "old");

  // A name typed without the extension the save adds is asked about as the
  // file it becomes.
  const std::string lower = tmp.Write("sub/LOWER.prj", "old");
  platform.ExpectSaveDialog(tmp.Path() + "sub/LOWER");
  platform.ExpectMessage("LOWER.prj already exists.\nDo you want to replace it?", MsgResult::Yes);
  forms::FileDialogRequest request{"Save Project File As", "", tmp.Path(), "X.PRJ"};
  request.addedExtension = ".prj";
  EXPECT_EQ(platform.SaveFileDialog(request), lower);
}

class GridTest : public FormTest {
 protected:
  void SetUp() override {
    g.Move(0, 0, 3000, 1000);  // room for two rows below the header
    g.SetRows(6);
    g.SetCols(3);
    g.SetColWidth(0, 500);
    g.SetColWidth(1, 1000);
    g.SetColWidth(2, 1500);
    form.TakeLog();
  }
  forms::Grid& g = form.msgA;
};

TEST_F(GridTest, MovingTheCurrentCellRaisesLeaveThenEnter) {
  const Log moved = {"msgA_LeaveCell", "msgA_EnterCell"};
  struct Case {
    int row, col;
    Log events;
    int topRow;
  };
  const Case cases[] = {
      {1, 2, moved, 1},
      {1, 2, {}, 1},
      {2, 2, moved, 1},
      {4, 0, {"msgA_LeaveCell", "msgA_Scroll", "msgA_EnterCell"}, 3},
      {0, 1, moved, 3},  // a header row never scrolls
      {1, 1, {"msgA_LeaveCell", "msgA_Scroll", "msgA_EnterCell"}, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.row << "," << c.col);
    g.SetCell(c.row, c.col);
    EXPECT_EQ(form.TakeLog(), c.events);
    EXPECT_EQ(g.Row(), c.row);
    EXPECT_EQ(g.Col(), c.col);
    EXPECT_EQ(g.TopRow(), c.topRow);
  }
  EXPECT_THROW(g.SetCell(6, 0), std::out_of_range);
  EXPECT_THROW(g.SetCell(0, -1), std::out_of_range);
  EXPECT_TRUE(form.log.empty());
}

TEST_F(GridTest, CellPositionsFollowWidthsAndTopRow) {
  const int colPos[] = {0, 500, 1500};
  for (int c = 0; c < 3; ++c) EXPECT_EQ(g.ColPos(c), colPos[c]) << c;

  g.SetRowHeight(2, 300);
  g.SetTopRow(3);
  EXPECT_EQ(form.TakeLog(), Log{"msgA_Scroll"});
  g.SetTopRow(3);
  EXPECT_TRUE(form.log.empty());
  const int rowPos[] = {0, -540, -300, 240, 480, 720};  // rows 1, 2 are above the shown part
  for (int r = 0; r < 6; ++r) EXPECT_EQ(g.RowPos(r), rowPos[r]) << r;

  g.SetCell(4, 2);
  EXPECT_EQ(g.CellLeft(), 1500);
  EXPECT_EQ(g.CellTop(), 480);
  EXPECT_EQ(g.CellWidth(), 1500);
  g.SetTopRow(99);  // clamped to the last row
  EXPECT_EQ(g.TopRow(), 5);
}

// More fixed columns or rows take the current cell out of them, to the
// first cell the user can reach.
TEST_F(GridTest, TheCurrentCellLeavesCellsThatBecomeFixed) {
  ASSERT_EQ(g.Col(), 1);
  g.SetFixedCols(2);
  EXPECT_EQ(g.Col(), 2);
  g.SetFixedRows(2);
  EXPECT_EQ(g.Row(), 2);
  g.SetCell(3, 2);
  g.SetFixedCols(1);  // fewer fixed columns move nothing
  EXPECT_EQ(g.Col(), 2);
  EXPECT_EQ(g.Row(), 3);
}

TEST_F(GridTest, ResizingKeepsTheTexts) {
  for (int r = 0; r < 6; ++r)
    for (int c = 0; c < 3; ++c) g.SetTextMatrix(r, c, std::to_string(r) + ":" + std::to_string(c));
  g.SetCell(5, 2);
  g.SetRows(9);
  g.SetCols(4);
  EXPECT_EQ(g.TextMatrix(5, 2), "5:2");
  EXPECT_EQ(g.TextMatrix(8, 3), "");
  g.SetRows(3);
  g.SetCols(2);
  EXPECT_EQ(g.TextMatrix(2, 1), "2:1");
  EXPECT_EQ(g.Text(), "2:1");  // the current cell moved into the grid
  EXPECT_THROW((void)g.TextMatrix(3, 0), std::out_of_range);
}

TEST_F(FormTest, PictureBoxRecordsTheDrawingInUserUnits) {
  auto& p = form.picA;
  p.Move(0, 0, 2000, 1000);
  // Twips until a scale is set: the text metrics follow the current size.
  EXPECT_DOUBLE_EQ(p.TextWidth("ab"), 2 * 8.25 * 20 * 0.6);
  EXPECT_DOUBLE_EQ(p.TextHeight(), 8.25 * 20 * 1.2);
  p.DrawBox(10, 20, 30, 40, forms::QBColor(1), false);
  EXPECT_DOUBLE_EQ(p.Drawing().back().scale.width, 2000);

  p.Scale(0, 100, 10, 0);  // y grows upwards
  p.DrawBox(1, 2, 3, 4, forms::QBColor(12), true);
  const forms::DrawOp& box = p.Drawing().back();
  EXPECT_EQ(box.kind, forms::DrawOp::Kind::FilledBox);
  EXPECT_EQ(box.colour, 0xFF0000u);
  EXPECT_EQ((std::vector<double>{box.x1, box.y1, box.x2, box.y2}), (std::vector<double>{1, 2, 3, 4}));
  EXPECT_EQ((std::vector<double>{box.scale.left, box.scale.top, box.scale.width, box.scale.height}),
            (std::vector<double>{0, 100, 10, -100}));

  p.SetCurrentX(5);
  p.SetCurrentY(50);
  p.Print("Hi");
  EXPECT_DOUBLE_EQ(p.CurrentX(), 0);
  EXPECT_DOUBLE_EQ(p.CurrentY(), 50 + p.TextHeight());
  EXPECT_LT(p.TextHeight(), 0);  // the next line lies lower on the screen
  p.Print("a", false);
  EXPECT_DOUBLE_EQ(p.CurrentX(), p.TextWidth("a"));
  EXPECT_DOUBLE_EQ(p.TextWidth("a"), 99.0 * 10 / 2000);
  EXPECT_EQ(p.PrintedTexts(), (Log{"Hi", "a"}));
  EXPECT_EQ(p.Drawing()[2].x1, 5);

  p.Cls();
  EXPECT_TRUE(p.Drawing().empty());
  EXPECT_DOUBLE_EQ(p.CurrentX(), 0);
  EXPECT_DOUBLE_EQ(p.CurrentY(), 100);
  EXPECT_THROW(p.Scale(0, 0, 0, 1), std::invalid_argument);
  EXPECT_THROW(forms::QBColor(16), std::out_of_range);
}

}  // namespace
