#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>

#include "gui_test.h"
#include "modal_answers.h"
#include "support/temp_dir.h"
#include "ui/form_view.h"

namespace vx::qt {
namespace {

class Shell : public test::GuiTest {
protected:
    Shell() { Start(install.ProgramFileName()); }
    vx::test::TempInstallation install;
};

TEST_F(Shell, StartsOnAnInstallationAndOpensAndClosesTheAboutWindow) {
    EXPECT_TRUE(Window(host.app().MenueForm)->isVisible());
    EXPECT_FALSE(Menu("NewS")->isEnabled());
    EXPECT_TRUE(Menu("AboutvxHelp")->isEnabled());

    QString version, build;
    bool aboutWasVisible = false;
    test::OnNextModal([&](QWidget* modal) {
        aboutWasVisible = modal->isVisible();
        version = modal->findChild<QLabel*>("VersionLabel")->text();
        build = modal->findChild<QLabel*>("BuildLabel")->text();
        modal->findChild<QPushButton*>("OKButton")->click();
    });
    Menu("AboutvxHelp")->trigger();

    EXPECT_TRUE(aboutWasVisible);
    EXPECT_EQ(version, "vx2.0b");
    EXPECT_EQ(build, "build: 13.07.09");
    EXPECT_FALSE(host.app().IniForm.Visible);
    EXPECT_FALSE(Window(host.app().IniForm)->isVisible());
}

TEST_F(Shell, AboutClosedWithEscapeAnswersCancel) {
    test::OnNextModal([](QWidget* modal) { static_cast<QDialog*>(modal)->reject(); });
    EXPECT_EQ(host.ShowModal(host.app().IniForm), ModalResult::Cancel);
    EXPECT_FALSE(Window(host.app().IniForm)->isVisible());
}

TEST_F(Shell, MenuMessagesAppearAsBoxesWithLineBreaks) {
    test::MessageBoxAnswerer answerer;
    Menu("ResultSave")->trigger();
    EXPECT_EQ(answerer.Texts,
              std::vector<std::string>{"Es gibt noch kein Ergebnis zum Speichern.\nStarten Sie "
                                       "zuerst eine Berechnung.\n___\nThere is no result to save "
                                       "yet.\nStart a computation first."});
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

}  // namespace
}  // namespace vx::qt
