#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/text_list.h"
#include "support/golden.h"
#include "upgrade_fixture.h"

namespace vx {
namespace {

namespace fs = std::filesystem;

const std::string kNoteUserDVXR =
    "Wenn Sie DVXR von usern oder Gruppen einbinden wollen fuegen sie diese in ihre "
    "\\Lists\\Fixed_dynRules_2BR.txt ein und druecken OK.\r \rIf You want to add DVXRs from users "
    "or groups add them in your \\Lists\\Fixed_dynRules_2BR.txt and then click OK. ";
const std::string kMsgDynRulesFailed =
    "vx -Lists : Fehler entweder beim Oeffnenen der Fixed_dynRules_2BR.txt Datei oder\rein "
    "anderer Fehler ist aufgetreten.Die Erstellung der dynamischen Regeln zur 2BR ist "
    "fehlgeschlagen !";

class DynamicRules : public test::UpgradeTest {};

TEST_F(DynamicRules, TheDemoSessionGetsItsRulesInTheOrderOfTopicAndSentence) {
    OpenMorning();
    // The session lists its sentences out of order; its last line has a rule too.
    session.SessionMemo.Lines = TextList{"//vx2.0b, ", "S254E4EW50: RE5M1,", "S120E1WW10: RE2M1,",
                                         "",           "S254E2WW10: RE3M1,", "S254E3WW10: RE7M1,"};
    EXPECT_EQ(lists.Create2BRdynRulesList(), "ok");
    EXPECT_EQ(ui.Messages, std::vector<std::string>{kNoteUserDVXR});
    EXPECT_EQ(lists.MemoActiveDynRules.Lines.Lines(),
              (std::vector<std::string>{
                  "//vx2.0b, active dynamic rules of the session / aktive dynamische Regeln der "
                  "Session",
                  "//S<topic>E<sentence>: rule of the fixed list, in the order of topic and "
                  "sentence",
                  "S120E1: RUP(VXR1E1,keep . S120E1 // the kettle keeps its value",
                  "S254E2: RUP(VXR1E1,keep . S254E2 // the rain keeps its value",
                  "S254E4: RUP(VXR2E1,EWtoWW . S254E4 // the storm warning becomes a statement", "",
                  "//end of the active dynamic rules"}));
    // The user's list follows the fixed list.
    EXPECT_EQ(lists.MemoFixed_dynRules.Lines[lists.MemoFixed_dynRules.Lines.Count() - 1],
              "RUP(VXR1E1,keep . S1123E1");
    ASSERT_EQ(lists.DynRuleEntries.size(), 3u);
    const TDynRuleEntry& storm = lists.DynRuleEntries[0];
    EXPECT_EQ(storm.Key, "S254E4");
    EXPECT_EQ(storm.BlockText, "Wetter und Arbeitsweg / Weather and the way to work");
    EXPECT_EQ(storm.Owner, "a");
    EXPECT_TRUE(lists.Visible);
    EXPECT_EQ(lists.PageControl.ActivePageIndex, TListsForm::kPageDynRules);

    EXPECT_EQ(lists.AnalyzeOneDVXR(storm.Label), 1);
    EXPECT_EQ(lists.DynRuleEntries[0].Rule.RuleName, "VXR2E1");
    EXPECT_EQ(lists.DynRuleEntries[0].Rule.UpdType, "EWtoWW.");
    EXPECT_EQ(lists.DynRuleEntries[0].RuleFilePath, ini.vxPath + "/Regeln/dynRules2BR/DVXR2E1.txt");
}

TEST_F(DynamicRules, OwnersFollowTheRangesWithStrictBounds) {
    // Demo ranges: author 1..999, users 1001..9999.
    dir.Write("Lists/Fixed_dynRules_2BR.txt",
              "S998:\r\nb\r\nE1\r\nRUP(VXR1E1,keep . S998E1\r\nS999:\r\nb\r\nE1\r\nRUP(VXR1E1,keep "
              ". S999E1\r\nS1500:\r\nb\r\nE1\r\nRUP(VXR1E1,keep . S1500E1\r\nS9999:\r\nb\r\nE1\r\n"
              "RUP(VXR1E1,keep . S9999E1\r\n");
    OpenMorning();
    session.SessionMemo.Lines =
        TextList{"//vx2.0b, ", "S998E1WW10: ", "S999E1WW10: ", "S1500E1WW10: ", "S9999E1WW10: "};
    ASSERT_EQ(lists.Create2BRdynRulesList(), "ok");
    std::vector<std::string> owners, roots;
    for (const TDynRuleEntry& entry : lists.DynRuleEntries) {
        owners.push_back(entry.Owner);
        ASSERT_EQ(lists.AnalyzeOneDVXR(entry.Label), 1);
    }
    EXPECT_EQ(owners, (std::vector<std::string>{"a", "g", "u", "g"}));
    EXPECT_EQ(lists.DynRuleEntries[0].RuleFilePath, ini.vxPath + "/Regeln/dynRules2BR/DVXR1E1.txt");
    EXPECT_EQ(lists.DynRuleEntries[1].RuleFilePath,
              ini.GroupPath + "/Regeln/dynRules2BR/DVXR1E1.txt");
    EXPECT_EQ(lists.DynRuleEntries[2].RuleFilePath,
              ini.UserPath + "/Regeln/dynRules2BR/DVXR1E1.txt");
}

TEST_F(DynamicRules, ASentenceIsLookedUpOnlyInsideItsTopicsBlock) {
    dir.Write("Lists/Fixed_dynRules_2BR.txt",
              "S5:\r\nfive\r\nE2\r\nrule of S5E2\r\nS6:\r\nsix\r\nE1\r\nrule of S6E1\r\n");
    OpenMorning();
    session.SessionMemo.Lines = TextList{"//vx2.0b, ", "S5E1WW10: ", "S6E1WW10: ", "S7E2WW10: "};
    ASSERT_EQ(lists.Create2BRdynRulesList(), "ok");
    ASSERT_EQ(lists.DynRuleEntries.size(), 1u);
    EXPECT_EQ(lists.DynRuleEntries[0].Label, "S6E1: rule of S6E1");
    EXPECT_EQ(lists.DynRuleEntries[0].BlockText, "six");
    // A rule text without an update rule is analysed without storing one.
    EXPECT_EQ(lists.AnalyzeOneDVXR("S6E1: rule of S6E1"), 1);
    EXPECT_EQ(lists.DynRuleEntries[0].RuleFilePath, "");
}

TEST_F(DynamicRules, AMissingListFailsWithTheSentenceBeingProcessed) {
    OpenMorning();
    fs::remove(dir.path() / "Users/usr1101/Lists/Fixed_dynRules_2BR.txt");
    EXPECT_EQ(lists.Create2BRdynRulesList(), "Lists: error on Session SE: S0E0");
    EXPECT_EQ(ui.Messages, (std::vector<std::string>{kNoteUserDVXR, kMsgDynRulesFailed}));
    EXPECT_TRUE(lists.Visible);
}

TEST_F(DynamicRules, TheTableHoldsAtMost1023Entries) {
    std::string fixed = "S1:\r\nblock\r\n";
    TextList lines{"//vx2.0b, "};
    for (int e = 1; e <= 1024; ++e) {
        fixed += "E" + std::to_string(e) + "\r\nRUP(VXR1E1,keep . S1E" + std::to_string(e) + "\r\n";
        lines.Add("S1E" + std::to_string(e) + "WW10: ");
    }
    dir.Write("Lists/Fixed_dynRules_2BR.txt", fixed);
    OpenMorning();
    session.SessionMemo.Lines = lines;
    EXPECT_EQ(lists.Create2BRdynRulesList(), "Lists: error on Session SE: S1E1024");
    EXPECT_EQ(lists.DynRuleEntries.size(), 1023u);
}

TEST_F(DynamicRules, AnUnknownLineOrABrokenRuleStopsTheAnalysis) {
    dir.Write("Lists/Fixed_dynRules_2BR.txt", "S1:\r\nb\r\nE1\r\nRUP(VXR1E1 keep . S1E1\r\n");
    OpenMorning();
    session.SessionMemo.Lines = TextList{"//vx2.0b, ", "S1E1WW10: "};
    ASSERT_EQ(lists.Create2BRdynRulesList(), "ok");
    ui.ClearRecords();
    EXPECT_EQ(lists.AnalyzeOneDVXR("S9E9: unknown"), -1);
    EXPECT_EQ(lists.AnalyzeOneDVXR("S1E1: RUP(VXR1E1 keep . S1E1"), -1);
    EXPECT_EQ(ui.Messages,
              (std::vector<std::string>{
                  "Fehler beim Vergleich der DVXR S9E9: unknown\r oder die max Anzahl an DWPR "
                  "(1023) erreicht.\rDa die Analyse nicht durchgefuehrt werden kann, hier Abbruch.",
                  "S1E1: Comma separator is not directly behind the VXRxy ! Abort of update 2BR "
                  "!"}));
}

// The marker files and ComputeMode of the buttons.
class ListsButtons : public test::UpgradeTest {
protected:
    // A 2BR directory with the example session's ini files, its path set built.
    void Prepare2BR() {
        OpenMorning();
        test::CopyTree(dir.path() / "Sessions/_2BR_Tst_vxDefUpg.txt/ini",
                       dir.path() / "Sessions/_2BR_Morning/ini");
        ini.SessionName = "Morning";
        ASSERT_EQ(ini.Set2BRPaths(), 1);
        ini.IniState = kIniState2BR;
    }
};

TEST_F(ListsButtons, Step1WritesTheTSFileThenTheFinishedOne) {
    OpenMorning();
    lists.Memo_TS_Settings.Lines = TextList{"//TS setting for 1BR, ", "S120E1 (DefWW;;) : TS1"};
    lists.ButtonTSsaveClick();
    EXPECT_EQ(ini.ComputeMode, "1t");
    EXPECT_EQ(Read("Sessions\\Morning.s1t"),
              "//TS setting for 1BR, \r\nS120E1 (DefWW;;) : TS1\r\n");

    lists.Button_Finish_Step1Click();
    EXPECT_EQ(ini.ComputeMode, "1f");
    EXPECT_FALSE(Exists("Sessions\\Morning.s1t"));
    EXPECT_EQ(Read("Sessions\\Morning.s1f"),
              "//TS setting for 1BR, \r\nS120E1 (DefWW;;) : TS1\r\n");
    EXPECT_EQ(ui.Messages, std::vector<std::string>{"temporary TS file deleted OK !"});

    // Finishing again, with no ".s1t" left, deletes nothing and says nothing.
    ui.ClearRecords();
    lists.Button_Finish_Step1Click();
    EXPECT_EQ(ui.Messages, std::vector<std::string>{});
    EXPECT_EQ(ini.ComputeMode, "1f");
}

TEST_F(ListsButtons, AFailedWriteKeepsTheStateAndTheFiles) {
    OpenMorning();
    dir.MakeDir("Sessions/Morning.s1f");  // cannot be replaced by a file
    dir.Write("Sessions/Morning.s1t", "begun\r\n");
    ini.ComputeMode = "1t";
    lists.Memo_TS_Settings.Lines = TextList{"//TS setting for 1BR, "};
    lists.Button_Finish_Step1Click();
    EXPECT_EQ(ui.Messages, std::vector<std::string>{
                               "Die Datei konnte nicht gespeichert werden.\r___\rThe file couldnt "
                               "be saved."});
    EXPECT_EQ(ini.ComputeMode, "1t");
    EXPECT_EQ(Read("Sessions\\Morning.s1t"), "begun\r\n");
}

TEST_F(ListsButtons, SaveWritesTheExceptionLogicNotTheTSSettings) {
    OpenMorning();
    lists.Memo_TS_Settings.Lines = TextList{"//TS setting for 1BR, "};
    lists.MemoExceptionLogic.Lines = TextList{"exceptions", "S254E4: EW stays EW"};
    lists.Button_SaveClick();
    EXPECT_EQ(Read("Sessions\\Morning.ELo"), "exceptions\r\nS254E4: EW stays EW\r\n");
}

TEST_F(ListsButtons, Step3LoadsTheIniTextsAndItsFinishBeginsStep4) {
    Prepare2BR();
    EXPECT_EQ(lists.ProcessUpgrSE22BR(), 1);
    ASSERT_EQ(ui.Messages.size(), 1u);
    EXPECT_EQ(ui.Messages[0].substr(0, 40), "Die SEupdRules.ini werden in dieser vx V");
    EXPECT_TRUE(lists.Visible);
    EXPECT_EQ(lists.PageControl.ActivePageIndex, TListsForm::kPageStep3UpdateRules);
    EXPECT_EQ(lists.MemoS3updateRules.Lines[3], "[Default_WW]");
    EXPECT_EQ(lists.MemoStep3Logics.Lines.Text(), Read("Sessions\\_2BR_Morning\\ini\\Logic.ini"));

    lists.MemoS3updateRules.Lines.Add("; checked for Morning");
    lists.MemoStep3Ranges.Lines.Add("; ranges checked");
    ui.ClearRecords();
    lists.ButtonFinishSaveUpdRulesClick();
    EXPECT_EQ(ui.Messages,
              std::vector<std::string>{"Fahren sie im upgrade mit Step4 fort.\r___\rGo on with "
                                       "upgrade Step4."});
    EXPECT_EQ(ini.ComputeMode, "4t");
    EXPECT_EQ(lists.PageControl.ActivePageIndex, TListsForm::kPageStep4Mapping);
    EXPECT_EQ(Read("Sessions\\_2BR_Morning\\ini\\SEupdRules.ini"),
              lists.MemoS3updateRules.Lines.Text());
    EXPECT_EQ(Read("Sessions\\_2BR_Morning\\ini\\RangeArrays.ini"),
              lists.MemoStep3Ranges.Lines.Text());
    EXPECT_TRUE(Exists("Sessions\\_2BR_Morning\\Morning.mpt"));
    EXPECT_EQ(Read("Sessions\\_2BR_Morning\\Morning.mpt"), "");

    // A mapping begun earlier survives finishing step 3 again.
    dir.Write("Sessions/_2BR_Morning/Morning.mpt", "S120E1 -> DefWW\r\n");
    lists.ButtonFinishSaveUpdRulesClick();
    EXPECT_EQ(Read("Sessions\\_2BR_Morning\\Morning.mpt"), "S120E1 -> DefWW\r\n");
}

TEST_F(ListsButtons, AFinishOfStep3ThatFailsPutsBackTheRulesItWrote) {
    Prepare2BR();
    ASSERT_EQ(lists.ProcessUpgrSE22BR(), 1);
    const std::string rulesBefore = Read("Sessions\\_2BR_Morning\\ini\\SEupdRules.ini");
    fs::remove(dir.path() / "Sessions/_2BR_Morning/ini/RangeArrays.ini");
    dir.MakeDir("Sessions/_2BR_Morning/ini/RangeArrays.ini");
    lists.MemoS3updateRules.Lines.Add("; changed");
    ini.ComputeMode = "3t";
    ui.ClearRecords();
    lists.ButtonFinishSaveUpdRulesClick();
    EXPECT_EQ(ui.Messages, std::vector<std::string>{
                               "Fehler beim Erstellen der RangeMappingDatei. Step4 wird nicht "
                               "begonnen.\r___\rError creating RangeMapping file. Step4 wasnt "
                               "started."});
    EXPECT_EQ(Read("Sessions\\_2BR_Morning\\ini\\SEupdRules.ini"), rulesBefore);
    EXPECT_FALSE(Exists("Sessions\\_2BR_Morning\\Morning.mpt"));
    EXPECT_EQ(ini.ComputeMode, "3t");
}

TEST_F(ListsButtons, Step4WithoutMappingFilesShowsEmptyTextsAndTheManualWindow) {
    Prepare2BR();
    lists.MemoMapSETStoLogics.Lines = TextList{"left from another session"};
    EXPECT_EQ(lists.ProcessUpgrStep4(), 1);
    ASSERT_EQ(ui.Messages.size(), 1u);
    EXPECT_EQ(ui.Messages[0].substr(0, 40), "Die SEupdRules.ini werden in dieser vx V");
    EXPECT_EQ(lists.MemoMapSETStoLogics.Lines.Count(), 0);
    EXPECT_EQ(lists.MemoS4ManualList.Lines.Count(), 0);
    EXPECT_EQ(lists.MemoS3updateRules.Lines[3], "[Default_WW]");
    EXPECT_TRUE(app.Step4UpgrMan.Visible);
    EXPECT_EQ(app.Step4UpgrMan.MemoSession.Lines, session.SessionMemo.Lines);

    lists.MemoMapSETStoLogics.Lines = TextList{"S120E1 -> DefWW"};
    lists.MemoS4ManualList.Lines = TextList{"S254E4"};
    lists.ButtonS4MapSaveClick();
    lists.ButtonSaveManualListClick();
    lists.ButtonFinishUpgrClick();
    EXPECT_EQ(Read("Sessions\\_2BR_Morning\\Morning.mpt"), "S120E1 -> DefWW\r\n");
    EXPECT_EQ(Read("Sessions\\_2BR_Morning\\Morning.man"), "S254E4\r\n");
    EXPECT_EQ(Read("Sessions\\_2BR_Morning\\Morning.mpf"), "S120E1 -> DefWW\r\n");
    EXPECT_EQ(ini.ComputeMode, "4f");

    // The next opening reads them back.
    lists.MemoMapSETStoLogics.Lines.Clear();
    EXPECT_EQ(lists.ProcessUpgrStep4(), 1);
    EXPECT_EQ(lists.MemoMapSETStoLogics.Lines.Lines(), std::vector<std::string>{"S120E1 -> DefWW"});
    EXPECT_EQ(lists.MemoS4ManualList.Lines.Lines(), std::vector<std::string>{"S254E4"});
}

TEST_F(ListsButtons, Step3And4StopAtAMissingIniFile) {
    Prepare2BR();
    fs::remove(dir.path() / "Sessions/_2BR_Morning/ini/Logic.ini");
    EXPECT_EQ(lists.ProcessUpgrSE22BR(), -1);
    EXPECT_EQ(lists.ProcessUpgrStep4(), -1);
    ASSERT_EQ(ui.Messages.size(), 4u);
    const std::string logicMissing =
        "SetBRStep Fehler: Programm konnte das logic.ini File im 2BR Verzeichnis nicht finden. "
        "\r___\rSetBRStep Error: The program couldnt find the logic.ini file from 2BR Directory.";
    EXPECT_EQ(ui.Messages[1], logicMissing);
    EXPECT_EQ(ui.Messages[3], logicMissing);
    EXPECT_FALSE(app.Step4UpgrMan.Visible);
}

TEST_F(ListsButtons, TheManualStep4WindowWritesThe2BRSessionAndItsTSLines) {
    Prepare2BR();
    dir.Write("Sessions/Morning.s1f", "//TS setting for 1BR, \r\nS120E1 (DefWW;;) : TS1\r\n");
    TStep4UpgrMan& manual = app.Step4UpgrMan;
    manual.Oeffne();
    EXPECT_EQ(manual.MemoTS.Lines.Lines(),
              (std::vector<std::string>{"//TS setting for 1BR, ", "S120E1 (DefWW;;) : TS1"}));
    EXPECT_EQ(manual.MemoBV.Lines, session.InterprtMemo.Lines);
    manual.MemoSession.Lines.Set(8, "S254E4WW10: RE5M1,RE5O1,");
    manual.ButtonSaveFinClick();
    ASSERT_EQ(ui.Messages.size(), 1u);
    EXPECT_EQ(ui.Messages[0].substr(0, 45), "Um in den 2BR Modus zu wechseln setzen Sie nu");
    EXPECT_EQ(Read("Sessions\\_2BR_Morning\\Morning"), manual.MemoSession.Lines.Text());
    EXPECT_EQ(Read("Sessions\\_2BR_Morning\\Morning.TS"), manual.MemoTS.Lines.Text());
}

}  // namespace
}  // namespace vx
