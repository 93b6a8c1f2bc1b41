#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QPlainTextEdit>
#include <QPushButton>
#include <filesystem>

#include "gui_test.h"
#include "support/golden.h"

namespace vx::qt {
namespace {

class DeployGui : public test::DemoGuiTest {};

// The demo folder from the menu: its error first; with the error file gone, a folder typed
// without its closing separator deploys cleanly.
TEST_F(DeployGui, TheDemoFolderShowsItsErrorAndThenDeploysCleanly) {
    test::MessageBoxAnswerer answerer;
    QString offered, firstReport, secondReport;
    test::OnNextModal([&](QWidget* window) {
        auto* source = Find<QComboBox>(window, "ComboBoxSource");
        offered = source->currentText();
        Click(window, "ButtonStart");
        firstReport = Text(window, "MemoDeploy");

        std::filesystem::remove(demo.path() / "Deploy" / "S312.txt");
        source->setEditText(QString::fromStdString(demo.Root() + "Deploy"));
        Click(window, "ButtonStart");
        secondReport = Text(window, "MemoDeploy");
        Click(window, "ButtonHelp");
        static_cast<QDialog*>(window)->reject();
    });
    Menu("deploy")->trigger();

    EXPECT_EQ(offered.toStdString(), demo.Root() + "Deploy\\");
    std::string expected;
    for (const auto& line :
         vx::test::LinesOf(vx::test::TestDataDir() / "deploy" / "demo_report.txt")) {
        expected += (expected.empty() ? "" : "\n") + line;
    }
    EXPECT_EQ(vx::test::ReplaceAll(firstReport.toStdString(), demo.Root(), "<root>"), expected);
    EXPECT_EQ(secondReport, "All ok !!");
    EXPECT_FALSE(demo.Exists("Temp/imports/S312.txt"));
    EXPECT_TRUE(demo.Exists("Temp/imports/S310.txt"));
    ASSERT_EQ(answerer.Texts.size(), 1u);
    EXPECT_EQ(answerer.Texts[0].rfind(" \"Deploy\" entfernt interne Kommentare", 0), 0u);
    EXPECT_FALSE(Window(host.app().DeployForm)->isVisible());
}

}  // namespace
}  // namespace vx::qt
