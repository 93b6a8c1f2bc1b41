#include <gtest/gtest.h>

#include <filesystem>

#include "platform/scripted_ui.h"
#include "session/line_evaluation.h"
#include "session/method_files.h"
#include "session/session_lines.h"
#include "support/installed.h"

namespace vx {
namespace {

// A line evaluator over one author method file, MO_S254.txt, with the given lines.
class Evaluation : public ::testing::Test, protected test::Installed {
protected:
    void Rules(const std::string& text) { install.Write("RELATION/FormaleR/MO_S254.txt", text); }
    TFehlerStatus Line(const std::string& line) {
        TSatzEntry record;
        SplitSessionLine(line, 1, record, ui);
        return evaluator.EvaluateSessionLine(record.TopicPart, record.SentencePart, record.XWPart,
                                             record.Items);
    }
    std::string Apply(const std::string& consequence, int count = 1) {
        TFehlerStatus status;
        return evaluator.ApplyMethod(254, consequence, count, status);
    }
    std::vector<std::string> Entries() const {
        std::vector<std::string> entries;
        for (int i = 1; i <= table.Used(); ++i) {
            entries.push_back(table[i].Key + table[i].XWType + std::to_string(table[i].Value));
        }
        return entries;
    }
    TVxSETable table;
    IndexedMethodFiles files;
    TLineEvaluator evaluator{table, TextBaseSettingsOf(ini), files, ui};
};

TEST_F(Evaluation, AnEntryCreatedByAMethodIsFoundByKeyButNotUnderALeadingZero) {
    Rules("E10, RS254E11:\r\nIF E10 EQ WW10 THEN WITH M1 : RS254E11 EQ WW10\r\n");
    EXPECT_EQ(Line("S254E10WW10: RS254E11M1,").Changed, "RS254E11RS254E11 EQ WW10");
    EXPECT_EQ(Line("S254E11WW10:").Changed, "0");
    const TFehlerStatus second = Line("S0254E11WW10:");
    EXPECT_EQ(second.Status, 1);
    EXPECT_EQ(second.Changed, "S0254E11WW10");
    EXPECT_EQ(Entries(), (std::vector<std::string>{"S254E10WW10", "S254E11WW10", "S0254E11WW10"}));
}

TEST_F(Evaluation, AnEntryIsNeverOverwrittenWhateverNumbersItHolds) {
    const TFehlerStatus first = Line("S254E-1WW10:");
    EXPECT_EQ(first.Status, 1);
    EXPECT_EQ(Line("S254E5WW20:").Status, 1);
    EXPECT_EQ(Entries(), (std::vector<std::string>{"S254E-1WW10", "S254E5WW20"}));
}

TEST_F(Evaluation, AnItemOfTwoCharactersSearchesThePreviousItemsBlockAgain) {
    Rules("E10, RE11:\r\nIF E10 EQ WW10 THEN WITH M1 : RE11 EQ WW10\r\n");
    EXPECT_EQ(Line("S254E10WW10: RE11M1,RE,").Status, 1);
    EXPECT_TRUE(ui.Messages.empty());

    // As the first item it has no key at all: nothing is found, the method is empty.
    const TFehlerStatus alone = Line("S254E10WW10: RE,");
    EXPECT_EQ(alone.Status, -1);
    EXPECT_EQ(alone.Method, "");
    ASSERT_EQ(ui.Messages.size(), 4u);
    EXPECT_NE(ui.Messages[3].find(" zu  THEN WITH  :  nicht gefunden."), std::string::npos);
}

TEST_F(Evaluation, LineValuesThatDoNotConvertAreReportedAndNoFileIsLookedUpForThem) {
    // Topic 0 has no area, so its method file path is "Error": not a file name to open.
    install.Write("Error", "E1, RE2:\r\nIF E1 EQ WW10 THEN WITH M1 : RE2 EQ WW10\r\n");
    const auto workingDirectory = std::filesystem::current_path();
    std::filesystem::current_path(install.path());
    const TFehlerStatus status = Line("S25xE1WW10: RE2M1,");
    std::filesystem::current_path(workingDirectory);
    EXPECT_EQ(status.Status, -1);
    EXPECT_EQ(status.Value, 0);
    ASSERT_EQ(ui.Messages.size(), 2u);
    EXPECT_EQ(ui.Messages[0],
              "Fehler bei der Konvertierung von S25x\rE1 oder WW10\rBerechnung unvollstaendig "
              "!\r___\rErrror at converting from S25x\rE1 or WW10\rComputation not complete !");
    EXPECT_EQ(ui.Messages[1],
              "Fehler bei Initialisierung der Datei Error\rDie Berechnung wird beendet.\r____\r"
              "Error at inialization of the file Error\rThe computation will be stopped.");
}

TEST_F(Evaluation, ApplyMethodRefusesWhatItCannotRead) {
    EXPECT_EQ(Apply("RE"), "No_Method");
    EXPECT_EQ(Apply("RE11 LT WW10"), "No_Method");
    EXPECT_EQ(Apply("RSxE2 EQ WW10"), "No_Method");
    EXPECT_EQ(ui.Messages.back(),
              "Fehler bei Konvertierung von  in Satz 254\rDie Berechnung kann nicht korrekt "
              "durchgefuehrt werden.\r___\rError on converting  in sentnce 254\rThe computation "
              "cannot be done correctly.");
    EXPECT_EQ(Apply("RE EQ WW10"), "No_Method");
    EXPECT_EQ(ui.Messages.size(), 2u);
}

TEST_F(Evaluation, ValueTokenErrorsAreAppendedAndEndTheMethodAtTheNextItem) {
    EXPECT_EQ(Apply("RE11 EQ WWab"), "Error_Cannot_resolve_XW_Num: RE11 EQ WWab");
    EXPECT_EQ(Apply("RE11 EQ W1"), "Error_XW_Type_to_short: RE11 EQ W1");
    EXPECT_EQ(
        Apply("RE11 EQ XXyz"),
        "Error_Cannot_resolve_XW_Num: RE11 EQ XXyzError_Cannot_resolve_XW_Type: RE11 EQ XXyz");
    EXPECT_EQ(Apply("RE11 EQ WW1x, RE12 EQ WW10", 2), "Error_Cannot_resolve_XW_Num: RE11 EQ WW1x");
    EXPECT_EQ(table.Used(), 0);
}

TEST_F(Evaluation, NEQChecksTokensAndAnEmptyValuePartCannotBeRead) {
    EXPECT_EQ(Apply("RE3 EQ WW10"), "ok");
    EXPECT_EQ(Apply("RE3 NEQ (WW20 WW30 )"), "0");
    EXPECT_EQ(Apply("RE3 NEQ (WWx0 WW30)"), "Error_Cannot_resolve_XW_Num: RE3 NEQ (WWx0 WW30)");
    EXPECT_EQ(Apply("RE3 NEQ 10"), "0");
    EXPECT_EQ(Apply("RE3 NEQ"), "No_Method");
    EXPECT_EQ(Apply("RE4 NEQ"), "ok");
    EXPECT_TRUE(ui.Messages.empty());
}

}  // namespace
}  // namespace vx
