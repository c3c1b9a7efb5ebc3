#include "app/windows.h"

#include <initializer_list>

namespace app {

Windows::Windows(common::Program& prog, forms::Platform& platform) : prog_(prog), platform_(platform) {
  platform_.SetProjectFolder([&prog] {
    const auto& b = prog.building;
    return b.ProjDir.empty() ? b.DataDir : b.ProjDir;
  });
}

Windows::~Windows() { platform_.SetProjectFolder(nullptr); }

bool Windows::CloseProjectWindows() {
  if (egyCalInput_ && egyCalInput_->IsLoaded()) {
    egyCalInput_->UserClose();
    if (egyCalInput_->IsLoaded()) return false;
  }
  for (forms::Form* shown : std::initializer_list<forms::Form*>{bldgSysInput_.get(), shMask_.get(), result_.get(),
                                                                charts_.get(), lccResult_.get()})
    if (shown) shown->Unload();
  return true;
}

building::frmBldgSysInput& Windows::frmBldgSysInput() {
  if (!bldgSysInput_)
    bldgSysInput_ = std::make_unique<building::frmBldgSysInput>(prog_, platform_, frmAddGroup(), [this] {
      if (main_) main_->Show();
    });
  return *bldgSysInput_;
}

building::frmAddGroup& Windows::frmAddGroup() {
  if (!addGroup_)
    addGroup_ =
        std::make_unique<building::frmAddGroup>(prog_, platform_, [this]() -> forms::Form& { return frmGroupComp(); });
  return *addGroup_;
}

building::frmGroupComp& Windows::frmGroupComp() {
  if (!groupComp_) {
    building::GroupCompLinks links;
    links.elmSelect = [this]() -> building::frmElmSelect& { return frmElmSelect(); };
    links.matLib = [this]() -> building::frmMatLib& { return frmMatLib(); };
    links.inpMatData = [this]() -> building::frmInpMatData& { return frmInpMatData(); };
    links.selCons = [this]() -> forms::Form& { return frmSelCons(); };
    groupComp_ = std::make_unique<building::frmGroupComp>(prog_, platform_, std::move(links));
  }
  return *groupComp_;
}

building::frmElmSelect& Windows::frmElmSelect() {
  if (!elmSelect_) elmSelect_ = std::make_unique<building::frmElmSelect>(prog_, platform_);
  return *elmSelect_;
}

building::frmMatLib& Windows::frmMatLib() {
  if (!matLib_) matLib_ = std::make_unique<building::frmMatLib>(prog_, platform_);
  return *matLib_;
}

building::frmInpMatData& Windows::frmInpMatData() {
  if (!inpMatData_)
    inpMatData_ = std::make_unique<building::frmInpMatData>(prog_, platform_,
                                                            [this]() -> building::frmMatLib& { return frmMatLib(); });
  return *inpMatData_;
}
energy_input::frmEgyCalInput& Windows::frmEgyCalInput() {
  if (!egyCalInput_) {
    energy_input::frmEgyCalInput::Windows opens;
    opens.frmSelCons = [this]() -> forms::Form& { return frmSelCons(); };
    opens.frmShMask = [this]() -> forms::Form& { return frmShMask(); };
    opens.frmSIZn = [this]() -> forms::Form& { return frmSIZn(); };
    opens.frmCPlt = [this]() -> forms::Form& { return frmCPlt(); };
    egyCalInput_ = std::make_unique<energy_input::frmEgyCalInput>(prog_, platform_, std::move(opens));
  }
  return *egyCalInput_;
}

energy_input::frmSelCons& Windows::frmSelCons() {
  if (!selCons_) {
    selCons_ = std::make_unique<energy_input::frmSelCons>(prog_, platform_, [this]() -> forms::Form& {
      // Asked for as the constructions window opens the picker, which then
      // picks any material: no generic element's context.
      building::frmMatLib& picker = frmMatLib();
      picker.SetContext("", "");
      return picker;
    });
    // An open energy modelling input edits its own copy of the energy model:
    // the deleted constructions are told from it and, once saved, renumber it.
    selCons_->OpenEnergyModel = [this]() -> const common::EnergyModel* {
      return egyCalInput_ && egyCalInput_->IsLoaded() ? &egyCalInput_->WorkingModel() : nullptr;
    };
    selCons_->OnConstructionsDeleted = [this](const std::vector<int>& deleted) {
      if (egyCalInput_) egyCalInput_->ConstructionsDeleted(deleted);
    };
  }
  return *selCons_;
}

energy_input::frmShMask& Windows::frmShMask() {
  if (!shMask_) shMask_ = std::make_unique<energy_input::frmShMask>(prog_, platform_);
  return *shMask_;
}

energy_input::frmSIZn& Windows::frmSIZn() {
  if (!siZn_) siZn_ = std::make_unique<energy_input::frmSIZn>(prog_, platform_);
  return *siZn_;
}

assessment::frmCostPara& Windows::frmCostPara() {
  if (!costPara_) costPara_ = std::make_unique<assessment::frmCostPara>(prog_, platform_);
  return *costPara_;
}

assessment::frmNormWgt& Windows::frmNormWgt() {
  if (!normWgt_) normWgt_ = std::make_unique<assessment::frmNormWgt>(prog_, platform_, frmCostPara());
  return *normWgt_;
}

simulation::frmEgyCal& Windows::frmEgyCal() {
  if (!egyCal_) egyCal_ = std::make_unique<simulation::frmEgyCal>(prog_, platform_);
  return *egyCal_;
}
simulation::frmEgyResult& Windows::frmEgyResult() {
  if (!egyResult_) egyResult_ = std::make_unique<simulation::frmEgyResult>(prog_, platform_);
  return *egyResult_;
}

assessment::frmLCCResult& Windows::frmLCCResult() {
  if (!lccResult_) lccResult_ = std::make_unique<assessment::frmLCCResult>(prog_, platform_);
  return *lccResult_;
}

assessment::frmResult& Windows::frmResult() {
  if (!result_) result_ = std::make_unique<assessment::frmResult>(prog_, platform_, [this] { frmCharts().Show(); });
  return *result_;
}

assessment::frmCharts& Windows::frmCharts() {
  if (!charts_) charts_ = std::make_unique<assessment::frmCharts>(prog_, platform_);
  return *charts_;
}

plant_input::frmCPlt& Windows::frmCPlt() {
  if (!cplt_) cplt_ = std::make_unique<plant_input::frmCPlt>(prog_, platform_);
  return *cplt_;
}

}  // namespace app
