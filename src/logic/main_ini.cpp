#include <limits>
#include <optional>

#include "logic/ini_reading.h"
#include "logic/loaders.h"
#include "platform/strict_int.h"
#include "platform/ui.h"

namespace vx::logic {
namespace {

const std::string kCloseDe = "Schliessen Sie die Session und beheben den Fehler.";
const std::string kCloseEn = "Close the session and correc the error.";

const char* const kMsgIniFileLogic =
    "Main-Ini-File: Fehler beim Lesen des Ini_File_Logic-Parameters .\r"
    "Kontollieren Sie die entsprechenden Sektion der Main-Datei und den Dateinamen der Session = "
    "Namen des Unterberzeichnisses.\r"
    "Schliessen Sie die Session und beheben den Fehler.\r___\r"
    "Main-Ini-File: Error reading the Ini_File_Logic-Parameters.\r"
    "Check the main-ini-File and correct it and the matching of Sessionfilename to Subdirname.\r"
    "Close the session and correc the error.";
const char* const kMsgIniFileMeta =
    "Main-Ini-File: Fehler beim Lesen des Ini_File_Meta-Parameters.\r"
    "Kontollieren Sie die entsprechenden Sektion der Main-Datei und den Dateinamen der Session = "
    "Namen des Unterberzeichnisses.\r"
    "Schliessen Sie die Session und beheben den Fehler.\r___\r"
    "Main-Ini-File: Error in reading the Ini_File_Meta-Parameter.\r"
    "Check the main-ini-File and correct it and the matching of Sessionfilename to Subdirname.\r"
    "Close the session and correc the error.";
const char* const kMsgIniFileRangeArrays =
    "Main-Ini-File: Fehler beim Lesen des Ini_File_RangeArrays-Parameters .\r"
    "Kontollieren Sie die entsprechenden Sektionen der Main-Datei.\r"
    "Schliessen Sie die Session und beheben den Fehler.\r___\r"
    "Main-Ini-File: Error reading the Ini_File_RangeArrays-Parameters.\r"
    "Check the main-ini-File and correct it.\rClose the session and correc the error.";
const char* const kMsgIniFileBVLKTH =
    "Main-Ini-File: Fehler beim Lesen des Ini_File_BVLKTH-Parameters .\r"
    "Kontollieren Sie die entsprechenden Sektionen der Main-Datei.\r"
    "Schliessen Sie die Session und beheben den Fehler.\r___\r"
    "Main-Ini-File: Error reading the Ini_File_BVLKTH-Parameters.\r"
    "Check the main-ini-File and correct it.\rClose the session and correc the error.";
const char* const kMsgSectionNumber =
    "Main-Ini-File: Fehler beim Lesen des Sektionsnummer-Parameters .\r"
    "Kontollieren Sie die entsprechenden Sektion der Meta-Datei.\r"
    "Schliessen Sie die Session und beheben den Fehler.\r___\r"
    "Main-Ini-File: Error in reading the Isection_number-Parameters.\r"
    "Check the meta-ini-File and correct it in the sections section.\r"
    "Close the session and correc the error.";
const char* const kMsgNumberLogops =
    "Main-Ini-File: Fehler beim Lesen des Number_Logops-Parameters .\r"
    "Kontollieren Sie die entsprechenden Sektionen der Main-Datei.\r"
    "Schliessen Sie die Session und beheben den Fehler.\r___\r"
    "Main-Ini-File: Error in reading the Number_Logops-Parameters.\r"
    "Check the Main-ini-File and correct it.\rClose the session and correc the error.";
const char* const kMsgNumberBinLogops =
    "Main-Ini-File: Fehler beim Lesen des Number_bin_Logops-Parameters .\r"
    "Kontollieren Sie die entsprechenden Sektionen der Main-Datei.\r"
    "Schliessen Sie die Session und beheben den Fehler.\r___\r"
    "Main-Ini-File: Error in reading the Number_bin_Logops-Parameters.\r"
    "Check the Main-ini-File and correct it.\rClose the session and correc the error.";
const char* const kMsgNewXWTypes =
    "Main-Ini-File: Fehler beim Lesen der Main.ini-Info_New_XW_Types Section:.\r"
    "Anzahl neuer XWTypen. ZZ nur genau ein neuer erlaubt. wenn nicht, dann 0.\r"
    "Korrigieren sie die Main.ini-Default_unary_Logops Section.\r___\r"
    "Main-Ini-File: Error in reading the Main.ini-Info_New_XW_Types Section:\r"
    "Number of new types. In vx1.3 only one new type allowed, otherwise 0.\r"
    "Correct and run the 2BR again.";
const char* const kMsgNewXWName =
    "Main-Ini-File: Fehler beim Lesen des Namens New_XW_Type1_Name.\r"
    "Kontollieren Sie die entsprechende Sektion der Main.ini-Datei.\r"
    "Schliessen Sie die Session und beheben den Fehler.\r___\r"
    "Main-Ini-File: Error in reading the Name New_XW_Type1_Name.\r"
    "Check the Main-ini-File and correct it.\rClose the session and correc the error.";
const char* const kMsgRangeLogics =
    "Main-Ini-File: Fehler beim Lesen der Main.ini-Meta_Info_Range_Logics Section:\r"
    "Number_of_range_logics.\rKorrigieren sie die Main.ini-Default_unary_Logops Section.\r___\r"
    "Main-Ini-File: Error in reading the Main.ini-Meta_Info_Range_Logics Section:\r"
    "Number_of_range_logics\rCorrect and run the 2BR again.";
const char* const kMsgAllRanges =
    "Main-Ini-File: Fehler beim Lesen der Main.ini-Meta_Info_AllRangeArrays Section:\r"
    "NumberOfAllRanges.\rKorrigieren sie die Main.ini-Default_unary_Logops Section.\r___\r"
    "Main-Ini-File: Error in reading the Main.ini-Meta_Info_AllRangeArrays Section:\r"
    "NumberOfAllRanges\rCorrect and run the 2BR again.";
const char* const kMsgMainFile =
    "Main-Ini-File: Fehler beim Lesen der Main.ini Datei.\r"
    "Kontollieren Sie die Meta.ini-Datei.\r"
    "Schliessen Sie die Session und beheben den Fehler.\r___\r"
    "Meta-Ini-File: Error reading this ini File.\rCheck the Meta.ini-File.\r"
    "Close the session and correc the error.";
const char* const kMsgNoNegation =
    "Main-Ini-File: Warnung beim Lesen der Main.ini-Default_unary_Logops Section.\r"
    "Sie verwenden nicht den default operator Negation.\r"
    "Falls das eine Irrtum ist korrigieren sie die Main.ini-Default_unary_Logops Section.\r___\r"
    "Main-Ini-File: Warning in reading the Number_binary_Logops-Parameters.\r"
    "You will work without the default operator Negation.\r"
    "If You want to use it correct and run the 2BR again.";
const char* const kMsgNoDefaultBinary =
    "Main-Ini-File: Warnung beim Lesen der Main.ini-Default_binary_Logops Section.\r"
    "Sie verwenden nicht einen der default Operatoren.\r"
    "Falls das eine Irrtum ist korrigieren sie die Main.ini-Default_unary_Logops Section.\r___\r"
    "Main-Ini-File: Warning in reading the Number_binary_Logops-Parameters.\r"
    "You will work without the one of the default operators.\r"
    "If You want to use it correct and run the 2BR again.";

std::string TooManyLogops(const std::string& parameter, const std::string& file) {
    return "Main-Ini-File: Der " + parameter + "-Parameters ist groesser als " + N(kMaxLogops) +
           "\rBeheben Sie dern Wert in der entsprechenden Sektion der " + file + "-Datei.\r" +
           kCloseDe + "\r___\rMain-Ini-File: The " + parameter + "-Parameters ist bigger than " +
           N(kMaxLogops) + "\rCorrect the value in the " + file + "-ini-File and correct it.\r" +
           kCloseEn;
}
const std::string kMsgTooManyUnary = TooManyLogops("Number_Logops", "Main");
const std::string kMsgTooManyBinary = TooManyLogops("Number_Bin_Logops", "Logic");

// A missing key of a type's meta section ("WW_Removed", "Valence_DW", ...). The message of a
// missing Valence_DW has no separator line.
std::string MissingTypeKey(const std::string& key, bool separator = true) {
    return "Main-Ini-File: Fehler beim Lesen des " + key +
           ".\rKontollieren Sie die entsprechende Sektion der Main.ini-Datei.\r" + kCloseDe +
           (separator ? "\r___\r" : "\r") + "Main-Ini-File: Error in reading the " + key +
           ".\rCheck the Main-ini-File and correct it.\r" + kCloseEn;
}

// `name` is "Valenz_WW", "Valenz_EW", "Valenz_DW", "Valenz_NewXW" or "Valenz_RL" + i.
std::string ValenceTooBig(const std::string& name) {
    return "Main-Ini-File: " + name + " ist groesser als " + N(kMaxValence) +
           "\rKontollieren Sie die entsprechende Sektion der Main-Datei.\r" + kCloseDe +
           "\r___\rMain-Ini-File: " + name + " is greater than " + N(kMaxValence) +
           "\rCheck the Main-ini-File and correct it.\r" + kCloseEn;
}

std::string BadRangeArray(int a, const std::string& suffix) {
    const std::string key = "Range" + N(a) + suffix;
    return "Main-Ini-File: Fehler beim Lesen der Main.ini Meta_Info_RangeArrays Section:\r" + key +
           "\rKorrigieren sie die Main.ini und starten 2BR erneut.\r___\r"
           "Main-Ini-File: Error in reading the Main.ini Meta_Info_RangeArrays Section:\r" +
           key + "\rCorrect and run the 2BR again.";
}

struct SwitchKey {
    const char* key;
    std::string LogicModel::*field;
    const char* message;
};
const SwitchKey kSwitches[] = {
    {"Ini_File_Logic", &LogicModel::IniFileLogic, kMsgIniFileLogic},
    {"Ini_file_Meta", &LogicModel::IniFileMeta, kMsgIniFileMeta},
    {"Ini_File_RangeArrays", &LogicModel::IniFileRangeArrays, kMsgIniFileRangeArrays},
    {"Ini_File_BVLKTH", &LogicModel::IniFileBVLKTH, kMsgIniFileBVLKTH},
};

struct FixedType {
    const char* type;  // "WW", "EW", "DW"
    TInfo_XW_Logic LogicModel::*info;
    bool valenceMessageSeparator;
};
const FixedType kFixedTypes[] = {
    {"WW", &LogicModel::InfoWW, true},
    {"EW", &LogicModel::InfoEW, true},
    {"DW", &LogicModel::InfoDW, false},
};

// The operator counts are bounded only above.
constexpr int kAnyCount = std::numeric_limits<int>::min();

const char* const kLogicNames[kMaxLogicEntries] = {
    "Default_WW", "Default_EW", "Default_DW", "Default_New_XW", "RL1",        "RL1",
    "RL1",        "RL1",        "Meta_Logic", "Meta_Logic",     "Meta_Logic", "Meta_Logic"};

void ClearMainTables(LogicModel& m) {
    m.UsedSections.Fill({});
    m.MainUnaryOps = {};
    m.MainBinaryOps = {};
    m.InfoWW = {};
    m.InfoEW = {};
    m.InfoDW = {};
    m.InfoNewXW = {};
    m.RangeLogicsInfo = {};
    m.RLBindings.Fill({});
    m.RLUnaryOps.Fill({});
    m.RLBinaryOps.Fill({});
    m.RLInfo.Fill({});
    m.RLOpDefs.Fill({});
    m.RLTypes.Fill({});
    m.RLRules.Fill({});
    m.RangeArrays = {};
    for (int i = 1; i <= kMaxLogicEntries; ++i) {
        m.VxLogicNames[i] = kLogicNames[i - 1];
    }
}

// Reads Main.ini key by key in the order of the file's description; every check that fails
// shows its message and ends the reading.
class MainIniReader {
public:
    MainIniReader(LogicModel& model, const IniFile& ini, Ui& ui) : m_(model), ini_(ini), ui_(ui) {}

