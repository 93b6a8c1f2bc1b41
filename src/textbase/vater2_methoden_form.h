#pragma once

#include <array>
#include <string>
#include <vector>

#include "platform/controls.h"
#include "platform/form.h"
#include "platform/ui.h"

namespace vx {

class TIniForm;

// One relation of a tab: a page captioned with the relation's name, holding its six method
// boxes "M1", "O1", "O2", "BV1", "LnB1", "LzB1" in this order.
struct TRelationPage {
    std::string Caption;
    std::array<TCheckBox, 6> Boxes;
};

// A new relation page: boxes captioned, unticked and disabled until a method allows them.
TRelationPage RelationPage(std::string caption);

// A page control whose relation pages are created at run time.
struct TRelationPageControl : TControl {
    std::vector<TRelationPage> Pages;
    int ActivePageIndex = 0;
};

// The common base of the relations window and its read-only twin: four value tabs, each with
// its relation pages, a read-only memo and the buttons Activate, Reset and Help.
class TVater2MethodenForm : public TForm {
public:
    TVater2MethodenForm(Ui& ui, const TIniForm& ini);

    static constexpr int kTabs = 4;

    TPageControl WWPageControl;  // WahrTabSheet, FalschTabSheet, UnentTabSheet, UnrelevTabSheet
    TRelationPageControl RPageControlW, RPageControlF, RPageControlUn, RPageControlUr;
    TMemo WMemo, FMemo, UnMemo, UrMemo;
    TButton WAktivButton, FAktivButton, UnAktivButton, UrAktivButton;
    TButton WResetButton, FResetButton, UnResetButton, URResetButton;
    TButton WHelpButton, FHelpButton, UnHelpButton, UrHelpButton;

    // Set on creation.
    std::string SessionsPath;
    std::string RootPath;

    void WHelpButtonClick() { HelpButtonClick(0); }
    void FHelpButtonClick() { HelpButtonClick(1); }
    void UnHelpButtonClick() { HelpButtonClick(2); }
    void UrHelpButtonClick() { HelpButtonClick(3); }

    // The controls of value tab `tab` (0..3), in the order of the tabs.
    struct TabControls {
        TRelationPageControl& Relations;
        TMemo& Memo;
        TButton& Aktiv;
        TButton& Reset;
        TButton& Help;
    };
    TabControls Tab(int tab);
    void HelpButtonClick(int tab);

    // What the relations window adds on each tab; the base has no actions there.
    virtual void AktivButtonClick(int /*tab*/) {}
    virtual void ResetButtonClick(int /*tab*/) {}
    virtual TButton* ShowSemiFormButton(int /*tab*/) { return nullptr; }
    virtual void ShowSemiFormButtonClick(int /*tab*/) {}

protected:
    TVater2MethodenForm(std::string name, std::string caption, Ui& ui, const TIniForm& ini);
    // Runs after a tab's own help; the relations window adds its general help here.
    virtual void AfterTabHelp() {}

    Ui& ui_;
    const TIniForm& ini_;
};

}  // namespace vx
