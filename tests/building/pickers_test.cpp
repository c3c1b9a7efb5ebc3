// The element-type picker, the material picker and the material and
// thickness dialog, each shown modally with a scripted user.
#include <gtest/gtest.h>

#include "element_editor_fixture.h"

namespace {

using forms::Form;

class Pickers : public elmtest::ElementEditor {
 protected:
  Pickers() {
    folder.Write("data/FABRIC/FABRIC.ELB",
                 elmtest::LibraryHeader("Wall Types") + elmtest::LibraryRecord("0", "Generic Element", {}) +
                     elmtest::LibraryRecord("3", "Brick WALL", {}) + elmtest::LibraryRecord("1", "Slab", {}) +
                     elmtest::LibraryRecord("9", "Curtain wall", {}) + elmtest::LibraryRecord("4", "Roof", {}));
  }

  // Shows the element-type picker with `script` as the user; returns what
  // it left in SelItemNo and SelItemName.
  std::pair<int, std::string> RunElmSelect(std::function<void(building::frmElmSelect&)> script) {
    platform.OnModal("frmElmSelect", [script](Form& f) {
      auto& p = static_cast<building::frmElmSelect&>(f);
      script(p);
      if (p.IsLoaded()) p.UserClose();
    });
    elmSelect->Show(true);
    return {st.SelItemNo, st.SelItemName};
  }