    bool Read() {
        return ReadSwitches() && ReadUsedSections() && ReadMisc() && ReadDefaultLogops() &&
               ReadFixedTypes() && ReadNewType() && ReadRangeLogics() && ReadRangeArrays() &&
               CheckRangeArrays();
    }

private:
    std::string Get(const std::string& section, const std::string& key,
                    const std::string& defaultText) const {
        return ini_.ReadString(section, key, defaultText);
    }
    // A key whose default marks it as missing.
    std::string GetOwn(const std::string& section, const std::string& key) const {
        return Get(section, key, key + "_Error");
    }
    bool Stop(const std::string& message) {
        ui_.ShowMessage(message);
        return false;
    }
    // A number read as text; a text that is no number stops with the general message.
    std::optional<int> Number(const std::string& text) {
        const auto value = TryStrToInt(text);
        if (!value) {
            Stop(kMsgMainFile);
        }
        return value;
    }
    // A count read as text: a number up to `most` (and not below `least`), else it stops.
    std::optional<int> Count(const std::string& text, int least, int most,
                             const std::string& outside) {
        const auto count = Number(text);
        if (count && (*count < least || *count > most)) {
            Stop(outside);
            return std::nullopt;
        }
        return count;
    }

    bool ReadSwitches() {
        for (const auto& s : kSwitches) {
            m_.*s.field = GetOwn("meta_main", s.key);
            if (m_.*s.field == std::string(s.key) + "_Error") {
                return Stop(s.message);
            }
        }
        return true;
    }

