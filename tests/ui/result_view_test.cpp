#include <gtest/gtest.h>

#include <QPlainTextEdit>
#include <QProgressBar>

#include "gui_test.h"
#include "platform/text_list.h"
#include "session/one_br_run.h"
#include "support/temp_dir.h"
#include "ui/form_view.h"
#include "ui/gui_host.h"

namespace vx::qt {
namespace {

class ResultWindow : public test::GuiTest {
protected:
    ResultWindow() { Start(install.ProgramFileName()); }
    vx::test::TempInstallation install;
};

TEST_F(ResultWindow, ARunShowsItsReportAndThePreviousOneInReadOnlyPages) {
    VxApp& app = host.app();
    const auto run = [&](const TextList& session) {
        host.Run([&] { RunOneBRSession(session, app.IniForm, app.ResultForm, host); });
    };
    run(TextList{"//vx2.0b, ", "S254E1WW10:", "S254E2WW20:"});
    run(TextList{"//vx2.0b, ", "S254E3WW30:"});

    QWidget* window = Window(app.ResultForm);
    ASSERT_TRUE(window->isVisible());

    auto* result = window->findChild<QPlainTextEdit*>("ResultMemo");
    auto* last = window->findChild<QPlainTextEdit*>("Memo_Last_Results");
    ASSERT_NE(result, nullptr);
    ASSERT_NE(last, nullptr);
    EXPECT_TRUE(result->isReadOnly());
    EXPECT_TRUE(window->findChild<QPlainTextEdit*>("Memo_RL5")->isReadOnly());
    EXPECT_TRUE(result->toPlainText().endsWith("OK, Zyklen: 2\n \nSE-Results: \nS254E3WW30"));
    EXPECT_TRUE(last->toPlainText().endsWith("SE-Results: \nS254E1WW10\nS254E2WW20"));
    const auto* progress = window->findChild<QProgressBar*>("ProgressBarErgebnis");
    EXPECT_EQ(progress->maximum(), 1);
    EXPECT_EQ(progress->value(), 1);
}

}  // namespace
}  // namespace vx::qt
