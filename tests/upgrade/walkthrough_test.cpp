#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/choose_session.h"
#include "upgrade_fixture.h"

// The whole upgrade of the demo's 1BR session "Morning" to 2BR, as a person does it through
// the menu, ending in a TS start of the new 2BR session. The messages of the walk are a golden
// file (tests/data/upgrade/walkthrough/messages.txt; paths below the installation start with
// "<root>\").
namespace vx {
namespace {

class Walkthrough : public test::UpgradeTest {
protected:
    // "Session choose": enters `directory` below Sessions ("" stays) and selects `file`.
    void Choose(const std::string& directory, const std::string& file) {
        test::ChooseSession(ui, app, directory, file);
    }
    void Step(const std::string& name) { Note("=== " + name); }
};

TEST_F(Walkthrough, Morning1BRBecomesA2BRSessionWhoseTSLinesAreComputed) {
    Step("Session choose Morning");
    Choose("", "Morning");
    ASSERT_EQ(session.Opened, 1);

    Step("Set 1BR Logic, Save");
    app.MenueForm.Click("Set1BRLogic");
    app.Form1BRLogic.ButtonSaveClick();
    EXPECT_TRUE(dir.Exists("Sessions/Morning.GLo"));

    Step("Set BR Step, step 1");
    app.MenueForm.Click("SetBRStep1");
    test::Pick(wizard, wizard.RadioButton2BRupgS1);
    wizard.ButtonOKClick();
    ASSERT_TRUE(lists.Visible);
    for (const char* line :
         {"S120E1 (DefWW;;) : TS1 // the kettle is switched on",
          "S120E2 (DefWW;;) : TS1 => TS2 // the kettle is on, so the water boils",
          "S254E2 (DefWW;;) : TS1 o TS2 // rain or drizzle",
          "S254E3 (DefWW;;) : TS1 u ~TS1 // wet and not wet",
          "S254E4 (DefWW;;) : ~TS1 // no calm weather"}) {
        lists.Memo_TS_Settings.Lines.Add(line);
    }
    lists.ButtonTSsaveClick();
    lists.Button_Finish_Step1Click();
    EXPECT_EQ(ini.ComputeMode, "1f");

    Step("Set BR Step, step 2");
    CopyIniFilesWhenAsked(false);
    app.MenueForm.Click("SetBRStep1");
    test::Pick(wizard, wizard.RadioButton2BRupgS2);
    wizard.ButtonOKClick();
    ui.OnMessage = nullptr;
    EXPECT_EQ(ini.IniState, 2);
    EXPECT_EQ(ini.ComputeMode, "2f");
    EXPECT_EQ(wizard.CreatedDirectories.size(), 14u);
    wizard.ButtonCancelClick();

    Step("Set BR Step, step 3");
    app.MenueForm.Click("SetBRStep1");
    test::Pick(wizard, wizard.RadioButton2BRupgS3);
    wizard.ButtonOKClick();
    EXPECT_FALSE(wizard.Visible);
    EXPECT_EQ(lists.PageControl.ActivePageIndex, TListsForm::kPageStep3UpdateRules);
    lists.MemoS3updateRules.Lines.Add("; checked for the session Morning");
    lists.ButtonFinishSaveUpdRulesClick();
    EXPECT_EQ(ini.ComputeMode, "4t");

    Step("Set BR Step, step 4");
    app.MenueForm.Click("SetBRStep1");
    wizard.ButtonOKClick();
    TStep4UpgrMan& manual = app.Step4UpgrMan;
    ASSERT_TRUE(manual.Visible);
    // The update rule of EW: the storm warning, answered Ja, becomes Wahr.
    ASSERT_EQ(manual.MemoSession.Lines[8], "S254E4EW50: RE5M1,RE5O1,");
    manual.MemoSession.Lines.Set(8, "S254E4WW10: RE5M1,RE5O1,");
    manual.ButtonSaveFinClick();
    lists.MemoMapSETStoLogics.Lines = TextList{"S254E4: EW50 -> WW10 (DVXR2)"};
    lists.ButtonFinishUpgrClick();
    EXPECT_EQ(ini.ComputeMode, "4f");
    app.MenueForm.Click("SetBRStep1");
    test::Pick(wizard, wizard.RadioButton2BR);
    wizard.ButtonOKClick();
    EXPECT_FALSE(wizard.Visible);

    Step("close, Session choose _2BR_Morning\\Morning, TS start");
    session.Close();
    Choose("_2BR_Morning", "Morning");
    ASSERT_EQ(session.Opened, 1);
    EXPECT_EQ(ini.IniState, 2);
    EXPECT_EQ(session.MemoTS.Lines.Count(), 6);
    session.ButtonTSStartClick();
    NoteLines("DefWW results:", app.ResultForm.Memo_DefWW.Lines);
    ExpectTranscript("walkthrough");
}

// The person ends vx after step 3 and comes back: choosing the 2BR session (its session file
// copied into the 2BR directory, as the pre-processing message asks) finds step 4 due.
TEST_F(Walkthrough, AnUpgradeGoesOnWithStep4AfterARestart) {
    Choose("", "Morning");
    app.Form1BRLogic.OpenTEmplateLogic();
    app.Form1BRLogic.ButtonSaveClick();
    lists.Memo_TS_Settings.Lines = TextList{"//TS setting for 1BR, "};
    lists.Button_Finish_Step1Click();
    CopyIniFilesWhenAsked(true);
    wizard.Oeffne();
    test::Pick(wizard, wizard.RadioButton2BRupgS2);
    wizard.ButtonOKClick();
    ASSERT_EQ(ini.IniState, 2);
    wizard.Oeffne();
    test::Pick(wizard, wizard.RadioButton2BRupgS3);
    wizard.ButtonOKClick();
    lists.ButtonFinishSaveUpdRulesClick();
    ASSERT_EQ(ini.ComputeMode, "4t");

    test::UpgradeUi ui2;
    VxApp again(ui2, dir.ProgramFileName());
    test::ChooseSession(ui2, again, "_2BR_Morning", "Morning");
    EXPECT_EQ(again.IniForm.IniState, 2);
    EXPECT_EQ(again.IniForm.ComputeMode, "4t");
    again.MenueForm.Click("SetBRStep1");
    EXPECT_TRUE(again.SetBRForm.RadioButton2BRupgS4.Checked);
    again.SetBRForm.ButtonOKClick();
    EXPECT_TRUE(again.Step4UpgrMan.Visible);
    EXPECT_EQ(again.Step4UpgrMan.MemoSession.Lines[8], "S254E4EW50: RE5M1,RE5O1,");
    EXPECT_EQ(again.ListsForm.MemoS3updateRules.Lines.Text(),
              test::ReadBytes(dir.path() / "Sessions/_2BR_Morning/ini/SEupdRules.ini"));
    EXPECT_EQ(ui2.Messages.size(), 3u);  // step 4 due, the opening's O4, the note of step 4
}

}  // namespace
}  // namespace vx
