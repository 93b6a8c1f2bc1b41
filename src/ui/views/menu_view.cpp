#include "ui/views/menu_view.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>

#include "ui/gui_host.h"
#include "ui/qt_text.h"

namespace vx::qt {
namespace {

// The usual keys of a desktop program; they work from every window of vx.
const std::pair<const char*, QKeySequence> kShortcuts[] = {
    {"NeueSes", QKeySequence(Qt::CTRL | Qt::Key_N)},
    {"AuswaehlenSes", QKeySequence(Qt::CTRL | Qt::Key_O)},
    {"SpeichernSes", QKeySequence(Qt::CTRL | Qt::Key_S)},
    {"SpeichernUnterSes", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)},
    {"N5", QKeySequence(Qt::Key_F1)},
    {"Quit", QKeySequence(Qt::CTRL | Qt::Key_Q)},
};

}  // namespace

MenuView::MenuView(GuiHost& host, TMenueForm& menu)
    : FormView(host, menu, new QMainWindow), menu_(menu) {
    auto* main = static_cast<QMainWindow*>(window());
    for (const TMenu& m : menu_.Menus) {
        if (m.Caption == "Help") {
            AddWindowMenu(*main);
        }
        // Alt + the first letter opens a menu from the keyboard.
        QMenu* qmenu = main->menuBar()->addMenu(QStringLiteral("&") + FromLatin1(m.Caption));
        for (const TMenuItem& item : m.Items) {
            if (item.IsSeparator()) {
                qmenu->addSeparator();
                continue;
            }
            QAction* action = qmenu->addAction(FromLatin1(item.Caption));
            const std::string name = item.Name;
            QObject::connect(action, &QAction::triggered, action, [this, name, action] {
                Run([this, name] { menu_.Click(name); }, action);
            });
            actions_[name] = action;
        }
    }
    for (const auto& [name, keys] : kShortcuts) {
        if (QAction* action = Action(name)) {
            action->setShortcut(keys);
            action->setShortcutContext(Qt::ApplicationShortcut);
        }
    }
    statusLine_ = NewNamed<QLabel>("StatusLine");
    main->statusBar()->addWidget(statusLine_, 1);
    auto* label = new QLabel(QStringLiteral("vx"));
    label->setAlignment(Qt::AlignCenter);
    label->setStyleSheet(QStringLiteral("font-size: 28pt; color: #606060;"));
    main->setCentralWidget(label);
    main->resize(560, 140);
}

void MenuView::AddWindowMenu(QMainWindow& main) {
    QMenu* windows = main.menuBar()->addMenu(QStringLiteral("&Window"));
    QAction* toFront = windows->addAction(QStringLiteral("Main window"));
    toFront->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_M));
    toFront->setShortcutContext(Qt::ApplicationShortcut);
    QObject::connect(toFront, &QAction::triggered, toFront, [this] {
        window()->showNormal();
        window()->raise();
        window()->activateWindow();
    });
    actions_["MainWindow"] = toFront;
}

QAction* MenuView::Action(const std::string& name) {
    auto it = actions_.find(name);
    return it == actions_.end() ? nullptr : it->second;
}

void MenuView::Pull() {
    statusLine_->setText(FromLatin1(host_.app().StatusLine()));
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
