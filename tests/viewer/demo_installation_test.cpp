#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/host_path.h"
#include "platform/scripted_ui.h"
#include "settings/ini_form.h"
#include "support/golden.h"
#include "textbase/form_open_free.h"
#include "viewer/form_read_only.h"
#include "viewer/hilfe_form.h"
#include "viewer/regeln_form.h"

namespace vx {
namespace {

using Messages = std::vector<std::string>;

// The demo installation holds every file the help window and the viewer open, in both
// languages, whatever case the windows write their names in.
TEST(DemoInstallation, HasEveryTextAndListOfHelpAndViewer) {
    ScriptedUi ui;
    TApplication app;
    TIniForm ini(ui, app, ToSystemPath(test::DemoDir()) + "\\System\\vx");
    ASSERT_EQ(ui.Messages, Messages{});
    TRegelnForm regeln(ui, ini);
    THilfeForm help(ui, ini, regeln);
    // A text that cannot be opened shows a message.
    help.ButEinfgClick();
    help.ButAbkClick();
    help.ButLitClick();
    help.ButtonFAQClick();
    for (std::size_t i = 0; i < help.ListBoxListen.Items.size(); ++i) {
        help.ListBoxListen.ItemIndex = static_cast<int>(i);
        help.ButListClick();
    }
    for (const char* rule : {"1", "2", "3", "4", "5", "25"}) {
        regeln.EditVXR.Text = rule;
        regeln.RegelnWahlButtonClick();
    }
    EXPECT_EQ(ui.Messages, Messages{});

    TFormOpenFree openFree(ui, ini);
    TFormReadOnly viewer(ui, ini, openFree);
    for (int language : {0, 1}) {
        viewer.RadioGroupLang.ItemIndex = language;
        viewer.OeffneRO();
        for (const std::string& type : viewer.ComboBoxType.Items) {
            viewer.ComboBoxType.Text = type;
            viewer.ComboBoxTypeChange();
            for (const std::string& element : viewer.ComboBoxSelect.Items) {
                viewer.ComboBoxSelect.Text = element;
                viewer.ComboBoxSelectChange();
                if (viewer.DocumentPath.empty() && viewer.OverviewPath.empty()) {
                    continue;  // the TS type has no overview to open
                }
                viewer.ButtonOpenClick();
                viewer.PageControl.ActivePageIndex = 1;
                viewer.ButtonCloseClick();
            }
        }
        for (const char* kind : {"Intro", "Abrev", "Lit", "FAQ"}) {
            viewer.OpenExtern(kind, "", "");
            viewer.PageControl.ActivePageIndex = 1;
            viewer.ButtonCloseClick();
        }
    }
    EXPECT_EQ(ui.Messages, Messages{});
}

}  // namespace
}  // namespace vx
