#include <algorithm>

#include "logic/ini_reading.h"
#include "logic/loaders.h"
#include "logic/logic_sections.h"
#include "platform/ui.h"

namespace vx::logic {
namespace {

const std::string kSch = "Schliessen Sie die Session und beheben den Fehler.";
const std::string kClo = "Close the session and correc the error.";
const std::string kFile = "RangeLogic-Ini-File";

const std::string kMsgRangeLogicFile =
    kFile +
    ": Fehler beim Lesen der RangeLogic.ini Datei.\r"
    "Kontollieren Sie die RangeLogic.ini-Datei.\r" +
    kSch + "\r" + kFile + ": Error reading this ini File.\rCheck the RangeLogic.ini-File.\r" + kClo;

std::string FirstUnnamed(const std::string& kind, const std::string& kindDe,
                         const std::string& defaultDe, const std::string& kindEn,
                         const std::string& defaultEn, int j) {
    return kFile + " Warnung: Beim Lesen des ersten RL_" + kind + "_Logops" + N(j) +
           "_Name-Parameters .\rKontollieren Sie die entsprechenden Sektionen der "
           "RangeLogik-Datei.\rSie verwenden keinen ersten " +
           kindDe + " Operator, default: " + defaultDe + ".\r" + kFile +
           ": In reading the first RL_" + kind + "_Logops" + N(j) +
           "_Name-Parameters.\rCheck the RangeLogic-ini-File.\rYou use no first " + kindEn +
           " operator, default" + defaultEn + ".";
}

// Names of the operator section of range logic r: "u" or "b", and "unary" or "binary".
struct LogopSection {
    std::string letter, kind;
    int r;
    std::string Section() const { return "RL" + N(r) + "_" + kind + "_Logops"; }
    std::string Prefix() const { return "RL_" + letter + "_Logop"; }
};

// A missing sign or implementer ("_Sign", "_Impl") of operator j.
std::string MissingPart(const LogopSection& s, int j, const std::string& part) {
    const std::string checked = "Default_" + s.kind + "_Logops";
    return kFile + ": Fehler beim Lesen des" + N(j) + "-ten " + s.Prefix() + "s der Sektion " +
           s.Section() + ": " + s.Prefix() + N(j) + part + "-Parameters .\rKontollieren Sie die " +
           checked + " Sektion der RangeLogic-Datei.\r" + kSch + "\r" + kFile +
           ": Error in reading the" + N(j) + "-th " + s.Prefix() + "s of section " + s.Section() +
           ": " + s.Prefix() + N(j) + part + "-Parameters.\rCheck the section " + checked +
           " Section in RangeLogic-ini-File and correct it.\r" + kClo;
}

std::string TooLong(const LogopSection& s, int j, const std::string& part, int limit) {
    return kFile + ": " + s.Prefix() + N(j) + part + " ist laenger als " + N(limit) +
           "\rBeheben Sie den Fehler in der " + s.Section() + " Sektion der RangeLogic-Datei.\r" +
           kSch + "\r" + kFile + ": The " + s.Prefix() + N(j) + part +
           "-Parameter is longer than " + N(limit) + "\rCorrect the error in section " +
           s.Section() + " in RangeLogic-ini-File.\r" + kClo;
}

LogopTexts DefinitionTexts(const LogopSection& s) {
    LogopTexts t;
    if (s.letter == "u") {
        t.FirstUnnamed = [](int j) {
            return FirstUnnamed("unary", "unaeren", "Negation", "unary", ": negation", j);
        };
    } else {
        t.FirstUnnamed = [](int j) {
            return FirstUnnamed("binary", "binaeren", "Konjuntion", "binary", " is: Conjunction",
                                j);
        };
    }
    t.MissingSign = [=](int j) { return MissingPart(s, j, "_Sign"); };
    t.MissingImpl = [=](int j) { return MissingPart(s, j, "_Impl"); };
    t.LongName = [=](int j) { return TooLong(s, j, "_Name", kMaxLogopNameLength); };
    t.LongSign = [=](int j) { return TooLong(s, j, "_Sign", kMaxLogopSignLength); };
    return t;
}

ValueTexts ValueMessages(int r, const std::string& type) {
    const std::string section = "Info_RL" + N(r) + "_Logic";
    // `suffix` completes the value key: "" for the code, "_Itp", "_Impl".
    const auto message = [=](int v, const std::string& suffix, const std::string& de,
                             const std::string& en) {
        const std::string key = "Value" + N(v) + "_" + type + suffix;
        return kFile + ": RL" + N(r) + ": " + key + de + "\rBeheben Sie den Fehler in der " +
               section + " Sektion der RangeLogic-Datei.\r" + kSch + "\r" + kFile + ": RL" + N(r) +
               ": The " + key + en + "\rCorrect the error in section " + section +
               " in RangeLogic-ini-File.\r" + kClo;
    };
    ValueTexts t;
    t.Empty = [=](int v) { return message(v, "", " ist leer.", " is empty"); };
    t.NoNumber = [=](int v) {
        return message(v, "", " ist keine gueltige integer-Zahl.", " is no valid integer.");
    };
    t.NoItp = [=](int v) {
        return message(v, "_Itp", " ist hat keine gueltige Interpreation.",
                       " is no valid interpretation.");
    };
    t.NoImpl = [=](int v) {
        return message(v, "_Impl", " ist hat keinen gueltigen Implementierer.",
                       " is no valid implementer.");
    };
    return t;
}

TableTexts TableMessages(const TableLayout& layout) {
    const auto sectionOf = [=](TableKind kind) {
        return kind == TableKind::Unary   ? layout.UnarySection
               : kind == TableKind::Twice ? layout.TwiceSection
                                          : layout.BinarySection;
    };
    TableTexts t;
    t.Entry = [=](const BadEntry& e) {
        const std::string where = sectionOf(e.Kind) + ": " + e.Key;
        std::string de = " _un_XW_Logic Wertes ";
        std::string en = " _un_WW_Logic value ";
        std::string logop = "Operator:" + e.Logop;
        if (e.Kind == TableKind::Twice) {
            de = " _un_XW_Logic_dbl Wertes ";
            en = " _un_WW_Logic_dbl value ";
        } else if (e.Kind == TableKind::Binary) {
            de = " _binWW_Logic Wertes ";
            en = " _bin_WW_Logic value ";
            logop = "Logop" + e.Logop + " .";
        }
        return kFile + ": Fehler beim Lesen eines" + de + where + "\r" + logop +
               "Kontollieren Sie die entsprechende Sektion der RangeLogik-Datei.\r" + kSch + "\r" +
               kFile + ": Error in reading a" + en + where + "\r" + logop +
               "Check the RAngeLogic-ini-File and correct it.\r" + kClo;
    };
    t.Element = [=](const BadEntry& e) {
        const std::string section = sectionOf(e.Kind);
        return kFile + ": Fehler beim Lesen des Result-Wertes in der " + section + ", " + e.Key +
               ", in einer RangeLogic.ini Datei.\rKontollieren Sie die RangeLogic.ini-Datei.\r" +
               kSch + "\r" + kFile + ": Error reading the result value " + e.Key + " in section " +
               section + " of this ini File.\rCheck the RangeLogic.ini-File.\r" + kClo;
    };
    return t;
}

TableLayout RangeTables(int r, const std::string& type) {
    const std::string rl = "RL" + N(r);
    return {rl + "_un_" + type + "_Logic", rl + "_un_" + type + "_Logic_dbl",
            rl + "_bin_" + type + "_Logic", "_" + type, type};
}

void ReadRules(const IniFile& ini, LogicModel& m) {
    for (int r = 1; r <= kMaxRangeLogics; ++r) {
        const std::string section = "RL" + N(r) + "_Rules";
        for (int k = 1; k <= kMaxRules; ++k) {
            m.RLRules[r].RuleName[k] = ini.ReadString(section, "Rule" + N(k) + "_Name", "EMPTY");
            m.RLRules[r].Rule[k] = ini.ReadString(section, "Rule" + N(k), "EMPTY");
        }
    }
}

bool ReadLogops(const IniFile& ini, LogicModel& m, int r, const std::string& letter, Ui& ui) {
    const LogopSection s{letter, letter == "u" ? "unary" : "binary", r};
    const bool unary = letter == "u";
    const auto& ops = unary ? m.RLUnaryOps[r] : m.RLBinaryOps[r];
    auto& defs = unary ? m.RLOpDefs[r].Unary : m.RLOpDefs[r].Binary;
    return ReadLogopDefs(ini, s.Section(), s.Prefix(), ops.Number, r == 1, DefinitionTexts(s), defs,
                         ui);
}

// Rows 3 to 7 of one range logic: binary operators, values and, for a typed logic, tables.
bool ReadRangeLogic(const IniFile& ini, LogicModel& m, int r, Ui& ui) {
    bool ok = ReadLogops(ini, m, r, "b", ui);
    TXW_Type& type = m.RLTypes[r];
    const std::string& name = m.RangeLogicsInfo.RLType[r];
    const ValueLayout values{"Info_RL" + N(r) + "_Logic", "_" + name, "_" + name + "_Itp",
                             "_" + name + "_Impl"};
    ValueList list;
    ok = ReadValues(ini, values, type.Valence, ValueMessages(r, name), list, ui) && ok;
    SetTypeValues(type, list);
    SetTypeLogops(type, m.RLOpDefs[r].Unary, m.RLUnaryOps[r].Number, m.RLOpDefs[r].Binary,
                  m.RLBinaryOps[r].Number);
    if (IsEmptyMark(name)) {
        return ok;
    }
    const TableLayout tables = RangeTables(r, name);
    return ReadTypeTables(ini, tables, m.RLUnaryOps[r], m.RLBinaryOps[r], TableMessages(tables),
                          type, ui) &&
           ok;
}

}  // namespace

int ReadRangeLogicIni(LogicModel& model, const std::string& br2IniPath, Ui& ui) {
    model.RLRules.Fill({});
    model.RLOpDefs.Fill({});
    model.RLTypes.Fill({});
    const auto ini = OpenIni(br2IniPath + "\\RangeLogic.ini", ui, kMsgRangeLogicFile);
    if (!ini) {
        return -1;
    }
    return ReadRangeLogicIni(model, *ini, ui);
}

int ReadRangeLogicIni(LogicModel& model, const IniFile& ini, Ui& ui) {
    model.RLRules.Fill({});
    model.RLOpDefs.Fill({});
    model.RLTypes.Fill({});
    ReadRules(ini, model);
    const int n = std::clamp(CheckedNumber(model.RangeLogicsInfo.NumberText), 0, kMaxRangeLogics);
    for (int r = 1; r <= n; ++r) {
        model.RLTypes[r].Name = model.RangeLogicsInfo.RLType[r];
        model.RLTypes[r].Valence =
            static_cast<std::int16_t>(CheckedValence(model.RLInfo[r].Valence));
    }
    bool ok = true;
    for (int r = 1; r <= n; ++r) {
        ok = ReadLogops(ini, model, r, "u", ui) && ok;
    }
    for (int r = 1; r <= n; ++r) {
        ok = ReadRangeLogic(ini, model, r, ui) && ok;
    }
    return ok ? 1 : -1;
}

}  // namespace vx::logic
