#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "assessment/factors.h"
#include "assessment/frm_cost_para.h"
#include "assessment/frm_norm_wgt.h"
#include "support/scripted_platform.h"
#include "support/temp_folder.h"

namespace {

using forms::MsgResult;

constexpr const char* kQuestion = "Save and Apply Weighting Factor/Cost Para. Values?";

class WeightingWindowTest : public testing::Test {
 protected:
  WeightingWindowTest() { ModCal::SetDefaultFactors(f); }

  // The user's own weights, in use.
  void OwnWeightsInUse() {
    f.UsrWgtFtr[1] = f.WgtFtr[1] = 0.2f;
    f.UsrCostPara[0] = 7;
  }
  std::string WeightingFile(const std::vector<std::string>& numbers) {
    std::string t;
    for (const auto& n : numbers) t += n + "\r\n";
    return folder.Write("w.WGT", t);
  }

  testsupport::TempFolder folder;
  testsupport::ScriptedPlatform platform;
  std::unique_ptr<common::Program> progPtr = std::make_unique<common::Program>();
  common::Program& prog = *progPtr;
  common::FactorTables& f = prog.assess.factors;
  std::unique_ptr<assessment::frmCostPara> cost = std::make_unique<assessment::frmCostPara>(prog, platform);
  std::unique_ptr<assessment::frmNormWgt> w = std::make_unique<assessment::frmNormWgt>(prog, platform, *cost);
};

TEST_F(WeightingWindowTest, OpensOnTheFactorsInUseAndClosesWithoutAQuestion) {
  f.FtrChanged = true;    // from an earlier opening
  f.UsrWgtFtr[1] = 0.2f;  // the user's weights, not in use
  w->Show();
  EXPECT_EQ(w->Caption(), "Weighting Factors");
  EXPECT_EQ(w->txtWgtFtr[0].Text(), "0.55556");
  EXPECT_EQ(w->txtNormFtr[6].Text(), "1.98E+08");
  EXPECT_FALSE(w->Option1.Value() || w->Option2.Value());
  EXPECT_FALSE(f.FtrChanged);
  w->cmdOkay.Click();
  EXPECT_FALSE(w->IsLoaded());
  EXPECT_EQ(f.UsrWgtFtr, f.WgtFtr);  // the weights shown became the user's
}

// Looking at the defaults, one typed over, and answering the question: the
// typed weights become the user's whatever the answer; only Yes applies them.
TEST_F(WeightingWindowTest, QuestionAnswers) {
  for (MsgResult answer : {MsgResult::No, MsgResult::Cancel, MsgResult::Yes}) {
    SCOPED_TRACE(static_cast<int>(answer));
    ModCal::SetDefaultFactors(f);
    OwnWeightsInUse();
    w->Show();
    w->Option1.Click();
    EXPECT_EQ(w->txtWgtFtr[1].Text(), "0.13");
    EXPECT_EQ(f.CostPara[0], 5.0f);  // the option's cost parameters are current at once
    EXPECT_TRUE(w->Option1.Font().Bold);
    w->txtWgtFtr[2].Type("0.5");
    auto typed = f.DefWgtFtr;
    typed[2] = 0.5f;
    platform.ExpectMessage(kQuestion, answer);
    if (answer == MsgResult::Yes) platform.ExpectSaveDialog(std::nullopt);
    w->cmdOkay.Click();
    EXPECT_EQ(f.UsrWgtFtr, typed);
    if (answer == MsgResult::Yes) {
      EXPECT_FALSE(w->IsLoaded());
      EXPECT_EQ(f.WgtFtr, typed);
      EXPECT_EQ(f.CostPara[0], 7.0f);  // the user's cost parameters are applied
    } else {
      EXPECT_EQ(w->IsLoaded(), answer == MsgResult::Cancel);
      EXPECT_EQ(f.WgtFtr[1], 0.2f);  // nothing applied
    }
    if (answer == MsgResult::Cancel) {  // a later OK asks again
      platform.ExpectMessage(kQuestion, MsgResult::No);
      w->mnuFReturn.Click();
      EXPECT_FALSE(w->IsLoaded());
      EXPECT_EQ(f.UsrWgtFtr, typed);
    }
  }
}

TEST_F(WeightingWindowTest, CostWindowSetsTheChangedFlag) {
  w->Show();
  platform.OnModal("frmCostPara", [](forms::Form& form) {
    auto& c = static_cast<assessment::frmCostPara&>(form);
    EXPECT_EQ(c.txtCostPara[0].Text(), "5");
    c.txtCostPara[0].Type("6");
    c.Command1.Click();
  });
  w->mnuCostPara.Click();
  EXPECT_TRUE(f.FtrChanged);
  EXPECT_EQ(f.UsrCostPara[0], 6.0f);
  EXPECT_EQ(f.CostPara[0], 5.0f);
  platform.ExpectMessage(kQuestion, MsgResult::Yes);
  platform.ExpectSaveDialog(folder.Path() + "a.WGT");
  w->cmdOkay.Click();
  EXPECT_EQ(f.CostPara[0], 6.0f);
  std::string text = folder.Read("a.WGT");
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 14);
  EXPECT_NE(text.find("0.55556\r\n0.13\r\n"), std::string::npos);
  EXPECT_NE(text.find("\r\n6\r\n3\r\n2\r\n"), std::string::npos);
}

