#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "app/vx_app.h"
#include "platform/host_path.h"
#include "platform/scripted_ui.h"
#include "platform/text_list.h"
#include "support/golden.h"
#include "support/temp_dir.h"

// Golden folders of the session workflow. A case runs a script of operations on a copy of
// the demo installation (with the case's "install" folder laid over it) and compares a
// transcript: for every operation the dialogs, questions and messages in order, the session
// state with its lists and Temp\AktSes.ini (the lines that changed), and every file below the
// installation that the operation created, changed or removed. With VX_GOLDEN_DUMP set, the actual
// transcript is also written there.
//
// Script lines:
//   new [name]            "Session new"; the dialog gets the name and OK (Cancel if refused)
//   new-cancel            "Session new", the dialog is cancelled
//   answer Yes|No|Cancel  answers the next question
//   choose dir file       "Session choose": enters dir below Sessions ("." stays), selects
//                         file ("-": none, then Cancel) and presses Select
//   save, saveas [name], close, help, tsstart
//   quit                  "File > Quit"; the transcript says whether the program ends
//   add memo text         appends a line to a list of the session window
//   mkdir path, fifo path, remove path   prepare the installation (paths with "\"); mkdir
//                         replaces a file of that name
//   activate SE, tick tab page box, aktiv tab, closerel   drive the topics and relations windows

