#include <gtest/gtest.h>

#include <algorithm>

#include "onebr_golden.h"
#include "platform/application.h"
#include "platform/scripted_ui.h"
#include "platform/text_list.h"
#include "session/one_br_run.h"
#include "session/result_form.h"
#include "session/smallest_conflict.h"
#include "settings/ini_form.h"
#include "support/golden.h"
#include "support/onebr_workload.h"
#include "support/temp_dir.h"

namespace vx {
namespace {

TextList HeaderAnd(const TextList& session, const std::vector<int>& lines) {
    TextList chosen{session[0]};
    for (int n : lines) {
        chosen.Add(session[n]);
    }
    return chosen;
}

// The planted conflict needs all three of its lines; the search finds exactly them among 1024
// lines with far fewer runs than one per line.
TEST(SmallestConflictSearch, FindsThePlantedThreeLinesOfA1024LineSession) {
    onebr_workload::PlantedConflict made = onebr_workload::SessionWithPlantedConflict(1024);
    ASSERT_EQ(made.Session.Count(), 1025);
    const std::vector<int>& p = made.Planted;
    for (const auto& pair : {std::vector<int>{p[0], p[1]}, {p[0], p[2]}, {p[1], p[2]}}) {
        EXPECT_FALSE(FindSmallestConflict(HeaderAnd(made.Session, pair), made.Settings, &made.Files)
                         .SessionConflicts);
    }
    const TextList before = made.Session;

    const SmallestConflict found = FindSmallestConflict(made.Session, made.Settings, &made.Files);

    ASSERT_TRUE(found.SessionConflicts);
    std::vector<int> numbers;
    for (const TracedLine& line : found.Lines) {
        numbers.push_back(line.SessionLine);
        EXPECT_EQ(line.Text, made.Session[line.SessionLine]);
        EXPECT_EQ(line.Record, line.SessionLine);
    }
    EXPECT_EQ(numbers, made.Planted);
    // Ten halvings of 1024 lines, each trying a few pieces around each of the three lines.
    EXPECT_LE(found.Runs, 2 * 3 * 11 + 3 * 2 + 1);
    ASSERT_TRUE(found.Trace.Conflict.has_value());
    EXPECT_EQ(ConflictSummary(found.Trace),
              "Conflict in line 512 (cycle 0, backward pass): RE10 NEQ (WW10 ) met S254E010WW10");
    EXPECT_EQ(made.Session.Lines(), before.Lines());
}

// The result window after runs of the demo sessions.
class ExplanationPage : public ::testing::Test {
protected:
    void Run(const std::string& name) {
        session.LoadFromFile(demo.Root() + "Sessions\\" + name);
        RunOneBRSession(session, ini, resultForm, ui);
    }
    std::vector<std::string> Shown() const {
        return test::MarkRoot(resultForm.Memo_Explanation.Lines.Lines(), demo.Root());
    }
    test::DemoCopy demo;
    ScriptedUi ui;
    TApplication application;
    TIniForm ini{ui, application, demo.ProgramFileName()};
    TResultForm resultForm;
    TextList session;
};

// The pages compared are in tests/data/session/explanation_page/.
void ExpectPage(const std::vector<std::string>& shown, const std::string& name) {
    std::string text;
    for (const std::string& line : shown) {
        text += line + "\n";
    }
    test::DumpActual("explanation_page", "", name, text);
    EXPECT_EQ(shown, test::LinesOf(test::TestDataDir() / "session" / "explanation_page" / name));
}

TEST_F(ExplanationPage, AnOkRunShowsTheDerivationOfTheChosenValueBackToItsLine) {
    Run("Morning");
    ASSERT_FALSE(resultForm.Trace().Conflict.has_value());
    EXPECT_FALSE(resultForm.ButtonSmallestConflict.Enabled);
    EXPECT_EQ(Shown().back(), "Choose an SE value in the list to see its derivation.");
    const auto& values = resultForm.ListBoxSEValues.Items;
    const auto chosen = std::find(values.begin(), values.end(), "S254E9WW10");
    ASSERT_NE(chosen, values.end());
    resultForm.ListBoxSEValues.ItemIndex = static_cast<int>(chosen - values.begin());
    resultForm.ListBoxSEValuesClick();
    ExpectPage(Shown(), "morning_S254E9WW10.txt");
}

TEST_F(ExplanationPage, TheSmallestConflictOfTheLastRunLeavesTheSessionAsItWas) {
    Run("Conflict");
    ASSERT_TRUE(resultForm.ButtonSmallestConflict.Enabled);
    const std::string file = demo.Read("Sessions/Conflict");
    const std::size_t messages = ui.Messages.size();
    resultForm.ButtonSmallestConflictClick();
    ExpectPage(Shown(), "conflict_smallest.txt");
    EXPECT_EQ(demo.Read("Sessions/Conflict"), file);
    EXPECT_EQ(ui.Messages.size(), messages);

    // The next run explains itself and forgets the search of the one before.
    Run("Morning");
    EXPECT_FALSE(resultForm.ButtonSmallestConflict.Enabled);
    EXPECT_FALSE(resultForm.FoundSmallestConflict().has_value());
    resultForm.ButtonSmallestConflictClick();
    EXPECT_FALSE(resultForm.FoundSmallestConflict().has_value());
}

}  // namespace
}  // namespace vx
