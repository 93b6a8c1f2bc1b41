#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/controls.h"
#include "platform/form.h"
#include "platform/ui.h"
#include "ts2br/ts_map_file.h"
#include "ts2br/ts_settings_page.h"
#include "ts2br/ts_text.h"

namespace vx {

class TIniForm;
class TSessionForm;

// "OK" when `line` may go into a session's TS list: a sentence, an option group naming one
// of the nine logics, ":" and a TS part that passes the syntax check; otherwise the error.
std::string CheckTSLineToActivate(const std::string& line, const ts::TLogopTable& binaryOps);

// The TS relations window: opens the formalisation of one sentence from its topic's TS map
// file, lets the person set values for its TS and activates the TS line into the open 2BR
// session; its free-edit page appends a typed TS line.
class TFormTSRels : public TForm {
public:
    enum Page { kPageSetTS, kPageFreeEdit, kPageTSRelations };
    // The choice that leaves a TS free: no prescribed value goes into the line.
    static constexpr const char* kFreeChoice = "90";

    TFormTSRels(Ui& ui, TIniForm& ini, TSessionForm& session);

    TPageControl PageControl;  // "Set TS", "free edit", "Set TS Relations"

    // Page "Set TS"
    TLabel LabelSE, LabelBaseXW;
    TEdit EditShowFullTSStr;
    std::vector<TTSSettingsPage> PageControlSetTS;
    int ActiveSetTSPage = 0;
    TButton ButtonActivateAllTS, ButtonResetAllTS, ButtonHelpSetTS;
    // Page "free edit"
    TEdit EditTSFree;
    TButton ButtonActivateFreeTS, ButtonHelpFreeTS;
    // Page "Set TS Relations": an example only
    TMemo MemoTSRelations;

    // The reader's results, kept until the next successful read.
    TSMapBlock TSMap;
    // The prescribed value of the exception TS of the open sentence; empty without one.
    std::string ExceptionValue;

    // Reads the block of sentence `ENumber` (`EText` = "E" + number) of a TS map file into
    // TSMap: 1, or -1 after the reader's messages.
    int SetTSFormParams(const std::string& FileName, const std::string& SText, int ENumber,
                        const std::string& EText);
    // Opens the window for the TS of one sentence.
    void ActivateTS(const std::string& tsMapFile, const std::string& topicName,
                    std::int32_t sentenceNumber, std::int32_t topicNumber,
                    const std::string& sentencePart);
    // Builds one settings page per TS of TSMap: 1, or -1 after a message.
    int PrepareUTSRels();

    void ButtonActivateAllTSClick();
    void ButtonResetAllTSClick();
    void ButtonHelpSetTSClick();
    void ButtonActivateFreeTSClick();
    void ButtonHelpFreeTSClick();
    void FormClose() override;

    // The sentence open in the window ("S120E3"); empty when none is.
    const std::string& OpenSE() const { return openSE_; }

private:
    // Appends a checked TS line to the session's TS list; false after a message.
    bool AppendTSLine(const std::string& line);

    Ui& ui_;
    TIniForm& ini_;
    TSessionForm& session_;
    std::string openSE_;
    // The block of the open sentence: a later read (of the lists window) does not change it.
    TSMapBlock openBlock_;
};

}  // namespace vx
