#pragma once

#include <string>

#include "textbase/vater2_methoden_form.h"

namespace vx {

// The relations window of an activated sentence.
class TWWRelForm : public TVater2MethodenForm {
public:
    TWWRelForm(Ui& ui, const TIniForm& ini);

    // "Show SemiForm." on the W and F tabs, "Show SemiForm" on the Un and Ur tabs.
    TButton ButtonShowSemiForm1, ButtonShowSemiForm2, ButtonShowSemiForm3, ButtonShowSemiForm4;

    // Reads the relation set of sentence `sentencePart` of topic `topicPart` from
    // `relationDirectory` into the tabs; "ok" when every tab was processed. The relation files
    // are not read yet: the window opens with empty tabs.
    std::string EvaluateRels(const std::string& topicPart, const std::string& sentencePart,
                             const std::string& relationDirectory, const std::string& xwType);

    TButton* ShowSemiFormButton(int tab) override;

protected:
    void AfterTabHelp() override;
};

}  // namespace vx
