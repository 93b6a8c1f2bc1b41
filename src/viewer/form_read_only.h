#pragma once

#include <array>
#include <string>

#include "platform/controls.h"
#include "platform/form.h"
#include "platform/ui.h"

namespace vx {

class TIniForm;
class TFormOpenFree;

// The read-only viewer: up to eight documents side by side, one per tab. A tab is free while
// its caption is empty. Documents are read whole and never written back.
class TFormReadOnly : public TForm {
public:
    static constexpr int kTabs = 8;

    TFormReadOnly(Ui& ui, const TIniForm& ini, TFormOpenFree& openFree);

    TPageControl PageControl;         // TabSheet1RO .. TabSheet8RO
    std::array<TMemo, kTabs> MemoRO;  // Memo1RO .. Memo8RO
    TButton ButtonClose, ButtonHelp, ButtonOpen, ButtonOpenFrom;
    TRadioGroup RadioGroupLang;  // "optional Lang.": "EN", "LANG-X"
    TComboBox ComboBoxType;      // "Select Type: "
    TComboBox ComboBoxSelect;    // "Select Element:"

    // Viewer state
    std::string Root, OverviewPath, DocumentPath, OverviewTitle, DocumentTitle;

    void FormCreate();
    // From the main menu: the topic list into the first tab, then the window is shown.
    void OeffneRO();
    void ComboBoxTypeChange();
    void RadioGroupLangClick() { ComboBoxTypeChange(); }
    void ComboBoxSelectChange();
    void ButtonOpenClick();
    void ButtonOpenFromClick();
    void ButtonCloseClick();
    void ButtonHelpClick();
    // Opens a document that another window hands over: "Intro", "Abrev", "Lit", "FAQ" from
    // the texts of the installation, "SemiF" and "TS" with the caller's title and path.
    void OpenExtern(const std::string& kind, const std::string& title, const std::string& path);

    bool LangX() const { return RadioGroupLang.ItemIndex == 1; }
    // The first free tab (0-based), or -1 when all eight are in use.
    int FirstFreeTab() const;
    bool TabInUse(int tab) const;

private:
    bool FillElements(const std::string& type);
    // Loads a file into a tab; false (nothing changed) when it cannot be read.
    bool LoadTab(int tab, const std::string& path, const std::string& title);

    Ui& ui_;
    const TIniForm& ini_;
    TFormOpenFree& openFree_;
};

}  // namespace vx
