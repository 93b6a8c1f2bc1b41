#include "textbase/vater2_methoden_form.h"

#include "app/ini_form.h"

namespace vx {
namespace {

const char* const kHelpW =
    "Waehlen Sie die Karte \"Wahr\" (True), wenn Sie meinen, dass\r"
    "ihr gewaehlter Satz E wahr ist. Stellen sie dann\rRelationen zu anderen E ein.\r"
    "Druecken Sie \"Aktivieren\" (Activate), wenn Sie die Einstellungen in die\r"
    "aktuelle Session schreiben wollen. Ist keine Relation gewaehlt,\r"
    "wird nur der WW in die Session geschrieben. Dort koennen Sie\r"
    "ggf. aktivierte Einstellungen loeschen oder aendern.\r"
    "\"Reset\" setzt alle Einstellungen auf der Karte auf default zurueck.\r___\r"
    "Choose the Tab True (wahr) if You think that your sentence E is true. Then set \r"
    "relations to other sentences E if You want. Click activate (Aktivieren) if You \r"
    "want to write these settings into session. If no relation is selected, only \r"
    "the selected XW-value is written into the session. There You can change or delete these \r"
    "settings later. Reset resets all selected settings (before they are written to the "
    "session.";
const char* const kHelpF =
    "Waehlen Sie die Karte \"Falsch\", wenn Sie meinen, dass\r"
    "ihr gewaehlter Satz E falsch ist. Stellen sie dann\rRelationen zu anderen E ein.\r"
    "Druecken Sie \"Aktivieren\", wenn Sie die Einstellungen in die\r"
    "aktuelle Session schreiben wollen. Ist keine Relation gewaehlt,\r"
    "wird nur der WW in die Session geschrieben. Dort koennen Sie\r"
    "ggf. aktivierte Einstellungen loeschen oder aendern.\r"
    "\"Reset\" setzt alle Einstellungen auf der Karte auf default zurueck.\r___\r"
    "Choose the Tab False (fFalsch) if You think that your sentence E is false. Then set \r"
    "relations to other sentences E if You want. Click activate (Aktivieren) if You \r"
    "want to write these settings into session. If no relation is selected, only \r"
    "the selected XW-value is written into the session. There You can change or delete these \r"
    "settings later. Reset resets all selected settings (before they are written to the "
    "session.";
const char* const kHelpUn =
    "Waehlen Sie die Karte \"Unentscheidbar\", wenn Sie meinen, dass\r"
    "ihr gewaehlter Satz E (aus irgendwelchen Gruenden) unentscheidbar\r"
    "ist. Stellen sie dann Relationen zu anderen E ein.\r"
    "Druecken Sie \"Aktivieren\", wenn Sie die Einstellungen in die\r"
    "aktuelle Session schreiben wollen. Ist keine Relation gewaehlt,\r"
    "wird nur der WW in die Session geschrieben. Dort koennen Sie\r"
    "ggf. aktivierte Einstellungen loeschen oder aendern.\r"
    "\"Reset\" setzt alle Einstellungen auf der Karte auf default zurueck.\r___\r"
    "Choose the Tab Undecidable (Unentscheidbar) if You think that your sentence E is "
    "undecidable.\r"
    "Then set relations to other sentences E if You want. Click activate (Aktivieren) if You \r"
    "want to write these settings into session. If no relation is selected, only \r"
    "the selected XW-value is written into the session. There You can change and delete "
    "these \r"
    "settings later. Reset resets all selected settings (before they are written to the "
    "session.";
const char* const kHelpUr =
    "Waehlen Sie die Karte \"Unbewertbar\", wenn Sie meinen, dass\r"
    "ihr gewaehlter Satz E (aus irgendwelchen Gruenden) nicht bewertbar\r"
    "ist. Stellen sie dann Relationen zu anderen E ein.\r"
    "Druecken Sie \"Aktivieren\", wenn Sie die Einstellungen in die\r"
    "aktuelle Session schreiben wollen. Ist keine Relation gewaehlt,\r"
    "wird nur der WW in die Session geschrieben. Dort koennen Sie\r"
    "ggf. aktivierte Einstellungen loeschen oder aendern.\r"
    "\"Reset\" setzt alle Einstellungen auf der Karte auf default zurueck.\r___\r"
    "Choose the Tab Not evaluable(Unbewertbar) if You think that your sentence E is not "
    "evaluable.\r"
    "Then set relations to other sentences E if You want. Click activate (Aktivieren) if You \r"
    "want to write these settings into session. If no relation is selected, only \r"
    "the selected XW-value is written into the session. There You can change and delete "
    "these \r"
    "settings later. Reset resets all selected settings (before they are written to the "
    "session.";

const char* const kTabHelps[TVater2MethodenForm::kTabs] = {kHelpW, kHelpF, kHelpUn, kHelpUr};

TButton Button(const char* caption) {
    TButton button;
    button.Caption = caption;
    return button;
}

}  // namespace

TRelationPage RelationPage(std::string caption) {
    static const char* const kMethods[] = {"M1", "O1", "O2", "BV1", "LnB1", "LzB1"};
    TRelationPage page;
    page.Caption = std::move(caption);
    for (std::size_t i = 0; i < page.Boxes.size(); ++i) {
        page.Boxes[i].Caption = kMethods[i];
        page.Boxes[i].Enabled = false;
    }
    return page;
}

TVater2MethodenForm::TVater2MethodenForm(Ui& ui, const TIniForm& ini)
    : TVater2MethodenForm("TVater2MethodenForm", "Relations", ui, ini) {}

TVater2MethodenForm::TVater2MethodenForm(std::string name, std::string caption, Ui& ui,
                                         const TIniForm& ini)
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

}  // namespace vx