    bool ReadUsedSections() {
        for (int i = 1; i <= kMaxLogicEntries; ++i) {
            const std::string key = "Sec" + N(i);
            const std::string value = GetOwn("Default_Logic_Used_ini_sections", key);
            if (value == key + "_Error") {
                return Stop(kMsgSectionNumber);
            }
            if (value == "EMPTY") {
                break;
            }
            m_.UsedSections[i] = {i, value};
        }
        return true;
    }

    bool ReadMisc() {
        m_.MiscLogic.IsMetalogic = GetOwn("Misc_Logic", "Is_Metalogic");
        if (m_.MiscLogic.IsMetalogic == "Is_Metalogic_Error") {
            m_.MiscLogic.IsMetalogic = "EMPTY";
        }
        return true;
    }

    // The count of the default logic's operators and their key names.
    bool ReadLogops(const char* section, const char* countKey, const char* nameKey,
                    const char* missingMessage, const std::string& tooManyMessage,
                    bool warnOnlyFirst, const char* warning, TDefault_unary_Logops& ops) {
        ops.NumberText = GetOwn(section, countKey);
        if (ops.NumberText == std::string(countKey) + "_Error") {
            return Stop(missingMessage);
        }
        const auto count = Count(ops.NumberText, kAnyCount, kMaxLogops, tooManyMessage);
        if (!count) {
            return false;
        }
        ops.Number = *count;
        for (int i = 1; i <= ops.Number; ++i) {
            ops.IniName[i] = Get(section, nameKey + N(i) + "_IniName", "EMPTY");
            if (ops.IniName[i] == "EMPTY" && (i == 1 || !warnOnlyFirst)) {
                ui_.ShowMessage(warning);
            }
        }
        return true;
    }

