#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>

#include "gui_support.h"
#include "support/temp_dir.h"
#include "ui/gui_host.h"
#include "ui/views/menu_view.h"

namespace vx::qt {
namespace {

TEST(Shell, StartsOnAnInstallationAndOpensAndClosesTheAboutWindow) {
    vx::test::TempInstallation install;
    GuiHost host;
    host.Start(install.ProgramFileName());
    ASSERT_TRUE(host.ShowMainWindow());
    auto* menuView = dynamic_cast<MenuView*>(host.ViewOf(host.app().MenueForm));
    ASSERT_NE(menuView, nullptr);
    EXPECT_TRUE(menuView->window()->isVisible());
    EXPECT_FALSE(menuView->Action("NewS")->isEnabled());
    EXPECT_TRUE(menuView->Action("AboutvxHelp")->isEnabled());

    QString version, build;
    bool aboutWasVisible = false;
    test::OnNextModal([&](QWidget* modal) {
        aboutWasVisible = modal->isVisible();
        version = modal->findChild<QLabel*>("VersionLabel")->text();
        build = modal->findChild<QLabel*>("BuildLabel")->text();
        modal->findChild<QPushButton*>("OKButton")->click();
    });
    menuView->Action("AboutvxHelp")->trigger();

    EXPECT_TRUE(aboutWasVisible);
    EXPECT_EQ(version, "vx2.0b");
    EXPECT_EQ(build, "build: 13.07.09");
    EXPECT_FALSE(host.app().IniForm.Visible);
    EXPECT_FALSE(host.ViewOf(host.app().IniForm)->window()->isVisible());
}

TEST(Shell, AboutClosedWithEscapeAnswersCancel) {
    vx::test::TempInstallation install;
    GuiHost host;
    host.Start(install.ProgramFileName());
    ASSERT_TRUE(host.ShowMainWindow());
    test::OnNextModal([](QWidget* modal) { static_cast<QDialog*>(modal)->reject(); });
    EXPECT_EQ(host.ShowModal(host.app().IniForm), ModalResult::Cancel);
    EXPECT_FALSE(host.ViewOf(host.app().IniForm)->window()->isVisible());
}

TEST(Shell, MenuMessagesAppearAsBoxesWithLineBreaks) {
    vx::test::TempInstallation install;
    GuiHost host;
    host.Start(install.ProgramFileName());
    ASSERT_TRUE(host.ShowMainWindow());
    test::MessageBoxAnswerer answerer;
    dynamic_cast<MenuView*>(host.ViewOf(host.app().MenueForm))->Action("LoeschenSes")->trigger();
    EXPECT_EQ(
        answerer.Texts,
        std::vector<std::string>{"Zur Zeit noch nicht implementiert. \n___\nNot implemented yet."});
}

TEST(Shell, StartUpFailureShowsItsMessageAndDoesNotShowTheMenu) {
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
