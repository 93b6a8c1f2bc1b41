#include <filesystem>

#include "app/vx_app.h"
#include "cli/console_ui.h"
#include "cli/vx_check.h"
#include "deploy/deploy_form.h"
#include "platform/file_lists.h"
#include "platform/host_path.h"

namespace vx::cli {
namespace {

// The folder named on the command line (relative to the current directory) as the text of
// the source box: the system's path form, ending with a backslash.
std::string SourceBoxText(const std::string& hostDirectory) {
    const auto directory = std::filesystem::absolute(hostDirectory).lexically_normal();
    return WithTrailingBackslash(ToSystemPath(directory));
}

int ExitStatusOf(DeployOutcome outcome) {
    switch (outcome) {
        case DeployOutcome::Clean:
            return kExitReportOk;
        case DeployOutcome::SourceError:
            return kExitReportNotOk;
        case DeployOutcome::NotRun:
            break;
    }
    return kExitNotStarted;
}

}  // namespace

int CheckDeploy(CheckContext& context, const std::vector<std::string>& operands) {
    TDeployForm& form = context.App.DeployForm;
    form.PrepareOpen();
    form.ComboBoxSource.Text = SourceBoxText(operands.front());
    form.ButtonStartClick();
    for (const std::string& line : form.MemoDeploy.Lines.Lines()) {
        context.Out << line << '\n';
    }
    context.Out.flush();
    return ExitStatusOf(form.Outcome());
}

}  // namespace vx::cli
