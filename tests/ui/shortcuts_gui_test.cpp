#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include "gui_test.h"
#include "modal_answers.h"
#include "support/temp_dir.h"

namespace vx::qt {
namespace {

class Shortcuts : public test::GuiTest {
protected:
    Shortcuts() { Start(demo.ProgramFileName()); }

    void ChooseMorning() {
        test::OnNextModal([this](QWidget* dialog) {
            auto* files = Find<QListWidget>(dialog, "FileListBox");
            // Only sessions are offered: their companion files are not.
            EXPECT_EQ(files->findItems("Morning.ipr", Qt::MatchExactly).size(), 0);
            const auto file = files->findItems("Morning", Qt::MatchExactly);
            ASSERT_EQ(file.size(), 1);
            files->setCurrentItem(file[0]);
            Find<QPushButton>(dialog, "ButtonSelect")->click();
        });
        QTest::keyClick(ActiveWindow(), Qt::Key_O, Qt::ControlModifier);
    }

    static QWidget* ActiveWindow() {
        QWidget* active = QApplication::activeWindow();
        EXPECT_NE(active, nullptr);
        return active;
    }

    static void Activate(QWidget* window) {
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window));
    }

    vx::test::DemoCopy demo;
};

TEST_F(Shortcuts, MenuItemsShowTheirKeys) {
    const std::vector<std::pair<const char*, const char*>> keys = {
        {"NeueSes", "Ctrl+N"},
        {"AuswaehlenSes", "Ctrl+O"},
        {"SpeichernSes", "Ctrl+S"},
        {"SpeichernUnterSes", "Ctrl+Shift+S"},
        {"N5", "F1"},
        {"Quit", "Ctrl+Q"},
        {"MainWindow", "Ctrl+M"}};
    for (const auto& [name, key] : keys) {
        ASSERT_NE(Menu(name), nullptr) << name;
        EXPECT_EQ(Menu(name)->shortcut().toString(), key) << name;
        EXPECT_EQ(Menu(name)->shortcutContext(), Qt::ApplicationShortcut) << name;
    }
}

// Keys pressed in the session window: choose, save what was typed, the status line follows,
// Ctrl+M brings the main window back to the front.
TEST_F(Shortcuts, WorkFromTheSessionWindow) {
    QWidget* main = Window(host.app().MenueForm);
    Activate(main);
    auto* status = Find<QLabel>(main, "StatusLine");
    EXPECT_EQ(status->text(), "No session open   |   1BR");
    ChooseMorning();
    EXPECT_EQ(status->text(), "Session Morning   |   1BR");

    QWidget* session = Window(host.app().SessionForm);
    Activate(session);
    auto* memo = Find<QPlainTextEdit>(session, "SessionMemo");
    memo->setFocus();
    memo->moveCursor(QTextCursor::End);
    memo->insertPlainText("\nS12E1WW10: ");
    QTest::keyClick(memo, Qt::Key_S, Qt::ControlModifier);
    EXPECT_NE(demo.Read("Sessions/Morning").find("S12E1WW10: \r\n"), std::string::npos);

    QTest::keyClick(memo, Qt::Key_M, Qt::ControlModifier);
    EXPECT_TRUE(QTest::qWaitForWindowActive(main));
}

TEST_F(Shortcuts, TwoBRSessionOpensOnItsPageAndTopicsStartInTheTopicField) {
    test::OnNextModal([this](QWidget* dialog) {
        auto* dirs = Find<QListWidget>(dialog, "DirectoryListBox");
        const auto found = dirs->findItems("_2BR_Breakfast", Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1);
        emit dirs->itemActivated(found[0]);
        auto* files = Find<QListWidget>(dialog, "FileListBox");
        EXPECT_EQ(files->count(), 1);  // Breakfast.TS and Breakfast.mpf are not sessions
        files->setCurrentRow(0);
        Find<QPushButton>(dialog, "ButtonSelect")->click();
    });
    Menu("AuswaehlenSes")->trigger();
    EXPECT_EQ(Find<QTabWidget>(Window(host.app().SessionForm), "PageControl")->currentIndex(), 1);
    EXPECT_EQ(Find<QLabel>(Window(host.app().MenueForm), "StatusLine")->text(),
              "Session Breakfast   |   2BR");

    Menu("VxMain")->trigger();
    QWidget* topics = Window(host.app().VxMainFormSaetze);
    Activate(topics);
    EXPECT_EQ(QApplication::focusWidget(), Find<QLineEdit>(topics, "SatzEdit"));
}

TEST_F(Shortcuts, QuitWithUnsavedChangesAsksAndCancelKeepsTheProgram) {
    Activate(Window(host.app().MenueForm));
    ChooseMorning();
    host.Run([this] { host.app().SessionForm.SessionMemo.Lines.Add("S12E1WW10: "); });
    std::string asked;
    test::OnNextModal([&asked](QWidget* box) {
        asked = box->findChild<QLabel*>("qt_msgbox_label")->text().toStdString();
        for (QPushButton* button : box->findChildren<QPushButton*>()) {
            if (button->text().contains("Cancel")) {
                button->click();
            }
        }
    });
    Menu("Quit")->trigger();
    EXPECT_EQ(asked.rfind("Die Session \"Morning\" hat ungespeicherte Aenderungen.", 0), 0u)
        << asked;
    EXPECT_FALSE(host.app().TerminateRequested());
    EXPECT_TRUE(Window(host.app().SessionForm)->isVisible());
}

}  // namespace
}  // namespace vx::qt

namespace vx::qt {
namespace {

// Text typed into the window (not yet in the model) counts: Esc asks, Cancel keeps it.
TEST_F(Shortcuts, EscapeWithTypedTextAsksAndCancelKeepsTheWindow) {
    Activate(Window(host.app().MenueForm));
    ChooseMorning();
    QWidget* session = Window(host.app().SessionForm);
    Activate(session);
    auto* memo = Find<QPlainTextEdit>(session, "SessionMemo");
    memo->setFocus();
    memo->moveCursor(QTextCursor::End);
    memo->insertPlainText("\nS12E1WW10: ");
    bool asked = false;
    test::OnNextModal([&asked](QWidget* box) {
        asked = true;
        for (QPushButton* button : box->findChildren<QPushButton*>()) {
            if (button->text().contains("Cancel")) {
                button->click();
            }
        }
    });
    QTest::keyClick(memo, Qt::Key_Escape);
    EXPECT_TRUE(asked);
    EXPECT_TRUE(session->isVisible());
    EXPECT_TRUE(memo->toPlainText().endsWith("S12E1WW10: "));
}

}  // namespace
}  // namespace vx::qt
