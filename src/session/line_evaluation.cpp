#include "session/line_evaluation.h"

#include <algorithm>
#include <vector>

#include "platform/errors.h"
#include "platform/strict_int.h"
#include "platform/ui.h"

namespace vx {
namespace {

const char* const kResultOk = "ok";
const char* const kResultNothing = "0";
const char* const kResultNoMethod = "No_Method";

std::string MsgConvertLineValues(const std::string& topicPart, const std::string& sentencePart,
                                 const std::string& xwPart) {
    return "Fehler bei der Konvertierung von " + topicPart + "\r" + sentencePart + " oder " +
           xwPart + "\r" + "Berechnung unvollstaendig !" + "\r" + "___" + "\r" +
           "Errror at converting from " + topicPart + "\r" + sentencePart + " or " + xwPart + "\r" +
           "Computation not complete !";
}

std::string MsgCannotOpenMethodFile(const std::string& path) {
    return "Fehler bei Initialisierung der Datei " + path + "\r" + "Die Berechnung wird beendet." +
           "\r" + "____" + "\r" + "Error at inialization of the file " + path + "\r" +
           "The computation will be stopped.";
}

std::string MsgNotFound(const std::string& path, const std::string& text) {
    return "Zeile in Datei " + path + " zu " + text + " nicht gefunden." + "\r" +
           "Kontrollieren sie die Datei der semi-formalen Relationen." + "\r" + "___" + "\r" +
           "Line in File " + path + " of " + text + " not found." + "\r" +
           "Please check the file of semi-formal relations.";
}

std::string MsgConvertItemNumber(const std::string& digits, std::int32_t topic) {
    const std::string t = IntToStr(topic);
    return "Fehler bei Konvertierung von " + digits + " in Satz " + t + "\r" +
           "Die Berechnung kann nicht korrekt durchgefuehrt werden." + "\r" + "___" + "\r" +
           "Error on converting " + digits + " in sentnce " + t + "\r" +
           "The computation cannot be done correctly.";
}

std::string MsgXWTypeMismatch(const std::string& conflict) {
    return "Fehler bei Vergleich von XW-Typen in:\r" + conflict + "\r" +
           "Die Berechnung wird abgebrochen." + "\r" + "___" + "\r" +
           "Error at comparing XW-Types in: " + "\r" + conflict + "\r" +
           "The computation will be canceled.";
}

// The part of `text` from `pos` on, at most `length` characters; empty beyond the end.
std::string_view Slice(std::string_view text, std::size_t pos,
                       std::size_t length = std::string_view::npos) {
    return pos > text.size() ? std::string_view() : text.substr(pos, length);
}

std::string WithoutTrailingBlanks(std::string_view text) {
    const auto last = text.find_last_not_of(' ');
    return std::string(last == std::string_view::npos ? std::string_view()
                                                      : text.substr(0, last + 1));
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsErrorText(const std::string& result) {
    return result.rfind("Error", 0) == 0;
}

// The items of a consequence: the whole text, or for several items the pieces between ", ".
std::vector<std::string> ConsequenceItems(const std::string& consequence, int count) {
    if (count <= 1) {
        return {consequence};
    }
    std::vector<std::string> items;
    std::size_t start = 0;
    for (;;) {
        const auto next = consequence.find(", ", start);
        items.push_back(consequence.substr(start, next - start));
        if (next == std::string::npos) {
            return items;
        }
        start = next + 2;
    }
}

// The blank-separated words of a NEQ value part that are value tokens: inside a list the
// text between "(" and its closing ")", otherwise the value part itself; words beginning
// with "O" ("OR") are no tokens.
std::vector<std::string_view> NEQTokens(std::string_view valuePart) {
    std::string_view body;
    if (valuePart.front() == '(') {
        body = valuePart.substr(1);
        body = body.substr(0, body.find(')'));
    } else if (valuePart.front() == 'D' || valuePart.front() == 'E' || valuePart.front() == 'W') {
        body = valuePart;
    }
    std::vector<std::string_view> tokens;
    std::size_t start = 0;
    while (start < body.size()) {
        auto end = body.find(' ', start);
        if (end == std::string_view::npos) {
            end = body.size();
        }
        const auto word = body.substr(start, end - start);
        if (!word.empty() && word.front() != 'O') {
            tokens.push_back(word);
        }
        start = end + 1;
    }
    return tokens;
}

// Reads up to `maxDigits` digits of `item` from `pos`; `pos` ends after them.
std::string ReadDigits(const std::string& item, std::size_t& pos, std::size_t maxDigits) {
    const std::size_t start = pos;
    while (pos < item.size() && pos - start < maxDigits && IsDigit(item[pos])) {
        ++pos;
    }
    return item.substr(std::min(start, item.size()), pos - start);
}

}  // namespace

TLineEvaluator::TLineEvaluator(TVxSETable& table, TextBaseSettings settings,
                               MethodFileSource& files, Ui& ui)
    : table_(table), settings_(std::move(settings)), files_(files), ui_(ui) {}

TFehlerStatus TLineEvaluator::EvaluateSessionLine(const std::string& topicPart,
                                                  const std::string& sentencePart,
                                                  const std::string& xwPart,
                                                  const TSatzItems& items) {
    TFehlerStatus status{kResultNothing, kStatusNothing, 0, "0", "0"};
    const LineValues values = ReadLineValues(topicPart, sentencePart, xwPart);
    const std::string sentence = topicPart + sentencePart + xwPart;
    int ownEntry = 0;
    switch (EnterOwnSentence(topicPart, sentencePart, xwPart, values, status, ownEntry)) {
        case OwnValue::TableFull:
            return status;
        case OwnValue::Differs:
            if (recorder_ != nullptr) {
                OneBRConflict conflict;
                conflict.Held = ownEntry;
                conflict.Met.Value = sentence;
                recorder_->Conflict(std::move(conflict));
            }
            MarkConflict(status, values, sentence, nullptr);
            return status;
        case OwnValue::Holds:
            break;
    }

    const std::string path = SemiFormalPath(IntToStr(values.Topic), settings_);
    std::string headerKey;
    std::string method;
    inUse_ = ItemInUse{};
    inUse_.Path = &path;
    inUse_.Header = &headerKey;
    inUse_.OwnEntry = ownEntry;
    for (int k = 1; k <= kSatzItems && !items[k].empty(); ++k) {
        const std::string& item = items[k];
        // An item of two characters keeps the key and method of the item before it.
        if (item.size() > 2) {
            method = item.substr(item.size() - 2);
            headerKey = sentencePart + ", " + item.substr(0, item.size() - 2) + ":";
        }
        inUse_.Item = k;
        inUse_.ItemText = &item;
        inUse_.RuleLine = 0;
        inUse_.Held = 0;
        const MethodFile* file = files_.Open(path);
        if (file == nullptr) {
            ui_.ShowMessage(MsgCannotOpenMethodFile(path));
            RecordItemConflict(ConflictKind::NoMethodFile, item);
            MarkConflict(status, values, sentence, nullptr);
            return status;
        }
        const ItemVerdict verdict =
            ApplyItem(*file, path, headerKey, method, sentencePart, xwPart, values.Topic, status);
        if (verdict.Outcome == ItemVerdict::Kind::Conflict) {
            if (inUse_.RuleLine == 0) {
                RecordItemConflict(ConflictKind::NoRule, item);
            } else if (inUse_.Held != 0) {
                RecordItemConflict(ConflictKind::Consequence, inUse_.Failed);
            } else {
                RecordItemConflict(ConflictKind::MethodError, verdict.Consequence);
            }
            MarkConflict(status, values, sentence, &verdict.Consequence);
            return status;
        }
        if (verdict.Outcome == ItemVerdict::Kind::Unchanged) {
            break;
        }
    }
    status.Status = kStatusOk;
    return status;
}

Derivation TLineEvaluator::ItemDerivation(std::string value) const {
    Derivation d;
    d.Value = std::move(value);
    d.Item = inUse_.Item;
    const auto text = [](const std::string* s) { return s != nullptr ? *s : std::string(); };
    d.ItemText = text(inUse_.ItemText);
    d.MethodFile = text(inUse_.Path);
    d.BlockHeader = text(inUse_.Header);
    d.RuleLine = inUse_.RuleLine;
    d.Rule = text(inUse_.Rule);
    d.Premise = inUse_.OwnEntry;
    return d;
}

void TLineEvaluator::RecordItemConflict(ConflictKind kind, const std::string& demanded) {
    if (recorder_ == nullptr) {
        return;
    }
    OneBRConflict conflict;
    conflict.Kind = kind;
    conflict.Held = inUse_.Held;
    conflict.Met = ItemDerivation(demanded);
    recorder_->Conflict(std::move(conflict));
}

void TLineEvaluator::MarkConflict(TFehlerStatus& status, const LineValues& values,
                                  const std::string& sentence, const std::string* method) {
    status.Status = kStatusConflict;
    status.Value = values.Value;
    status.Sentence = sentence;
    if (method != nullptr) {
        status.Method = *method;
    }
}

TLineEvaluator::LineValues TLineEvaluator::ReadLineValues(const std::string& topicPart,
                                                          const std::string& sentencePart,
                                                          const std::string& xwPart) {
    LineValues values;
    try {
        values.Topic = StrToInt(Slice(topicPart, 1));
        values.Sentence = StrToInt(Slice(sentencePart, 1));
        values.Value = StrToInt(Slice(xwPart, 2, 2));
    } catch (const ConvertError&) {
        ui_.ShowMessage(MsgConvertLineValues(topicPart, sentencePart, xwPart));
    }
    return values;
}

TLineEvaluator::OwnValue TLineEvaluator::EnterOwnSentence(const std::string& topicPart,
                                                          const std::string& sentencePart,
                                                          const std::string& xwPart,
                                                          const LineValues& values,
                                                          TFehlerStatus& status, int& index) {
    const std::string key = topicPart + sentencePart;
    if (const TVxSEPapa* entry = table_.FindKey(key)) {
        index = table_.IndexOf(*entry);
        return entry->Value != values.Value ? OwnValue::Differs : OwnValue::Holds;
    }
    TVxSEPapa* entry = table_.TakeFree();
    if (entry == nullptr) {
        return OwnValue::TableFull;
    }
    index = table_.IndexOf(*entry);
    entry->Key = key;
    entry->XWType = FirstTwoChars(xwPart);
    entry->Value = values.Value;
    entry->SentenceNumber = values.Sentence;
    entry->TopicNumber = values.Topic;
    status.Changed = topicPart + sentencePart + xwPart;
    if (recorder_ != nullptr) {
        Derivation stated;
        stated.Value = key + entry->XWType + IntToStr(entry->Value);
        recorder_->Entered(index, std::move(stated));
    }
    return OwnValue::Holds;
}

TLineEvaluator::ItemVerdict TLineEvaluator::ApplyItem(
    const MethodFile& file, const std::string& path, const std::string& headerKey,
    const std::string& method, const std::string& sentencePart, const std::string& xwPart,
    std::int32_t topic, TFehlerStatus& status) {
    const std::string prefix = "IF " + sentencePart + " EQ ";
    const std::string thenText = " THEN WITH " + method + " : ";
    bool headerSeen = false, prefixSeen = false, xwSeen = false, thenSeen = false;
    // Without the header the line conflicts with the consequence found so far: none.
    ItemVerdict verdict{ItemVerdict::Kind::Conflict, ""};

    const int header = file.FindBlockHeader(headerKey);
    if (header >= 0) {
        headerSeen = true;
        // A block that ends at an empty line or at the end of the file without a matching
        // rule leaves the item as it is.
        verdict.Outcome = ItemVerdict::Kind::Unchanged;
        const auto& lines = file.Lines();
        for (std::size_t i = static_cast<std::size_t>(header) + 1; i < lines.size(); ++i) {
            const std::string& line = lines[i];
            if (line.empty()) {
                break;
            }
            if (Slice(line, 0, prefix.size()) != prefix) {
                continue;
            }
            prefixSeen = true;
            if (Slice(line, prefix.size(), 4) != xwPart) {
                continue;
            }
            xwSeen = true;
            if (Slice(line, prefix.size() + 4, 16) != thenText) {
                continue;
            }
            thenSeen = true;
            inUse_.RuleLine = static_cast<int>(i) + 1;
            inUse_.Rule = &line;
            const std::string consequence = WithoutTrailingBlanks(Slice(line, prefix.size() + 20));
            const int count =
                method == "O1"
                    ? 1 + static_cast<int>(std::count(consequence.begin(), consequence.end(), ','))
                    : 1;
            const std::string applied = ApplyMethod(topic, consequence, count, status);
            if (applied == kResultOk) {
                verdict.Outcome = ItemVerdict::Kind::Applied;
            } else if (applied != kResultNothing) {
                verdict = {ItemVerdict::Kind::Conflict, consequence};
            }
            break;
        }
    }

    if (!headerSeen) {
        ReportNotFound(path, headerKey);
    }
    if (!prefixSeen) {
        ReportNotFound(path, prefix);
    }
    if (!xwSeen) {
        ReportNotFound(path, xwPart);
    }
    if (!thenSeen) {
        ReportNotFound(path, thenText);
    }
    return verdict;
}

void TLineEvaluator::NoteHeld(const TVxSEPapa& entry, const std::string& item) {
    if (recorder_ != nullptr) {
        inUse_.Held = table_.IndexOf(entry);
        inUse_.Failed = item;
    }
}

void TLineEvaluator::ReportNotFound(const std::string& path, const std::string& text) {
    ui_.ShowMessage(MsgNotFound(path, text));
}

std::string TLineEvaluator::ApplyMethod(std::int32_t topic, const std::string& consequence,
                                        int count, TFehlerStatus& status) {
    if (consequence.size() < 3) {
        return kResultNoMethod;
    }
    std::string result = kResultNothing;
    for (const std::string& item : ConsequenceItems(consequence, count)) {
        if (IsErrorText(result)) {
            return result;
        }
        MethodItem read;
        if (!ReadMethodItem(item, topic, read)) {
            return kResultNoMethod;
        }
        TVxSEPapa* entry = table_.FindNumbers(read.Topic, read.Sentence);
        ItemOutcome outcome;
        if (read.Operator == "EQ") {
            outcome = ApplyEQ(item, read, entry, status);
        } else if (read.Operator == "NEQ") {
            if (entry != nullptr && read.ValuePart.empty()) {
                return kResultNoMethod;
            }
            outcome = entry == nullptr ? ItemOutcome{kResultOk, false}
                                       : ApplyNEQ(item, read, *entry, result);
        } else {
            // An item whose operator cannot be read must not pass as if its rule held.
            return kResultNoMethod;
        }
        result = outcome.Result;
        if (outcome.Ends) {
            return result;
        }
    }
    return result;
}

bool TLineEvaluator::ReadMethodItem(const std::string& item, std::int32_t topic, MethodItem& read) {
    std::size_t pos = 2;
    read.Topic = topic;
    if (item.size() > 1 && item[1] == 'S') {
        const std::string digits = ReadDigits(item, pos, 6);
        const auto number = TryStrToInt(digits);
        if (!number) {
            ui_.ShowMessage(MsgConvertItemNumber(digits, topic));
            return false;
        }
        read.Topic = *number;
        ++pos;  // the "E" before the sentence digits
    }
    const std::string digits = ReadDigits(item, pos, 5);
    const auto number = TryStrToInt(digits);
    if (!number) {
        ui_.ShowMessage(MsgConvertItemNumber(digits, topic));
        return false;
    }
    read.Sentence = *number;

    ++pos;  // the blank before the operator
    const std::string_view rest = Slice(item, pos);
    const auto blank = rest.find(' ');
    read.Operator = std::string(rest.substr(0, blank));
    read.ValuePart =
        blank == std::string_view::npos ? std::string() : std::string(rest.substr(blank + 1));
    return true;
}

TLineEvaluator::ItemOutcome TLineEvaluator::ApplyEQ(const std::string& item, const MethodItem& read,
                                                    TVxSEPapa* entry, TFehlerStatus& status) {
    const std::string_view value = read.ValuePart;
    const XWToken token = ReadXWToken(value.substr(0, value.find(' ')), item);
    if (!token.Error.empty()) {
        return {token.Error, false};
    }
    if (entry != nullptr) {
        if (entry->XWType == token.Type && entry->Value == token.Value) {
            return {kResultOk, false};
        }
        NoteHeld(*entry, item);
        return {TargetText(read, item), true};
    }
    TVxSEPapa* created = table_.TakeFree();
    if (created == nullptr) {
        return {"Error_SE_Table_full: " + item, true};
    }
    created->XWType = token.Type;
    created->Key = "S" + IntToStr(read.Topic) + "E" + IntToStr(read.Sentence);
    created->Note.clear();
    created->Value = token.Value;
    created->SentenceNumber = read.Sentence;
    created->TopicNumber = read.Topic;
    status.Changed = TargetText(read, item);
    if (recorder_ != nullptr) {
        recorder_->Entered(table_.IndexOf(*created),
                           ItemDerivation(created->Key + created->XWType + IntToStr(token.Value)));
    }
    return {kResultOk, false};
}

TLineEvaluator::ItemOutcome TLineEvaluator::ApplyNEQ(const std::string& item,
                                                     const MethodItem& read, const TVxSEPapa& entry,
                                                     const std::string& resultSoFar) {
    ItemOutcome outcome{resultSoFar, false};
    for (const std::string_view word : NEQTokens(read.ValuePart)) {
        const XWToken token = ReadXWToken(word, item);
        if (!token.Error.empty()) {
            outcome.Result = token.Error;
            continue;
        }
        if (entry.XWType != token.Type) {
            NoteHeld(entry, item);
            const std::string conflict = TargetText(read, item);
            ui_.ShowMessage(MsgXWTypeMismatch(conflict));
            return {conflict, true};
        }
        if (entry.Value == token.Value) {
            NoteHeld(entry, item);
            return {TargetText(read, item), true};
        }
    }
    return outcome;
}

TLineEvaluator::XWToken TLineEvaluator::ReadXWToken(std::string_view token,
                                                    const std::string& item) {
    XWToken read;
    read.Type = FirstTwoChars(token);
    read.Value = CharsThreeFourAsInt(token);
    if (read.Value == -1) {
        read.Error += "Error_Cannot_resolve_XW_Num: " + item;
    }
    if (read.Type.size() < 2) {
        read.Error += "Error_XW_Type_to_short: " + item;
    } else if (read.Type[1] != 'W') {
        read.Error += "Error_Cannot_resolve_XW_Type: " + item;
    }
    return read;
}

std::string TLineEvaluator::TargetText(const MethodItem& read, const std::string& item) {
    return "RS" + IntToStr(read.Topic) + "E" + IntToStr(read.Sentence) + item;
}

}  // namespace vx
