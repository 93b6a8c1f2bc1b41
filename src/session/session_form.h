#pragma once

#include "platform/form.h"

namespace vx {

class TSessionForm : public TForm {
public:
    TSessionForm() : TForm("TSessionForm", "Session") {}
    void Neu() {}
    void WaehleSession() {}
    void Speichern() {}
    void SpeichernUnterSes() {}
    void SessionStartButtonClick() {}
    void ButtonTSStartClick() {}
    // 1 while a session is open.
    unsigned char Opened = 0;
};

}  // namespace vx