    bool ReadDefaultLogops() {
        return ReadLogops("Meta_Default_unary_Logops", "Number_unary_Logops", "D_u_Logop",
                          kMsgNumberLogops, kMsgTooManyUnary, true, kMsgNoNegation,
                          m_.MainUnaryOps) &&
               ReadLogops("Meta_Default_binary_Logops", "Number_bin_Logops", "D_b_Logop",
                          kMsgNumberBinLogops, kMsgTooManyBinary, false, kMsgNoDefaultBinary,
                          m_.MainBinaryOps);
    }

    // Checks a valence that is known to be present: a number of at most 5.
    bool CheckValence(const std::string& text, const std::string& name) {
        const auto valence = Number(text);
        if (!valence) {
            return false;
        }
        if (*valence > kMaxValence) {
            return Stop(ValenceTooBig(name));
        }
        return true;
    }

    bool ReadFixedTypes() {
        for (const auto& t : kFixedTypes) {
            const std::string type = t.type;
            const std::string section = "Meta_Info_" + type + "_Logic";
            TInfo_XW_Logic& info = m_.*t.info;
            info.Removed = GetOwn(section, type + "_Removed");
            if (info.Removed == type + "_Removed_Error") {
                return Stop(MissingTypeKey(type + "_Removed"));
            }
            info.DefName = "Def" + type;
            info.Valence = GetOwn(section, "Valence_" + type);
            if (info.Valence == "Valence_" + type + "_Error") {
                return Stop(MissingTypeKey("Valence_" + type, t.valenceMessageSeparator));
            }
            if (!CheckValence(info.Valence, "Valenz_" + type)) {
                return false;
            }
        }
        return true;
    }

