#include <gtest/gtest.h>

#include "app/vx_app.h"
#include "platform/scripted_ui.h"
#include "support/golden.h"
#include "support/temp_dir.h"

namespace vx {
namespace {

TEST(VxApp, CreatesEveryWindowInTheStartUpOrderHiddenButTheMenu) {
    test::TempInstallation install;
    ScriptedUi ui;
    VxApp app(ui, install.ProgramFileName());
    std::vector<std::string> names;
    for (TForm* form : app.Forms()) {
        names.push_back(form->Name);
        EXPECT_EQ(form->Visible, form == &app.MenueForm) << form->Name;
        EXPECT_FALSE(form->Caption.empty()) << form->Name;
    }
    EXPECT_EQ(names,
              (std::vector<std::string>{
                  "TMenueForm",   "TIniForm",         "TVxMainFormSaetze",   "THilfeForm",
                  "TSessionForm", "TWahleDlgBoxForm", "TFormSaveAs",         "TNeueSessionForm",
                  "TResultForm",  "TSaveAsResForm",   "TVater2MethodenForm", "TInterprtForm",
                  "TRegelnForm",  "TWWRelForm",       "TWWRelReadForm",      "TFormSSaveAs",
                  "TDeployForm",  "TvxCfgForm",       "TFormReadOnly",       "TSetBRForm",
                  "TListsForm",   "TDlgForm2BR",      "TFormOpenFree",       "TFormMixedTypes2BR",
                  "TFormTSRels",  "TFormAnals2BR",    "TForm1BRLogic",       "TStep4UpgrMan"}));
    EXPECT_FALSE(app.TerminateRequested());
    EXPECT_TRUE(ui.Messages.empty());
}

TEST(VxApp, AboutShowsTheSettingsObjectModally) {
    test::TempInstallation install;
    ScriptedUi ui;
    VxApp app(ui, install.ProgramFileName());
    std::string seen;
    ui.QueueDialog(
        [&seen](ModalForm& form) {
            auto& ini = dynamic_cast<TIniForm&>(form);
            seen = ini.VersionLabel.Caption + " / " + ini.BuildLabel.Caption;
            ini.OKButtonClick();
        },
        "TIniForm");
    app.MenueForm.Click("AboutvxHelp");
    EXPECT_EQ(seen, "vx2.0b / build: 13.07.09");
    EXPECT_FALSE(app.IniForm.Visible);
    EXPECT_TRUE(ui.Unexpected.empty());
}

TEST(VxApp, StartUpFailureAsksToEnd) {
    test::TempInstallation install("[Paths]\r\n");
    ScriptedUi ui;
    VxApp app(ui, install.ProgramFileName());
    EXPECT_TRUE(app.TerminateRequested());
    // Every window was still created.
    EXPECT_EQ(app.Forms().size(), 28u);
}

TEST(VxCfgForm, SelectsTheLanguageOfTheSettingsWhenShown) {
    test::TempInstallation install;
    ScriptedUi ui;
    VxApp app(ui, install.ProgramFileName());
    app.vxCfgForm.FormShow();
    EXPECT_EQ(app.vxCfgForm.PreferedLanguage.SelectedText(), "EN");
    app.IniForm.Language = "LANG-X";
    app.vxCfgForm.FormShow();
    EXPECT_EQ(app.vxCfgForm.PreferedLanguage.ItemIndex, 1);
    EXPECT_FALSE(app.vxCfgForm.PageControl.Pages[1].Visible);
    EXPECT_FALSE(app.vxCfgForm.SessionInterpretation.Enabled);
}

}  // namespace
}  // namespace vx

namespace vx {
namespace {

TEST(DemoInstallation, StartsWithoutAnyMessage) {
    test::TempDir dir;
    test::CopyTree(test::DemoDir(), dir.path());
    ScriptedUi ui;
    VxApp app(ui, dir.SystemPath() + "System\\vx");
    EXPECT_TRUE(ui.Messages.empty()) << ui.Messages.front();
    EXPECT_FALSE(app.TerminateRequested());
    EXPECT_EQ(app.IniForm.UsersRangeBegin, 1001);
    EXPECT_EQ(app.IniForm.EveryoneRangeEnd, 32000);
    EXPECT_EQ(app.IniForm.UserName[2], "Ben Okafor");
    EXPECT_EQ(app.IniForm.GroupName[1], "Reading circle");
    EXPECT_EQ(app.IniForm.EveryOnePath, dir.SystemPath() + "EveryOne\\");
}

}  // namespace
}  // namespace vx
