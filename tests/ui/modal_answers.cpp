#include "modal_answers.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <memory>

namespace vx::qt::test {

// How often a waiting modal window is looked for, in milliseconds.
constexpr int kPollMs = 5;

MessageBoxAnswerer::MessageBoxAnswerer() {
    QObject::connect(&timer_, &QTimer::timeout, this, [this] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            Texts.push_back(box->text().toStdString());
            box->done(box->defaultButton() != nullptr ? box->standardButton(box->defaultButton())
                                                      : QMessageBox::Ok);
        }
    });
    timer_.start(kPollMs);
}

void OnNextModal(std::function<void(QWidget*)> action) {
    auto timer = std::make_shared<QTimer>();
    QObject::connect(timer.get(), &QTimer::timeout, [timer, action] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            timer->stop();
            action(modal);
        }
    });
    timer->start(kPollMs);
}

}  // namespace vx::qt::test
