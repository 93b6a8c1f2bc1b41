#include "viewer/hilfe_form.h"

#include "settings/ini_form.h"
#include "viewer/regeln_form.h"

namespace vx {
namespace {

const char* const kMsgIntro =
    "Fehler beim oeffnen der Einfuehrung. \r___\rError opening the intro.";
const char* const kMsgAbbreviations =
    "Fehler beim oeffnen der Abkuerzungen.\r___\rError opening the abreviations.";
const char* const kMsgLiterature =
    "Das Literaturverzeichnis konnte nicht geoeffnet werden.\r___\r"
    "Error opening the vx literature.";
const char* const kMsgFAQ =
    "Die oft gestellten Fragen konntne nicht geoeffnet werden.\r___\rError opening the faqs.";
const char* const kMsgRuleList =
    "Fehler beim oeffnen des Regelverzeichnisses.\r___\rError opening the rules list.";
const char* const kMsgSentenceList =
    "Fehler beim oeffnen des Satzverzeichnisses.\r___\rError opening the senteces list.";
const char* const kMsgLinkChains =
    "Fehler beim oeffnen des Linkketten-Verzeichnisses.\r___\r"
    "Error opening the linkchains-list.";
const char* const kMsgTheories =
    "Fehler beim oeffnen des Theorien-Verzeichnisses.\r___\rError opening the theories-list.";
const char* const kMsgTheoryDetails =
    "Fehler beim oeffnen des Theorien Details.\r___\rError opening the theory details.";
const char* const kMsgDynRules =
    "Fehler beim oeffnen der Liste der dynamischen Regeln.\r___\r"
    "Error opening the list of dynamic rules.";
const char* const kMsgHilfe =
    "Waehlen Sie direkt eines der Themen oben oder aus der Liste und\rdruecken Sie unten OK.";

struct ListFile {
    const char* entry;
    const char* file;
    const char* message;
};
const ListFile kListFiles[] = {
    {"Regelverzeichnis", "REGELVRZ.txt", kMsgRuleList},
    {"Satzverzeichnis", "SVERZ.txt", kMsgSentenceList},
    {"LK-Verzeichnis", "LKList.txt", kMsgLinkChains},
    {"TH-Verzeichnis", "THList.txt", kMsgTheories},
    {"TH-Details", "THDetxxx.txt", kMsgTheoryDetails},
    {"DynRulesImpl", "Fixed_dynRules_2BR.txt", kMsgDynRules},
};

}  // namespace

THilfeForm::THilfeForm(Ui& ui, const TIniForm& ini, TRegelnForm& regeln)
    : TForm("THilfeForm", "Hilfe"),
      ButEinfg(Button("Einfuehrung")),
      ButAbk(Button("Abkuerzungen")),
      ButLit(Button("Literatur")),
      ButtonFAQ(Button("FAQ")),
      ButHilfe(Button("Hilfe")),
      ButList(Button("OK")),
      ButRegeln(Button("Regeln")),
      ui_(ui),
      ini_(ini),
      regeln_(regeln) {
    PageControl.Pages = {TabSheet("DE"), TabSheet("EN"), TabSheet("Lang X")};
    for (const ListFile& list : kListFiles) {
        ListBoxListen.Items.push_back(list.entry);
    }
    ListBoxGrp.Items = {"Author"};
    HilfeMemo.ReadOnly = true;
}

void THilfeForm::OpenHelp() {
    if (!Visible) {
        Show();
    }
}

void THilfeForm::Load(const std::string& path, const char* message) {
    if (!LoadMemo(HilfeMemo, path)) {
        ui_.ShowMessage(message);
    }
}

void THilfeForm::ButEinfgClick() {
    Load(ini_.TextPath + "Einfuehr.txt", kMsgIntro);
    OpenHelp();
}

void THilfeForm::ButAbkClick() {
    Load(ini_.TextPath + "Abk_Begr.txt", kMsgAbbreviations);
    OpenHelp();
}

void THilfeForm::ButLitClick() {
    Load(ini_.TextPath + "vxLit.txt", kMsgLiterature);
}

void THilfeForm::ButtonFAQClick() {
    Load(ini_.TextPath + "FAQ_Wie.txt", kMsgFAQ);
}

void THilfeForm::ButListClick() {
    const std::string& entry = ListBoxListen.SelectedText();
    for (const ListFile& list : kListFiles) {
        if (entry == list.entry) {
            Load(ini_.ListsPath + list.file, list.message);
            return;
        }
    }
}

void THilfeForm::ButHilfeClick() {
    ui_.ShowMessage(kMsgHilfe);
}

void THilfeForm::ButRegelnClick() {
    regeln_.OeffneRegeln();
}

}  // namespace vx
