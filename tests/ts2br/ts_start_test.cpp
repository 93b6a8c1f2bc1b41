#include <gtest/gtest.h>

#include "app/vx_app.h"
#include "platform/scripted_ui.h"
#include "platform/text_list.h"
#include "support/temp_dir.h"

// "TS start" in the windows it works with; the lists and messages of its runs are covered by
// the golden folders of tests/data/ts_start, run through vx-check.
namespace vx {
namespace {

// Lets a test act where the run lets events through.
class EventsUi : public ScriptedUi {
public:
    void ProcessEvents() override {
        ScriptedUi::ProcessEvents();
        if (During) {
            During();
        }
    }
    std::function<void()> During;
};

// The application on a copy of the demo installation, with the demo 2BR session open.
class TSStart : public ::testing::Test {
protected:
    TSStart() : app(ui, dir.ProgramFileName()) {
        EXPECT_TRUE(
            session.OpenSession("Breakfast", true, app.IniForm.SessionsPath + "_2BR_Breakfast"));
    }

    test::DemoCopy dir;
    EventsUi ui;
    VxApp app;
    TIniForm& ini = app.IniForm;
    TResultForm& result = app.ResultForm;
    TSessionForm& session = app.SessionForm;
    TFormAnals2BR& anals = app.FormAnals2BR;
};

TEST_F(TSStart, TheProgressBarFollowsTheLinesAndAStartWhileRunningIsIgnored) {
    std::vector<int> positions;
    std::vector<std::string> states;
    ui.During = [&] {
        positions.push_back(result.ProgressBarErgebnis.Position);
        states.push_back(ini.RunState);
        session.ButtonTSStartClick();
    };
    anals.Show();
    session.ButtonTSStartClick();

    EXPECT_EQ(positions, (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(result.ProgressBarErgebnis.Max, 4);
    EXPECT_EQ(states, std::vector<std::string>(4, "Sescomputing"));
    EXPECT_EQ(ini.RunState, "idle");
    EXPECT_EQ(result.Memo_Results.Lines.Count(), 2);  // one run, not five
    EXPECT_EQ(anals.LastTSStart, TFormAnals2BR::TSStartEnd::NotAllMatch);
    EXPECT_TRUE(result.Visible);
    EXPECT_EQ(result.PageControl.ActivePageIndex, 1);     // "2BR"
    EXPECT_EQ(result.PageControl2BR.ActivePageIndex, 2);  // "TS results"
    EXPECT_FALSE(anals.Visible);
    EXPECT_EQ(ui.Messages, std::vector<std::string>{});
}

// A selected logic is computed alone and shown on its page; every run starts the result lists
// afresh and reads the SE list again.
TEST_F(TSStart, ASelectedLogicAloneAndEveryRunAfresh) {
    session.ComboBoxSelectLogic.Select(5);  // "RL1"
    session.ButtonTSStartClick();
    EXPECT_EQ(result.Memo_Results.Lines.Lines(),
              (std::vector<std::string>{"OK", "RL1: 2 MATCHES, 0 INCONSISTENT, 0 errors"}));
    EXPECT_EQ(result.Memo_DefWW.Lines[1], "S120E2:TS1");
    EXPECT_EQ(result.PageControl2BR.ActivePageIndex, 2);  // "TS results"
    EXPECT_EQ(result.PageControlTS.ActivePageIndex, 4);   // "RL1"
    EXPECT_EQ(anals.LastTSStart, TFormAnals2BR::TSStartEnd::AllMatch);

    session.ComboBoxSelectLogic.Select(1);  // "DefWW"
    session.Memo2BRSes.Lines.Set(4, "S120E6WW20: ");
    session.ButtonTSStartClick();
    EXPECT_EQ(result.Memo_DefWW.Lines.Count(), 5);
    EXPECT_EQ(result.Memo_DefWW.Lines[4],
              "S120E6:TS1u~TS1, MATCHES with SE-Target: 20 with:TS1=10 ");
    EXPECT_EQ(anals.LastTSStart, TFormAnals2BR::TSStartEnd::AllMatch);
    EXPECT_EQ(ui.Messages, std::vector<std::string>{});
}

// "Compute all" reads the SE list once: the message of its bad line appears once. The lists,
// summaries and page of such a run are checked by the session window's GUI test.
TEST_F(TSStart, ComputeAllReadsTheSEListOnce) {
    session.Memo2BRSes.Lines.Add("S120E8WWx: ");
    session.ButtonComputeAllClick();
    EXPECT_EQ(ui.Messages.size(), 1u) << ::testing::PrintToString(ui.Messages);
    EXPECT_EQ(result.Memo_Results.Lines.Count(), 8);
    EXPECT_EQ(anals.LastTSStart, TFormAnals2BR::TSStartEnd::NotAllMatch);
    EXPECT_EQ(ini.RunState, "idle");
}

TEST(TwoBRSEList, VirtualSentenceRangeRelationsAndCommentAreRead) {
    ScriptedUi ui;
    const TextList list{"//vx2.0b, 2BRSession ",
                        "S120E2 EW 50_FS7E1_F(Woche): RE3M1, RS254E2O1, // kettle on"};
    auto entries = std::make_unique<T2BRSEArray>();
    EXPECT_EQ(Read2BRSEList(list, "2BRMode", *entries, ui), "OK");
    const T2BRSEEntry& entry = (*entries)[1];
    EXPECT_EQ(entry.SText + entry.EText, "S120E2");
    EXPECT_EQ(entry.SNumber, 120);
    EXPECT_EQ(entry.XWType + std::to_string(entry.XWValue), "EW50");
    EXPECT_EQ(entry.Virtual1 + "|" + entry.Virtual2 + "|" + entry.Range, "FS7E1|_F|Woche");
    EXPECT_EQ(entry.VirtualFlag, 1);
    EXPECT_EQ(entry.Relations[1] + "|" + entry.Relations[2] + "|" + entry.Relations[3],
              "RE3M1|RS254E2O1|");
    EXPECT_EQ(entry.Comment, "// kettle on");
    EXPECT_EQ((*entries)[2].SText, "");
    EXPECT_EQ(ui.Messages, std::vector<std::string>{});

    auto other = std::make_unique<T2BRSEArray>();
    Read2BRSEList(list, "1BRMode", *other, ui);
    EXPECT_EQ((*other)[1].Virtual1 + (*other)[1].Range, "");
}

// A list beyond its limits (a line of 33 relations, 1025 entries) and one at the limit are the
// golden folders ts_start/se_list_*.

}  // namespace
}  // namespace vx
