#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "textbase/vater2_methoden_form.h"
#include "textbase/window_links.h"

namespace vx {

// The relations window of an activated sentence: the person ticks the methods of the
// relations offered on a value tab and activates the tab, which writes the sentence's SE line
// and its BV, LnB and LzB lines into the open session's lists.
class TWWRelForm : public TVater2MethodenForm {
public:
    TWWRelForm(Ui& ui, TIniForm& ini, SessionLinks session, OpenExternFunction openExtern);

    // "Show SemiForm." on the W and F tabs, "Show SemiForm" on the Un and Ur tabs.
    TButton ButtonShowSemiForm1, ButtonShowSemiForm2, ButtonShowSemiForm3, ButtonShowSemiForm4;

    // Reads the relation set of sentence `sentencePart` of topic `topicPart` from
    // `relationDirectory` into the tabs; "ok" when every tab was processed, empty after a
    // header without its key. On "ok" the sentence becomes OpenRelFile.
    std::string EvaluateRels(const std::string& topicPart, const std::string& sentencePart,
                             const std::string& relationDirectory, const std::string& xwType);

    void WAktivButtonClick() { AktivButtonClick(0); }
    void FAktivButtonClick() { AktivButtonClick(1); }
    void UnAktivButtonClick() { AktivButtonClick(2); }
    void UrAktivButtonClick() { AktivButtonClick(3); }
    void WResetButtonClick() { ResetButtonClick(0); }
    void FResetButtonClick() { ResetButtonClick(1); }
    void UnResetButtonClick() { ResetButtonClick(2); }
    void URResetButtonClick() { ResetButtonClick(3); }
    void ButtonShowSemiForm1Click() { OpenSemiFormal(); }
    void ButtonShowSemiForm2Click() { OpenSemiFormal(); }
    void ButtonShowSemiForm3Click() { OpenSemiFormal(); }
    void ButtonShowSemiForm4Click() { OpenSemiFormal(); }

    void AktivButtonClick(int tab) override;
    void ResetButtonClick(int tab) override;
    TButton* ShowSemiFormButton(int tab) override;
    void ShowSemiFormButtonClick(int /*tab*/) override { OpenSemiFormal(); }
    // Opens the topic's semi-formal relation file in the read-only viewer.
    void OpenSemiFormal();

    // Index of the BV line (from the second line on) whose target is `se`, or -1.
    int FindLineOfSE(const std::string& se);
    // Where a new BV line of sentence `sentence` of topic `topic` goes: behind the lines of
    // smaller numbers, at the end when no line has the same or a greater topic, and never
    // above the heading line.
    int InsertPosOfSE(std::int32_t topic, std::int32_t sentence) const;

    void FormClose() override;

protected:
    void AfterTabHelp() override;

private:
    // The value tab `tab` gives a sentence of the shown type; 0 for the Un tab of EW and DW.
    int TabValue(int tab) const;
    // The BV item of one relation; false when its target has no topic or sentence number.
    // An item the target's line holds already is not added again but noted in `repeated`.
    bool AddBVItem(const std::string& relation, const std::string& code,
                   std::vector<std::string>& repeated);
    std::string SemiFormalFile() const;

    SessionLinks session_;
    OpenExternFunction openExtern_;
};

}  // namespace vx
