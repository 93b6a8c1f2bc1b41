#include <algorithm>

#include "settings/ini_form.h"
#include "cli/console_ui.h"
#include "cli/vx_check.h"
#include "session/form_save_as.h"
#include "session/neue_session_form.h"
#include "session/result_form.h"
#include "session/session_form.h"
#include "session/wahle_dlg_box_form.h"
#include "ts2br/form_anals_2br.h"

namespace vx::cli {
namespace {

// The windows that "TS start" of a chosen 2BR session works with.
struct TwoBRWindows {
    TwoBRWindows(Ui& ui, TIniForm& ini)
        : neueSession(ui),
          wahleDlgBox(ui, ini),
          saveAs(ui),
          session(ui, ini, neueSession, wahleDlgBox, saveAs, result),
          anals(ui, ini, session, result) {
        session.TSStart = [this] { anals.ButtonTSStartClick(); };
    }
    TResultForm result;
    TNeueSessionForm neueSession;
    TWahleDlgBoxForm wahleDlgBox;
    TFormSaveAs saveAs;
    TSessionForm session;
    TFormAnals2BR anals;
};

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

void WriteResults(TResultForm& result, std::ostream& out) {
    for (const TMemo* memo : result.TSResultMemos()) {
        if (memo->Lines.Count() > 1) {
            for (const std::string& line : memo->Lines.Lines()) {
                out << line << '\n';
            }
        }
    }
    out << "--- results\n";
    for (const std::string& line : result.Memo_Results.Lines.Lines()) {
        out << line << '\n';
    }
    out.flush();
}

}  // namespace

int Check2BR(CheckContext& context, const std::vector<std::string>& operands) {
    const std::string& name = operands.front();
    const std::string logic = operands.size() > 2 ? operands[2] : "DefWW";
    TwoBRWindows windows(context.Messages, context.Ini);
    const std::string directory = context.Ini.SessionsPath + "_2BR_" + name;
    if (!windows.session.OpenSession(name, true, directory)) {
        context.Messages.ShowMessage("vx-check: the 2BR session " + directory + "\\" + name +
                                     " cannot be opened for TS start");
        return kExitNotStarted;
    }
    SelectLogic(windows.session.ComboBoxSelectLogic, logic);
    windows.session.ButtonTSStartClick();
    WriteResults(windows.result, context.Out);
    switch (windows.anals.LastTSStart) {
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
