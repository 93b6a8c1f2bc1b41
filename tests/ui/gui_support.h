#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "ui/gui_host.h"

class QAction;
class QListWidget;

namespace vx::qt::test {

// Answers the message boxes that appear while it lives: records each text (line breaks as
// shown) and presses the default button, so that a test never waits for a person.
class MessageBoxAnswerer : public QObject {
public:
    MessageBoxAnswerer();
    std::vector<std::string> Texts;

private:
    QTimer timer_;
};

// Runs `action` on the modal window that opens next (from inside its own event loop).
void OnNextModal(std::function<void(QWidget*)> action);

// The row of a list that shows `text`, or -1.
int RowOf(QListWidget* list, const QString& text);

// The program started on an installation, with the menu window shown.
class GuiTest : public ::testing::Test {
protected:
    void Start(const std::string& programFileName);
    QAction* Menu(const char* name);
    QWidget* Window(const TForm& form);
    template <typename W>
    W* Find(QWidget* window, const char* name) {
        W* widget = window->findChild<W*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    GuiHost host;
};

}  // namespace vx::qt::test
