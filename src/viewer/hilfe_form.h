#pragma once

#include <string>

#include "platform/controls.h"
#include "platform/form.h"
#include "platform/ui.h"

namespace vx {

class TIniForm;
class TRegelnForm;

// The help window: one text of the installation at a time, chosen by a button or from the
// list of lists, in a read-only memo.
class THilfeForm : public TForm {
public:
    THilfeForm(Ui& ui, const TIniForm& ini, TRegelnForm& regeln);

    TPageControl PageControl;  // "DE", "EN", "Lang X"; only "DE" holds controls
    TButton ButEinfg, ButAbk, ButLit, ButtonFAQ, ButHilfe, ButList, ButRegeln;
    TListBox ListBoxListen;  // "Listen: "
    TListBox ListBoxGrp;     // "Gruppe: "
    TMemo HilfeMemo;

    void OpenHelp();
    void ButEinfgClick();
    void ButAbkClick();
    void ButLitClick();
    void ButtonFAQClick();
    // Loads the list selected in ListBoxListen; without a selection nothing happens.
    void ButListClick();
    void ButHilfeClick();
    // Opens the rules window, which shows one rule of the rule list.
    void ButRegelnClick();

private:
    // Replaces the memo with the file, or shows `message` and keeps the memo.
    void Load(const std::string& path, const char* message);

    Ui& ui_;
    const TIniForm& ini_;
    TRegelnForm& regeln_;
};

}  // namespace vx
