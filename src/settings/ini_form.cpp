#include "settings/ini_form.h"

#include <algorithm>

#include "platform/errors.h"
#include "platform/ini_file.h"
#include "platform/strict_int.h"

namespace vx {
namespace {

const char* const kVersionLabel = "vx2.0b";
const char* const kBuildLabel = "build: 13.07.09";

const char* const kMsgRootPath =
    "Fehler bei Initialisierung des vx-Paths\rDie Appliktion wird beendet.\r___\r"
    "Error initialising the vx-path\rThe appliction will be terminated.";
const char* const kMsgDeployPath =
    "Fehler beim Lesen des Deploy-Paths.\rKontollieren Sie die System\\vx.ini Datei.\r"
    "Sie sollten ein Verzeichnis haben von wo aus Sie Dateien in vx einspielen.\r___\r"
    "Error at reading the deploy-Paths.\rCheck the system\\vx.ini File.\r"
    "You should provide a directory from where You import data into vx.";
const char* const kMsgEveryOnePath =
    "Fehler beim Lesen des Paths fuer Everyone.\rKontollieren Sie die System\\vx.ini Datei.\r"
    "Die Appliktion wird beendet.\r___\rError at reading the Paths of everyone.\r"
    "Check the system\\vx.ini File.\rThe appliction will be terminated.";
const char* const kMsgEditorPath =
    "Fehler beim Lesen des Editor-Paths.\rKontollieren Sie die System\\vx.ini Datei.\r___\r"
    "Error at reading the deploy-Paths.\rCheck the system\\vx.ini File.";
const char* const kMsgUserPath =
    "Fehler beim Lesen des User-Paths.\rKontollieren Sie die System\\vx.ini Datei.\r___\r"
    "Error at reading the user-Path.\rCheck the system\\vx.ini File.";
const char* const kMsgGroupPath =
    "Fehler beim Lesen des Group-Paths.\rKontollieren Sie die System\\vx.ini Datei.\r___\r"
    "Error at reading the group-Path.\rCheck the system\\vx.ini File.";
const char* const kMsgUsersPath =
    "Fehler beim Lesen des Users(!)-Paths.\rKontollieren Sie die System\\vx.ini Datei.\r___\r"
    "Error at reading the users(!)-Path.\rCheck the system\\vx.ini File.";
const char* const kMsgAuthorBegin =
    "Fehler beim Lesen des author Begin-Bereiches.\rKontollieren Sie die System\\vx.ini "
    "Datei.\r___\r"
    "Error at reading the author-Begin range.\rCheck the system\\vx.ini File.";
const char* const kMsgAuthorEnd =
    "Fehler beim Lesen des author End-Bereiches.\rKontollieren Sie die System\\vx.ini Datei.\r___\r"
    "Error at reading the author-End range.\rCheck the system\\vx.ini File.";
const char* const kMsgUserBegin =
    "Fehler beim Lesen des user Begin-Bereiches.\rKontollieren Sie die System\\vx.ini Datei.\r___\r"
    "Error at reading the user-Begin range.\rCheck the system\\vx.ini File.";
const char* const kMsgUserEnd =
    "Fehler beim Lesen des user End-Bereiches.\rKontollieren Sie die System\\vx.ini Datei.\r___\r"
    "Error at reading the user-End range.\rCheck the system\\vx.ini File.";
const char* const kMsgReadIni =
    "Fehler beim Lesen der IniDatei vx.ini\rKontollieren Sie die ini Datei.\r"
    "Die Appliktion wird beendet.\r___\rError at reading the vx.ini file.\r"
    "Check the system\\vx.ini File. The application terminates";
const char* const kMsgConvertRanges =
    "Fehler beim Konvertieren von setups Range Number-Daten von vx.ini.\r"
    "Kontollieren Sie die ini Datei.\rDie Appliktion wird beendet.\r___\r"
    "Error at converting of setup range data from vx.ini.\rCheck the system\\vx.ini File. "
    "The application terminates";

struct RangeKey {
    const char* key;
    const char* defaultText;
};
// The eight [setups] keys in the order of the range texts 1..8.
const RangeKey kRangeKeys[8] = {
    {"authorRangeBegin", "authorRangeBegin_Error"},
    {"authorRangeEnd", "authorRangeEnd_Error"},
    {"usersRangeBegin", "userRangeBegin_Error"},
    {"usersRangeEnd", "userRangeEnd_Error"},
    {"groupsRangeBegin", "groupsRangeBegin_Error"},
    {"groupsRangeEnd", "groupsRangeEnd_Error"},
    {"everyoneRangeBegin", "everyoneRangeBegin_Error"},
    {"everyoneRangeEnd", "everyoneRangeEnd_Error"},
};
const char* const kRangeChainMessages[4] = {kMsgAuthorBegin, kMsgAuthorEnd, kMsgUserBegin,
                                            kMsgUserEnd};

const char* const kDefEveryOne = "EvOnepath_Error";
const char* const kDefUser = "userpath_Error";
const char* const kDefUsers = "userspath_Error";
const char* const kDefGroup = "grouppath_Error";
const char* const kDefDeploy = "DeployPath_Error";
const char* const kDefEditor = "EditorPath_Error";

bool IsAbsolute(const std::string& path) {
    return (path.size() >= 2 && path[1] == ':') ||
           (!path.empty() && (path.front() == '\\' || path.front() == '/'));
}

}  // namespace

TIniForm::TIniForm(Ui& ui, TApplication& application, std::string programFileName)
    : TForm("TIniForm", "About vx"), ui_(ui), application_(application) {
    Start(programFileName, nullptr);
}

TIniForm::TIniForm(Ui& ui, TApplication& application, std::string programFileName,
                   std::string_view vxIniText)
    : TForm("TIniForm", "About vx"), ui_(ui), application_(application) {
    Start(programFileName, &vxIniText);
}

void TIniForm::Start(const std::string& programFileName, const std::string_view* vxIniText) {
    OKButton.Caption = "OK";
    RunState = kRunStateIdle;
    IniState = kIniState1BR;
    ComputeMode.clear();
    DeriveRoot(programFileName);
    BuildFixedPaths();
    vxIniFile = SystemPath + "vx.ini";
    bool readOk = true;
    try {
        const IniFile ini = vxIniText ? IniFile(vxIniFile, *vxIniText) : IniFile(vxIniFile);
        if (!ini.Existed()) {
            throw FileError("missing " + vxIniFile);
        }
        ReadSettings(ini);
        CheckPaths();
        CheckRangeChain();
    } catch (const std::exception&) {
        readOk = false;
        ui_.ShowMessage(kMsgReadIni);
        application_.Terminate();
    }
    if (readOk) {
        ConvertRanges();
    }
    SetLabelsAndOperators();
}

void TIniForm::DeriveRoot(const std::string& programFileName) {
    if (programFileName.empty()) {
        ui_.ShowMessage(kMsgRootPath);
        application_.Terminate();
    }
    // The root is the file name up to and including its last but one backslash.
    const auto count = std::count(programFileName.begin(), programFileName.end(), '\\');
    std::string root;
    long long seen = 0;
    for (char c : programFileName) {
        if (seen >= count - 1) {
            break;
        }
        root += c;
        if (c == '\\') {
            ++seen;
        }
    }
    if (count < 2) {
        root.clear();
    }
    vxPath = root;
    RootPath = root;
}

void TIniForm::BuildFixedPaths() {
    SessionsPath = vxPath + "Sessions\\";
    SesBkpPath = SessionsPath + "SesBkp\\";
    SystemPath = vxPath + "System\\";
    TempPath = vxPath + "Temp\\";
    LogPath = vxPath + "Log\\";
    ImportsPath = TempPath + "imports\\";
    ListsPath = vxPath + "Lists\\";
    TemplatesPath = vxPath + "Text\\Templates\\";
    TextPath = vxPath + "Text\\";
    OpenRelFile.clear();
    OpenRelReadFile.clear();
    OpenTSRelsFile.clear();
    Language = "EN";
    DeployPath.clear();
    EditorPath.clear();
    EveryOnePath.clear();
    UserPath.clear();
    UsersPath.clear();
    GroupPath.clear();
    RangeTexts.Fill({});
    for (auto* list : {&UserDir, &UserName, &UserVersion}) {
        list->Fill({});
    }
    for (auto* list : {&GroupDir, &GroupState, &GroupName, &GroupVersion}) {
        list->Fill({});
    }
}

void TIniForm::ReadSettings(const IniFile& ini) {
    EveryOnePath = ini.ReadString("Paths", "EveryOnePath", kDefEveryOne);
    UserPath = ini.ReadString("Paths", "userpath", kDefUser);
    UsersPath = ini.ReadString("Paths", "userspath", kDefUsers);
    GroupPath = ini.ReadString("Paths", "grouppath", kDefGroup);
    DeployPath = ini.ReadString("Paths", "deploypath", kDefDeploy);
    EditorPath = ini.ReadString("Paths", "Editor", kDefEditor);
    AuthorMode = false;
    for (int i = 1; i <= 8; ++i) {
        RangeTexts[i] =
            ini.ReadString("setups", kRangeKeys[i - 1].key, kRangeKeys[i - 1].defaultText);
    }
    ReadUsers(ini);
    ReadGroups(ini);
    LastSessionName = ini.ReadString("SessionsIni", "LastSessionName", "LastSessionName_Error");
    LastSessionStatus =
        ini.ReadString("SessionsIni", "LastSessionStatus", "LastSessionStatus_Error");
    vxClosedCorrectly =
        ini.ReadString("SessionsIni", "vxClosedCorrectly", "vxClosedCorrectly_Error");
}

void TIniForm::ReadUsers(const IniFile& ini) {
    for (int k = 1; k <= kUsers; ++k) {
        const std::string n = UserNumberText(k);
        UserDir[k] = ini.ReadString("users", "usr" + n, n + "_Error");
        UserName[k] = ini.ReadString("users", "usr" + n + "_Name", n + "_Name_Error_");
        UserVersion[k] = ini.ReadString("users", "usr" + n + "_Version", n + "_Version_Error_");
    }
}

void TIniForm::ReadGroups(const IniFile& ini) {
    for (int k = 1; k < kGroups; ++k) {
        const std::string number = std::to_string(k);
        GroupDir[k] = ini.ReadString("groups", "Grp" + number, "grp" + number + "_Error");
        GroupState[k] = ini.ReadString("groups", GroupDir[k], "EMPTY");
        if (GroupState[k] == "Active") {
            GroupName[k] =
                ini.ReadString("groups", GroupDir[k] + "_Name", "grp" + number + "_Name_Error");
            GroupVersion[k] =
                ini.ReadString("groups", GroupDir[k] + "_Version", GroupDir[k] + "_Version__Error");
        }
    }
    GroupDir[kGroups] = "grp32000";
    GroupState[kGroups] = ini.ReadString("groups", "grp32000", "EMPTY");
    GroupName[kGroups] = ini.ReadString("groups", "grp32000_Name", "grp32000_Error");
    GroupVersion[kGroups] = ini.ReadString("groups", "grp32000_Version", "grp32000_Error");
}

void TIniForm::CompletePath(std::string& path, const char* defaultText, const char* message,
                            bool fatal) {
    if (path == defaultText || path.size() < 4) {
        ui_.ShowMessage(message);
        if (fatal) {
            application_.Terminate();
        }
    }
    // A reported value is still made absolute, so that messages that show it name a place
    // below the installation.
    if (!IsAbsolute(path)) {
        path = vxPath + path;
    }
}

void TIniForm::CheckPaths() {
    CompletePath(DeployPath, kDefDeploy, kMsgDeployPath, false);
    CompletePath(EveryOnePath, kDefEveryOne, kMsgEveryOnePath, true);
    CompletePath(EditorPath, kDefEditor, kMsgEditorPath, false);
    CompletePath(UserPath, kDefUser, kMsgUserPath, false);
    CompletePath(GroupPath, kDefGroup, kMsgGroupPath, false);
    CompletePath(UsersPath, kDefUsers, kMsgUsersPath, false);
}

void TIniForm::CheckRangeChain() {
    for (int i = 1; i <= 4; ++i) {
        if (RangeTexts[i] == kRangeKeys[i - 1].defaultText) {
            ui_.ShowMessage(kRangeChainMessages[i - 1]);
            return;
        }
    }
}

void TIniForm::ConvertRanges() {
    std::int32_t* const targets[8] = {&AuthorRangeBegin,   &AuthorRangeEnd,   &UsersRangeBegin,
                                      &UsersRangeEnd,      &GroupsRangeBegin, &GroupsRangeEnd,
                                      &EveryoneRangeBegin, &EveryoneRangeEnd};
    for (int i = 1; i <= 8; ++i) {
        // A missing author or user key keeps its range at 0: the chain check has reported the
        // first missing one. The group and everyone ranges have no check of their own, so a
        // missing one fails its conversion; taken as 0 it would put other topics in its area.
        if (i <= 4 && RangeTexts[i] == kRangeKeys[i - 1].defaultText) {
            continue;
        }
        const auto value = TryStrToInt(RangeTexts[i]);
        if (!value) {
            ui_.ShowMessage(kMsgConvertRanges);
            application_.Terminate();
            return;
        }
        *targets[i - 1] = *value;
    }
}

void TIniForm::SetLabelsAndOperators() {
    VersionLabel.Caption = kVersionLabel;
    BuildLabel.Caption = kBuildLabel;
    DefaultUnaryOps.Fill({});
    DefaultBinaryOps.Fill({});
    DefaultUnaryOps[1] = {"NEGATION", "~", "VXR25"};
    DefaultBinaryOps[1] = {"CONJUNCTION", "u", "VXR25"};
    DefaultBinaryOps[2] = {"DISJUNCTION", "o", "VXR25"};
    DefaultBinaryOps[3] = {"CONDITIONAL", "=>", "VXR25"};
    DefaultBinaryOps[4] = {"BICONDITIONAL", "<=>", "VXR25"};
}

int TIniForm::With2BRSettings(int (*step)(logic::TwoBRSettings&, LogicModel&, Ui&)) {
    logic::TwoBRSettings settings{SessionsPath,
                                  SessionName,
                                  {Session2BRPath, BR2IniPath, BR2SaetzePath, BR2RelationPath,
                                   BR2RegelnPath, BR2ListsPath, BR2SystemPath},
                                  IniState};
    const int result = step(settings, Logic, ui_);
    const logic::TwoBRPaths& p = settings.Paths;
    Session2BRPath = p.Session2BRPath;
    BR2IniPath = p.BR2IniPath;
    BR2SaetzePath = p.BR2SaetzePath;
    BR2RelationPath = p.BR2RelationPath;
    BR2RegelnPath = p.BR2RegelnPath;
    BR2ListsPath = p.BR2ListsPath;
    BR2SystemPath = p.BR2SystemPath;
    IniState = settings.IniState;
    return result;
}

int TIniForm::Set2BRPaths() {
    return With2BRSettings(&logic::Set2BRPaths);
}

int TIniForm::Read2BRIni() {
    return With2BRSettings(&logic::Read2BRIni);
}

}  // namespace vx
