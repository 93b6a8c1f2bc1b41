#include "app/vx_app.h"
#include "cli/console_ui.h"
#include "cli/vx_check.h"
#include "platform/errors.h"
#include "platform/host_path.h"
#include "platform/safe_name.h"
#include "platform/text_list.h"
#include "session/one_br_run.h"

namespace vx::cli {

int Check1BR(CheckContext& context, const std::vector<std::string>& operands) {
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
    for (const std::string& line : resultForm.ResultMemo.Lines.Lines()) {
        context.Out << line << '\n';
    }
    context.Out.flush();
    return outcome.Status.Status == kStatusOk ? kExitReportOk : kExitReportNotOk;
}

}  // namespace vx::cli
