// Grabs the energy input windows, driven as a user drives them, to PNG
// files for a person to look at: two zones with their own air-side
// designs and the first deleted; a construction deleted while components
// use it; a Generate Shading Mask that fails. Run it under a display
// (xvfb-run) with the folder for the pictures as its argument. A tool for
// people, not a test, and not part of the programs.
#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <cstdlib>
#include <deque>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <string>

#include "app/windows.h"
#include "energy_fixture.h"
#include "energy_input/construction_file.h"
#include "qtui/qt_platform.h"

namespace {

// Lets the window system draw what changed before a picture is taken.
void Settle() {
  for (int i = 0; i < 5; ++i) QApplication::processEvents();
}

class Shots {
 public:
  Shots(qtui::QtPlatform& platform, std::string folder) : platform_(platform), folder_(std::move(folder)) {
    poll_.setInterval(40);
    QObject::connect(&poll_, &QTimer::timeout, [this] { Poll(); });
    poll_.start();
  }

  // The window of a form alone (its client area and menu bar).
  void Window(const forms::Form& form, const std::string& name) {
    QWidget* w = platform_.WindowOf(form);
    if (w == nullptr) return;
    Save(w->grab(), name);
  }
  // The whole screen: a message box over its window.
  void Screen(const std::string& name) { Save(QGuiApplication::primaryScreen()->grabWindow(0), name); }

  // The next message boxes, in order: each is shot (when named) and answered.
  void Answer(QMessageBox::StandardButton button, const std::string& shot = "") { answers_.push_back({button, shot}); }
  // Runs `script` once `form` shows (inside its modal loop).
  void WhenShown(const forms::Form& form, std::function<void()> script) {
    pending_.push_back({&form, std::move(script)});
  }

 private:
  struct AnswerStep {
    QMessageBox::StandardButton button;
    std::string shot;
  };
  struct ShownStep {
    const forms::Form* form;
    std::function<void()> script;
  };

  void Save(const QPixmap& picture, const std::string& name) {
    std::string path = folder_ + "/" + name + ".png";
    if (!picture.save(QString::fromStdString(path))) std::cerr << "could not save " << path << "\n";
    std::cout << "saved " << path << "\n";
  }

  void Poll() {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr || !box->isVisible()) {
      answered_ = nullptr;
      boxTicks_ = 0;
    } else if (box != answered_ && !answers_.empty() && ++boxTicks_ > 10) {  // shown and drawn by now
      AnswerStep step = answers_.front();
      answers_.pop_front();
      std::cout << "message box: " << box->text().toStdString() << "\n";
      if (!step.shot.empty()) {
        Settle();
        Screen(step.shot);
        Save(box->grab(), step.shot + "-box");
      }
      answered_ = box;
      box->button(step.button)->click();
      return;
    }
    if (!pending_.empty()) {
      QWidget* w = platform_.WindowOf(*pending_.front().form);
      if (w != nullptr && w->isVisible() && box == nullptr) {
        // Run from its own event, so that this poll goes on answering the
        // message boxes the script brings up.
        QTimer::singleShot(0, std::move(pending_.front().script));
        pending_.pop_front();
      }
    }
  }

  qtui::QtPlatform& platform_;
  std::string folder_;
  QTimer poll_;
  std::deque<AnswerStep> answers_;
  std::deque<ShownStep> pending_;
  QMessageBox* answered_ = nullptr;
  int boxTicks_ = 0;
};

// Two zones with different air-side designs; the first is deleted and the
// air-side window of the remaining zone is opened again.
void AirSideFollowsItsZone(qtui::QtPlatform& platform, Shots& shots) {
  common::Program prog;
  app::Windows windows(prog, platform);
  auto& input = windows.frmEgyCalInput();
  auto& airSide = windows.frmSIZn();
  input.Show();
  input.txtNZn.SetText("2");
  input.cmdEntNZn.Click();
  const char* names[] = {"North wing", "South wing"};
  const char* values[2][6] = {{"40", "48.5", "3.2", "750", "4.5", "2.1"}, {"25", "31", "1.8", "500", "2.2", "1.3"}};
  for (int z = 0; z < 2; ++z) {
    input.cboZNo.SetListIndex(z);
    input.txtZnNam.SetText(names[z]);
    input.txtNRmIZ.SetText("1");
    input.cmdEntNRm.Click();
    shots.WhenShown(airSide, [&, z] {
      airSide.cboASTyp.SetListIndex(z == 0 ? 1 : 3);
      airSide.cboFATyp.SetListIndex(z == 0 ? 1 : 2);
      for (size_t i = 0; i < 6; ++i) airSide.txtZnRmD[i].SetText(values[z][i]);
      Settle();
      shots.Window(airSide, "01-airside-zone" + std::to_string(z + 1) + "-entered");
      airSide.cmdSaQ.Click();
    });
    input.cmdEAC.Click();
  }
  input.cboZNo.SetListIndex(0);
  Settle();
  shots.Window(input, "02-two-zones-zone1-shown");
  shots.Answer(QMessageBox::Ok, "03-delete-zone1-question");
  input.cmdDZn.Click();
  input.cboZNo.SetListIndex(0);
  Settle();
  shots.Window(input, "04-after-delete-remaining-zone");
  shots.WhenShown(airSide, [&] {
    Settle();
    shots.Window(airSide, "05-airside-of-remaining-zone");
    airSide.mnuFExit.Click();
  });
  input.cmdEAC.Click();
  shots.Answer(QMessageBox::No);
  input.mnuFReturn.Click();
}

