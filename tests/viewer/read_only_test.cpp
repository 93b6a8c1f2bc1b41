#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/scripted_ui.h"
#include "settings/ini_form.h"
#include "support/installed.h"
#include "textbase/form_open_free.h"
#include "viewer/form_read_only.h"

namespace vx {
namespace {

using Messages = std::vector<std::string>;

const char* const kTypeRules = "vx Rules";
const char* const kTypeTopics = "Topics S";
const char* const kTypeChains = "Chains LK";
const char* const kTypeTheories = "Theories TH";
const char* const kTypeTS = "Author default TS (SE Engl. Transl+assert. logic)";

class Viewer : public ::testing::Test, protected test::Installed {
protected:
    Viewer() : openFree(ui, ini), viewer(ui, ini, openFree), root(ini.vxPath) {
        install.Write("Lists/RuleList.txt", "rules EN\r\n");
        install.Write("Lists/Regelvrz.txt", "<Regeln>\r\nR5: fuenf\r\nVXR1: eins\r\n");
        install.Write("Lists/S_list.txt", "topics EN\r\n");
        install.Write("Lists/Sverz.txt", "S12: Fruehstueck\r\n");
        install.Write("Lists/LKList.txt", "chains\r\n");
        install.Write("Lists/THList_EN.txt", "theories EN\r\n");
        install.Write("Lists/THList.txt", "Theorien\r\n");
        install.Write("Lists/THDetxxx.txt", "details\r\n");
        install.Write("Regeln/R5.txt", "rule five\r\n");
        install.Write("Saetze/S12.txt", "S12: breakfast\r\n");
        install.Write("Saetze/FormaleSE/TSmapg/TS254.txt", "*E3,WW:\r\n");
        install.Write("Saetze/FormaleSE/TSmapg/TS12.txt", "*E1,WW:\r\n");
        for (const char* text :
             {"Intro", "Einfuehr", "Abrv_Words", "Abk_Begr", "VXLIT", "FAQ_HowTo", "FAQ_Wie"}) {
            install.Write(std::string("Text/") + text + ".txt", std::string(text) + "\r\n");
        }
    }

    void ChooseType(const std::string& type) {
        viewer.ComboBoxType.Text = type;
        viewer.ComboBoxTypeChange();
    }
    void ChooseElement(const std::string& element) {
        viewer.ComboBoxSelect.Text = element;
        viewer.ComboBoxSelectChange();
    }
    void SetLanguage(int index) {
        viewer.RadioGroupLang.ItemIndex = index;
        viewer.RadioGroupLangClick();
    }
    std::vector<std::string> Captions() const {
        std::vector<std::string> captions;
        for (const TTabSheet& page : viewer.PageControl.Pages) {
            captions.push_back(page.Caption);
        }
        return captions;
    }
    void FillAllTabs() {
        for (int i = 0; i < TFormReadOnly::kTabs; ++i) {
            viewer.OpenExtern("TS", "doc" + std::to_string(i + 1),
                              root + "Saetze\\FormaleSE\\TSmapg\\TS254.txt");
        }
    }

