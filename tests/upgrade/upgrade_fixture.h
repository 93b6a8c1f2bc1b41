#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "app/vx_app.h"
#include "platform/scripted_ui.h"
#include "support/golden.h"
#include "support/temp_dir.h"

namespace vx::test {

// The wizard's step buttons in their order.
inline std::vector<TRadioButton*> StepButtons(TSetBRForm& w) {
    return {&w.RadioButton1BR,      &w.RadioButton2BRupgS1, &w.RadioButton2BRupgS2,
            &w.RadioButton2BRupgS3, &w.RadioButton2BRupgS4, &w.RadioButton2BR,
            &w.RadioButton3BR};
}

// Checks `radio` alone, as a click on it does.
inline void Pick(TSetBRForm& w, TRadioButton& radio) {
    for (TRadioButton* other : StepButtons(w)) {
        other->Checked = false;
    }
    radio.Checked = true;
}

// Lets the person act while a message box is open, as the file wizard of step 2 asks.
class UpgradeUi : public ScriptedUi {
public:
    void ShowMessage(std::string_view text) override {
        ScriptedUi::ShowMessage(text);
        if (OnMessage) {
            OnMessage(std::string(text));
        }
    }
    std::function<void(const std::string&)> OnMessage;
};

// The application on a fresh copy of the demo installation. What a test shows the person is
// compared as a whole with a golden transcript: tests/data/upgrade/<case>/messages.txt.
class UpgradeTest : public ::testing::Test {
protected:
    UpgradeTest() : app(ui, dir.ProgramFileName()) { ui.ClearRecords(); }

    // Opens the demo's 1BR session "Morning", with the records of opening it cleared.
    void OpenMorning() {
        ASSERT_TRUE(app.SessionForm.OpenSession("Morning", false, ""));
        ui.ClearRecords();
    }
    // Opens Morning with its 2BR directory holding the example session's ini files, the 2BR
    // paths set.
    void OpenMorningIn2BR() {
        OpenMorning();
        CopyTree(dir.path() / "Sessions/_2BR_Tst_vxDefUpg.txt/ini",
                 dir.path() / "Sessions/_2BR_Morning/ini");
        ini.SessionName = "Morning";
        ASSERT_EQ(ini.Set2BRPaths(), 1);
        ini.IniState = kIniState2BR;
    }
    // While step 2 runs, copies the example session's ini files (and with `session`, the
    // session file) into Morning's 2BR directory when its message asks for them.
    void CopyIniFilesWhenAsked(bool session) {
        ui.OnMessage = [this, session](const std::string& text) {
            if (text.find("Kopieren Sie die fertigen 2BR ini-Dateien") == std::string::npos) {
                return;
            }
            CopyTree(dir.path() / "Sessions/_2BR_Tst_vxDefUpg.txt/ini",
                     dir.path() / "Sessions/_2BR_Morning/ini");
            if (session) {
                std::filesystem::copy_file(dir.path() / "Sessions/Morning",
                                           dir.path() / "Sessions/_2BR_Morning/Morning");
            }
        };
    }

    // A line of the test's own in the transcript, such as what a step led to.
    void Note(const std::string& line) { ui.Log.push_back(line); }
    void NoteLines(const std::string& caption, const TextList& lines) {
        std::string text = caption;
        for (const std::string& line : lines.Lines()) {
            text += "\r" + line;
        }
        Note(text);
    }
    // IniState and ComputeMode, and each file below the installation ("Sessions/Morning.s1t")
    // byte for byte, its line ends shown as "\r\n", or that it is missing.
    void NoteStateAndFiles(const std::vector<std::string>& files) {
        Note("IniState " + std::to_string(ini.IniState) + ", ComputeMode " + ini.ComputeMode);
        for (const std::string& file : files) {
            std::string shown =
                ReplaceAll(dir.Exists(file) ? dir.Read(file) : "", "\r\n", "\\r\\n\r");
            if (!shown.empty() && shown.back() == '\r') {
                shown.pop_back();
            }
            Note(file + (std::filesystem::is_directory(dir.path() / file) ? ": directory"
                         : !dir.Exists(file)                              ? ": missing"
                         : shown.empty()                                  ? ": empty"
                                                                          : ":\r" + shown));
        }
    }
    // The transcript since the last ClearRecords, with the installation's root written as
    // "<root>\".
    std::string Transcript() const {
        std::vector<std::string> lines;
        for (const std::string& entry : ui.Log) {
            lines.push_back(ReplaceAll(entry, dir.SystemPath(), "<root>\\"));
        }
        return FormatMessages(lines);
    }
    // The transcript against tests/data/upgrade/<name>/messages.txt.
    void ExpectTranscript(const std::string& name) {
        const std::string actual = Transcript();
        DumpActual("upgrade", name, "messages.txt", actual);
        EXPECT_EQ(actual, ReadBytes(TestDataDir() / "upgrade" / name / "messages.txt"));
    }

    DemoCopy dir;
    UpgradeUi ui;
    VxApp app;
    TIniForm& ini = app.IniForm;
    TSessionForm& session = app.SessionForm;
    TSetBRForm& wizard = app.SetBRForm;
    TListsForm& lists = app.ListsForm;
};

}  // namespace vx::test
