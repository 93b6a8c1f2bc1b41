#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>

#include "platform/host_path.h"
#include "platform/ini_file.h"
#include "platform/scripted_ui.h"
#include "settings/ini_form.h"
#include "support/golden.h"
#include "support/temp_dir.h"

namespace vx {
namespace {

using Binary = std::function<int(int, int)>;

// The demo's WW logic as its Logic.ini describes it: strong Kleene on 10 (true), 30
// (undecidable) and 20 (false), ordered by truth 20 < 30 < 10, with 40 absorbing.
int Degree(int code) {
    return code == 20 ? 0 : code == 30 ? 1 : 2;
}
int Neg(int a) {
    return a == 10 ? 20 : a == 20 ? 10 : a;
}
int And(int a, int b) {
    return a == 40 || b == 40 ? 40 : Degree(a) <= Degree(b) ? a : b;
}
int Or(int a, int b) {
    return a == 40 || b == 40 ? 40 : Degree(a) >= Degree(b) ? a : b;
}
int Imp(int a, int b) {
    return Or(Neg(a), b);
}
int Eqv(int a, int b) {
    return And(Imp(a, b), Imp(b, a));
}

// EW and DW: classical on their first two values, 40 absorbing.
std::vector<Binary> Classical(int t) {
    const auto absorbing = [](Binary f) {
        return [f](int a, int b) { return a == 40 || b == 40 ? 40 : f(a, b); };
    };
    const int f = t + 10;
    return {absorbing([=](int a, int b) { return a == t && b == t ? t : f; }),
            absorbing([=](int a, int b) { return a == t || b == t ? t : f; }),
            absorbing([=](int a, int b) { return a == f || b == t ? t : f; }),
            absorbing([=](int a, int b) { return a == b ? t : f; })};
}

class DemoLogic : public testing::Test {
protected:
    DemoLogic() {
        ini = std::make_unique<TIniForm>(ui, app, ToSystemPath(test::DemoDir()) + "\\System\\vx");
        ui.ClearRecords();
        ini->SessionName = "Breakfast";
    }

    void ExpectTable(const TXW_Type& type, int j, const Binary& f) {
        for (int p = 1; p <= type.Valence; ++p) {
            for (int q = 1; q <= type.Valence; ++q) {
                const auto& row = type.BinaryRow(j, p, q);
                EXPECT_EQ(row[2], f(row[0], row[1]))
                    << type.Name << " " << type.LogRels.BinLogRel[j].Sign.str() << " " << row[0]
                    << "," << row[1];
            }
        }
    }

    ScriptedUi ui;
    TApplication app;
    std::unique_ptr<TIniForm> ini;
};

TEST_F(DemoLogic, WWIsStrongKleeneWithAnAbsorbingFourthValue) {
    ASSERT_EQ(ini->Read2BRIni(), 1);
    const TXW_Type& ww = ini->Logic.WWType;
    ASSERT_EQ(ww.Valence, 4);
    EXPECT_EQ(ww.ValueItp[3], "Unentscheidbar");
    for (int j = 1; j <= 4; ++j) {
        EXPECT_EQ(ww.LogRels.BinLogRel[j].Sign.str(), ini->DefaultBinaryOps[j].Sign);
        EXPECT_EQ(ww.LogRels.BinLogRel[j].Name.str(), ini->DefaultBinaryOps[j].Name);
    }
    EXPECT_EQ(ww.LogRels.UnLogRel[1].Sign.str(), "~");
    for (int p = 1; p <= 4; ++p) {
        EXPECT_EQ(ww.UnaryRow(1, p)[1], Neg(ww.ValueCode[p]));
        EXPECT_EQ(ww.TwiceRow(1, p)[1], ww.ValueCode[p]);
    }
    ExpectTable(ww, 1, And);
    ExpectTable(ww, 2, Or);
    ExpectTable(ww, 3, Imp);
    ExpectTable(ww, 4, Eqv);
}

TEST_F(DemoLogic, EWAndDWAreTwoValuedWithTheSameAbsorbingValue) {
    ASSERT_EQ(ini->Read2BRIni(), 1);
    for (const TXW_Type* type : {&ini->Logic.EWType, &ini->Logic.DWType}) {
        ASSERT_EQ(type->Valence, 3);
        EXPECT_EQ(type->ValueCode[3], 40);
        const auto tables = Classical(type->ValueCode[1]);
        for (int j = 1; j <= 4; ++j) {
            ExpectTable(*type, j, tables[static_cast<std::size_t>(j - 1)]);
        }
        EXPECT_EQ(type->UnaryRow(1, 1)[1], type->ValueCode[2]);
        EXPECT_EQ(type->LogRels.UnLogRel[1].MultiRes, -1);
    }
}

TEST_F(DemoLogic, TheRangeLogicListsThePossibleResultsOfTwoPossibleStatements) {
    ASSERT_EQ(ini->Read2BRIni(), 1);
    const TXW_Type& sw = ini->Logic.RLTypes[1];
    ASSERT_EQ(sw.Name, "SW");
    const int possible = sw.PositionOf(30);
    const auto conjunction = sw.BinaryRow(1, possible, possible);
    const auto disjunction = sw.BinaryRow(2, possible, possible);
    EXPECT_EQ(std::vector<int>(conjunction.begin() + 2, conjunction.end()),
              (std::vector<int>{20, 30, 0, 0}));
    EXPECT_EQ(std::vector<int>(disjunction.begin() + 2, disjunction.end()),
              (std::vector<int>{10, 30, 0, 0}));
    EXPECT_EQ(sw.LogRels.BinLogRel[1].MultiRes, 1);
    EXPECT_EQ(sw.BinaryRow(1, sw.PositionOf(10), possible)[2], 30);
    EXPECT_EQ(sw.BinaryRow(2, sw.PositionOf(20), possible)[2], 30);
    EXPECT_EQ(sw.UnaryRow(1, possible)[1], 30);
}

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
