#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/temp_dir.h"
#include "ui/gui_host.h"

class QAction;

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
// Presses the button of a question box whose text contains `caption` ("Cancel").
void Answer(QWidget* box, const QString& caption);

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
    void Click(QWidget* window, const char* button);
    QString Text(QWidget* window, const char* memo);
    // In the chooser `dialog`: enters `directory` ("" stays), selects `file` and presses Select.
    void ChooseIn(QWidget* dialog, const QString& directory, const QString& file);

    GuiHost host;
};

// The program on a fresh copy of the demo installation.
class DemoGuiTest : public GuiTest {
protected:
    DemoGuiTest() { Start(demo.ProgramFileName()); }
    vx::test::DemoCopy demo;
};

}  // namespace vx::qt::test
