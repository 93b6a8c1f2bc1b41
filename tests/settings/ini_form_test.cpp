#include <gtest/gtest.h>

#include <regex>

#include "platform/scripted_ui.h"
#include "settings/ini_form.h"
#include "support/temp_dir.h"

namespace vx {
namespace {

const char* const kUserEnd =
    "Fehler beim Lesen des user End-Bereiches.\rKontollieren Sie die System\\vx.ini Datei.\r___\r"
    "Error at reading the user-End range.\rCheck the system\\vx.ini File.";
const char* const kAuthorBegin =
    "Fehler beim Lesen des author Begin-Bereiches.\rKontollieren Sie die System\\vx.ini "
    "Datei.\r___\r"
    "Error at reading the author-Begin range.\rCheck the system\\vx.ini File.";
const char* const kEveryOne =
    "Fehler beim Lesen des Paths fuer Everyone.\rKontollieren Sie die System\\vx.ini Datei.\r"
    "Die Appliktion wird beendet.\r___\rError at reading the Paths of everyone.\r"
    "Check the system\\vx.ini File.\rThe appliction will be terminated.";
const char* const kEditor =
    "Fehler beim Lesen des Editor-Paths.\rKontollieren Sie die System\\vx.ini Datei.\r___\r"
    "Error at reading the deploy-Paths.\rCheck the system\\vx.ini File.";
const char* const kReadIni =
    "Fehler beim Lesen der IniDatei vx.ini\rKontollieren Sie die ini Datei.\r"
    "Die Appliktion wird beendet.\r___\rError at reading the vx.ini file.\r"
    "Check the system\\vx.ini File. The application terminates";
const char* const kConvert =
    "Fehler beim Konvertieren von setups Range Number-Daten von vx.ini.\r"
    "Kontollieren Sie die ini Datei.\rDie Appliktion wird beendet.\r___\r"
    "Error at converting of setup range data from vx.ini.\rCheck the system\\vx.ini File. "
    "The application terminates";

// The standard vx.ini with one line replaced (or removed when `replacement` is empty).
std::string VxIniWith(const std::string& pattern, const std::string& replacement) {
    return std::regex_replace(test::StandardVxIni(), std::regex(pattern + "[^\r]*\r\n"),
                              replacement);
}

struct Started {
    explicit Started(const std::string& vxIni)
        : install(vxIni), ini(ui, app, install.ProgramFileName()) {}
    test::TempInstallation install;
    ScriptedUi ui;
    TApplication app;
    TIniForm ini;
};

TEST(IniFormRoot, DerivesEveryPathFromTheProgramFile) {
    ScriptedUi ui;
    TApplication app;
    TIniForm ini(ui, app, "D:\\inst\\System\\prog.exe");
    EXPECT_EQ(ini.vxPath, "D:\\inst\\");
    EXPECT_EQ(ini.RootPath, "D:\\inst\\");
    EXPECT_EQ(ini.SystemPath, "D:\\inst\\System\\");
    EXPECT_EQ(ini.ImportsPath, "D:\\inst\\Temp\\imports\\");
    EXPECT_EQ(ini.SesBkpPath, "D:\\inst\\Sessions\\SesBkp\\");
    EXPECT_EQ(ini.TemplatesPath, "D:\\inst\\Text\\Templates\\");
    EXPECT_EQ(ini.vxIniFile, "D:\\inst\\System\\vx.ini");
    // There is no such installation on this host: reading vx.ini fails.
    EXPECT_EQ(ui.Messages, std::vector<std::string>{kReadIni});
    EXPECT_TRUE(app.Terminated());
}

TEST(IniFormRoot, EmptyProgramNameIsReportedAndEndsTheProgram) {
    ScriptedUi ui;
    TApplication app;
    TIniForm ini(ui, app, "");
    ASSERT_FALSE(ui.Messages.empty());
    EXPECT_EQ(ui.Messages[0],
              "Fehler bei Initialisierung des vx-Paths\rDie Appliktion wird beendet.\r___\r"
              "Error initialising the vx-path\rThe appliction will be terminated.");
    EXPECT_TRUE(app.Terminated());
    EXPECT_EQ(ini.VersionLabel.Caption, "vx2.0b");  // the rest of the creation work still runs
}

TEST(IniForm, ReadsACompleteVxIniSilently) {
    Started s(test::StandardVxIni());
    EXPECT_TRUE(s.ui.Messages.empty());
    EXPECT_FALSE(s.app.Terminated());
    const std::string root = s.install.Root();
    EXPECT_EQ(s.ini.EveryOnePath, root + "Text\\EveryOne\\");
    EXPECT_EQ(s.ini.UsersPath, root + "Text\\Users\\");
    EXPECT_EQ(s.ini.EditorPath, root + "System\\editor");
    EXPECT_EQ(s.ini.AuthorRangeEnd, 999);
    EXPECT_EQ(s.ini.UsersRangeBegin, 1000);
    EXPECT_EQ(s.ini.EveryoneRangeEnd, 29999);
    EXPECT_EQ(s.ini.RangeTexts[4], "9999");
    EXPECT_EQ(s.ini.RunState, "idle");
    EXPECT_EQ(s.ini.IniState, kIniState1BR);
    EXPECT_EQ(s.ini.Language, "EN");
    EXPECT_EQ(s.ini.LastSessionStatus, "closed");
}

TEST(IniForm, AVxIniTextStartsLikeTheFile) {
    // The text is read, not the vx.ini of the installation the program file names.
    Started standard(test::StandardVxIni());
    const auto belowRoot = [](const std::string& path, const std::string& root) {
        return path.substr(0, root.size()) == root ? path.substr(root.size()) : "outside";
    };
    for (const std::string& vxIni : {VxIniWith("EveryOnePath=", ""), VxIniWith("Editor=", ""),
                                     VxIniWith("groupsRangeEnd=", "groupsRangeEnd=many\r\n")}) {
        Started file(vxIni);
        ScriptedUi ui;
        TApplication app;
        const TIniForm text(ui, app, standard.install.ProgramFileName(), vxIni);
        EXPECT_EQ(ui.Messages, file.ui.Messages);
        EXPECT_EQ(app.Terminated(), file.app.Terminated());
        EXPECT_EQ(text.RangeTexts, file.ini.RangeTexts);
        EXPECT_EQ(text.GroupsRangeEnd, file.ini.GroupsRangeEnd);
        EXPECT_EQ(belowRoot(text.EditorPath, standard.install.Root()),
                  belowRoot(file.ini.EditorPath, file.install.Root()));
    }
}

TEST(IniForm, AbsolutePathsStayAsTheyAre) {
    Started s(VxIniWith("userpath=", "userpath=D:\\All\r\n") + "");
    EXPECT_EQ(s.ini.UserPath, "D:\\All");
    Started t(VxIniWith("grouppath=", "grouppath=/srv/vx/groups/\r\n"));
    EXPECT_EQ(t.ini.GroupPath, "/srv/vx/groups/");
    Started u(VxIniWith("grouppath=", "grouppath=\\srv\\groups\\\r\n"));
    EXPECT_EQ(u.ini.GroupPath, "\\srv\\groups\\");
}

TEST(IniForm, MissingEditorIsReportedAndMadeAbsolute) {
    Started s(VxIniWith("Editor=", ""));
    EXPECT_EQ(s.ui.Messages, std::vector<std::string>{kEditor});
    EXPECT_FALSE(s.app.Terminated());
    EXPECT_EQ(s.ini.EditorPath, s.install.Root() + "EditorPath_Error");
}

TEST(IniForm, ShortPathIsReportedLikeAMissingOne) {
    Started s(VxIniWith("userspath=", "userspath=C:\\\r\n"));
    ASSERT_EQ(s.ui.Messages.size(), 1u);
    EXPECT_NE(s.ui.Messages[0].find("Users(!)-Paths"), std::string::npos);
    EXPECT_FALSE(s.app.Terminated());
}

TEST(IniForm, MissingEveryOnePathEndsTheProgramAfterTheRestOfTheWork) {
    Started s(VxIniWith("EveryOnePath=", ""));
    EXPECT_EQ(s.ui.Messages, std::vector<std::string>{kEveryOne});
    EXPECT_TRUE(s.app.Terminated());
    EXPECT_EQ(s.ini.AuthorRangeEnd, 999);  // ranges still converted
    EXPECT_EQ(s.ini.DefaultBinaryOps[4].Sign, "<=>");
}

TEST(IniForm, PathMessagesComeInTheirOrder) {
    Started s(
        "[setups]\r\nauthorRangeBegin=1\r\nauthorRangeEnd=2\r\nusersRangeBegin=3\r\nusersRangeEnd="
        "4\r\n"
        "groupsRangeBegin=5\r\ngroupsRangeEnd=6\r\neveryoneRangeBegin=7\r\neveryoneRangeEnd=8\r\n");
    ASSERT_EQ(s.ui.Messages.size(), 6u);
    const char* const order[] = {"Deploy-Paths", "Everyone",    "Editor-Paths",
                                 "User-Paths",   "Group-Paths", "Users(!)-Paths"};
    for (int i = 0; i < 6; ++i) {
        EXPECT_NE(s.ui.Messages[static_cast<std::size_t>(i)].find(order[i]), std::string::npos)
            << i;
    }
    EXPECT_TRUE(s.app.Terminated());
}

TEST(IniForm, MissingUsersRangeEndShowsExactlyItsMessageAndGoesOn) {
    Started s(VxIniWith("usersRangeEnd=", ""));
    EXPECT_EQ(s.ui.Messages, std::vector<std::string>{kUserEnd});
    EXPECT_FALSE(s.app.Terminated());
    EXPECT_EQ(s.ini.AuthorRangeEnd, 999);
    EXPECT_EQ(s.ini.UsersRangeEnd, 0);
    EXPECT_EQ(s.ini.GroupsRangeBegin, 10000);
}

TEST(IniForm, RangeChainReportsOnlyTheFirstMissingKey) {
    Started s(std::regex_replace(test::StandardVxIni(),
                                 std::regex("(authorRangeBegin|usersRangeEnd)=[^\r]*\r\n"), ""));
    EXPECT_EQ(s.ui.Messages, std::vector<std::string>{kAuthorBegin});
    EXPECT_FALSE(s.app.Terminated());
    // Without the whole section the missing group range fails its conversion after that.
    Started none(std::regex_replace(test::StandardVxIni(), std::regex("\\[setups\\][^\\[]*"), ""));
    EXPECT_EQ(none.ui.Messages, (std::vector<std::string>{kAuthorBegin, kConvert}));
    EXPECT_TRUE(none.app.Terminated());
}

// Taken as 0, a missing group or everyone range would make author and user topics group
// topics; it fails like a range that is no number.
TEST(IniForm, MissingGroupOrEveryoneRangeEndsTheProgramLikeAFailedConversion) {
    for (const std::string key :
         {"groupsRangeBegin", "groupsRangeEnd", "everyoneRangeBegin", "everyoneRangeEnd"}) {
        Started s(VxIniWith(key + "=", ""));
        EXPECT_EQ(s.ui.Messages, std::vector<std::string>{kConvert}) << key;
        EXPECT_TRUE(s.app.Terminated()) << key;
        EXPECT_EQ(s.ini.UsersRangeEnd, 9999) << key;  // converted before the missing key
    }
}

TEST(IniForm, RangeTextThatIsNoNumberEndsTheProgram) {
    for (const std::string bad : {"abc", "99999999999", "1.5", " "}) {
        Started s(VxIniWith("usersRangeBegin=", "usersRangeBegin=" + bad + "\r\n"));
        EXPECT_EQ(s.ui.Messages, std::vector<std::string>{kConvert}) << bad;
        EXPECT_TRUE(s.app.Terminated());
        EXPECT_EQ(s.ini.AuthorRangeEnd, 999);  // converted before the failure
        EXPECT_EQ(s.ini.UsersRangeEnd, 0);     // not converted after it
    }
}

// A missing vx.ini is the case of IniFormRoot above.
TEST(IniForm, AnUnreadableVxIniEndsTheProgramWithOneMessage) {
    test::TempDir dir;
    dir.MakeDir("System/vx.ini");
    ScriptedUi ui;
    TApplication app;
    TIniForm ini(ui, app, dir.ProgramFileName());
    EXPECT_EQ(ui.Messages, std::vector<std::string>{kReadIni});
    EXPECT_TRUE(app.Terminated());
}

TEST(IniForm, SurvivesHostileFiles) {
    std::string garbage;
    for (int i = 0; i < 10000; ++i) {
        garbage += static_cast<char>((i * 131) % 256);
    }
    Started binary(garbage);
    EXPECT_TRUE(binary.app.Terminated());  // no EveryOnePath in there
    Started empty("");
    Started longValue(VxIniWith("deploypath=", "deploypath=" + std::string(2000, 'd') + "\r\n"));
    EXPECT_TRUE(longValue.ui.Messages.empty());
    EXPECT_EQ(longValue.ini.DeployPath, longValue.install.Root() + std::string(1023, 'd'));
    std::string mixed = test::StandardVxIni();
    mixed = std::regex_replace(mixed, std::regex("\r\n\\[users\\]\r\n"), "\n[users]\r");
    Started mixedEnds(mixed);
    EXPECT_TRUE(mixedEnds.ui.Messages.empty());
    EXPECT_EQ(mixedEnds.ini.UserName[1], "Ada");
    Started duplicate(test::StandardVxIni() + "[setups]\r\nauthorRangeEnd=5\r\n");
    EXPECT_EQ(duplicate.ini.AuthorRangeEnd, 999);
}

TEST(IniForm, UserKeysRunFrom1101To9101) {
    Started s(test::StandardVxIni() + "[users]\r\n" +
              "usr9101=last\r\nusr9101_Name=Zed\r\nusr9101_Version=7\r\n");
    // A second [users] section does not count.
    EXPECT_EQ(s.ini.UserDir[81], "9101_Error");
    Started t(std::regex_replace(test::StandardVxIni(), std::regex("\\[users\\]\r\n"),
                                 "[users]\r\nusr9101=last\r\nusr9101_Name=Zed\r\n"));
    EXPECT_EQ(TIniForm::UserNumberText(1), "1101");
    EXPECT_EQ(TIniForm::UserNumberText(81), "9101");
    EXPECT_EQ(t.ini.UserDir[1], "usr1101");
    EXPECT_EQ(t.ini.UserName[1], "Ada");
    EXPECT_EQ(t.ini.UserDir[81], "last");
    EXPECT_EQ(t.ini.UserName[81], "Zed");
    EXPECT_EQ(t.ini.UserVersion[81], "9101_Version_Error_");
    EXPECT_EQ(t.ini.UserDir[2], "1201_Error");
    EXPECT_EQ(t.ini.UserName[2], "1201_Name_Error_");
}

TEST(IniForm, GroupKeysFollowTheGroupState) {
    Started active(std::regex_replace(test::StandardVxIni(), std::regex("\\[groups\\]\r\n"),
                                      "[groups]\r\nGrp3=grp7\r\ngrp7=Active\r\ngrp7_Name=Team\r\n"
                                      "grp32000=Active\r\ngrp32000_Name=Everyone group\r\n"));
    EXPECT_EQ(active.ini.GroupDir[3], "grp7");
    EXPECT_EQ(active.ini.GroupState[3], "Active");
    EXPECT_EQ(active.ini.GroupName[3], "Team");
    EXPECT_EQ(active.ini.GroupVersion[3], "grp7_Version__Error");
    EXPECT_EQ(active.ini.GroupDir[2], "grp2_Error");
    EXPECT_EQ(active.ini.GroupState[2], "EMPTY");
    EXPECT_EQ(active.ini.GroupName[2], "");
    EXPECT_EQ(active.ini.GroupDir[70], "grp32000");
    EXPECT_EQ(active.ini.GroupName[70], "Everyone group");
    EXPECT_EQ(active.ini.GroupVersion[70], "grp32000_Error");

    Started lower(std::regex_replace(test::StandardVxIni(), std::regex("\\[groups\\]\r\n"),
                                     "[groups]\r\nGrp3=grp7\r\ngrp7=active\r\ngrp7_Name=Team\r\n"));
    EXPECT_EQ(lower.ini.GroupState[3], "active");
    EXPECT_EQ(lower.ini.GroupName[3], "");
    EXPECT_EQ(lower.ini.GroupState[70], "EMPTY");
}

}  // namespace
}  // namespace vx
