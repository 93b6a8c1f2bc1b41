#include <gtest/gtest.h>

#include <QAction>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTabWidget>

#include "gui_test.h"

// The set-up wizard, the lists window and the TS relations window drawn with Qt on a copy of
// the demo installation; no message box may appear.
namespace vx::qt {
namespace {

class UpgradeGui : public test::DemoGuiTest {
protected:
    ~UpgradeGui() override { EXPECT_EQ(answerer.Texts, std::vector<std::string>{}); }
    test::MessageBoxAnswerer answerer;
};

// Step 1 of the wizard opens the lists window, where the TS of the next sentence is set by
// clicks and a line is typed before step 1 is finished.
TEST_F(UpgradeGui, TheWizardRunsStep1IntoTheListsWindow) {
    ASSERT_TRUE(host.app().SessionForm.OpenSession("Morning", false, ""));
    demo.Write("Sessions/Morning.GLo", "general logic\r\n");
    Menu("SetBRStep1")->trigger();
    QWidget* wizard = Window(host.app().SetBRForm);
    ASSERT_TRUE(wizard->isVisible());
    EXPECT_TRUE(Find<QRadioButton>(wizard, "RadioButton1BR")->isChecked());
    EXPECT_FALSE(Find<QRadioButton>(wizard, "RadioButton3BR")->isEnabled());
    Find<QRadioButton>(wizard, "RadioButton2BRupgS1")->click();
    Click(wizard, "ButtonOK");

    EXPECT_FALSE(wizard->isVisible());
    QWidget* lists = Window(host.app().ListsForm);
    ASSERT_TRUE(lists->isVisible());
    auto* pages = Find<QTabWidget>(lists, "PageControl");
    EXPECT_EQ(pages->tabText(pages->currentIndex()), "TS Settings");
    EXPECT_EQ(Text(lists, "MemoGeneral_Logic"), "general logic");
    EXPECT_TRUE(Find<QPlainTextEdit>(lists, "MemoGeneral_Logic")->isReadOnly());

    Click(lists, "Button_Choose_Next_SE");
    EXPECT_EQ(Find<QLineEdit>(lists, "Edit_SE")->text(), "S120E1WW10: RE2M1,");
    Click(lists, "Button_GetTS");
    auto* settings = Find<QTabWidget>(lists, "PageControlSetTS");
    ASSERT_EQ(settings->count(), 1);
    Find<QRadioButton>(lists, "TabSheetTS1_30")->click();
    Click(lists, "ButtonSetAllTS");
    EXPECT_EQ(settings->count(), 0);
    EXPECT_EQ(Text(lists, "Memo_TS_Settings"),
              "//TS setting for 1BR, \nS120E1 (DefWW;;) : TS1[30]");

    Find<QPlainTextEdit>(lists, "Memo_TS_Settings")->appendPlainText("S254E3 (DefWW;;) : TS1");
    Click(lists, "Button_Finish_Step1");
    EXPECT_EQ(host.app().IniForm.ComputeMode, "1f");
    EXPECT_EQ(demo.Read("Sessions/Morning.s1f"),
              "//TS setting for 1BR, \r\nS120E1 (DefWW;;) : TS1[30]\r\nS254E3 (DefWW;;) : TS1\r\n");
}

TEST_F(UpgradeGui, ASentenceIsActivatedInTheTSRelationsWindowByClicks) {
    VxApp& app = host.app();
    ASSERT_TRUE(app.SessionForm.OpenSession("Breakfast", true,
                                            app.IniForm.SessionsPath + "_2BR_Breakfast"));
    Menu("VxMain")->trigger();
    QWidget* topics = Window(app.VxMainFormSaetze);
    Find<QLineEdit>(topics, "OpenTS")->setText("S120E3");
    Click(topics, "ButtonActivateTS");

    QWidget* rels = Window(app.FormTSRels);
    ASSERT_TRUE(rels->isVisible());
    auto* settings = Find<QTabWidget>(rels, "PageControlSetTS");
    ASSERT_EQ(settings->count(), 2);
    EXPECT_EQ(settings->tabText(1), "TS2");
    // The example of the relations page stays on its own page.
    EXPECT_FALSE(Find<QPlainTextEdit>(rels, "MemoTSRelations")->isVisible());
    Find<QRadioButton>(rels, "TabSheetTS1_10")->click();
    Click(rels, "ButtonActivateAllTS");
    const TextList& tsList = app.SessionForm.MemoTS.Lines;
    EXPECT_EQ(tsList.Lines().back(), "S120E3 (DefWW;;) : TS1[10]uTS2");

    Find<QLineEdit>(rels, "EditTSFree")->setText("S120E2 (DefWW;;) : TS1 o TS2");
    Click(rels, "ButtonActivateFreeTS");
    EXPECT_EQ(tsList.Lines().back(), "S120E2 (DefWW;;) : TS1 o TS2");
}

}  // namespace
}  // namespace vx::qt
