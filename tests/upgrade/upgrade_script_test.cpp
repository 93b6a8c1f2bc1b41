#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "platform/host_path.h"
#include "upgrade_fixture.h"

// The set-up wizard, the lists window's step buttons and the 1BR logic window, driven by a
// script per case: tests/data/upgrade/scripts/<case>/script.txt holds what the person does, a
// line each ("#" lines are remarks). Each line goes into the transcript ("> line") followed by
// what it showed, and the transcript must equal expected.txt of the case.
namespace vx::test {
namespace {

class UpgradeScript : public UpgradeTest, public ::testing::WithParamInterface<std::string> {
protected:
    using Action = std::function<void(const std::string& argument)>;

    void Play(const std::string& line) {
        Note(line.rfind('#', 0) == 0 ? line : "> " + line);
        if (line.empty() || line[0] == '#') {
            return;
        }
        const std::size_t blank = line.find(' ');
        const std::string command = line.substr(0, blank);
        const auto action = actions_.find(command);
        ASSERT_NE(action, actions_.end()) << line;
        action->second(blank == std::string::npos ? "" : line.substr(blank + 1));
    }
    TMemo& Memo(const std::string& name) { return *memos_.at(name); }
    // "name a | b" sets the memo's lines; "name" alone empties it.
    void SetLines(const std::string& argument) {
        const std::size_t blank = argument.find(' ');
        TextList lines;
        if (blank != std::string::npos) {
            std::string rest = argument.substr(blank + 1);
            for (std::size_t bar; (bar = rest.find(" | ")) != std::string::npos;
                 rest = rest.substr(bar + 3)) {
                lines.Add(rest.substr(0, bar));
            }
            lines.Add(rest);
        }
        Memo(argument.substr(0, blank)).Lines = lines;
    }
    // Which windows are shown, with the wizard's checked button, step and mode, the lists page.
    std::string Windows() {
        std::string checked = "none";
        for (const TRadioButton* radio : StepButtons(wizard)) {
            checked = radio->Checked ? radio->Caption : checked;
        }
        const auto shown = [](bool visible) { return visible ? "shown" : "hidden"; };
        return std::string("wizard ") + shown(wizard.Visible) + ", " + checked + ", step " +
               wizard.Step + ", mode " + std::to_string(wizard.Mode) + " | lists " +
               shown(lists.Visible) + ", page " +
               std::to_string(lists.PageControl.ActivePageIndex) + " | 1BR logic " +
               shown(app.Form1BRLogic.Visible) + " | step 4 " + shown(app.Step4UpgrMan.Visible) +
               (wizard.RadioButton3BR.Enabled ? " | 3 BR enabled" : "");
    }