    bool ReadNewType() {
        const char* section = "Meta_Info_NewXW_Logic";
        m_.InfoNewXW.Number = Get(section, "Number_of_new_XWtypes", "EMPTY");
        const auto number = Count(m_.InfoNewXW.Number, 0, 1, kMsgNewXWTypes);
        if (!number) {
            return false;
        }
        if (*number != 1) {
            return true;
        }
        m_.InfoNewXW.Valence = GetOwn(section, "Valence_NewXW");
        if (m_.InfoNewXW.Valence == "Valence_NewXW_Error") {
            return Stop(MissingTypeKey("Valence_NewXW"));
        }
        if (!CheckValence(m_.InfoNewXW.Valence, "Valenz_NewXW")) {
            return false;
        }
        m_.InfoNewXW.Name = GetOwn(section, "New_XW_Type1_Name");
        if (m_.InfoNewXW.Name == "New_XW_Type1_Name_Error") {
            return Stop(kMsgNewXWName);
        }
        return true;
    }

    // The operators of range logic i: the count (at most 9, as the operator tables hold) and
    // all nine key names.
    bool ReadRangeLogops(int i, const std::string& kind, const std::string& countKey,
                         const std::string& nameInfix, const std::string& tooManyMessage,
                         TDefault_unary_Logops& ops) {
        const std::string section = "RL" + N(i) + "_" + kind + "_Logops";
        ops.NumberText = Get(section, countKey, "EMPTY");
        const auto count = Count(ops.NumberText, kAnyCount, kMaxLogops, tooManyMessage);
        if (!count) {
            return false;
        }
        ops.Number = *count;
        for (int j = 1; j <= kMaxLogops; ++j) {
            ops.IniName[j] = Get(section, "RL" + N(i) + nameInfix + N(j) + "_IniName", "EMPTY");
        }
        return true;
    }

    bool ReadRangeLogicMeta(int i) {
        TMeta_Info_RLx_Logic& info = m_.RLInfo[i];
        info.Type = Get("Meta_Info_Range_Logics", "RL_" + N(i) + "_Type", "EMPTY");
        const std::string section = "Meta_Info_RL" + N(i) + "_Logic";
        info.Valence = Get(section, "Valence_RL" + N(i), "EMPTY");
        // The valence sizes the range logic's value list and tables, so it is checked here.
        if (!CheckValence(info.Valence, "Valenz_RL" + N(i))) {
            return false;
        }
        info.RangeDefName = Get(section, "Range_Def_Name", "EMPTY");
        info.LinksToWW = Get(section, "Links_to_WW", "EMPTY");
        info.LinksToEW = Get(section, "Links_to_EW", "EMPTY");
        info.LinksToDW = Get(section, "Links_to_DW", "EMPTY");
        info.LinksToNewXW = Get(section, "Links_to_NewXW", "NULL");
        for (int j = 1; j <= kMaxRangeLogics; ++j) {
            info.LinksToRL[j] = Get(section, "Links_to_RL1" + N(j), "EMPTY");
        }
        return true;
    }

