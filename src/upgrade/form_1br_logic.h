#pragma once

#include "platform/form.h"

namespace vx {

class TForm1BRLogic : public TForm {
public:
    TForm1BRLogic() : TForm("TForm1BRLogic", "1BR Logic") {}
    // Opens the window on the session's general logic.
    void OpenTEmplateLogic() {}
};

}  // namespace vx
