#pragma once

#include <optional>
#include <string>
#include <vector>

namespace vx {

class TextList;

enum class OneBRPass { Forward, Backward };

// Where the run stood when it evaluated a line.
struct EvaluationPlace {
    int Record = 0;  // the line record, as the report's "In Zeile" counts it
    int Cycle = 0;
    OneBRPass Pass = OneBRPass::Forward;
};

// A line of a session that the run read: its number in the session text (the header is line 0),
// its number among the lines that a run of the whole session reads (the report's "In Zeile"),
// and its text.
struct TracedLine {
    int SessionLine = 0;
    int Record = 0;
    std::string Text;
};

// How a value came into the SE table, or what a line or rule demanded that the table refused.
// A value that a line states has Item 0 and no rule; a value that a rule derives names the
// relation item, the method file with the block and rule line that were applied, and the SE
// entry of the line's own sentence, whose value the rule's condition read.
struct Derivation {
    std::string Value;  // "S254E11WW10"; for a demand that failed, the demanded item
    EvaluationPlace Place;
    int Item = 0;             // the relation item 1..32; 0: the line states the value itself
    std::string ItemText;     // "RS254E11M1"
    std::string MethodFile;   // path of the semi-formal method file
    std::string BlockHeader;  // "E10, RS254E11:"
    int RuleLine = 0;         // line of the rule in the method file, from 1; 0: none was found
    std::string Rule;         // "IF E10 EQ WW10 THEN WITH M1 : RS254E11 EQ WW10"
    int Premise = 0;          // SE entry the rule's condition read; 0: none
};

// Why a line ended in a conflict.
enum class ConflictKind {
    OwnValue,      // the line states a value other than the one its sentence holds
    Consequence,   // a rule's consequence does not hold for a value the table holds
    NoRule,        // the method file has no block for the item
    NoMethodFile,  // the method file cannot be opened
    MethodError,   // the rule's consequence cannot be read
};

// The two values that met: the one the SE table held, and what a line or rule demanded.
struct OneBRConflict {
    ConflictKind Kind = ConflictKind::OwnValue;
    int Held = 0;  // SE entry that held the other value; 0 when none was involved
    Derivation Met;
};

// What a 1BR run records to explain itself: its lines, for every SE entry the derivation of
// its value (entry i at index i - 1, entries being filled in order and never overwritten), and
// the conflict that ended the run, if one did.
struct OneBRTrace {
    std::vector<TracedLine> Lines;    // record r at index r - 1
    std::vector<Derivation> Entries;  // SE entry i at index i - 1
    std::optional<OneBRConflict> Conflict;

    const TracedLine* Line(int record) const;
    const Derivation* Entry(int entry) const;
    // The derivations behind SE entry `entry`: the entry first, then the entry its rule's
    // condition read, and so on back to a value that a line states.
    std::vector<const Derivation*> Chain(int entry) const;
};

// The lines that a run reads as records from a session text, in record order: the lines after
// the header that are not empty and begin with "S".
std::vector<TracedLine> RecordLines(const TextList& session);

// The text of an explanation: the conflict with the derivations behind both of its values, or,
// without a conflict, a line saying so.
std::vector<std::string> ExplanationLines(const OneBRTrace& trace);
// One line that names the conflict of a trace: where it happened and which values met.
std::string ConflictSummary(const OneBRTrace& trace);
// The derivation of the value of SE entry `entry`, back to the lines that state it.
std::vector<std::string> DerivationLines(const OneBRTrace& trace, int entry);

// Collects a trace while a run goes: the cycles say where they stand, the line evaluation
// what it entered into the SE table and what conflict it met.
class OneBRTraceRecorder {
public:
    explicit OneBRTraceRecorder(OneBRTrace& trace) : trace_(trace) {}

    void SetPlace(int record, int cycle, OneBRPass pass) { place_ = {record, cycle, pass}; }
    const EvaluationPlace& Place() const { return place_; }
    // SE entry `entry` received its value as `derivation` says; its place is the current one.
    void Entered(int entry, Derivation derivation);
    // The line evaluated at the current place ended in `conflict`.
    void Conflict(OneBRConflict conflict);

private:
    OneBRTrace& trace_;
    EvaluationPlace place_;
};

}  // namespace vx
