// A construction deleted in the construction window: the construction
// file and every holder of construction numbers (the energy model in
// memory, the energy modelling input's copy, the energy calculation input
// files on disk) change together when the constructions are saved, and
// not at all when they are not.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "app/windows.h"
#include "energy_fixture.h"
#include "energy_input/construction_file.h"
#include "energy_input/construction_references.h"
#include "energy_input/energy_model_files.h"
#include "support/scripted_platform.h"
#include "support/temp_folder.h"

namespace {

using forms::MsgResult;

constexpr const char* kNotSaved = "The constructions were not saved: the energy calculation input file ";
constexpr const char* kQuestion = "This may affect reference to Constructions in Room Input. Go ahead ?";
// Deleting construction 2 of the small model: component 2 of rooms 2 and 3.
constexpr const char* kLosingTwo =
    "Construction 2 \"Cons 2\" is deleted. When the constructions are saved, the constructions after it move down "
    "one number and the fabric components that use them follow. These fabric components use construction 2 and "
    "will then have none:\n"
    "Zone 2, Room 2, Component 2 (Z2R2C2)\n"
    "Zone 3, Room 2, Component 2 (Z3R2C2)\n"
    "Zone 3, Room 3, Component 2 (Z3R3C2)";

// The small model once construction 2 is gone: 2 becomes none, 3 becomes 2.
common::EnergyModel WithoutConstructionTwo(common::EnergyModel m) {
  for (auto& zone : m.FabCons)
    for (auto& room : zone)
      for (auto& cons : room) cons = static_cast<common::Integer>(cons == 2 ? 0 : (cons > 2 ? cons - 1 : cons));
  return m;
}

// Deletions made one after the other, each counted in the numbering the
// ones before it left.
TEST(ConstructionReferences, NumbersAfterSeveralDeletions) {
  struct Case {
    std::vector<int> deleted;
    std::vector<int> before, after;
  } cases[] = {
      {{2}, {0, 1, 2, 3, 50}, {0, 1, 0, 2, 49}},
      {{2, 3}, {1, 2, 3, 4, 5}, {1, 0, 2, 0, 3}},  // the second is the former 4
      {{3, 1}, {1, 2, 3, 4}, {0, 1, 0, 2}},
      {{}, {0, 1, 7}, {0, 1, 7}},
  };
  for (const Case& c : cases) {
    for (size_t i = 0; i < c.before.size(); ++i) {
      SCOPED_TRACE(c.before[i]);
      EXPECT_EQ(energy_input::NumberAfterDeletes(c.before[i], c.deleted), c.after[i]);
    }
  }
  // Only the components within the counts that end with none are named;
  // one that had none before is not.
  common::EnergyModel m = energytest::SmallModel(2);
  m.FabCons[2][2][1] = 0;
  m.FabCons[2][2][2] = 3;
  auto lost = energy_input::RenumberAfterDeletes(m, {2, 2});
  EXPECT_EQ(lost, (std::vector<energy_input::FabricRef>{{2, 2, 2, "Z2R2C2"}}));
  EXPECT_EQ(m.FabCons[1][1][1], 1);
}

class DeletedConstruction : public testing::Test {
 protected:
  DeletedConstruction() {
    prog->building.Bldg.ProjName = "Tower";
    prog->building.ProjDir = folder.Path();
    original = energytest::SmallModel(3, &masks);
  }
  // The project's construction file (Cons 1..3) and energy model files
  // under `base`; component c of every room uses construction c.
  void WriteProject(const std::string& base) {
    prog->building.Bldg.ProjFile = base + ".PRJ";
    std::string error;
    ASSERT_TRUE(energy_input::WriteConstructionFile(base + ".CON", energytest::SomeConstructions(3), error));
    WriteModel(base + ".ECI");
    ASSERT_TRUE(energy_input::WriteAirSideFile(base + ".ASS", "Tower", original, {}, error));
  }
  void WriteModel(const std::string& name) {
    std::string error;
    ASSERT_TRUE(energy_input::WriteEnergyModelFile(name, "Tower", original, masks, error)) << error;
  }
  common::EnergyModel ModelOnDisk(const std::string& name) {
    common::EnergyModel m;
    common::PerFabric<std::string> read{};
    std::string error;
    EXPECT_TRUE(energy_input::ReadEnergyModelFile(name, m, read, error)) << error;
    EXPECT_EQ(read, masks);
    return m;
  }
  // What the user does in the construction window when it next opens.
  void InConstructions(std::function<void(energy_input::frmSelCons&)> script) {
    auto& cons = windows.frmSelCons();
    platform.OnModal("frmSelCons", [&cons, script](forms::Form&) { script(cons); });
  }
  // Edit mode, as the component editor's Save As Construction opens it.
  void OpenConstructions(std::function<void(energy_input::frmSelCons&)> script) {
    InConstructions(std::move(script));
    prog->energyInput.ConsFormMode = 1;
    windows.frmSelCons().Show(true);
  }
  void DeleteTwo(energy_input::frmSelCons& cons, const char* lost = kLosingTwo) {
    cons.lstCons.SetListIndex(2);
    platform.ExpectMessage(kQuestion, MsgResult::OK);
    if (lost) platform.ExpectMessage(lost);
    cons.cmdDel.Click();
  }
  void OpenEnergyInput(const std::string& base) {
    platform.ExpectOpenDialog(folder.Path() + base + ".ECI");
    platform.ExpectOpenDialog(folder.Path() + base + ".ASS");
    windows.frmEgyCalInput().Show();
  }
  // The component shown: its construction number and name.
  std::pair<std::string, std::string> Component(int z, int r, int c) {
    auto& input = windows.frmEgyCalInput();
    input.cboZNo.SetListIndex(z - 1);
    input.cboRmNo.SetListIndex(r - 1);
    input.cboFabComp.SetListIndex(c - 1);
    return {input.txtCompC[0].Text(), input.txtCompC[1].Text()};
  }