    TFormOpenFree openFree;
    TFormReadOnly viewer;
    std::string root;
};

TEST_F(Viewer, OeffneROLoadsTheTopicListIntoTheFirstTabInEitherLanguage) {
    viewer.OeffneRO();
    EXPECT_TRUE(viewer.Visible);
    EXPECT_EQ(viewer.PageControl.Pages[0].Caption, "S-List");
    EXPECT_EQ(viewer.MemoRO[0].Lines[0], "topics EN");
    viewer.RadioGroupLang.ItemIndex = 1;
    viewer.OeffneRO();
    EXPECT_EQ(viewer.PageControl.Pages[0].Caption, "S-Verz.");
    EXPECT_EQ(viewer.FirstFreeTab(), 1);
    std::filesystem::remove(install.path() / "Lists/Sverz.txt");
    std::filesystem::remove(install.path() / "Lists/S_list.txt");
    viewer.OeffneRO();
    viewer.RadioGroupLang.ItemIndex = 0;
    viewer.OeffneRO();
    EXPECT_EQ(ui.Messages,
              (Messages{"Fehler beim oeffnen der S-Liste \r___\rError at opening the S-List.",
                        "Fehler beim oeffnen der S-Liste. \r___\rError at opening the S-List."}));
    EXPECT_EQ(viewer.PageControl.Pages[0].Caption, "S-Verz.");
}

TEST_F(Viewer, TabsAreTakenInOrderAndAClosedTabIsReused) {
    FillAllTabs();
    EXPECT_EQ(Captions(),
              (Messages{"doc1", "doc2", "doc3", "doc4", "doc5", "doc6", "doc7", "doc8"}));
    EXPECT_EQ(viewer.PageControl.ActivePageIndex, 7);
    EXPECT_EQ(viewer.FirstFreeTab(), -1);
    viewer.PageControl.ActivePageIndex = 2;
    viewer.ButtonCloseClick();
    EXPECT_EQ(viewer.PageControl.Pages[2].Caption, "");
    EXPECT_EQ(viewer.MemoRO[2].Lines.Count(), 0);
    ChooseType(kTypeChains);
    viewer.ButtonOpenClick();
    EXPECT_EQ(viewer.PageControl.Pages[2].Caption, "LK-Liste");
    EXPECT_EQ(viewer.MemoRO[2].Lines[0], "chains");
    EXPECT_EQ(viewer.PageControl.ActivePageIndex, 2);
    EXPECT_EQ(ui.Messages, Messages{});
}

TEST_F(Viewer, WithEightDocumentsEveryWayOfOpeningIsRefused) {
    FillAllTabs();
    const auto before = Captions();
    ChooseType(kTypeChains);
    viewer.ButtonOpenClick();
    viewer.ButtonOpenFromClick();
    viewer.OpenExtern("Intro", "", "");
    EXPECT_EQ(Captions(), before);
    EXPECT_EQ(ui.Dialogs, Messages{});
    EXPECT_EQ(ui.Messages,
              (Messages{"Kein TAB frei. Schliesse ein read only Dokument und versuchen Sie es "
                        "nochmal.\r___\rNo TAB free. Close a read only document and try again.",
                        "Kein TAB frei. Schliessen sie ein read only document und dann noch mal.\r"
                        "___No TAB free. Close a read only document and try again. ",
                        "Kein TAB frei. Schliessen sie ein read only document und dann noch mal.\r"
                        "___\rNo TAB free. Close a read only document and try again. "}));
}

TEST_F(Viewer, TypesSetTheirOverviewsAndElementLists) {
    ChooseType(kTypeRules);
    EXPECT_EQ(viewer.ComboBoxSelect.Items, Messages{""});
    viewer.ButtonOpenClick();
    EXPECT_EQ(viewer.PageControl.Pages[0].Caption, "RuleList");
    ChooseElement("R5: fuenf");
    EXPECT_EQ(viewer.DocumentPath, "");  // English rule elements name no document

    ChooseType(kTypeTheories);
    EXPECT_EQ(viewer.ComboBoxSelect.Items, (Messages{"", "Details Author"}));
    viewer.ButtonOpenClick();
    ChooseElement("Details Author");
    viewer.ButtonOpenClick();

    ChooseType(kTypeTS);
    EXPECT_EQ(viewer.ComboBoxSelect.Items, (Messages{"", "TS12.txt", "TS254.txt"}));
    ChooseElement("TS254.txt");
    viewer.ButtonOpenClick();
    ChooseType("");
    viewer.ButtonOpenClick();
    EXPECT_EQ(Captions(),
              (Messages{"RuleList", "TH List", "Author-TH Details", "TS254.txt", "", "", "", ""}));
    EXPECT_EQ(viewer.MemoRO[3].Lines[0], "*E3,WW:");
    EXPECT_EQ(ui.Messages, Messages{});
}

TEST_F(Viewer, OpenWithoutADocumentFailsAndANamelessElementKeepsTheChoice) {
    ChooseType(kTypeTS);
    viewer.ButtonOpenClick();  // the TS type has no overview
    EXPECT_EQ(ui.Messages, Messages{"Read only module: Fehler beim Oeffnen des Dokumentes.\r___\r"
                                    "Read only module: Error opening the document: "});
    EXPECT_EQ(viewer.FirstFreeTab(), 0);

    SetLanguage(1);
    ChooseType(kTypeTopics);
    ChooseElement("S12: Fruehstueck");
    for (const char* nameless : {"<Themen>", ""}) {
        ChooseElement(nameless);
        EXPECT_EQ(viewer.DocumentPath, root + "Saetze\\S12.txt") << nameless;
        EXPECT_EQ(viewer.DocumentTitle, "S12") << nameless;
    }
    viewer.ButtonOpenClick();
    EXPECT_EQ(viewer.PageControl.Pages[0].Caption, "S12");
    EXPECT_EQ(ui.Messages.size(), 1u);
}

TEST_F(Viewer, SwitchingTheLanguageRebuildsTheListsAndLosesTheElement) {
    ChooseType(kTypeRules);
    SetLanguage(1);
    EXPECT_EQ(viewer.ComboBoxSelect.Items, (Messages{"", "<Regeln>", "R5: fuenf", "VXR1: eins"}));
    EXPECT_EQ(viewer.OverviewPath, root + "Lists\\Regelvrz.txt");
    ChooseElement("<Regeln>");
    EXPECT_EQ(viewer.DocumentPath, "");
    ChooseElement("R5: fuenf");
    EXPECT_EQ(viewer.DocumentPath, root + "Regeln\\R5.txt");
    viewer.ButtonOpenClick();
    EXPECT_EQ(viewer.PageControl.Pages[0].Caption, "R5");
    EXPECT_EQ(viewer.MemoRO[0].Lines[0], "rule five");

    SetLanguage(0);
    EXPECT_EQ(viewer.ComboBoxSelect.Items, Messages{""});
    EXPECT_EQ(viewer.ComboBoxSelect.Text, "");
    EXPECT_EQ(viewer.DocumentPath, "");
    EXPECT_EQ(viewer.OverviewPath, root + "Lists\\RuleList.txt");

    ChooseType(kTypeTopics);
    SetLanguage(1);
    ChooseElement("S12: Fruehstueck");
    viewer.ButtonOpenClick();
    EXPECT_EQ(viewer.PageControl.Pages[1].Caption, "S12");
    EXPECT_EQ(viewer.MemoRO[1].Lines[0], "S12: breakfast");
    ChooseType(kTypeTheories);
    viewer.ButtonOpenClick();
    EXPECT_EQ(viewer.PageControl.Pages[2].Caption, "TH-Liste");
    EXPECT_EQ(ui.Messages, Messages{});
}

TEST_F(Viewer, MissingListsGiveTheMessageOfTheirType) {
    std::filesystem::remove_all(install.path() / "Lists");
    std::filesystem::remove_all(install.path() / "Saetze");
    for (const char* type : {kTypeRules, kTypeTopics, kTypeChains, kTypeTheories, kTypeTS}) {
        ChooseType(type);
    }
    SetLanguage(1);
    ChooseType(kTypeRules);
    viewer.ButtonOpenClick();
    EXPECT_EQ(ui.Messages,
              (Messages{"Fehler beim oeffnen der Regelliste \r___\rError at opening the rule list.",
                        "Fehler beim oeffnen der S-Liste \r___\rError at opening the S list.",
                        "Fehler beim oeffnen der LK-Liste \r___\rError at opening the LK list.",
                        "Fehler beim oeffnen der TH-Liste \r___\rError at opening the TH list.",
                        "Error in searching the TS.\r___\rError at opening the TS list.",
                        "Error in searching the TS.\r___\rError at opening the TS list.",
                        "Fehler beim oeffnen der Regelliste \r___\rError at opening the rule list.",
                        "Read only module: Fehler beim Oeffnen des Dokumentes." + root +
                            "Lists\\Regelvrz.txt\r___\rRead only module: Error opening the "
                            "document: " +
                            root + "Lists\\Regelvrz.txt"}));
    EXPECT_EQ(viewer.FirstFreeTab(), 0);
}

TEST_F(Viewer, OpenExternFindsEveryKindInBothLanguages) {
    for (const char* kind : {"Intro", "Abrev", "Lit", "FAQ"}) {
        viewer.OpenExtern(kind, "", "");
    }
    EXPECT_TRUE(viewer.Visible);
    viewer.RadioGroupLang.ItemIndex = 1;
    for (const char* kind : {"Intro", "Abrev", "Lit", "FAQ"}) {
        viewer.OpenExtern(kind, "", "");
    }
    EXPECT_EQ(Captions(), (Messages{"Introduction", "Abbreviations", "Literature", "FAQHowTo",
                                    "Einfuerhung", "Abkuerzungen", "Literature", "FAQ_Wie..."}));
    Messages first;
    for (const TMemo& memo : viewer.MemoRO) {
        first.push_back(memo.Lines[0]);
    }
    EXPECT_EQ(first, (Messages{"Intro", "Abrv_Words", "VXLIT", "FAQ_HowTo", "Einfuehr", "Abk_Begr",
                               "VXLIT", "FAQ_Wie"}));
    EXPECT_EQ(ui.Messages, Messages{});
}

TEST_F(Viewer, OpenExternOfCallersFilesAndItsFailure) {
    viewer.OpenExtern("SemiF", "semiForm:S12", root + "Saetze\\S12.txt");
    viewer.OpenExtern("TS", "", root + "Saetze\\FormaleSE\\TSmapg\\TS12.txt");
    viewer.OpenExtern("TS", "TS9.txt", root + "nothing.txt");
    EXPECT_EQ(viewer.PageControl.Pages[0].Caption, "semiForm:S12");
    EXPECT_EQ(viewer.PageControl.Pages[1].Caption, "TS12.txt");
    EXPECT_EQ(viewer.FirstFreeTab(), 2);
    EXPECT_EQ(ui.Messages,
              Messages{"Read only module: Fehler beim oeffnen des documentes:  " + root +
                       "nothing.txt\r___\rRead only module: Error opening "
                       "the document: " +
                       root + "nothing.txt"});
}

TEST_F(Viewer, HugeOddAndBinaryDocumentsAreShownUnchanged) {
    std::string list = "<Regeln>\r\n";
    for (int i = 0; i < 100000; ++i) {
        list += "VXR" + std::to_string(i) + ": rule\r\n";
    }
    install.Write("Lists/Regelvrz.txt", list);
    const std::string longLine(20000, 'x');
    const std::string bytes = std::string("caf\xE9 \x80\x9F\xFF ") + '\0' + "end";
    install.Write("Text/FAQ_HowTo.txt", longLine + "\r\n" + bytes + "\n");
    SetLanguage(1);
    ChooseType(kTypeRules);
    EXPECT_EQ(viewer.ComboBoxSelect.Items.size(), 100002u);
    viewer.ButtonOpenClick();
    EXPECT_EQ(viewer.MemoRO[0].Lines.Count(), 100001);
    SetLanguage(0);
    viewer.OpenExtern("FAQ", "", "");
    EXPECT_EQ(viewer.MemoRO[1].Lines[0], longLine);
    EXPECT_EQ(viewer.MemoRO[1].Lines[1], bytes);
    EXPECT_EQ(ui.Messages, Messages{});
}

}  // namespace
}  // namespace vx
