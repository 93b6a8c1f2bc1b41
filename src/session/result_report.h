#pragma once

#include <optional>
#include <string>
#include <vector>

namespace vx {

class TResultForm;
struct OneBRTrace;
struct SmallestConflict;

// The result window's report as data: what "Result save" writes as JSON and what vx-check
// writes with --json. It is read from the lines the window shows, so that the data and the
// text can never tell different stories.

// An SE value of the 1BR report, e.g. "S254E10WW10".
struct ReportSEValue {
    std::string SE;    // "S254E10"
    std::string Type;  // "WW"
    std::optional<int> Value;
    std::string Text;  // the line as shown
};

// A TS line of a 2BR result list with its verdict, e.g.
// "S120E3:TS1uTS2, MATCHES with SE-Target: 10 with:TS1=10 TS2=10 ".
struct ReportVerdict {
    struct Assignment {
        std::string Term;  // "TS1"
        int Value = 0;
    };
    int Line = 0;  // in its list, counted from 1 after the header
    std::string SE;
    std::string TS;
    std::string Verdict;  // "MATCHES", "INCONSISTENT", "ERROR", or empty when not computed
    std::optional<int> Target;
    std::vector<Assignment> FirstAssignment;  // of a MATCHES verdict
    std::optional<int> Matches;               // when the run counted every match
    std::optional<bool> Determined;
    std::vector<std::string> Errors;  // error texts appended to the line
    std::string Text;                 // the line as shown
};

struct ReportLogic {
    std::string Logic;   // "DefWW"
    std::string Header;  // "//DefWW Results:"
    std::vector<ReportVerdict> Verdicts;
};

// Why a 1BR run ended as it did: each derivation of an SE value, and the smallest set of
// session lines that still conflict. Filled by whoever computed them; absent otherwise.
struct ReportDerivation {
    std::string SE;
    std::string Value;  // "WW10"
    std::optional<int> SessionLine;
    std::optional<std::string> Item;
    std::optional<std::string> MethodFile;
    std::optional<std::string> RuleBlock;
    std::optional<int> Cycle;
    std::optional<std::string> Pass;
    std::vector<int> From;  // positions in the trace (from 0) of the values it rests on
};

struct ReportConflictLine {
    int Line = 0;
    std::string Text;
};

struct ReportExplanation {
    std::vector<ReportDerivation> Trace;
    std::optional<std::vector<ReportConflictLine>> SmallestConflict;
};

struct ResultReport {
    std::string Mode;  // "1BR" or "2BR"
    std::optional<std::string> Date;
    std::string Status;  // "ok", "conflict", "error" or "not_run"
    std::optional<std::string> ErrorKind;
    std::optional<std::string> Sentence;
    std::optional<std::string> Method;
    std::optional<int> Line;
    std::optional<int> Cycle;
    std::vector<ReportSEValue> SEValues;
    std::vector<ReportLogic> Logics;
    std::vector<std::string> Messages;
    std::vector<std::string> Text;
    std::optional<ReportExplanation> Explanation;
};

// The report of a 1BR run from its lines as the "Result" page shows them.
ResultReport OneBRResultReport(const std::vector<std::string>& lines);

// The text of the 2BR pages: every TS result list that holds more than its header, a line
// "--- results", then the "Results" list.
std::vector<std::string> TwoBRReportLines(const TResultForm& form);
// The report of a 2BR run from the lists of the result window.
ResultReport TwoBRResultReport(const TResultForm& form);

// The report of the page the result window shows: "1BR" or "2BR". Empty lines when that page
// holds no report yet.
std::vector<std::string> ShownReportLines(const TResultForm& form);
ResultReport ShownResultReport(const TResultForm& form);

// The explanation of a 1BR run as the report holds it: each SE value's derivation in entry
// order, and the lines of the smallest conflict when one was searched for.
ReportExplanation ExplanationReport(const OneBRTrace& trace, const SmallestConflict* smallest);

// The report as JSON text (UTF-8), ending with a line break.
std::string ResultReportJson(const ResultReport& report);

}  // namespace vx