    bool ReadRangeLogics() {
        const char* section = "Meta_Info_Range_Logics";
        m_.RangeLogicsInfo.NumberText = Get(section, "Number_of_range_logics", "EMPTY");
        const auto count =
            Count(m_.RangeLogicsInfo.NumberText, 0, kMaxRangeLogics, kMsgRangeLogics);
        if (!count) {
            return false;
        }
        const int n = *count;
        for (int i = 1; i <= n; ++i) {
            m_.RangeLogicsInfo.RLName[i] = Get(section, "RL_" + N(i) + "_Name", "EMPTY");
            m_.RangeLogicsInfo.RLType[i] = Get(section, "RL_" + N(i) + "_Type", "EMPTY");
        }
        for (int i = 1; i <= n; ++i) {
            m_.RLBindings[i].RL = i;
            for (int j = 1; j <= kMaxRangeLogics; ++j) {
                m_.RLBindings[i].BindingToRL[j] =
                    Get("Meta_Info_RLog" + N(i), "BindingToRL" + N(j), "EMPTY");
            }
        }
        for (int i = 1; i <= n; ++i) {
            if (!ReadRangeLogops(i, "unary", "Number_unary_Logops", "_Logop", kMsgTooManyUnary,
                                 m_.RLUnaryOps[i]) ||
                !ReadRangeLogops(i, "binary", "Number_bin_Logops", "_b_Logop", kMsgTooManyBinary,
                                 m_.RLBinaryOps[i])) {
                return false;
            }
        }
        for (int i = 1; i <= n; ++i) {
            if (!ReadRangeLogicMeta(i)) {
                return false;
            }
        }
        return true;
    }

    bool ReadRangeArrays() {
        const std::string count = Get("Meta_Info_AllRangeArrays", "NumberOfAllRanges", "EMPTY");
        int n = 0;
        if (!IsEmptyMark(count)) {
            const auto value = TryStrToInt(count);
            // The model holds 30 range arrays; a larger count is refused like a bad one.
            if (!value || *value > kMaxRangeArrays) {
                return Stop(kMsgAllRanges);
            }
            n = *value;
        }
        m_.RangeArrays.Count = n;
        for (int a = 1; a <= n; ++a) {
            const std::string prefix = "Range" + N(a);
            TMeta_Info_RangeArrays& meta = m_.RangeArrays.Meta[a];
            meta.Name = Get("Meta_Info_RangeArrays", prefix + "_Name", "EMPTY");
            meta.Impl = Get("Meta_Info_RangeArrays", prefix + "_Impl", "EMPTY");
            meta.MapType = Get("Meta_Info_RangeArrays", prefix + "_MapType", "EMPTY");
            meta.AuthorArea = Get("Meta_Info_RangeArrays", prefix + "_AuthorArea", "EMPTY");
        }
        return true;
    }

    bool CheckRangeArrays() {
        for (int a = 1; a <= m_.RangeArrays.Count; ++a) {
            if (IsEmptyMark(m_.RangeArrays.Meta[a].Name)) {
                return Stop(BadRangeArray(a, "_Name"));
            }
            if (IsEmptyMark(m_.RangeArrays.Meta[a].MapType)) {
                return Stop(BadRangeArray(a, "_MapType"));
            }
        }
        return true;
    }

    LogicModel& m_;
    const IniFile& ini_;
    Ui& ui_;
};

}  // namespace

int ReadMainIni(LogicModel& model, const std::string& br2IniPath, Ui& ui) {
    ClearMainTables(model);
    const auto ini = OpenIni(br2IniPath + "\\Main.ini", ui, kMsgMainFile);
    if (!ini) {
        return -1;
    }
    return ReadMainIni(model, *ini, ui);
}

int ReadMainIni(LogicModel& model, const IniFile& ini, Ui& ui) {
    ClearMainTables(model);
    return MainIniReader(model, ini, ui).Read() ? 1 : -1;
}

}  // namespace vx::logic