TEST_F(WeightingWindowTest, OpenWhileUserDefinedValuesIsChosen) {
  w->Show();
  w->Option2.Click();
  std::vector<std::string> numbers(11, ".5");
  numbers.insert(numbers.end(), {"4", "2", "1"});
  platform.ExpectOpenDialog(WeightingFile(numbers));
  w->mnuFOpen.Click();
  EXPECT_EQ(platform.Dialogs().back().title, "Open Weighting Data File");
  EXPECT_EQ(platform.Dialogs().back().filter, "Weighting Data Files (*.WGT)|*.WGT");
  EXPECT_EQ(w->txtWgtFtr[3].Text(), "0.5");
  EXPECT_EQ(f.UsrWgtFtr[3], 0.5f);
  EXPECT_EQ(f.CostPara, (std::array<common::Single, 3>{4, 2, 1}));
  EXPECT_TRUE(w->Option2.Value());
}

TEST_F(WeightingWindowTest, BrokenWeightingFileChangesNothing) {
  w->Show();
  std::vector<std::string> numbers(13, "0.5");
  platform.ExpectOpenDialog(WeightingFile(numbers));
  platform.AllowAnyMessage();
  w->mnuFOpen.Click();
  ASSERT_EQ(platform.Messages().size(), 1u);
  EXPECT_EQ(platform.Messages()[0].rfind("The weighting file could not be read (", 0), 0u);
  EXPECT_EQ(f.UsrWgtFtr, f.DefWgtFtr);
  EXPECT_EQ(f.UsrCostPara, f.DefCostPara);
  EXPECT_FALSE(w->Option2.Value());
  EXPECT_EQ(w->txtWgtFtr[1].Text(), "0.13");
}

