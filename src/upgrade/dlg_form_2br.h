#pragma once

#include "platform/form.h"

namespace vx {

// The OK/Cancel dialog saying that the 2BR session directory already exists. It is created
// with the other windows, but the set-up reports that case with a message box and nothing
// shows this window, so it has no controls yet.
class TDlgForm2BR : public TForm {
public:
    TDlgForm2BR() : TForm("TDlgForm2BR", "2BR") {}
};

}  // namespace vx
