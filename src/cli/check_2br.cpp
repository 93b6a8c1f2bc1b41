#include <algorithm>

#include "app/vx_app.h"
#include "cli/console_ui.h"
#include "cli/vx_check.h"
#include "platform/host_path.h"
#include "session/result_report.h"

namespace vx::cli {
namespace {

// Names the logic on the selector as choosing it there would; a name that is not among its
// items is taken as it stands.
void SelectLogic(TComboBox& selector, const std::string& name) {
    const auto item = std::find(selector.Items.begin(), selector.Items.end(), name);
    if (item == selector.Items.end()) {
        selector.ItemIndex = -1;
        selector.Text = name;
    } else {
        selector.Select(static_cast<int>(item - selector.Items.begin()));
    }
}

void WriteResults(const TResultForm& result, std::ostream& out, bool json) {
    if (json) {
        out << ResultReportJson(TwoBRResultReport(result));
    } else {
        for (const std::string& line : TwoBRReportLines(result)) {
            out << line << '\n';
        }
    }
    out.flush();
}

// The logic after "--logic", "DefWW" without it.
std::string SelectedLogic(const std::vector<std::string>& operands) {
    return operands.size() == 3 ? operands[2] : "DefWW";
}

}  // namespace

int Check2BR(CheckContext& context, const std::vector<std::string>& operands) {
    const std::string& name = operands.front();
    VxApp& app = context.App;
    const std::string directory = app.IniForm.SessionsPath + "_2BR_" + name;
    if (!app.SessionForm.OpenSession(name, true, directory, TSessionForm::ActiveSession::Keep)) {
        context.Messages.ShowMessage("vx-check: the 2BR session " +
                                     ToHostPath(directory + "\\" + name).string() +
                                     " cannot be opened for TS start");
        return kExitNotStarted;
    }
    SelectLogic(app.SessionForm.ComboBoxSelectLogic, SelectedLogic(operands));
    app.SessionForm.CheckBoxAllMatches.Checked = context.Has(kAllMatchesFlag);
    app.SessionForm.ButtonTSStartClick();
    WriteResults(app.ResultForm, context.Out, context.Has(kJsonFlag));
    switch (app.FormAnals2BR.LastTSStart) {
        case TFormAnals2BR::TSStartEnd::AllMatch:
            return kExitReportOk;
        case TFormAnals2BR::TSStartEnd::NotAllMatch:
            return kExitReportNotOk;
        case TFormAnals2BR::TSStartEnd::Refused:
            break;
    }
    return kExitNotStarted;
}

}  // namespace vx::cli