    TStep4UpgrMan& manual = app.Step4UpgrMan;
    TForm1BRLogic& logic = app.Form1BRLogic;
    const std::map<std::string, std::function<void()>> buttons_ = {
        {"wizard.open", [this] { wizard.Oeffne(); }},
        {"wizard.hide", [this] { wizard.Hide(); }},
        {"wizard.OK", [this] { wizard.ButtonOKClick(); }},
        {"wizard.Help", [this] { wizard.ButtonHelpClick(); }},
        {"lists.TSsave", [this] { lists.ButtonTSsaveClick(); }},
        {"lists.Finish_Step1", [this] { lists.Button_Finish_Step1Click(); }},
        {"lists.Save", [this] { lists.Button_SaveClick(); }},
        {"lists.FinishSaveUpdRules", [this] { lists.ButtonFinishSaveUpdRulesClick(); }},
        {"lists.S4MapSave", [this] { lists.ButtonS4MapSaveClick(); }},
        {"lists.SaveManualList", [this] { lists.ButtonSaveManualListClick(); }},
        {"lists.FinishUpgr", [this] { lists.ButtonFinishUpgrClick(); }},
        {"lists.step3", [this] { Note("  -> " + std::to_string(lists.ProcessUpgrSE22BR())); }},
        {"lists.step4", [this] { Note("  -> " + std::to_string(lists.ProcessUpgrStep4())); }},
        {"logic.open", [this] { logic.OpenTEmplateLogic(); }},
        {"logic.Save", [this] { logic.ButtonSaveClick(); }},
        {"logic.Close", [this] { logic.Close(); }},
        {"manual.open", [this] { manual.Oeffne(); }},
    };
    const std::map<std::string, TMemo*> memos_ = {
        {"session.SessionMemo", &session.SessionMemo},
        {"session.InterprtMemo", &session.InterprtMemo},
        {"lists.Memo_TS_Settings", &lists.Memo_TS_Settings},
        {"lists.MemoGeneral_Logic", &lists.MemoGeneral_Logic},
        {"lists.MemoExceptionLogic", &lists.MemoExceptionLogic},
        {"lists.Memo_SEupgrBase", &lists.Memo_SEupgrBase},
        {"lists.MemoS3updateRules", &lists.MemoS3updateRules},
        {"lists.MemoStep3Logics", &lists.MemoStep3Logics},
        {"lists.MemoStep3Ranges", &lists.MemoStep3Ranges},
        {"lists.MemoMapSETStoLogics", &lists.MemoMapSETStoLogics},
        {"lists.MemoS4ManualList", &lists.MemoS4ManualList},
        {"logic.MemoGeneralLogic", &logic.MemoGeneralLogic},
        {"manual.MemoSession", &manual.MemoSession},
        {"manual.MemoTS", &manual.MemoTS},
        {"manual.MemoBV", &manual.MemoBV},
    };
    const std::map<std::string, TRadioButton*> radios_ = {
        {"1BR", &wizard.RadioButton1BR},        {"step1", &wizard.RadioButton2BRupgS1},
        {"step2", &wizard.RadioButton2BRupgS2}, {"step3", &wizard.RadioButton2BRupgS3},
        {"step4", &wizard.RadioButton2BRupgS4}, {"2BR", &wizard.RadioButton2BR},
    };
    const std::map<std::string, Action> actions_ = {
        {"open", [this](const std::string&) { OpenMorning(); }},
        {"open2br", [this](const std::string&) { OpenMorningIn2BR(); }},
        {"unnamed", [this](const std::string&) { session.Opened = 1; }},
        {"write",
         [this](const std::string& a) {
             const std::size_t blank = a.find(' ');
             dir.Write(a.substr(0, blank),
                       ReplaceAll(ReplaceAll(a.substr(blank + 1), "\\r", "\r"), "\\n", "\n"));
         }},
        {"mkdir", [this](const std::string& a) { dir.MakeDir(a); }},
        {"remove", [this](const std::string& a) { std::filesystem::remove(dir.path() / a); }},
        {"ini",
         [this](const std::string& a) {
             ini.IniState = std::stoi(a);
             ini.ComputeMode = a.size() > 2 ? a.substr(2) : "";
         }},
        {"lines", [this](const std::string& a) { SetLines(a); }},
        {"add",
         [this](const std::string& a) {
             const std::size_t blank = a.find(' ');
             Memo(a.substr(0, blank)).Lines.Add(a.substr(blank + 1));
         }},
        {"pick", [this](const std::string& a) { Pick(wizard, *radios_.at(a)); }},
        {"click", [this](const std::string& a) { buttons_.at(a)(); }},
        {"menu", [this](const std::string& a) { app.MenueForm.Click(a); }},
        {"refuse_rules_directory",
         [this](const std::string&) {
             wizard.CreateDir = [this](const std::string& directory) {
                 return directory != ini.BR2RegelnPath && ForceDirectories(directory);
             };
         }},
        {"state",
         [this](const std::string& a) {
             std::istringstream files(a);
             std::vector<std::string> names;
             for (std::string name; files >> name;) {
                 names.push_back(name);
             }
             NoteStateAndFiles(names);
         }},
        {"show", [this](const std::string& a) { NoteLines(a + ":", Memo(a).Lines); }},
        // "memo file": whether the memo holds the text of the file.
        {"same",
         [this](const std::string& a) {
             const std::size_t blank = a.find(' ');
             const bool same =
                 Memo(a.substr(0, blank)).Lines.Text() == dir.Read(a.substr(blank + 1));
             Note(same ? "  the same" : "  different");
         }},
        {"windows", [this](const std::string&) { Note(Windows()); }},
    };
};

TEST_P(UpgradeScript, PlaysItsScriptAndShowsWhatIsExpected) {
    const std::filesystem::path folder = TestDataDir() / "upgrade/scripts" / GetParam();
    for (const std::string& line : LinesOf(folder / "script.txt")) {
        Play(line);
    }
    const std::string actual = Transcript();
    DumpActual("upgrade/scripts", GetParam(), "expected.txt", actual);
    EXPECT_EQ(actual, ReadBytes(folder / "expected.txt"));
}

INSTANTIATE_TEST_SUITE_P(Cases, UpgradeScript,
                         ::testing::ValuesIn(GoldenCases(TestDataDir() / "upgrade/scripts")),
                         GoldenName());

}  // namespace
}  // namespace vx::test
