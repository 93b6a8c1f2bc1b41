#include "session/one_br_trace.h"

#include "platform/strict_int.h"
#include "platform/text_list.h"

namespace vx {
namespace {

const char* const kExplanationHeader = "//Explanation: vx2.0b";
const char* const kNoConflict = "The run ended without a conflict.";
const char* const kNoSuchValue = "No SE value of the run has this number.";

std::string PlaceText(const EvaluationPlace& place) {
    return "cycle " + IntToStr(place.Cycle) + ", " +
           (place.Pass == OneBRPass::Forward ? "forward" : "backward") + " pass";
}

std::string LineName(const OneBRTrace& trace, int record) {
    const TracedLine* line = trace.Line(record);
    return "line " + IntToStr(line != nullptr ? line->SessionLine : record);
}

std::string LineText(const OneBRTrace& trace, int record) {
    const TracedLine* line = trace.Line(record);
    return line != nullptr ? line->Text : std::string();
}

// "by line 2, item 1 RS254E11M1 (cycle 0, forward pass)"
std::string ByItem(const OneBRTrace& trace, const Derivation& d) {
    return "by " + LineName(trace, d.Place.Record) + ", item " + IntToStr(d.Item) + " " +
           d.ItemText + " (" + PlaceText(d.Place) + ")";
}

// The rule that a derivation applied, and where it stands.
void AddRule(std::vector<std::string>& lines, const Derivation& d) {
    lines.push_back("    rule: " + d.Rule);
    lines.push_back("    in block \"" + d.BlockHeader + "\", line " + IntToStr(d.RuleLine) +
                    " of " + d.MethodFile);
}

// One step of a chain: how the value of `d` came about, in one or two lines.
void AddStep(std::vector<std::string>& lines, const OneBRTrace& trace, const Derivation& d,
             const std::string& verb, const std::string& prefix) {
    if (d.Item == 0) {
        lines.push_back(prefix + d.Value + " " + verb + " by " + LineName(trace, d.Place.Record) +
                        " (" + PlaceText(d.Place) + "): " + LineText(trace, d.Place.Record));
        return;
    }
    lines.push_back(prefix + d.Value + " " + verb + " " + ByItem(trace, d));
    AddRule(lines, d);
}

// The premises behind a rule's derivation, back to the line that states the first of them.
void AddPremises(std::vector<std::string>& lines, const OneBRTrace& trace, int premise) {
    for (const Derivation* d : trace.Chain(premise)) {
        AddStep(lines, trace, *d, d->Item == 0 ? "stated" : "derived", "  from ");
    }
}

void AddHeld(std::vector<std::string>& lines, const OneBRTrace& trace, int entry) {
    const Derivation* held = trace.Entry(entry);
    if (held == nullptr) {
        return;
    }
    lines.push_back("Held value " + held->Value + ":");
    AddStep(lines, trace, *held, held->Item == 0 ? "stated" : "derived", "  ");
    if (held->Item != 0) {
        AddPremises(lines, trace, held->Premise);
    }
}

void AddMet(std::vector<std::string>& lines, const OneBRTrace& trace, const OneBRConflict& c) {
    const Derivation& met = c.Met;
    lines.push_back("Demanded " + met.Value + ":");
    switch (c.Kind) {
        case ConflictKind::OwnValue:
            AddStep(lines, trace, met, "stated", "  ");
            return;
        case ConflictKind::NoMethodFile:
            lines.push_back("  " + ByItem(trace, met) + ": the method file " + met.MethodFile +
                            " cannot be opened");
            break;
        case ConflictKind::NoRule:
            lines.push_back("  " + ByItem(trace, met) + ": no block \"" + met.BlockHeader +
                            "\" in " + met.MethodFile);
            break;
        case ConflictKind::Consequence:
        case ConflictKind::MethodError:
            AddStep(lines, trace, met, "demanded", "  ");
            if (c.Kind == ConflictKind::MethodError) {
                lines.push_back("  the consequence cannot be read or checked");
            }
            break;
    }
    AddPremises(lines, trace, met.Premise);
}

std::string ConflictHeading(const OneBRTrace& trace, const OneBRConflict& c) {
    const int record = c.Met.Place.Record;
    const TracedLine* line = trace.Line(record);
    // The report counts only the lines it read; name its number where the two differ.
    const std::string reported = line != nullptr && line->SessionLine != line->Record
                                     ? "In Zeile: " + IntToStr(line->Record) + ", "
                                     : std::string();
    std::string heading =
        "Conflict in " + LineName(trace, record) + " (" + reported + PlaceText(c.Met.Place) + "): ";
    const Derivation* held = trace.Entry(c.Held);
    if (held != nullptr) {
        return heading + c.Met.Value + " met " + held->Value;
    }
    return heading + c.Met.Value + " could not be applied";
}

}  // namespace

const TracedLine* OneBRTrace::Line(int record) const {
    if (record < 1 || record > static_cast<int>(Lines.size())) {
        return nullptr;
    }
    return &Lines[static_cast<std::size_t>(record - 1)];
}

const Derivation* OneBRTrace::Entry(int entry) const {
    if (entry < 1 || entry > static_cast<int>(Entries.size())) {
        return nullptr;
    }
    return &Entries[static_cast<std::size_t>(entry - 1)];
}

std::vector<const Derivation*> OneBRTrace::Chain(int entry) const {
    std::vector<const Derivation*> chain;
    // A rule's premise was entered before the value it derived, so the chain goes back to
    // ever smaller entries and ends.
    for (int current = entry; const Derivation* d = Entry(current);) {
        chain.push_back(d);
        const int premise = d->Item == 0 ? 0 : d->Premise;
        if (premise <= 0 || premise >= current) {
            break;
        }
        current = premise;
    }
    return chain;
}

std::vector<TracedLine> RecordLines(const TextList& session) {
    std::vector<TracedLine> lines;
    for (int n = 1; n < session.Count(); ++n) {
        const std::string& line = session[n];
        if (!line.empty() && line.front() == 'S') {
            lines.push_back({n, static_cast<int>(lines.size()) + 1, line});
        }
    }
    return lines;
}

std::vector<std::string> ExplanationLines(const OneBRTrace& trace) {
    std::vector<std::string> lines{kExplanationHeader, " "};
    if (!trace.Conflict) {
        lines.push_back(kNoConflict);
        return lines;
    }
    const OneBRConflict& conflict = *trace.Conflict;
    lines.push_back(ConflictHeading(trace, conflict));
    lines.push_back(" ");
    if (trace.Entry(conflict.Held) != nullptr) {
        AddHeld(lines, trace, conflict.Held);
        lines.push_back(" ");
    }
    AddMet(lines, trace, conflict);
    return lines;
}

std::string ConflictSummary(const OneBRTrace& trace) {
    return trace.Conflict ? ConflictHeading(trace, *trace.Conflict) : kNoConflict;
}

std::vector<std::string> DerivationLines(const OneBRTrace& trace, int entry) {
    if (trace.Entry(entry) == nullptr) {
        return {kNoSuchValue};
    }
    std::vector<std::string> lines;
    AddHeld(lines, trace, entry);
    lines.front() = "Derivation of " + trace.Entry(entry)->Value + ":";
    return lines;
}

void OneBRTraceRecorder::Entered(int entry, Derivation derivation) {
    derivation.Place = place_;
    const auto index = static_cast<std::size_t>(entry - 1);
    if (trace_.Entries.size() <= index) {
        trace_.Entries.resize(index + 1);
    }
    trace_.Entries[index] = std::move(derivation);
}

void OneBRTraceRecorder::Conflict(OneBRConflict conflict) {
    conflict.Met.Place = place_;
    trace_.Conflict = std::move(conflict);
}

}  // namespace vx
