#include <algorithm>

#include "logic/ini_reading.h"
#include "logic/loaders.h"
#include "platform/strict_int.h"
#include "platform/ui.h"

namespace vx::logic {
namespace {

const char* const kMsgMetaDVXR =
    "DVXR-Ini-File: Fehler beim Lesen der DVXR.ini Datei - Meta_DVXR Sektion.\r"
    "Kontollieren Sie die System\\DVXR.ini-Datei.\r___\r"
    "DVXR-Ini-File: Error reading DVXR.ini file - Meta_DVXR section.\r"
    "Check the System\\DVXR.ini-File.";
const char* const kMsgDVXRNums =
    "DVXR-Ini-File: Fehler beim Lesen der DVXR.ini Datei - DVXR_Nums Sektion.\r"
    "Kontollieren Sie die System\\DVXR.ini-Datei.\r___\r"
    "DVXR-Ini-File: Error reading DVXR.ini file - DVXR_Nums section.\r"
    "Check the System\\DVXR.ini-File.";
const char* const kMsgSEupdRulesFile =
    "SEupdRules.Ini-File: Fehler beim Lesen der SEupdRules.ini Datei.\r"
    "Kontollieren Sie die SEupdRules.ini-Datei.\r___\r"
    "SEupdRules-Ini-File: Error reading the SEupdRules.ini file.\r"
    "Check the SEupdRules.ini-File.";

std::string MissingUpdateKey(const std::string& logic, const std::string& key) {
    return "SEupdRules.Ini-File: Fehler beim Lesen der" + logic + " Sektion, " + key +
           "-Parameter.\rKontollieren Sie die System\\SEupdRules.ini-Datei.\r___\r"
           "SEupdRules-Ini-File: Error reading the " +
           logic + " section, " + key + "-Parameter.\rCheck the System\\SEupdRules.ini";
}

// Whether the update rules of logic k are read; the first logic that is not in use ends the
// list. The ninth character of the logic's name tells its type.
bool LogicInUse(const LogicModel& m, int k) {
    const std::string& name = m.VxLogicNames[k];
    if (name.size() < 9) {
        return false;
    }
    switch (name[8]) {
        case 'W':
            return m.InfoWW.Removed == "No";
        case 'E':
            return m.InfoEW.Removed == "No";
        case 'D':
            return m.InfoDW.Removed == "No";
        default:
            return CheckedNumber(m.InfoNewXW.Number) >= 1;
    }
}

}  // namespace

int ReadDVXRIni(LogicModel& model, const std::string& systemPath, Ui& ui) {
    model.DVXRNums.Fill({});
    model.MaxDVXRNum = 0;
    const auto ini = OpenIni(systemPath + "DVXR.ini", ui, kMsgMetaDVXR);
    if (!ini) {
        return -1;
    }
    return ReadDVXRIni(model, *ini, ui);
}

int ReadDVXRIni(LogicModel& model, const IniFile& ini, Ui& ui) {
    model.DVXRNums.Fill({});
    model.MaxDVXRNum = 0;
    const auto max = TryStrToInt(ini.ReadString("Meta_DVXR", "Max_DVXR_Num", "EMPTY"));
    // The model holds 20 rule numbers; a larger count is refused like a bad one.
    if (!max || *max > kMaxDVXRNums) {
        ui.ShowMessage(kMsgMetaDVXR);
        return -1;
    }
    model.MaxDVXRNum = *max;
    for (int i = 1; i <= model.MaxDVXRNum; ++i) {
        const std::string value = ini.ReadString("DVXR_Nums", "Ex_DVXR_Num" + N(i), "EMPTY");
        if (IsEmptyMark(value)) {
            continue;
        }
        const auto number = TryStrToInt(value);
        if (!number) {
            ui.ShowMessage(kMsgDVXRNums);
            return -1;
        }
        model.DVXRNums[i].Num = *number;
    }
    return 1;
}

int Process_DVXRini(LogicModel& model) {
    for (int i = 1; i <= std::min(model.MaxDVXRNum, kMaxDVXRNums); ++i) {
        model.DVXRNums[i].Copy = model.DVXRNums[i].Num;
    }
    return 1;
}

int UpgrSE22BR(LogicModel& model, const std::string& br2IniPath, Ui& ui) {
    model.UpdSEInfo.Fill({});
    const auto ini = OpenIni(br2IniPath + "\\SEupdRules.ini", ui, kMsgSEupdRulesFile);
    if (!ini) {
        return -1;
    }
    return UpgrSE22BR(model, *ini, ui);
}

int UpgrSE22BR(LogicModel& model, const IniFile& ini, Ui& ui) {
    model.UpdSEInfo.Fill({});
    for (int k = 1; k <= kXWTypes && LogicInUse(model, k); ++k) {
        const std::string& logic = model.VxLogicNames[k];
        std::string values[3];
        const char* const keys[3] = {"UpdNeeded", "UpdStrategy", "UpdReference"};
        for (int i = 0; i < 3; ++i) {
            const std::string missing = std::string("Err_") + keys[i];
            values[i] = ini.ReadString(logic, keys[i], missing);
            if (values[i] == missing) {
                ui.ShowMessage(MissingUpdateKey(logic, keys[i]));
                return -1;
            }
        }
        model.UpdSEInfo[k] = {values[0] == "Y", values[1], values[2]};
    }
    return 1;
}

}  // namespace vx::logic
