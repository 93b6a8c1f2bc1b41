#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/text_list.h"
#include "upgrade_fixture.h"

// The lists window of the upgrade. What each case shows is a golden transcript under
// tests/data/upgrade/.
namespace vx::test {
namespace {

namespace fs = std::filesystem;

class DynamicRules : public UpgradeTest {
protected:
    // Each entry of the table: its label, the text of its topic's block and its owner, then
    // what analysing it gives: the result, the rule's name and type, and the rule's file.
    void NoteEntries() {
        for (const TDynRuleEntry& entry : lists.DynRuleEntries) {
            const int analysed = lists.AnalyzeOneDVXR(entry.Label);
            Note(entry.Label + " | " + entry.BlockText + " | " + entry.Owner + "\r  -> " +
                 std::to_string(analysed) + " " + entry.Rule.RuleName + " " + entry.Rule.UpdType +
                 " " + entry.RuleFilePath);
        }
    }
};

TEST_F(DynamicRules, TheDemoSessionGetsItsRulesInTheOrderOfTopicAndSentence) {
    OpenMorning();
    // The session lists its sentences out of order; its last line has a rule too.
    session.SessionMemo.Lines = TextList{"//vx2.0b, ", "S254E4EW50: RE5M1,", "S120E1WW10: RE2M1,",
                                         "",           "S254E2WW10: RE3M1,", "S254E3WW10: RE7M1,"};
    EXPECT_EQ(lists.Create2BRdynRulesList(), "ok");
    NoteLines("active dynamic rules:", lists.MemoActiveDynRules.Lines);
    NoteEntries();
    // The user's list follows the fixed list.
    Note("last fixed rule: " + lists.MemoFixed_dynRules.Lines.Lines().back());
    ExpectTranscript("dyn_rules/demo_session");
    EXPECT_TRUE(lists.Visible);
    EXPECT_EQ(lists.PageControl.ActivePageIndex, TListsForm::kPageDynRules);
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
    NoteEntries();
    ExpectTranscript("dyn_rules/owners");
}

TEST_F(DynamicRules, ASentenceIsLookedUpOnlyInsideItsTopicsBlock) {
    dir.Write("Lists/Fixed_dynRules_2BR.txt",
              "S5:\r\nfive\r\nE2\r\nrule of S5E2\r\nS6:\r\nsix\r\nE1\r\nrule of S6E1\r\n");
    OpenMorning();
    session.SessionMemo.Lines = TextList{"//vx2.0b, ", "S5E1WW10: ", "S6E1WW10: ", "S7E2WW10: "};
    ASSERT_EQ(lists.Create2BRdynRulesList(), "ok");
    // A rule text without an update rule is analysed without storing one.
    NoteEntries();
    ExpectTranscript("dyn_rules/inside_its_topic_block");
}

TEST_F(DynamicRules, AMissingListFailsWithTheSentenceBeingProcessed) {
    OpenMorning();
    fs::remove(dir.path() / "Users/usr1101/Lists/Fixed_dynRules_2BR.txt");
    EXPECT_EQ(lists.Create2BRdynRulesList(), "Lists: error on Session SE: S0E0");
    EXPECT_TRUE(lists.Visible);
    ExpectTranscript("dyn_rules/missing_list");
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
    ExpectTranscript("dyn_rules/unknown_line_or_broken_rule");
}

// The TS pages of the lists window during step 1 of the upgrade of the demo session Morning:
// stepping through its sentences, getting their TS and composing the TS settings lines.
class ListsTS : public UpgradeTest {
protected:
    // Step 1 of the wizard on Morning: the lists window shows the session as upgrade base.
    void StartStep1() {
        OpenMorning();
        dir.Write("Sessions/Morning.GLo", "general logic\r\n");
        wizard.Oeffne();
        Pick(wizard, wizard.RadioButton2BRupgS1);
        wizard.ButtonOKClick();
        ASSERT_TRUE(lists.Visible);
        ui.ClearRecords();
    }
    // "Next SE", noted in the transcript with the sentence it shows.
    void Next() {
        lists.Button_Choose_Next_SEClick();
        Note("Next SE: " + lists.Edit_SE.Text);
    }
    // "Get TS" of `se` ("" keeps the sentence shown): the TS, its lead comment, XW type and
    // default value, and each TS page with its values.
    void GetTS(const std::string& se) {
        Note("Get TS " + se);
        if (!se.empty()) {
            lists.Edit_SE.Text = se;
        }
        lists.Button_GetTSClick();
        std::string text =
            "  TS " + lists.EditShowFullTSStr.Text + " | " + lists.LabelLeadComText.Caption +
            " | " + lists.LabelShowSEXWType.Caption + " | " + lists.LabelDefaulValRes.Caption;
        for (const TTSSettingsPage& page : lists.PageControlSetTS) {
            text += "\r  " + page.Caption + (page.Visible ? ":" : " (hidden):");
            for (const std::string& value : page.Values.Items) {
                text += " " + value;
            }
        }
        Note(text);
    }
    // "Set all TS" with the value of each page: the last TS settings line and the step status.
    void SetAllTS(const std::vector<int>& values) {
        for (std::size_t page = 0; page < values.size(); ++page) {
            lists.PageControlSetTS[page].Values.ItemIndex = values[page];
        }
        lists.ButtonSetAllTSClick();
        Note("Set all TS: " + lists.Memo_TS_Settings.Lines.Lines().back() + " | " +
             lists.StepStatus + " | " + std::to_string(lists.PageControlSetTS.size()) + " pages");
    }
};

// S120E1 gets TS1 = 20 with a comment; S254E3 with "None" for TS1 leaves it free.
TEST_F(ListsTS, GetTSComposesTheSettingsLineOfEachSentence) {
    StartStep1();
    Next();
    GetTS("");
    EXPECT_EQ(lists.PageControl.ActivePageIndex, TListsForm::kPageIniTS);
    EXPECT_GT(lists.Memo_AktTS_Text.Lines.Count(), 10);
    GetTS("");  // refused while the pages are open
    lists.EditComment.Text = "kettle";
    const int before = lists.Memo_TS_Settings.Lines.Count();
    SetAllTS({1});
    EXPECT_EQ(lists.Memo_TS_Settings.Lines.Count(), before + 1);

    Next();
    Next();
    Next();
    lists.EditComment.Text.clear();
    GetTS("");
    lists.PageControlSetTS.at(1).Values.ItemIndex = 0;
    SetAllTS({});
    ExpectTranscript("lists_ts/get_ts");
}

TEST_F(ListsTS, NextSEStepsOverCommentsAndStopsAtTheEnd) {
    StartStep1();
    lists.Memo_SEupgrBase.Lines = TextList{
        "//header", "S120E1WW10: RE2M1,", "// note", " S1E1 indented", "", "S254E3WW10: RE7M1,"};
    lists.MyFrmShow();
    EXPECT_EQ(lists.PageControl.ActivePageIndex, TListsForm::kPageUpgradeBase);
    Next();
    Next();
    EXPECT_EQ(lists.CurrentSEPosition, 5);
    Next();  // at the end

    // A step left unfinished holds "Next SE" until it is cancelled.
    lists.StepStatus = "ini";
    lists.MyFrmShow();
    Next();
    lists.ButtonIniTSCancelClick();
    Next();
    ExpectTranscript("lists_ts/next_se");
}

// Two TS of another XW type, a topic beyond the range, a sentence with an exception TS.
TEST_F(ListsTS, RefusalsAndTheExceptionTS) {
    StartStep1();
    Note("Set all TS with nothing prepared");
    lists.ButtonSetAllTSClick();
    EXPECT_TRUE(lists.StepStatus.empty());
    GetTS("S207E5DW70:");
    GetTS("S99999E1WW10:");
    GetTS("S254E8DW70: RE9O2,");
    lists.PageControlSetTS.at(1).Values.ItemIndex = 0;
    SetAllTS({});
    ExpectTranscript("lists_ts/refusals");
}

TEST_F(ListsTS, ASentenceMarkedForStep1GetsItsRemark) {
    StartStep1();
    dir.Write("Saetze/FormaleSE/TSmapg/TS207.txt",
              "*E2,WW:\r\n-TB TS1 walk to the station\r\nE2,EN:\r\nWW,TS1: the walk\r\n");
    GetTS("S207E2WW10:");
    SetAllTS({});
    ExpectTranscript("lists_ts/remark");
}

}  // namespace
}  // namespace vx::test
