#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "upgrade_fixture.h"

namespace vx {
namespace {

class Logic1BR : public test::UpgradeTest {
protected:
    TForm1BRLogic& logic = app.Form1BRLogic;
};

TEST_F(Logic1BR, ASessionWithoutItsFileStartsFromTheTemplateAndSavingCreatesIt) {
    OpenMorning();
    app.MenueForm.Click("Set1BRLogic");
    EXPECT_TRUE(logic.Visible);
    EXPECT_EQ(logic.MemoGeneralLogic.Lines.Text(),
              Read("Text\\Templates\\General_Step1_Logics.txt"));
    EXPECT_FALSE(Exists("Sessions\\Morning.GLo"));

    logic.MemoGeneralLogic.Lines.Add("EW: a question answered Ja counts as Wahr.");
    logic.ButtonSaveClick();
    EXPECT_EQ(Read("Sessions\\Morning.GLo"), logic.MemoGeneralLogic.Lines.Text());
    EXPECT_EQ(ui.Messages, std::vector<std::string>{});

    // Opening it again while it is shown keeps what was typed; after closing, the next opening
    // shows the session's own file.
    logic.MemoGeneralLogic.Lines.Add("typed, not saved");
    app.MenueForm.Click("Set1BRLogic");
    EXPECT_EQ(logic.MemoGeneralLogic.Lines[logic.MemoGeneralLogic.Lines.Count() - 1],
              "typed, not saved");
    logic.Close();
    logic.OpenTEmplateLogic();
    EXPECT_EQ(logic.MemoGeneralLogic.Lines.Text(), Read("Sessions\\Morning.GLo"));
}

TEST_F(Logic1BR, ItNeedsAnOpenNamedSession) {
    logic.OpenTEmplateLogic();
    session.Opened = 1;  // a session that was never named
    logic.OpenTEmplateLogic();
    EXPECT_EQ(ui.Messages,
              (std::vector<std::string>{
                  "Sie muessen erst eine Session oeffnen bevor Sie ihr eine Logik zuweisen "
                  "koennen.\r___\rYou must first open a session to apply the general logic to it.",
                  "Sie sollten die Session gespeichert haben, bevor Sie ihr eine Logik zuweisen "
                  "koennen.\r___\rYou should have saved the session to apply a general logic to "
                  "it."}));
    EXPECT_FALSE(logic.Visible);
}

TEST_F(Logic1BR, AMissingTemplateIsReportedAndNoOtherTextStays) {
    OpenMorning();
    std::filesystem::remove(dir.path() / "Text/Templates/General_Step1_Logics.txt");
    logic.MemoGeneralLogic.Lines = TextList{"text of another session"};
    logic.OpenTEmplateLogic();
    EXPECT_EQ(ui.Messages, std::vector<std::string>{
                               "Fehler: Die Template zur 1BR Logik laesst sich nicht "
                               "oeffnen.\r___\rError: The general logic template file cannot be "
                               "opened."});
    EXPECT_EQ(logic.MemoGeneralLogic.Lines.Count(), 0);
    EXPECT_TRUE(logic.Visible);
}

TEST_F(Logic1BR, In2BRModeSaveRefusesAndWritesNothing) {
    OpenMorning();
    logic.OpenTEmplateLogic();
    ini.IniState = kIniState2BR;
    logic.ButtonSaveClick();
    EXPECT_EQ(ui.Messages, std::vector<std::string>{
                               "Fehler: Sessionpfad ungueltig oder 2BR Modus aktiv.\r___\rError: "
                               "invalid sesion path or 2BR mode active."});
    EXPECT_FALSE(Exists("Sessions\\Morning.GLo"));
}

}  // namespace
}  // namespace vx