namespace vx {
namespace {

namespace fs = std::filesystem;
using Snapshot = std::map<std::string, std::string>;

fs::path Suite() {
    return test::TestDataDir() / "session" / "workflow";
}

fs::path HostPath(const fs::path& root, std::string relative) {
    for (char& c : relative) {
        c = c == '\\' ? '/' : c;
    }
    return root / relative;
}

Snapshot Files(const fs::path& root) {
    Snapshot files;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        if (entry.is_regular_file()) {
            std::string relative = fs::relative(entry.path(), root).generic_string();
            for (char& c : relative) {
                c = c == '/' ? '\\' : c;
            }
            files[relative] = test::ReadBytes(entry.path());
        }
    }
    return files;
}

std::string Indented(const std::string& bytes) {
    TextList lines;
    lines.SetText(bytes);
    std::string text;
    for (const std::string& line : lines.Lines()) {
        text += "  | " + line + "\n";
    }
    return text;
}

std::vector<std::string> Split(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

std::string Joined(const TMemo& memo) {
    std::string text;
    for (const std::string& line : memo.Lines.Lines()) {
        text += (text.empty() ? "" : " | ") + line;
    }
    return text;
}

class Workflow {
public:
    explicit Workflow(const fs::path& caseDir) {
        test::CopyTree(test::DemoDir(), dir_.path());
        if (fs::exists(caseDir / "install")) {
            test::CopyTree(caseDir / "install", dir_.path());
        }
        root_ = dir_.SystemPath();
        app_ = std::make_unique<VxApp>(ui_, root_ + "System\\vx");
        before_ = Files(dir_.path());
        out_ << "start\n";
        Record();
    }

    void Run(const std::string& line) {
        std::istringstream in(line);
        std::string op, a, b;
        in >> op >> a;
        std::getline(in >> std::ws, b);
        out_ << "\n> " << line << "\n";
        Do(op, a, b);
        const bool unused = op != "answer" && !ui_.AllAnswersUsed();
        Record();
        if (op == "quit") {
            out_ << "program ends: " << (app_->TerminateRequested() ? "yes" : "no") << "\n";
        }
        if (unused) {
            out_ << "not asked: the queued answer or dialog\n";
            ui_.DropQueued();
        }
    }

    std::string Transcript() const { return test::ReplaceAll(out_.str(), root_, "<root>\\"); }

private:
    TMemo& Memo(const std::string& name) {
        TSessionForm& s = app_->SessionForm;
        const std::map<std::string, TMemo*> memos = {
            {"SessionMemo", &s.SessionMemo}, {"InterprtMemo", &s.InterprtMemo},
            {"MemoLK", &s.MemoLK},           {"MemoLzB", &s.MemoLzB},
            {"Memo2BRSes", &s.Memo2BRSes},   {"MemoTS", &s.MemoTS}};
        return *memos.at(name);
    }

    void QueueName(const std::string& dialogName, const std::string& name) {
        ui_.QueueDialog(
            [name](ModalForm& dialog) {
                if (auto* neue = dynamic_cast<TNeueSessionForm*>(&dialog)) {
                    neue->EditNeueSession.Text = name;
                    neue->ButtonOKClick();
                    if (neue->ModalAnswer == ModalResult::None) {
                        neue->ButtonCancelClick();
                    }
                } else if (auto* saveAs = dynamic_cast<TFormSaveAs*>(&dialog)) {
                    saveAs->EditSaveAs.Text = name;
                    saveAs->ButtonOKClick();
                    if (saveAs->ModalAnswer == ModalResult::None) {
                        saveAs->ButtonCancelClick();
                    }
                }
            },
            dialogName);
    }

    void QueueChoice(const std::string& directory, const std::string& file) {
        ui_.QueueDialog(
            [directory, file](ModalForm& dialog) {
                auto& choose = dynamic_cast<TWahleDlgBoxForm&>(dialog);
                std::istringstream parts(directory == "." ? "" : directory);
                for (std::string part; std::getline(parts, part, '\\');) {
                    choose.DirectoryListBox.Enter(part);
                    choose.DirectoryListBoxChange();
                }
                const auto& items = choose.FileListBox.Items;
                for (std::size_t i = 0; i < items.size(); ++i) {
                    if (items[i] == file) {
                        choose.FileListBox.ItemIndex = static_cast<int>(i);
                    }
                }
                choose.ButtonSelectClick();
                if (choose.ModalAnswer == ModalResult::None) {
                    choose.ButtonCancelClick();
                }
            },
            "TWahleDlgBoxForm");
    }

    void Do(const std::string& op, const std::string& a, const std::string& b) {
        TSessionForm& session = app_->SessionForm;
        if (op == "new") {
            QueueName("TNeueSessionForm", a);
            app_->MenueForm.Click("NeueSes");
        } else if (op == "new-cancel") {
            ui_.QueueDialog([](ModalForm& dialog) { dialog.ModalAnswer = ModalResult::Cancel; },
                            "TNeueSessionForm");
            app_->MenueForm.Click("NeueSes");
        } else if (op == "answer") {
            ui_.QueueAnswer(a == "Yes"  ? ModalResult::Yes
                            : a == "No" ? ModalResult::No
                                        : ModalResult::Cancel);
        } else if (op == "choose") {
            QueueChoice(a, b);
            app_->MenueForm.Click("AuswaehlenSes");
        } else if (op == "save") {
            app_->MenueForm.Click("SpeichernSes");
        } else if (op == "saveas") {
            QueueName("TFormSaveAs", a);
            app_->MenueForm.Click("SpeichernUnterSes");
        } else if (op == "close") {
            session.Close();
        } else if (op == "quit") {
            app_->MenueForm.Click("Quit");
        } else if (op == "help") {
            session.SessionHelpButtonClick();
        } else if (op == "tsstart") {
            session.ButtonTSStartClick();
        } else if (op == "add") {
            Memo(a).Lines.Add(b);
        } else if (op == "mkdir") {
            const fs::path path = HostPath(dir_.path(), a);
            if (fs::is_regular_file(path)) {
                fs::remove(path);  // a file replaced by a directory of its name
            }
            fs::create_directories(path);
        } else if (op == "fifo") {
            ASSERT_EQ(::mkfifo(HostPath(dir_.path(), a).c_str(), 0600), 0);
        } else if (op == "remove") {
            fs::remove_all(HostPath(dir_.path(), a));
        } else if (op == "activate") {
            app_->VxMainFormSaetze.EditAktiviere.Text = a;
            app_->VxMainFormSaetze.ButtonAktiviereClick();
        } else if (op == "tick") {
            std::istringstream rest(b);
            std::size_t page = 0, box = 0;
            rest >> page >> box;
            app_->WWRelForm.Tab(std::stoi(a)).Relations.Pages.at(page).Boxes.at(box).Checked = true;
        } else if (op == "aktiv") {
            app_->WWRelForm.AktivButtonClick(std::stoi(a));
        } else if (op == "closerel") {
            app_->WWRelForm.Close();
        } else {
            ADD_FAILURE() << "unknown operation " << op;
        }
    }

    std::string State() {
        const TSessionForm& s = app_->SessionForm;
        const TIniForm& ini = app_->IniForm;
        std::ostringstream out;
        out << "state: \"" << s.Caption << "\" visible " << s.Visible << ", opened "
            << int(s.Opened) << ", name \"" << s.SesName << "\"\n";
        out << "  file " << s.SessionFilePath << ", BV " << s.BVPath << "\n";
        out << "  IniState " << ini.IniState << ", ComputeMode \"" << ini.ComputeMode
            << "\", SessionName \"" << ini.SessionName << "\", Session2BRPath "
            << ini.Session2BRPath << "\n";
        for (const char* name :
             {"SessionMemo", "InterprtMemo", "MemoLK", "MemoLzB", "Memo2BRSes", "MemoTS"}) {
            out << "  " << name << ": " << Joined(Memo(name)) << "\n";
        }
        out << "  MemoTH: " << Joined(s.MemoTH) << "\n";
        TextList active;
        active.SetText(test::ReadBytes(HostPath(dir_.path(), "Temp\\AktSes.ini")));
        TMemo activeMemo;
        activeMemo.Lines = active;
        out << "  Temp\\AktSes.ini: " << Joined(activeMemo) << "\n";
        return out.str();
    }

    void Record() {
        for (const std::string& entry : ui_.Log) {
            std::string shown = entry;
            std::replace(shown.begin(), shown.end(), '\r', '\n');
            out_ << shown << "\n";
            if (entry.rfind("dialog: ", 0) != 0) {
                out_ << "--- end\n";
            }
        }
        for (const std::string& unexpected : ui_.Unexpected) {
            out_ << "UNEXPECTED " << unexpected << "\n";
        }
        ui_.ClearRecords();
        const std::vector<std::string> state = Split(State());
        for (std::size_t i = 0; i < state.size(); ++i) {
            if (i >= lastState_.size() || state[i] != lastState_[i]) {
                out_ << state[i] << "\n";
            }
        }
        lastState_ = state;
        const Snapshot now = Files(dir_.path());
        for (const auto& [path, bytes] : now) {
            const auto old = before_.find(path);
            if (path != "Temp\\AktSes.ini" && (old == before_.end() || old->second != bytes)) {
                out_ << (old == before_.end() ? "new " : "changed ") << path << "\n"
                     << Indented(bytes);
            }
        }
        for (const auto& [path, bytes] : before_) {
            if (now.count(path) == 0) {
                out_ << "removed " << path << "\n";
            }
        }
        before_ = now;
    }

    test::TempDir dir_;
    std::string root_;
    ScriptedUi ui_;
    std::unique_ptr<VxApp> app_;
    Snapshot before_;
    std::vector<std::string> lastState_;
    std::ostringstream out_;
};

class WorkflowGolden : public ::testing::TestWithParam<std::string> {};

TEST_P(WorkflowGolden, TranscriptMatches) {
    const fs::path caseDir = Suite() / GetParam();
    Workflow workflow(caseDir);
    TextList script;
    script.LoadFromFile(ToSystemPath(caseDir / "script.txt"));
    for (const std::string& line : script.Lines()) {
        if (!line.empty() && line[0] != '#') {
            workflow.Run(line);
        }
    }
    const std::string actual = workflow.Transcript();
    test::DumpActual("workflow", GetParam(), "expected.txt", actual);
    EXPECT_EQ(actual, test::ReadBytes(caseDir / "expected.txt"));
}

INSTANTIATE_TEST_SUITE_P(Folders, WorkflowGolden, testing::ValuesIn(test::GoldenCases(Suite())),
                         test::GoldenName());

}  // namespace
}  // namespace vx
