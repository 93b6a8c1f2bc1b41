#include "textbase/vater2_methoden_form.h"

#include <utility>

#include "platform/errors.h"
#include "platform/strict_int.h"
#include "settings/ini_form.h"
#include "textbase/tools.h"

namespace vx {
namespace {

// The help of a tab: when to choose its card, then what activating and resetting do.
std::string TabHelp(const char* whenDe, const char* activateDe, const char* whenEn,
                    const char* changeEn) {
    return std::string(whenDe) + "Druecken Sie \"Aktivieren\"" + activateDe +
           ", wenn Sie die Einstellungen in die\r"
           "aktuelle Session schreiben wollen. Ist keine Relation gewaehlt,\r"
           "wird nur der WW in die Session geschrieben. Dort koennen Sie\r"
           "ggf. aktivierte Einstellungen loeschen oder aendern.\r"
           "\"Reset\" setzt alle Einstellungen auf der Karte auf default zurueck.\r___\r" +
           whenEn +
           "relations to other sentences E if You want. Click activate (Aktivieren) if You \r"
           "want to write these settings into session. If no relation is selected, only \r"
           "the selected XW-value is written into the session. There You can change " +
           changeEn +
           " delete these \r"
           "settings later. Reset resets all selected settings (before they are written to the "
           "session.";
}

const std::string kTabHelps[TVater2MethodenForm::kTabs] = {
    TabHelp("Waehlen Sie die Karte \"Wahr\" (True), wenn Sie meinen, dass\r"
            "ihr gewaehlter Satz E wahr ist. Stellen sie dann\rRelationen zu anderen E ein.\r",
            " (Activate)",
            "Choose the Tab True (wahr) if You think that your sentence E is true. Then set \r",
            "or"),
    TabHelp("Waehlen Sie die Karte \"Falsch\", wenn Sie meinen, dass\r"
            "ihr gewaehlter Satz E falsch ist. Stellen sie dann\rRelationen zu anderen E ein.\r",
            "",
            "Choose the Tab False (fFalsch) if You think that your sentence E is false. Then set "
            "\r",
            "or"),
    TabHelp("Waehlen Sie die Karte \"Unentscheidbar\", wenn Sie meinen, dass\r"
            "ihr gewaehlter Satz E (aus irgendwelchen Gruenden) unentscheidbar\r"
            "ist. Stellen sie dann Relationen zu anderen E ein.\r",
            "",
            "Choose the Tab Undecidable (Unentscheidbar) if You think that your sentence E is "
            "undecidable.\rThen set ",
            "and"),
    TabHelp("Waehlen Sie die Karte \"Unbewertbar\", wenn Sie meinen, dass\r"
            "ihr gewaehlter Satz E (aus irgendwelchen Gruenden) nicht bewertbar\r"
            "ist. Stellen sie dann Relationen zu anderen E ein.\r",
            "",
            "Choose the Tab Not evaluable(Unbewertbar) if You think that your sentence E is not "
            "evaluable.\rThen set ",
            "and"),
};

const char* const kWWCaptions[TVater2MethodenForm::kTabs] = {"Wahr", "Falsch", "Unentscheidbar",
                                                             "Unbewertbar"};
const char* const kEWDWCaptions[TVater2MethodenForm::kTabs] = {"Ja", "Nein", "", "Unbewertbar"};

// The store of a tab is full: the blocks beyond it are left out, never written past it.
std::string MsgStoreFull(const std::string& file, int leftOut) {
    const std::string limit = std::to_string(kMaxRelationEntries);
    const std::string count = std::to_string(leftOut);
    return "Die Relationen-Datei " + file + " enthaelt mehr als " + limit + " Relationen.\r" +
           count + " Relationen wurden nicht uebernommen.\r___\rThe relations file " + file +
           " holds more than " + limit + " relations.\r" + count + " relations were left out.";
}

}  // namespace

std::string NextRelationCode(const std::string& code) {
    if (code == "60" || code == "80") {
        return "40";
    }
    return std::to_string(StrToInt(code) + 10);
}

TRelationPage RelationPage(std::string caption) {
    TRelationPage page;
    page.Caption = std::move(caption);
    for (std::size_t i = 0; i < page.Boxes.size(); ++i) {
        page.Boxes[i].Caption = kMethodNames[i];
        page.Boxes[i].Enabled = false;
    }
    return page;
}

TVater2MethodenForm::TVater2MethodenForm(Ui& ui, TIniForm& ini)
    : TVater2MethodenForm("TVater2MethodenForm", "Relations", ui, ini) {}

TVater2MethodenForm::TVater2MethodenForm(std::string name, std::string caption, Ui& ui,
                                         TIniForm& ini)
    : TForm(std::move(name), std::move(caption)),
      WAktivButton(Button("Activate")),
      FAktivButton(Button("Activate")),
      UnAktivButton(Button("Aktivate")),
      UrAktivButton(Button("Activate")),
      WResetButton(Button("Reset")),
      FResetButton(Button("Reset")),
      UnResetButton(Button("Reset")),
      URResetButton(Button("Reset")),
      WHelpButton(Button("Help")),
      FHelpButton(Button("Help")),
      UnHelpButton(Button("Help")),
      UrHelpButton(Button("Help")),
      SessionsPath(ini.SessionsPath),
      RootPath(ini.vxPath),
      ui_(ui),
      ini_(ini) {
    WWPageControl.Pages = {TabSheet("Wahr"), TabSheet("Falsch"), TabSheet("Unentscheidbar"),
                           TabSheet("Unbewertbar")};
    WWPageControl.Pages[0].Name = "WahrTabSheet";
    WWPageControl.Pages[1].Name = "FalschTabSheet";
    WWPageControl.Pages[2].Name = "UnentTabSheet";
    WWPageControl.Pages[3].Name = "UnrelevTabSheet";
    for (TMemo* memo : {&WMemo, &FMemo, &UnMemo, &UrMemo}) {
        memo->ReadOnly = true;
    }
}

TVater2MethodenForm::TabControls TVater2MethodenForm::Tab(int tab) {
    switch (tab) {
        case 0:
            return {RPageControlW, WMemo, WAktivButton, WResetButton, WHelpButton};
        case 1:
            return {RPageControlF, FMemo, FAktivButton, FResetButton, FHelpButton};
        case 2:
            return {RPageControlUn, UnMemo, UnAktivButton, UnResetButton, UnHelpButton};
        default:
            return {RPageControlUr, UrMemo, UrAktivButton, URResetButton, UrHelpButton};
    }
}

void TVater2MethodenForm::HelpButtonClick(int tab) {
    if (tab < 0 || tab >= kTabs) {
        return;
    }
    ui_.ShowMessage(kTabHelps[tab]);
    AfterTabHelp();
}

void TVater2MethodenForm::ClearTabs() {
    for (int tab = 0; tab < kTabs; ++tab) {
        TabControls controls = Tab(tab);
        controls.Relations.Pages.clear();
        controls.Relations.ActivePageIndex = 0;
        controls.Memo.Lines.Clear();
        Entries[static_cast<std::size_t>(tab)].clear();
    }
}

void TVater2MethodenForm::FormClose() {
    ClearTabs();
    XWType.clear();
    ShortType.clear();
    Code = "0";
    FileCount = 1;
}

void TVater2MethodenForm::SetUpTabs(const std::string& xwType) {
    XWType = xwType;
    const bool ww = xwType != "EWType" && xwType != "DWType";
    ShortType = ww ? "WW" : xwType.substr(0, 2);
    FileCount = ww ? 4 : 3;
    Code = ww ? "10" : (xwType == "EWType" ? "50" : "70");
    for (int tab = 0; tab < kTabs; ++tab) {
        WWPageControl.Pages[static_cast<std::size_t>(tab)].Caption =
            ww ? kWWCaptions[tab] : kEWDWCaptions[tab];
        Tab(tab).Aktiv.Enabled = tab != 2 || ww;
    }
    WWPageControl.Pages[2].Enabled = ww;
}

bool TVater2MethodenForm::ReadTab(int tab, const std::string& code,
                                  const std::string& relationDirectory,
                                  const RelationMessages& messages) {
    const std::string file = relationDirectory + SentencePart + "_" + code + ".txt";
    TextList lines;
    try {
        lines.LoadFromFile(file);
    } catch (const FileError&) {
        ui_.ShowMessage(messages.OpenFailed);
        return true;
    }
    const std::string key = TopicPart + SentencePart + ", " + ShortType + code + ", ";
    RelationFileReading reading = ReadRelationFile(lines, key);
    TabControls controls = Tab(tab);
    std::vector<TRelationEntry>& entries = Entries[static_cast<std::size_t>(tab)];
    entries = std::move(reading.Entries);
    if (reading.ActivationClosed) {
        controls.Aktiv.Enabled = false;
    }
    if (reading.SyntaxErrorLine > 0) {
        ui_.ShowMessage(messages.SyntaxError(file, reading.SyntaxErrorLine));
        return false;
    }
    if (reading.LeftOut > 0) {
        ui_.ShowMessage(MsgStoreFull(file, reading.LeftOut));
    }
    for (const TRelationEntry& entry : entries) {
        TRelationPage page = RelationPage(entry.Name);
        for (std::size_t m = 0; m < page.Boxes.size(); ++m) {
            page.Boxes[m].Enabled = entry.Flags[m];
        }
        controls.Relations.Pages.push_back(std::move(page));
    }
    controls.Memo.Lines = std::move(lines);
    return true;
}

std::string TVater2MethodenForm::ReadRelationSet(const std::string& topicPart,
                                                 const std::string& sentencePart,
                                                 const std::string& relationDirectory,
                                                 const std::string& xwType,
                                                 const RelationMessages& messages) {
    ClearTabs();
    TopicPart = topicPart;
    SentencePart = sentencePart;
    SetUpTabs(xwType);
    std::string code = Code;
    for (int tab = 0; tab < kTabs; ++tab) {
        if (tab == 2 && FileCount == 3) {
            continue;
        }
        Code = code;
        if (!ReadTab(tab, code, relationDirectory, messages)) {
            return {};
        }
        code = NextRelationCode(code);
    }
    Caption = topicPart + sentencePart;
    WWPageControl.ActivePageIndex = 0;
    RPageControlW.ActivePageIndex = 0;
    TopicNo = TopicNumberOfName(topicPart, ui_);
    SentenceNo = TopicNumberOfName(sentencePart, ui_);
    CurrentValue = 100;
    return "ok";
}

}  // namespace vx
