#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/scripted_ui.h"
#include "session_lists.h"
#include "settings/ini_form.h"
#include "support/installed.h"
#include "textbase/form_open_free.h"
#include "textbase/form_s_save_as.h"
#include "textbase/vater2_methoden_form.h"
#include "textbase/ww_rel_form.h"
#include "textbase/ww_rel_read_form.h"

namespace vx {
namespace {

class Dialogs : public ::testing::Test, protected test::Installed {};

TEST_F(Dialogs, OpenFreeRefreshShowsFilesMadeSinceItWasCreated) {
    TFormOpenFree chooser(ui, ini);
    ASSERT_TRUE(chooser.DirectoryListBox.Enter("Log"));
    chooser.DirectoryListBoxChange();
    install.Write("Log/new.txt", "x");
    chooser.Refresh();
    EXPECT_EQ(chooser.FileListBox.Items, std::vector<std::string>{"new.txt"});
}

TEST_F(Dialogs, SaveTopicAsNeedsANameAndShowsTwoHelps) {
    TFormSSaveAs dialog(ui, ini);
    dialog.ButtonOKClick();
    EXPECT_EQ(dialog.ModalAnswer, ModalResult::None);
    ASSERT_TRUE(dialog.DirectoryListBox.Enter("Temp"));
    dialog.EditName.Text = "S77.txt";
    dialog.ButtonOKClick();
    EXPECT_EQ(dialog.ModalAnswer, ModalResult::Ok);
    EXPECT_EQ(dialog.FileName, ini.vxPath + "Temp\\S77.txt");
    dialog.ButtonHilfeClick();
    ASSERT_EQ(ui.Messages.size(), 3u);
    EXPECT_EQ(ui.Messages[0], "Fehler bei der Eingabe des Namens. \r___\rError on input the name.");
    EXPECT_EQ(ui.Messages[1], kMsgHelpSaveAsName);
    EXPECT_EQ(ui.Messages[2],
              "Geben Sie einen freien Dateinamen ihres Arbeitsbereiches an: zB. Syyyy.txt \r___\r"
              "Input a free file name of your workig area like:  Syyyy.txt");
}

// Tab captions and the read-only twin's disabled buttons are in the relation golden folders.
TEST_F(Dialogs, RelationsWindowsKeepTheirCaptionsAndShowTheirHelps) {
    TVater2MethodenForm base(ui, ini);
    test::SessionLists session;
    TWWRelForm rel(ui, ini, session.Links(), {});
    TWWRelReadForm read(ui, ini);
    EXPECT_EQ(base.UnAktivButton.Caption, "Aktivate");
    EXPECT_TRUE(base.WMemo.ReadOnly);
    EXPECT_EQ(base.ShowSemiFormButton(0), nullptr);
    EXPECT_EQ(rel.ShowSemiFormButton(1)->Caption, "Show SemiForm.");
    EXPECT_EQ(rel.ShowSemiFormButton(2)->Caption, "Show SemiForm");

    base.UrHelpButtonClick();
    ASSERT_EQ(ui.Messages.size(), 1u);
    EXPECT_EQ(ui.Messages[0].substr(0, 45), "Waehlen Sie die Karte \"Unbewertbar\", wenn Sie");
    ui.ClearRecords();
    rel.WHelpButtonClick();
    ASSERT_EQ(ui.Messages.size(), 2u);
    EXPECT_EQ(ui.Messages[0].substr(0, 38), "Waehlen Sie die Karte \"Wahr\" (True), w");
    EXPECT_EQ(ui.Messages[1].substr(0, 33), "Waehlen Sie den WW TAB den Sie fu");
    ui.ClearRecords();
    read.FHelpButtonClick();
    EXPECT_EQ(ui.Messages.size(), 1u);
}

}  // namespace
}  // namespace vx
