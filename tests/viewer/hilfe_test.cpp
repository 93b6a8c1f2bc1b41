#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/host_path.h"
#include "platform/scripted_ui.h"
#include "settings/ini_form.h"
#include "support/golden.h"
#include "support/installed.h"
#include "textbase/form_open_free.h"
#include "viewer/form_read_only.h"
#include "viewer/hilfe_form.h"
#include "viewer/regeln_form.h"

namespace vx {
namespace {

using Messages = std::vector<std::string>;

// Every action of the help window in its order: the four buttons, then each entry of the
// list of lists as the window offers it.
void RunEveryHelpAction(THilfeForm& help, const std::function<void()>& afterEach) {
    for (void (THilfeForm::*button)() : {&THilfeForm::ButEinfgClick, &THilfeForm::ButAbkClick,
                                         &THilfeForm::ButLitClick, &THilfeForm::ButtonFAQClick}) {
        (help.*button)();
        afterEach();
    }
    for (std::size_t i = 0; i < help.ListBoxListen.Items.size(); ++i) {
        help.ListBoxListen.ItemIndex = static_cast<int>(i);
        help.ButListClick();
        afterEach();
    }
}

class Help : public ::testing::Test, protected test::Installed {
protected:
    Help() : regeln(ui, ini), help(ui, ini, regeln) {}
    TRegelnForm regeln;
    THilfeForm help;
};

TEST_F(Help, EveryActionWithoutItsFileShowsItsMessageAndKeepsTheMemo) {
    help.HilfeMemo.Lines.Assign({"before"});
    RunEveryHelpAction(help, [&] { EXPECT_EQ(help.HilfeMemo.Lines[0], "before"); });
    EXPECT_EQ(
        ui.Messages,
        (Messages{
            "Fehler beim oeffnen der Einfuehrung. \r___\rError opening the intro.",
            "Fehler beim oeffnen der Abkuerzungen.\r___\rError opening the abreviations.",
            "Das Literaturverzeichnis konnte nicht geoeffnet werden.\r___\r"
            "Error opening the vx literature.",
            "Die oft gestellten Fragen konntne nicht geoeffnet werden.\r___\rError opening the "
            "faqs.",
            "Fehler beim oeffnen des Regelverzeichnisses.\r___\rError opening the rules list.",
            "Fehler beim oeffnen des Satzverzeichnisses.\r___\rError opening the senteces list.",
            "Fehler beim oeffnen des Linkketten-Verzeichnisses.\r___\rError opening the "
            "linkchains-list.",
            "Fehler beim oeffnen des Theorien-Verzeichnisses.\r___\rError opening the "
            "theories-list.",
            "Fehler beim oeffnen des Theorien Details.\r___\rError opening the theory details.",
            "Fehler beim oeffnen der Liste der dynamischen Regeln.\r___\r"
            "Error opening the list of dynamic rules."}));
}

TEST_F(Help, OnlyIntroductionAndAbbreviationsShowTheWindow) {
    help.ButLitClick();
    help.ButtonFAQClick();
    EXPECT_FALSE(help.Visible);
    help.ButAbkClick();
    EXPECT_TRUE(help.Visible);
    help.Hide();
    help.ButEinfgClick();
    EXPECT_TRUE(help.Visible);
    help.Hide();
    help.OpenHelp();
    EXPECT_TRUE(help.Visible);
}

TEST_F(Help, OKWithoutAListChangesNothingAndTheOtherButtonsAnswer) {
    help.HilfeMemo.Lines.Assign({"before"});
    help.ButListClick();
    EXPECT_EQ(help.HilfeMemo.Lines[0], "before");
    EXPECT_EQ(help.ListBoxGrp.Items, Messages{"Author"});
    help.ButHilfeClick();
    EXPECT_EQ(ui.Messages, Messages{"Waehlen Sie direkt eines der Themen oben oder aus der Liste "
                                    "und\rdruecken Sie unten OK."});
    help.ButRegelnClick();
    EXPECT_TRUE(regeln.Visible);
}

TEST_F(Help, RulesWindowUsesTheTypedNumberUnchanged) {
    install.Write("Regeln/VXR5.txt", "rule 5\r\n");
    regeln.RegelnWahlButtonClick();
    regeln.EditVXR.Text = "5";
    regeln.RegelnWahlButtonClick();
    EXPECT_EQ(regeln.RegelnMemo.Lines[0], "rule 5");
    regeln.EditVXR.Text = "05";
    regeln.RegelnWahlButtonClick();
    EXPECT_EQ(regeln.RegelnMemo.Lines[0], "rule 5");
    regeln.HilfeButtonClick();
    EXPECT_EQ(ui.Messages,
              (Messages{"Geben Sie die Nummer der Regel ein, die Sie nachsehen wollen.\r"
                        "Druecken Sie dann Auswaehlen.",
                        "Fehler beim oeffnen des Textes: \r" + ini.vxPath + "Regeln\\VXR05.txt",
                        "Geben Sie die Nummer der Regel ein, die Sie nachsehen wollen.\r"
                        "Druecken Sie dann Auswaehlen. Das Regel-Verzeichnis\r"
                        "rufen Sie ueber Hilfe Regelverzeichnis auf."}));
}

// The demo installation holds every file the help window and the viewer open, in both
// languages, whatever case the windows write their names in.
TEST(DemoInstallation, HasEveryTextAndListOfHelpAndViewer) {
    ScriptedUi ui;
    TApplication app;
    TIniForm ini(ui, app, ToSystemPath(test::DemoDir()) + "\\System\\vx");
    ASSERT_EQ(ui.Messages, Messages{});
    TRegelnForm regeln(ui, ini);
    THilfeForm help(ui, ini, regeln);
    RunEveryHelpAction(help, [&] {
        EXPECT_GT(help.HilfeMemo.Lines.Count(), 0);
        help.HilfeMemo.Lines.Clear();
    });
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
