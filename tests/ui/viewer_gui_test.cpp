#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <filesystem>

#include "gui_test.h"

namespace vx::qt {
namespace {

class TextWindowsGui : public test::GuiTest {
protected:
    TextWindowsGui() {
        install.Write("Lists/S_list.txt", "S12: breakfast\r\n");
        install.Write("Lists/LKList.txt", "LK1: S254E2 <> S254E3\r\n");
        install.Write("Lists/THList.txt", "TH1: rain\r\n");
        install.Write("Text/Einfuehr.txt", "Einf\xFChrung\r\n");
        install.Write("Saetze/S12.txt", "S12: breakfast\r\nE1: The kettle is on.\r\n");
        Start(install.ProgramFileName());
    }

    vx::test::TempInstallation install;
    test::MessageBoxAnswerer answerer;
};

TEST_F(TextWindowsGui, ViewerOpensFromTheMenuOpensFromAFileAndClosesATab) {
    Menu("ReadOnlys")->trigger();
    QWidget* viewer = Window(host.app().FormReadOnly);
    ASSERT_TRUE(viewer->isVisible());
    auto* tabs = Find<QTabWidget>(viewer, "PageControl");
    EXPECT_FALSE(tabs->isTabVisible(1));
    EXPECT_EQ(Text(viewer, "Memo1RO"), "S12: breakfast");
    EXPECT_TRUE(Find<QPlainTextEdit>(viewer, "Memo1RO")->isReadOnly());

    auto* type = Find<QComboBox>(viewer, "ComboBoxType");
    type->setCurrentIndex(2);
    emit type->activated(2);  // "Chains LK"
    Click(viewer, "ButtonOpen");
    EXPECT_EQ(tabs->tabText(1), "LK-Liste");
    EXPECT_EQ(tabs->currentIndex(), 1);

    test::OnNextModal([&](QWidget* chooser) { ChooseIn(chooser, "Lists", "THList.txt"); });
    Click(viewer, "ButtonOpenFrom");
    EXPECT_FALSE(Window(host.app().FormOpenFree)->isVisible());
    EXPECT_EQ(tabs->tabText(2), "THList.txt");
    EXPECT_EQ(Text(viewer, "Memo3RO"), "TH1: rain");

    tabs->setCurrentIndex(1);
    Click(viewer, "ButtonClose");
    EXPECT_FALSE(tabs->isTabVisible(1));

    // Open-from in an empty directory keeps the chooser open with its message.
    test::OnNextModal([&](QWidget* chooser) {
        // The chooser opens in Lists, where the last file came from: up, then into Log.
        auto* dirs = Find<QListWidget>(chooser, "DirectoryListBox");
        emit dirs->itemActivated(dirs->item(0));
        const QList<QListWidgetItem*> log = dirs->findItems("Log", Qt::MatchExactly);
        ASSERT_EQ(log.size(), 1);
        emit dirs->itemActivated(log[0]);
        Click(chooser, "ButtonSelect");
        EXPECT_TRUE(chooser->isVisible());
        Click(chooser, "ButtonCancel");
    });
    Click(viewer, "ButtonOpenFrom");
    EXPECT_EQ(answerer.Texts, std::vector<std::string>{"Fehler: Keine Datei selektiert oder\n"
                                                       "es existiert keine.\n___\n"
                                                       "No File selected or there is any."});
    EXPECT_EQ(host.app().FormReadOnly.FirstFreeTab(), 1);
}

TEST_F(TextWindowsGui, TopicsWindowLoadsATopicWritesItAsANewOneAndHelpShowsItsIntroduction) {
    Menu("VxMain")->trigger();
    QWidget* topics = Window(host.app().VxMainFormSaetze);
    ASSERT_TRUE(topics->isVisible());
    Find<QLineEdit>(topics, "SatzEdit")->setText("S12");
    Click(topics, "ButtonOK");
    EXPECT_EQ(Text(topics, "VxMainMemo"), "S12: breakfast\nE1: The kettle is on.");
    EXPECT_TRUE(Find<QPlainTextEdit>(topics, "VxMainMemo")->isReadOnly());

    // The new-topic dialog writes the text under the typed name.
    EXPECT_FALSE(Menu("NewS")->isEnabled());
    test::OnNextModal([&](QWidget* dialog) {
        auto* dirs = Find<QListWidget>(dialog, "DirectoryListBox");
        emit dirs->itemActivated(dirs->findItems("Temp", Qt::MatchExactly).value(0));
        Find<QLineEdit>(dialog, "EditName")->setText("S13.txt");
        Click(dialog, "ButtonOK");
    });
    host.Run([this] { host.app().MenueForm.NewSClick(); });
    EXPECT_EQ(install.Read("Temp/S13.txt"), "S12: breakfast\r\nE1: The kettle is on.\r\n");

    Menu("N5")->trigger();
    QWidget* help = Window(host.app().HilfeForm);
    ASSERT_TRUE(help->isVisible());
    Click(help, "ButEinfg");
    EXPECT_EQ(Text(help, "HilfeMemo"), QString::fromUtf8("Einführung"));
    EXPECT_EQ(answerer.Texts, std::vector<std::string>{});
}

class DeployGui : public test::DemoGuiTest {};

// The demo folder from the menu: its error first; with the error file gone, a folder typed
// without its closing separator deploys cleanly.
TEST_F(DeployGui, TheDemoFolderShowsItsErrorAndThenDeploysCleanly) {
    test::MessageBoxAnswerer answerer;
    QString offered, firstReport, secondReport;
    test::OnNextModal([&](QWidget* window) {
        auto* source = Find<QComboBox>(window, "ComboBoxSource");
        offered = source->currentText();
        Click(window, "ButtonStart");
        firstReport = Text(window, "MemoDeploy");

        std::filesystem::remove(demo.path() / "Deploy" / "S312.txt");
        source->setEditText(QString::fromStdString(demo.Root() + "Deploy"));
        Click(window, "ButtonStart");
        secondReport = Text(window, "MemoDeploy");
        Click(window, "ButtonHelp");
        static_cast<QDialog*>(window)->reject();
    });
    Menu("deploy")->trigger();

    EXPECT_EQ(offered.toStdString(), demo.Root() + "Deploy\\");
    // The whole report is the demo report of the deploy tests.
    const std::string report = "Error(s) in File: \n" + demo.Root() + "Deploy\\S312.txt\n";
    EXPECT_TRUE(firstReport.startsWith(QString::fromStdString(report)))
        << firstReport.toStdString();
    EXPECT_EQ(secondReport, "All ok !!");
    EXPECT_FALSE(demo.Exists("Temp/imports/S312.txt"));
    EXPECT_TRUE(demo.Exists("Temp/imports/S310.txt"));
    ASSERT_EQ(answerer.Texts.size(), 1u);
    EXPECT_EQ(answerer.Texts[0].rfind(" \"Deploy\" entfernt interne Kommentare", 0), 0u);
    EXPECT_FALSE(Window(host.app().DeployForm)->isVisible());
}

}  // namespace
}  // namespace vx::qt
