#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
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
using Clock = std::chrono::steady_clock;
using Micros = std::chrono::microseconds;

// One of two versions of a large session that differ in every line and in length, so that any
// mixture or any part of one is neither.
TextList Version(const char* header, const char* value, int lines) {
    TextList text{header};
    for (int i = 1; i < lines; ++i) {
        text.Add("S" + std::to_string(1000 + i) + "E" + std::to_string(i % 97) + value +
                 ": RE3M1, RE4M2, RE11M1,");
    }
    return text;
}

// A program that saves the same session over and over is killed at a random moment of its
// work: the files on disk are always the old or the new version, whole, and nothing the
// program left behind shows in a listing. The installation lives in memory when the host has
// such a file system, so that the many saves do not wait for a disk.
TEST(InterruptedSave, AKilledSaveLeavesTheOldOrTheNewFileWhole) {
    test::TempDir dir(fs::is_directory("/dev/shm") ? fs::path("/dev/shm")
                                                   : fs::temp_directory_path());
    test::CopyTree(test::DemoDir(), dir.path());
    ScriptedUi ui;
    VxApp app(ui, dir.ProgramFileName());
    ui.QueueDialog(
        [](ModalForm& dialog) {
            auto& neue = dynamic_cast<TNeueSessionForm&>(dialog);
            neue.EditNeueSession.Text = "Big";
            neue.ButtonOKClick();
        },
        "TNeueSessionForm");
    app.MenueForm.Click("NeueSes");
    const TextList oldSession = Version("//vx2.0b, ", "WW10", 2500);
    const TextList newSession = Version("//vx2.0b, ", "WW20", 2700);
    const TextList oldBV = Version("//vx2.0b, BVInfos ", " <- S1E1", 1000);
    const TextList newBV = Version("//vx2.0b, BVInfos ", " <- S2E22", 900);
    const auto save = [&](bool second) {
        app.SessionForm.SessionMemo.Lines.Assign((second ? newSession : oldSession).Lines());
        app.SessionForm.InterprtMemo.Lines.Assign((second ? newBV : oldBV).Lines());
        app.SessionForm.Speichern();
    };

    // The time of one save, the least of a few so that a busy machine does not stretch it.
    auto oneSave = Micros::max();
    for (int n = 0; n < 5; ++n) {
        const auto started = Clock::now();
        save(false);
        oneSave = std::min(oneSave, std::chrono::duration_cast<Micros>(Clock::now() - started));
    }
    ASSERT_EQ(ui.Messages.size(), 1u);  // only the advice of a new session
    // A child starts before it saves: on an idle machine that start can take longer than the
    // save itself, so the kills are spread over a whole child that saves once.
    for (int round = 0; round < 3; ++round) {
        const auto started = Clock::now();
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            app.SessionForm.Speichern();
            ::_exit(0);
        }
        ASSERT_EQ(::waitpid(child, nullptr, 0), child);
        oneSave = std::max(oneSave, std::chrono::duration_cast<Micros>(Clock::now() - started));
    }

    const fs::path sessionFile = dir.path() / "Sessions" / "Big";
    const fs::path bvFile = dir.path() / "Sessions" / "Big.ipr";
    ASSERT_EQ(test::ReadBytes(sessionFile), oldSession.Text());

    // Kills land anywhere from before the first write to the second save of a child.
    std::mt19937 random(19);
    std::uniform_int_distribution<long> delay(0, 2 * oneSave.count() + 200);
    int oldSeen = 0, newSeen = 0;
    for (int kill = 0; kill < 300; ++kill) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (bool second = true;; second = !second) {
                save(second);
            }
        }
        ::usleep(static_cast<useconds_t>(delay(random)));
        ::kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the child ended by itself";

        const std::string session = test::ReadBytes(sessionFile);
        ASSERT_TRUE(session == oldSession.Text() || session == newSession.Text())
            << "kill " << kill << ": a session file of " << session.size() << " bytes";
        const std::string bv = test::ReadBytes(bvFile);
        ASSERT_TRUE(bv == oldBV.Text() || bv == newBV.Text())
            << "kill " << kill << ": a BV file of " << bv.size() << " bytes";
        (session == newSession.Text() ? newSeen : oldSeen)++;
    }
    // Both versions were on disk at some kill: the children did save, and were killed at
    // different moments.
    EXPECT_GT(oldSeen, 0);
    EXPECT_GT(newSeen, 0);
    for (const std::string& name : FindFiles(app.IniForm.SessionsPath)) {
        EXPECT_EQ(name.find("vxtmp"), std::string::npos) << name;
    }
}

}  // namespace
}  // namespace vx
