#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/vx_app.h"
#include "platform/scripted_ui.h"
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

// The application on a fresh copy of the demo installation.
class UpgradeTest : public ::testing::Test {
protected:
    UpgradeTest() : app(ui, dir.ProgramFileName()) { ui.ClearRecords(); }

    // Opens the demo's 1BR session "Morning", with the records of opening it cleared.
    void OpenMorning() {
        ASSERT_TRUE(app.SessionForm.OpenSession("Morning", false, ""));
        ui.ClearRecords();
    }
    // A path below the installation in the system's form ("Sessions\Morning.s1t").
    std::string At(const std::string& relative) const { return dir.SystemPath() + relative; }
    std::string Read(const std::string& relative) const { return dir.Read(HostForm(relative)); }
    bool Exists(const std::string& relative) const { return dir.Exists(HostForm(relative)); }
    static std::string HostForm(std::string relative) {
        std::replace(relative.begin(), relative.end(), '\\', '/');
        return relative;
    }

    DemoCopy dir;
    ScriptedUi ui;
    VxApp app;
    TIniForm& ini = app.IniForm;
    TSessionForm& session = app.SessionForm;
    TSetBRForm& wizard = app.SetBRForm;
    TListsForm& lists = app.ListsForm;
};

}  // namespace vx::test
