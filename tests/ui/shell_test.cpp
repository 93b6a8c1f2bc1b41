#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QDialog>
#include <QEvent>
#include <QPlainTextEdit>
#include <stdexcept>

#include "gui_test.h"
#include "ui/form_view.h"

namespace vx::qt {
namespace {

class Shell : public test::GuiTest {
protected:
    Shell() { Start(install.ProgramFileName()); }
    vx::test::TempInstallation install;
};

// The About window is closed by its OK button, or with Escape, which answers Cancel.
TEST_F(Shell, StartsOnAnInstallationAndOpensAndClosesTheAboutWindow) {
    EXPECT_TRUE(Window(host.app().MenueForm)->isVisible());
    EXPECT_FALSE(Menu("NewS")->isEnabled());
    bool shown = false;
    test::OnNextModal([&](QWidget* modal) {
        shown = modal->isVisible();
        Click(modal, "OKButton");
    });
    Menu("AboutvxHelp")->trigger();
    EXPECT_TRUE(shown);
    EXPECT_FALSE(Window(host.app().IniForm)->isVisible());
    test::OnNextModal([](QWidget* modal) { static_cast<QDialog*>(modal)->reject(); });
    EXPECT_EQ(host.ShowModal(host.app().IniForm), ModalResult::Cancel);
    EXPECT_FALSE(Window(host.app().IniForm)->isVisible());
}

TEST(ShellStartUp, AFailureShowsItsMessageAndDoesNotShowTheMenu) {
    vx::test::TempInstallation install("[Paths]\r\nuserpath=Text\\User\\\r\n");
    test::MessageBoxAnswerer answerer;
    GuiHost host;
    host.Start(install.ProgramFileName());
    EXPECT_FALSE(host.ShowMainWindow());
    ASSERT_GE(answerer.Texts.size(), 2u);
    EXPECT_EQ(answerer.Texts[1].substr(0, 42), "Fehler beim Lesen des Paths fuer Everyone.");
    EXPECT_FALSE(host.ViewOf(host.app().MenueForm)->window()->isVisible());
}

// The demo session Morning open in its window, with a line the person typed and has not
// saved yet: whatever throws, the program goes on and still saves the typed line.
class Survival : public test::DemoGuiTest {
protected:
    Survival() {
        host.app().SessionForm.OpenSession("Morning", false, "");
        host.PullAll();
        session = Window(host.app().SessionForm);
        memo = Find<QPlainTextEdit>(session, "SessionMemo");
        memo->moveCursor(QTextCursor::End);
        memo->insertPlainText(QStringLiteral("\nS12E1WW10: "));
        typed = memo->toPlainText();
    }
    // Checks the one message box, then that the session still saves the typed line.
    void ExpectReportedAndStillSaving(const std::string& start, const std::string& error) {
        ASSERT_EQ(answerer.Texts.size(), 1u);
        EXPECT_EQ(answerer.Texts[0].substr(0, start.size()), start);
        EXPECT_NE(answerer.Texts[0].find(error), std::string::npos) << answerer.Texts[0];
        EXPECT_EQ(memo->toPlainText(), typed);
        Menu("SpeichernSes")->trigger();
        EXPECT_NE(demo.Read("Sessions/Morning").find("S12E1WW10: \r\n"), std::string::npos);
        EXPECT_EQ(answerer.Texts.size(), 1u);
    }

    QWidget* session = nullptr;
    QPlainTextEdit* memo = nullptr;
    QString typed;
    test::MessageBoxAnswerer answerer;
};

TEST_F(Survival, AHandlerThatThrowsIsReportedByNameAndTheProgramGoesOn) {
    host.app().SessionForm.TSStart = [] { throw std::length_error("combination table full"); };
    Click(session, "ButtonTSStart");
    ExpectReportedAndStillSaving("Unerwarteter Fehler bei: Session Morning: TS start\n",
                                 "\ncombination table full\n");
}

TEST_F(Survival, AMenuCommandThatThrowsSomethingElseIsReportedToo) {
    VxApp& app = host.app();
    MenuTargets targets;
    targets.OpenHelp = [] { throw 42; };
    targets.SaveSession = [&app] { app.SessionForm.Speichern(); };
    targets.SessionOpen = [&app] { return app.SessionForm.Opened == 1; };
    app.MenueForm.Wire(app.IniForm, targets);
    Menu("N5")->trigger();
    ExpectReportedAndStillSaving(
        "Unerwarteter Fehler bei: Help\n"
        "Das Programm laeuft weiter. Pruefen Sie die offene Session und speichern Sie sie.\n"
        "___\n"
        "Unexpected error in: Help\n"
        "The program keeps running. Check the open session and save it.",
        "");
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
    QEvent event(QEvent::User);
    EXPECT_FALSE(QCoreApplication::sendEvent(session, &event));
    session->removeEventFilter(&filter);
    ExpectReportedAndStillSaving("Unerwarteter Fehler bei: Session Morning\n", "drawing failed");
}

}  // namespace
}  // namespace vx::qt
