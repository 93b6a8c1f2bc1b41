#include "ui/views/menu_view.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>

#include "ui/gui_host.h"
#include "ui/qt_text.h"

namespace vx::qt {

MenuView::MenuView(GuiHost& host, TMenueForm& menu)
    : FormView(host, menu, new QMainWindow), menu_(menu) {
    auto* main = static_cast<QMainWindow*>(window());
    for (const TMenu& m : menu_.Menus) {
        // Alt + the first letter opens a menu from the keyboard.
        QMenu* qmenu = main->menuBar()->addMenu(QStringLiteral("&") + FromLatin1(m.Caption));
        for (const TMenuItem& item : m.Items) {
            if (item.IsSeparator()) {
                qmenu->addSeparator();
                continue;
            }
            QAction* action = qmenu->addAction(FromLatin1(item.Caption));
            const std::string name = item.Name;
            QObject::connect(action, &QAction::triggered, action,
                             [this, name] { Run([this, name] { menu_.Click(name); }); });
            actions_[name] = action;
        }
    }
    auto* label = new QLabel(QStringLiteral("vx"));
    label->setAlignment(Qt::AlignCenter);
    label->setStyleSheet(QStringLiteral("font-size: 28pt; color: #606060;"));
    main->setCentralWidget(label);
    main->resize(560, 140);
}

QAction* MenuView::Action(const std::string& name) {
    auto it = actions_.find(name);
    return it == actions_.end() ? nullptr : it->second;
}

void MenuView::Pull() {
    for (const TMenu& m : menu_.Menus) {
        for (const TMenuItem& item : m.Items) {
            if (QAction* action = Action(item.Name)) {
                action->setEnabled(item.Enabled);
                action->setText(FromLatin1(item.Caption));
            }
        }
    }
}

bool MenuView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == window() && event->type() == QEvent::Close) {
        // Closing the main window ends the program, whatever other windows are open, once
        // nothing unsaved stands in the way (the person may keep the program open).
        Run([this] { menu_.QuitClick(); });
        if (!host_.app().TerminateRequested()) {
            event->ignore();
            return true;
        }
        return false;
    }
    return FormView::eventFilter(watched, event);
}

}  // namespace vx::qt
