#include "support/largest_config.h"

#include <vector>

#include "platform/host_path.h"

namespace vx::test {
namespace {

constexpr int kOps = 9;
constexpr int kValence = 5;

struct Writer {
    std::string text;
    void Section(const std::string& name) { text += "\r\n[" + name + "]\r\n"; }
    void Key(const std::string& key, const std::string& value) {
        text += key + "=" + value + "\r\n";
    }
    void Key(const std::string& key, int value) { Key(key, std::to_string(value)); }
};

std::string N(int i) {
    return std::to_string(i);
}

// The entry of an operator at result position r: a code, or for operator 9 the list of the
// codes other than the one at r.
std::string Entry(int base, int j, int r) {
    std::string list;
    for (int p = 1; p <= kValence && j == kOps; ++p) {
        list += p == r ? "" : (list.empty() ? "(" : ",") + N(base + p);
    }
    return j == kOps ? list + ")" : N(base + r);
}

int Next(int p, int step) {
    return (p + step) % kValence + 1;
}

void Definitions(Writer& w, const std::string& section, const std::string& prefix) {
    w.Section(section);
    for (int j = 1; j <= kOps; ++j) {
        w.Key(prefix + N(j) + "_Name", "OPERATOR_" + N(j));
        w.Key(prefix + N(j) + "_Sign", "op" + N(j));
        w.Key(prefix + N(j) + "_Impl", "VXR25");
    }
}

void Values(Writer& w, const std::string& section, int base, const std::string& code,
            const std::string& itp, const std::string& impl) {
    w.Section(section);
    for (int v = 1; v <= kValence; ++v) {
        w.Key("Value" + N(v) + code, base + v);
        w.Key("Value" + N(v) + itp, "Wert " + N(v));
        w.Key("Value" + N(v) + impl, "VXR25");
    }
}

// Unary, twice and (when `binary` is not empty) binary tables of one type.
void Tables(Writer& w, int base, const std::string& unary, const std::string& twice,
            const std::string& binary, const std::string& infix, const std::string& prefix) {
    w.Section(unary);
    for (int j = 1; j <= kOps; ++j) {
        for (int p = 1; p <= kValence; ++p) {
            w.Key("U" + N(j) + infix + N(base + p), Entry(base, j, Next(p, j)));
        }
    }
    w.Section(twice);
    for (int j = 1; j <= kOps; ++j) {
        for (int p = 1; p <= kValence; ++p) {
            w.Key("U" + N(j) + "_U" + N(j) + infix + N(base + p),
                  Entry(base, j, Next(Next(p, j), j)));
        }
    }
    if (binary.empty()) {
        return;
    }
    w.Section(binary);
    for (int j = 1; j <= kOps; ++j) {
        for (int p = 1; p <= kValence; ++p) {
            for (int q = 1; q <= kValence; ++q) {
                w.Key(prefix + N(base + p) + "_B" + N(j) + infix + N(base + q),
                      Entry(base, j, Next(p + q, j)));
            }
        }
    }
}

void OperatorNames(Writer& w, const std::string& count, const std::string& key, char kind) {
    w.Key(count, kOps);
    for (int j = 1; j <= kOps; ++j) {
        w.Key(key + N(j) + "_IniName", std::string(1, kind) + N(j));
    }
}

std::string MainIni() {
    Writer w;
    w.Section("meta_main");
    w.Key("Ini_File_Logic", "YES");
    w.Key("Ini_file_Meta", "YES");
    w.Key("Ini_File_RangeArrays", "YES");
    w.Key("Ini_File_BVLKTH", "NO");
    w.Section("Default_Logic_Used_ini_sections");
    for (int i = 1; i <= 12; ++i) {
        w.Key("Sec" + N(i), "Section" + N(i));
    }
    w.Section("Misc_Logic");
    w.Key("Is_Metalogic", "NO");
    w.Section("Meta_Default_unary_Logops");
    OperatorNames(w, "Number_unary_Logops", "D_u_Logop", 'U');
    w.Section("Meta_Default_binary_Logops");
    OperatorNames(w, "Number_bin_Logops", "D_b_Logop", 'B');
    for (const char* t : {"WW", "EW", "DW"}) {
        w.Section("Meta_Info_" + std::string(t) + "_Logic");
        w.Key(std::string(t) + "_Removed", "No");
        w.Key("Valence_" + std::string(t), kValence);
    }
    w.Section("Meta_Info_NewXW_Logic");
    w.Key("Number_of_new_XWtypes", 1);
    w.Key("Valence_NewXW", kValence);
    w.Key("New_XW_Type1_Name", "N");
    w.Section("Meta_Info_Range_Logics");
    w.Key("Number_of_range_logics", 4);
    for (int r = 1; r <= 4; ++r) {
        w.Key("RL_" + N(r) + "_Name", "Range logic " + N(r));
        w.Key("RL_" + N(r) + "_Type", "R" + N(r));
    }
    for (int r = 1; r <= 4; ++r) {
        w.Section("Meta_Info_RLog" + N(r));
        for (int b = 1; b <= 4; ++b) {
            w.Key("BindingToRL" + N(b), "RL" + N(b));
        }
        w.Section("RL" + N(r) + "_unary_Logops");
        OperatorNames(w, "Number_unary_Logops", "RL" + N(r) + "_Logop", 'U');
        w.Section("RL" + N(r) + "_binary_Logops");
        OperatorNames(w, "Number_bin_Logops", "RL" + N(r) + "_b_Logop", 'B');
        w.Section("Meta_Info_RL" + N(r) + "_Logic");
        w.Key("Valence_RL" + N(r), kValence);
        w.Key("Range_Def_Name", "Range" + N(r));
    }
    w.Section("Meta_Info_AllRangeArrays");
    w.Key("NumberOfAllRanges", 30);
    w.Section("Meta_Info_RangeArrays");
    for (int a = 1; a <= 30; ++a) {
        w.Key("Range" + N(a) + "_Name", "Array" + N(a));
        w.Key("Range" + N(a) + "_Impl", "VXR25");
        w.Key("Range" + N(a) + "_MapType", "List");
        w.Key("Range" + N(a) + "_AuthorArea", "A");
    }
    return w.text;
}

std::string LogicIni() {
    Writer w;
    w.Section("Default_Rules");
    for (int r = 1; r <= 10; ++r) {
        w.Key("Rule" + N(r) + "_Name", "Rule " + N(r));
        w.Key("Rule" + N(r), "Text of rule " + N(r));
    }
    Definitions(w, "Default_unary_Logops", "D_u_Logop");
    Definitions(w, "Default_binary_Logops", "D_b_Logop");
    const char* fixed[3] = {"WW", "EW", "DW"};
    for (int t = 1; t <= 3; ++t) {
        const std::string type = fixed[t - 1];
        Values(w, "Info_" + type + "_Logic", 10 * t, "_" + type, "_" + type + "_Itp",
               "_" + type + "_Impl");
    }
    Values(w, "Info_NW_Logic", 40, "_N", "_NW_Itp", "_NW_Impl");
    for (int t = 1; t <= 3; ++t) {
        const std::string type = fixed[t - 1];
        Tables(w, 10 * t, "Default_un_" + type + "_Logic", "Default_un_" + type + "_Logic_dbl",
               "Default_bin_" + type + "_Logic", "_" + type, type);
    }
    Tables(w, 40, "Un_Free_XW_Logic", "Un_Free_XW_Logic_dbl", "", "_N", "N");
    return w.text;
}

std::string RangeLogicIni() {
    Writer w;
    for (int r = 1; r <= 4; ++r) {
        w.Section("RL" + N(r) + "_Rules");
        for (int k = 1; k <= 10; ++k) {
            w.Key("Rule" + N(k) + "_Name", "Rule " + N(k));
            w.Key("Rule" + N(k), "Text of rule " + N(k));
        }
    }
    for (int r = 1; r <= 4; ++r) {
        const std::string rl = "RL" + N(r);
        const std::string type = "R" + N(r);
        Definitions(w, rl + "_unary_Logops", "RL_u_Logop");
        Definitions(w, rl + "_binary_Logops", "RL_b_Logop");
        Values(w, "Info_" + rl + "_Logic", 50 + 10 * r, "_" + type, "_" + type + "_Itp",
               "_" + type + "_Impl");
        Tables(w, 50 + 10 * r, rl + "_un_" + type + "_Logic", rl + "_un_" + type + "_Logic_dbl",
               rl + "_bin_" + type + "_Logic", "_" + type, type);
    }
    return w.text;
}

std::string RangeArraysIni() {
    Writer w;
    for (int a = 1; a <= 30; ++a) {
        const std::string range = "Range" + N(a);
        w.Section(range + "_Info");
        w.Key("Range_Base", "Base" + N(a));
        w.Section(range + "_Reqs");
        for (int t = 1; t <= 10; ++t) {
            w.Key(range + "_Req" + N(t) + "_Type", "Type" + N(t));
            w.Key(range + "_Req" + N(t), "Requirement" + N(t));
        }
        w.Section(range + "_Ranges");
        for (int d = 1; d <= 100; ++d) {
            w.Key(range + "_Area" + N(d) + "Def", "Definition " + N(a) + "." + N(d));
        }
    }
    return w.text;
}

}  // namespace

void WriteLargestLogicConfig(const std::string& iniDir) {
    ForceDirectories(iniDir);
    WriteFileAtomic(iniDir + "\\Main.ini", MainIni());
    WriteFileAtomic(iniDir + "\\Logic.ini", LogicIni());
    WriteFileAtomic(iniDir + "\\RangeLogic.ini", RangeLogicIni());
    WriteFileAtomic(iniDir + "\\RangeArrays.ini", RangeArraysIni());
}

}  // namespace vx::test
