#include "ui/views/open_free_view.h"

#include <QPushButton>

namespace vx::qt {

OpenFreeView::OpenFreeView(GuiHost& host, TFormOpenFree& form)
    : FileChooserView(host, form, nullptr) {
    chooser_.select->setDefault(true);
    window()->resize(640, 420);
}

}  // namespace vx::qt
