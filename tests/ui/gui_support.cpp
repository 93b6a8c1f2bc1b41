#include "gui_support.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <memory>

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

}  // namespace vx::qt::test
