#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/controls.h"
#include "platform/form.h"
#include "platform/text_list.h"
#include "platform/ui.h"
#include "textbase/window_links.h"

namespace vx {

class TFormSaveAs;
class TIniForm;
class TNeueSessionForm;
class TResultForm;
class TWahleDlgBoxForm;

// The session window: holds the open session's lists and creates, chooses, saves, renames
// and closes sessions. Page "BR1" holds the 1BR lists, page "BR2" those of a 2BR session.
class TSessionForm : public TForm {
public:
    TSessionForm(Ui& ui, TIniForm& ini, TNeueSessionForm& neueSession,
                 TWahleDlgBoxForm& wahleDlgBox, TFormSaveAs& saveAs, TResultForm& resultForm);

    TPageControl PageControl;     // "BR1", "BR2"
    TPageControl PageControlBR1;  // "Session", "BV Interprt", "Chains LnB", "Chains LzB"
    TMemo SessionMemo, InterprtMemo, MemoLK, MemoLzB;
    TButton SessionStartButton, SessionHelpButton;
    TPageControl PageControlBR2;  // "Sesssion 2BR", "TS 2BR", "TH 2BR"
    TMemo Memo2BRSes, MemoTS, MemoTH;
    TButton ButtonTSStart;
    TComboBox ComboBoxSelectLogic;
    TButton ButtonComputeAll;
    TCheckBox CheckBoxAllMatches;  // "TS start" counts every matching assignment of a line

    // The open session.
    std::string SessionFilePath;  // the sessions directory until a session is named
    std::string BVPath;           // Sessions\default.ipr until a session is chosen or saved
    std::string SesName;
    std::string SessionDir;  // directory of a 2BR session, with a trailing backslash
    unsigned char Opened = 0;

    void Neu();
    void WaehleSession();
    // Opens the session file `fileName` as choosing it does: a 2BR session from `directory`
    // (its 2BR directory, without a trailing backslash) with its 2BR configuration, any other
    // from the sessions directory with its companion files. True when the session opened and,
    // for a 2BR session, its 2BR configuration was read.
    // With ActiveSession::Keep, Temp\AktSes.ini is not rewritten (vx-check reads sessions
    // without making them the active one).
    enum class ActiveSession { Mark, Keep };
    bool OpenSession(const std::string& fileName, bool is2BR, const std::string& directory,
                     ActiveSession active = ActiveSession::Mark);
    void Speichern();
    void SpeichernUnterSes();
    // True when a list of the open session differs from what was last opened or saved.
    bool HasUnsavedChanges() const;
    // Before the window closes with unsaved changes: Yes saves (closing only when that
    // worked), No discards, Cancel keeps the session open. Quitting asks the same.
    bool CloseQuery() override;
    // Closing discards the session text, the BV list and the 2BR lists, and returns the mode
    // to 1BR.
    void FormClose() override;
    // Names the open session in Temp\AktSes.ini.
    void WriteActiveSession();
    void SessionHelpButtonClick();
    // "Session start": the 1BR run of the session text; the report goes to the result window.
    void SessionStartButtonClick();
    // "TS start": the 2BR computation, which lives above this window and is wired in.
    void ButtonTSStartClick();
    std::function<void()> TSStart;
    // "Compute all": every logic of the session that has TS lines, wired in like "TS start".
    void ButtonComputeAllClick();
    std::function<void()> ComputeAll;

    // The lists the relations window writes into, with the opened flag.
    SessionLinks Links();

private:
    // The save question of "new"; false when the open session could not be saved.
    bool SaveBeforeNew();
    // True when a list of the 1BR page holds more than its header line.
    bool HoldsMoreThanHeaders() const;
    void ResetLists();
    // Reads the chosen session file into its list; false after the open message.
    bool OpenChosenFile(const std::string& name, bool twoBR, const std::string& directory);
    void OpenCompanionFiles();
    // True when the 2BR configuration was read.
    bool Open2BRConfiguration();
    void ReportUpgradeMarkers();
    // The 1BR lists, each when it holds more than its header; false when a write failed.
    bool Save1BR(const char* sessionFailure);
    // The name dialog of "save as" and the writes; false when cancelled or a write failed.
    bool SaveAs();
    bool Save2BR();
    // True when "Session save" writes the 2BR lists: in 2BR mode, and for a session read from a
    // 2BR folder even when its configuration did not load.
    bool SavesAs2BR() const;
    // Writes the list when it holds more than its header line; false when that failed.
    bool SaveIfNotOnlyHeader(const TMemo& memo, const std::string& path, const char* failure);
    bool HasSessionPath() const;
    // Saves as "Session save" does, or as "save as" does for a session without a file; true
    // when every list went to its file.
    bool SaveOpenSession();
    // Asks before a session file that exists is replaced; true when it may be.
    bool MayReplace(const std::string& path, const std::string& name);
    std::vector<std::vector<std::string>> ListContents() const;
    void MarkSaved();

    Ui& ui_;
    TIniForm& ini_;
    TNeueSessionForm& neueSession_;
    TWahleDlgBoxForm& wahleDlgBox_;
    TFormSaveAs& saveAs_;
    TResultForm& resultForm_;
    std::vector<std::vector<std::string>> savedLists_;  // as last opened or saved
    // The open session's name belonged to another session the person chose to replace: its
    // files are all rewritten on the next save, so that none of the old one stays beside it.
    bool replacing_ = false;
    bool openedFrom2BRFolder_ = false;
};

}  // namespace vx
