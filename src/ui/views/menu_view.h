#pragma once

#include <map>
#include <string>

#include "app/menue_form.h"
#include "ui/form_view.h"

class QAction;
class QLabel;
class QMainWindow;

namespace vx::qt {

// The main window: the menu bar drawn from the menu model. Closing it ends the program.
class MenuView : public FormView {
public:
    MenuView(GuiHost& host, TMenueForm& menu);
    QDialog* dialog() override { return nullptr; }
    // The action of a menu entry, by component name (for tests and shortcuts).
    QAction* Action(const std::string& name);

protected:
    void Pull() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // "Window" > "Main window" (Ctrl+M): brings this window to the front from any other.
    void AddWindowMenu(QMainWindow& main);

    TMenueForm& menu_;
    QLabel* statusLine_ = nullptr;
    std::map<std::string, QAction*> actions_;
};

}  // namespace vx::qt
