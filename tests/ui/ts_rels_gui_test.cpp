#include <gtest/gtest.h>

#include <QLineEdit>
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

// The TS relations window and the lists window's TS pages drawn with Qt on a demo copy.
class TSRelsGui : public test::GuiTest {
protected:
    TSRelsGui() {
        vx::test::CopyTree(vx::test::DemoDir(), dir.path());
        Start(dir.SystemPath() + "System\\vx");
    }

    vx::test::TempDir dir;
};

TEST_F(TSRelsGui, ASentenceIsActivatedByClicks) {
    test::MessageBoxAnswerer answerer;
    VxApp& app = host.app();
    ASSERT_TRUE(app.SessionForm.OpenSession("Breakfast", true,
                                            app.IniForm.SessionsPath + "_2BR_Breakfast"));
    Menu("VxMain")->trigger();
    QWidget* topics = Window(app.VxMainFormSaetze);
    Find<QLineEdit>(topics, "OpenTS")->setText("S120E3");
    Find<QPushButton>(topics, "ButtonActivateTS")->click();

    QWidget* rels = Window(app.FormTSRels);
    ASSERT_TRUE(rels->isVisible());
    auto* settings = Find<QTabWidget>(rels, "PageControlSetTS");
    ASSERT_EQ(settings->count(), 2);
    EXPECT_EQ(settings->tabText(1), "TS2");
    // The example of the relations page stays on its own page.
    EXPECT_FALSE(Find<QPlainTextEdit>(rels, "MemoTSRelations")->isVisible());
    Find<QRadioButton>(rels, "TabSheetTS1_10")->click();
    Find<QPushButton>(rels, "ButtonActivateAllTS")->click();
    const TextList& tsList = app.SessionForm.MemoTS.Lines;
    EXPECT_EQ(tsList[tsList.Count() - 1], "S120E3 (DefWW;;) : TS1[10]uTS2");

    Find<QLineEdit>(rels, "EditTSFree")->setText("S120E2 (DefWW;;) : TS1 o TS2");
    Find<QPushButton>(rels, "ButtonActivateFreeTS")->click();
    EXPECT_EQ(tsList[tsList.Count() - 1], "S120E2 (DefWW;;) : TS1 o TS2");
    EXPECT_TRUE(answerer.Texts.empty()) << answerer.Texts.front();
}

TEST_F(TSRelsGui, TheListsWindowGetsTheTSOfTheNextSentence) {
    test::MessageBoxAnswerer answerer;
    VxApp& app = host.app();
    ASSERT_TRUE(app.SessionForm.OpenSession("Morning", false, ""));
    app.ListsForm.Memo_SEupgrBase.Lines = app.SessionForm.SessionMemo.Lines;
    app.ListsForm.MyFrmShow();
    QWidget* lists = Window(app.ListsForm);
    Find<QPushButton>(lists, "Button_Choose_Next_SE")->click();
    EXPECT_EQ(Find<QLineEdit>(lists, "Edit_SE")->text(), "S120E1WW10: RE2M1,");
    Find<QPushButton>(lists, "Button_GetTS")->click();
    auto* settings = Find<QTabWidget>(lists, "PageControlSetTS");
    ASSERT_EQ(settings->count(), 1);
    Find<QRadioButton>(lists, "TabSheetTS1_30")->click();
    Find<QPushButton>(lists, "ButtonSetAllTS")->click();
    const TextList& lines = app.ListsForm.Memo_TS_Settings.Lines;
    EXPECT_EQ(lines[lines.Count() - 1], "S120E1 (DefWW;;) : TS1[30]");
    EXPECT_EQ(settings->count(), 0);
    EXPECT_TRUE(answerer.Texts.empty()) << answerer.Texts.front();
}

}  // namespace
}  // namespace vx::qt
