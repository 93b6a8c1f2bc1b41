#include <gtest/gtest.h>

#include <memory>

#include "platform/errors.h"
#include "platform/ini_file.h"
#include "platform/scripted_ui.h"
#include "settings/ini_form.h"
#include "support/golden.h"
#include "support/temp_dir.h"

namespace vx {
namespace {

TEST(TwoBRLoading, ANewSessionKeepsNothingOfThePreviousOne) {
    test::TempInstallation install;
    const auto demoIni = test::DemoDir() / "Sessions" / "_2BR_Breakfast" / "ini";
    test::CopyTree(demoIni, install.path() / "Sessions" / "_2BR_Breakfast" / "ini");
    test::CopyTree(demoIni, install.path() / "Sessions" / "_2BR_Plain" / "ini");
    IniFile(install.SystemPath() + "Sessions\\_2BR_Plain\\ini\\Main.ini")
        .WriteString("meta_main", "Ini_File_Logic", "NO");
    ScriptedUi ui;
    TApplication app;
    auto ini = std::make_unique<TIniForm>(ui, app, install.ProgramFileName());
    ini->SessionName = "Breakfast";
    ASSERT_EQ(ini->Read2BRIni(), 1);
    // The demo's tables in full are the golden folder logic/demo_tables; here the rows of its
    // WW type (values 10, 20, 30, 40): positions outside the valence and operators outside the
    // table are refused, as row (1 - 1) * 4 + 5 would be a row of another left value.
    const TXW_Type& ww = ini->Logic.WWType;
    EXPECT_EQ(ww.PositionOf(30), 3);
    EXPECT_EQ(ww.PositionOf(0) + ww.PositionOf(50), 0);  // 0: the cells beyond the valence
    EXPECT_EQ(TXW_Type::BinaryRowIndex(5, 5, 5), kMaxTableRows);
    EXPECT_THROW(ww.UnaryRow(1, 5), IndexError);
    EXPECT_THROW(ww.UnaryRow(1, 0), IndexError);
    EXPECT_THROW(ww.BinaryRow(1, 1, 5), IndexError);
    EXPECT_THROW(ww.TwiceRow(10, 1), IndexError);
    ini->Logic.UpdSEInfo[1].UpdStrategy = "from the first session";
    ini->SessionName = "Plain";
    ASSERT_EQ(ini->Read2BRIni(), 1);
    EXPECT_EQ(ini->Logic.WWType.Name, "");
    EXPECT_EQ(ini->Logic.WWType.LogRels.BinLogRel[1].Table[2][2], 0);
    EXPECT_EQ(ini->Logic.RLTypes[1].Valence, 0);
    EXPECT_EQ(ini->Logic.UpdSEInfo[1].UpdStrategy, "");
    EXPECT_EQ(ini->Logic.RangeArrays.Arrays[1].Def[1], "Montag");
    EXPECT_EQ(ini->DefaultBinaryOps[4].Sign, "<=>");
    EXPECT_EQ(ini->BR2IniPath, ini->SessionsPath + "_2BR_Plain\\ini");
}

}  // namespace
}  // namespace vx
