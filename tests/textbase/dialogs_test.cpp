#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/scripted_ui.h"
#include "settings/ini_form.h"
#include "support/installed.h"
#include "textbase/form_open_free.h"
#include "textbase/form_s_save_as.h"

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

}  // namespace
}  // namespace vx
