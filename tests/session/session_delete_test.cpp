#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "app/vx_app.h"
#include "platform/scripted_ui.h"
#include "support/choose_session.h"
#include "support/temp_dir.h"

namespace vx {
namespace {

namespace fs = std::filesystem;

const char* const kStamp = "2026-12-07_10-00-00";

std::set<std::string> Names(const fs::path& directory) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(directory)) {
        names.insert(entry.path().filename().string());
    }
    return names;
}

class SessionDelete : public ::testing::Test {
protected:
    SessionDelete() : app(ui, demo.ProgramFileName()) {
        app.SessionDelete.Stamp = [] { return std::string(kStamp); };
    }

    // "Session delete" choosing `file` in `directory` (below Sessions, "" for Sessions).
    void Delete(const std::string& directory, const std::string& file) {
        test::ChooseSession(ui, app, directory, file, "LoeschenSes");
    }

    fs::path Deleted(const std::string& folder) const {
        return demo.path() / "Temp" / "deleted" / folder;
    }

    test::DemoCopy demo;
    ScriptedUi ui;
    VxApp app;
};

TEST_F(SessionDelete, MovesTheSessionItsCompanionsAndIts2BRFolderAndNothingElse) {
    for (const char* file : {"Morning.res", "Morning.GLo", "Morning.s1t", "Morning.ELo",
                             "morning.json", "Morning.mpf", "Morning2", "Morningx.ipr"}) {
        demo.Write(std::string("Sessions/") + file, file);
    }
    demo.Write("Sessions/_2BR_Morning/ini/Main.ini", "[x]");
    const std::string session = demo.Read("Sessions/Morning");
    ui.QueueAnswer(ModalResult::Yes);
    Delete("", "Morning");

    const fs::path folder = Deleted(std::string("Morning.") + kStamp);
    EXPECT_EQ(Names(folder),
              (std::set<std::string>{"Morning", "Morning.ipr", "Morning.lnb", "Morning.lzb",
                                     "Morning.res", "Morning.GLo", "Morning.s1t", "Morning.ELo",
                                     "morning.json", "Morning.mpf", "_2BR_Morning"}));
    EXPECT_EQ(demo.Read("Temp/deleted/Morning." + std::string(kStamp) + "/Morning"), session);
    EXPECT_TRUE(fs::exists(folder / "_2BR_Morning" / "ini" / "Main.ini"));
    for (const char* gone : {"Morning", "Morning.ipr", "Morning.GLo", "_2BR_Morning"}) {
        EXPECT_FALSE(demo.Exists(std::string("Sessions/") + gone)) << gone;
    }
    for (const char* kept : {"Morning2", "Morningx.ipr", "Conflict", "_2BR_Breakfast"}) {
        EXPECT_TRUE(demo.Exists(std::string("Sessions/") + kept)) << kept;
    }
    ASSERT_EQ(ui.Questions.size(), 1u);
    EXPECT_NE(ui.Questions[0].find("Morning.GLo"), std::string::npos);
    ASSERT_EQ(ui.Messages.size(), 1u);
    EXPECT_EQ(ui.Messages[0].rfind("Die Session \"Morning\" wurde geloescht.", 0), 0u);
    EXPECT_TRUE(ui.AllAnswersUsed());
}

// A second session of the same name, deleted in the same second, gets a folder of its own.
TEST_F(SessionDelete, A2BRSessionChosenInItsFolderTakesTheFolderAlong) {
    demo.Write("Sessions/Breakfast", "1BR");
    ui.QueueAnswer(ModalResult::Yes);
    Delete("_2BR_Breakfast", "Breakfast");
    EXPECT_FALSE(demo.Exists("Sessions/_2BR_Breakfast"));
    const fs::path folder = Deleted(std::string("Breakfast.") + kStamp);
    EXPECT_TRUE(fs::exists(folder / "_2BR_Breakfast" / "Breakfast.TS"));
    demo.Write("Sessions/Breakfast", "again");
    ui.QueueAnswer(ModalResult::Yes);
    Delete("", "Breakfast");
    EXPECT_EQ(demo.Read("Temp/deleted/Breakfast." + std::string(kStamp) + "/Breakfast"), "1BR");
    EXPECT_EQ(demo.Read("Temp/deleted/Breakfast." + std::string(kStamp) + "-2/Breakfast"), "again");
}

TEST_F(SessionDelete, RefusedWhileOpenOrComputingAndLeftAloneWithoutYes) {
    ASSERT_TRUE(app.SessionForm.OpenSession("Morning", false, ""));
    Delete("", "Morning");
    ASSERT_EQ(ui.Messages.size(), 1u);
    EXPECT_EQ(ui.Messages[0],
              "Die Session \"Morning\" ist geoeffnet. Bitte vorher schliessen.\r___\r"
              "The session \"Morning\" is open. Please close it first.");
    EXPECT_TRUE(ui.Questions.empty());

    app.IniForm.RunState = kRunStateComputing;
    ui.ClearRecords();
    app.MenueForm.Click("LoeschenSes");
    EXPECT_TRUE(ui.Dialogs.empty());
    ASSERT_EQ(ui.Messages.size(), 1u);
    EXPECT_EQ(ui.Messages[0],
              "Waehrend einer Berechnung kann keine Session geloescht werden.\r___\r"
              "A session cannot be deleted while a computation runs.");
    app.IniForm.RunState = kRunStateIdle;

    for (const ModalResult answer : {ModalResult::No, ModalResult::Cancel}) {
        ui.QueueAnswer(answer);
        Delete("", "Conflict");
    }
    EXPECT_EQ(ui.Questions.size(), 2u);
    demo.Write("Sessions/SesBkp/Old", "old");
    ui.ClearRecords();
    Delete("SesBkp", "Old");
    ASSERT_EQ(ui.Messages.size(), 1u);
    EXPECT_EQ(ui.Messages[0].rfind("Nur Sessions im Verzeichnis Sessions", 0), 0u);
    EXPECT_TRUE(demo.Exists("Sessions/Conflict"));
    EXPECT_TRUE(demo.Exists("Sessions/SesBkp/Old"));
    EXPECT_FALSE(demo.Exists("Temp/deleted"));
    EXPECT_TRUE(ui.Questions.empty());
}

}  // namespace
}  // namespace vx
