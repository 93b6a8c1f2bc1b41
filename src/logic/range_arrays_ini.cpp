#include "logic/ini_reading.h"
#include "logic/loaders.h"
#include "platform/ui.h"

namespace vx::logic {
namespace {

const char* const kMsgRangeArraysFile =
    "RangeArrays-Ini-File: Fehler beim Lesen der .ini Datei.\r"
    "Kontollieren Sie die RangeArrays.ini-Datei.\r"
    "Schliessen Sie die Session und beheben den Fehler.\r___\r"
    "RangeArrays-Ini-File: Error reading this ini File.\rCheck the RangeArrays.ini-File.\r"
    "Close the session and correc the error.";

std::string MissingBase(int a) {
    return "RangeArrays-Ini-File: Fehler beim Lesen der Range" + N(a) +
           "_Base .ini Datei.\rKontollieren Sie die RangeArrays.ini-Datei.\r"
           "Schliessen Sie die Session und beheben den Fehler.\r"
           "RangeArrays-Ini-File: Error reading Range" +
           N(a) +
           "_Base of this ini File.\rCheck the RangeArrays.ini-File.\r"
           "Close the session and correc the error.";
}

// `key` is "Range<a>_Req<t>_Type" or "Range<a>_Req<t>".
std::string EmptyRequirement(const std::string& key) {
    return "RangeArrays-Ini-File: Warnung beim Lesen der " + key +
           " der .ini Datei.\rKontollieren Sie die RangeArrays.ini-Datei.\r"
           "RangeArrays-Ini-File: Warning reading " +
           key + " of this ini File.\rCheck the RangeArrays.ini-File.";
}

std::string MissingDefinition(const std::string& key) {
    return "RangeArrays-Ini-File: Fehler beim Lesen der " + key +
           " der .ini Datei.\rKontollieren Sie die RangeArrays.ini-Datei.\r___\r"
           "RangeArrays-Ini-File: Error reading " +
           key + " of this ini File.\rCheck the RangeArrays.ini-File.";
}

// Reads range array a; false after an error that ends the reading.
bool ReadRangeArray(const IniFile& ini, TRangeArrays& arrays, int a, Ui& ui) {
    const std::string range = "Range" + N(a);
    TMeta_Info_RangeArrays& meta = arrays.Meta[a];
    meta.Base = ini.ReadString(range + "_Info", "Range_Base", "EMPTY");
    if (IsEmptyMark(meta.Base)) {
        ui.ShowMessage(MissingBase(a));
        return false;
    }
    for (int t = 1; t <= kMaxRequirements; ++t) {
        // A missing requirement key keeps "EMPTY"; only a present, empty value is warned of.
        for (const bool isType : {true, false}) {
            const std::string key = range + "_Req" + N(t) + (isType ? "_Type" : "");
            const std::string value = ini.ReadString(range + "_Reqs", key, "EMPTY");
            if (!value.empty()) {
                (isType ? meta.ReqType[t] : meta.Req[t]) = value;
            } else if (t == 1) {
                ui.ShowMessage(EmptyRequirement(key));
            }
        }
    }
    for (int d = 1; d <= kMaxRangeDefinitions; ++d) {
        const std::string key = range + "_Area" + N(d) + "Def";
        const std::string value = ini.ReadString(range + "_Ranges", key, "EMPTY");
        if (!IsEmptyMark(value)) {
            arrays.Arrays[a].Def[d] = value;
        } else if (d == 1) {
            ui.ShowMessage(MissingDefinition(key));
            return false;
        }
    }
    return true;
}

}  // namespace

int ReadRangeArraysIni(LogicModel& model, const std::string& br2IniPath, Ui& ui) {
    TRangeArrays& arrays = model.RangeArrays;
    if (arrays.Count < 1) {
        return 1;
    }
    const auto ini = OpenIni(br2IniPath + "\\RangeArrays.ini", ui, kMsgRangeArraysFile);
    if (!ini) {
        return -1;
    }
    return ReadRangeArraysIni(model, *ini, ui);
}

int ReadRangeArraysIni(LogicModel& model, const IniFile& ini, Ui& ui) {
    TRangeArrays& arrays = model.RangeArrays;
    for (int a = 1; a <= std::min(arrays.Count, kMaxRangeArrays); ++a) {
        if (!ReadRangeArray(ini, arrays, a, ui)) {
            return -1;
        }
    }
    return 1;
}

}  // namespace vx::logic
