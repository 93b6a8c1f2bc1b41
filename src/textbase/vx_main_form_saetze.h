#pragma once

#include "platform/form.h"

namespace vx {

class TVxMainFormSaetze : public TForm {
public:
    TVxMainFormSaetze() : TForm("TVxMainFormSaetze", "VxMain") {}
    // Shows the window.
    void Oeffnen() { Show(); }
    // Saves the memo as a new topic.
    void SpeicherThemaUnter() {}
};

}  // namespace vx
