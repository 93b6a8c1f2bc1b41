#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/controls.h"
#include "platform/form.h"
#include "platform/ui.h"
#include "ts2br/ts_map_file.h"
#include "ts2br/ts_settings_page.h"
#include "upgrade/update_line.h"

namespace vx {

class TFormTSRels;
class TIniForm;
class TSessionForm;
class TStep4UpgrMan;

// A sentence of the session that has a dynamic rule in the fixed list.
struct TDynRuleEntry {
    std::int32_t S = 0, E = 0;
    std::string Key;        // "S" + S + "E" + E
    std::string BlockText;  // the line after the topic's "S<n>:" line
    std::string RuleText;   // the line after the sentence's "E<m>" line
    std::string Label;      // Key + ": " + RuleText
    std::string Owner;      // "a" author, "u" users, "g" otherwise
    T_LV5 Rule;             // filled by AnalyzeOneDVXR
    std::string RuleFileName, RuleFilePath;
};

// The workbench of the 2BR upgrade: its pages hold the texts of the four upgrade steps, its
// buttons write them to the session's files and advance ComputeMode. Its TS pages step through
// the session's sentences and compose a TS settings line for each from its TS map block.
class TListsForm : public TForm {
public:
    static constexpr int kMaxDynRuleEntries = 1023;

    // Pages of PageControl, in order.
    enum Page {
        kPageDynRules,
        kPageGeneralLogic,
        kPageTSSettings,
        kPageUpgradeBase,
        kPageIniTS,
        kPageStep3Logics,
        kPageStep3UpdateRules,
        kPageStep3Ranges,
        kPageStep4Mapping,
        kPageStep4ManualList,
    };

    // `tsRels` reads the TS map blocks.
    TListsForm(Ui& ui, TIniForm& ini, TSessionForm& session, TStep4UpgrMan& step4Manual,
               TFormTSRels& tsRels);

    TPageControl PageControl;

    // Dynamic rules
    TMemo MemoFixed_dynRules, MemoUserTmp_dynRules, MemoActiveDynRules;
    // General logic (edited in the 1BR logic window, shown here) and exception logic
    TMemo MemoGeneral_Logic, MemoExceptionLogic;
    TButton Button_Save, ButtonHelpLogic;
    // TS settings of step 1
    TMemo Memo_TS_Settings;
    TButton ButtonTSsave, Button_Finish_Step1;
    // Upgrade base and the TS of single sentences
    TMemo Memo_SEupgrBase;
    TEdit Edit_SE, EditShowFullTSStr, EditComment;
    TButton Button_Choose_Next_SE, Button_GetTS, ButtonSetAllTS, ButtonIniTSCancel;
    // Page IniTS: one settings page per TS of the sentence got by "Get TS"
    std::vector<TTSSettingsPage> PageControlSetTS;
    int ActiveSetTSPage = 0;
    TLabel LabelShowSEXWType, LabelLeadComText, LabelDefaulValRes, LabelLeadingComment;
    TMemo Memo_AktTS_Text;
    // The line of Memo_SEupgrBase last chosen by "Next SE" (0-based), and the status of the
    // TS settings step: "", "ini" while "Activate All TS" runs, "Finished" after it.
    int CurrentSEPosition = 0;
    std::string StepStatus;
    // Step 3
    TMemo MemoStep3Logics, MemoS3updateRules, MemoStep3Ranges;
    TButton ButtonSaveUpdRulesOnly, ButtonFinishSaveUpdRules, ButtonSaveRanges, ButtonHelpRanges;
    // Step 4
    TMemo MemoMapSETStoLogics, MemoS4ManualList;
    TButton ButtonS4MapSave, ButtonFinishUpgr, ButtonHelpStep4, ButtonSaveManualList,
        ButtonHelpManualList;

    std::vector<TDynRuleEntry> DynRuleEntries;

    // --- Buttons
    void ButtonTSsaveClick();
    void Button_Finish_Step1Click();
    void Button_SaveClick();
    void ButtonSaveUpdRulesOnlyClick();
    void ButtonFinishSaveUpdRulesClick();
    void ButtonSaveRangesClick();
    void ButtonS4MapSaveClick();
    void ButtonFinishUpgrClick();
    void ButtonSaveManualListClick();
    void ButtonHelpLogicClick();
    void ButtonHelpRangesClick();
    void ButtonHelpStep4Click();
    void ButtonHelpManualListClick();
    void Button_Choose_Next_SEClick();
    void Button_GetTSClick();
    void ButtonSetAllTSClick();
    void ButtonIniTSCancelClick();
    // Shows the window at the upgrade base, from its first line on.
    void MyFrmShow();
    // The settings pages of the TS of the block got by "Get TS": 1, or -1 after a message.
    int PrepareTSIni();

    // --- Step functions of the wizard
    // Shows the TS settings page of step 1.
    void ShowStep1();
    // Step 3: the update rules, logics and ranges of the 2BR ini directory; 1 or -1.
    int ProcessUpgrSE22BR();
    // Step 4: as step 3, with the mapping and the manual list, and the manual step-4
    // window; 1 or -1.
    int ProcessUpgrStep4();
    // The active dynamic rules list of the session's sentences: "ok" or an error text.
    std::string Create2BRdynRulesList();
    // Analyses one line of the active list: 1, or -1 after its message.
    int AnalyzeOneDVXR(const std::string& line);

    // Session base (sessions directory + session name) and 2BR base (2BR directory + "\" +
    // session name); empty without an open session.
    std::string SessionBase() const;
    std::string Base2BR() const;

private:
    // Writes a memo, or shows `failure` and returns false; the old file stays on failure.
    bool SaveMemo(const TMemo& memo, const std::string& path, const char* failure);
    int LoadStep3Texts();
    void AddDynRulesOfSessionLine(std::int32_t s, std::int32_t e);
    void InsertLabel(const std::string& label, std::int32_t s, std::int32_t e);
    std::string OwnerOf(std::int32_t topic) const;
    std::string OwnerRoot(const std::string& owner) const;

    Ui& ui_;
    TIniForm& ini_;
    TSessionForm& session_;
    TStep4UpgrMan& step4Manual_;
    TFormTSRels& tsRels_;
    // The block and the sentence ("S120E1") that the settings pages were prepared for.
    TSMapBlock preparedBlock_;
    std::string preparedSE_;
};

// The topic and sentence numbers of an SE line or label ("S120E1WW10: ...", "S120E1: ...");
// false when the line does not begin with "S" digits "E" digits.
bool SplitSELine(const std::string& line, std::int32_t& topic, std::int32_t& sentence);

}  // namespace vx
