#include "ts2br/ts_settings_page.h"

#include <algorithm>

namespace vx {

std::vector<TTSSettingsPage> NewTSSettingsPages(const TSMapBlock& block) {
    const int exception = ExceptionTSOf(block);
    std::vector<TTSSettingsPage> pages;
    for (int i = 1; i <= block.TSCount; ++i) {
        TTSSettingsPage page;
        page.Name = "TabSheetTS" + std::to_string(i);
        page.Caption = "TS" + std::to_string(i);
        page.TSNumber = i;
        page.IsException = i == exception;
        if (page.IsException) {
            page.Caption += "_" + block.TSTypes[i];
        }
        page.LabelXWType.Caption = block.BaseXW;
        page.LabelTBD.Caption = "TBD";
        page.LabelTSText.Caption = block.TSTexts[i];
        pages.push_back(std::move(page));
    }
    return pages;
}

std::string ComposeTSString(const std::string& tsString, const std::vector<TTSSettingsPage>& pages,
                            const std::vector<std::string>& noValue,
                            const std::string& exceptionValue) {
    std::string result = tsString;
    for (const TTSSettingsPage& page : pages) {
        std::string value = page.IsException ? exceptionValue : page.Values.SelectedText();
        if (value.empty() || std::find(noValue.begin(), noValue.end(), value) != noValue.end()) {
            continue;
        }
        result = InsertTSValue(result, page.TSNumber, value);
    }
    return result;
}

std::string MsgBadBaseType(const std::string& prefix, int page, const std::string& base) {
    return prefix + "TABsheet fuer TS Nummer " + std::to_string(page) + "\r" +
           "hat keinen gueltigen XW-Typen erhalten: " + base + "\r" + "___" + "\r" + prefix +
           "TabSheet for TS number " + std::to_string(page) + "\r" +
           "has got a no allowed XWType: " + base;
}

std::string MsgExceptionProgramError(const std::string& prefix, int page, const std::string& base) {
    return prefix + "Exception TS TABsheet fuer TS Nummer " + std::to_string(page) + "\r" +
           "Programmfehler bei Suche nach AusnahmeTS default XW-Nummer: " + base + "\r" + "___" +
           "\r" + prefix + "Exception TS TabSheet for TS number " + std::to_string(page) + "\r" +
           "program error on search of Exception TS default XWNumber: " + base;
}

}  // namespace vx
