#include <gtest/gtest.h>

#include "platform/scripted_ui.h"
#include "settings/ini_form.h"
#include "support/golden.h"
#include "support/temp_dir.h"

// Golden folders of reading vx.ini: tests/data/settings/ini_form/<case>/
//   vx.ini        the file of a temporary installation, its bytes as they are
//   expected.txt  "terminated=<0|1>" and "<field>=<value>" lines naming fields of the settings
//                 (see Fields); paths below the installation start with "<root>\"
//   messages.txt  the message boxes in order (absent: none)
namespace vx {
namespace {

const char* const kReadIni =
    "Fehler beim Lesen der IniDatei vx.ini\rKontollieren Sie die ini Datei.\r"
    "Die Appliktion wird beendet.\r___\rError at reading the vx.ini file.\r"
    "Check the system\\vx.ini File. The application terminates";

struct Started {
    explicit Started(const std::string& vxIni)
        : install(vxIni), ini(ui, app, install.ProgramFileName()) {}
    test::TempInstallation install;
    ScriptedUi ui;
    TApplication app;
    TIniForm ini;
};

std::map<std::string, std::string> Fields(const Started& s) {
    const TIniForm& ini = s.ini;
    const std::string root = s.install.Root();
    const auto below = [&root](const std::string& path) {
        return path.rfind(root, 0) == 0 ? "<root>\\" + path.substr(root.size()) : path;
    };
    std::map<std::string, std::string> fields{
        {"terminated", s.app.Terminated() ? "1" : "0"},
        {"EveryOnePath", below(ini.EveryOnePath)},
        {"UserPath", below(ini.UserPath)},
        {"UsersPath", below(ini.UsersPath)},
        {"GroupPath", below(ini.GroupPath)},
        {"DeployPath", below(ini.DeployPath)},
        {"EditorPath", below(ini.EditorPath)},
        {"AuthorRangeEnd", std::to_string(ini.AuthorRangeEnd)},
        {"UsersRangeBegin", std::to_string(ini.UsersRangeBegin)},
        {"UsersRangeEnd", std::to_string(ini.UsersRangeEnd)},
        {"GroupsRangeBegin", std::to_string(ini.GroupsRangeBegin)},
        {"EveryoneRangeEnd", std::to_string(ini.EveryoneRangeEnd)},
        {"RunState", ini.RunState},
        {"IniState", std::to_string(ini.IniState)},
        {"Language", ini.Language},
        {"LastSessionStatus", ini.LastSessionStatus},
        {"DefaultBinaryOps[4].Sign", ini.DefaultBinaryOps[4].Sign}};
    const auto at = [](const std::string& name, int k) {
        return name + "[" + std::to_string(k) + "]";
    };
    for (int k = 1; k <= 8; ++k) {
        fields[at("RangeTexts", k)] = ini.RangeTexts[k];
    }
    for (int k = 1; k <= TIniForm::kUsers; ++k) {
        fields[at("UserDir", k)] = ini.UserDir[k];
        fields[at("UserName", k)] = ini.UserName[k];
        fields[at("UserVersion", k)] = ini.UserVersion[k];
    }
    for (int k = 1; k <= TIniForm::kGroups; ++k) {
        fields[at("GroupDir", k)] = ini.GroupDir[k];
        fields[at("GroupState", k)] = ini.GroupState[k];
        fields[at("GroupName", k)] = ini.GroupName[k];
        fields[at("GroupVersion", k)] = ini.GroupVersion[k];
    }
    return fields;
}

class IniFormGolden : public ::testing::TestWithParam<std::string> {};

TEST_P(IniFormGolden, Case) {
    const std::filesystem::path caseDir =
        test::TestDataDir() / "settings" / "ini_form" / GetParam();
    const Started s(test::ReadBytes(caseDir / "vx.ini"));
    test::DumpActual("ini_form", GetParam(), "messages.txt", test::FormatMessages(s.ui.Messages));
    EXPECT_EQ(s.ui.Messages, test::ReadMessagesFile(caseDir / "messages.txt"));
    const auto fields = Fields(s);
    const auto expected = test::LinesOf(caseDir / "expected.txt");
    ASSERT_FALSE(expected.empty());
    for (const std::string& line : expected) {
        const auto eq = line.find('=');
        const auto field = fields.find(line.substr(0, eq));
        ASSERT_NE(field, fields.end()) << line;
        EXPECT_EQ(field->first + "=" + field->second, line);
    }
}

INSTANTIATE_TEST_SUITE_P(Folders, IniFormGolden,
                         ::testing::ValuesIn(test::GoldenCases(test::TestDataDir() / "settings" /
                                                               "ini_form")),
                         test::GoldenName());

TEST(IniFormRoot, DerivesEveryPathFromTheProgramFile) {
    ScriptedUi ui;
    TApplication app;
    TIniForm ini(ui, app, "D:\\inst\\System\\prog.exe");
    EXPECT_EQ(ini.vxPath + "|" + ini.RootPath, "D:\\inst\\|D:\\inst\\");
    EXPECT_EQ(ini.SystemPath, "D:\\inst\\System\\");
    EXPECT_EQ(ini.ImportsPath, "D:\\inst\\Temp\\imports\\");
    EXPECT_EQ(ini.SesBkpPath, "D:\\inst\\Sessions\\SesBkp\\");
    EXPECT_EQ(ini.TemplatesPath, "D:\\inst\\Text\\Templates\\");
    EXPECT_EQ(ini.vxIniFile, "D:\\inst\\System\\vx.ini");
    // There is no such installation on this host: reading vx.ini fails.
    EXPECT_EQ(ui.Messages, std::vector<std::string>{kReadIni});
    EXPECT_TRUE(app.Terminated());
    EXPECT_EQ(TIniForm::UserNumberText(1) + TIniForm::UserNumberText(81), "11019101");
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

TEST(IniForm, AVxIniTextStartsLikeTheFile) {
    // The text is read, not the vx.ini of the installation the program file names.
    Started standard(test::StandardVxIni());
    for (const char* name :
         {"everyone_path_missing", "editor_missing", "users_range_begin_letters"}) {
        const std::string vxIni =
            test::ReadBytes(test::TestDataDir() / "settings" / "ini_form" / name / "vx.ini");
        Started file(vxIni);
        ScriptedUi ui;
        TApplication app;
        const TIniForm text(ui, app, standard.install.ProgramFileName(), vxIni);
        EXPECT_EQ(ui.Messages, file.ui.Messages);
        EXPECT_EQ(app.Terminated(), file.app.Terminated());
        EXPECT_EQ(text.RangeTexts, file.ini.RangeTexts);
        EXPECT_EQ(text.UsersRangeEnd, file.ini.UsersRangeEnd);
        EXPECT_EQ(text.EditorPath.substr(standard.install.Root().size()),
                  file.ini.EditorPath.substr(file.install.Root().size()));
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

}  // namespace
}  // namespace vx
