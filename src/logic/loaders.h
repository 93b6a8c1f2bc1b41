#pragma once

#include <string>

#include "logic/ini_state.h"
#include "logic/logic_model.h"

namespace vx {
class IniFile;
class Ui;
}  // namespace vx

// The loaders of a 2BR session's ini files. Each reads its file once, fills its tables of the
// model, shows its messages through the Ui and returns the system's result code.
namespace vx::logic {

// The 2BR path set of a session (no trailing backslash).
struct TwoBRPaths {
    std::string Session2BRPath, BR2IniPath, BR2SaetzePath, BR2RelationPath, BR2RegelnPath,
        BR2ListsPath, BR2SystemPath;
};

// What the loading sequence takes from the settings object and gives back to it.
struct TwoBRSettings {
    std::string SessionsPath;  // ends with a backslash
    std::string SessionName;
    TwoBRPaths Paths;
    int IniState = kIniState1BR;
};

// Builds the path set from the session name: 1, or -1 (and nothing changed) without a name.
int Set2BRPaths(TwoBRSettings& settings, LogicModel& model, Ui& ui);
// The whole loading sequence: 1 loaded (IniState kIniState2BR), 0 a file failed, -1 no path set.
int Read2BRIni(TwoBRSettings& settings, LogicModel& model, Ui& ui);

// `br2IniPath` is the session's ini directory without a trailing backslash.
int ReadMainIni(LogicModel& model, const std::string& br2IniPath, Ui& ui);
int ReadLogicIni(LogicModel& model, const std::string& br2IniPath, Ui& ui);
int ReadRangeLogicIni(LogicModel& model, const std::string& br2IniPath, Ui& ui);
int ReadRangeArraysIni(LogicModel& model, const std::string& br2IniPath, Ui& ui);
// The same loaders on a file already read (the path forms read the file and call these).
int ReadMainIni(LogicModel& model, const IniFile& ini, Ui& ui);
int ReadLogicIni(LogicModel& model, const IniFile& ini, Ui& ui);
int ReadRangeLogicIni(LogicModel& model, const IniFile& ini, Ui& ui);
// Reads nothing when the model has no range arrays.
int ReadRangeArraysIni(LogicModel& model, const IniFile& ini, Ui& ui);

// The BVLKTH file is switched in Main.ini but has no content yet.
inline int ReadBVLKTH() {
    return 0;
}

// `systemPath` is the installation's System directory with a trailing backslash.
int ReadDVXRIni(LogicModel& model, const std::string& systemPath, Ui& ui);
int Process_DVXRini(LogicModel& model);
int UpgrSE22BR(LogicModel& model, const std::string& br2IniPath, Ui& ui);
int ReadDVXRIni(LogicModel& model, const IniFile& ini, Ui& ui);
int UpgrSE22BR(LogicModel& model, const IniFile& ini, Ui& ui);

}  // namespace vx::logic
