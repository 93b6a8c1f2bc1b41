#include <gtest/gtest.h>

#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>

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

class ResultWindowOnTheDemo : public test::GuiTest {
protected:
    ResultWindowOnTheDemo() { Start(demo.ProgramFileName()); }
    vx::test::DemoCopy demo;
};

TEST_F(ResultWindowOnTheDemo, TheExplanationPageExplainsTheConflictAndFindsTheSmallestOne) {
    VxApp& app = host.app();
    TextList session;
    session.LoadFromFile(demo.Root() + "Sessions\\Conflict");
    host.Run([&] { RunOneBRSession(session, app.IniForm, app.ResultForm, host); });

    QWidget* window = Window(app.ResultForm);
    auto* pages = Find<QTabWidget>(window, "PageControl1BR");
    ASSERT_EQ(pages->count(), 3);
    EXPECT_EQ(pages->tabText(2), "Explanation");
    auto* text = Find<QPlainTextEdit>(window, "Memo_Explanation");
    auto* values = Find<QListWidget>(window, "ListBoxSEValues");
    auto* button = Find<QPushButton>(window, "ButtonSmallestConflict");
    EXPECT_TRUE(text->isReadOnly());
    EXPECT_EQ(button->text(), "Smallest conflict");
    EXPECT_TRUE(button->isEnabled());
    EXPECT_EQ(values->count(), 8);
    EXPECT_TRUE(text->toPlainText().contains(
        "Conflict in line 3 (cycle 0, forward pass): RE11 EQ WW20 met S254E11WW10"));

    const auto found = values->findItems("S254E12WW10", Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1);
    values->setCurrentItem(found.front());
    EXPECT_TRUE(text->toPlainText().contains(
        "Derivation of S254E12WW10:\n  S254E12WW10 derived by line 2, item 2 RE12O1"))
        << text->toPlainText().toStdString();

    button->click();
    EXPECT_TRUE(
        text->toPlainText().contains("2 lines of the session end in a conflict on their "
                                     "own:\nline 2: S254E10WW10: RS254E11M1,RE12O1,\n"
                                     "line 3: S254E9WW10: RE11M1,"))
        << text->toPlainText().toStdString();
}

}  // namespace
}  // namespace vx::qt
