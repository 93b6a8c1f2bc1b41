#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <stdexcept>

#include "gui_test.h"
#include "modal_answers.h"
#include "support/golden.h"
#include "support/temp_dir.h"

namespace vx::qt {
namespace {

// The demo session Morning open in its window, with a line the person typed and has not
// saved yet.
class Survival : public test::GuiTest {
protected:
    Survival() {
        vx::test::CopyTree(vx::test::DemoDir(), dir.path());
        Start(dir.SystemPath() + "System\\vx");
        host.app().SessionForm.OpenSession("Morning", false, "");
        host.PullAll();
        session = Window(host.app().SessionForm);
        memo = Find<QPlainTextEdit>(session, "SessionMemo");
        memo->moveCursor(QTextCursor::End);
        memo->insertPlainText(QStringLiteral("\nS12E1WW10: "));
        typed = memo->toPlainText();
    }

    // The program still works and still has the typed line: saving writes it.
    void ExpectTheSessionStillSaves() {
        EXPECT_EQ(memo->toPlainText(), typed);
        Menu("SpeichernSes")->trigger();
        EXPECT_NE(dir.Read("Sessions/Morning").find("S12E1WW10: \r\n"), std::string::npos);
    }

    vx::test::TempDir dir;
    QWidget* session = nullptr;
    QPlainTextEdit* memo = nullptr;
    QString typed;
};

TEST_F(Survival, AHandlerThatThrowsIsReportedByNameAndTheProgramGoesOn) {
    host.app().SessionForm.TSStart = [] { throw std::length_error("combination table full"); };
    test::MessageBoxAnswerer answerer;
    Find<QPushButton>(session, "ButtonTSStart")->click();
    ASSERT_EQ(answerer.Texts.size(), 1u);
    const std::string& text = answerer.Texts[0];
    EXPECT_EQ(text.substr(0, 51), "Unerwarteter Fehler bei: Session Morning: TS start\n");
    EXPECT_NE(text.find("\ncombination table full\n"), std::string::npos) << text;
    EXPECT_NE(text.find("___\nUnexpected error in: Session Morning: TS start"), std::string::npos);
    ExpectTheSessionStillSaves();
    EXPECT_EQ(answerer.Texts.size(), 1u);
}

TEST_F(Survival, AMenuCommandThatThrowsSomethingElseIsReportedToo) {
    VxApp& app = host.app();
    MenuTargets targets;
    targets.OpenHelp = [] { throw 42; };
    targets.SaveSession = [&app] { app.SessionForm.Speichern(); };
    targets.SessionOpen = [&app] { return app.SessionForm.Opened == 1; };
    app.MenueForm.Wire(app.IniForm, targets);
    test::MessageBoxAnswerer answerer;
    Menu("N5")->trigger();
    ASSERT_EQ(answerer.Texts.size(), 1u);
    EXPECT_EQ(answerer.Texts[0],
              "Unerwarteter Fehler bei: Help\n"
              "Das Programm laeuft weiter. Pruefen Sie die offene Session und speichern Sie sie.\n"
              "___\n"
              "Unexpected error in: Help\n"
              "The program keeps running. Check the open session and save it.");
    ExpectTheSessionStillSaves();
}

// Below the handlers: an error that escapes any event of a window (here a filter on the
// session window) is caught where Qt hands out events.
class Throwing : public QObject {
protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::User) {
            throw std::runtime_error("drawing failed");
        }
        return false;
    }
};

TEST_F(Survival, AnErrorOutsideAnyHandlerIsReportedAndTheEventDropped) {
    Throwing filter;
    session->installEventFilter(&filter);
    test::MessageBoxAnswerer answerer;
    QEvent event(QEvent::User);
    EXPECT_FALSE(QCoreApplication::sendEvent(session, &event));
    session->removeEventFilter(&filter);
    ASSERT_EQ(answerer.Texts.size(), 1u);
    EXPECT_EQ(answerer.Texts[0].substr(0, 41), "Unerwarteter Fehler bei: Session Morning\n");
    EXPECT_NE(answerer.Texts[0].find("drawing failed"), std::string::npos);
    ExpectTheSessionStillSaves();
}

}  // namespace
}  // namespace vx::qt
