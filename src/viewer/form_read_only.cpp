#include "viewer/form_read_only.h"

#include "platform/errors.h"
#include "platform/host_path.h"
#include "platform/safe_name.h"
#include "platform/text_list.h"
#include "settings/ini_form.h"
#include "textbase/form_open_free.h"
#include "textbase/tools.h"

namespace vx {
namespace {

const char* const kTypeRules = "vx Rules";
const char* const kTypeTopics = "Topics S";
const char* const kTypeChains = "Chains LK";
const char* const kTypeTheories = "Theories TH";
const char* const kTypeTS = "Author default TS (SE Engl. Transl+assert. logic)";
const char* const kElementTHDetails = "Details Author";

const char* const kMsgOeffneROEN =
    "Fehler beim oeffnen der S-Liste. \r___\rError at opening the S-List.";
const char* const kMsgOeffneROLangX =
    "Fehler beim oeffnen der S-Liste \r___\rError at opening the S-List.";
const char* const kMsgHelp =
    "Oeffnen Sie hier alle texte nur lesend (read only), zu vergleichen oder Auswahl.\r"
    "Waehlen Sie ggf. eine gewuenschte andere Sprache als Englisch.\r"
    "Waehlen Sie einen Typen aus der Liste. Wenn Sie keine Uebersicht wollen, \r"
    "waehlen Sie ein Element der Liste. Andere Texte wie die Hilfe oeffnen sich ebenfalls "
    "hier.\r"
    "Wenn Sie selbstaendig irgendeine Datei oeffnen wollen, nehmen Sie Open From ...\r___\r"
    "Open here all texts for readonly, compare or selection purposes.\r"
    "Select a prefered language if You want another language available than English.\r"
    "Select the type of text or list. If You dont want an overview (list), \r"
    "select an element of the list. Other texts like Helps are also opened in this window.\r"
    "If You want a file You want yourself to choose take Open From ..";
const char* const kMsgRuleList =
    "Fehler beim oeffnen der Regelliste \r___\rError at opening the rule list.";
const char* const kMsgSList = "Fehler beim oeffnen der S-Liste \r___\rError at opening the S list.";
const char* const kMsgLKList =
    "Fehler beim oeffnen der LK-Liste \r___\rError at opening the LK list.";
const char* const kMsgTHList =
    "Fehler beim oeffnen der TH-Liste \r___\rError at opening the TH list.";
const char* const kMsgTSList = "Error in searching the TS.\r___\rError at opening the TS list.";
const char* const kMsgNoTabFreeOpen =
    "Kein TAB frei. Schliesse ein read only Dokument und versuchen Sie es nochmal.\r___\r"
    "No TAB free. Close a read only document and try again.";
const char* const kMsgNoTabFreeExtern =
    "Kein TAB frei. Schliessen sie ein read only document und dann noch mal.\r___\r"
    "No TAB free. Close a read only document and try again. ";
const char* const kMsgNoTabFreeOpenFrom =
    "Kein TAB frei. Schliessen sie ein read only document und dann noch mal.\r"
    "___No TAB free. Close a read only document and try again. ";

std::string MsgOpenFailed(const std::string& path) {
    return "Read only module: Fehler beim Oeffnen des Dokumentes." + path +
           "\r___\rRead only module: Error opening the document: " + path;
}
std::string MsgOpenExternFailed(const std::string& path) {
    return "Read only module: Fehler beim oeffnen des documentes:  " + path +
           "\r___\rRead only module: Error opening the document: " + path;
}
std::string MsgOpenFromFailed(const std::string& path) {
    return "Read only module: Fehler beim oeffnen des Dokumentes:  " + path +
           "\r___\rRead only module: Error opening the document: " + path;
}

std::string FileNamePart(const std::string& path) {
    const auto cut = path.find_last_of("\\/");
    return cut == std::string::npos ? path : path.substr(cut + 1);
}

// The texts that OpenExtern finds below Text\ by kind: names and titles in EN and LANG-X.
struct ExternText {
    const char* kind;
    const char* nameEN;
    const char* nameLangX;
    const char* titleEN;
    const char* titleLangX;
};
constexpr ExternText kExternTexts[] = {
    {"Intro", "Intro", "Einfuehr", "Introduction", "Einfuerhung"},
    {"Abrev", "Abrv_Words", "Abk_Begr", "Abbreviations", "Abkuerzungen"},
    {"Lit", "VXLIT", "VXLIT", "Literature", "Literature"},
    {"FAQ", "FAQ_HowTo", "FAQ_Wie", "FAQHowTo", "FAQ_Wie..."},
};

}  // namespace

TFormReadOnly::TFormReadOnly(Ui& ui, const TIniForm& ini, TFormOpenFree& openFree)
    : TForm("TFormReadOnly", "ReadOnly"), ui_(ui), ini_(ini), openFree_(openFree) {
    for (int i = 1; i <= kTabs; ++i) {
        TTabSheet page = TabSheet("");
        page.Name = "TabSheet" + std::to_string(i) + "RO";
        PageControl.Pages.push_back(page);
    }
    for (TMemo& memo : MemoRO) {
        memo.ReadOnly = true;
    }
    ButtonClose.Caption = "Close";
    ButtonHelp.Caption = "Help";
    ButtonOpen.Caption = "Open";
    ButtonOpenFrom.Caption = "Open From...";
    RadioGroupLang.Caption = "optional Lang.";
    RadioGroupLang.Items = {"EN", "LANG-X"};
    ComboBoxType.Items = {kTypeRules, kTypeTopics, kTypeChains, kTypeTheories, kTypeTS};
    ComboBoxType.Editable = false;
    ComboBoxSelect.Editable = false;
    FormCreate();
}

void TFormReadOnly::FormCreate() {
    Root = ini_.vxPath;
    RadioGroupLang.ItemIndex = ini_.Language == "EN" ? 0 : 1;
}

bool TFormReadOnly::TabInUse(int tab) const {
    return tab >= 0 && tab < kTabs &&
           !PageControl.Pages[static_cast<std::size_t>(tab)].Caption.empty();
}

int TFormReadOnly::FirstFreeTab() const {
    for (int tab = 0; tab < kTabs; ++tab) {
        if (!TabInUse(tab)) {
            return tab;
        }
    }
    return -1;
}

bool TFormReadOnly::LoadTab(int tab, const std::string& path, const std::string& title) {
    if (!LoadMemo(MemoRO[static_cast<std::size_t>(tab)], path)) {
        return false;
    }
    // A document without a title would leave its tab counted as free.
    PageControl.Pages[static_cast<std::size_t>(tab)].Caption =
        title.empty() ? FileNamePart(path) : title;
    PageControl.ActivePageIndex = tab;
    return true;
}

void TFormReadOnly::OeffneRO() {
    const bool langX = LangX();
    const std::string path = ini_.ListsPath + (langX ? "Sverz.txt" : "S_List.txt");
    if (!LoadTab(0, path, langX ? "S-Verz." : "S-List")) {
        ui_.ShowMessage(langX ? kMsgOeffneROLangX : kMsgOeffneROEN);
    }
    Show();
}

bool TFormReadOnly::FillElements(const std::string& type) {
    const bool langX = LangX();
    const std::string lists = ini_.ListsPath;
    std::vector<std::string> items{""};
    bool ok = true;
    if (type == kTypeRules || type == kTypeTopics) {
        const bool rules = type == kTypeRules;
        OverviewPath = lists + (rules ? (langX ? "Regelvrz.txt" : "RuleList.txt")
                                      : (langX ? "Sverz.txt" : "S_list.txt"));
        OverviewTitle =
            rules ? (langX ? "RegelListe" : "RuleList") : (langX ? "S-Verz." : "S List");
        if (langX) {
            try {
                TextList lines;
                lines.LoadFromFile(OverviewPath);
                items.insert(items.end(), lines.Lines().begin(), lines.Lines().end());
            } catch (const FileError&) {
                ok = false;
            }
        } else {
            ok = FileExists(OverviewPath);
        }
    } else if (type == kTypeChains) {
        OverviewPath = lists + "LKList.txt";
        OverviewTitle = "LK-Liste";
        ok = FileExists(OverviewPath);
    } else if (type == kTypeTheories) {
        OverviewPath = lists + (langX ? "THList.txt" : "THList_EN.txt");
        OverviewTitle = langX ? "TH-Liste" : "TH List";
        items.push_back(kElementTHDetails);
        ok = FileExists(OverviewPath);
    } else if (type == kTypeTS) {
        OverviewTitle = type;
        const std::string directory = TSMapFolder(Root);
        ok = DirectoryExists(directory);
        for (const std::string& name : FindFiles(directory, "*.txt")) {
            items.push_back(name);
        }
    }
    ComboBoxSelect.Items = std::move(items);
    ComboBoxSelect.ItemIndex = -1;
    ComboBoxSelect.Text.clear();
    return ok;
}

void TFormReadOnly::ComboBoxTypeChange() {
    ComboBoxSelect.Items.clear();
    ComboBoxSelect.ItemIndex = -1;
    ComboBoxSelect.Text.clear();
    OverviewPath.clear();
    DocumentPath.clear();
    OverviewTitle.clear();
    DocumentTitle.clear();
    const std::string type = ComboBoxType.Text;
    if (type.empty() || FillElements(type)) {
        return;
    }
    const char* message = type == kTypeRules      ? kMsgRuleList
                          : type == kTypeTopics   ? kMsgSList
                          : type == kTypeChains   ? kMsgLKList
                          : type == kTypeTheories ? kMsgTHList
                                                  : kMsgTSList;
    ui_.ShowMessage(message);
}

void TFormReadOnly::ComboBoxSelectChange() {
    const std::string& type = ComboBoxType.Text;
    if (type.empty()) {
        return;
    }
    const std::string& element = ComboBoxSelect.Text;
    // An empty line or a line beginning with "<" names no document: the previous choice stays.
    if ((type == kTypeRules || type == kTypeTopics) && PrefixBeforeColon(element) == "-1") {
        return;
    }
    // The element names a document below the installation; a list line naming another
    // place is refused.
    const bool named = type == kTypeRules || type == kTypeTopics;
    const std::string documentName = named ? PrefixBeforeColon(element) + ".txt" : element;
    if ((named || (type == kTypeTS && !element.empty())) && !IsSafeName(documentName)) {
        ui_.ShowMessage(MsgNameRefused(named ? PrefixBeforeColon(element) : element));
        return;
    }
    DocumentPath.clear();
    DocumentTitle.clear();
    if (type == kTypeRules || type == kTypeTopics) {
        const std::string x = PrefixBeforeColon(element);
        if (LangX()) {
            DocumentPath = Root + (type == kTypeRules ? "Regeln\\" : "Saetze\\") + x + ".txt";
            DocumentTitle = x;
        }
    } else if (type == kTypeTheories) {
        if (element == kElementTHDetails) {
            DocumentPath = ini_.ListsPath + "THDetxxx.txt";
            DocumentTitle = "Author-TH Details";
        }
    } else if (type == kTypeTS) {
        if (!element.empty()) {
            DocumentPath = TSMapFolder(Root) + element;
            DocumentTitle = element;
        }
    }
}

void TFormReadOnly::ButtonOpenClick() {
    if (ComboBoxType.Text.empty()) {
        return;
    }
    const int tab = FirstFreeTab();
    if (tab < 0) {
        ui_.ShowMessage(kMsgNoTabFreeOpen);
        return;
    }
    const bool document = !DocumentPath.empty();
    const std::string& path = document ? DocumentPath : OverviewPath;
    // The TS type has no overview: without an element there is nothing to open.
    if (path.empty() || !LoadTab(tab, path, document ? DocumentTitle : OverviewTitle)) {
        ui_.ShowMessage(MsgOpenFailed(path));
    }
}

void TFormReadOnly::ButtonOpenFromClick() {
    const int tab = FirstFreeTab();
    if (tab < 0) {
        ui_.ShowMessage(kMsgNoTabFreeOpenFrom);
        return;
    }
    openFree_.Refresh();
    if (ui_.ShowModal(openFree_) != ModalResult::Ok) {
        return;
    }
    if (!LoadTab(tab, openFree_.FullPath, openFree_.FileName)) {
        ui_.ShowMessage(MsgOpenFromFailed(openFree_.FullPath));
    }
}

void TFormReadOnly::ButtonCloseClick() {
    const int tab = PageControl.ActivePageIndex;
    if (tab < 0 || tab >= kTabs) {
        return;
    }
    PageControl.Pages[static_cast<std::size_t>(tab)].Caption.clear();
    MemoRO[static_cast<std::size_t>(tab)].Lines.Clear();
}

void TFormReadOnly::ButtonHelpClick() {
    ui_.ShowMessage(kMsgHelp);
}

void TFormReadOnly::OpenExtern(const std::string& kind, const std::string& title,
                               const std::string& path) {
    // Shown if hidden, and brought to the front, so that the document handed over is seen.
    Show();
    std::string documentPath = path;
    std::string documentTitle = title;
    for (const ExternText& text : kExternTexts) {
        if (kind == text.kind) {
            documentPath = ini_.TextPath + (LangX() ? text.nameLangX : text.nameEN) + ".txt";
            documentTitle = LangX() ? text.titleLangX : text.titleEN;
        }
    }
    const int tab = FirstFreeTab();
    if (tab < 0) {
        ui_.ShowMessage(kMsgNoTabFreeExtern);
        return;
    }
    if (!LoadTab(tab, documentPath, documentTitle)) {
        ui_.ShowMessage(MsgOpenExternFailed(documentPath));
    }
}

}  // namespace vx
