#include "gui_support.h"

#include <QApplication>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <memory>

#include "ui/form_view.h"
#include "ui/views/menu_view.h"

namespace vx::qt::test {

MessageBoxAnswerer::MessageBoxAnswerer() {
    QObject::connect(&timer_, &QTimer::timeout, this, [this] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            Texts.push_back(box->text().toStdString());
            box->done(box->defaultButton() != nullptr ? box->standardButton(box->defaultButton())
                                                      : QMessageBox::Ok);
        }
    });
    timer_.start(5);
}

void OnNextModal(std::function<void(QWidget*)> action) {
    auto timer = std::make_shared<QTimer>();
    QObject::connect(timer.get(), &QTimer::timeout, [timer, action] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            timer->stop();
            action(modal);
        }
    });
    timer->start(5);
}

int RowOf(QListWidget* list, const QString& text) {
    for (int row = 0; row < list->count(); ++row) {
        if (list->item(row)->text() == text) {
            return row;
        }
    }
    return -1;
}

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
