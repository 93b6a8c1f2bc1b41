#include "session/result_report.h"

#include <algorithm>
#include <cctype>
#include <string_view>
#include <utility>

#include "platform/json_text.h"
#include "platform/strict_int.h"
#include "session/result_form.h"
#include "session/smallest_conflict.h"

namespace vx {
namespace {

constexpr int kPage2BR = 1;
const char* const kResultsSeparator = "--- results";

bool StartsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

// The text after `prefix` when `text` begins with it.
std::optional<std::string> After(const std::string& text, std::string_view prefix) {
    if (!StartsWith(text, prefix)) {
        return std::nullopt;
    }
    return text.substr(prefix.size());
}

std::string TrimRight(std::string text) {
    while (!text.empty() && text.back() == ' ') {
        text.pop_back();
    }
    return text;
}

std::optional<int> Number(std::string_view text) {
    return TryStrToInt(text);
}

// --- 1BR

// "S254E10WW10": the sentence, the two letters of the XW type and the value.
ReportSEValue SEValueOf(const std::string& line) {
    ReportSEValue value{line, "", std::nullopt, line};
    std::size_t digits = line.size();
    while (digits > 0 && std::isdigit(static_cast<unsigned char>(line[digits - 1])) != 0) {
        --digits;
    }
    if (digits >= 2 && digits < line.size()) {
        value.SE = line.substr(0, digits - 2);
        value.Type = line.substr(digits - 2, 2);
        value.Value = Number(line.substr(digits));
    }
    return value;
}

// The sentence named in "Fehler bei Satz: <sentence> bei Zuweisung von W-Wert".
std::optional<std::string> ConflictSentence(const std::string& line) {
    static const std::string kBefore = "Fehler bei Satz: ";
    static const std::string kAfter = " bei Zuweisung von W-Wert";
    const std::size_t at = line.find(kBefore);
    if (at == std::string::npos) {
        return std::nullopt;
    }
    std::string sentence = line.substr(at + kBefore.size());
    if (sentence.size() >= kAfter.size() &&
        sentence.compare(sentence.size() - kAfter.size(), kAfter.size(), kAfter) == 0) {
        sentence.resize(sentence.size() - kAfter.size());
    }
    return sentence;
}

void ReadStatusLine(ResultReport& report, const std::string& line) {
    static const std::pair<const char*, const char*> kErrors[] = {{"Error0:", "not_run"},
                                                                  {"Error1:", "conflict"},
                                                                  {"Error3:", "error"},
                                                                  {"Error9:", "error"}};
    for (const auto& [prefix, status] : kErrors) {
        if (StartsWith(line, prefix)) {
            report.ErrorKind = std::string(prefix, 6);
            report.Status = status;
        }
    }
    if (auto sentence = ConflictSentence(line)) {
        report.Sentence = std::move(sentence);
    } else if (auto method = After(line, "Bei Methode:  ")) {
        report.Method = std::move(method);
    } else if (auto number = After(line, "In Zeile: ")) {
        report.Line = Number(*number);
    } else if (auto cycle = After(line, "In Zyklus: ")) {
        report.Cycle = Number(*cycle);
    } else if (auto cycles = After(line, "OK, Zyklen: ")) {
        report.Cycle = Number(*cycles);
        if (!report.ErrorKind) {
            report.Status = "ok";
        }
    }
}

// --- 2BR

// "TS1=10 TS2=10 " after "with:".
std::vector<ReportVerdict::Assignment> AssignmentOf(const std::string& text) {
    std::vector<ReportVerdict::Assignment> assignment;
    std::size_t at = 0;
    while (at < text.size()) {
        std::size_t end = text.find(' ', at);
        if (end == std::string::npos) {
            end = text.size();
        }
        const std::string word = text.substr(at, end - at);
        const std::size_t equals = word.find('=');
        if (equals != std::string::npos) {
            if (auto value = Number(word.substr(equals + 1))) {
                assignment.push_back({word.substr(0, equals), *value});
            }
        }
        at = end + 1;
    }
    return assignment;
}

// One ", "-separated part of a verdict; false when it is none of the known parts.
bool ReadVerdictPart(ReportVerdict& verdict, const std::string& part) {
    static const std::string kTarget = " with SE-Target: ";
    if (auto matches = After(part, "MATCHES" + kTarget)) {
        verdict.Verdict = "MATCHES";
        const std::size_t with = matches->find(" with:");
        verdict.Target = Number(matches->substr(0, with));
        if (with != std::string::npos) {
            verdict.FirstAssignment = AssignmentOf(matches->substr(with + 6));
        }
    } else if (auto inconsistent = After(part, "INCONSISTENT" + kTarget)) {
        verdict.Verdict = "INCONSISTENT";
        verdict.Target = Number(TrimRight(*inconsistent));
    } else if (auto count = After(part, "matches: ")) {
        verdict.Matches = Number(TrimRight(*count));
    } else if (TrimRight(part) == "determined" || TrimRight(part) == "underdetermined") {
        verdict.Determined = TrimRight(part) == "determined";
    } else {
        return false;
    }
    return true;
}

ReportVerdict VerdictOf(int lineNumber, const std::string& line) {
    ReportVerdict verdict;
    verdict.Line = lineNumber;
    verdict.Text = line;
    const std::size_t colon = line.find(':');
    verdict.SE = colon == std::string::npos ? std::string() : line.substr(0, colon);
    const std::string rest = colon == std::string::npos ? line : line.substr(colon + 1);
    // A prepared TS holds no blank, so the first ", " ends it.
    std::size_t at = rest.find(", ");
    verdict.TS = rest.substr(0, at);
    bool joinError = false;
    while (at != std::string::npos) {
        const std::size_t next = rest.find(", ", at + 2);
        const std::string part =
            rest.substr(at + 2, next == std::string::npos ? next : next - at - 2);
        const bool known = ReadVerdictPart(verdict, part);
        if (!known && joinError) {
            verdict.Errors.back() += ", " + part;
        } else if (!known) {
            verdict.Errors.push_back(part);
        }
        joinError = !known;
        at = next;
    }
    for (std::string& error : verdict.Errors) {
        error = TrimRight(error);
    }
    if (verdict.Verdict.empty() && !verdict.Errors.empty()) {
        verdict.Verdict = "ERROR";
    }
    return verdict;
}

// An error of the run in the "Results" list: the texts that begin with "Err" in any case, and
// the lines of the TS syntax check.
bool IsErrorLine(const std::string& line) {
    std::string start = line.substr(0, 3);
    std::transform(start.begin(), start.end(), start.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return start == "err" || line.find("Syntax Error") != std::string::npos;
}

void SetTwoBRStatus(ResultReport& report) {
    bool lineError = false;
    bool conflict = false;
    bool matched = false;
    for (const ReportLogic& logic : report.Logics) {
        for (const ReportVerdict& verdict : logic.Verdicts) {
            lineError = lineError || !verdict.Errors.empty();
            conflict = conflict || verdict.Verdict == "INCONSISTENT";
            matched = matched || verdict.Verdict == "MATCHES";
        }
    }
    const auto& messages = report.Messages;
    if (std::any_of(messages.begin(), messages.end(), IsErrorLine)) {
        report.Status = "error";
        report.ErrorKind = "results";
    } else if (lineError) {
        report.Status = "error";
        report.ErrorKind = "line";
    } else if (conflict) {
        report.Status = "conflict";
    } else if (matched || std::find(messages.begin(), messages.end(), "OK") != messages.end()) {
        report.Status = "ok";
    } else {
        report.Status = "not_run";
    }
}

bool HoldsTwoBRReport(const TResultForm& form) {
    if (!form.Memo_Results.Lines.Empty()) {
        return true;
    }
    return std::any_of(
        kTSResultLists.begin(), kTSResultLists.end(),
        [&form](const TSResultList& list) { return !(form.*list.Memo).Lines.Empty(); });
}

bool Shows2BR(const TResultForm& form) {
    return form.PageControl.ActivePageIndex == kPage2BR;
}

// --- JSON

JsonValue Json(const ReportVerdict& verdict) {
    JsonValue assignment = JsonValue::Array();
    for (const auto& [term, value] : verdict.FirstAssignment) {
        JsonValue pair = JsonValue::Object();
        pair.Set("term", term);
        pair.Set("value", value);
        assignment.Add(std::move(pair));
    }
    JsonValue json = JsonValue::Object();
    json.Set("line", verdict.Line);
    json.Set("se", verdict.SE);
    json.Set("ts", verdict.TS);
    json.Set("verdict", verdict.Verdict.empty() ? JsonValue() : JsonValue(verdict.Verdict));
    json.Set("target", verdict.Target);
    json.Set("first_assignment", std::move(assignment));
    json.Set("matches", verdict.Matches);
    json.Set("determined", verdict.Determined);
    json.Set("errors", JsonValue::Strings(verdict.Errors));
    json.Set("text", verdict.Text);
    return json;
}

JsonValue Json(const ReportDerivation& step) {
    JsonValue from = JsonValue::Array();
    for (const int position : step.From) {
        from.Add(position);
    }
    JsonValue json = JsonValue::Object();
    json.Set("se", step.SE);
    json.Set("value", step.Value);
    json.Set("session_line", step.SessionLine);
    json.Set("item", step.Item);
    json.Set("method_file", step.MethodFile);
    json.Set("rule_block", step.RuleBlock);
    json.Set("cycle", step.Cycle);
    json.Set("pass", step.Pass);
    json.Set("from", std::move(from));
    return json;
}

JsonValue Json(const ReportExplanation& explanation) {
    JsonValue trace = JsonValue::Array();
    for (const ReportDerivation& step : explanation.Trace) {
        trace.Add(Json(step));
    }
    JsonValue json = JsonValue::Object();
    json.Set("trace", std::move(trace));
    if (explanation.SmallestConflict) {
        JsonValue lines = JsonValue::Array();
        for (const ReportConflictLine& line : *explanation.SmallestConflict) {
            JsonValue entry = JsonValue::Object();
            entry.Set("line", line.Line);
            entry.Set("text", line.Text);
            lines.Add(std::move(entry));
        }
        JsonValue conflict = JsonValue::Object();
        conflict.Set("lines", std::move(lines));
        json.Set("smallest_conflict", std::move(conflict));
    }
    return json;
}

JsonValue SEValuesJson(const std::vector<ReportSEValue>& values) {
    JsonValue json = JsonValue::Array();
    for (const ReportSEValue& value : values) {
        JsonValue entry = JsonValue::Object();
        entry.Set("se", value.SE);
        entry.Set("type", value.Type);
        entry.Set("value", value.Value);
        entry.Set("text", value.Text);
        json.Add(std::move(entry));
    }
    return json;
}

JsonValue LogicsJson(const std::vector<ReportLogic>& logics) {
    JsonValue json = JsonValue::Array();
    for (const ReportLogic& logic : logics) {
        JsonValue verdicts = JsonValue::Array();
        for (const ReportVerdict& verdict : logic.Verdicts) {
            verdicts.Add(Json(verdict));
        }
        JsonValue entry = JsonValue::Object();
        entry.Set("logic", logic.Logic);
        entry.Set("header", logic.Header);
        entry.Set("verdicts", std::move(verdicts));
        json.Add(std::move(entry));
    }
    return json;
}

}  // namespace

ResultReport OneBRResultReport(const std::vector<std::string>& lines) {
    ResultReport report;
    report.Mode = "1BR";
    report.Text = lines;
    // A status -1 without a value names no line: a conflict the report leaves unexplained.
    report.Status = "conflict";
    if (!lines.empty()) {
        report.Date = After(lines.front(), "//Session Results: vx2.0b, ");
    }
    const auto result = std::find(lines.begin(), lines.end(), "Result: ");
    const auto seResults = std::find(lines.begin(), lines.end(), "SE-Results: ");
    if (result == lines.end() || seResults < result) {
        report.Status = "not_run";
        return report;
    }
    for (auto line = result + 1; line != seResults; ++line) {
        ReadStatusLine(report, *line);
    }
    for (auto line = seResults == lines.end() ? seResults : seResults + 1; line != lines.end();
         ++line) {
        report.SEValues.push_back(SEValueOf(*line));
    }
    return report;
}

std::vector<std::string> TwoBRReportLines(const TResultForm& form) {
    std::vector<std::string> lines;
    for (const TSResultList& list : kTSResultLists) {
        const TextList& memo = (form.*list.Memo).Lines;
        if (memo.Count() > 1) {
            lines.insert(lines.end(), memo.Lines().begin(), memo.Lines().end());
        }
    }
    lines.push_back(kResultsSeparator);
    const TextList& results = form.Memo_Results.Lines;
    lines.insert(lines.end(), results.Lines().begin(), results.Lines().end());
    return lines;
}

ResultReport TwoBRResultReport(const TResultForm& form) {
    ResultReport report;
    report.Mode = "2BR";
    report.Text = TwoBRReportLines(form);
    report.Messages = form.Memo_Results.Lines.Lines();
    for (const TSResultList& list : kTSResultLists) {
        const TextList& memo = (form.*list.Memo).Lines;
        ReportLogic logic{list.Logic, list.Header, {}};
        for (int i = 1; i < memo.Count(); ++i) {
            logic.Verdicts.push_back(VerdictOf(i, memo[i]));
        }
        report.Logics.push_back(std::move(logic));
    }
    SetTwoBRStatus(report);
    return report;
}

std::vector<std::string> ShownReportLines(const TResultForm& form) {
    if (Shows2BR(form)) {
        return HoldsTwoBRReport(form) ? TwoBRReportLines(form) : std::vector<std::string>{};
    }
    return form.ResultMemo.Lines.Lines();
}

ResultReport ShownResultReport(const TResultForm& form) {
    return Shows2BR(form) ? TwoBRResultReport(form)
                          : OneBRResultReport(form.ResultMemo.Lines.Lines());
}

std::string ResultReportJson(const ResultReport& report) {
    JsonValue json = JsonValue::Object();
    json.Set("format", "vx-report");
    json.Set("version", 1);
    json.Set("mode", report.Mode);
    json.Set("date", report.Date);
    json.Set("status", report.Status);
    json.Set("error_kind", report.ErrorKind);
    json.Set("sentence", report.Sentence);
    json.Set("method", report.Method);
    json.Set("line", report.Line);
    json.Set("cycle", report.Cycle);
    json.Set("se_values", SEValuesJson(report.SEValues));
    json.Set("logics", LogicsJson(report.Logics));
    json.Set("messages", JsonValue::Strings(report.Messages));
    json.Set("text", JsonValue::Strings(report.Text));
    if (report.Explanation) {
        json.Set("explanation", Json(*report.Explanation));
    }
    return json.Dump() + "\n";
}

namespace {

ReportDerivation DerivationReport(const OneBRTrace& trace, const Derivation& derivation) {
    ReportDerivation report;
    report.SE = SEValueOf(derivation.Value).SE;
    report.Value = derivation.Value.substr(report.SE.size());
    if (const TracedLine* line = trace.Line(derivation.Place.Record)) {
        report.SessionLine = line->SessionLine;
    }
    if (derivation.Item > 0) {
        report.Item = derivation.ItemText;
    }
    if (!derivation.MethodFile.empty()) {
        report.MethodFile = derivation.MethodFile;
    }
    if (!derivation.BlockHeader.empty()) {
        report.RuleBlock = derivation.BlockHeader;
    }
    report.Cycle = derivation.Place.Cycle;
    report.Pass = derivation.Place.Pass == OneBRPass::Forward ? "forward" : "backward";
    if (derivation.Premise > 0) {
        report.From.push_back(derivation.Premise - 1);
    }
    return report;
}

}  // namespace

ReportExplanation ExplanationReport(const OneBRTrace& trace, const SmallestConflict* smallest) {
    ReportExplanation explanation;
    for (const Derivation& derivation : trace.Entries) {
        explanation.Trace.push_back(DerivationReport(trace, derivation));
    }
    if (smallest != nullptr) {
        std::vector<ReportConflictLine> lines;
        for (const TracedLine& line : smallest->Lines) {
            lines.push_back({line.SessionLine, line.Text});
        }
        explanation.SmallestConflict = std::move(lines);
    }
    return explanation;
}

}  // namespace vx
