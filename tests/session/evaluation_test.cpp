#include <gtest/gtest.h>

#include <filesystem>

#include "platform/scripted_ui.h"
#include "session/line_evaluation.h"
#include "session/method_files.h"
#include "session/session_lines.h"
#include "support/installed.h"

// What a whole line gives is compared in the golden folders of the 1BR run; here the values
// and consequences no method file of them holds.
namespace vx {
namespace {

class Evaluation : public ::testing::Test, protected test::Installed {
protected:
    TVxSETable table;
    IndexedMethodFiles files;
    TLineEvaluator evaluator{table, TextBaseSettingsOf(ini), files, ui};
};

TEST_F(Evaluation, LineValuesThatDoNotConvertAreReportedAndNoFileIsLookedUpForThem) {
    // Topic 0 has no area, so its method file path is "Error": not a file name to open.
    install.Write("Error", "E1, RE2:\r\nIF E1 EQ WW10 THEN WITH M1 : RE2 EQ WW10\r\n");
    const auto workingDirectory = std::filesystem::current_path();
    std::filesystem::current_path(install.path());
    TSatzEntry record;
    SplitSessionLine("S25xE1WW10: RE2M1,", 1, record, ui);
    const TFehlerStatus status = evaluator.EvaluateSessionLine(
        record.TopicPart, record.SentencePart, record.XWPart, record.Items);
    std::filesystem::current_path(workingDirectory);
    EXPECT_EQ(status.Status, -1);
    EXPECT_EQ(status.Value, 0);
    EXPECT_EQ(ui.Messages,
              (std::vector<std::string>{
                  "Fehler bei der Konvertierung von S25x\rE1 oder WW10\rBerechnung unvollstaendig "
                  "!\r___\rErrror at converting from S25x\rE1 or WW10\rComputation not complete !",
                  "Fehler bei Initialisierung der Datei Error\rDie Berechnung wird beendet.\r____\r"
                  "Error at inialization of the file Error\rThe computation will be stopped."}));
}

TEST_F(Evaluation, ConsequencesThatCannotBeReadAreRefusedOrAnswerWithTheirError) {
    const struct {
        const char* consequence;
        int count;
        const char* result;
    } rows[] = {
        {"RE", 1, "No_Method"},
        {"RE11 LT WW10", 1, "No_Method"},
        {"RSxE2 EQ WW10", 1, "No_Method"},
        {"RE EQ WW10", 1, "No_Method"},
        {"RE11 EQ WWab", 1, "Error_Cannot_resolve_XW_Num: RE11 EQ WWab"},
        {"RE11 EQ W1", 1, "Error_XW_Type_to_short: RE11 EQ W1"},
        {"RE11 EQ XXyz", 1,
         "Error_Cannot_resolve_XW_Num: RE11 EQ XXyzError_Cannot_resolve_XW_Type: RE11 EQ XXyz"},
        {"RE11 EQ WW1x, RE12 EQ WW10", 2, "Error_Cannot_resolve_XW_Num: RE11 EQ WW1x"},
        {"RE3 EQ WW10", 1, "ok"},
        {"RE3 NEQ (WW20 WW30 )", 1, "0"},
        {"RE3 NEQ (WWx0 WW30)", 1, "Error_Cannot_resolve_XW_Num: RE3 NEQ (WWx0 WW30)"},
        {"RE3 NEQ 10", 1, "0"},
        {"RE3 NEQ", 1, "No_Method"},
        {"RE4 NEQ", 1, "ok"},
    };
    for (const auto& row : rows) {
        TFehlerStatus status;
        EXPECT_EQ(evaluator.ApplyMethod(254, row.consequence, row.count, status), row.result)
            << row.consequence;
    }
    EXPECT_EQ(table.Used(), 1);  // RE3, from the one that applies
    // Said twice: for the topic that does not convert and for the empty target.
    const std::string said =
        "Fehler bei Konvertierung von  in Satz 254\rDie Berechnung kann nicht korrekt "
        "durchgefuehrt werden.\r___\rError on converting  in sentnce 254\rThe computation "
        "cannot be done correctly.";
    EXPECT_EQ(ui.Messages, (std::vector<std::string>{said, said}));
}

}  // namespace
}  // namespace vx
