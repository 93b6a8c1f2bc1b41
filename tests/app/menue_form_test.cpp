#include <gtest/gtest.h>

#include "app/menue_form.h"
#include "platform/scripted_ui.h"
#include "settings/ini_form.h"
#include "support/installed.h"

namespace vx {
namespace {

const char* const kM3 =
    "Sie muessen zuerst eine Session geoeffnet haben um deren BR-Status aendern zu koennen.\r___\r"
    "You must have an open session to change the BR-status . ";

class MenuWiring : public ::testing::Test, protected test::Installed {
protected:
    MenuWiring() : menu(ui) {
        MenuTargets t;
        const auto record = [this](const char* what) {
            return [this, what] { calls.push_back(what); };
        };
        t.NewSession = record("Neu");
        t.ChooseSession = record("WaehleSession");
        t.SaveSession = record("Speichern");
        t.SaveSessionAs = record("SpeichernUnterSes");
        t.DeleteSession = record("DeleteSession");
        t.SaveResult = record("SaveResult");
        t.SaveTopicAs = record("SpeicherThemaUnter");
        t.OpenTopics = record("Oeffnen");
        t.OpenReadOnly = record("OeffneRO");
        t.OpenSet1BRLogic = record("OpenTEmplateLogic");
        t.OpenSetBRWizard = record("Oeffne");
        t.OpenDeploy = record("deploy");
        t.OpenHelp = record("OpenHelp");
        t.ShowAbout = record("About");
        t.SessionOpen = [this] { return sessionOpen; };
        menu.Wire(ini, t);
    }
    TMenueForm menu;
    std::vector<std::string> calls;
    bool sessionOpen = false;
};

TEST_F(MenuWiring, EntriesReachTheirOperations) {
    for (const char* name : {"NeueSes", "AuswaehlenSes", "SpeichernSes", "SpeichernUnterSes",
                             "LoeschenSes", "ResultSave", "VxMain", "ReadOnlys", "Set1BRLogic",
                             "deploy", "N5", "AboutvxHelp", "vxConfig"}) {
        menu.Click(name);
    }
    EXPECT_EQ(calls,
              (std::vector<std::string>{"Neu", "WaehleSession", "Speichern", "SpeichernUnterSes",
                                        "DeleteSession", "SaveResult", "Oeffnen", "OeffneRO",
                                        "OpenTEmplateLogic", "deploy", "OpenHelp", "About"}));
    EXPECT_TRUE(ui.Messages.empty());
}

TEST_F(MenuWiring, DisabledEntriesDoNothing) {
    menu.Click("NewS");
    menu.Click("Connections");
    menu.Click("Methoden");
    menu.Click("no such entry");
    EXPECT_TRUE(calls.empty());
    EXPECT_TRUE(ui.Messages.empty());
    menu.ConnectionsClick();
    ASSERT_EQ(ui.Messages.size(), 1u);
    EXPECT_EQ(ui.Messages[0],
              "Zur Zeit noch nicht implementiert. \rHier sollen Verbindungen zu entfernten Quellen "
              "wie\r___\r"
              "Not implemented yet.\rHere should be implemented to remote connections.");
}

TEST_F(MenuWiring, SetBRStepNeedsAnOpenSessionAndNoRunningComputation) {
    menu.Click("SetBRStep1");
    EXPECT_EQ(ui.Messages, std::vector<std::string>{kM3});
    sessionOpen = true;
    ini.RunState = "Sescomputing";
    menu.Click("SetBRStep1");
    EXPECT_EQ(ui.Messages.size(), 2u);
    EXPECT_TRUE(calls.empty());
    ini.RunState = "idle";
    menu.Click("SetBRStep1");
    EXPECT_EQ(calls, std::vector<std::string>{"Oeffne"});
}

}  // namespace
}  // namespace vx
