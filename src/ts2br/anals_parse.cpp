#include <algorithm>
#include <optional>

#include "platform/strict_int.h"
#include "platform/ui.h"
#include "ts2br/anals_2br.h"

// Parsing a TS part into its layers and the analysis of all TS lines of a logic.
namespace vx {
namespace {

const char* const kAbortDe = "Die Analyse von wird abgebrochen. Bitte Fehler zuerst beheben.";
const char* const kAbortEn = "Analysis terminates. Resolve the error first.";
const char* const kErrorLayers = "ERROR: too much bracket layers for this programm.";

std::string ParseMessage(const std::string& de, const std::string& en) {
    return de + "\r" + kAbortDe + "\r\r" + en + "\r" + kAbortEn;
}

std::string MsgBracketEnd(const std::string& s) {
    return ParseMessage("Fehler: End-Klammer wurde nicht gefunden : " + s,
                        "Error: The bracket-end insied a bracket wasnt found: " + s);
}

std::string MsgInnerBracketEnd(const std::string& s) {
    return ParseMessage("Fehler: End-Klammer innerhalb einer Klammer wurde nicht gefunden : " + s,
                        "Error: The bracket-end insied a bracket wasnt found: " + s);
}

std::string MsgEmptyBrackets(const std::string& s, int p) {
    const std::string at = std::to_string(p);
    return ParseMessage("Fehler: Leere Klammern: " + s + "Spalte: " + at,
                        "Error: Empty Brackets: " + s + "Column: " + at);
}

std::string MsgNoTermOrBracket(const std::string& s, int p) {
    const std::string at = std::to_string(p);
    return ParseMessage(
        "Fehler: Kein TS oder Klammern gefunden wo welche sein sollten: " + s + "Spalte: " + at,
        "Error: There was no TS or bracket encountered where there should be one: " + s +
            "Column: " + at);
}

std::string MsgTSNumber(const std::string& s, int p) {
    const std::string at = std::to_string(p);
    return ParseMessage(
        "Fehler: TS Nummer konnte nicht konvertiert werden : " + s + "Spalte: " + at,
        "Error: The TS Number couldnt be converted: " + s + "Column: " + at);
}

std::string MsgEvaluation(const std::string& s, int position) {
    const std::string at = std::to_string(position);
    return "Fehler: TS Bewertung konnte nicht konvertiert werden : " + s + "Spalte: " + at +
           "\rZu viele Bewertungen oder Nummer > 256. Die Analyse von wird abgebrochen. Bitte "
           "Fehler zuerst beheben.\r\r"
           "Error: The TS Number couldnt be converted: " +
           s + "Column: " + at +
           "\rToo many evaluations or number > 256. Analysis terminates. Resolve the error first.";
}

std::string MsgTooManyLayers(const std::string& s, int p) {
    const std::string at = std::to_string(p);
    return "Fehler: Zu viele Klammerebenen gefunden: " + s + "Spalte: " + at +
           "\rDie Analyse von wird abgebrochen. Bitte Problem zuerst beheben.\r\r"
           "Error: Too much bracket-layers encountered: " +
           s + "Column: " + at + "\rAnalysis terminates. Resolve the problem first.";
}

// The limits of a layer's tables: 99 elements and 98 binary signs.
std::string MsgTooManyElements(const std::string& s) {
    return ParseMessage("Fehler: Zu viele Elemente auf einer Klammerebene (hoechstens 99): " + s,
                        "Error: Too many elements on one bracket layer (at most 99): " + s);
}

std::string MsgTooManySegments(const std::string& s) {
    return ParseMessage("Fehler: Zu viele Klammern auf einer Klammerebene (hoechstens 12): " + s,
                        "Error: Too many brackets on one bracket layer (at most 12): " + s);
}

std::string MsgTooManyLines(const std::string& logicName) {
    return "Fehler: Mehr als 100 TS Zeilen fuer Logik: " + logicName +
           "\r\rError: More than 100 TS lines for logic: " + logicName;
}

std::string MsgUniqueTS(const std::string& line, const std::string& logicName) {
    return "Bei TS Voranalyze: Anzahl an UniqueTS nicht aufloesbar fuer:" + line + " in " +
           logicName + "\r\rAt TS preanalysis: Number of UniqueTS not resolvable for:" + line +
           " in " + logicName;
}

std::string MsgParseFailed(const std::string& logicName) {
    return "Fehler: Parse der TS fehlgeschlagen bei " + logicName +
           "\r\rError: Parsing of TS failed on: " + logicName;
}

std::string MsgSameTSDifferent(int line, const std::string& logicName) {
    const std::string i = std::to_string(line);
    return "Fehler: Parse der TS fehlgeschlagen bei Zeile " + i + " in :" + logicName +
           "\rGleicher TS verschiedene bewertet !\r\rError: Parsing of TS failed at line " + i +
           " at: " + logicName + "\rSame TS evaluated different !";
}

char At(const std::string& s, int p) {
    return p >= 1 && p <= static_cast<int>(s.size()) ? s[static_cast<std::size_t>(p - 1)] : '\0';
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// A value of an evaluation list: decimal digits that fit a 16-bit value code.
std::optional<std::uint16_t> EvalValue(const std::string& digits) {
    const auto value = TryStrToInt(digits);
    if (!value || *value > 0xFFFF) {
        return std::nullopt;
    }
    return static_cast<std::uint16_t>(*value);
}

}  // namespace

std::string TAnals2BR::Check_uLogop(const std::string& Ch) const {
    for (int j = 1; j <= ts::TLogopTable::kSize; ++j) {
        if (!Ch.empty() && ActiveUnaryOps[j].Sign == Ch) {
            return Ch;
        }
    }
    return "";
}

int TAnals2BR::BinLogopIndex(const std::string& s, int pos) const {
    const std::string sign = ts::Check_binLogop_Ini(s, pos, ActiveBinaryOps);
    for (int j = 1; j <= ts::TLogopTable::kSize && !sign.empty(); ++j) {
        if (ActiveBinaryOps[j].Sign == sign) {
            return j;
        }
    }
    return 0;
}

std::string TAnals2BR::Check_binLogop(const std::string& S, int Pos) const {
    return ts::Check_binLogop_Ini(S, Pos, ActiveBinaryOps);
}

bool TAnals2BR::NextElement(int& counter, TAnalyzeLayer& layer, const std::string& s) {
    if (counter >= kMaxElements) {
        ui_.ShowMessage(MsgTooManyElements(s));
        return false;
    }
    ++counter;
    layer.Touched = std::max(layer.Touched, counter);
    return true;
}

int TAnals2BR::CountSubBrackets(const std::string& content, const std::string& s) {
    int count = 0;
    for (int q = 1; q <= static_cast<int>(content.size()); ++q) {
        if (content[static_cast<std::size_t>(q - 1)] != '(') {
            continue;
        }
        const int end = ts::FindBracketEnd(q, content);
        if (end < 1) {
            ui_.ShowMessage(MsgInnerBracketEnd(s));
            return -1;
        }
        ++count;
        q = end;
    }
    return count;
}

// "[" value codes separated by "," "]": with at most one comma the last number is the
// element's prescribed evaluation; with more the line is marked as holding several.
std::string TAnals2BR::ParseEvalList(const std::string& s, int& p, TSubstrTS& element,
                                     TDepthStructe& line) {
    const auto close = s.find(']', static_cast<std::size_t>(p - 1));
    if (close == std::string::npos) {
        return ShowError(MsgEvaluation(s, p), "ERROR");
    }
    const int end = static_cast<int>(close) + 1;
    std::string digits;
    int commas = 0;
    for (int q = p + 1; q < end; ++q) {
        const char c = At(s, q);
        if (IsDigit(c)) {
            digits += c;
        } else if (c == ',') {
            const auto value = EvalValue(digits);
            if (!value || commas == kMaxEvals) {
                return ShowError(MsgEvaluation(s, q), "ERROR");
            }
            element.Evals[++commas] = *value;
            digits.clear();
        }
    }
    if (commas <= 1) {
        const auto value = EvalValue(digits);
        if (!value) {
            return ShowError(MsgEvaluation(s, end), "ERROR");
        }
        element.Evals[1] = *value;
    } else {
        line.MultiEvalFlag = 1;
    }
    p = end + 1;
    return "OK";
}

std::string TAnals2BR::Parse_TS(const std::string& TSString, int Layer, int ParentOrder, int Line,
                                int /*ParentSubBrackets*/) {
    const std::string& s = TSString;
    TDepthStructe& line = DepthStructe(Line);
    TAnalyzeLayer& layer = line.Layer(Layer);
    // Sibling brackets of one depth share the numbering of their layer.
    int counter = layer.ElementCount();
    const int length = static_cast<int>(s.size());
    int p = 1;
    while (p < length) {
        bool counted = false;
        const std::string unary = Check_uLogop(std::string(1, At(s, p)));
        if (!unary.empty()) {
            if (!NextElement(counter, layer, s)) {
                return "ERROR";
            }
            counted = true;
            layer.Elements[counter].UnLogop = unary;
            p += static_cast<int>(unary.size());
        }
        bool element = true;
        if (At(s, p) == '(') {
            const int end = ts::FindBracketEnd(p, s);
            if (end < 1) {
                return ShowError(MsgBracketEnd(s), "ERROR");
            }
            const std::string content = s.substr(static_cast<std::size_t>(p), end - p - 1);
            if (content.size() < 2) {
                return ShowError(MsgEmptyBrackets(s, p), "ERROR");
            }
            if (!counted && !NextElement(counter, layer, s)) {
                return "ERROR";
            }
            TSubstrTS& bracket = layer.Elements[counter];
            bracket.Order = counter;
            bracket.ParentOrder = ParentOrder;
            bracket.Done = 0;
            bracket.Content = content;
            bracket.StartPos = p;
            bracket.EndPos = end;
            bracket.SubBrackets = CountSubBrackets(content, s);
            if (bracket.SubBrackets < 0) {
                return "ERROR";
            }
            p = end + 1;
        } else if (At(s, p) != 'T') {
            return ShowError(MsgNoTermOrBracket(s, p), "ERROR");
        } else if (At(s, p + 1) == 'S') {
            std::string digits(1, At(s, p + 2));
            if (IsDigit(At(s, p + 3))) {
                digits += At(s, p + 3);
            }
            const auto number = TryStrToInt(digits);
            if (!number) {
                return ShowError(MsgTSNumber(s, p), "ERROR");
            }
            p += digits.size() == 2 ? 4 : 3;
            if (!counted && !NextElement(counter, layer, s)) {
                return "ERROR";
            }
            TSubstrTS& term = layer.Elements[counter];
            term.Order = counter;
            term.ParentOrder = ParentOrder;
            term.TSNumber = *number;
        } else {
            element = false;  // a "T" that starts no term is passed over
        }
        // An evaluation list, also one at the very end that lacks its "]".
        if (element && At(s, p) == '[') {
            const std::string result = ParseEvalList(s, p, layer.Elements[counter], line);
            if (result != "OK") {
                return result;
            }
        }
        if (p < length) {
            const int op = BinLogopIndex(s, p);
            if (op != 0 && counter >= 1) {
                if (counter > kMaxBinLogops) {
                    return ShowError(MsgTooManyElements(s), "ERROR");
                }
                layer.BinLogops[counter] = {ActiveBinaryOps[op].Sign, op};
                p += static_cast<int>(ActiveBinaryOps[op].Sign.size()) - 1;
            }
        }
        ++p;
    }
    return ParseBrackets(s, Layer, Line, p);
}

// Parses the content of every bracket of the layer not parsed yet; each is marked before its
// content is parsed, so a sibling's pass over the same layer does not parse it again.
std::string TAnals2BR::ParseBrackets(const std::string& s, int layerIndex, int line, int p) {
    TAnalyzeLayer& layer = DepthStructe(line).Layer(layerIndex);
    for (int k = 1; k <= kMaxElements && layer.Elements[k].Order != 0; ++k) {
        TSubstrTS& bracket = layer.Elements[k];
        if (bracket.Done != 0 || bracket.Content.empty()) {
            continue;
        }
        if (layerIndex >= kMaxLayerIndex - 1) {
            return ShowError(MsgTooManyLayers(s, p), kErrorLayers);
        }
        bracket.Done = 1;
        const std::string result =
            Parse_TS(bracket.Content, layerIndex + 1, bracket.Order, line, bracket.SubBrackets);
        if (result != "OK") {
            return result;
        }
    }
    return "OK";
}

// --- Analysis of all lines

int TAnals2BR::LineCount() const {
    return std::max(WorkPrepare.Count(), WorkSource.Count()) - 1;
}

std::string TAnals2BR::ReadSEParts(const std::string& logicName) {
    const std::string where = " for Logic: " + logicName;
    for (int i = 1; i < WorkPrepare.Count(); ++i) {
        const std::string& prepared = WorkPrepare[i];
        if (prepared.empty()) {
            continue;
        }
        const std::optional<std::string> se = ts::SplitSETS(prepared, "SE");
        if (!se) {
            return "Analyze TS: Syntax Error in SE on line " + std::to_string(i) + where;
        }
        DepthStructe(i).SE = *se;
        if (se->empty()) {
            return "Analyze TS: Empty SE on line " + std::to_string(i) + where;
        }
    }
    return "OK";
}

std::string TAnals2BR::CountLinesTS(const std::string& logicName) {
    for (int i = 1; i < WorkSource.Count(); ++i) {
        const std::string& source = WorkSource[i];
        if (source.empty()) {
            continue;
        }
        const auto count = TryStrToInt(ts::CountDistinctTS(source));
        if (!count || *count == -1) {
            return ShowError(MsgUniqueTS(source, logicName), "");
        }
        DepthStructe(i).DistinctCount = *count;
    }
    return "OK";
}

std::string TAnals2BR::ParseLines(const std::string& logicName) {
    for (int i = 1; i < WorkSource.Count(); ++i) {
        const std::string& source = WorkSource[i];
        if (!source.empty() && Parse_TS(source, 0, 0, i, 0) != "OK") {
            return ShowError(MsgParseFailed(logicName), "Analyze TS: Error parsing TS:" + source);
        }
    }
    return "OK";
}

// Layer 0 is one segment; below it every bracket's content is one segment.
std::string TAnals2BR::BuildSegments(const std::string& /*logicName*/) {
    for (int i = 1; i < WorkSource.Count(); ++i) {
        const std::string& source = WorkSource[i];
        if (source.empty()) {
            continue;
        }
        TDepthStructe& line = DepthStructe(i);
        TAnalyzeLayer& top = line.Layer(0);
        const int count = top.ElementCount();
        top.SegStart[1] = 1;
        top.SegCount = 1;
        top.SegLen[1] = count - 1;
        top.SegEnd[1] = count + 1;
        line.MaxLayer = 0;
        for (int l = 1; l <= kMaxLayerIndex; ++l) {
            TAnalyzeLayer& layer = line.Layer(l);
            bool open = false;
            const auto close = [&](int next) {
                layer.SegEnd[layer.SegCount] = next - 1;
                layer.SegLen[layer.SegCount] = next - 1 - layer.SegStart[layer.SegCount];
            };
            int k = 1;
            for (; k <= kMaxElements && layer.Elements[k].Order != 0; ++k) {
                const TSubstrTS& element = layer.Elements[k];
                if (element.ParentOrder == 0) {
                    continue;
                }
                line.MaxLayer = l;
                if (open && element.ParentOrder == layer.Elements[k - 1].ParentOrder) {
                    continue;
                }
                if (open) {
                    close(k);
                }
                if (layer.SegCount == kMaxSegments) {
                    ui_.ShowMessage(MsgTooManySegments(source));
                    return "Analyze TS: Error parsing TS:" + source;
                }
                layer.SegStart[++layer.SegCount] = k;
                open = true;
            }
            if (open) {
                close(k);
            }
        }
    }
    return "OK";
}

std::string TAnals2BR::CollectUniqueTS(const std::string& logicName) {
    for (int i = 1; i < WorkSource.Count(); ++i) {
        TDepthStructe& line = DepthStructe(i);
        for (int l = 0; l <= line.MaxLayer; ++l) {
            // Elements beyond the highest slot written are empty.
            const TAnalyzeLayer& layer = line.Layer(l);
            for (int k = 1; k <= layer.Touched; ++k) {
                const TSubstrTS& term = layer.Elements[k];
                if (term.Order < 1 || term.IsBracket()) {
                    continue;
                }
                for (int u = 1; u <= kMaxUniqueTS; ++u) {
                    TUniqueTS& unique = line.UniqueTS[u];
                    if (unique.TSNumber == 0) {
                        unique.TSNumber = term.TSNumber;
                        unique.Evals[1] = term.Evals[1];
                        unique.HasEval = term.Evals[1] != 0 ? 1 : 0;
                        break;
                    }
                    if (unique.TSNumber == term.TSNumber) {
                        if (unique.Evals[1] != term.Evals[1]) {
                            return ShowError(MsgSameTSDifferent(i, logicName),
                                             "Analyze TS: Error parsing TS:");
                        }
                        break;
                    }
                }
            }
        }
    }
    return "OK";
}

std::string TAnals2BR::Analyze_TS(const std::string& LogicName) {
    ResetAnalTSArrays();
    ReadLogopsAccordingToLogicPar(LogicName);
    if (WorkSource.Count() == 0) {
        return "Analyze TS: No TS for Logic: " + LogicName;
    }
    if (LineCount() > kMaxTSLines) {
        return ShowError(MsgTooManyLines(LogicName),
                         "Analyze TS: More than 100 TS lines for Logic: " + LogicName);
    }
    for (auto step : {&TAnals2BR::ReadSEParts, &TAnals2BR::CountLinesTS, &TAnals2BR::ParseLines,
                      &TAnals2BR::BuildSegments, &TAnals2BR::CollectUniqueTS}) {
        const std::string result = (this->*step)(LogicName);
        if (result != "OK") {
            return result;
        }
    }
    return "OK";
}

}  // namespace vx
