#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>

#include "gui_test.h"
#include "modal_answers.h"
#include "support/temp_dir.h"

namespace vx::qt {
namespace {

// The row of a list that shows `text`, or -1.
int RowOf(QListWidget* list, const QString& text) {
    for (int row = 0; row < list->count(); ++row) {
        if (list->item(row)->text() == text) {
            return row;
        }
    }
    return -1;
}

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
};

TEST_F(TextWindowsGui, ViewerOpensFromTheMenuOpensFromAFileAndClosesATab) {
    test::MessageBoxAnswerer answerer;
    Menu("ReadOnlys")->trigger();
    QWidget* viewer = Window(host.app().FormReadOnly);
    ASSERT_TRUE(viewer->isVisible());
    auto* tabs = Find<QTabWidget>(viewer, "PageControl");
    EXPECT_EQ(tabs->tabText(0), "S-List");
    EXPECT_TRUE(tabs->isTabVisible(0));
    EXPECT_FALSE(tabs->isTabVisible(1));
    auto* first = Find<QPlainTextEdit>(viewer, "Memo1RO");
    EXPECT_EQ(first->toPlainText(), "S12: breakfast");
    EXPECT_TRUE(first->isReadOnly());

    auto* type = Find<QComboBox>(viewer, "ComboBoxType");
    type->setCurrentIndex(2);
    emit type->activated(2);  // "Chains LK"
    Find<QPushButton>(viewer, "ButtonOpen")->click();
    EXPECT_EQ(tabs->tabText(1), "LK-Liste");
    EXPECT_EQ(tabs->currentIndex(), 1);

    bool chooserShown = false;
    test::OnNextModal([&](QWidget* chooser) {
        chooserShown = true;
        auto* dirs = Find<QListWidget>(chooser, "DirectoryListBox");
        emit dirs->itemActivated(dirs->item(RowOf(dirs, "Lists")));
        auto* files = Find<QListWidget>(chooser, "FileListBox");
        files->setCurrentRow(RowOf(files, "THList.txt"));
        Find<QPushButton>(chooser, "ButtonSelect")->click();
    });
    Find<QPushButton>(viewer, "ButtonOpenFrom")->click();
    EXPECT_TRUE(chooserShown);
    EXPECT_FALSE(Window(host.app().FormOpenFree)->isVisible());
    EXPECT_EQ(tabs->tabText(2), "THList.txt");
    EXPECT_EQ(Find<QPlainTextEdit>(viewer, "Memo3RO")->toPlainText(), "TH1: rain");

    tabs->setCurrentIndex(1);
    Find<QPushButton>(viewer, "ButtonClose")->click();
    EXPECT_FALSE(tabs->isTabVisible(1));
    EXPECT_EQ(host.app().FormReadOnly.PageControl.Pages[1].Caption, "");
    Find<QPushButton>(viewer, "ButtonOpen")->click();
    EXPECT_TRUE(tabs->isTabVisible(1));
    EXPECT_EQ(tabs->tabText(1), "LK-Liste");
    EXPECT_EQ(answerer.Texts, std::vector<std::string>{});
}

TEST_F(TextWindowsGui, OpenFromInAnEmptyDirectoryKeepsTheChooserOpenWithItsMessage) {
    test::MessageBoxAnswerer answerer;
    Menu("ReadOnlys")->trigger();
    QWidget* viewer = Window(host.app().FormReadOnly);
    test::OnNextModal([&](QWidget* chooser) {
        auto* dirs = Find<QListWidget>(chooser, "DirectoryListBox");
        emit dirs->itemActivated(dirs->item(RowOf(dirs, "Log")));
        Find<QPushButton>(chooser, "ButtonSelect")->click();
        EXPECT_TRUE(chooser->isVisible());
        Find<QPushButton>(chooser, "ButtonCancel")->click();
    });
    Find<QPushButton>(viewer, "ButtonOpenFrom")->click();
    EXPECT_EQ(answerer.Texts, std::vector<std::string>{"Fehler: Keine Datei selektiert oder\n"
                                                       "es existiert keine.\n___\n"
                                                       "No File selected or there is any."});
    EXPECT_EQ(host.app().FormReadOnly.FirstFreeTab(), 1);
}

TEST_F(TextWindowsGui, TopicsWindowLoadsATopicAndHelpShowsItsIntroduction) {
    test::MessageBoxAnswerer answerer;
    Menu("VxMain")->trigger();
    QWidget* topics = Window(host.app().VxMainFormSaetze);
    ASSERT_TRUE(topics->isVisible());
    Find<QLineEdit>(topics, "SatzEdit")->setText("S12");
    Find<QPushButton>(topics, "ButtonOK")->click();
    auto* memo = Find<QPlainTextEdit>(topics, "VxMainMemo");
    EXPECT_EQ(memo->toPlainText(), "S12: breakfast\nE1: The kettle is on.");
    EXPECT_TRUE(memo->isReadOnly());

    Menu("N5")->trigger();
    QWidget* help = Window(host.app().HilfeForm);
    ASSERT_TRUE(help->isVisible());
    Find<QPushButton>(help, "ButEinfg")->click();
    EXPECT_EQ(Find<QPlainTextEdit>(help, "HilfeMemo")->toPlainText(),
              QString::fromUtf8("Einführung"));
    EXPECT_EQ(answerer.Texts, std::vector<std::string>{});
}

TEST_F(TextWindowsGui, NewTopicDialogWritesTheMemoUnderTheTypedName) {
    test::MessageBoxAnswerer answerer;
    Menu("VxMain")->trigger();
    QWidget* topics = Window(host.app().VxMainFormSaetze);
    Find<QLineEdit>(topics, "SatzEdit")->setText("S12");
    Find<QPushButton>(topics, "ButtonOK")->click();
    EXPECT_FALSE(Menu("NewS")->isEnabled());
    test::OnNextModal([&](QWidget* dialog) {
        auto* dirs = Find<QListWidget>(dialog, "DirectoryListBox");
        emit dirs->itemActivated(dirs->item(RowOf(dirs, "Temp")));
        Find<QLineEdit>(dialog, "EditName")->setText("S13.txt");
        Find<QPushButton>(dialog, "ButtonOK")->click();
    });
    host.Run([this] { host.app().MenueForm.NewSClick(); });
    EXPECT_EQ(install.Read("Temp/S13.txt"), "S12: breakfast\r\nE1: The kettle is on.\r\n");
    EXPECT_EQ(answerer.Texts, std::vector<std::string>{});
}

}  // namespace
}  // namespace vx::qt
