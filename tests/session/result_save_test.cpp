#include <gtest/gtest.h>

#include "app/vx_app.h"
#include "platform/scripted_ui.h"
#include "support/temp_dir.h"

namespace vx {
namespace {

class ResultSave : public ::testing::Test {
protected:
    ResultSave() : app(ui, demo.ProgramFileName()) {}

    // A 1BR run of the demo session "Conflict", its report on the "Result" page.
    void RunConflict() {
        ASSERT_TRUE(app.SessionForm.OpenSession("Conflict", false, ""));
        app.SessionForm.SessionStartButtonClick();
        ui.ClearRecords();
    }

    // "Result save" with `name` typed into the dialog (the suggestion kept when empty).
    void Save(const std::string& name) {
        ui.QueueDialog(
            [this, name](ModalForm& dialog) {
                auto& form = dynamic_cast<TSaveAsResForm&>(dialog);
                suggested = form.EditSaveAsRes.Text;
                if (!name.empty()) {
                    form.EditSaveAsRes.Text = name;
                }
                form.ButtonOKClick();
            },
            "TSaveAsResForm");
        app.MenueForm.Click("ResultSave");
    }

    test::DemoCopy demo;
    ScriptedUi ui;
    VxApp app;
    std::string suggested;
};

// The text save is the lines as shown; an existing file is replaced only after Yes; a JSON
// report beside the sessions is not offered as one.
TEST_F(ResultSave, WritesTheShownLinesReplacingOnlyAfterYes) {
    RunConflict();
    demo.Write("Sessions/Conflict.res", "kept");
    ui.QueueAnswer(ModalResult::No);
    Save("");
    EXPECT_EQ(suggested, "Conflict.res");
    EXPECT_EQ(demo.Read("Sessions/Conflict.res"), "kept");
    ui.QueueAnswer(ModalResult::Yes);
    Save("");
    EXPECT_EQ(demo.Read("Sessions/Conflict.res"), app.ResultForm.ResultMemo.Lines.Text());
    EXPECT_EQ(ui.Questions.size(), 2u);
    ASSERT_EQ(ui.Messages.size(), 1u);
    EXPECT_EQ(ui.Messages[0].rfind("Ergebnis abgespeichert in:\r", 0), 0u);

    Save("Conflict.json");
    demo.Write("Sessions/Conflict.ELo", "exceptions");
    app.WahleDlgBoxForm.Start();
    EXPECT_EQ(app.WahleDlgBoxForm.FileListBox.Items,
              (std::vector<std::string>{"Conflict", "Morning"}));
}

TEST_F(ResultSave, RefusesWithoutAReportAndForNamesThatWouldBeLost) {
    app.MenueForm.Click("ResultSave");
    EXPECT_TRUE(ui.Dialogs.empty());
    EXPECT_EQ(ui.Messages, std::vector<std::string>{
                               "Es gibt noch kein Ergebnis zum Speichern.\rStarten Sie zuerst eine "
                               "Berechnung.\r___\rThere is no result to save yet.\rStart a "
                               "computation first."});
    RunConflict();
    app.IniForm.RunState = kRunStateComputing;
    app.MenueForm.Click("ResultSave");
    EXPECT_TRUE(ui.Dialogs.empty());
    EXPECT_EQ(ui.Messages, std::vector<std::string>{
                               "Waehrend einer Berechnung kann kein Ergebnis gespeichert "
                               "werden.\r___\rA result cannot be saved while a computation runs."});
    app.IniForm.RunState = kRunStateIdle;
    ui.ClearRecords();
    for (const char* refused : {"DEFAULT.res", "..\\Temp\\x.res", ""}) {
        TSaveAsResForm& dialog = app.SaveAsResForm;
        dialog.ModalAnswer = ModalResult::None;
        dialog.EditSaveAsRes.Text = refused;
        dialog.ButtonOKClick();
        EXPECT_EQ(dialog.ModalAnswer, ModalResult::None) << refused;
    }
    EXPECT_EQ(ui.Messages.size(), 3u);
    // A directory of that name cannot be replaced: the failure is reported, not success.
    ui.ClearRecords();
    Save("SesBkp");
    EXPECT_EQ(ui.Messages, std::vector<std::string>{"Fehler beim Speichern des Ergebnisses.\rBitte "
                                                    "Namen pruefen.\r___\rError saving the "
                                                    "result.\rCheck the name."});
}

}  // namespace
}  // namespace vx
