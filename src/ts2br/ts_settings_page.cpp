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

}  // namespace vx