  testsupport::TempFolder folder;
  testsupport::ScriptedPlatform platform;
  std::unique_ptr<common::Program> prog = std::make_unique<common::Program>();
  app::Windows windows{*prog, platform};
  common::PerFabric<std::string> masks{};
  common::EnergyModel original;
};

// Deleted while the energy modelling input is closed, and saved: the file
// that window and the simulation read follows, so reopening the window
// shows each component with its own construction.
TEST_F(DeletedConstruction, WithTheEnergyInputClosedTheSavedModelFileFollows) {
  WriteProject("T");
  const std::string airSide = folder.Read("T.ASS");
  OpenConstructions([&](energy_input::frmSelCons& cons) {
    DeleteTwo(cons);
    EXPECT_EQ(ModelOnDisk("T.ECI"), original);  // nothing changes before the save
    platform.ExpectMessage("Save data first?", MsgResult::Yes);
    cons.mnuExit.Click();
  });
  EXPECT_TRUE(platform.ScriptDone());
  common::ConstructionTables saved;
  std::string error;
  ASSERT_TRUE(energy_input::ReadConstructionFile("T.CON", saved, error)) << error;
  EXPECT_EQ(saved.NoOfCons, 2);
  EXPECT_EQ(ModelOnDisk("T.ECI"), WithoutConstructionTwo(original));
  EXPECT_EQ(folder.Read("T.ECI").rfind("\"Energy Calculation Input for Project: Tower\"\r\n", 0), 0u);
  EXPECT_EQ(folder.Read("T.ASS"), airSide);

  OpenEnergyInput("T");
  EXPECT_EQ(Component(3, 3, 1), std::make_pair(std::string("1"), std::string("Cons 1")));
  EXPECT_EQ(Component(3, 3, 2), std::make_pair(std::string("0"), std::string("")));
  EXPECT_EQ(Component(3, 3, 3), std::make_pair(std::string("2"), std::string("Cons 3")));
  EXPECT_TRUE(platform.ScriptDone());
}

// Deleted, then left by Exit without saving: no holder is renumbered, the
// tables in memory are the file's again, and a later save of the
// constructions does not apply the forgotten deletion.
TEST_F(DeletedConstruction, LeftWithoutSavingNothingIsRenumbered) {
  WriteProject("T");
  const std::string eci = folder.Read("T.ECI"), con = folder.Read("T.CON");
  OpenEnergyInput("T");
  auto& input = windows.frmEgyCalInput();
  EXPECT_EQ(Component(3, 3, 3), std::make_pair(std::string("3"), std::string("Cons 3")));
  InConstructions([&](energy_input::frmSelCons& cons) {
    DeleteTwo(cons);
    platform.ExpectMessage("Save data first?", MsgResult::No);
    cons.mnuExit.Click();
  });
  input.mnuEConstr.Click();
  EXPECT_EQ(input.WorkingModel(), original);
  EXPECT_EQ(prog->energyInput.EgyModel, original);
  EXPECT_EQ(prog->energyInput.cons, energytest::SomeConstructions(3));
  EXPECT_EQ(input.txtCompC[0].Text(), "3");
  EXPECT_EQ(input.txtCompC[1].Text(), "Cons 3");
  EXPECT_EQ(folder.Read("T.ECI"), eci);
  EXPECT_EQ(folder.Read("T.CON"), con);

  InConstructions([&](energy_input::frmSelCons& cons) {
    cons.mnuFSaveAll.Click();
    cons.mnuExit.Click();
  });
  input.mnuEConstr.Click();
  EXPECT_EQ(folder.Read("T.ECI"), eci);
  EXPECT_EQ(input.WorkingModel(), original);
  EXPECT_TRUE(platform.ScriptDone());
}

// The model file last chosen in the energy input cannot be rewritten (it is
// read-only): the save stops, says which file, and leaves the construction
// file and every model file as it was, the project's own model file,
// already rewritten, put back; the window stays open with the deletion
// still to be saved.
TEST_F(DeletedConstruction, AModelFileThatCannotBeWrittenStopsTheSave) {
  WriteProject("T");
  const std::string chosen = "chosen.ECI";
  WriteModel(chosen);
  std::filesystem::permissions(chosen, std::filesystem::perms::owner_read | std::filesystem::perms::group_read);
  prog->energyInput.EciFile = chosen;
  const std::string con = folder.Read("T.CON"), eci = folder.Read("T.ECI"), chosenEci = folder.Read(chosen);
  OpenConstructions([&](energy_input::frmSelCons& cons) {
    DeleteTwo(cons);
    platform.ExpectMessage("Save data first?", MsgResult::Yes);
    platform.AllowAnyMessage();
    cons.mnuExit.Click();
    platform.AllowAnyMessage(false);
    EXPECT_TRUE(cons.IsLoaded());
    const std::string& said = platform.Messages().back();
    EXPECT_EQ(said.rfind(kNotSaved, 0), 0u) << said;
    EXPECT_NE(said.find(chosen + " could not be written ("), std::string::npos) << said;
    EXPECT_NE(said.find("No file was changed."), std::string::npos) << said;
    platform.ExpectMessage("Save data first?", MsgResult::No);
    cons.mnuExit.Click();
  });
  EXPECT_TRUE(platform.ScriptDone());
  EXPECT_EQ(folder.Read("T.CON"), con);
  EXPECT_EQ(folder.Read("T.ECI"), eci);
  EXPECT_EQ(folder.Read(chosen), chosenEci);
  EXPECT_EQ(prog->energyInput.cons, energytest::SomeConstructions(3));
}

// A model file that cannot be read cannot follow: the save stops before
// anything is written and names the file.
TEST_F(DeletedConstruction, AModelFileThatCannotBeReadStopsTheSave) {
  WriteProject("T");
  const std::string con = folder.Read("T.CON");
  folder.Write("T.ECI", "\"Energy Calculation Input for Project: Tower\"\r\n2\r\n");
  OpenConstructions([&](energy_input::frmSelCons& cons) {
    DeleteTwo(cons, nullptr);  // no readable model: nobody to name
    platform.AllowAnyMessage();
    cons.mnuFSaveAll.Click();
    platform.AllowAnyMessage(false);
    const std::string& said = platform.Messages().back();
    EXPECT_EQ(said.rfind(kNotSaved, 0), 0u) << said;
    EXPECT_NE(said.find("T.ECI could not be read ("), std::string::npos) << said;
    EXPECT_TRUE(cons.UnsavedMark());
    platform.ExpectMessage("Save data first?", MsgResult::No);
    cons.mnuExit.Click();
  });
  EXPECT_TRUE(platform.ScriptDone());
  EXPECT_EQ(folder.Read("T.CON"), con);
  EXPECT_EQ(folder.Read("T.ECI"), "\"Energy Calculation Input for Project: Tower\"\r\n2\r\n");
}

}  // namespace
