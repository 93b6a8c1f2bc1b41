#include "textbase/ww_rel_read_form.h"

namespace vx {

TWWRelReadForm::TWWRelReadForm(Ui& ui, const TIniForm& ini)
    : TVater2MethodenForm("TWWRelReadForm", "Relations (read only)", ui, ini) {
    for (int tab = 0; tab < kTabs; ++tab) {
        Tab(tab).Aktiv.Enabled = false;
        Tab(tab).Reset.Enabled = false;
    }
}

std::string TWWRelReadForm::EvaluateRels(const std::string& /*topicPart*/,
                                         const std::string& /*sentencePart*/,
                                         const std::string& /*relationDirectory*/,
                                         const std::string& /*xwType*/) {
    return "ok";
}

}  // namespace vx
