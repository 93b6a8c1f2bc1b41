#pragma once

#include <cstdint>
#include <string>

#include "platform/controls.h"
#include "platform/form.h"
#include "platform/ui.h"
#include "textbase/tools.h"
#include "textbase/window_links.h"

namespace vx {

class TIniForm;
class TWWRelForm;
class TWWRelReadForm;
class TFormSSaveAs;

// The topics-and-sentences window: loads topics of every owner area, activates a sentence
// into the relations window, saves a new topic, shows TS map files and default formalised
// topics, and hands a sentence's TS to the TS relations window.
class TVxMainFormSaetze : public TForm {
public:
    TVxMainFormSaetze(Ui& ui, const TIniForm& ini, TWWRelForm& relForm, TWWRelReadForm& relReadForm,
                      TFormSSaveAs& saveAs, OpenExternFunction openExtern,
                      ActivateTSFunction activateTS);

    TPageControl PageControl;  // "BR1 SE", "TS", "BR2 SE", "BR3"

    // Page "BR1 SE"
    TMemo VxMainMemo;
    std::string VxMainMemoSelection;  // the text selected in the memo
    TEdit SatzEdit, EditAktiviere;
    TButton ButtonOK, ButtonHelpS, ButtonAktiviere, ButtonHelpE;

    // Page "TS"
    TMemo MemoTS;
    TEdit OpenTS;
    TButton ButtonReadTS, ButtonActivateTS, ButtonActivateMixedTypes, ButtonHelpTS;
    TLabel LabelOwner;  // the owner after "Loaded from owner:"

    // Page "BR2 SE"
    TMemo Memo2BR;
    TEdit EditSatz2BR, EditXW_Methods;
    TButton Button2BR, ButtonHelp2BR, ButtonActivateXW, ButtonMixedTypesRelations, ButtonHelpXW;

    // Page "BR3"
    TMemo Memo3BR;
    TComboBox ComboBoxDF;
    TButton ButtonOpenDF, ButtonHelpDF;

    // Shows the window; the list of default formalised topics is read again.
    void Oeffnen();
    void ButtonOKClick();
    void ButtonAktiviereClick();
    // Runs when the memo's pop-up menu opens: a pop-up without selection is reported.
    void AktiviereSelSatzPopup();
    // The pop-up item "Aktiviere Satz": activates the selected sentence like "Activate E".
    void AktiviereSatzClick();
    void SpeicherThemaUnter();
    void Button2BRClick();
    void ButtonActivateTSClick();
    void ButtonReadTSClick();
    void ButtonOpenDFClick() { OpenDF(); }
    void OpenDF();
    void ButtonActivateXWClick();
    // The pop-up item of the TS memo: the TS map file last read opens in the viewer.
    void OpenTSReadOnlyClick();

    void ButtonHelpSClick();
    void ButtonHelpEClick();
    void ButtonHelpTSClick();
    void ButtonHelp2BRClick();
    void ButtonHelpXWClick();
    void ButtonHelpDFClick();

    const std::string& Root() const { return root_; }
    const std::string& CurrentSE() const { return currentSE_; }
    // The topic shown in VxMainMemo, and the TS map file shown in MemoTS.
    const std::string& LoadedTopic() const { return loadedTopic_; }
    const std::string& LoadedTSMapFile() const { return loadedTSMapFile_; }

private:
    TextBaseSettings Settings() const;
    // The file of a topic for the choose operations, or empty after the area's message.
    std::string ChooseTopicFile(const std::string& name, const std::string& area, bool page2BR);
    // The relation files of a sentence: "ok" and the XW type, or an empty result.
    std::string CheckRelationFiles(const SplitResult& split, const std::string& area,
                                   std::string& xwType);
    void OpenRelations(const SplitResult& split, const std::string& relationDirectory,
                       const std::string& xwType);
    void ReadDFList();

    Ui& ui_;
    const TIniForm& ini_;
    TWWRelForm& relForm_;
    TWWRelReadForm& relReadForm_;
    TFormSSaveAs& saveAs_;
    OpenExternFunction openExtern_;
    ActivateTSFunction activateTS_;
    std::string root_;
    std::string currentSE_;
    std::string loadedTopic_;
    std::string loadedTSMapFile_;
    std::string loadedTSMapTitle_;
};

}  // namespace vx
