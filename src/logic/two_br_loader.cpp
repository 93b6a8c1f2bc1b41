#include "logic/loaders.h"
#include "platform/ui.h"

namespace vx::logic {
namespace {

const char* const kMsgNoSessionName =
    "Fehler: Session hat keinen Namen\r___\rError:session has no name";
const char* const kMsgNoPaths =
    "Fehler: 2BR Pfade konnten nicht initialisiert werden.\r___\r"
    "Error: 2BR paths couldnt be initialized.";

}  // namespace

int Set2BRPaths(TwoBRSettings& settings, LogicModel& model, Ui& ui) {
    if (settings.SessionName.empty()) {
        ui.ShowMessage(kMsgNoSessionName);
        return -1;
    }
    model.IniFileLogic.clear();
    model.IniFileMeta.clear();
    model.IniFileRangeArrays.clear();
    model.IniFileBVLKTH.clear();
    TwoBRPaths& p = settings.Paths;
    p.Session2BRPath = settings.SessionsPath + "_2BR_" + settings.SessionName;
    p.BR2IniPath = p.Session2BRPath + "\\ini";
    p.BR2SaetzePath = p.Session2BRPath + "\\Saetze";
    p.BR2RelationPath = p.Session2BRPath + "\\Relation";
    p.BR2RegelnPath = p.Session2BRPath + "\\Regeln";
    p.BR2ListsPath = p.Session2BRPath + "\\Lists";
    p.BR2SystemPath = p.Session2BRPath + "\\System";
    return 1;
}

int Read2BRIni(TwoBRSettings& settings, LogicModel& model, Ui& ui) {
    if (Set2BRPaths(settings, model, ui) < 1) {
        ui.ShowMessage(kMsgNoPaths);
        return -1;
    }
    // Nothing of a previous session's configuration may survive into this one.
    model = LogicModel{};
    const std::string& iniPath = settings.Paths.BR2IniPath;
    if (ReadMainIni(model, iniPath, ui) != 1) {
        return 0;
    }
    if (model.IniFileLogic == "YES" &&
        (ReadLogicIni(model, iniPath, ui) != 1 || ReadRangeLogicIni(model, iniPath, ui) != 1)) {
        return 0;
    }
    if (model.IniFileRangeArrays == "YES" && model.RangeArrays.Count >= 1 &&
        ReadRangeArraysIni(model, iniPath, ui) != 1) {
        return 0;
    }
    settings.IniState = kIniState2BR;
    return 1;
}

}  // namespace vx::logic
