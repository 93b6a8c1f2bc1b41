#include <gtest/gtest.h>

#include <memory>

#include "platform/controls.h"
#include "platform/scripted_ui.h"
#include "platform/text_list.h"
#include "session/one_br_run.h"
#include "session/result_form.h"
#include "settings/ini_form.h"
#include "support/installed.h"

namespace vx {
namespace {

// Records 1..count with parts long enough to be evaluated.
std::unique_ptr<TSatzArray> Records(int count) {
    auto records = std::make_unique<TSatzArray>();
    for (int i = 1; i <= count; ++i) {
        TSatzEntry& record = (*records)[i];
        record.Length = 11;
        record.TopicPart = "S254";
        record.SentencePart = "E" + std::to_string(i);
        record.XWPart = "WW10";
    }
    return records;
}

TFehlerStatus Status(int status, std::string changed = "0") {
    return TFehlerStatus{std::move(changed), status, 10, "S254E1WW10", "0"};
}

TEST(Cycles, EveryCycleThatAddsAValueRunsAnotherUntilTheLimitWithInfoInTheSecondHalf) {
    for (const int count : {1, 2}) {
        ScriptedUi ui;
        TFehlerStatus status;
        const auto records = Records(count);
        const RunResult result = RunCycles(
            *records, count, [](const TSatzEntry&) { return Status(1, "S254E1WW10"); }, status, ui);
        const int maxCycles = 9 * count + 1;
        EXPECT_EQ(result, (RunResult{0, maxCycles + 1}));
        const int firstInfo = count == 1 ? 6 : 10;
        ASSERT_EQ(static_cast<int>(ui.Messages.size()), maxCycles - firstInfo + 1);
        EXPECT_EQ(ui.Messages[0], "Info: Anzahl Durchlaeufe ist in 2ter Haelfte hinaus: " +
                                      std::to_string(firstInfo) +
                                      "\r___\rInfo: Number of max. Iterations is "
                                      "over 2nd Half: " +
                                      std::to_string(firstInfo));
    }
}

TEST(Cycles, AConflictStopsThePassAtOnceAndTheProgressBarFollowsThePasses) {
    ScriptedUi ui;
    TProgressBar bar;
    TFehlerStatus status;
    int evaluations = 0;
    const RunResult result = RunCycles(
        *Records(200), 200,
        [&](const TSatzEntry& record) {
            ++evaluations;
            return record.SentencePart == "E150" ? Status(-1) : Status(1);
        },
        status, ui, &bar);
    EXPECT_EQ(result, (RunResult{150, 0}));
    EXPECT_EQ(evaluations, 150);
    EXPECT_EQ(bar.Max, 200);
    EXPECT_EQ(bar.Position, 150);
    EXPECT_EQ(ui.ProcessEventsCalls, 2);
}

// An empty session text sets a run state left at computing back to idle.
TEST(Run, AnEmptySessionSetsTheRunStateBackToIdle) {
    test::Installed installed;
    TResultForm resultForm;
    installed.ini.RunState = kRunStateComputing;
    EXPECT_FALSE(RunOneBRSession(TextList{}, installed.ini, resultForm, installed.ui).Reported);
    EXPECT_EQ(installed.ini.RunState, kRunStateIdle);
}

}  // namespace
}  // namespace vx
