#pragma once

#include <functional>
#include <memory>

#include "session/one_br_trace.h"
#include "session/one_br_types.h"

namespace vx {

class MethodFileSource;
class TIniForm;
class TResultForm;
class TextList;
class Ui;
struct TProgressBar;
struct TextBaseSettings;

// Evaluates one line record (EvaluateSessionLine of the run's evaluator).
using LineEvaluation = std::function<TFehlerStatus(const TSatzEntry&)>;

// Forward and backward passes over records 1..count, cycle after cycle, until a cycle adds
// no SE value or a pass ends with an error. `status` holds the status of the last evaluated
// line, or of the pass's conflict or first syntax or unknown error. The progress bar, when
// given, follows the records of each pass; the recorder, when given, learns the place of every
// evaluated line.
RunResult RunCycles(const TSatzArray& records, int count, const LineEvaluation& evaluate,
                    TFehlerStatus& status, Ui& ui, TProgressBar* progress = nullptr,
                    OneBRTraceRecorder* recorder = nullptr);

// The cycles of a run over records 1..count on a fresh SE table.
struct OneBRComputation {
    TFehlerStatus Status;
    RunResult Result;
    std::unique_ptr<TVxSETable> Table;  // null when the table could not be created
};
OneBRComputation ComputeOneBR(const TSatzArray& records, int count,
                              const TextBaseSettings& settings, MethodFileSource& files, Ui& ui,
                              TProgressBar* progress = nullptr,
                              OneBRTraceRecorder* recorder = nullptr);

// True when a run's status is a conflict that the report names ("Error1").
bool EndsInConflict(const TFehlerStatus& status);

// What a 1BR run came to.
struct OneBROutcome {
    bool Reported = false;  // false when the run stopped before its report
    TFehlerStatus Status;
    RunResult Result;
    OneBRTrace Trace;  // empty when the run recorded none
};

// "Session start" of a 1BR session: reads the lines after the header of `session` into line
// records, runs the cycles over a fresh SE table, empties Sessions\default.res and writes the
// report into the result window. RunState is "Sescomputing" during the run and "idle" after
// it. Method files come from `files`, or are read once per run when it is null.
// With ResultFile::Keep the run writes no file (a check that leaves the installation as it is).
// With Tracing::Record the run keeps the derivation of every value and its conflict, and the
// result window can explain it.
enum class ResultFile { Empty, Keep };
enum class Tracing { Record, Off };
OneBROutcome RunOneBRSession(const TextList& session, TIniForm& ini, TResultForm& resultForm,
                             Ui& ui, MethodFileSource* files = nullptr,
                             ResultFile resultFile = ResultFile::Empty,
                             Tracing tracing = Tracing::Record);

}  // namespace vx