// A construction that components use is deleted from Edit > Fabric
// Constructions and the constructions saved on Exit.
void ConstructionDeletedWhileInUse(qtui::QtPlatform& platform, Shots& shots, const std::string& project) {
  std::filesystem::create_directories(project);
  common::ConstructionTables tables = energytest::SomeConstructions(3);
  tables.ConsName[1] = "Brick cavity wall";
  tables.ConsName[2] = "Double glazing";
  tables.ConsName[3] = "Concrete slab";
  std::string error;
  if (!energy_input::WriteConstructionFile(project + "T.CON", tables, error)) std::cerr << error << "\n";

  common::Program prog;
  prog.building.Bldg.ProjName = "Tower";
  prog.building.Bldg.ProjFile = "T.PRJ";
  prog.building.ProjDir = project;
  auto& m = prog.energyInput.EgyModel;
  m.ZnName[1] = "Office floor";
  m.ZnNIdent[1] = 1;
  m.ZnNRm[1] = 1;
  m.RmName[1][1] = "Open plan";
  m.RmType[1][1] = 1;
  m.RmNFab[1][1] = 4;
  const char* comps[] = {"North wall", "South window", "East window", "Floor slab"};
  const int consNo[] = {1, 2, 2, 3};
  const int types[] = {3, 2, 2, 4};
  const int orient[] = {1, 5, 3, 9};
  for (int c = 1; c <= 4; ++c) {
    m.FabName[1][1][c] = comps[c - 1];
    m.FabArea[1][1][c] = 12.5f * static_cast<float>(c);
    m.FabCons[1][1][c] = static_cast<common::Integer>(consNo[c - 1]);
    m.FabType[1][1][c] = static_cast<common::Integer>(types[c - 1]);
    m.FabOrient[1][1][c] = static_cast<common::Integer>(orient[c - 1]);
  }

  app::Windows windows(prog, platform);
  auto& input = windows.frmEgyCalInput();
  auto& cons = windows.frmSelCons();
  input.Show();
  input.txtNZn.SetText("1");
  input.cmdEntNZn.Click();
  input.cboRmNo.SetListIndex(0);
  input.cboFabComp.SetListIndex(1);
  Settle();
  shots.Window(input, "06-component-uses-construction-2");
  shots.WhenShown(cons, [&] {
    cons.lstCons.SetListIndex(2);
    Settle();
    shots.Window(cons, "07-construction-2-loaded");
    shots.Answer(QMessageBox::Ok, "08-delete-construction-question");
    shots.Answer(QMessageBox::Ok, "09-components-that-will-lose-it");
    cons.cmdDel.Click();
    Settle();
    shots.Window(cons, "10-construction-window-after-delete");
    shots.Answer(QMessageBox::Yes);
    cons.mnuExit.Click();
  });
  input.mnuEConstr.Click();
  Settle();
  shots.Window(input, "11-component-after-delete");
  input.cboFabComp.SetListIndex(3);
  Settle();
  shots.Window(input, "12-floor-follows-renumbering");
  shots.Answer(QMessageBox::No);
  input.mnuFReturn.Click();
}

// A mask generated and saved, then a Generate refused for its area.
void FailedGenerate(qtui::QtPlatform& platform, Shots& shots, const std::string& project) {
  common::Program prog;
  prog.building.ProjDir = project;
  app::Windows windows(prog, platform);
  auto& mask = windows.frmShMask();
  mask.Show();
  mask.cboOri.SetListIndex(5);
  mask.txtWW.SetText("1.2");
  mask.txtWH.SetText("2");
  mask.txtOP.SetText("0.5");
  mask.txtShMaskFNam.SetText("SouthWin");
  mask.cmdGO.Click();
  Settle();
  shots.Window(mask, "13-mask-generated-and-saved");
  mask.txtWW.SetText("0");
  shots.Answer(QMessageBox::Ok, "14-window-area-message");
  mask.cmdGO.Click();
  Settle();
  shots.Window(mask, "15-after-failed-generate");
  mask.mnuAExit.Click();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::cerr << "usage: energy_input_shots <folder for the pictures>\n";
    return 2;
  }
  std::cout << std::unitbuf;
  QApplication app(argc, argv);
  QApplication::setApplicationName("Ostrevo");
  const std::string folder = argv[1];
  std::filesystem::create_directories(folder);
  std::string tmpl = (std::filesystem::temp_directory_path() / "ostrevo-shots-XXXXXX").string();
  if (mkdtemp(tmpl.data()) == nullptr) return 1;
  const std::string project = tmpl + "/";
  std::filesystem::current_path(project);

  qtui::QtPlatform platform;
  platform.SetEndWhenLastFormUnloaded(false);
  Shots shots(platform, folder);
  AirSideFollowsItsZone(platform, shots);
  ConstructionDeletedWhileInUse(platform, shots, project);
  FailedGenerate(platform, shots, project);
  // The file keeps the mask saved before the refused Generate.
  std::ifstream saved(project + "SouthWin.SHM");
  std::string line;
  for (int n = 1; std::getline(saved, line); ++n)
    if (n == 41 || n == 42 || n == 49) std::cout << "SouthWin.SHM line " << n << ": " << line << "\n";
  std::filesystem::remove_all(project);
  return 0;
}
