#include <gtest/gtest.h>

#include "upgrade_fixture.h"

// The TS pages of the lists window during step 1 of the upgrade of the demo session Morning:
// stepping through its sentences, getting their TS and composing the TS settings lines.
namespace vx::test {
namespace {

bool StartsWith(const std::string& s, const std::string& prefix) {
    return s.rfind(prefix, 0) == 0;
}

class ListsTS : public UpgradeTest {
protected:
    // Step 1 of the wizard on Morning: the lists window shows the session as upgrade base.
    void StartStep1() {
        OpenMorning();
        dir.Write("Sessions/Morning.GLo", "general logic\r\n");
        wizard.Oeffne();
        for (TRadioButton* other :
             {&wizard.RadioButton1BR, &wizard.RadioButton2BRupgS2, &wizard.RadioButton2BRupgS3,
              &wizard.RadioButton2BRupgS4, &wizard.RadioButton2BR, &wizard.RadioButton3BR}) {
            other->Checked = false;
        }
        wizard.RadioButton2BRupgS1.Checked = true;
        wizard.ButtonOKClick();
        ASSERT_TRUE(lists.Visible);
        ui.ClearRecords();
    }
    void Next() { lists.Button_Choose_Next_SEClick(); }
};

TEST_F(ListsTS, GetTSComposesTheSettingsLineOfEachSentence) {
    StartStep1();
    Next();
    EXPECT_EQ(lists.Edit_SE.Text, "S120E1WW10: RE2M1,");
    lists.Button_GetTSClick();
    EXPECT_TRUE(ui.Messages.empty());
    EXPECT_EQ(lists.EditShowFullTSStr.Text, "TS1");
    EXPECT_EQ(lists.LabelLeadComText.Caption, "OK");
    EXPECT_EQ(lists.LabelShowSEXWType.Caption, "WW");
    EXPECT_EQ(lists.PageControl.ActivePageIndex, TListsForm::kPageIniTS);
    ASSERT_EQ(lists.PageControlSetTS.size(), 1u);
    EXPECT_EQ(lists.PageControlSetTS[0].Values.Items,
              (std::vector<std::string>{"10", "20", "30", "40", "None"}));
    EXPECT_GT(lists.Memo_AktTS_Text.Lines.Count(), 10);

    // A second "Get TS" while the pages are open is refused.
    lists.Button_GetTSClick();
    ASSERT_EQ(ui.Messages.size(), 1u);
    EXPECT_TRUE(StartsWith(ui.Messages[0], "Es existieren noch offene TS."));

    const int before = lists.Memo_TS_Settings.Lines.Count();
    lists.PageControlSetTS[0].Values.ItemIndex = 1;
    lists.EditComment.Text = "kettle";
    lists.ButtonSetAllTSClick();
    EXPECT_EQ(lists.Memo_TS_Settings.Lines.Count(), before + 1);
    EXPECT_EQ(lists.Memo_TS_Settings.Lines[before], "S120E1 (DefWW;;) : TS1[20] //kettle");
    EXPECT_TRUE(lists.PageControlSetTS.empty());
    EXPECT_EQ(lists.StepStatus, "Finished");

    // The sentences of the weather topic: E3 with "None" leaves its TS free.
    Next();
    Next();
    EXPECT_EQ(lists.Edit_SE.Text, "S254E2WW10: RE3M1,RE5M1,");
    Next();
    lists.EditComment.Text.clear();
    lists.Button_GetTSClick();
    ASSERT_EQ(lists.PageControlSetTS.size(), 2u);
    lists.PageControlSetTS[1].Values.ItemIndex = 0;
    lists.ButtonSetAllTSClick();
    EXPECT_EQ(lists.Memo_TS_Settings.Lines[lists.Memo_TS_Settings.Lines.Count() - 1],
              "S254E3 (DefWW;;) : TS1=>TS2[10]");
}

TEST_F(ListsTS, NextSEStepsOverCommentsAndStopsAtTheEnd) {
    StartStep1();
    lists.Memo_SEupgrBase.Lines = TextList{
        "//header", "S120E1WW10: RE2M1,", "// note", " S1E1 indented", "", "S254E3WW10: RE7M1,"};
    lists.MyFrmShow();
    EXPECT_EQ(lists.PageControl.ActivePageIndex, TListsForm::kPageUpgradeBase);
    Next();
    EXPECT_EQ(lists.Edit_SE.Text, "S120E1WW10: RE2M1,");
    Next();
    EXPECT_EQ(lists.Edit_SE.Text, "S254E3WW10: RE7M1,");
    EXPECT_EQ(lists.CurrentSEPosition, 5);
    EXPECT_TRUE(ui.Messages.empty());
    Next();
    ASSERT_EQ(ui.Messages.size(), 1u);
    EXPECT_TRUE(StartsWith(ui.Messages[0], "Lists Info: Wir sind beim letzten SE angelangt."));
    EXPECT_EQ(lists.Edit_SE.Text, "S254E3WW10: RE7M1,");

    // A step left unfinished holds "Next SE" until it is cancelled.
    ui.ClearRecords();
    lists.StepStatus = "ini";
    lists.MyFrmShow();
    Next();
    ASSERT_EQ(ui.Messages.size(), 1u);
    EXPECT_TRUE(StartsWith(ui.Messages[0], "Warnung: Ihre letzten TS wurden noch nicht"));
    lists.ButtonIniTSCancelClick();
    Next();
    EXPECT_EQ(lists.Edit_SE.Text, "S120E1WW10: RE2M1,");
}

TEST_F(ListsTS, RefusalsAndTheExceptionTS) {
    StartStep1();
    lists.ButtonSetAllTSClick();  // nothing prepared yet
    ASSERT_EQ(ui.Messages.size(), 1u);
    EXPECT_TRUE(StartsWith(ui.Messages[0], "Es gibt keine vorbereiteten TS."));
    EXPECT_TRUE(lists.StepStatus.empty());

    ui.ClearRecords();
    lists.Edit_SE.Text = "S207E5DW70:";  // two TS of another XW type
    lists.Button_GetTSClick();
    ASSERT_EQ(ui.Messages.size(), 1u);
    EXPECT_TRUE(StartsWith(ui.Messages[0], "Lists: Fehler beim Auswerten der TS-Datei des SE."));
    EXPECT_TRUE(lists.PageControlSetTS.empty());

    ui.ClearRecords();
    lists.Edit_SE.Text = "S99999E1WW10:";
    lists.Button_GetTSClick();
    ASSERT_EQ(ui.Messages.size(), 1u);
    EXPECT_TRUE(StartsWith(ui.Messages[0], "Unerlaubte Satznummer"));

    ui.ClearRecords();
    lists.Edit_SE.Text = "S254E8DW70: RE9O2,";
    lists.Button_GetTSClick();
    EXPECT_TRUE(ui.Messages.empty());
    ASSERT_EQ(lists.PageControlSetTS.size(), 2u);
    EXPECT_EQ(lists.PageControlSetTS[0].Caption, "TS1_WW");
    EXPECT_FALSE(lists.PageControlSetTS[0].Visible);
    EXPECT_EQ(lists.LabelDefaulValRes.Caption, "10");
    EXPECT_EQ(lists.PageControlSetTS[1].Values.Items,
              (std::vector<std::string>{"70", "80", "40", "90", "None"}));
    lists.PageControlSetTS[1].Values.ItemIndex = 0;
    lists.ButtonSetAllTSClick();
    EXPECT_EQ(lists.Memo_TS_Settings.Lines[lists.Memo_TS_Settings.Lines.Count() - 1],
              "S254E8 (DefDW;;) : TS1[10]=>TS2[70] //WW[10]");
}

TEST_F(ListsTS, ASentenceMarkedForStep1GetsItsRemark) {
    StartStep1();
    dir.Write("Saetze/FormaleSE/TSmapg/TS207.txt",
              "*E2,WW:\r\n-TB TS1 walk to the station\r\nE2,EN:\r\nWW,TS1: the walk\r\n");
    lists.Edit_SE.Text = "S207E2WW10:";
    lists.Button_GetTSClick();
    EXPECT_TRUE(ui.Messages.empty());
    EXPECT_EQ(lists.LabelLeadComText.Caption, "REM in Step1:S207E2");
    EXPECT_TRUE(lists.PageControlSetTS.empty());
    lists.ButtonSetAllTSClick();
    EXPECT_EQ(lists.Memo_TS_Settings.Lines[lists.Memo_TS_Settings.Lines.Count() - 1],
              "//REM in Step1:S207E2 -TB TS1 walk to the station");
    EXPECT_EQ(lists.StepStatus, "Finished");
}

}  // namespace
}  // namespace vx::test
