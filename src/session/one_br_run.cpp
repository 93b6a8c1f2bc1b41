#include "session/one_br_run.h"

#include <memory>
#include <new>
#include <optional>

#include "platform/controls.h"
#include "platform/errors.h"
#include "platform/host_path.h"
#include "platform/strict_int.h"
#include "platform/text_list.h"
#include "platform/ui.h"
#include "session/line_evaluation.h"
#include "session/method_files.h"
#include "session/one_br_report.h"
#include "session/result_form.h"
#include "session/session_lines.h"
#include "settings/ini_form.h"
#include "textbase/tools.h"

namespace vx {
namespace {

const char* const kMsgNoMethods =
    "Es wurden keine Methoden aktiviert. Siehe vx\\System\\.ini\r___\r"
    "No methods were activated. See vx\\System\\.ini";
const char* const kMsgNoMemory =
    "Die Berechnung ist nicht moeglich. Geben Sie Speicher frei\r indem Sie eine Anwendung "
    "schliessen!\r___\rComputation is not possible. Free memory by closing some application.";
const char* const kMsgNotSynchronized =
    "Session Menue: vx ist nicht synchronoisiert. Am besten starten Sie das Programm neu.\r"
    "Kontrollieren sie die Datei \\temp\\Aktses.ini\r___\r"
    "Session Menue: vx isnt synchronized. Restart vx.\rCheck the file \\temp\\Aktses.ini";
const char* const kMsgNoSETable =
    "Es konnten nicht alle Objekte aktiviert werden.\rMachen Sie den Arbeitsspeicher frei.\r"
    "___\rThere couldnt be activated all objects.\rFree your RAM.";
const char* const kMsgResultFile =
    "Fehler beim Oeffnen der Resultatdatei.\r___\rError opening the result file.";
const char* const kMsgInternalError =
    "Interner Fehler bei Berechnung.\r___\rInternal error at computation.";

std::string MsgSecondHalf(int cycle) {
    const std::string text = IntToStr(cycle);
    return "Info: Anzahl Durchlaeufe ist in 2ter Haelfte hinaus: " + text + "\r" + "___" + "\r" +
           "Info: Number of max. Iterations is over 2nd Half: " + text;
}

bool HasShortPart(const TSatzEntry& record) {
    return record.TopicPart.size() < 4 || record.SentencePart.size() < 2 ||
           record.XWPart.size() < 4;
}

// The progress bar follows the records of a pass; the events are let through now and then.
class PassProgress {
public:
    PassProgress(TProgressBar* bar, int count, Ui& ui) : bar_(bar), ui_(ui) {
        if (bar_ != nullptr) {
            bar_->Min = 0;
            bar_->Max = count;
            bar_->Position = 0;
        }
    }
    void Step(int done) {
        if (bar_ == nullptr) {
            return;
        }
        bar_->Position = done;
        if (done % 64 == 0 || done == bar_->Max) {
            ui_.ProcessEvents();
        }
    }

private:
    TProgressBar* bar_;
    Ui& ui_;
};

struct PassOutcome {
    int ErrorLine = 0;
    bool Changed = false;
};

// One pass over the records, forward or backward. A conflict stops it at once and is its
// status. The first syntax or unknown error is kept, as its status stood right after its line,
// while the pass goes on evaluating the later lines; at the end it is the pass's status, so
// that a clean line after it cannot report the pass as OK.
PassOutcome RunPass(const TSatzArray& records, int count, bool forward,
                    const LineEvaluation& evaluate, TFehlerStatus& status, PassProgress& progress,
                    int cycle, OneBRTraceRecorder* recorder) {
    PassOutcome pass;
    std::optional<TFehlerStatus> firstError;
    int firstErrorLine = 0;
    for (int step = 1; step <= count; ++step) {
        const int i = forward ? step : count - step + 1;
        const TSatzEntry& record = records[i];
        progress.Step(step);
        if (record.TopicPart.empty()) {
            continue;
        }
        pass.ErrorLine = 0;
        if (recorder != nullptr) {
            recorder->SetPlace(i, cycle, forward ? OneBRPass::Forward : OneBRPass::Backward);
        }
        if (HasShortPart(record)) {
            status.Status = kStatusSyntax;
        } else {
            status = evaluate(record);
        }
        if (status.Status != kStatusOk) {
            pass.ErrorLine = i;
            if (status.Status == kStatusConflict && status.Value != 0 && status.Sentence != "0") {
                return pass;
            }
            if (status.Status != kStatusSyntax) {
                status.Status = kStatusUnknown;
            }
            if (!firstError) {
                firstError = status;
                firstErrorLine = i;
            }
        }
        if (status.Changed != "0") {
            pass.Changed = true;
        }
    }
    if (firstError) {
        status = *firstError;
        pass.ErrorLine = firstErrorLine;
    }
    return pass;
}

RunResult EndOfRun(const TFehlerStatus& status, int errorLine, int cycle, Ui& ui) {
    if (status.Status == kStatusUnknown) {
        ui.ShowMessage(kMsgInternalError);
    }
    return {errorLine, cycle};
}

void EmptyDefaultResultFile(const TIniForm& ini, Ui& ui) {
    try {
        WriteFileAtomic(ini.SessionsPath + "default.res", "");
    } catch (const FileError&) {
        ui.ShowMessage(kMsgResultFile);
    }
}

template <typename T>
std::unique_ptr<T> Allocate() {
    try {
        // Default-initialised: every member has its initialiser, and value-initialisation
        // would first clear the megabytes of a run's tables for nothing.
        return std::unique_ptr<T>(new T);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

std::unique_ptr<TVxSETable> CreateSETable() {
    return Allocate<TVxSETable>();
}

}  // namespace

RunResult RunCycles(const TSatzArray& records, int count, const LineEvaluation& evaluate,
                    TFehlerStatus& status, Ui& ui, TProgressBar* progressBar,
                    OneBRTraceRecorder* recorder) {
    const int maxCycles = 9 * count + 1;
    int changes = 0;
    int cycle = 0;
    PassProgress progress(progressBar, count, ui);
    while (cycle <= maxCycles && cycle <= changes) {
        if (cycle > 0.5 * maxCycles) {
            ui.ShowMessage(MsgSecondHalf(cycle));
        }
        const PassOutcome forward =
            RunPass(records, count, true, evaluate, status, progress, cycle, recorder);
        if (status.Status != kStatusOk) {
            return EndOfRun(status, forward.ErrorLine, cycle, ui);
        }
        const PassOutcome backward =
            RunPass(records, count, false, evaluate, status, progress, cycle, recorder);
        if (status.Status < 0) {
            return EndOfRun(status, backward.ErrorLine, cycle, ui);
        }
        if (forward.Changed || backward.Changed) {
            ++changes;
        }
        ++cycle;
    }
    return {0, cycle};
}

OneBRComputation ComputeOneBR(const TSatzArray& records, int count,
                              const TextBaseSettings& settings, MethodFileSource& files, Ui& ui,
                              TProgressBar* progress, OneBRTraceRecorder* recorder) {
    OneBRComputation run;
    run.Table = CreateSETable();
    if (!run.Table) {
        return run;
    }
    TLineEvaluator evaluator(*run.Table, settings, files, ui);
    evaluator.SetRecorder(recorder);
    const LineEvaluation evaluate = [&evaluator](const TSatzEntry& record) {
        return evaluator.EvaluateSessionLine(record.TopicPart, record.SentencePart, record.XWPart,
                                             record.Items);
    };
    run.Result = RunCycles(records, count, evaluate, run.Status, ui, progress, recorder);
    return run;
}

bool EndsInConflict(const TFehlerStatus& status) {
    return status.Status == kStatusConflict && status.Value != 0 && status.Sentence != "0";
}

OneBROutcome RunOneBRSession(const TextList& session, TIniForm& ini, TResultForm& resultForm,
                             Ui& ui, MethodFileSource* files, ResultFile resultFile,
                             Tracing tracing) {
    OneBROutcome outcome;
    if (session.Empty()) {
        ui.ShowMessage(kMsgNoMethods);
        ini.RunState = kRunStateIdle;
        return outcome;
    }
    const auto records = Allocate<TSatzArray>();
    if (!records) {
        ui.ShowMessage(kMsgNoMemory);
        return outcome;
    }
    if (ini.RunState != kRunStateIdle) {
        ui.ShowMessage(kMsgNotSynchronized);
        return outcome;
    }
    const ComputingState computing(ini);

    const SessionReading reading = ReadSessionLines(session, *records, ui);
    if (reading.Stopped) {
        return outcome;
    }
    const TextBaseSettings settings = TextBaseSettingsOf(ini);
    std::optional<OneBRTraceRecorder> recorder;
    if (tracing == Tracing::Record) {
        outcome.Trace.Lines = RecordLines(session);
        recorder.emplace(outcome.Trace);
    }
    IndexedMethodFiles indexed;
    // The SE table lives for this run only; it is freed when the run ends.
    OneBRComputation run =
        ComputeOneBR(*records, reading.Count, settings, files ? *files : indexed, ui,
                     &resultForm.ProgressBarErgebnis, recorder ? &*recorder : nullptr);
    if (!run.Table) {
        ui.ShowMessage(kMsgNoSETable);
    } else {
        outcome.Status = run.Status;
        outcome.Result = run.Result;
        if (resultFile == ResultFile::Empty) {
            EmptyDefaultResultFile(ini, ui);
        }
    }
    if (!EndsInConflict(outcome.Status)) {
        outcome.Trace.Conflict.reset();
    }
    resultForm.Show1BRReport(
        OneBRReportLines(outcome.Status, outcome.Result, run.Table.get(), ui.ShortDateToday()));
    if (tracing == Tracing::Record) {
        resultForm.ShowExplanation(outcome.Trace, session, settings);
    }
    outcome.Reported = true;
    return outcome;
}

}  // namespace vx
