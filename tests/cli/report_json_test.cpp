#include <gtest/gtest.h>

#include <sstream>

#include "app/vx_app.h"
#include "cli/console_ui.h"
#include "cli/vx_check.h"
#include "platform/scripted_ui.h"
#include "support/temp_dir.h"

// "Result save" in the window and vx-check write the same report, as JSON and as text.
namespace vx::cli {
namespace {

std::string CheckOutput(const test::DemoCopy& demo, std::vector<std::string> args) {
    args.insert(args.begin(), {"--root", demo.path().string()});
    std::ostringstream out;
    std::ostringstream err;
    ConsoleUi ui(err);
    ui.FixedDate = "06.12.2026";
    RunVxCheck(args, {}, out, ui);
    return out.str();
}

std::string WithCrLf(const std::string& text) {
    std::string crlf;
    for (char c : text) {
        crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    }
    return crlf;
}

void SaveResultAs(ScriptedUi& ui, VxApp& app, const std::string& name) {
    ui.QueueDialog(
        [name](ModalForm& dialog) {
            auto& form = dynamic_cast<TSaveAsResForm&>(dialog);
            form.EditSaveAsRes.Text = name;
            form.ButtonOKClick();
        },
        "TSaveAsResForm");
    app.MenueForm.Click("ResultSave");
}

TEST(ReportJson, ResultSaveWritesWhatVxCheckWritesFor1BRAnd2BR) {
    test::DemoCopy demo;
    const std::string json1BR = CheckOutput(demo, {"1br", "Conflict", "--json"});
    const std::string text1BR = CheckOutput(demo, {"1br", "Conflict"});
    const std::string json2BR = CheckOutput(demo, {"2br", "Breakfast", "--json"});
    const std::string text2BR = CheckOutput(demo, {"2br", "Breakfast"});
    ASSERT_NE(json1BR.find("\"mode\": \"1BR\""), std::string::npos);
    ASSERT_NE(json2BR.find("\"mode\": \"2BR\""), std::string::npos);

    ScriptedUi ui;
    VxApp app(ui, demo.ProgramFileName());
    ASSERT_TRUE(app.SessionForm.OpenSession("Conflict", false, ""));
    app.SessionForm.SessionStartButtonClick();
    SaveResultAs(ui, app, "c.json");
    SaveResultAs(ui, app, "c.txt");
    EXPECT_EQ(demo.Read("Sessions/c.json"), json1BR);
    EXPECT_EQ(demo.Read("Sessions/c.txt"), WithCrLf(text1BR));

    app.SessionForm.FormClose();
    const std::string directory = app.IniForm.SessionsPath + "_2BR_Breakfast";
    ASSERT_TRUE(app.SessionForm.OpenSession("Breakfast", true, directory));
    app.SessionForm.ComboBoxSelectLogic.Text = "DefWW";
    app.SessionForm.ButtonTSStartClick();
    SaveResultAs(ui, app, "b.JSON");
    SaveResultAs(ui, app, "b.res");
    EXPECT_EQ(demo.Read("Sessions/b.JSON"), json2BR);
    EXPECT_EQ(demo.Read("Sessions/b.res"), WithCrLf(text2BR));
}

}  // namespace
}  // namespace vx::cli
