#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include "gui_test.h"
#include "platform/text_list.h"
#include "session/one_br_run.h"

// The person's path through a session on the demo installation, by clicks and by keys.
namespace vx::qt {
namespace {

class SessionGui : public test::DemoGuiTest {
protected:
    static void Activate(QWidget* window) {
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window));
    }
    // Ctrl+O in the active window, choosing Morning; companion files are not offered.
    void ChooseMorningByKey() {
        Activate(Window(host.app().MenueForm));
        test::OnNextModal([this](QWidget* dialog) {
            auto* files = Find<QListWidget>(dialog, "FileListBox");
            EXPECT_EQ(files->findItems("Morning.ipr", Qt::MatchExactly).size(), 0);
            ChooseIn(dialog, "", "Morning");
        });
        QTest::keyClick(QApplication::activeWindow(), Qt::Key_O, Qt::ControlModifier);
    }
    // Types a line at the end of the session text, with the session window active.
    QPlainTextEdit* TypeInSession() {
        QWidget* session = Window(host.app().SessionForm);
        Activate(session);
        auto* memo = Find<QPlainTextEdit>(session, "SessionMemo");
        memo->setFocus();
        memo->moveCursor(QTextCursor::End);
        memo->insertPlainText("\nS12E1WW10: ");
        return memo;
    }
    // "Session new" named `name`.
    void NewSession(const QString& name) {
        test::OnNextModal([=, this](QWidget* dialog) {
            Find<QLineEdit>(dialog, "EditNeueSession")->setText(name);
            Click(dialog, "ButtonOK");
        });
        Menu("NeueSes")->trigger();
    }
    QString StatusLine() {
        return Find<QLabel>(Window(host.app().MenueForm), "StatusLine")->text();
    }
};

TEST_F(SessionGui, ANewSessionGetsAnActivatedRelationAndIsSaved) {
    test::MessageBoxAnswerer answerer;
    NewSession("Gui1");
    QWidget* session = Window(host.app().SessionForm);
    ASSERT_TRUE(session->isVisible());
    EXPECT_EQ(session->windowTitle(), "Session Gui1");
    auto* sessionMemo = Find<QPlainTextEdit>(session, "SessionMemo");
    EXPECT_EQ(sessionMemo->toPlainText(), "//vx2.0b, ");
    EXPECT_FALSE(sessionMemo->isReadOnly());

    // The topics window starts in its topic field.
    Menu("VxMain")->trigger();
    QWidget* topics = Window(host.app().VxMainFormSaetze);
    Activate(topics);
    EXPECT_EQ(QApplication::focusWidget(), Find<QLineEdit>(topics, "SatzEdit"));
    Find<QLineEdit>(topics, "EditAktiviere")->setText("S254E2");
    Click(topics, "ButtonAktiviere");
    QWidget* relations = Window(host.app().WWRelForm);
    ASSERT_TRUE(relations->isVisible());
    EXPECT_EQ(relations->windowTitle(), "S254E2");
    auto* pages = Find<QTabWidget>(relations, "RPageControlW");
    ASSERT_EQ(pages->count(), 3);
    EXPECT_EQ(pages->tabText(0), "RE3");
    auto* m1 = Find<QCheckBox>(pages->widget(0), "M1");
    EXPECT_TRUE(m1->isEnabled());
    EXPECT_FALSE(Find<QCheckBox>(pages->widget(0), "O1")->isEnabled());
    m1->setChecked(true);
    Click(relations, "WAktivButton");
    EXPECT_EQ(sessionMemo->toPlainText(), "//vx2.0b, \nS254E2WW10: RE3M1,");

    // The person adds a condition by hand before saving.
    sessionMemo->moveCursor(QTextCursor::End);
    sessionMemo->insertPlainText(
        QString::fromLatin1("\nS12E1WW10: // Fr\xFChst\xFC"
                            "ck"));
    Menu("SpeichernSes")->trigger();
    EXPECT_EQ(demo.Read("Sessions/Gui1"),
              "//vx2.0b, \r\nS254E2WW10: RE3M1,\r\nS12E1WW10: // Fr\xFChst\xFC"
              "ck\r\n");
    ASSERT_EQ(answerer.Texts.size(), 1u);  // the advice of a new session
    EXPECT_EQ(answerer.Texts[0].substr(0, 37), "Als einen der ersten Schritte ueberde");
}

