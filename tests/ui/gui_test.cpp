#include "gui_test.h"

#include "ui/form_view.h"
#include "ui/views/menu_view.h"

namespace vx::qt::test {

void GuiTest::Start(const std::string& programFileName) {
    host.Start(programFileName);
    EXPECT_TRUE(host.ShowMainWindow());
}

QAction* GuiTest::Menu(const char* name) {
    return static_cast<MenuView*>(host.ViewOf(host.app().MenueForm))->Action(name);
}

QWidget* GuiTest::Window(const TForm& form) {
    return host.ViewOf(form)->window();
}

}  // namespace vx::qt::test
