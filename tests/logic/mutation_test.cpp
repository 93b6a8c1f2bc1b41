#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <random>

#include "logic/loaders.h"
#include "platform/scripted_ui.h"
#include "platform/text_list.h"
#include "support/golden.h"
#include "support/temp_dir.h"

namespace vx {
namespace {

constexpr int kMutations = 3000;
constexpr unsigned kSeed = 20240604;

// Truncated, reordered, duplicated, removed, random-byte and re-valued versions of a file.
class Mutator {
public:
    explicit Mutator(unsigned seed) : rng_(seed) {}

    std::string Mutate(std::string bytes, std::string& what) {
        static const char* const kKinds[] = {"truncated",    "lines reordered", "line duplicated",
                                             "line removed", "random bytes",    "value changed"};
        const int kind = Pick(6);
        what = kKinds[kind];
        if (kind == 0) {
            return bytes.substr(0, Pick(static_cast<int>(bytes.size())));
        }
        if (kind == 4) {
            for (int n = 1 + Pick(8); n > 0 && !bytes.empty(); --n) {
                bytes[static_cast<std::size_t>(Pick(static_cast<int>(bytes.size())))] =
                    static_cast<char>(Pick(256));
            }
            return bytes;
        }
        TextList text;
        text.SetText(bytes);
        std::vector<std::string> lines = text.Lines();
        const auto at = lines.begin() + Pick(static_cast<int>(lines.size()));
        if (kind == 1) {
            const int length = 1 + Pick(std::min(20, static_cast<int>(lines.end() - at)));
            std::shuffle(at, at + length, rng_);
        } else if (kind == 2) {
            const std::string line = *at;
            lines.insert(lines.begin() + Pick(static_cast<int>(lines.size()) + 1), line);
        } else if (kind == 3) {
            lines.erase(at);
        } else if (at->find('=') != std::string::npos) {
            static const char* const kValues[] = {
                "",      "EMPTY", "-1", "0", "5",   "6",      "9",    "10",      "21",         "31",
                "99999", "YES",   "No", "(", "(10", "(1x,2)", "(00)", "(10,20)", "(10,20,30)", "x"};
            *at = at->substr(0, at->find('=') + 1) + kValues[Pick(std::size(kValues))];
        }
        text.Assign(lines);
        return text.Text();
    }

private:
    int Pick(int n) { return n <= 0 ? 0 : std::uniform_int_distribution<int>(0, n - 1)(rng_); }

    std::mt19937 rng_;
};

// The checks every run must pass, whatever the input: a failure shows a message, and no
// count or valence in the model exceeds its table.
void CheckModel(const LogicModel& m) {
    EXPECT_LE(m.MainUnaryOps.Number, kMaxLogops);
    EXPECT_LE(m.MainBinaryOps.Number, kMaxLogops);
    for (int r = 1; r <= kMaxRangeLogics; ++r) {
        EXPECT_LE(m.RLUnaryOps[r].Number, kMaxLogops);
        EXPECT_LE(m.RLBinaryOps[r].Number, kMaxLogops);
        EXPECT_LE(m.RLTypes[r].Valence, kMaxValence);
    }
    for (int t = 1; t <= kXWTypes; ++t) {
        EXPECT_LE(m.XWType(t).Valence, kMaxValence);
    }
    EXPECT_LE(m.RangeArrays.Count, kMaxRangeArrays);
    EXPECT_LE(m.MaxDVXRNum, kMaxDVXRNums);
}

// Runs the loaders on the installation; returns whether one of them failed.
bool RunLoaders(const test::DemoCopy& dir, bool dvxr) {
    ScriptedUi ui;
    auto model = std::make_unique<LogicModel>();
    bool failed = false;
    if (dvxr) {
        const int result = logic::ReadDVXRIni(*model, dir.SystemPath() + "System\\", ui);
        EXPECT_TRUE(result == 1 || result == -1) << result;
        EXPECT_EQ(logic::Process_DVXRini(*model), 1);
        failed = result != 1;
    } else {
        logic::TwoBRSettings settings;
        settings.SessionsPath = dir.SystemPath() + "Sessions\\";
        settings.SessionName = "Breakfast";
        const int loaded = logic::Read2BRIni(settings, *model, ui);
        EXPECT_TRUE(loaded == 1 || loaded == 0) << loaded;
        EXPECT_EQ(settings.IniState, loaded == 1 ? kIniState2BR : kIniState1BR);
        const std::size_t shown = ui.Messages.size();
        const int updated = logic::UpgrSE22BR(*model, settings.Paths.BR2IniPath, ui);
        EXPECT_TRUE(updated == 1 || updated == -1) << updated;
        if (updated != 1) {
            EXPECT_GT(ui.Messages.size(), shown) << "UpgrSE22BR failed without a message";
        }
        failed = loaded != 1 || updated != 1;
    }
    if (failed) {
        EXPECT_FALSE(ui.Messages.empty()) << "a loader failed without a message";
    }
    CheckModel(*model);
    return failed;
}

TEST(LogicMutations, EveryLoaderFailsWithAMessageAndStaysInsideItsTables) {
    test::DemoCopy dir;
    std::map<std::string, std::string> originals;  // relative path -> bytes
    for (const char* relative :
         {"Sessions/_2BR_Breakfast/ini/Main.ini", "Sessions/_2BR_Breakfast/ini/Logic.ini",
          "Sessions/_2BR_Breakfast/ini/RangeLogic.ini",
          "Sessions/_2BR_Breakfast/ini/RangeArrays.ini",
          "Sessions/_2BR_Breakfast/ini/SEupdRules.ini", "System/DVXR.ini"}) {
        originals[relative] = test::ReadBytes(dir.path() / relative);
    }
    Mutator mutator(kSeed);
    std::mt19937 choose(kSeed + 1);
    int failures = 0;
    for (int i = 0; i < kMutations && !HasFailure(); ++i) {
        const auto& [file, original] = *std::next(originals.begin(), choose() % originals.size());
        std::string what;
        dir.Write(file, mutator.Mutate(original, what));
        try {
            SCOPED_TRACE("mutation " + std::to_string(i) + " of " + file + ": " + what);
            failures += RunLoaders(dir, file == "System/DVXR.ini") ? 1 : 0;
        } catch (const std::exception& e) {
            ADD_FAILURE() << "mutation " << i << " of " << file << " (" << what
                          << ") threw: " << e.what();
        }
        dir.Write(file, original);
    }
    // Most mutations must reach a check; otherwise the test proves little.
    EXPECT_GT(failures, kMutations / 4);
}

}  // namespace
}  // namespace vx