TEST_F(SessionGui, ChoosingTheTwoBRSessionWalksIntoItsDirectoryAndTSStartGivesVerdicts) {
    // A new session shows the header lines first; the lists chosen later must replace them.
    {
        test::MessageBoxAnswerer advice;
        NewSession("First");
    }
    host.Run([this] { host.app().SessionForm.Close(); });
    test::MessageBoxAnswerer answerer;
    test::OnNextModal([&](QWidget* dialog) {
        ChooseIn(dialog, "_2BR_Breakfast", "Breakfast");
        // Breakfast.TS and Breakfast.mpf are not sessions.
        EXPECT_EQ(Find<QListWidget>(dialog, "FileListBox")->count(), 1);
    });
    Menu("AuswaehlenSes")->trigger();
    EXPECT_EQ(host.app().IniForm.IniState, kIniState2BR);
    EXPECT_EQ(StatusLine(), "Session Breakfast   |   2BR");
    QWidget* session = Window(host.app().SessionForm);
    EXPECT_EQ(Find<QTabWidget>(session, "PageControl")->currentIndex(), 1);
    EXPECT_EQ(Text(session, "MemoTS").left(17), "//vx2.0b, 2BR TS ");
    EXPECT_EQ(Text(session, "Memo2BRSes").split('\n').size(),
              host.app().SessionForm.Memo2BRSes.Lines.Count());

    Click(session, "ButtonTSStart");
    QWidget* result = Window(host.app().ResultForm);
    ASSERT_TRUE(result->isVisible());
    EXPECT_EQ(Text(result, "Memo_DefWW").split('\n').value(4),
              "S120E6:TS1u~TS1, INCONSISTENT with SE-Target: 10");
    EXPECT_EQ(Text(result, "Memo_Results"), "OK\nDefWW: 3 MATCHES, 1 INCONSISTENT, 0 errors");
    EXPECT_EQ(Find<QProgressBar>(result, "ProgressBarErgebnis")->value(), 4);

    // "Compute all" fills the list of every logic that has lines, whatever is selected, and
    // ends on the page with the summaries.
    Click(session, "ButtonComputeAll");
    for (const char* memo : {"Memo_DefWW", "Memo_DefEW", "Memo_DefDW", "Memo_RL1"}) {
        EXPECT_TRUE(Text(result, memo).section('\n', 1, 1).contains(" with SE-Target: ")) << memo;
    }
    // "Results" keeps what the run before left: two lines, then "OK" and a summary per logic.
    const QStringList results = Text(result, "Memo_Results").split('\n');
    EXPECT_EQ(results.size(), 10);
    EXPECT_EQ(results.back(), "RL1: 2 MATCHES, 0 INCONSISTENT, 0 errors");
    EXPECT_EQ(Find<QTabWidget>(result, "PageControl2BR")->currentIndex(), 0);
    // "All matches" is read by each start: ~TS1 => TS2 is 10 on 5 of its 9 rows.
    for (const char* count : {", matches: 5, underdetermined", ""}) {
        Find<QCheckBox>(session, "CheckBoxAllMatches")->click();
        Click(session, "ButtonTSStart");
        EXPECT_EQ(
            Text(result, "Memo_DefWW").split('\n')[3],
            QString("S120E5:~TS1=>TS2, MATCHES with SE-Target: 10 with:TS1=10 TS2=10 ") + count);
    }
    EXPECT_EQ(answerer.Texts, std::vector<std::string>{});
}

// Each shortcut works from every window and is shown in the menu.
TEST_F(SessionGui, MenuItemsShowTheirKeys) {
    QString keys;
    for (const char* name : {"NeueSes", "AuswaehlenSes", "SpeichernSes", "SpeichernUnterSes", "N5",
                             "Quit", "MainWindow"}) {
        ASSERT_NE(Menu(name), nullptr) << name;
        const bool everywhere = Menu(name)->shortcutContext() == Qt::ApplicationShortcut;
        keys += Menu(name)->shortcut().toString() + (everywhere ? " " : " (one window) ");
    }
    EXPECT_EQ(keys, "Ctrl+N Ctrl+O Ctrl+S Ctrl+Shift+S F1 Ctrl+Q Ctrl+M ");
}