// Save takes the typed weights as the user's before its dialog: a
// cancelled dialog or a failed write still leaves them the user's weights
// (not the ones in use).
TEST_F(WeightingWindowTest, SaveMakesTheTypedWeightsTheUsersBeforeItsDialog) {
  w->Show();
  w->txtWgtFtr[2].Type("0.5");
  platform.ExpectSaveDialog(std::nullopt);
  w->mnuFSave.Click();
  EXPECT_EQ(f.UsrWgtFtr[2], 0.5f);
  EXPECT_EQ(f.WgtFtr[2], 0.3f);
  w->txtWgtFtr[2].Type("0.25");
  platform.ExpectSaveDialog(folder.Path() + "gone/w.WGT");  // a folder that is not there
  platform.AllowAnyMessage();
  w->mnuFSave.Click();
  EXPECT_EQ(platform.Messages().size(), 1u);
  EXPECT_EQ(f.UsrWgtFtr[2], 0.25f);
  w->txtWgtFtr[2].Type("0.5");
  platform.ExpectSaveDialog(folder.Path() + "w.WGT");
  w->mnuFSave.Click();
  EXPECT_EQ(platform.Dialogs().back().title, "Save Weighting / Cost Para. File");
  EXPECT_EQ(f.UsrWgtFtr[2], 0.5f);
  EXPECT_EQ(f.WgtFtr[2], 0.3f);
  std::string text = folder.Read("w.WGT");
  EXPECT_EQ(text.substr(0, 24), "0.55556\r\n0.13\r\n0.5\r\n0.04");
}

TEST_F(WeightingWindowTest, CostParametersRefuseBadValues) {
  struct Row {
    bool price;
    size_t index;
    const char* typed;
    const char* message;
  };
  const Row rows[] = {
      {true, 0, "0", "Price of Electricity (VL$/kWh): a price of 0 is not allowed. The value is not stored."},
      {true, 0, "abc", "Price of Electricity (VL$/kWh): a price of 0 is not allowed. The value is not stored."},
      {false, 1, "-100", "Inflation Rate (% per annum): a rate must be greater than -100. The value is not stored."},
      {false, 0, "1E39", "Nominal Interest Rate (% per annum): the number is too large. The value is not stored."},
  };
  for (const auto& row : rows) {
    cost->Show();
    auto& box = row.price ? cost->txtEgyPrice[row.index] : cost->txtCostPara[row.index];
    box.Type(row.typed);
    platform.ExpectMessage(row.message);
    cost->Command1.Click();
    EXPECT_TRUE(cost->IsLoaded());
    EXPECT_EQ(f.UsrEgyPrice, f.DefEgyPrice);
    EXPECT_EQ(f.UsrCostPara, f.DefCostPara);
    cost->Unload();
  }
}

// Only the electricity price is ever divided by: town gas may cost nothing.
TEST_F(WeightingWindowTest, CostParametersTakeAFreeTownGas) {
  cost->Show();
  cost->txtEgyPrice[1].Type("0");
  cost->Command1.Click();
  EXPECT_FALSE(cost->IsLoaded());
  EXPECT_EQ(f.UsrEgyPrice[1], 0.0f);
  EXPECT_EQ(f.UsrEgyPrice[0], 0.92f);
  EXPECT_TRUE(f.FtrChanged);
}

TEST_F(WeightingWindowTest, CostParametersOkStoresTheValuesInUse) {
  f.CostPara[0] = 5.0000005f;  // more digits than a box shows
  f.UsrFtrSelected = true;
  cost->Show();
  EXPECT_TRUE(cost->Option2.Value());
  EXPECT_TRUE(cost->Option2.Font().Bold);
  EXPECT_EQ(cost->txtCostPara[0].Text(), "5");  // the values in use over the option's
  cost->Command1.Click();
  EXPECT_FALSE(cost->IsLoaded());
  EXPECT_EQ(f.UsrCostPara[0], 5.0000005f);
  EXPECT_FALSE(f.FtrChanged);

  f.UsrFtrSelected = false;
  cost->Show();
  EXPECT_FALSE(cost->Option1.Value() || cost->Option2.Value());
  cost->Option1.Click();
  cost->txtEgyPrice[1].Type("");
  cost->txtEgyPrice[1].Type("0.25");
  cost->Command1.Click();
  EXPECT_EQ(f.UsrCostPara, f.DefCostPara);
  EXPECT_EQ(f.UsrEgyPrice[1], 0.25f);
  EXPECT_TRUE(f.FtrChanged);
}

}  // namespace
