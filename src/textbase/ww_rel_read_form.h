#pragma once

#include <string>

#include "textbase/vater2_methoden_form.h"

namespace vx {

// The read-only twin of the relations window: it shows a second sentence's relation set
// while the relations window is in use; its Activate and Reset buttons are disabled.
class TWWRelReadForm : public TVater2MethodenForm {
public:
    TWWRelReadForm(Ui& ui, TIniForm& ini);

    // As TWWRelForm::EvaluateRels, on this window's own entries, with its own messages; on
    // "ok" the sentence becomes OpenRelReadFile.
    std::string EvaluateRels(const std::string& topicPart, const std::string& sentencePart,
                             const std::string& relationDirectory, const std::string& xwType);

    void FormClose() override;

private:
    void DisableActions();
};

}  // namespace vx
