#include <algorithm>

#include "app/vx_app.h"
#include "cli/console_ui.h"
#include "cli/vx_check.h"
#include "platform/errors.h"
#include "platform/host_path.h"
#include "platform/safe_name.h"
#include "platform/text_list.h"
#include "session/one_br_run.h"
#include "session/result_report.h"
#include "session/smallest_conflict.h"
#include "textbase/tools.h"

namespace vx::cli {
namespace {

void WriteLines(std::ostream& out, const std::vector<std::string>& lines) {
    for (const std::string& line : lines) {
        out << line << '\n';
    }
}

// The explanation of the run and, when it ended in a conflict, the smallest conflict.
void WriteExplanation(CheckContext& context, const TextList& session, const OneBROutcome& run) {
    context.Out << " \n";
    WriteLines(context.Out, ExplanationLines(run.Trace));
    if (run.Trace.Conflict) {
        context.Out << " \n";
        WriteLines(context.Out, SmallestConflictLines(FindSmallestConflict(
                                    session, TextBaseSettingsOf(context.App.IniForm))));
    }
}

// The explanation as the JSON report holds it: the trace and, after a conflict, the smallest
// conflict.
ReportExplanation ExplainedReport(CheckContext& context, const TextList& session,
                                  const OneBROutcome& run) {
    std::optional<SmallestConflict> smallest;
    if (run.Trace.Conflict) {
        smallest = FindSmallestConflict(session, TextBaseSettingsOf(context.App.IniForm));
    }
    return ExplanationReport(run.Trace, smallest ? &*smallest : nullptr);
}

}  // namespace

int Check1BR(CheckContext& context, const std::vector<std::string>& operands) {
    const bool explain = context.Has(kExplainFlag);
    if (!IsSafeName(operands.front())) {
        context.Messages.ShowMessage(MsgNameRefused(operands.front()));
        return kExitNotStarted;
    }
    const std::string path = context.App.IniForm.SessionsPath + operands.front();
    TextList session;
    try {
        if (!FileExists(path)) {
            throw FileError("no such file");
        }
        session.LoadFromFile(path);
    } catch (const FileError&) {
        context.Messages.ShowMessage("vx-check: the session file " + ToHostPath(path).string() +
                                     " cannot be read");
        return kExitNotStarted;
    }
    TResultForm& resultForm = context.App.ResultForm;
    const OneBROutcome outcome = RunOneBRSession(session, context.App.IniForm, resultForm,
                                                 context.Messages, nullptr, ResultFile::Keep);
    if (!outcome.Reported) {
        return kExitNotStarted;
    }
    const std::vector<std::string>& lines = resultForm.ResultMemo.Lines.Lines();
    if (context.Has(kJsonFlag)) {
        ResultReport report = OneBRResultReport(lines);
        if (explain) {
            report.Explanation = ExplainedReport(context, session, outcome);
        }
        context.Out << ResultReportJson(report);
    } else {
        WriteLines(context.Out, lines);
        if (explain) {
            WriteExplanation(context, session, outcome);
        }
    }
    context.Out.flush();
    return outcome.Status.Status == kStatusOk ? kExitReportOk : kExitReportNotOk;
}

}  // namespace vx::cli