  std::pair<int, std::string> RunMatLib(std::function<void(building::frmMatLib&)> script) {
    platform.OnModal("frmMatLib", [script](Form& f) {
      auto& p = static_cast<building::frmMatLib&>(f);
      script(p);
      if (p.IsLoaded()) p.UserClose();
    });
    matLib->Show(true);
    return {st.SelItemNo, st.SelItemName};
  }
};

// ---- the element-type picker ----

TEST_F(Pickers, ElementTypeSearch) {
  st.SelItemNo = 5;
  st.SelItemName = "before";
  auto got = RunElmSelect([](building::frmElmSelect& p) {
    EXPECT_EQ(p.txtElmTypHead.Text(), "Wall Types");
    ASSERT_EQ(p.lstElmTypNam.ListCount(), 5);
    p.cmdSrch.Click();  // nothing typed: nothing happens
    EXPECT_EQ(p.lstElmTypNam.ListIndex(), -1);
    p.txtSrch.SetText("WALL");
    p.cmdSrch.Click();
    EXPECT_EQ(p.lstElmTypNam.ListIndex(), 1);
    p.txtSrch.SetText("roof");  // Next keeps searching for the text of the last Find
    p.cmdNX.Click();
    EXPECT_EQ(p.lstElmTypNam.ListIndex(), 3);
    p.cmdNX.Click();  // no further match: nothing changes
    EXPECT_EQ(p.lstElmTypNam.ListIndex(), 3);
    p.txtSrch.SetText("beam");
    p.cmdSrch.Click();  // no match, no message
    EXPECT_EQ(p.lstElmTypNam.ListIndex(), 3);
    p.cmdOK.Click();
  });
  EXPECT_EQ(got, std::make_pair(9, std::string("Curtain wall")));
}

TEST_F(Pickers, ElementTypeReturns) {
  struct Case {
    const char* what;
    std::function<void(building::frmElmSelect&)> script;
    int no;
    std::string name;
  } cases[] = {
      {"Ignore then OK",
       [](auto& p) {
         p.lstElmTypNam.SetListIndex(2);
         p.cmdIgnore.Click();
         p.cmdOK.Click();
       },
       -1, "before"},
      {"closed by its frame", [](auto& p) { p.lstElmTypNam.SetListIndex(2); }, 5, "before"},
      {"Next right after opening",
       [](auto& p) {
         p.cmdNX.Click();
         p.cmdOK.Click();
       },
       3, "Brick WALL"},
      {"double-click",
       [](auto& p) {
         p.lstElmTypNam.SetListIndex(4);
         p.lstElmTypNam.DblClick();
       },
       4, "Roof"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    st.SelItemNo = 5;
    st.SelItemName = "before";
    EXPECT_EQ(RunElmSelect(c.script), std::make_pair(c.no, c.name));
  }
}

TEST_F(Pickers, ElementTypeReopensWithAFreshSearch) {
  RunElmSelect([](auto& p) {
    p.txtSrch.SetText("wall");
    p.cmdSrch.Click();
    p.cmdNX.Click();
    p.cmdOK.Click();
  });
  RunElmSelect([](auto& p) {
    EXPECT_EQ(p.txtSrch.Text(), "");
    EXPECT_EQ(p.lstElmTypNam.ListIndex(), -1);
    p.cmdNX.Click();  // the empty search matches every row: row 1 follows row 0
    EXPECT_EQ(p.lstElmTypNam.ListIndex(), 1);
    p.cmdOK.Click();
  });
}

TEST_F(Pickers, ElementTypeLibraryMissing) {
  UseGroup(300);
  platform.ExpectMessage(building::LibraryNotOpenedMessage(st.MechLibFile));
  auto got = RunElmSelect([](auto& p) {
    EXPECT_EQ(p.lstElmTypNam.ListCount(), 0);
    p.cmdOK.Click();
  });
  EXPECT_EQ(got.first, -1);
}

// ---- the material picker ----

TEST_F(Pickers, MaterialListLayout) {
  st.FileType = 220;
  RunMatLib([](building::frmMatLib& p) {
    ASSERT_EQ(p.lstMatData.ListCount(), 7);
    EXPECT_EQ(p.lstMatData.List(0), "3 Building Materials in Library");
    EXPECT_EQ(p.lstMatData.List(1), building::MaterialRowText(12, "Concrete", "m3"));
    EXPECT_EQ(p.lstMatData.List(1).size(), 55u);
    EXPECT_EQ(p.lstMatData.List(1).substr(0, 13), "12   Concrete");
    EXPECT_EQ(p.lstMatData.List(4), "2 Services Materials in Library");
    EXPECT_EQ(p.lstMatData.List(5).substr(0, 15), "201  Steel pipe");
    EXPECT_EQ(p.lblNo.Caption().find("Unit"), 45u);
    p.cmdSM.Click();
    EXPECT_EQ(p.lstMatData.ListIndex(), 4);
    p.cmdBM.Click();
    EXPECT_EQ(p.lstMatData.ListIndex(), 0);
    p.cmdClose.Click();
  });
  EXPECT_EQ(building::MaterialRowText(1, std::string(45, 'x'), "kg").size(), 55u);  // long names are cut
}

TEST_F(Pickers, MaterialReturns) {
  struct Case {
    const char* what;
    int fileType;
    std::function<void(building::frmMatLib&)> script;
    int no;
    std::string name;
  } cases[] = {
      {"a services row", 220,
       [](auto& p) {
         p.lstMatData.SetListIndex(5);
         p.cmdClose.Click();
       },
       201, "Steel pipe (m)"},
      {"a header row", 220,
       [](auto& p) {
         p.lstMatData.SetListIndex(4);
         p.cmdClose.Click();
       },
       -1, "caller"},
      {"Ignore then OK", 220,
       [](auto& p) {
         p.lstMatData.SetListIndex(2);
         p.cmdIgnore.Click();
         p.cmdClose.Click();
       },
       -1, "caller"},
      {"nothing chosen", 220, [](auto& p) { p.cmdClose.Click(); }, -1, "caller"},
      {"double-click", 220,
       [](auto& p) {
         p.lstMatData.SetListIndex(2);
         p.lstMatData.DblClick();
       },
       20, "Rebar (kg)"},
      {"floor component files list no services", 210,
       [](auto& p) {
         EXPECT_EQ(p.lstMatData.ListCount(), 4);
         p.cmdSM.Click();
         EXPECT_EQ(p.lstMatData.ListIndex(), 0);
         p.cmdClose.Click();
       },
       -1, "caller"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    st.FileType = static_cast<common::Integer>(c.fileType);
    st.SelItemNo = -1;
    st.SelItemName = "caller";
    EXPECT_EQ(RunMatLib(c.script), std::make_pair(c.no, c.name));
  }
}

TEST_F(Pickers, MaterialSearch) {
  st.FileType = 220;
  st.SelItemNo = -1;
  auto got = RunMatLib([](building::frmMatLib& p) {
    p.cmdNX.Click();  // before any Find: nothing
    EXPECT_EQ(p.lstMatData.ListIndex(), -1);
    p.cmdSrch.Click();  // an empty text matches every row
    EXPECT_EQ(p.lstMatData.ListIndex(), 1);
    p.txtSrch.SetText("PIPE");
    p.cmdSrch.Click();
    EXPECT_EQ(p.lstMatData.ListIndex(), 5);
    p.cmdNX.Click();
    EXPECT_EQ(p.lstMatData.ListIndex(), 6);
    p.cmdNX.Click();  // the end of the list: no wrap
    EXPECT_EQ(p.lstMatData.ListIndex(), 6);
    p.cmdClose.Click();
  });
  EXPECT_EQ(got, std::make_pair(202, std::string("Copper pipe (m)")));
}

// Services materials are refused for the material rows of a generic
// element outside a services group; the message keeps the window open.
TEST_F(Pickers, ServicesRowsForAGenericElement) {
  struct Case {
    std::string elmTypeStr, grpKind;
    bool refused;
  } cases[] = {{"0", "Floor", true}, {"0", "Foundation", true}, {"0", "Services", false}, {"", "", false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.elmTypeStr + "/" + c.grpKind);
    st.FileType = 220;
    st.SelItemNo = -1;
    matLib->ElmTypeStr = c.elmTypeStr;
    matLib->GrpKindStr = c.grpKind;
    if (c.refused) platform.ExpectMessage("This choice is not allowed when the Generic Element Type is chosen!");
    auto got = RunMatLib([&](building::frmMatLib& p) {
      EXPECT_TRUE(p.Selectable(1));
      p.lstMatData.SetListIndex(6);
      p.cmdClose.Click();
      EXPECT_EQ(p.IsLoaded(), c.refused);
    });
    EXPECT_EQ(got.first, c.refused ? -1 : 202);
  }
}

TEST_F(Pickers, MaterialTableCountsBeyondTheTableAreCut) {
  prog.assess.mat.MatListNo[0] = 600;  // not a count a loaded table can hold
  st.FileType = 220;
  RunMatLib([](building::frmMatLib& p) {
    EXPECT_EQ(p.lstMatData.ListCount(), 511);
    p.cmdClose.Click();
  });
}

// ---- the material and thickness dialog ----

class MaterialDialog : public Pickers {
 protected:
  void Run(int mode, std::function<void(building::frmInpMatData&)> script) {
    st.InpMatMode = static_cast<common::Integer>(mode);
    st.CurElm.ElmName = "Wall A";
    platform.OnModal("frmInpMatData", [script](Form& f) {
      auto& d = static_cast<building::frmInpMatData&>(f);
      script(d);
      if (d.IsLoaded()) d.UserClose();
    });
    inpMatData->Show(true);
  }
};

TEST_F(MaterialDialog, MaterialMode) {
  st.SelItemNo = -1;
  PickMaterialNext(12);
  PickMaterialNext(0);  // the second Select closes the picker without a choice
  Run(1, [](building::frmInpMatData& d) {
    EXPECT_EQ(d.lblElmNam.Caption(), "Select Dominant Material for Element: Wall A");
    EXPECT_EQ(d.lblMatProp.Caption(), "Material No.:");
    EXPECT_TRUE(d.cmdSel.Visible());
    d.cmdSel.Click();
    EXPECT_EQ(d.txtMatProp.Text(), "12");
    EXPECT_EQ(d.txtMatNam.Text(), "Concrete");
    EXPECT_EQ(d.txtProp[0].Text(), "1012");
    EXPECT_EQ(d.txtProp[1].Text(), "0.12");
    EXPECT_EQ(d.txtProp[2].Text(), "812");
    d.cmdSel.Click();
    EXPECT_EQ(d.txtMatNam.Text(), "Concrete");
    d.cmdReturn.Click();
  });
  EXPECT_EQ(st.SelItemNo, 12);
  EXPECT_EQ(st.SelItemName, "Concrete");
}

TEST_F(MaterialDialog, MaterialModeWithoutSelect) {
  struct Case {
    std::string typed;
    int no;
  } cases[] = {{"", 0}, {"120", 120}, {"2.5", 2}, {"99999", 0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.typed);
    st.SelItemNo = -1;
    st.SelItemName = "x";
    Run(1, [&](building::frmInpMatData& d) {
      d.txtMatProp.SetText(c.typed);
      d.cmdReturn.Click();
    });
    EXPECT_EQ(st.SelItemNo, c.no);
    EXPECT_EQ(st.SelItemName, "");
  }
}

TEST_F(MaterialDialog, ThicknessMode) {
  struct Case {
    std::string typed;
    float thickness;
  } cases[] = {{"0.15", 0.15f}, {"15 cm", 15}, {"", 0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.typed);
    st.InpMatThk = 0;
    Run(0, [&](building::frmInpMatData& d) {
      EXPECT_EQ(d.lblElmNam.Caption(), "Input Thickness of Element: Wall A");
      EXPECT_EQ(d.lblMatProp.Caption(), "Thickness (m):");
      EXPECT_FALSE(d.cmdSel.Visible() || d.txtMatNam.Visible() || d.txtProp[2].Visible() || d.Label3.Visible());
      d.txtMatProp.SetText(c.typed);
      d.cmdReturn.Click();
    });
    EXPECT_EQ(st.InpMatThk, c.thickness);
  }
  st.InpMatThk = 0;
  Run(0, [](building::frmInpMatData& d) { d.txtMatProp.SetText("0.2"); });  // closed by its frame
  EXPECT_EQ(st.InpMatThk, 0);
  st.SelItemNo = -1;
  Run(1, [](building::frmInpMatData& d) { EXPECT_TRUE(d.cmdSel.Visible() && d.txtProp[0].Visible()); });
}

}  // namespace
