#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/controls.h"
#include "platform/form.h"
#include "platform/ui.h"
#include "textbase/relation_file.h"

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
    TVater2MethodenForm(Ui& ui, TIniForm& ini);

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

    // The sentence shown, as the last EvaluateRels left it.
    std::string TopicPart;     // "S254"
    std::string SentencePart;  // "E10"
    std::string XWType;        // "WWType", "EWType", "DWType"
    std::string ShortType;     // "WW", "EW", "DW"
    std::string Code = "0";    // the value code of the tab read last
    int FileCount = 1;
    std::int32_t TopicNo = 0;
    std::int32_t SentenceNo = 0;
    // The activated value; 100 while nothing was activated.
    int CurrentValue = 100;

    // The relation entries of each value tab.
    std::array<std::vector<TRelationEntry>, 4> Entries;

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

    // Empties the tabs and forgets the sentence; the derived windows also free their
    // open-file name.
    void FormClose() override;

protected:
    TVater2MethodenForm(std::string name, std::string caption, Ui& ui, TIniForm& ini);
    // Runs after a tab's own help; the relations window adds its general help here.
    virtual void AfterTabHelp() {}

    // The messages in which the two relations windows differ.
    struct RelationMessages {
        const char* OpenFailed;
        std::string (*SyntaxError)(const std::string& file, int line);
    };
    // Reads the relation files of a sentence into the four tabs: "ok", or empty after a
    // header without its key.
    std::string ReadRelationSet(const std::string& topicPart, const std::string& sentencePart,
                                const std::string& relationDirectory, const std::string& xwType,
                                const RelationMessages& messages);

    Ui& ui_;
    TIniForm& ini_;

private:
    void SetUpTabs(const std::string& xwType);
    // Reads the file of tab `tab` with value code `code`; false after a syntax error.
    bool ReadTab(int tab, const std::string& code, const std::string& relationDirectory,
                 const RelationMessages& messages);
    void ClearTabs();
};

// The code of the value tab that follows `code`: + 10, but "40" after "60" and "80".
std::string NextRelationCode(const std::string& code);

}  // namespace vx
