#pragma once

#include "settings/ini_form.h"
#include "ui/form_view.h"

namespace vx::qt {

// The settings object seen as the About window.
class AboutView : public FormView {
public:
    AboutView(GuiHost& host, TIniForm& ini);
};

}  // namespace vx::qt
