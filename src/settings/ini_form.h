#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "logic/ini_state.h"
#include "logic/loaders.h"
#include "logic/logic_model.h"
#include "logic/logic_types.h"
#include "platform/application.h"
#include "platform/controls.h"
#include "platform/form.h"
#include "platform/one_based.h"
#include "platform/ui.h"

namespace vx {

class IniFile;

inline constexpr const char* kRunStateIdle = "idle";
inline constexpr const char* kRunStateComputing = "Sescomputing";

// The settings object and About window. On creation it finds the installation root from the
// program's own file name, reads and checks System\vx.ini and holds every installation path,
// the owner-area ranges, users and groups, and the application-wide run and mode state.
class TIniForm : public TForm {
public:
    static constexpr int kUsers = 81;
    static constexpr int kGroups = 70;  // 69 configurable groups and the fixed "grp32000"

    // `programFileName` is the program's full file name in the system's path form.
    TIniForm(Ui& ui, TApplication& application, std::string programFileName);
    // The same start with `vxIniText` taken as the content of System\vx.ini.
    TIniForm(Ui& ui, TApplication& application, std::string programFileName,
             std::string_view vxIniText);

    // About window
    TLabel VersionLabel;
    TLabel BuildLabel;
    TButton OKButton;
    void OKButtonClick() { ModalAnswer = ModalResult::Ok; }

    // Paths (directories end with a backslash)
    std::string RootPath, vxPath, Language;
    std::string SessionsPath, SesBkpPath, SystemPath, vxIniFile, DeployPath, TempPath, EditorPath;
    std::string LogPath, ImportsPath, ListsPath, TemplatesPath, TextPath;
    std::string EveryOnePath, UserPath, UsersPath, GroupPath;

    // Names of the files open in the relations window, its read-only twin and the TS
    // relations window; a window refuses a second file while its field is not empty.
    std::string OpenRelFile, OpenRelReadFile, OpenTSRelsFile;

    bool AuthorMode = false;

    // The eight range texts as read from [setups], and their values.
    OneBased<std::string, 8> RangeTexts;
    std::int32_t AuthorRangeBegin = 0, AuthorRangeEnd = 0;
    std::int32_t UsersRangeBegin = 0, UsersRangeEnd = 0;
    std::int32_t GroupsRangeBegin = 0, GroupsRangeEnd = 0;
    std::int32_t EveryoneRangeBegin = 0, EveryoneRangeEnd = 0;

    OneBased<std::string, kUsers> UserDir, UserName, UserVersion;
    OneBased<std::string, kGroups> GroupDir, GroupState, GroupName, GroupVersion;

    std::string LastSessionName, LastSessionStatus, vxClosedCorrectly;

    // Application-wide state
    std::string RunState;         // kRunStateIdle, or kRunStateComputing while a session computes
    int IniState = kIniState1BR;  // kIniState1BR, kIniState2BR (2BR configuration loaded), 3BR
    std::string ComputeMode;      // upgrade state: "", "1t".."4t", "1f".."4f"
    std::string SessionName;
    std::string Session2BRPath, BR2IniPath, BR2SaetzePath, BR2RelationPath, BR2RegelnPath,
        BR2ListsPath, BR2SystemPath;

    // Built-in operators; entries not listed stay empty.
    OneBased<T_D_Logic, 9> DefaultUnaryOps, DefaultBinaryOps;

    // The logic configuration of the open 2BR session.
    LogicModel Logic;

    // Loaders of the 2BR configuration. The session workflow sets SessionName, then calls
    // Read2BRIni; the upgrade wizard calls the single loaders.
    int Set2BRPaths();
    int Read2BRIni();
    int ReadMainIni() { return logic::ReadMainIni(Logic, BR2IniPath, ui_); }
    int ReadLogicIni() { return logic::ReadLogicIni(Logic, BR2IniPath, ui_); }
    int ReadRangeLogicIni() { return logic::ReadRangeLogicIni(Logic, BR2IniPath, ui_); }
    int ReadRangeArraysIni() { return logic::ReadRangeArraysIni(Logic, BR2IniPath, ui_); }
    int ReadBVLKTH() { return logic::ReadBVLKTH(); }
    int ReadDVXRIni() { return logic::ReadDVXRIni(Logic, SystemPath, ui_); }
    int Process_DVXRini() { return logic::Process_DVXRini(Logic); }
    int UpgrSE22BR() { return logic::UpgrSE22BR(Logic, BR2IniPath, ui_); }

    static std::string UserNumberText(int k) { return std::to_string(100 * k + 1001); }

private:
    // Reads and checks vx.ini: from `vxIniText` when given, otherwise from the file.
    void Start(const std::string& programFileName, const std::string_view* vxIniText);
    void DeriveRoot(const std::string& programFileName);
    void BuildFixedPaths();
    void ReadSettings(const IniFile& ini);
    void ReadUsers(const IniFile& ini);
    void ReadGroups(const IniFile& ini);
    void CheckPaths();
    void CheckRangeChain();
    void ConvertRanges();
    void SetLabelsAndOperators();
    // Runs one step of the 2BR loading on the settings' path set and IniState.
    int With2BRSettings(int (*step)(logic::TwoBRSettings&, LogicModel&, Ui&));
    // The path check of one [Paths] value: report a missing or short value, make it absolute.
    void CompletePath(std::string& path, const char* defaultText, const char* message, bool fatal);

    Ui& ui_;
    TApplication& application_;
};

// RunState is "Sescomputing" for the lifetime of a run, so that no other computation starts
// while the run lets events through.
class ComputingState {
public:
    explicit ComputingState(TIniForm& ini) : ini_(ini) { ini_.RunState = kRunStateComputing; }
    ~ComputingState() { ini_.RunState = kRunStateIdle; }
    ComputingState(const ComputingState&) = delete;
    ComputingState& operator=(const ComputingState&) = delete;

private:
    TIniForm& ini_;
};

}  // namespace vx
