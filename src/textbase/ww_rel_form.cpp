#include "textbase/ww_rel_form.h"

#include <algorithm>
#include <utility>

#include "platform/strict_int.h"
#include "settings/ini_form.h"
#include "textbase/tools.h"

namespace vx {
namespace {

const char* const kMsgHelpRelations =
    "Waehlen Sie den WW TAB den Sie fuer den gewaehlten Satz SE fuer richtig halten. \r"
    "Wenn Sie weiters eine der implementierten Relationen fuer korrekt halten hakeln Sie sie "
    "an.\r"
    "Aktivieren Sie beides mit dem Activate-Button in die Session.\r___\r"
    "Choose the WW Tab You think its the correct one for the choosen sentence SE.\r"
    "If You think also a given relation is correct choose it to.\r"
    "Then activet both into the open session.";

const char* const kMsgOpenFailed =
    "Fehler beim oeffnen der Relationen-Datei.\r"
    "Kontrollieren Sie bitte die Konsistenz der Namen.\r___\r"
    "Error on opening the relations file.\rCheck the consistency of the names.";

std::string MsgSyntaxError(const std::string& file, int line) {
    const std::string number = std::to_string(line);
    return "Fehler beim Erstellen der Relationen.\rKontrollieren Sie bitte die Syntax in " + file +
           "\r" + "Zeile: " + number + "\r" + "___" + "\r" + "Error at creating the relations." +
           "\r" + "Please check the syntax in " + file + "\r" + "Line: " + number;
}

// Activation without an open session, by tab: W, F, Un, Ur.
const char* const kMsgNoSessionW =
    "Um eine Relation aktivieren zu koennen,\rmuessen Sie zuerst eine Session oeffnen.\r___\r"
    "To activate a relation You must \rfirst open a session";
const char* const kMsgNoSessionF =
    "Um eine Relation aktivieren zu koennen,\rmuessen Sie zuerst eine Session oeffnen.\r___\r"
    "To activate a relation You have first to open a session.";
const char* const kMsgNoSessionUn =
    "Um eine Relation aktivieren zu koennen,\rmuessen Sie zuerst eine Session oeffnen.\r___\r"
    "To open a realtion You must first open a session.";
const char* const kMsgNoSession[TVater2MethodenForm::kTabs] = {kMsgNoSessionW, kMsgNoSessionF,
                                                               kMsgNoSessionUn, kMsgNoSessionW};

const char* const kMsgThirdTabWWOnly =
    "Im dritten Tab kann nur Typ WW aktiviert werden.\rFehler in der Anwendung.\r___\r"
    "In the third tab can be activated only the type WW.\rError in the application.";

const char* const kOnlyOneValue = "An E can in one session have only one value.";

// The English opening and closing of the value message differ by tab and type.
struct ValueMessageEnglish {
    const char* opening;
    const char* closing;
};
ValueMessageEnglish ValueMessageWording(int tab, const std::string& shortType) {
    if (tab == 0 && shortType == "EW") {
        return {"You have", "An E can in one session only one value."};
    }
    if (tab == 0 && shortType == "DW") {
        return {"You have ", kOnlyOneValue};
    }
    if (tab == 1 && shortType == "WW") {
        return {"You have ", "An E can in one session only have one value."};
    }
    return {"You have", kOnlyOneValue};
}

std::string MsgValueAlreadySet(const std::string& caption, int value,
                               const ValueMessageEnglish& english) {
    const std::string number = std::to_string(value);
    return "Sie haben " + caption + " bereits auf" + "\r" + number + " eingestellt." + "\r" +
           "Ein E kann in einer Session nur einen Wert haben." + "\r" + "___" + "\r" +
           english.opening + caption + " allready set to" + "\r" + number + "\r" + english.closing;
}

std::string MsgBVTarget(const std::string& shortType, const std::string& target,
                        const std::string& se) {
    if (shortType == "EW") {
        return "WWRelFrm Fehler: Kann die S- oder E-Nummer von " + target + "\r" +
               "fuer die BV Instruktionen fuer :" + se + " nicht extrahieren." + "\r" +
               "Check Sie Zeichenfehler..." + "\r" + "__" + "\r" +
               "WWRelFrm Error: Could not extract the S- or E-Number from  " + "\r" + target +
               "\r" + "for the BV instruction for :" + se + "\r" + "Check for character errors...";
    }
    if (shortType == "DW") {
        return "WWRelFrm Fehler: Kann die S- oder E-Nummer von " + target + "\r" +
               "fuer die BV Instruktionen fuer :" + se + " extrahieren." + "\r" +
               "Check nach Zeichenfehlern..." + "\r" + "___" + "\r" +
               "WWRelFrm Error: Could not extract the S- or E-Number from  " + target + "\r" +
               "for the BV instruction for :" + se + "\r" + "Check for character errors...";
    }
    return "WWRelFrm Fehler: Kann die S- oder E-Nummer von " + target + "\r" +
           "fuer die BV-Instruktion: " + se + " nicht extrahierern." + "\r" +
           "Checken Sie etwaige Zeichenfehler." + "\r" + "___" + "\r" +
           "WWRelFrm Error: Could not extract the S- or E-Number from  " + target + "\r" +
           "for the BV instruction for :" + se + "\r" + "Check for character errors...";
}

std::string MsgAlreadyInSession(const std::vector<std::string>& lines) {
    std::string shown;
    for (const std::string& line : lines) {
        shown += "\r" + line;
    }
    return "Diese Zeilen stehen bereits in der Session und werden nicht nochmal eingetragen:" +
           shown + "\r" + "___" + "\r" +
           "These lines are already in the session and are not added again:" + shown;
}

// Adds `line` unless the list holds it already; a line left out goes to `repeated`.
void AddOnce(TextList& lines, const std::string& line, std::vector<std::string>& repeated) {
    if (lines.IndexOf(line) >= 0) {
        repeated.push_back(line);
    } else {
        lines.Add(line);
    }
}

std::string MsgBVSyntax(int line) {
    const std::string number = std::to_string(line);
    return "Syntaxfehler in Zeile: " + number + "\r" + "Korrigieren Sie und aktivieren ggf. neu." +
           "\r" + "___" + "\r" + "Syntax error in line:" + number + "\r" +
           "Correct and activate new.";
}

// Characters `pos`.. of a text (0-based), at most `count`; empty beyond its end.
std::string Mid(const std::string& text, std::size_t pos, std::size_t count) {
    return pos < text.size() ? text.substr(pos, count) : std::string();
}

// The target sentence of a BV line: the text before its " <-" (before the first blank of a
// line written without one).
std::string TargetOfBVLine(const std::string& line) {
    std::size_t cut = line.find(" <-");
    if (cut == std::string::npos) {
        cut = line.find(' ');
    }
    return line.substr(0, cut);
}

std::string WithoutBlanks(std::string text) {
    text.erase(std::remove(text.begin(), text.end(), ' '), text.end());
    return text;
}

}  // namespace

TWWRelForm::TWWRelForm(Ui& ui, TIniForm& ini, SessionLinks session, OpenExternFunction openExtern)
    : TVater2MethodenForm("TWWRelForm", "Relations", ui, ini),
      ButtonShowSemiForm1(Button("Show SemiForm.")),
      ButtonShowSemiForm2(Button("Show SemiForm.")),
      ButtonShowSemiForm3(Button("Show SemiForm")),
      ButtonShowSemiForm4(Button("Show SemiForm")),
      session_(session),
      openExtern_(std::move(openExtern)) {}

std::string TWWRelForm::EvaluateRels(const std::string& topicPart, const std::string& sentencePart,
                                     const std::string& relationDirectory,
                                     const std::string& xwType) {
    const std::string result = ReadRelationSet(topicPart, sentencePart, relationDirectory, xwType,
                                               {kMsgOpenFailed, MsgSyntaxError});
    if (result == "ok") {
        ini_.OpenRelFile = topicPart + sentencePart;
    }
    return result;
}

int TWWRelForm::TabValue(int tab) const {
    static const int kWW[kTabs] = {10, 20, 30, 40};
    static const int kEW[kTabs] = {50, 60, 0, 40};
    static const int kDW[kTabs] = {70, 80, 0, 40};
    const int* values = ShortType == "EW" ? kEW : ShortType == "DW" ? kDW : kWW;
    return values[tab];
}

void TWWRelForm::AktivButtonClick(int tab) {
    if (tab < 0 || tab >= kTabs || ShortType.empty()) {
        return;
    }
    if (session_.Opened != 1) {
        ui_.ShowMessage(kMsgNoSession[tab]);
        return;
    }
    if (tab == 2 && ShortType != "WW") {
        ui_.ShowMessage(kMsgThirdTabWWOnly);
        return;
    }
    const int value = TabValue(tab);
    if (CurrentValue != 100 && CurrentValue != value) {
        ui_.ShowMessage(
            MsgValueAlreadySet(Caption, CurrentValue, ValueMessageWording(tab, ShortType)));
        return;
    }
    const std::string code = ShortType + std::to_string(value);
    const std::string se = TopicPart + SentencePart;
    std::string relations;
    const std::vector<TRelationPage>& pages = Tab(tab).Relations.Pages;
    bool bvTargetFailed = false;
    std::vector<std::string> repeated;
    for (std::size_t p = 0; p < pages.size() && p < kMaxRelationEntries && !bvTargetFailed; ++p) {
        const std::string& name = pages[p].Caption;
        if (name.empty()) {
            break;
        }
        for (std::size_t m = 0; m < pages[p].Boxes.size() && !bvTargetFailed; ++m) {
            if (!pages[p].Boxes[m].Checked) {
                continue;
            }
            if (m < 3) {
                relations += name + kMethodNames[m] + ",";
            } else if (m == 3) {
                bvTargetFailed = !AddBVItem(name, code, repeated);
            } else {
                TMemo& chains = m == 4 ? session_.MemoLK : session_.MemoLzB;
                AddOnce(chains.Lines, se + ", " + code + (m == 4 ? " <> " : " >< ") + name,
                        repeated);
            }
        }
    }
    CurrentValue = value;
    AddOnce(session_.SessionMemo.Lines, se + code + ": " + relations, repeated);
    if (!repeated.empty()) {
        ui_.ShowMessage(MsgAlreadyInSession(repeated));
    }
}

bool TWWRelForm::AddBVItem(const std::string& relation, const std::string& code,
                           std::vector<std::string>& repeated) {
    const std::string target =
        relation.size() > 1 && relation[1] == 'S' ? StripR(relation) : StripR(TopicPart + relation);
    const std::string item = SentencePart + code + "BV1,";
    TextList& lines = session_.InterprtMemo.Lines;
    const int line = FindLineOfSE(target);
    if (line >= 1) {
        if (lines[line].find(" " + item) != std::string::npos) {
            repeated.push_back(target + " <- " + item);
        } else {
            lines.Set(line, lines[line] + " " + item);
        }
        return true;
    }
    const std::int32_t topic = TopicNumber(target);
    const std::int32_t sentence = SentenceNumber(target);
    if (topic == -1 || sentence == -1) {
        ui_.ShowMessage(MsgBVTarget(ShortType, target, TopicPart + SentencePart));
        return false;
    }
    lines.Insert(std::min(InsertPosOfSE(topic, sentence), lines.Count()), target + " <- " + item);
    return true;
}

int TWWRelForm::FindLineOfSE(const std::string& se) {
    const TextList& lines = session_.InterprtMemo.Lines;
    if (lines.Count() < 2 || lines[1].empty()) {
        return -1;
    }
    for (int n = 1; n < lines.Count(); ++n) {
        if (lines[n].size() < 7) {
            ui_.ShowMessage(MsgBVSyntax(n));
            return -1;
        }
        if (TargetOfBVLine(lines[n]) == se) {
            return n;
        }
    }
    return -1;
}

int TWWRelForm::InsertPosOfSE(std::int32_t topic, std::int32_t sentence) const {
    const TextList& lines = session_.InterprtMemo.Lines;
    if (lines.Count() <= 1) {
        return 1;
    }
    int position = 0;
    for (int n = 1; n < lines.Count(); ++n) {
        // BV lines carry a 3-digit topic number and a 1- or 2-digit sentence number.
        const auto lineTopic = TryStrToInt(Mid(lines[n], 1, 3));
        const auto lineSentence = TryStrToInt(WithoutBlanks(Mid(lines[n], 5, 2)));
        if (!lineTopic) {
            continue;
        }
        if (*lineTopic > topic) {
            position = n;
            break;
        }
        if (*lineTopic == topic && lineSentence) {
            position = *lineSentence > sentence ? n : n + 1;
        }
    }
    // With no line of the same or a greater topic the new line goes to the end, so that the
    // list keeps the order in which the person built it.
    return position == 0 ? lines.Count() : position;
}

void TWWRelForm::ResetButtonClick(int tab) {
    if (tab < 0 || tab >= kTabs) {
        return;
    }
    CurrentValue = 100;
    for (TRelationPage& page : Tab(tab).Relations.Pages) {
        if (page.Caption.empty()) {
            continue;
        }
        for (TCheckBox& box : page.Boxes) {
            box.Checked = false;
        }
    }
}

std::string TWWRelForm::SemiFormalFile() const {
    const TextBaseSettings settings = TextBaseSettingsOf(ini_);
    if (TopicPart.size() > 1 && TopicArea(TopicPart, settings) != kAreaAuthor) {
        const std::string path = SemiFormalPath(TopicPart.substr(1), settings);
        if (!path.empty() && path != "Error") {
            return path;
        }
    }
    return RootPath + "Relation\\FormaleR\\MO_" + TopicPart + ".txt";
}

void TWWRelForm::OpenSemiFormal() {
    if (openExtern_) {
        openExtern_("SemiF", "semiForm:" + TopicPart, SemiFormalFile());
    }
}

TButton* TWWRelForm::ShowSemiFormButton(int tab) {
    switch (tab) {
        case 0:
            return &ButtonShowSemiForm1;
        case 1:
            return &ButtonShowSemiForm2;
        case 2:
            return &ButtonShowSemiForm3;
        case 3:
            return &ButtonShowSemiForm4;
        default:
            return nullptr;
    }
}

void TWWRelForm::FormClose() {
    TVater2MethodenForm::FormClose();
    ini_.OpenRelFile.clear();
}

void TWWRelForm::AfterTabHelp() {
    ui_.ShowMessage(kMsgHelpRelations);
}

}  // namespace vx