// Keys pressed in the session window: choose, save what was typed, the status line follows,
// Ctrl+M brings the main window back to the front.
TEST_F(SessionGui, ShortcutsWorkFromTheSessionWindow) {
    EXPECT_EQ(StatusLine(), "No session open   |   1BR");
    ChooseMorningByKey();
    EXPECT_EQ(StatusLine(), "Session Morning   |   1BR");
    QPlainTextEdit* memo = TypeInSession();
    QTest::keyClick(memo, Qt::Key_S, Qt::ControlModifier);
    EXPECT_NE(demo.Read("Sessions/Morning").find("S12E1WW10: \r\n"), std::string::npos);
    QTest::keyClick(memo, Qt::Key_M, Qt::ControlModifier);
    EXPECT_TRUE(QTest::qWaitForWindowActive(Window(host.app().MenueForm)));
}

// Text typed into the window (not yet in the model) counts: Esc and Quit ask, Cancel keeps
// the window, the text and the program.
TEST_F(SessionGui, UnsavedChangesAskOnEscapeAndQuitAndCancelKeepsThem) {
    ChooseMorningByKey();
    QPlainTextEdit* memo = TypeInSession();
    std::vector<std::string> asked;
    const auto cancelNextQuestion = [&asked] {
        test::OnNextModal([&asked](QWidget* box) {
            asked.push_back(box->findChild<QLabel*>("qt_msgbox_label")->text().toStdString());
            test::Answer(box, "Cancel");
        });
    };
    cancelNextQuestion();
    QTest::keyClick(memo, Qt::Key_Escape);
    cancelNextQuestion();
    Menu("Quit")->trigger();
    ASSERT_EQ(asked.size(), 2u);
    for (const std::string& question : asked) {
        EXPECT_EQ(question.rfind("Die Session \"Morning\" hat ungespeicherte Aenderungen.", 0), 0u)
            << question;
    }
    EXPECT_FALSE(host.app().TerminateRequested());
    EXPECT_TRUE(Window(host.app().SessionForm)->isVisible());
    EXPECT_TRUE(memo->toPlainText().endsWith("S12E1WW10: "));
}

// The result window after a 1BR run of the demo session Conflict.
TEST_F(SessionGui, TheExplanationPageExplainsTheConflictAndFindsTheSmallestOne) {
    VxApp& app = host.app();
    TextList session;
    session.LoadFromFile(demo.Root() + "Sessions\\Conflict");
    host.Run([&] { RunOneBRSession(session, app.IniForm, app.ResultForm, host); });

    QWidget* window = Window(app.ResultForm);
    for (const char* memo : {"ResultMemo", "Memo_Last_Results", "Memo_Explanation"}) {
        EXPECT_TRUE(Find<QPlainTextEdit>(window, memo)->isReadOnly()) << memo;
    }
    EXPECT_TRUE(Text(window, "ResultMemo").contains("SE-Results: "));
    const auto* progress = Find<QProgressBar>(window, "ProgressBarErgebnis");
    EXPECT_EQ(progress->value(), progress->maximum());
    EXPECT_EQ(Find<QTabWidget>(window, "PageControl1BR")->tabText(2), "Explanation");
    auto* values = Find<QListWidget>(window, "ListBoxSEValues");
    EXPECT_EQ(values->count(), 8);
    EXPECT_TRUE(Text(window, "Memo_Explanation").contains("Conflict in line 3 (cycle 0"));

    values->setCurrentItem(values->findItems("S254E12WW10", Qt::MatchExactly).value(0));
    EXPECT_TRUE(Text(window, "Memo_Explanation").contains("Derivation of S254E12WW10:\n"));

    auto* button = Find<QPushButton>(window, "ButtonSmallestConflict");
    EXPECT_EQ(button->text(), "Smallest conflict");
    ASSERT_TRUE(button->isEnabled());
    button->click();
    EXPECT_TRUE(Text(window, "Memo_Explanation").contains("2 lines of the session end in a"));
}

}  // namespace
}  // namespace vx::qt
