#include "ts2br/anals_2br.h"

#include <algorithm>
#include <array>

#include "platform/errors.h"
#include "platform/strict_int.h"
#include "platform/ui.h"

namespace vx {
namespace {

const char* const kMsgMetaLogicName =
    "Bei Voranalyze: Angegebener MetaLogikname aus Main.ini stimmt mit keinem Logiknamen "
    "ueberein. Bitte zuerst korrigieren !\r\r"
    "At TS preanalysis: Provided meta logic name doenst match with any logicname from ini. "
    "PLease correct first.";

std::string ValenceWarning(const std::string& logicName) {
    return "Warnung bei Voranalyze von Logik " + logicName +
           " : Die Wertigkeit der Logik ist < 2. Macht das Sinn?.. \r\r"
           "Warning at preanalysis of logic:" +
           logicName + " The valence of the logicis less than 2. Does that make sense ?..";
}

}  // namespace

TAnals2BR::TAnals2BR(Ui& ui, const LogicModel& logic, const ts::TLogopTable& unary1BR,
                     const ts::TLogopTable& binary1BR)
    : ui_(ui), logic_(logic), unary1BR_(unary1BR), binary1BR_(binary1BR) {}

TAnals2BR::~TAnals2BR() = default;

std::string TAnals2BR::ShowError(const std::string& message, std::string result) {
    ui_.ShowMessage(message);
    return result;
}

// --- Syntax check

std::string TAnals2BR::Check_binLogop_Ini(const std::string& S, int Pos) const {
    return ts::Check_binLogop_Ini(S, Pos, logic_.BinaryOpDefs);
}

std::string TAnals2BR::SingleTSSyntaxCheck(const std::string& TSString) const {
    return ts::SingleTSSyntaxCheck(TSString, logic_.BinaryOpDefs);
}

namespace {

constexpr int kFirstRangeLogicEntry = 5;  // "RL1"; "RL4" is entry 8

}  // namespace

int TAnals2BR::LogicEntry(const std::string& LogicName) {
    static const std::array<const char*, 8> kNames = {"DefWW", "DefEW", "DefDW", "NewXW",
                                                      "RL1",   "RL2",   "RL3",   "RL4"};
    for (std::size_t k = 0; k < kNames.size(); ++k) {
        if (LogicName == kNames[k]) {
            return static_cast<int>(k) + 1;
        }
    }
    return 0;
}

const TXW_Type& TAnals2BR::TypeOfEntry(int entry) const {
    if (entry >= kFirstRangeLogicEntry) {
        return logic_.RLTypes[entry - kFirstRangeLogicEntry + 1];
    }
    return logic_.XWType(std::max(entry, 1));
}

// The loaders read a type's tables only under these conditions; a logic without them cannot
// give a value to any operator. A declared logic whose record stayed empty is left to the
// pre-analysis, which reports it empty.
bool TAnals2BR::LogicConfigured(const std::string& LogicName) const {
    const int entry = LogicEntry(LogicName);
    if (entry == 0) {
        return false;
    }
    // A fixed type is refused only when Main.ini says so; without a Main.ini read (a session
    // whose configuration failed) the pre-analysis finds the type empty.
    const auto kept = [](const TInfo_XW_Logic& info) {
        return info.Removed.empty() || info.Removed == "No";
    };
    switch (entry) {
        case 1:
            return kept(logic_.InfoWW);
        case 2:
            return kept(logic_.InfoEW);
        case 3:
            return kept(logic_.InfoDW);
        case 4:
            return TryStrToInt(logic_.InfoNewXW.Number).value_or(0) > 0;
        default: {
            const int r = entry - kFirstRangeLogicEntry + 1;
            const std::string& type = logic_.RangeLogicsInfo.RLType[r];
            return r <= TryStrToInt(logic_.RangeLogicsInfo.NumberText).value_or(0) &&
                   !type.empty() && type != "EMPTY";
        }
    }
}

void TAnals2BR::SelectLogic(const std::string& logicName) {
    if (const int entry = LogicEntry(logicName); entry != 0) {
        activeEntry_ = entry;
    }
}

// An empty TS part ("S12E3:") has no verdict of its own; it is refused like any other TS part
// that holds no term, so that the line cannot silently stay without a result.
int TAnals2BR::SyntaxCheckTS(const std::string& LogicName) {
    const std::string where = " for Logic: " + LogicName;
    bool failed = false;
    for (int i = 1; i <= WorkPrepare.Count(); ++i) {
        const std::string& line = WorkPrepare[i];
        if (line.empty()) {
            continue;
        }
        const std::string prepared = ts::CutAtDash(ts::StripBlanks(line));
        const std::string number = std::to_string(i);
        if (!ts::SplitSETS(prepared, "SE")) {
            WorkTarget.Add(
                "SyntaxCheckTS: Syntax Error separate SE from TS (missing sign : ?) on line: " +
                number + where);
            continue;
        }
        const std::optional<std::string> tsPart = ts::SplitSETS(prepared, "TS");
        if (!tsPart) {
            WorkTarget.Add(
                "SyntaxCheckTS: Syntax Error separate TS from SE (missing : ?) on line: " + number +
                where);
            continue;
        }
        std::string result = SingleTSSyntaxCheck(*tsPart);
        if (result.empty()) {
            result = "ERROR: empty TS part.";
        }
        if (result.rfind("ERR", 0) == 0) {
            WorkTarget.Add("SyntaxCheckTS: Syntax Error in TS on line: " + number + where + ": " +
                           result);
            failed = true;
        }
    }
    return failed ? -1 : 1;
}

// --- Operator tables and the pre-analysis of a logic

int TAnals2BR::ReadLogopsAccordingToLogicPar(const std::string& LogicName) {
    SelectLogic(LogicName);
    if (LogicName == "1BR") {
        ActiveUnaryOps = unary1BR_;
        ActiveBinaryOps = binary1BR_;
    } else if (LogicName == "DefWW" || LogicName == "DefEW" || LogicName == "DefDW" ||
               LogicName == "NewXW") {
        ActiveUnaryOps = logic_.UnaryOpDefs;
        ActiveBinaryOps = logic_.BinaryOpDefs;
    } else {
        for (int r = 1; r <= kMaxRangeLogics; ++r) {
            if (LogicName == "RL" + std::to_string(r)) {
                ActiveUnaryOps = logic_.RLOpDefs[r].Unary;
                ActiveBinaryOps = logic_.RLOpDefs[r].Binary;
            }
        }
    }
    return 1;
}

void TAnals2BR::ResetAnalTSArrays() {
    for (auto& line : lines_) {
        if (line) {
            line->Reset();
        }
    }
    ActiveUnaryOps = ts::TLogopTable{};
    ActiveBinaryOps = ts::TLogopTable{};
}

namespace {

std::size_t LineIndex(int line) {
    if (line < 1 || line > kMaxTSLines) {
        throw IndexError("TS line " + std::to_string(line) + " outside 1..100");
    }
    return static_cast<std::size_t>(line - 1);
}

}  // namespace

TDepthStructe& TAnals2BR::DepthStructe(int line) {
    auto& entry = lines_[LineIndex(line)];
    if (!entry) {
        entry = std::make_unique<TDepthStructe>();
    }
    return *entry;
}

// Before the first analysis every line is empty.
const TDepthStructe& TAnals2BR::DepthStructe(int line) const {
    static const TDepthStructe kEmpty;
    const auto& entry = lines_[LineIndex(line)];
    return entry ? *entry : kEmpty;
}

void TAnals2BR::ResetAnalLogicsFlags(const std::string& Which) {
    if (const int entry = LogicEntry(Which); entry != 0) {
        LogicsAnalysis[entry] = TLogicsAnalysis{};
    }
}

std::string TAnals2BR::AnalyzeLogics(const std::string& Which) {
    return AnalyzeOneLogic(Which == "All" ? "DefWW" : Which);
}

// A meta logic other than "EMPTY" must name one of the logics of the configuration.
bool TAnals2BR::IsConfiguredLogicName(const std::string& name) const {
    for (int k = 1; k <= kMaxLogicEntries; ++k) {
        if (name == logic_.VxLogicNames[k] ||
            (!logic_.UsedSections[k].Name.empty() && name == logic_.UsedSections[k].Name)) {
            return true;
        }
    }
    return false;
}

// The values the enumeration uses, from the value type record of the logic (a name that is no
// logic of the engine works on the WW type). The computed fields are cleared first: a Simple40
// left over from the logic of an earlier session would otherwise decide lines of the next one.
std::string TAnals2BR::AnalyzeOneLogic(const std::string& LogicName) {
    const bool known = LogicEntry(LogicName) != 0;
    activeEntry_ = known ? LogicEntry(LogicName) : 1;
    const TXW_Type& type = ActiveType();
    TLogicsAnalysis& entry = ActiveEntry();
    entry.OpFlag = 0;
    entry.Simple40 = false;
    entry.NumValues = 0;
    entry.Values.Fill(0);
    if (known) {
        if (type.Valence < 1) {
            return "Logic " + LogicName + " is empty.";
        }
        entry.Name = LogicName;
    }
    for (int j = 1; j <= kMaxLogops; ++j) {
        if (type.LogRels.UnLogRel[j].MultiRes == 1 || type.LogRels.BinLogRel[j].MultiRes == 1) {
            entry.OpFlag = 1;
        }
    }
    const std::string& meta = logic_.MiscLogic.IsMetalogic;
    if (meta != "EMPTY" && !IsConfiguredLogicName(meta)) {
        return ShowError(kMsgMetaLogicName, "");
    }
    const int valence = std::min<int>(type.Valence, kMaxValence);
    if (valence > 1) {
        for (int p = 1; p <= valence; ++p) {
            if (type.ValueCode[p] == kValue40) {
                entry.Simple40 = true;
            }
        }
        entry.NumValues = static_cast<std::int16_t>(entry.Simple40 ? valence - 1 : valence);
    } else {
        ui_.ShowMessage(ValenceWarning(LogicName));
    }
    if (!entry.Simple40) {
        for (int k = 1; k <= kMaxValence; ++k) {
            entry.Values[k] = type.ValueCode[k];
        }
    } else {
        int k = 0;
        for (int p = 1; p <= valence; ++p) {
            if (type.ValueCode[p] != kValue40) {
                entry.Values[++k] = type.ValueCode[p];
            }
        }
    }
    return "OK";
}

std::string TAnals2BR::Copy_TSDefWW_ToAnal(const TextList& list) {
    if (list.Empty()) {
        return "No entry for this logic !";
    }
    WorkPrepare.Assign({kHeaderPrepare});
    WorkSource.Assign({kHeaderSource});
    WorkTarget.Assign({kHeaderTarget});
    for (int i = 1; i < list.Count(); ++i) {
        const std::string& line = list[i];
        if (line.empty() || line.front() == '/') {
            continue;
        }
        const std::optional<std::string> tsPart = ts::SplitSETS(line, "TS");
        if (!tsPart) {
            return kErrSeparate;
        }
        WorkSource.Add(*tsPart);
        WorkPrepare.Add(line + ts::kOnSELine + IntToStr(i));
    }
    return "ok";
}

// The number after "- on SE line:" of work-list line `line`.
int TAnals2BR::ResultLineOf(int line) const {
    const std::string& prepared = WorkPrepare[line];
    const std::size_t at = prepared.rfind(ts::kOnSELine);
    const std::string number =
        at == std::string::npos ? "" : prepared.substr(at + std::string_view(ts::kOnSELine).size());
    return TryStrToInt(number).value_or(line);
}

std::string TAnals2BR::MakeComputeAlgs(const std::string& LogicName) {
    SelectLogic(LogicName);
    ActiveEntry().Algorithm = "BF";
    return "OK";
}

}  // namespace vx
