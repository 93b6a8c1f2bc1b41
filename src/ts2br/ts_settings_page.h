#pragma once

#include <string>
#include <vector>

#include "platform/controls.h"
#include "ts2br/ts_map_file.h"

namespace vx {

// A settings page of one TS, created when the TS of a sentence are prepared: the value the
// person chooses for the TS, or the prescribed value of the one TS of another XW type.
struct TTSSettingsPage {
    std::string Name;     // "TabSheetTS" + i
    std::string Caption;  // "TS" + i, or "TS" + i + "_" + its XW type for the exception TS
    bool Visible = true;
    int TSNumber = 0;
    bool IsException = false;
    TLabel LabelXWType;  // the sentence's base XW type
    TLabel LabelTBD;
    TLabel LabelTSText;  // what the TS stands for, from the TS map file
    TRadioGroup Values;
};

// One page per TS of `block`, without choices; the exception TS (if any) is marked.
std::vector<TTSSettingsPage> NewTSSettingsPages(const TSMapBlock& block);

// The TS string with the chosen value of every page inserted; a page whose choice is in
// `noValue` (or has none) leaves its TS free. The exception TS gets `exceptionValue`.
std::string ComposeTSString(const std::string& tsString, const std::vector<TTSSettingsPage>& pages,
                            const std::vector<std::string>& noValue,
                            const std::string& exceptionValue);

// The messages of a settings page whose TS got no valid XW type, and of an exception TS whose
// default XW number was not found; the two windows differ only in the prefix of "Error: ".
std::string MsgBadBaseType(const std::string& prefix, int page, const std::string& base);
std::string MsgExceptionProgramError(const std::string& prefix, int page, const std::string& base);

}  // namespace vx
