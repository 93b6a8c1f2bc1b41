#include <gtest/gtest.h>

#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>

#include "gui_test.h"
#include "platform/text_list.h"
#include "session/one_br_run.h"

namespace vx::qt {
namespace {

class ResultWindow : public test::GuiTest {
protected:
    ResultWindow() { Start(install.ProgramFileName()); }
    void Run(const TextList& session) {
        VxApp& app = host.app();
        host.Run([&] { RunOneBRSession(session, app.IniForm, app.ResultForm, host); });
    }
    vx::test::TempInstallation install;
};

TEST_F(ResultWindow, ARunShowsItsReportAndThePreviousOneInReadOnlyPages) {
    Run(TextList{"//vx2.0b, ", "S254E1WW10:", "S254E2WW20:"});
    Run(TextList{"//vx2.0b, ", "S254E3WW30:"});
    QWidget* window = Window(host.app().ResultForm);
    ASSERT_TRUE(window->isVisible());
    for (const char* memo : {"ResultMemo", "Memo_Last_Results", "Memo_RL5"}) {
        EXPECT_TRUE(Find<QPlainTextEdit>(window, memo)->isReadOnly()) << memo;
    }
    EXPECT_TRUE(Text(window, "ResultMemo").endsWith("OK, Zyklen: 2\n \nSE-Results: \nS254E3WW30"));
    EXPECT_TRUE(Text(window, "Memo_Last_Results").endsWith("SE-Results: \nS254E1WW10\nS254E2WW20"));
    const auto* progress = Find<QProgressBar>(window, "ProgressBarErgebnis");
    EXPECT_EQ(progress->maximum(), 1);
    EXPECT_EQ(progress->value(), 1);
}

class ResultWindowOnTheDemo : public test::DemoGuiTest {};

TEST_F(ResultWindowOnTheDemo, TheExplanationPageExplainsTheConflictAndFindsTheSmallestOne) {
    VxApp& app = host.app();
    TextList session;
    session.LoadFromFile(demo.Root() + "Sessions\\Conflict");
    host.Run([&] { RunOneBRSession(session, app.IniForm, app.ResultForm, host); });

    QWidget* window = Window(app.ResultForm);
    auto* pages = Find<QTabWidget>(window, "PageControl1BR");
    ASSERT_EQ(pages->count(), 3);
    EXPECT_EQ(pages->tabText(2), "Explanation");
    EXPECT_TRUE(Find<QPlainTextEdit>(window, "Memo_Explanation")->isReadOnly());
    auto* values = Find<QListWidget>(window, "ListBoxSEValues");
    EXPECT_EQ(values->count(), 8);
    EXPECT_TRUE(Text(window, "Memo_Explanation")
                    .contains("Conflict in line 3 (cycle 0, forward pass): RE11 EQ WW20 met "
                              "S254E11WW10"));

    values->setCurrentItem(values->findItems("S254E12WW10", Qt::MatchExactly).value(0));
    EXPECT_TRUE(Text(window, "Memo_Explanation")
                    .contains("Derivation of S254E12WW10:\n  S254E12WW10 derived by line 2, "
                              "item 2 RE12O1"));

    auto* button = Find<QPushButton>(window, "ButtonSmallestConflict");
    EXPECT_EQ(button->text(), "Smallest conflict");
    ASSERT_TRUE(button->isEnabled());
    button->click();
    EXPECT_TRUE(Text(window, "Memo_Explanation")
                    .contains("2 lines of the session end in a conflict on their own:\nline 2: "
                              "S254E10WW10: RS254E11M1,RE12O1,\nline 3: S254E9WW10: RE11M1,"));
}

}  // namespace
}  // namespace vx::qt
