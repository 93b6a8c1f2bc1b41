#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "app/vx_app.h"
#include "platform/safe_name.h"
#include "platform/scripted_ui.h"
#include "session/session_names.h"
#include "support/choose_session.h"
#include "support/golden.h"
#include "support/temp_dir.h"
#include "support/write_limit.h"

namespace vx {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

TEST(SessionNames, TheBaseNameEndsAtTheFirstDot) {
    EXPECT_EQ(SessionBaseName("abc.ses.bak"), "abc");
    EXPECT_EQ(SessionBaseName("abc"), "abc");
    EXPECT_TRUE(IsSafeName(".hidden"));
    EXPECT_TRUE(IsSafeName("a..b"));
}

// The application on a copy of the demo installation.
class DemoSessions : public ::testing::Test {
protected:
    DemoSessions() : app(std::make_unique<VxApp>(ui, dir.ProgramFileName())) { ui.ClearRecords(); }
    void Choose(const std::string& directory, const std::string& file) {
        test::ChooseSession(ui, *app, directory, file);
    }
    void Activate(const std::string& se, std::vector<std::pair<int, int>> ticks, int tab) {
        app->WWRelForm.Close();
        app->VxMainFormSaetze.EditAktiviere.Text = se;
        app->VxMainFormSaetze.ButtonAktiviereClick();
        for (auto [page, box] : ticks) {
            app->WWRelForm.Tab(tab)
                .Relations.Pages.at(static_cast<std::size_t>(page))
                .Boxes.at(static_cast<std::size_t>(box))
                .Checked = true;
        }
        app->WWRelForm.AktivButtonClick(tab);
    }

    test::DemoCopy dir;
    ScriptedUi ui;
    std::unique_ptr<VxApp> app;
};

// The saved demo session is what the relations window writes for its sentences.
TEST_F(DemoSessions, TheSavedOneBRSessionIsWhatActivationWrites) {
    const std::string sessions = app->IniForm.SessionsPath;
    TextList morning, bv, lnb, lzb;
    morning.LoadFromFile(sessions + "Morning");
    bv.LoadFromFile(sessions + "Morning.ipr");
    lnb.LoadFromFile(sessions + "Morning.lnb");
    lzb.LoadFromFile(sessions + "Morning.lzb");

    ui.QueueDialog(
        [](ModalForm& dialog) {
            auto& neue = dynamic_cast<TNeueSessionForm&>(dialog);
            neue.EditNeueSession.Text = "Replay";
            neue.ButtonOKClick();
        },
        "TNeueSessionForm");
    app->MenueForm.Click("NeueSes");
    Activate("S120E1", {{0, 0}}, 0);
    Activate("S120E2", {{0, 0}}, 0);
    Activate("S254E2", {{0, 0}, {0, 3}, {1, 0}}, 0);
    Activate("S254E3", {{0, 0}, {0, 4}}, 0);
    Activate("S254E5", {{0, 0}}, 0);
    Activate("S254E6", {{0, 5}, {1, 2}}, 0);
    Activate("S254E7", {{0, 0}}, 0);
    Activate("S254E4", {{0, 0}, {0, 1}}, 0);
    app->MenueForm.Click("SpeichernSes");
    ASSERT_EQ(ui.Messages.size(), 1u);  // the advice of a new session

    for (const auto& [name, expected] :
         std::vector<std::pair<std::string, TextList*>>{{"Replay", &morning},
                                                        {"Replay.ipr", &bv},
                                                        {"Replay.lnb", &lnb},
                                                        {"Replay.lzb", &lzb}}) {
        TextList written;
        written.LoadFromFile(sessions + name);
        EXPECT_EQ(written.Lines(), expected->Lines()) << name;
    }
    app->SessionForm.Close();
    ui.ClearRecords();
    Choose("", "Morning");
    EXPECT_EQ(ui.Messages, Lines{});
    EXPECT_EQ(app->SessionForm.SessionMemo.Lines.Lines(), morning.Lines());
    EXPECT_EQ(app->SessionForm.MemoLzB.Lines.Lines(), lzb.Lines());
}

// Saving into a sessions directory that cannot be written keeps the old files. Read-only
// permissions do not stop the superuser, so there the disk refuses the writes instead.
TEST_F(DemoSessions, AReadOnlySessionsDirectoryKeepsTheOldFiles) {
    Choose("", "Morning");
    const fs::path sessions = dir.path() / "Sessions";
    const std::string before = dir.Read("Sessions/Morning");
    app->SessionForm.SessionMemo.Lines.Add("S254E9WW10: RE11M1,");
    const auto writable = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    fs::permissions(sessions, writable, fs::perm_options::remove);
    {
        std::optional<test::WriteLimit> limit;
        if (::geteuid() == 0) {
            limit.emplace(0);
        }
        app->MenueForm.Click("SpeichernSes");
    }
    fs::permissions(sessions, fs::perms::owner_write, fs::perm_options::add);
    const std::string check = "Bitte Namen kontrollieren.\r___\rError saving the session file for ";
    EXPECT_EQ(ui.Messages,
              (Lines{"Fehler beim Speichern der Session Methoden.\rBitte Namen kontrollieren.",
                     "Fehler beim Speichern der Session Hilfsdatei: fuer BV.\r" + check +
                         "BV.\rCheck the name.",
                     "Fehler beim Speichern der Session Hilfsdatei: fuer LnB.\r" + check +
                         "LnB.\rCheck the name.",
                     "Fehler beim Speichern der Session Hilfsdatei: fuer LzB.\r" + check +
                         "LzB.\rCheck the name."}));
    EXPECT_EQ(dir.Read("Sessions/Morning"), before);
}

}  // namespace
}  // namespace vx
