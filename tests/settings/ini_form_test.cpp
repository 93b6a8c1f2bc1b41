#include <gtest/gtest.h>

#include <regex>

#include "platform/scripted_ui.h"
#include "settings/ini_form.h"
#include "support/golden.h"
#include "support/temp_dir.h"

namespace vx {
namespace {

// The messages of a case, from tests/data/settings/ini_form/<name>.txt.
std::vector<std::string> Expected(const std::string& name) {
    return test::ReadMessagesFile(test::TestDataDir() / "settings" / "ini_form" / (name + ".txt"));
}

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
    EXPECT_EQ(ui.Messages, Expected("vx_ini_not_read"));
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

TEST(IniForm, PathMessagesComeInTheirOrder) {
    Started s(
        "[setups]\r\nauthorRangeBegin=1\r\nauthorRangeEnd=2\r\nusersRangeBegin=3\r\nusersRangeEnd="
        "4\r\n"
        "groupsRangeBegin=5\r\ngroupsRangeEnd=6\r\neveryoneRangeBegin=7\r\neveryoneRangeEnd=8\r\n");
    EXPECT_EQ(s.ui.Messages, Expected("paths_missing"));
    EXPECT_TRUE(s.app.Terminated());
}

// A vx.ini with lines replaced: the messages, whether the program ends, and the author range
// end, users range end and groups range begin converted before and after the failure.
struct Broken {
    std::string pattern;  // a key, or a regular expression of what to replace
    std::string replacement;
    std::string messages;
    bool ends;
    std::string ranges;
};

TEST(IniForm, BrokenEntriesAreReportedAndTheRestOfTheWorkRuns) {
    const std::string missingRange = "range_not_converted";
    const Broken rows[] = {
        {"Editor", "", "editor_missing", false, "999 9999 10000"},
        {"EveryOnePath", "", "everyone_path_missing", true, "999 9999 10000"},
        {"usersRangeEnd", "", "users_range_end_missing", false, "999 0 10000"},
        {"userspath", "userspath=C:\\\r\n", "users_path_too_short", false, ""},  // too short
        // The range chain reports only the first missing key ...
        {"(authorRangeBegin|usersRangeEnd)=[^\r]*\r\n", "",
         "author_range_begin_and_users_range_end_missing", false, ""},
        // ... and without the whole section the group range then fails its conversion.
        {"\\[setups\\][^\\[]*", "", "setups_section_missing", true, ""},
        // Taken as 0, a missing group or everyone range would make author and user topics
        // group topics; it fails like a range that is no number.
        {"groupsRangeBegin", "", missingRange, true, "999 9999 0"},
        {"groupsRangeEnd", "", missingRange, true, "999 9999 10000"},
        {"everyoneRangeBegin", "", missingRange, true, "999 9999 10000"},
        {"everyoneRangeEnd", "", missingRange, true, "999 9999 10000"},
        {"usersRangeBegin", "usersRangeBegin=abc\r\n", missingRange, true, "999 0 0"},
        {"usersRangeBegin", "usersRangeBegin=99999999999\r\n", missingRange, true, "999 0 0"},
        {"usersRangeBegin", "usersRangeBegin=1.5\r\n", missingRange, true, "999 0 0"},
        {"usersRangeBegin", "usersRangeBegin= \r\n", missingRange, true, "999 0 0"}};
    for (const Broken& row : rows) {
        SCOPED_TRACE(row.pattern + " -> " + row.replacement);
        const bool key = row.pattern.find_first_of("[(") == std::string::npos;
        Started s(std::regex_replace(test::StandardVxIni(),
                                     std::regex(key ? row.pattern + "=[^\r]*\r\n" : row.pattern),
                                     row.replacement));
        EXPECT_EQ(s.ui.Messages, Expected(row.messages));
        EXPECT_EQ(s.app.Terminated(), row.ends);
        if (!row.ranges.empty()) {
            EXPECT_EQ(std::to_string(s.ini.AuthorRangeEnd) + " " +
                          std::to_string(s.ini.UsersRangeEnd) + " " +
                          std::to_string(s.ini.GroupsRangeBegin),
                      row.ranges);
        }
        EXPECT_EQ(s.ini.DefaultBinaryOps[4].Sign, "<=>");
    }
    Started editor(VxIniWith("Editor=", ""));
    EXPECT_EQ(editor.ini.EditorPath, editor.install.Root() + "EditorPath_Error");
}

// A missing vx.ini is the case of IniFormRoot above.
TEST(IniForm, AnUnreadableVxIniEndsTheProgramWithOneMessage) {
    test::TempDir dir;
    dir.MakeDir("System/vx.ini");
    ScriptedUi ui;
    TApplication app;
    TIniForm ini(ui, app, dir.ProgramFileName());
    EXPECT_EQ(ui.Messages, Expected("vx_ini_not_read"));
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

// The entries of user k and group k, joined by "|".
std::string User(const TIniForm& ini, int k) {
    return ini.UserDir[k] + "|" + ini.UserName[k] + "|" + ini.UserVersion[k];
}
std::string Group(const TIniForm& ini, int k) {
    return ini.GroupDir[k] + "|" + ini.GroupState[k] + "|" + ini.GroupName[k] + "|" +
           ini.GroupVersion[k];
}

TEST(IniForm, UserKeysRunFrom1101To9101) {
    Started s(test::StandardVxIni() + "[users]\r\n" +
              "usr9101=last\r\nusr9101_Name=Zed\r\nusr9101_Version=7\r\n");
    // A second [users] section does not count.
    EXPECT_EQ(s.ini.UserDir[81], "9101_Error");
    Started t(std::regex_replace(test::StandardVxIni(), std::regex("\\[users\\]\r\n"),
                                 "[users]\r\nusr9101=last\r\nusr9101_Name=Zed\r\n"));
    EXPECT_EQ(TIniForm::UserNumberText(1) + TIniForm::UserNumberText(81), "11019101");
    EXPECT_EQ(t.ini.UserDir[1] + "|" + t.ini.UserName[1], "usr1101|Ada");
    EXPECT_EQ(User(t.ini, 81), "last|Zed|9101_Version_Error_");
    EXPECT_EQ(User(t.ini, 2), "1201_Error|1201_Name_Error_|" + t.ini.UserVersion[2]);
}

TEST(IniForm, GroupKeysFollowTheGroupState) {
    const auto with = [](const std::string& lines) {
        return std::regex_replace(test::StandardVxIni(), std::regex("\\[groups\\]\r\n"),
                                  "[groups]\r\n" + lines);
    };
    Started active(
        with("Grp3=grp7\r\ngrp7=Active\r\ngrp7_Name=Team\r\n"
             "grp32000=Active\r\ngrp32000_Name=Everyone group\r\n"));
    EXPECT_EQ(Group(active.ini, 3), "grp7|Active|Team|grp7_Version__Error");
    EXPECT_EQ(Group(active.ini, 2), "grp2_Error|EMPTY||" + active.ini.GroupVersion[2]);
    EXPECT_EQ(Group(active.ini, 70), "grp32000|Active|Everyone group|grp32000_Error");
    Started lower(with("Grp3=grp7\r\ngrp7=active\r\ngrp7_Name=Team\r\n"));
    EXPECT_EQ(lower.ini.GroupState[3] + "|" + lower.ini.GroupName[3], "active|");
    EXPECT_EQ(lower.ini.GroupState[70], "EMPTY");
}

}  // namespace
}  // namespace vx
