#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/host_path.h"
#include "upgrade_fixture.h"

namespace vx {
namespace {

namespace fs = std::filesystem;

const std::string kMsgE21 =
    "Da im Schritt 2.1 ein Fehler auftrat, beheben sie die Ursache, loeschen das neue "
    "Session-Unterverzeichnis  und starten neu.\r___\rAs there was an error in Step2.1 track the "
    "error, delete the new session subdirectory and start again.";
const std::string kMsgE22 =
    "Da im Schritt 2.2 ein Fehler auftrat, beheben sie die Ursache und starten neu.\r___\rAs "
    "there was an error in Step2.2 track the error and start again.";

class Wizard : public test::UpgradeTest {
protected:
    // The caption of the checked radio button.
    std::string Checked() {
        for (const TRadioButton* radio : test::StepButtons(wizard)) {
            if (radio->Checked) {
                return radio->Caption;
            }
        }
        return "none";
    }
    void Choose(TRadioButton& radio) { test::Pick(wizard, radio); }
    // Opens the wizard on Morning with step 1 finished, step 2 chosen.
    void ReadyForStep2() {
        OpenMorning();
        dir.Write("Sessions/Morning.GLo", "general logic\r\n");
        ini.ComputeMode = "1f";
        wizard.Oeffne();
        Choose(wizard.RadioButton2BRupgS2);
        ui.ClearRecords();
    }
};

TEST_F(Wizard, OpeningPreselectsByIniStateAndComputeMode) {
    const std::string o1 = "Sie haben den ersten upgrade Schritt beendet";
    const std::string o2 = "Sie haben den zweiten upgrade Schritt beendet";
    const std::string o3 = "Sie haben den dritten upgrade Schritt beendet";
    const std::string o4 = "Sie haben den vierten upgrade Schritt begonnen";
    const std::string o5 = "Sie haben den zweiten upgrade Schritt nicht beendet";
    const std::string o6 = "Sie haben den vierten upgrade Schritt beendet";
    const struct {
        int iniState;
        const char* computeMode;
        const char* checked;
        const char* step;
        std::string message;
    } table[] = {
        {1, "", "1 BR", "0", ""},
        {1, "1t", "2 BR upgrade Step1", "1", ""},
        {1, "1f", "2 BR upgrade Step1", "1", o1},
        {1, "2t", "1 BR", "0", ""},
        {1, "2f", "1 BR", "0", ""},
        {1, "3t", "1 BR", "0", ""},
        {1, "4f", "1 BR", "0", ""},
        {2, "", "2 BR upgrade Step1", "2", o5},
        {2, "1f", "2 BR upgrade Step1", "2", o5},
        {2, "2t", "2 BR upgrade Step1", "2", o5},
        {2, "2f", "2 BR upgrade Step1", "2", o5},
        {2, "3t", "2 BR upgrade Step3", "3", o2},
        {2, "3f", "2 BR upgrade Step3", "3", o3},
        {2, "4t", "2 BR upgrade Step4", "4", o4},
        {2, "4f", "2 BR upgrade Step2", "2", o6},
        {3, "", "3 BR", "", ""},
        {3, "4t", "3 BR", "", ""},
    };
    OpenMorning();
    for (const auto& row : table) {
        SCOPED_TRACE(std::to_string(row.iniState) + "/" + row.computeMode);
        ini.IniState = row.iniState;
        ini.ComputeMode = row.computeMode;
        wizard.Hide();
        ui.ClearRecords();
        wizard.Oeffne();
        EXPECT_TRUE(wizard.Visible);
        EXPECT_EQ(wizard.Mode, row.iniState);
        EXPECT_EQ(Checked(), row.checked);
        EXPECT_EQ(wizard.Step, row.step);
        if (row.message.empty()) {
            EXPECT_EQ(ui.Messages, std::vector<std::string>{});
        } else {
            ASSERT_EQ(ui.Messages.size(), 1u);
            EXPECT_EQ(ui.Messages[0].substr(0, row.message.size()), row.message);
        }
    }
    EXPECT_FALSE(wizard.RadioButton3BR.Enabled);
}

TEST_F(Wizard, TheMenuOpensItOnlyForAnOpenSession) {
    app.MenueForm.Click("SetBRStep1");
    EXPECT_FALSE(wizard.Visible);
    ASSERT_EQ(ui.Messages.size(), 1u);
    OpenMorning();
    app.MenueForm.Click("SetBRStep1");
    EXPECT_TRUE(wizard.Visible);
    EXPECT_EQ(Checked(), "1 BR");
}

TEST_F(Wizard, OkRulesThatOnlyAnswerOrClose) {
    OpenMorning();
    wizard.Oeffne();
    wizard.ButtonOKClick();  // 1 BR in mode 1
    EXPECT_TRUE(wizard.Visible);
    EXPECT_EQ(ui.Messages, std::vector<std::string>{
                               "Wenn Sie vom ersten Berechnungsschritt BR weiter moechten, waehlen "
                               "Sie den neachsten Button.\rIf You want to go to the next "
                               "computation step press the next radio button."});

    // Step 2 while step 1 is under way does nothing but close the window.
    ini.ComputeMode = "1t";
    wizard.Oeffne();
    Choose(wizard.RadioButton2BRupgS2);
    ui.ClearRecords();
    wizard.ButtonOKClick();
    EXPECT_FALSE(wizard.Visible);
    EXPECT_EQ(ui.Messages, std::vector<std::string>{});
    EXPECT_FALSE(Exists("Sessions\\_2BR_Morning"));

    // A downgrade is not there yet.
    ini.IniState = kIniState2BR;
    ini.ComputeMode = "2f";
    wizard.Oeffne();
    Choose(wizard.RadioButton1BR);
    ui.ClearRecords();
    wizard.ButtonOKClick();
    EXPECT_FALSE(wizard.Visible);
    EXPECT_EQ(ui.Messages,
              std::vector<std::string>{"Ein Downgrade auf 1BR ist noch nicht implementiert. "});

    wizard.ButtonHelpClick();
    EXPECT_NE(ui.Messages.back().find("\rPr\xFC"
                                      "fen Sie ggf auf nachfolgende Widerspr\xFC"
                                      "che"),
              std::string::npos);
}

TEST_F(Wizard, Step1FillsTheListsWindowAndAFinishedStep1SaysGoOn) {
    OpenMorning();
    dir.Write("Sessions/Morning.GLo", "general logic\r\n");
    dir.Write("Sessions/Morning.ELo", "exceptions\r\n");
    ini.ComputeMode = "1f";
    dir.Write("Sessions/Morning.s1f", "//TS setting for 1BR, \r\nS120E1 (DefWW;;) : TS1\r\n");
    wizard.Oeffne();
    ui.ClearRecords();
    wizard.ButtonOKClick();
    EXPECT_TRUE(lists.Visible);
    EXPECT_EQ(lists.PageControl.ActivePageIndex, TListsForm::kPageTSSettings);
    EXPECT_EQ(lists.MemoGeneral_Logic.Lines.Lines(), std::vector<std::string>{"general logic"});
    EXPECT_EQ(lists.MemoExceptionLogic.Lines.Lines(), std::vector<std::string>{"exceptions"});
    EXPECT_EQ(lists.Memo_SEupgrBase.Lines, session.SessionMemo.Lines);
    // The finished settings are shown again, not replaced by an empty text.
    EXPECT_EQ(lists.Memo_TS_Settings.Lines[1], "S120E1 (DefWW;;) : TS1");
    EXPECT_EQ(ui.Messages, std::vector<std::string>{
                               "Wenn Sie vom ersten UpgradeStep weiter moechten, waehlen Sie den "
                               "neachsten Button.\rIf You want to go to the next upgrade Step2 "
                               "step, press the next radio button."});
    EXPECT_TRUE(wizard.Visible);

    // Begun afresh, the settings start with their header.
    ini.ComputeMode = "";
    wizard.Oeffne();
    Choose(wizard.RadioButton2BRupgS1);
    wizard.ButtonOKClick();
    EXPECT_EQ(lists.Memo_TS_Settings.Lines.Lines(),
              std::vector<std::string>{"//TS setting for 1BR, "});
    EXPECT_FALSE(wizard.Visible);
}

TEST_F(Wizard, Step1NeedsTheGeneralLogicAndASessionWithASentence) {
    OpenMorning();
    wizard.Oeffne();
    Choose(wizard.RadioButton2BRupgS1);
    wizard.ButtonOKClick();
    ASSERT_EQ(ui.Messages.size(), 1u);
    EXPECT_EQ(ui.Messages[0].substr(0, 60),
              "SetBRStep Fehler: Programm konnte das General Logik File aus");
    EXPECT_TRUE(wizard.Visible);
    EXPECT_FALSE(lists.Visible);

    dir.Write("Sessions/Morning.GLo", "general logic\r\n");
    dir.Write("Sessions/Morning", "//vx2.0b, \r\n");
    ui.ClearRecords();
    wizard.ButtonOKClick();
    EXPECT_EQ(ui.Messages, std::vector<std::string>{
                               "SetBRStep: Die Session ist leer: Sie muss mindestens einen Satz "
                               "enthalten.\rAbbruch und Checken !\rSetBRStep: The session is "
                               "empty: But needs to hold at least one SE.\rExit and check that !"});
    EXPECT_FALSE(lists.Visible);
}

TEST_F(Wizard, AnExisting2BRDirectoryStopsStep2) {
    ReadyForStep2();
    dir.MakeDir("Sessions/_2BR_Morning/ini");
    dir.Write("Sessions/_2BR_Morning/ini/Main.ini", "mine\r\n");
    wizard.ButtonOKClick();
    ASSERT_EQ(ui.Messages.size(), 3u);
    EXPECT_EQ(ui.Messages[1],
              "Das Session-Verzeichnis existiert bereits. Upgrade wird gecanceled. Loeschen sie es "
              "im Session-Verzeichnis und versuchen Sie es erneut !\rThe Session directory exists "
              "allready. Upgrade canceled. Please delete it and try again!");
    EXPECT_EQ(ui.Messages[2], kMsgE21);
    EXPECT_EQ(ini.IniState, 1);
    EXPECT_EQ(ini.ComputeMode, "1f");
    EXPECT_TRUE(wizard.Visible);
    EXPECT_EQ(Read("Sessions\\_2BR_Morning\\ini\\Main.ini"), "mine\r\n");
    EXPECT_FALSE(Exists("Sessions\\_2BR_Morning\\Saetze"));
}

TEST_F(Wizard, ATreeThatFailsHalfwayNamesTheDirectoriesItCreated) {
    ReadyForStep2();
    wizard.CreateDir = [this](const std::string& directory) {
        return directory != ini.BR2RegelnPath && ForceDirectories(directory);
    };
    wizard.ButtonOKClick();
    const std::string sessions = ini.SessionsPath;
    const std::string created = sessions + "_2BR_Morning\r" + sessions + "_2BR_Morning\\ini\r" +
                                sessions + "_2BR_Morning\\Saetze\r" + sessions +
                                "_2BR_Morning\\Relation";
    EXPECT_EQ(ui.Messages,
              (std::vector<std::string>{
                  ui.Messages.at(0),
                  "Fehler beim 2BR upgrade: Das Regeln-Verzeichnis konnte nicht erstellt "
                  "werden.\r___Error 2BRupgrade: Cannot create Session-Regeln directory",
                  "Der Schritt 2 hat diese Verzeichnisse angelegt; loeschen Sie sie, bevor Sie ihn "
                  "erneut starten:\r" +
                      created +
                      "\r___\rStep 2 created these directories; delete them before You start it "
                      "again:\r" +
                      created,
                  kMsgE21}));
    EXPECT_EQ(wizard.CreatedDirectories.size(), 4u);
    EXPECT_TRUE(Exists("Sessions\\_2BR_Morning\\Relation"));
    EXPECT_FALSE(Exists("Sessions\\_2BR_Morning\\Regeln"));
    EXPECT_EQ(ini.IniState, 1);
    EXPECT_EQ(ini.ComputeMode, "1f");
}

TEST_F(Wizard, Step2WithoutTheIniFilesNamesTheWholeTree) {
    ReadyForStep2();
    wizard.ButtonOKClick();
    ASSERT_GE(ui.Messages.size(), 4u);
    EXPECT_EQ(ui.Messages[ui.Messages.size() - 2], kMsgE22);
    EXPECT_EQ(wizard.CreatedDirectories.size(), 14u);
    EXPECT_EQ(wizard.CreatedDirectories.back(), ini.BR2RegelnPath + "\\DVXR");
    EXPECT_EQ(ui.Messages.back().substr(0, 50),
              "Der Schritt 2 hat diese Verzeichnisse angelegt; lo");
    EXPECT_EQ(ini.IniState, 1);
    for (const char* sub : {"ini", "Saetze", "Relation/virtuelleSE", "Relation/formaleR/override",
                            "Relation/override", "Lists/dynLists", "System", "Regeln/DVXR"}) {
        EXPECT_TRUE(fs::is_directory(dir.path() / "Sessions/_2BR_Morning" / sub)) << sub;
    }
}

}  // namespace
}  // namespace vx
