#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>

#include "gui_test.h"
#include "modal_answers.h"
#include "support/golden.h"
#include "support/temp_dir.h"

namespace vx::qt {
namespace {

// The demo installation with the Qt views: the person's path through a session.
class SessionGui : public test::GuiTest {
protected:
    SessionGui() {
        vx::test::CopyTree(vx::test::DemoDir(), dir.path());
        Start(dir.SystemPath() + "System\\vx");
    }

    vx::test::TempDir dir;
};

TEST_F(SessionGui, ANewSessionGetsAnActivatedRelationAndIsSaved) {
    test::MessageBoxAnswerer answerer;
    bool named = false;
    test::OnNextModal([&](QWidget* dialog) {
        named = true;
        Find<QLineEdit>(dialog, "EditNeueSession")->setText("Gui1");
        Find<QPushButton>(dialog, "ButtonOK")->click();
    });
    Menu("NeueSes")->trigger();
    ASSERT_TRUE(named);
    QWidget* session = Window(host.app().SessionForm);
    ASSERT_TRUE(session->isVisible());
    EXPECT_EQ(session->windowTitle(), "Session Gui1");
    auto* sessionMemo = Find<QPlainTextEdit>(session, "SessionMemo");
    EXPECT_EQ(sessionMemo->toPlainText(), "//vx2.0b, ");
    EXPECT_FALSE(sessionMemo->isReadOnly());

    Menu("VxMain")->trigger();
    QWidget* topics = Window(host.app().VxMainFormSaetze);
    Find<QLineEdit>(topics, "EditAktiviere")->setText("S254E2");
    Find<QPushButton>(topics, "ButtonAktiviere")->click();
    QWidget* relations = Window(host.app().WWRelForm);
    ASSERT_TRUE(relations->isVisible());
    EXPECT_EQ(relations->windowTitle(), "S254E2");
    auto* pages = Find<QTabWidget>(relations, "RPageControlW");
    ASSERT_EQ(pages->count(), 3);
    EXPECT_EQ(pages->tabText(0), "RE3");
    auto* m1 = Find<QCheckBox>(pages->widget(0), "M1");
    auto* o1 = Find<QCheckBox>(pages->widget(0), "O1");
    EXPECT_TRUE(m1->isEnabled());
    EXPECT_FALSE(o1->isEnabled());
    m1->setChecked(true);
    Find<QPushButton>(relations, "WAktivButton")->click();
    EXPECT_EQ(sessionMemo->toPlainText(), "//vx2.0b, \nS254E2WW10: RE3M1,");

    // The person adds a condition by hand before saving.
    sessionMemo->moveCursor(QTextCursor::End);
    sessionMemo->insertPlainText("\nS12E1WW10: ");
    Menu("SpeichernSes")->trigger();
    EXPECT_EQ(dir.Read("Sessions/Gui1"), "//vx2.0b, \r\nS254E2WW10: RE3M1,\r\nS12E1WW10: \r\n");
    ASSERT_EQ(answerer.Texts.size(), 1u);  // the advice of a new session
    EXPECT_EQ(answerer.Texts[0].substr(0, 37), "Als einen der ersten Schritte ueberde");
}

TEST_F(SessionGui, ChoosingTheTwoBRSessionWalksIntoItsDirectoryAndTSStartGivesVerdicts) {
    // A new session shows the header lines first; the lists chosen later must replace them.
    test::OnNextModal([&](QWidget* dialog) {
        Find<QLineEdit>(dialog, "EditNeueSession")->setText("First");
        Find<QPushButton>(dialog, "ButtonOK")->click();
    });
    {
        test::MessageBoxAnswerer advice;
        Menu("NeueSes")->trigger();
    }
    host.Run([this] { host.app().SessionForm.Close(); });
    test::MessageBoxAnswerer answerer;
    bool chosen = false;
    test::OnNextModal([&](QWidget* dialog) {
        chosen = true;
        auto* dirs = Find<QListWidget>(dialog, "DirectoryListBox");
        const auto found = dirs->findItems("_2BR_Breakfast", Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1);
        emit dirs->itemActivated(found[0]);
        auto* files = Find<QListWidget>(dialog, "FileListBox");
        const auto file = files->findItems("Breakfast", Qt::MatchExactly);
        ASSERT_EQ(file.size(), 1);
        files->setCurrentItem(file[0]);
        Find<QPushButton>(dialog, "ButtonSelect")->click();
    });
    Menu("AuswaehlenSes")->trigger();
    ASSERT_TRUE(chosen);
    EXPECT_EQ(answerer.Texts, std::vector<std::string>{});
    EXPECT_EQ(host.app().IniForm.IniState, kIniState2BR);
    QWidget* session = Window(host.app().SessionForm);
    EXPECT_EQ(Find<QPlainTextEdit>(session, "MemoTS")->toPlainText().left(17), "//vx2.0b, 2BR TS ");
    const QString sessionText = Find<QPlainTextEdit>(session, "Memo2BRSes")->toPlainText();
    EXPECT_GT(host.app().SessionForm.Memo2BRSes.Lines.Count(), 1);
    EXPECT_EQ(sessionText.count('\n') + 1, host.app().SessionForm.Memo2BRSes.Lines.Count());

    Find<QPushButton>(session, "ButtonTSStart")->click();
    EXPECT_EQ(answerer.Texts, std::vector<std::string>{});
    QWidget* result = Window(host.app().ResultForm);
    ASSERT_TRUE(result->isVisible());
    const QStringList verdicts =
        Find<QPlainTextEdit>(result, "Memo_DefWW")->toPlainText().split('\n');
    ASSERT_EQ(verdicts.size(), 5);
    EXPECT_EQ(verdicts[0], "//DefWW Results:");
    EXPECT_TRUE(verdicts[1].startsWith("S120E2:TS1, MATCHES with SE-Target: 10"))
        << verdicts[1].toStdString();
    EXPECT_EQ(verdicts[4], "S120E6:TS1u~TS1, INCONSISTENT with SE-Target: 10");
    EXPECT_EQ(Find<QPlainTextEdit>(result, "Memo_Results")->toPlainText(),
              "OK\nDefWW: 3 MATCHES, 1 INCONSISTENT, 0 errors");
    EXPECT_EQ(Find<QProgressBar>(result, "ProgressBarErgebnis")->value(), 4);

    // "Compute all" fills the list of every logic that has lines, whatever is selected, and
    // ends on the page with the summaries.
    Find<QPushButton>(session, "ButtonComputeAll")->click();
    EXPECT_EQ(answerer.Texts, std::vector<std::string>{});
    for (const char* memo : {"Memo_DefWW", "Memo_DefEW", "Memo_DefDW", "Memo_RL1"}) {
        const QStringList lines = Find<QPlainTextEdit>(result, memo)->toPlainText().split('\n');
        EXPECT_GT(lines.size(), 1) << memo;
        for (qsizetype i = 1; i < lines.size(); ++i) {
            EXPECT_TRUE(lines[i].contains(", MATCHES with") || lines[i].contains(", INCONSISTENT"))
                << lines[i].toStdString();
        }
    }
    // "Results" keeps what the run before left: two lines, then "OK" and a summary per logic.
    const QStringList results =
        Find<QPlainTextEdit>(result, "Memo_Results")->toPlainText().split('\n');
    EXPECT_EQ(results.size(), 10);
    EXPECT_EQ(results.back(), "RL1: 2 MATCHES, 0 INCONSISTENT, 0 errors");
    EXPECT_EQ(Find<QTabWidget>(result, "PageControl2BR")->currentIndex(), 0);
    // "All matches" is read by each start: ~TS1 => TS2 is 10 on 5 of its 9 rows.
    auto* allMatches = Find<QCheckBox>(session, "CheckBoxAllMatches");
    for (const char* count : {", matches: 5, underdetermined", ""}) {
        allMatches->click();
        Find<QPushButton>(session, "ButtonTSStart")->click();
        EXPECT_EQ(
            Find<QPlainTextEdit>(result, "Memo_DefWW")->toPlainText().split('\n')[3],
            QString("S120E5:~TS1=>TS2, MATCHES with SE-Target: 10 with:TS1=10 TS2=10 ") + count);
    }
}

}  // namespace
}  // namespace vx::qt
