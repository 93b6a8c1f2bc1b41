#pragma once

#include <QString>
#include <QWidget>
#include <string>

#include <gtest/gtest.h>

#include "ui/gui_host.h"

class QAction;

namespace vx::qt::test {

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
