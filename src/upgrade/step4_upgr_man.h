#pragma once

#include <string>

#include "platform/controls.h"
#include "platform/form.h"
#include "platform/ui.h"

namespace vx {

class TIniForm;
class TSessionForm;

// The manual part of upgrade step 4: the person sets the XW values of the session's sentences
// by hand, following the update rules, and writes the result as the 2BR session. The BV, LnB
// and LzB pages show the session's companion texts for reference; the TS page holds the TS
// lines of the 2BR session, first taken from the TS settings of step 1.
class TStep4UpgrMan : public TForm {
public:
    enum Page { kPageSession, kPageBV, kPageLnB, kPageLzB, kPageTS };

    TStep4UpgrMan(Ui& ui, TIniForm& ini, TSessionForm& session);

    TPageControl PageControl;  // "Session", "BV", "LnB", "LzB", "TS"
    TMemo MemoSession, MemoBV, MemoLnB, MemoLzB, MemoTS;
    TButton ButtonSave, ButtonSaveFin;

    // Fills the pages from the session's files and shows the window.
    void Oeffne();
    // "Save": the session text to the 2BR session file, the TS lines beside it (".TS").
    void ButtonSaveClick();
    // "Save and Fin upgrade": saves, then tells the person how the upgrade ends.
    void ButtonSaveFinClick();

    // SessionsPath + "_2BR_" + name + "\" + name; empty without an open session.
    std::string SessionFile2BR() const;

private:
    bool Save();

    Ui& ui_;
    TIniForm& ini_;
    TSessionForm& session_;
};

}  // namespace vx
