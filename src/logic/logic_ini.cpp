#include <vector>

#include "logic/ini_reading.h"
#include "logic/loaders.h"
#include "logic/logic_sections.h"
#include "platform/ui.h"

namespace vx::logic {
namespace {

const std::string kSch = "Schliessen Sie die Session und beheben den Fehler.";
const std::string kClo = "Close the session and correc the error.";

const std::string kMsgLogicFile =
    "Logic-Ini-File: Fehler beim Lesen der Logic.ini Datei.\rKontollieren Sie die "
    "Logic.ini-Datei.\r" +
    kSch + "\rLogic-Ini-File: Error reading this ini File.\rCheck the Logic.ini-File.\r" + kClo;

const char* const kUnarySection = "Default_unary_Logops";
const char* const kBinarySection = "Default_binary_Logops";

std::string FirstUnnamed(const std::string& logop, const std::string& kindDe,
                         const std::string& defaultDe, const std::string& kindEn,
                         const std::string& defaultEn, int i) {
    return "Logic-Ini-File Warnung: Beim Lesen des " + logop + N(i) +
           "_Name-Parameters .\rKontollieren Sie die entsprechenden Sektionen der Logik-Datei.\r"
           "Sie verwenden keinen ersten " +
           kindDe + " Operator, default: " + defaultDe + ".\rLogic-Ini-File: In reading the " +
           logop + N(i) + "_Name-Parameters.\rCheck the Logic-ini-File.\rYou use no first " +
           kindEn + " operator, default: " + defaultEn + ".";
}

// A missing sign or implementer ("_Sign", "_Impl") of operator i.
std::string MissingPart(const std::string& prefix, int i, const std::string& part,
                        const std::string& section) {
    return "Logic-Ini-File: Fehler beim Lesen des " + prefix + N(i) + part +
           "-Parameters .\rKontollieren Sie die " + section + " Sektion der Logic-Datei.\r" + kSch +
           "\rLogic-Ini-File: Error in reading the " + prefix + N(i) + part +
           "-Parameters.\rCheck the section " + section +
           " Section in Logic-ini-File and correct it.\r" + kClo;
}

std::string TooLong(const std::string& prefix, int i, const std::string& part, int limit,
                    const std::string& section) {
    return "Logic-Ini-File: " + prefix + N(i) + part + " ist laenger als " + N(limit) +
           "\rBeheben Sie den Fehler in der " + section + " Sektion der Logic-Datei.\r" + kSch +
           "\rLogic-Ini-File: The " + prefix + N(i) + part + "-Parameter is longer than " +
           N(limit) + "\rCorrect the error in section " + section + " in Logic-ini-File.\r" + kClo;
}

// `implSection` differs from `section` for the binary operators, whose implementer message
// names the unary section.
LogopTexts DefinitionTexts(const std::string& prefix, const std::string& section,
                           const std::string& implSection, bool unary) {
    LogopTexts t;
    if (unary) {
        t.FirstUnnamed = [](int i) {
            return FirstUnnamed("Logop", "unaeren", "Negation", "unary", "negation", i);
        };
    } else {
        t.FirstUnnamed = [](int i) {
            return FirstUnnamed("Bin_Logop", "binaeren", "Konjunktion", "binary", "conjunction", i);
        };
    }
    t.MissingSign = [=](int i) { return MissingPart(prefix, i, "_Sign", section); };
    t.MissingImpl = [=](int i) { return MissingPart(prefix, i, "_Impl", implSection); };
    t.LongName = [=](int i) { return TooLong(prefix, i, "_Name", kMaxLogopNameLength, section); };
    t.LongSign = [=](int i) { return TooLong(prefix, i, "_Sign", kMaxLogopSignLength, section); };
    return t;
}

std::string ValueMessage(int v, const std::string& de, const std::string& en,
                         const std::string& section) {
    return "Logic-Ini-File: Value" + N(v) + de + "\rBeheben Sie den Fehler in der " + section +
           " Sektion der Logic-Datei.\r" + kSch + "\rLogic-Ini-File: The Value" + N(v) + en +
           "\rCorrect the error in section " + section + " in Logic-ini-File.\r" + kClo;
}

ValueTexts ValueMessages(const std::string& section, bool newType) {
    const std::string noNumber = newType ? " is no valid integer." : " is no valif integer.";
    const std::string noImpl = newType ? " is no valid implementer." : " has no valid implementer.";
    ValueTexts t;
    t.Empty = [=](int v) { return ValueMessage(v, " ist leer.", " is empty", section); };
    t.NoNumber = [=](int v) {
        return ValueMessage(v, " ist keine gueltige integer-Zahl.", noNumber, section);
    };
    t.NoItp = [=](int v) {
        return ValueMessage(v, " ist hat keine gueltige Interpreation.",
                            " is no valid interpretation.", section);
    };
    t.NoImpl = [=](int v) {
        return ValueMessage(v, " ist hat keinen gueltigen Implementierer.", noImpl, section);
    };
    return t;
}

// `shown` names the tables in the messages; `newTypeName` is the new type's name, which the
// messages of every table carry.
TableTexts TableMessages(const std::string& unaryShown, const std::string& twiceShown,
                         const std::string& binaryShown, const std::string& newTypeName) {
    const auto shownOf = [=](TableKind kind) {
        return kind == TableKind::Unary   ? unaryShown
               : kind == TableKind::Twice ? twiceShown
                                          : binaryShown;
    };
    TableTexts t;
    t.Entry = [=](const BadEntry& e) {
        const std::string shown = shownOf(e.Kind);
        const std::string where = newTypeName + N(e.Position);
        const bool binary = e.Kind == TableKind::Binary;
        const std::string logop = (binary ? "Logop" : "Operator:") + e.Logop + (binary ? " ." : "");
        return "Logic-Ini-File: Fehler beim Lesen des " + shown + " Wertes " + where + "\r" +
               logop + "Kontollieren Sie die entsprechende Sektion der Logik-Datei.\r" + kSch +
               "\rLogic-Ini-File: Error in reading the " + shown + " value" + where + "\r" + logop +
               "Check the Logic-ini-File and correct it.\r" + kClo;
    };
    t.Element = [=](const BadEntry& e) {
        return "Logic-Ini-File: Fehler beim Lesen des Result-Wertes in der" + shownOf(e.Kind) +
               "in einer Logic.ini Datei.\rKontollieren Sie die Logic.ini-Datei.\r" + kSch +
               "\rLogic-Ini-File: Error reading this ini File.\rCheck the Logic.ini-File.\r" + kClo;
    };
    return t;
}

// One value type of Logic.ini: where its values and tables are and whether they are read.
struct LogicType {
    int Number;  // 1 WW, 2 EW, 3 DW, 4 the new type
    std::string Name;
    int Valence;
    bool Exists;          // the type record is built
    bool ValuesPresent;   // its value section is read
    bool TablesRetained;  // its tables are read
    ValueLayout Values;
    ValueTexts ValueMessages;
    TableLayout Tables;
    TableTexts TableMessages;
};

LogicType FixedType(int number, const std::string& name, const TInfo_XW_Logic& info,
                    const std::string& newTypeName) {
    LogicType t{number, name, CheckedValence(info.Valence), true, false, false, {}, {}, {}, {}};
    t.ValuesPresent = info.Removed != "YES" && t.Valence > 0;
    t.TablesRetained = info.Removed == "No";
    const std::string section = "Info_" + name + "_Logic";
    t.Values = {section, "_" + name, "_" + name + "_Itp", "_" + name + "_Impl"};
    t.ValueMessages = ValueMessages(section, false);
    const std::string unary = "Default_un_" + name + "_Logic";
    const std::string binary = "Default_bin_" + name + "_Logic";
    t.Tables = {unary, unary + "_dbl", binary, "_" + name, name};
    t.TableMessages = TableMessages(unary, unary + "_dbl", binary, newTypeName);
    return t;
}

LogicType NewType(const TInfo_NewXW_Logic& info) {
    const std::string& name = info.Name;
    const bool exists = CheckedNumber(info.Number) > 0;
    LogicType t{4, name, CheckedValence(info.Valence), exists, false, exists, {}, {}, {}, {}};
    t.ValuesPresent = exists && t.Valence > 0;
    const std::string section = "Info_" + name + "W_Logic";
    t.Values = {section, "_" + name, "_" + name + "W_Itp", "_" + name + "W_Impl"};
    t.ValueMessages = ValueMessages(section, true);
    t.Tables = {"Un_Free_XW_Logic", "Un_Free_XW_Logic_dbl", "", "_" + name, name};
    t.TableMessages = TableMessages("FreeW_Logic", "FreeW_Logic_dbl", "", name);
    return t;
}

std::vector<LogicType> LogicTypes(const LogicModel& m) {
    const std::string& newTypeName = m.InfoNewXW.Name;
    return {FixedType(1, "WW", m.InfoWW, newTypeName), FixedType(2, "EW", m.InfoEW, newTypeName),
            FixedType(3, "DW", m.InfoDW, newTypeName), NewType(m.InfoNewXW)};
}

void ClearLogicTables(LogicModel& m) {
    m.DefaultRules.Fill({});
    m.DefaultRuleNames.Fill({});
    m.UnaryOpDefs.Fill({});
    m.BinaryOpDefs.Fill({});
    m.XWValueCode.Fill({});
    m.XWValueItp.Fill({});
    m.XWValueImpl.Fill({});
    for (int t = 1; t <= kXWTypes; ++t) {
        m.XWType(t) = {};
    }
}

void ReadRules(const IniFile& ini, LogicModel& m) {
    for (int r = 1; r <= kMaxRules; ++r) {
        m.DefaultRuleNames[r] = ini.ReadString("Default_Rules", "Rule" + N(r) + "_Name", "EMPTY");
        m.DefaultRules[r] = ini.ReadString("Default_Rules", "Rule" + N(r), "EMPTY");
    }
}

void BuildType(LogicModel& m, const LogicType& t) {
    TXW_Type& type = m.XWType(t.Number);
    type.Name = t.Name;
    type.Valence = static_cast<std::int16_t>(t.Valence);
    ValueList values;
    values.Code = m.XWValueCode[t.Number];
    values.Itp = m.XWValueItp[t.Number];
    values.Impl = m.XWValueImpl[t.Number];
    SetTypeValues(type, values);
    SetTypeLogops(type, m.UnaryOpDefs, m.MainUnaryOps.Number, m.BinaryOpDefs,
                  m.MainBinaryOps.Number);
}

}  // namespace

int ReadLogicIni(LogicModel& model, const std::string& br2IniPath, Ui& ui) {
    ClearLogicTables(model);
    const auto ini = OpenIni(br2IniPath + "\\Logic.ini", ui, kMsgLogicFile);
    if (!ini) {
        return -1;
    }
    return ReadLogicIni(model, *ini, ui);
}

int ReadLogicIni(LogicModel& model, const IniFile& ini, Ui& ui) {
    ClearLogicTables(model);
    // A missing file is one failure, not a message for each of its keys.
    if (!ini.Existed()) {
        ui.ShowMessage(kMsgLogicFile);
        return -1;
    }
    ReadRules(ini, model);
    bool ok = ReadLogopDefs(ini, kUnarySection, "D_u_Logop", model.MainUnaryOps.Number, true,
                            DefinitionTexts("D_u_Logop", kUnarySection, kUnarySection, true),
                            model.UnaryOpDefs, ui);
    ok = ReadLogopDefs(ini, kBinarySection, "D_b_Logop", model.MainBinaryOps.Number, true,
                       DefinitionTexts("D_b_Logop", kBinarySection, kUnarySection, false),
                       model.BinaryOpDefs, ui) &&
         ok;
    const std::vector<LogicType> types = LogicTypes(model);
    for (const LogicType& t : types) {
        if (t.ValuesPresent) {
            ValueList values;
            ok = ReadValues(ini, t.Values, t.Valence, t.ValueMessages, values, ui) && ok;
            model.XWValueCode[t.Number] = values.Code;
            model.XWValueItp[t.Number] = values.Itp;
            model.XWValueImpl[t.Number] = values.Impl;
        }
    }
    for (const LogicType& t : types) {
        if (t.Exists) {
            BuildType(model, t);
        }
    }
    for (const LogicType& t : types) {
        if (t.TablesRetained) {
            ok = ReadTypeTables(ini, t.Tables, model.MainUnaryOps, model.MainBinaryOps,
                                t.TableMessages, model.XWType(t.Number), ui) &&
                 ok;
        }
    }
    return ok ? 1 : -1;
}

}  // namespace vx::logic
