#include "gui_test.h"

#include <QApplication>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <memory>

#include "ui/form_view.h"
#include "ui/views/menu_view.h"

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
    // Owned by the application until its modal came, so that a timer whose modal never comes
    // is still freed.
    auto* timer = new QTimer(QCoreApplication::instance());
    QObject::connect(timer, &QTimer::timeout, timer, [timer, action] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            timer->stop();
            timer->deleteLater();
            action(modal);
        }
    });
    timer->start(kPollMs);
}

void Answer(QWidget* box, const QString& caption) {
    for (QPushButton* button : box->findChildren<QPushButton*>()) {
        if (button->text().contains(caption)) {
            button->click();
            return;
        }
    }
    ADD_FAILURE() << "no button " << caption.toStdString();
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

void GuiTest::Click(QWidget* window, const char* button) {
    Find<QPushButton>(window, button)->click();
}

QString GuiTest::Text(QWidget* window, const char* memo) {
    return Find<QPlainTextEdit>(window, memo)->toPlainText();
}

void GuiTest::ChooseIn(QWidget* dialog, const QString& directory, const QString& file) {
    if (!directory.isEmpty()) {
        auto* dirs = Find<QListWidget>(dialog, "DirectoryListBox");
        const auto found = dirs->findItems(directory, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << directory.toStdString();
        emit dirs->itemActivated(found[0]);
    }
    auto* files = Find<QListWidget>(dialog, "FileListBox");
    const auto found = files->findItems(file, Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1) << file.toStdString();
    files->setCurrentItem(found[0]);
    Click(dialog, "ButtonSelect");
}

}  // namespace vx::qt::test
