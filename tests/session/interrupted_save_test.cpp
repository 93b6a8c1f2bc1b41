#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <memory>
#include <random>
#include <string>

#include "app/vx_app.h"
#include "platform/host_path.h"
#include "platform/scripted_ui.h"
#include "platform/text_list.h"
#include "support/golden.h"
#include "support/temp_dir.h"

namespace vx {
namespace {

namespace fs = std::filesystem;

// Two versions of a large session that differ in every line and in length, so that any
// mixture or any part of one is neither.
std::vector<std::string> Version(const char* header, const char* value, int lines) {
    std::vector<std::string> text{header};
    for (int i = 1; i < lines; ++i) {
        text.push_back("S" + std::to_string(1000 + i) + "E" + std::to_string(i % 97) + value +
                       ": RE3M1, RE4M2, RE11M1,");
    }
    return text;
}

// Where the test's installation lives: in memory when the host has such a file system, so
// that the many saves do not wait for a disk (a killed program's files are the same there).
fs::path FastTemporaryBase() {
    std::error_code ec;
    return fs::is_directory("/dev/shm", ec) ? fs::path("/dev/shm") : fs::temp_directory_path();
}

// The session window of a program that saves the same session over and over, and is killed
// at a random moment of its work: the files on disk are always the old or the new version,
// whole, and nothing the program left behind shows in a listing.
class InterruptedSave : public ::testing::Test {
protected:
    InterruptedSave() : dir(FastTemporaryBase()) {
        test::CopyTree(test::DemoDir(), dir.path());
        app = std::make_unique<VxApp>(ui, dir.ProgramFileName());
        ui.QueueDialog(
            [](ModalForm& dialog) {
                auto& neue = dynamic_cast<TNeueSessionForm&>(dialog);
                neue.EditNeueSession.Text = "Big";
                neue.ButtonOKClick();
            },
            "TNeueSessionForm");
        app->MenueForm.Click("NeueSes");
    }

    void Fill(bool second) {
        TSessionForm& session = app->SessionForm;
        session.SessionMemo.Lines.Assign(second ? newSession : oldSession);
        session.InterprtMemo.Lines.Assign(second ? newBV : oldBV);
    }

    std::string TextOf(const std::vector<std::string>& lines) {
        TextList list;
        list.Assign(lines);
        return list.Text();
    }

    // Runs in the child: saves the new and the old version in turn until it is killed.
    [[noreturn]] void SaveForever() {
        for (bool second = true;; second = !second) {
            Fill(second);
            app->SessionForm.Speichern();
        }
    }

    test::TempDir dir;
    ScriptedUi ui;
    std::unique_ptr<VxApp> app;
    const std::vector<std::string> oldSession = Version("//vx2.0b, ", "WW10", 2500);
    const std::vector<std::string> newSession = Version("//vx2.0b, ", "WW20", 2700);
    const std::vector<std::string> oldBV = Version("//vx2.0b, BVInfos ", " <- S1E1", 1000);
    const std::vector<std::string> newBV = Version("//vx2.0b, BVInfos ", " <- S2E22", 900);
};

TEST_F(InterruptedSave, AKilledSaveLeavesTheOldOrTheNewFileWhole) {
    Fill(false);
    // The time of one save, the least of a few so that a busy machine does not stretch it.
    auto oneSave = std::chrono::microseconds::max();
    for (int save = 0; save < 5; ++save) {
        const auto started = std::chrono::steady_clock::now();
        app->SessionForm.Speichern();
        oneSave = std::min(oneSave, std::chrono::duration_cast<std::chrono::microseconds>(
                                        std::chrono::steady_clock::now() - started));
    }
    ASSERT_EQ(ui.Messages.size(), 1u);  // only the advice of a new session
    // A child starts before it saves: on an idle machine that start can take longer than the
    // save itself, so the kills are spread over a whole child that saves once.
    for (int round = 0; round < 3; ++round) {
        const auto started = std::chrono::steady_clock::now();
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            app->SessionForm.Speichern();
            ::_exit(0);
        }
        ASSERT_EQ(::waitpid(child, nullptr, 0), child);
        oneSave = std::max(oneSave, std::chrono::duration_cast<std::chrono::microseconds>(
                                        std::chrono::steady_clock::now() - started));
    }

    const fs::path sessionFile = dir.path() / "Sessions" / "Big";
    const fs::path bvFile = dir.path() / "Sessions" / "Big.ipr";
    const std::string oldText = TextOf(oldSession), newText = TextOf(newSession);
    const std::string oldBVText = TextOf(oldBV), newBVText = TextOf(newBV);
    ASSERT_EQ(test::ReadBytes(sessionFile), oldText);

    // Kills land anywhere from before the first write to the second save of a child.
    std::mt19937 random(19);
    std::uniform_int_distribution<long> delay(0, 2 * oneSave.count() + 200);
    int oldSeen = 0, newSeen = 0;
    constexpr int kKills = 300;
    for (int kill = 0; kill < kKills; ++kill) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            SaveForever();
        }
        ::usleep(static_cast<useconds_t>(delay(random)));
        ::kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the child ended by itself";

        const std::string session = test::ReadBytes(sessionFile);
        ASSERT_TRUE(session == oldText || session == newText)
            << "kill " << kill << ": a session file of " << session.size() << " bytes";
        const std::string bv = test::ReadBytes(bvFile);
        ASSERT_TRUE(bv == oldBVText || bv == newBVText)
            << "kill " << kill << ": a BV file of " << bv.size() << " bytes";
        (session == newText ? newSeen : oldSeen)++;
    }
    // Both versions were on disk at some kill: the children did save, and were killed at
    // different moments.
    EXPECT_GT(oldSeen, 0);
    EXPECT_GT(newSeen, 0);
    const std::vector<std::string> listed = FindFiles(app->IniForm.SessionsPath);
    for (const std::string& name : listed) {
        EXPECT_EQ(name.find("vxtmp"), std::string::npos) << name;
    }
}

}  // namespace
}  // namespace vx
