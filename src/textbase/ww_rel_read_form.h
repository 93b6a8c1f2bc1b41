#pragma once

#include <string>

#include "textbase/vater2_methoden_form.h"

namespace vx {

// The read-only twin of the relations window: its Activate and Reset buttons are disabled.
class TWWRelReadForm : public TVater2MethodenForm {
public:
    TWWRelReadForm(Ui& ui, const TIniForm& ini);

    // As TWWRelForm::EvaluateRels, on this window's own entries.
    std::string EvaluateRels(const std::string& topicPart, const std::string& sentencePart,
                             const std::string& relationDirectory, const std::string& xwType);
};

}  // namespace vx
