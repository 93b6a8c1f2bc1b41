#include "textbase/vx_main_form_saetze.h"

#include "platform/errors.h"
#include "platform/host_path.h"
#include "platform/safe_name.h"
#include "platform/strict_int.h"
#include "settings/ini_form.h"
#include "textbase/form_s_save_as.h"
#include "textbase/ww_rel_form.h"
#include "textbase/ww_rel_read_form.h"

namespace vx {
namespace {

const char* const kMsgUse2BRPage =
    "Bitte verwenden Sie den 2BR-Reiter wenn Sie im 2BR Modus sind.\r___\r"
    "Please use the 2BBR Page when You upgraded your session to 2BR modus.";
const char* const kMsgEmptyTopicName =
    "Schreiben Sie einen exist. Satz ins Auswahlfenster, zB S255. \rDruecken Sie dann OK.\r"
    "___ \rWrite an existing sentence in the edit box!";
const char* const kMsgBadTopicFormat =
    "Unerlaubtes Satzeformat. Dateinamen ueberpruefen. \r___\r"
    "Not allowed file format. Check the file name. ";
const char* const kMsgNoPathUsers =
    "Kein gueltiger Pfad zu ihren Saetzen!\r___\rNo valid path to your sentences!  \r ";
const char* const kMsgNoPathGroups =
    "Kein gueltiger Pfad zu ihren Saetzen!\r___\rNot a valid path to your sentences!";
const char* const kMsgNoPathEveryone =
    "Kein gueltiger Pfad zu ihren Saetzen!\r___ \rNo valid path to your sentences!";
const char* const kMsgOpenTopicFailed =
    "Fehler beim oeffnen des Satzes. Dateinamen- und Pfad ueberpruefen. \r___ \r"
    "Error on opening the sentce. check path and file name !";
const char* const kMsgUse1BRPage =
    "Bitte verwenden Sie den 1BR-Reiter wenn Sie im 1BR Modus sind.\r___\r"
    "Please use the 1BBR Page when You upgraded your session to 1BR modus.";
const char* const kMsgBadTopicFormat2BR =
    "Unerlaubtes Satzeformat. Dateinamen ueberpruefen. \r___\r"
    "Wrong file format. Check Filenames. ";
const char* const kMsgUse2BRPageActivate =
    "Bitte verwenden Sie den 2BR-Reiter in VXMain wenn Sie im 2BR Modus sind.\r___\r"
    "Please use the 2BBR Page when You upgraded your session to 2BR modus.";
const char* const kMsgNothingTyped =
    "Sie haben nichts eingegeben. \rKlicken Sie auf Hilfe.\r___\rClick on Help. ";
const char* const kMsgBadSENumber =
    "Unerlaubte Satznummer, bitte ueberpruefen. \r___\rNot allowed SE number. Check it. ";
const char* const kMsgNoSelection =
    "Es wurde kein Satz (SE) selektiert. \rKlicken Sie auf Hilfe.\r___\r"
    "There was no sentence (SE) selected. \rKlicken on Help.";
const char* const kMsgSaveTopicFailed =
    "Das Thema S konnte nicht abgespeichert werden.\r___\rThe topic S couldnt be saved.";
const char* const kMsgTSNeeds2BR =
    "Um TS zu aktivieren (aussagenlogische Teil-Saetze eines SE), muessen Sie zuerst die "
    "aktive Session auf den 2BR-Modus upgraden.)\r"
    "___ \r"
    "If You want to activate a TS (assertional logic atomic-sentences of a SE), You have to "
    "first upgrade the active session to 2BR modus.";
const char* const kMsgTSNeedsSE =
    "Um TS zu aktivieren (aussagenlogische Teil-Saetze eines SE), muessen Sie in der EditBox "
    "eine SE-Nummer eingeben.)\r"
    "___ \r"
    "If You want to activate a TS (assertional logic atomic-sentences of a SE), You must "
    "input a SE number in the edit box.";
const char* const kMsgReadTSEmpty =
    "Sie muessen im Fenster daneben eine SE-Nummer eingeben zu der die TSangezeigt werden "
    "sollen.\r"
    "___ \rYou have to edit a SE-Number that should be opened.";
const char* const kMsgNoValidSEString =
    "Sie haben keinen gueltigen SatzString S...E.. angegeben. \r___\r"
    "You didnt provide a valid sentence string S..E... ";
const char* const kMsgNoValidSentenceString =
    "Sie haben keinen gueltigen Satz-String angegeben. \r___\r"
    "You didnt provide a valid sentence string. ";
const char* const kMsgENumberTooBig = "Die E-Nummer ist zu gross!\r___\rYour E-number is too big. ";
const char* const kMsgUnknownOwner =
    "Sie haben keinen gueltigen SatzString S...E.. angegeben.Unbekannter SE-BEsitzer. UU "
    "reservierte SENummer.. \r"
    "___\r"
    "You didnt provide a valid sentence string S..E...Unknown SE-owner. Maybe a reserved "
    "number. ";
const char* const kMsgDFNameEmpty =
    "\rSie muessen den Namen in der Form TS255E10 eingeben. \rMehr Hilfe in der Help.\r___\r"
    "You have to edit a DF-SE Name like TS255E10. \rMore Info in the Help.";
const char* const kMsgUse1BRPageXW =
    "Bitte verwenden Sie den 1BR-Reiter in VXMain wenn Sie im 1BR Modus sind.\r___\r"
    "Please use the 1BBR Page when You upgraded your session to 1BR modus.";
const char* const kMsgXWNotImplemented =
    "Diese Funktin ist zZ noch nicht implementiert ..nur die TS ini !\r___\r"
    "This function is not implemented yet..just the TS initailization.  ";
const char* const kMsgHelpDF =
    "Waehlen Sie ein default formalisiertes Thema S zum arbeiten. ___Choose a default "
    "formalized Topic S to work on. ";
const char* const kMsgNoPathUsers2BR =
    "Kein gueltiger Pfad zu ihren Saetzen!___ No valid path to your sentences S. ";
const char* const kMsgNoPathGroups2BR =
    "Kein gueltiger Pfad zu ihren Saetzen!\r___\rNo valid path to your sentences S. ";
const char* const kMsgNoPathEveryone2BR =
    "Kein gueltiger Pfad zu ihren Saetzen!\r___\rNo valid path to your sentences.";
const char* const kMsgOpenTopicFailed2BR =
    "Fehler beim Oeffnen des Satzes. Dateinamen- und Pfad ueberpruefen.\r___\r"
    "Error on opening the sentences. File- and Pathname checking.";
const char* const kMsgBothRelationWindowsOpen =
    "Sowohl die aktive als auch die Methoden-Form zum lesen sind schon aktiv. \r"
    "Ein Fenster zuerst schliessen.\r\r___\r"
    "The active and also the methods - form are open for reading. \rClose a window first. \r";
const char* const kMsgHelpSEForms =
    "Verwenden Sie normale SE Relationen, virtuelle SE (_FSxxxEyy_..) or override SxxExx_O.\r"
    "___ \rUse normal SE relations, virtual SE (_FSxxxEyy_..) or override SxxExx_O.";

const char* const kMsgHelpTopic =
    "Schreiben Sie den Namen eines Themas S in das Feld, zB S207, und druecken Sie\r"
    "\"Choose S\". Das Thema erscheint im Fenster. Einen seiner Saetze aktivieren Sie\r"
    "unten mit seiner Nummer, zB S254E4.\r"
    "Saetze mit einer Nummer E ueber 99 koennen noch nicht aktiviert oder berechnet werden.\r"
    "___\r"
    "Write the name of a topic S into the box, e.g. S207, and press \"Choose S\".\r"
    "The topic appears in the window. Activate one of its sentences below by its number,\r"
    "e.g. S254E4.\r"
    "Sentences with a number E above 99 cannot be activated or computed yet.";
const char* const kMsgHelpSE =
    "Geben Sie die Nummer eines Satzes SE ein, zB S254E10, und druecken Sie \"Activate E\".\r"
    "Das Fenster mit den Relationen des Satzes oeffnet sich; ist es schon offen, oeffnet\r"
    "sich sein Zwilling zum Lesen. Sie koennen auch einen Satz im Thema markieren und mit\r"
    "der rechten Maustaste \"Aktiviere Satz\" waehlen.\r"
    "Tipp: Themen des Autors werden nur lesend angezeigt.\r"
    "___\r"
    "Input the number of a sentence SE, e.g. S254E10, and press \"Activate E\".\r"
    "The window with the relations of the sentence opens; when it is open already, its\r"
    "read only twin opens. You may also select a sentence in the topic and choose\r"
    "\"Aktiviere Satz\" with the right mouse button.\r"
    "Tip: topics of the author are shown read only.";
const char* const kMsgHelp2BRTopic =
    "Satz S: Schreiben Sie den Namen eines Themas in das Feld, zB S254, und druecken Sie OK.\r"
    "Range: Die Nummer muss im Bereich eines Besitzers liegen (Autor, User, Gruppe, Alle).\r"
    "Diese Seite gilt im 2BR Modus der Session.\r"
    "___\r"
    "Satz S: write the name of a topic into the box, e.g. S254, and press OK.\r"
    "Range: the number must lie in the range of an owner (author, user, group, everyone).\r"
    "This page serves the 2BR mode of the session.";
const char* const kMsgHelpTS =
    "Geben Sie eine SE-Nummer ein, zB S12E1. \"Read TS\" zeigt die TS-Datei des Themas\r"
    "und ihren Besitzer; mit der rechten Maustaste oeffnen Sie sie auch im ReadOnly-Fenster.\r"
    "\"Activate TS\" oeffnet die TS des Satzes im Fenster TS Relations (nur im 2BR Modus).\r"
    "___\r"
    "Input an SE number, e.g. S12E1. \"Read TS\" shows the TS file of the topic and its\r"
    "owner; with the right mouse button you open it in the ReadOnly window as well.\r"
    "\"Activate TS\" opens the TS of the sentence in the TS Relations window (2BR mode only).";

std::string MsgDirNumber(const char* kind, std::int32_t number) {
    const std::string n = std::to_string(number);
    return std::string("Die ") + kind + "-Directory Nummer konnte nicht aufgeloest werden: " + n +
           "\r___\rThe " + kind + "-directory number coldnt be resolved: " + n + "\r ";
}

std::string MsgCheckRelationFiles(const std::string& se) {
    return "Fehler beim Checken der " + se +
           "-Relationen Dateien.\rKontrollieren Sie bitte die Datei-Namen.\r___ \r"
           "Error checking the " +
           se + "-Relation files !\rCheck the file names.";
}

std::string MsgReadMethodsFile(const std::string& result, const char* separator) {
    return "Fehler beim Einlesen der Methoden-Datei:\r" + result + "\r" + separator +
           "\rerror read in the methods file:\r" + result;
}

std::string MsgFileNotFound(const std::string& name) {
    return " Fehler vxMainForm: Datei nicht gefunden oder kann nicht geoeffnet werden.\r" + name +
           ".txt\r___\rErr vxMainForm: File not found or unable to open:  \r" + name + ".txt";
}

// A selected sentence without surrounding blanks, line breaks and a trailing colon.
std::string TrimSelection(const std::string& text) {
    const char* const kSpace = " \t\r\n";
    const auto first = text.find_first_not_of(kSpace);
    if (first == std::string::npos) {
        return {};
    }
    std::string trimmed = text.substr(first, text.find_last_not_of(kSpace) - first + 1);
    while (!trimmed.empty() && trimmed.back() == ':') {
        trimmed.pop_back();
    }
    return trimmed;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

TVxMainFormSaetze::TVxMainFormSaetze(Ui& ui, const TIniForm& ini, TWWRelForm& relForm,
                                     TWWRelReadForm& relReadForm, TFormSSaveAs& saveAs,
                                     OpenExternFunction openExtern, ActivateTSFunction activateTS)
    : TForm("TVxMainFormSaetze", "VxMain"),
      ButtonOK(Button("Choose S")),
      ButtonHelpS(Button("Help")),
      ButtonAktiviere(Button("Activate E")),
      ButtonHelpE(Button("Help")),
      ButtonReadTS(Button("Read TS")),
      ButtonActivateTS(Button("Activate TS")),
      ButtonActivateMixedTypes(Button("Activate mixed types")),
      ButtonHelpTS(Button("Help")),
      Button2BR(Button("OK")),
      ButtonHelp2BR(Button("Help")),
      ButtonActivateXW(Button("ActivateXW")),
      ButtonMixedTypesRelations(Button("mixedTypes relations")),
      ButtonHelpXW(Button("Help")),
      ButtonOpenDF(Button("Open DF")),
      ButtonHelpDF(Button("Help")),
      ui_(ui),
      ini_(ini),
      relForm_(relForm),
      relReadForm_(relReadForm),
      saveAs_(saveAs),
      openExtern_(std::move(openExtern)),
      activateTS_(std::move(activateTS)),
      root_(ini.vxPath) {
    PageControl.Pages = {TabSheet("BR1 SE"), TabSheet("TS"), TabSheet("BR2 SE"), TabSheet("BR3")};
    Memo3BR.ReadOnly = true;
}

TextBaseSettings TVxMainFormSaetze::Settings() const {
    TextBaseSettings settings = TextBaseSettingsOf(ini_);
    settings.Root = root_;
    return settings;
}

void TVxMainFormSaetze::Oeffnen() {
    ReadDFList();
    Show();
}

void TVxMainFormSaetze::ReadDFList() {
    std::vector<std::string> names;
    for (const std::string& file : FindFiles(TSMapFolder(root_), "*.txt")) {
        names.push_back(file.substr(0, file.size() - 4));
    }
    ComboBoxDF.Items = std::move(names);
}

std::string TVxMainFormSaetze::ChooseTopicFile(const std::string& name, const std::string& area,
                                               bool page2BR) {
    const bool users = area == kAreaUsers;
    const bool groups = area == kAreaGroups;
    if (area == kAreaAuthor) {
        return TopicFilePath(name, area, Settings());
    }
    if ((users && ini_.UsersPath.empty()) || (groups && ini_.GroupPath.empty()) ||
        (area == kAreaEveryone && ini_.EveryOnePath.empty()) || area == kAreaTest) {
        return {};
    }
    const char* noPath = users    ? (page2BR ? kMsgNoPathUsers2BR : kMsgNoPathUsers)
                         : groups ? (page2BR ? kMsgNoPathGroups2BR : kMsgNoPathGroups)
                                  : (page2BR ? kMsgNoPathEveryone2BR : kMsgNoPathEveryone);
    const std::int32_t number = TopicNumber(name + "E");
    if (number < 0) {
        ui_.ShowMessage(noPath);
        return {};
    }
    if (users || groups) {
        const std::int32_t dir = UserGroupDirNumber(number, area);
        if (dir < 1) {
            ui_.ShowMessage(page2BR ? std::string(noPath)
                                    : MsgDirNumber(users ? "usr" : "grp", dir));
            return {};
        }
    }
    return TopicFilePath(name, area, Settings());
}

void TVxMainFormSaetze::ButtonOKClick() {
    if (ini_.IniState == kIniState2BR) {
        ui_.ShowMessage(kMsgUse2BRPage);
        return;
    }
    const std::string name = SatzEdit.Text;
    if (name.empty()) {
        ui_.ShowMessage(kMsgEmptyTopicName);
        return;
    }
    const std::string area = TopicArea(name, Settings());
    if (IsInvalidArea(area)) {
        ui_.ShowMessage(kMsgBadTopicFormat);
        return;
    }
    if (area == kAreaAuthor) {
        VxMainMemo.ReadOnly = !ini_.AuthorMode;
    }
    const std::string path = ChooseTopicFile(name, area, false);
    if (path.empty()) {
        return;
    }
    if (!LoadMemo(VxMainMemo, path)) {
        ui_.ShowMessage(kMsgOpenTopicFailed);
        return;
    }
    loadedTopic_ = name;
}

void TVxMainFormSaetze::Button2BRClick() {
    if (ini_.IniState == kIniState1BR) {
        ui_.ShowMessage(kMsgUse1BRPage);
        return;
    }
    const std::string name = EditSatz2BR.Text;
    if (name.empty()) {
        return;
    }
    const std::string area = TopicArea(name, Settings());
    if (IsInvalidArea(area)) {
        ui_.ShowMessage(kMsgBadTopicFormat2BR);
        return;
    }
    if (area == kAreaAuthor) {
        Memo2BR.ReadOnly = !ini_.AuthorMode;
    }
    const std::string path = ChooseTopicFile(name, area, true);
    if (!path.empty() && !LoadMemo(Memo2BR, path)) {
        ui_.ShowMessage(kMsgOpenTopicFailed2BR);
    }
}

std::string TVxMainFormSaetze::CheckRelationFiles(const SplitResult& split, const std::string& area,
                                                  std::string& xwType) {
    const std::string directory = RelationDirectory(split.TopicPart, area, Settings());
    if (directory.empty()) {
        return {};
    }
    const auto files = FindFiles(directory, split.SentencePart + "_??.txt");
    for (const std::string& file : files) {
        const std::string type = XWTypeOfRelationFile(file, split.SentencePart);
        if (!type.empty()) {
            xwType = type;
        }
    }
    const bool complete = (files.size() == 4 && xwType == "WWType") ||
                          (files.size() == 3 && (xwType == "EWType" || xwType == "DWType"));
    return complete ? "ok" : "";
}

void TVxMainFormSaetze::ButtonAktiviereClick() {
    if (ini_.IniState == kIniState2BR) {
        ui_.ShowMessage(kMsgUse2BRPageActivate);
        return;
    }
    if (EditAktiviere.Text.empty()) {
        ui_.ShowMessage(kMsgNothingTyped);
        return;
    }
    currentSE_ = EditAktiviere.Text;
    const SplitResult split = SplitSE(currentSE_, ui_);
    std::string result;
    std::string xwType;
    std::string area;
    if (split.Ok) {
        area = TopicArea(split.TopicPart, Settings());
        // The sentence part names the sentence's relation files.
        if (IsInvalidArea(area) || !IsSafeName(split.SentencePart)) {
            ui_.ShowMessage(kMsgBadSENumber);
            result = "not_ok";
        } else {
            result = CheckRelationFiles(split, area, xwType);
        }
    }
    if (result != "ok") {
        ui_.ShowMessage(MsgCheckRelationFiles(currentSE_));
        return;
    }
    OpenRelations(split, RelationDirectory(split.TopicPart, area, Settings()), xwType);
}

void TVxMainFormSaetze::OpenRelations(const SplitResult& split,
                                      const std::string& relationDirectory,
                                      const std::string& xwType) {
    if (ini_.OpenRelFile.empty()) {
        const std::string result =
            relForm_.EvaluateRels(split.TopicPart, split.SentencePart, relationDirectory, xwType);
        if (result == "ok") {
            relForm_.Show();
        } else {
            ui_.ShowMessage(MsgReadMethodsFile(result, "___ "));
        }
    } else if (ini_.OpenRelReadFile.empty()) {
        const std::string result = relReadForm_.EvaluateRels(split.TopicPart, split.SentencePart,
                                                             relationDirectory, xwType);
        if (result == "ok") {
            relReadForm_.Show();
        } else {
            ui_.ShowMessage(MsgReadMethodsFile(result, "___"));
        }
    } else {
        ui_.ShowMessage(kMsgBothRelationWindowsOpen);
    }
}

void TVxMainFormSaetze::AktiviereSelSatzPopup() {
    if (VxMainMemoSelection.empty()) {
        ui_.ShowMessage(kMsgNoSelection);
    }
}

void TVxMainFormSaetze::AktiviereSatzClick() {
    AktiviereSelSatzPopup();
    std::string se = TrimSelection(VxMainMemoSelection);
    if (se.empty()) {
        return;
    }
    // A sentence part selected in the text of a topic belongs to the topic shown.
    if (se.size() > 1 && se.front() == 'E' && IsDigit(se[1]) && !loadedTopic_.empty()) {
        se = loadedTopic_ + se;
    }
    EditAktiviere.Text = se;
    ButtonAktiviereClick();
}

void TVxMainFormSaetze::SpeicherThemaUnter() {
    if (ui_.ShowModal(saveAs_) != ModalResult::Ok) {
        return;
    }
    if (!IsPathBelow(saveAs_.FileName, root_)) {
        ui_.ShowMessage(MsgNameRefused(saveAs_.EditName.Text));
        return;
    }
    try {
        VxMainMemo.Lines.SaveToFile(saveAs_.FileName);
    } catch (const FileError&) {
        ui_.ShowMessage(kMsgSaveTopicFailed);
    }
}

void TVxMainFormSaetze::ButtonActivateTSClick() {
    if (ini_.IniState == kIniState1BR) {
        ui_.ShowMessage(kMsgTSNeeds2BR);
        return;
    }
    if (OpenTS.Text.empty()) {
        ui_.ShowMessage(kMsgTSNeedsSE);
        return;
    }
    const std::int32_t topicNumber = TopicNumber(OpenTS.Text);
    const std::int32_t sentenceNumber = SentenceNumber(OpenTS.Text);
    const std::string topicName = "S" + std::to_string(topicNumber);
    const std::string sentencePart = "E" + std::to_string(sentenceNumber);
    const std::string area = TopicArea(topicName, Settings());
    if (IsInvalidArea(area)) {
        ui_.ShowMessage(kMsgBadSENumber);
        return;
    }
    if (activateTS_) {
        activateTS_(TSMapFilePath(topicName, area, Settings()), topicName, sentenceNumber,
                    topicNumber, sentencePart);
    }
}

void TVxMainFormSaetze::ButtonReadTSClick() {
    LabelOwner.Caption.clear();
    const std::string& text = OpenTS.Text;
    if (text.empty()) {
        ui_.ShowMessage(kMsgReadTSEmpty);
    }
    const auto s = text.find_first_of("Ss");
    const std::size_t digitsBegin = s == std::string::npos ? text.size() : s + 1;
    const auto e = text.find_first_of("Ee", digitsBegin);
    const std::string digits =
        text.substr(digitsBegin, e == std::string::npos ? std::string::npos : e - digitsBegin);
    const auto topic = TryStrToInt(digits);
    if (!topic) {
        ui_.ShowMessage(kMsgNoValidSEString);
        return;
    }
    std::string sentenceDigits;
    for (std::size_t i = e == std::string::npos ? text.size() : e + 1;
         i < text.size() && IsDigit(text[i]); ++i) {
        sentenceDigits += text[i];
    }
    if (sentenceDigits.empty()) {
        ui_.ShowMessage(kMsgNoValidSentenceString);
        return;
    }
    const auto sentence = TryStrToInt(sentenceDigits);
    if (!sentence || *sentence >= 32001) {
        ui_.ShowMessage(kMsgENumberTooBig);
        return;
    }
    const std::int32_t n = *topic;
    const TextBaseSettings settings = Settings();
    std::string owner;
    std::string area;
    if (n < settings.AuthorRangeBegin ||
        (settings.AuthorRangeBegin <= n && n <= settings.AuthorRangeEnd)) {
        owner = "author", area = kAreaAuthor;
    }
    if (settings.UsersRangeBegin <= n && n <= settings.UsersRangeEnd) {
        owner = "users", area = kAreaUsers;
    }
    if (settings.GroupsRangeBegin <= n && n <= settings.GroupsRangeEnd) {
        owner = "groups", area = kAreaGroups;
    }
    if (settings.EveryoneRangeBegin <= n && n <= settings.EveryoneRangeEnd) {
        owner = "EvOne", area = kAreaEveryone;
    }
    if (owner.empty()) {
        ui_.ShowMessage(kMsgUnknownOwner);
        return;
    }
    const std::string topicName = "S" + std::to_string(n);
    const std::string path =
        ini_.IniState == kIniState2BR
            ? TSMapFolder(ini_.Session2BRPath + "\\") + "T" + topicName + ".txt"
            : TSMapFilePath(topicName, area, settings);
    if (!LoadMemo(MemoTS, path)) {
        ui_.ShowMessage(MsgFileNotFound("T" + topicName));
        return;
    }
    LabelOwner.Caption = owner;
    loadedTSMapFile_ = path;
    loadedTSMapTitle_ = "T" + topicName + ".txt";
}

void TVxMainFormSaetze::OpenTSReadOnlyClick() {
    if (openExtern_) {
        openExtern_("TS", loadedTSMapTitle_, loadedTSMapFile_);
    }
}

void TVxMainFormSaetze::OpenDF() {
    const std::string name = ComboBoxDF.Text;
    if (name.empty()) {
        ui_.ShowMessage(kMsgDFNameEmpty);
        return;
    }
    if (!IsSafeName(name + ".txt")) {
        ui_.ShowMessage(MsgNameRefused(name));
        return;
    }
    if (!LoadMemo(Memo3BR, TSMapFolder(root_) + name + ".txt")) {
        ui_.ShowMessage(MsgFileNotFound(name));
    }
}

void TVxMainFormSaetze::ButtonActivateXWClick() {
    ui_.ShowMessage(ini_.IniState == kIniState1BR ? kMsgUse1BRPageXW : kMsgXWNotImplemented);
}

void TVxMainFormSaetze::ButtonHelpSClick() {
    ui_.ShowMessage(kMsgHelpTopic);
}
void TVxMainFormSaetze::ButtonHelpEClick() {
    ui_.ShowMessage(kMsgHelpSE);
}
void TVxMainFormSaetze::ButtonHelpTSClick() {
    ui_.ShowMessage(kMsgHelpTS);
}
void TVxMainFormSaetze::ButtonHelp2BRClick() {
    ui_.ShowMessage(kMsgHelp2BRTopic);
}
void TVxMainFormSaetze::ButtonHelpXWClick() {
    ui_.ShowMessage(kMsgHelpSEForms);
}
void TVxMainFormSaetze::ButtonHelpDFClick() {
    ui_.ShowMessage(kMsgHelpDF);
}

}  // namespace vx
