#include <gtest/gtest.h>

#include <QAction>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include "gui_test.h"
#include "modal_answers.h"
#include "support/golden.h"
#include "support/temp_dir.h"

namespace vx::qt {
namespace {

// The set-up wizard drawn with Qt on a copy of the demo installation.
class UpgradeGui : public test::GuiTest {
protected:
    UpgradeGui() {
        vx::test::CopyTree(vx::test::DemoDir(), dir.path());
        Start(dir.SystemPath() + "System\\vx");
    }

    vx::test::TempDir dir;
};

TEST_F(UpgradeGui, TheWizardRunsStep1IntoTheListsWindow) {
    test::MessageBoxAnswerer answerer;
    ASSERT_TRUE(host.app().SessionForm.OpenSession("Morning", false, ""));
    dir.Write("Sessions/Morning.GLo", "general logic\r\n");

    Menu("SetBRStep1")->trigger();
    QWidget* wizard = Window(host.app().SetBRForm);
    ASSERT_TRUE(wizard->isVisible());
    EXPECT_EQ(wizard->windowTitle(), "Set BR Step");
    auto* step1 = Find<QRadioButton>(wizard, "RadioButton2BRupgS1");
    EXPECT_EQ(step1->text(), "2 BR upgrade Step1");
    EXPECT_TRUE(Find<QRadioButton>(wizard, "RadioButton1BR")->isChecked());
    EXPECT_FALSE(Find<QRadioButton>(wizard, "RadioButton3BR")->isEnabled());
    step1->click();
    Find<QPushButton>(wizard, "ButtonOK")->click();

    EXPECT_FALSE(wizard->isVisible());
    QWidget* lists = Window(host.app().ListsForm);
    ASSERT_TRUE(lists->isVisible());
    auto* pages = Find<QTabWidget>(lists, "PageControl");
    EXPECT_EQ(pages->tabText(pages->currentIndex()), "TS Settings");
    auto* settings = Find<QPlainTextEdit>(lists, "Memo_TS_Settings");
    EXPECT_EQ(settings->toPlainText(), "//TS setting for 1BR, ");
    EXPECT_EQ(Find<QPlainTextEdit>(lists, "MemoGeneral_Logic")->toPlainText(), "general logic");
    EXPECT_TRUE(Find<QPlainTextEdit>(lists, "MemoGeneral_Logic")->isReadOnly());

    settings->appendPlainText("S120E1 (DefWW;;) : TS1");
    Find<QPushButton>(lists, "Button_Finish_Step1")->click();
    EXPECT_EQ(host.app().IniForm.ComputeMode, "1f");
    EXPECT_EQ(dir.Read("Sessions/Morning.s1f"),
              "//TS setting for 1BR, \r\nS120E1 (DefWW;;) : TS1\r\n");
    EXPECT_TRUE(answerer.Texts.empty()) << answerer.Texts.front();
}

}  // namespace
}  // namespace vx::qt
