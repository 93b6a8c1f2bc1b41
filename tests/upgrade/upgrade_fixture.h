#pragma once

#include <gtest/gtest.h>

#include <string>

#include "app/vx_app.h"
#include "platform/scripted_ui.h"
#include "support/temp_dir.h"

namespace vx::test {

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
    std::string Read(const std::string& relative) const {
        std::string host = relative;
        for (char& c : host) {
            c = c == '\\' ? '/' : c;
        }
        return dir.Read(host);
    }
    bool Exists(const std::string& relative) const {
        std::string host = relative;
        for (char& c : host) {
            c = c == '\\' ? '/' : c;
        }
        return dir.Exists(host);
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
