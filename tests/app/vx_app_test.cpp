#include <gtest/gtest.h>

#include "app/vx_app.h"
#include "platform/scripted_ui.h"
#include "support/temp_dir.h"

namespace vx {
namespace {

TEST(VxApp, CreatesEveryWindowHiddenButTheMenu) {
    test::TempInstallation install;
    ScriptedUi ui;
    VxApp app(ui, install.ProgramFileName());
    for (TForm* form : app.Forms()) {
        EXPECT_EQ(form->Visible, form == &app.MenueForm) << form->Name;
        EXPECT_FALSE(form->Caption.empty()) << form->Name;
    }
    EXPECT_FALSE(app.TerminateRequested());
    EXPECT_TRUE(ui.Messages.empty());
}

TEST(VxApp, StartUpFailureAsksToEnd) {
    test::TempInstallation install("[Paths]\r\n");
    ScriptedUi ui;
    VxApp app(ui, install.ProgramFileName());
    EXPECT_TRUE(app.TerminateRequested());
    // Every window was still created, as many as a start without failure creates.
    test::TempInstallation good;
    ScriptedUi goodUi;
    EXPECT_EQ(app.Forms().size(), VxApp(goodUi, good.ProgramFileName()).Forms().size());
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

// The text menu on the demo installation, which starts without a message: every topic of the
// four owner areas loads and one sentence of each activates. The viewer and help open every demo
// document (hilfe_test).
TEST(DemoInstallation, TextMenuReachesTopicsViewerAndHelp) {
    test::DemoCopy dir;
    ScriptedUi ui;
    VxApp app(ui, dir.ProgramFileName());
    app.MenueForm.Click("VxMain");
    TVxMainFormSaetze& topics = app.VxMainFormSaetze;
    EXPECT_TRUE(topics.Visible);
    EXPECT_EQ(topics.ComboBoxDF.Items, (std::vector<std::string>{"TS120", "TS207", "TS254"}));
    for (const char* topic : {"S120", "S207", "S254", "S1123", "S12345", "S30012"}) {
        topics.SatzEdit.Text = topic;
        topics.ButtonOKClick();
        EXPECT_EQ(topics.VxMainMemo.Lines[0].substr(0, std::string(topic).size() + 1),
                  std::string(topic) + ":");
    }
    for (const char* se : {"S254E10", "S254E4", "S254E8", "S1123E4", "S12345E4", "S30012E1"}) {
        app.WWRelForm.Close();
        topics.EditAktiviere.Text = se;
        topics.ButtonAktiviereClick();
        EXPECT_TRUE(app.WWRelForm.Visible) << se;
    }
    topics.OpenTS.Text = "S254E3";
    topics.ButtonReadTSClick();
    EXPECT_EQ(topics.LabelOwner.Caption, "author");
    EXPECT_EQ(ui.Messages, std::vector<std::string>{});
}

}  // namespace
}  // namespace vx
