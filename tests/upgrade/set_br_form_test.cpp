#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/host_path.h"
#include "upgrade_fixture.h"

// The set-up wizard on the demo session Morning. The messages of each case are a golden
// transcript under tests/data/upgrade/wizard/.
namespace vx {
namespace {

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

// Each IniState / ComputeMode: the button checked, the step and the message on opening.
TEST_F(Wizard, OpeningPreselectsByIniStateAndComputeMode) {
    OpenMorning();
    for (const char* state : {"1/", "1/1t", "1/1f", "1/2t", "1/2f", "1/3t", "1/4f", "2/", "2/1f",
                              "2/2t", "2/2f", "2/3t", "2/3f", "2/4t", "2/4f", "3/", "3/4t"}) {
        ini.IniState = state[0] - '0';
        ini.ComputeMode = state + 2;
        wizard.Hide();
        Note(std::string("IniState/ComputeMode ") + state);
        wizard.Oeffne();
        Note("  -> " + Checked() + ", step " + wizard.Step + ", mode " +
             std::to_string(wizard.Mode) + (wizard.Visible ? ", shown" : ", hidden"));
    }
    EXPECT_FALSE(wizard.RadioButton3BR.Enabled);
    ExpectTranscript("wizard/preselect");
}

// OK on 1 BR in mode 1 only answers; step 2 while step 1 is under way only closes; a downgrade
// is not there yet; Help.
TEST_F(Wizard, OkRulesThatOnlyAnswerOrClose) {
    OpenMorning();
    wizard.Oeffne();
    wizard.ButtonOKClick();
    EXPECT_TRUE(wizard.Visible);

    ini.ComputeMode = "1t";
    wizard.Oeffne();
    Choose(wizard.RadioButton2BRupgS2);
    Note("OK on step 2 while step 1 is under way");
    wizard.ButtonOKClick();
    EXPECT_FALSE(wizard.Visible);
    EXPECT_FALSE(Exists("Sessions\\_2BR_Morning"));

    ini.IniState = kIniState2BR;
    ini.ComputeMode = "2f";
    wizard.Oeffne();
    Choose(wizard.RadioButton1BR);
    Note("OK on 1 BR in 2BR");
    wizard.ButtonOKClick();
    EXPECT_FALSE(wizard.Visible);
    wizard.ButtonHelpClick();
    ExpectTranscript("wizard/ok_only_answers_or_closes");
}

TEST_F(Wizard, Step1FillsTheListsWindowAndAFinishedStep1SaysGoOn) {
    OpenMorning();
    dir.Write("Sessions/Morning.GLo", "general logic\r\n");
    dir.Write("Sessions/Morning.ELo", "exceptions\r\n");
    ini.ComputeMode = "1f";
    dir.Write("Sessions/Morning.s1f", "//TS setting for 1BR, \r\nS120E1 (DefWW;;) : TS1\r\n");
    wizard.Oeffne();
    wizard.ButtonOKClick();
    EXPECT_TRUE(lists.Visible);
    EXPECT_EQ(lists.PageControl.ActivePageIndex, TListsForm::kPageTSSettings);
    EXPECT_EQ(lists.MemoGeneral_Logic.Lines.Lines(), std::vector<std::string>{"general logic"});
    EXPECT_EQ(lists.MemoExceptionLogic.Lines.Lines(), std::vector<std::string>{"exceptions"});
    EXPECT_EQ(lists.Memo_SEupgrBase.Lines, session.SessionMemo.Lines);
    // The finished settings are shown again, not replaced by an empty text.
    EXPECT_EQ(lists.Memo_TS_Settings.Lines[1], "S120E1 (DefWW;;) : TS1");
    EXPECT_TRUE(wizard.Visible);
    ExpectTranscript("wizard/finished_step1_says_go_on");

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
    EXPECT_TRUE(wizard.Visible);
    EXPECT_FALSE(lists.Visible);

    dir.Write("Sessions/Morning.GLo", "general logic\r\n");
    dir.Write("Sessions/Morning", "//vx2.0b, \r\n");
    Note("with the general logic, an empty session");
    wizard.ButtonOKClick();
    EXPECT_FALSE(lists.Visible);
    ExpectTranscript("wizard/step1_needs_logic_and_sentence");
}

TEST_F(Wizard, AnExisting2BRDirectoryStopsStep2) {
    ReadyForStep2();
    dir.MakeDir("Sessions/_2BR_Morning/ini");
    dir.Write("Sessions/_2BR_Morning/ini/Main.ini", "mine\r\n");
    wizard.ButtonOKClick();
    NoteStateAndFiles({});
    EXPECT_TRUE(wizard.Visible);
    EXPECT_EQ(Read("Sessions\\_2BR_Morning\\ini\\Main.ini"), "mine\r\n");
    EXPECT_FALSE(Exists("Sessions\\_2BR_Morning\\Saetze"));
    ExpectTranscript("wizard/existing_2br_directory");
}

TEST_F(Wizard, ATreeThatFailsHalfwayNamesTheDirectoriesItCreated) {
    ReadyForStep2();
    wizard.CreateDir = [this](const std::string& directory) {
        return directory != ini.BR2RegelnPath && ForceDirectories(directory);
    };
    wizard.ButtonOKClick();
    EXPECT_EQ(wizard.CreatedDirectories.size(), 4u);
    EXPECT_TRUE(Exists("Sessions\\_2BR_Morning\\Relation"));
    EXPECT_FALSE(Exists("Sessions\\_2BR_Morning\\Regeln"));
    NoteStateAndFiles({});
    ExpectTranscript("wizard/tree_fails_halfway");
}

TEST_F(Wizard, Step2WithoutTheIniFilesNamesTheWholeTree) {
    ReadyForStep2();
    wizard.ButtonOKClick();
    EXPECT_EQ(wizard.CreatedDirectories.size(), 14u);
    NoteStateAndFiles({});
    for (const char* sub : {"ini", "Saetze", "Relation/virtuelleSE", "Relation/formaleR/override",
                            "Relation/override", "Lists/dynLists", "System", "Regeln/DVXR"}) {
        EXPECT_TRUE(std::filesystem::is_directory(dir.path() / "Sessions/_2BR_Morning" / sub))
            << sub;
    }
    ExpectTranscript("wizard/step2_without_ini_files");
}

// The 1BR logic window.
class Logic1BR : public test::UpgradeTest {
protected:
    TForm1BRLogic& logic = app.Form1BRLogic;
};

TEST_F(Logic1BR, ASessionWithoutItsFileStartsFromTheTemplateAndSavingCreatesIt) {
    OpenMorning();
    app.MenueForm.Click("Set1BRLogic");
    EXPECT_TRUE(logic.Visible);
    EXPECT_EQ(logic.MemoGeneralLogic.Lines.Text(),
              Read("Text\\Templates\\General_Step1_Logics.txt"));
    EXPECT_FALSE(Exists("Sessions\\Morning.GLo"));

    logic.MemoGeneralLogic.Lines.Add("EW: a question answered Ja counts as Wahr.");
    logic.ButtonSaveClick();
    EXPECT_EQ(Read("Sessions\\Morning.GLo"), logic.MemoGeneralLogic.Lines.Text());
    EXPECT_EQ(ui.Messages, std::vector<std::string>{});

    // Opening it again while it is shown keeps what was typed; after closing, the next opening
    // shows the session's own file.
    logic.MemoGeneralLogic.Lines.Add("typed, not saved");
    app.MenueForm.Click("Set1BRLogic");
    EXPECT_EQ(logic.MemoGeneralLogic.Lines[logic.MemoGeneralLogic.Lines.Count() - 1],
              "typed, not saved");
    logic.Close();
    logic.OpenTEmplateLogic();
    EXPECT_EQ(logic.MemoGeneralLogic.Lines.Text(), Read("Sessions\\Morning.GLo"));
}

TEST_F(Logic1BR, ItNeedsAnOpenNamedSession) {
    logic.OpenTEmplateLogic();
    session.Opened = 1;  // a session that was never named
    logic.OpenTEmplateLogic();
    EXPECT_FALSE(logic.Visible);
    ExpectTranscript("logic_1br/needs_open_named_session");
}

TEST_F(Logic1BR, AMissingTemplateIsReportedAndNoOtherTextStays) {
    OpenMorning();
    std::filesystem::remove(dir.path() / "Text/Templates/General_Step1_Logics.txt");
    logic.MemoGeneralLogic.Lines = TextList{"text of another session"};
    logic.OpenTEmplateLogic();
    EXPECT_EQ(logic.MemoGeneralLogic.Lines.Count(), 0);
    EXPECT_TRUE(logic.Visible);
    ExpectTranscript("logic_1br/missing_template");
}

TEST_F(Logic1BR, In2BRModeSaveRefusesAndWritesNothing) {
    OpenMorning();
    logic.OpenTEmplateLogic();
    ini.IniState = kIniState2BR;
    logic.ButtonSaveClick();
    EXPECT_FALSE(Exists("Sessions\\Morning.GLo"));
    ExpectTranscript("logic_1br/save_refused_in_2br");
}

}  // namespace
}  // namespace vx
