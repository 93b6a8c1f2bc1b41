#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "app/vx_app.h"
#include "platform/host_path.h"
#include "platform/scripted_ui.h"
#include "platform/text_list.h"
#include "support/golden.h"
#include "support/temp_dir.h"
#include "support/write_limit.h"

// Golden folders of the session workflow: a script of operations on a copy of the demo
// installation and the transcript it gives. tests/data/session/workflow/README.txt describes them.

namespace vx {
namespace {

namespace fs = std::filesystem;
using Snapshot = std::map<std::string, std::string>;
using Lines = std::vector<std::string>;

fs::path Suite() {
    return test::TestDataDir() / "session" / "workflow";
}

fs::path HostPath(const fs::path& root, std::string relative) {
    std::replace(relative.begin(), relative.end(), '\\', '/');
    return root / relative;
}

Snapshot Files(const fs::path& root) {
    Snapshot files;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        if (entry.is_regular_file()) {
            std::string relative = fs::relative(entry.path(), root).generic_string();
            std::replace(relative.begin(), relative.end(), '/', '\\');
            files[relative] = test::ReadBytes(entry.path());
        }
    }
    return files;
}

Lines LinesOfText(const std::string& bytes) {
    TextList lines;
    lines.SetText(bytes);
    return lines.Lines();
}

std::string Joined(const Lines& lines) {
    std::string text;
    for (const std::string& line : lines) {
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
        app_->SessionDelete.Stamp = [] { return std::string("2026-12-07_10-00-00"); };
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
        if (op == "run" || op == "explain" || op == "smallest") {
            RecordResultWindow();
        }
        if (unused) {
            out_ << "not asked: the queued answer or dialog\n";
            ui_.DropQueued();
        }
    }

    // The installation written "<root>", in the system's path form and in the host's.
    std::string Transcript() const {
        const std::string text = test::ReplaceAll(out_.str(), root_, "<root>\\");
        return test::ReplaceAll(text, dir_.path().string(), "<root>");
    }

private:
    void RecordResultWindow() {
        const TResultForm& result = app_->ResultForm;
        out_ << "result window visible " << result.Visible << ", RunState "
             << app_->IniForm.RunState << ", smallest conflict button "
             << result.ButtonSmallestConflict.Enabled
             << "\n  Result: " << Joined(result.ResultMemo.Lines.Lines())
             << "\n  Last Results: " << Joined(result.Memo_Last_Results.Lines.Lines())
             << "\n  Explanation:\n";
        for (const std::string& line : result.Memo_Explanation.Lines.Lines()) {
            out_ << "  | " << line << "\n";
        }
    }

    // The lists of the session window, in the order the state shows them.
    std::vector<std::pair<std::string, TMemo*>> Memos() {
        TSessionForm& s = app_->SessionForm;
        return {{"SessionMemo", &s.SessionMemo},
                {"InterprtMemo", &s.InterprtMemo},
                {"MemoLK", &s.MemoLK},
                {"MemoLzB", &s.MemoLzB},
                {"Memo2BRSes", &s.Memo2BRSes},
                {"MemoTS", &s.MemoTS},
                {"MemoTH", &s.MemoTH}};
    }

    TMemo& Memo(const std::string& name) {
        const auto memos = Memos();
        const auto it = std::find_if(memos.begin(), memos.end(),
                                     [&name](const auto& memo) { return memo.first == name; });
        return *memos.at(static_cast<std::size_t>(it - memos.begin())).second;
    }

    // Types `name` into the dialog's edit box and presses OK; a refused name cancels the
    // dialog. With `keep`, no name keeps what the box holds and "-" types none.
    template <class Dialog>
    void QueueTyped(TEdit Dialog::*edit, const std::string& name, const std::string& dialogName,
                    bool keep = false) {
        ui_.QueueDialog(
            [edit, name, keep](ModalForm& form) {
                if (auto* dialog = dynamic_cast<Dialog*>(&form)) {
                    if (!keep || !name.empty()) {
                        (dialog->*edit).Text = keep && name == "-" ? "" : name;
                    }
                    dialog->ButtonOKClick();
                    if (dialog->ModalAnswer == ModalResult::None) {
                        dialog->ButtonCancelClick();
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
        TMenueForm& menu = app_->MenueForm;
        if (op == "new") {
            QueueTyped(&TNeueSessionForm::EditNeueSession, a, "TNeueSessionForm");
            menu.Click("NeueSes");
        } else if (op == "new-cancel") {
            ui_.QueueDialog([](ModalForm& dialog) { dialog.ModalAnswer = ModalResult::Cancel; },
                            "TNeueSessionForm");
            menu.Click("NeueSes");
        } else if (op == "answer") {
            ui_.QueueAnswer(a == "Yes"  ? ModalResult::Yes
                            : a == "No" ? ModalResult::No
                                        : ModalResult::Cancel);
        } else if (op == "choose" || op == "delete") {
            QueueChoice(a, b);
            menu.Click(op == "choose" ? "AuswaehlenSes" : "LoeschenSes");
        } else if (op == "save") {
            menu.Click("SpeichernSes");
        } else if (op == "saveas") {
            QueueTyped(&TFormSaveAs::EditSaveAs, a, "TFormSaveAs");
            menu.Click("SpeichernUnterSes");
        } else if (op == "resultsave") {
            QueueTyped(&TSaveAsResForm::EditSaveAsRes, a, "TSaveAsResForm", true);
            menu.Click("ResultSave");
        } else if (op == "menu") {
            ui_.QueueDialog([](ModalForm& dialog) { dialog.ModalAnswer = ModalResult::Cancel; });
            menu.Click(a);
        } else if (op == "computing") {
            app_->IniForm.RunState = a == "on" ? kRunStateComputing : kRunStateIdle;
        } else if (op == "close") {
            session.Close();
        } else if (op == "quit") {
            menu.Click("Quit");
        } else if (op == "help") {
            session.SessionHelpButtonClick();
        } else if (op == "tsstart") {
            session.ButtonTSStartClick();
        } else if (op == "run") {
            session.SessionStartButtonClick();
        } else if (op == "explain") {
            TListBox& values = app_->ResultForm.ListBoxSEValues;
            const auto it = std::find(values.Items.begin(), values.Items.end(), a);
            values.ItemIndex =
                it == values.Items.end() ? -1 : static_cast<int>(it - values.Items.begin());
            app_->ResultForm.ListBoxSEValuesClick();
        } else if (op == "smallest") {
            app_->ResultForm.ButtonSmallestConflictClick();
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
        } else if (op == "write") {
            dir_.Write(HostPath("", a).string(), b);
        } else if (op == "readonly" || op == "writable") {
            const auto all =
                fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
            const bool readOnly = op == "readonly";
            fs::permissions(HostPath(dir_.path(), a), readOnly ? all : fs::perms::owner_write,
                            readOnly ? fs::perm_options::remove : fs::perm_options::add);
            diskFull_.reset();
            if (readOnly && ::geteuid() == 0) {
                diskFull_.emplace(0);
            }
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

    Lines State() {
        const TSessionForm& s = app_->SessionForm;
        const TIniForm& ini = app_->IniForm;
        Lines state;
        const auto add = [&state](const auto&... parts) {
            std::ostringstream line;
            (line << ... << parts);
            state.push_back(line.str());
        };
        add("state: \"", s.Caption, "\" visible ", s.Visible, ", opened ", int(s.Opened),
            ", name \"", s.SesName, "\"");
        add("  file ", s.SessionFilePath, ", BV ", s.BVPath);
        add("  IniState ", ini.IniState, ", ComputeMode \"", ini.ComputeMode, "\", SessionName \"",
            ini.SessionName, "\", Session2BRPath ", ini.Session2BRPath);
        for (const auto& [name, memo] : Memos()) {
            add("  ", name, ": ", Joined(memo->Lines.Lines()));
        }
        const std::string active = test::ReadBytes(HostPath(dir_.path(), "Temp\\AktSes.ini"));
        add("  Temp\\AktSes.ini: ", Joined(LinesOfText(active)));
        return state;
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
        const Lines state = State();
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
                out_ << (old == before_.end() ? "new " : "changed ") << path << "\n";
                for (const std::string& line : LinesOfText(bytes)) {
                    out_ << "  | " << line << "\n";
                }
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
    Lines lastState_;
    std::ostringstream out_;
    std::optional<test::WriteLimit> diskFull_;
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
