#include "session/result_save.h"

#include "platform/errors.h"
#include "platform/host_path.h"
#include "platform/latin1.h"
#include "platform/text_list.h"
#include "session/result_form.h"
#include "session/result_report.h"
#include "session/save_as_res_form.h"
#include "session/session_form.h"
#include "session/session_names.h"
#include "settings/ini_form.h"

namespace vx {
namespace {

const char* const kMsgNoResult =
    "Es gibt noch kein Ergebnis zum Speichern.\rStarten Sie zuerst eine Berechnung.\r___\r"
    "There is no result to save yet.\rStart a computation first.";
const char* const kMsgSaveWhileComputing =
    "Waehrend einer Berechnung kann kein Ergebnis gespeichert werden.\r___\r"
    "A result cannot be saved while a computation runs.";
const char* const kMsgSaveFailed =
    "Fehler beim Speichern des Ergebnisses.\rBitte Namen pruefen.\r___\r"
    "Error saving the result.\rCheck the name.";

std::string MsgReplaceResult(const std::string& name) {
    return "Die Datei \"" + name +
           "\" existiert bereits.\rWollen Sie sie ersetzen?\r"
           "Ja: ersetzen, Nein oder Abbrechen: die Datei bleibt unveraendert.\r___\r"
           "The file \"" +
           name +
           "\" exists already.\rDo You want to replace it?\r"
           "Yes: replace, No or Cancel: the file stays unchanged.";
}

std::string MsgSaved(const std::string& path) {
    return "Ergebnis abgespeichert in:\r" + path + "\r___\rResult saved in:\r" + path;
}

}  // namespace

bool IsJsonReportName(const std::string& name) {
    const std::string lower = LowerLatin1(name);
    return lower.size() > 5 && lower.compare(lower.size() - 5, 5, ".json") == 0;
}

ResultSaver::ResultSaver(Ui& ui, const TIniForm& ini, const TResultForm& result,
                         TSaveAsResForm& dialog, const TSessionForm& session)
    : ui_(ui), ini_(ini), result_(result), dialog_(dialog), session_(session) {}

std::string ResultSaver::SuggestedName() const {
    const bool named = session_.Opened == 1 && !session_.SesName.empty();
    return (named ? SessionBaseName(session_.SesName) : std::string("Result")) + ".res";
}

void ResultSaver::Save() {
    // A run lets events through between its lines: its report is not finished yet.
    if (ini_.RunState != kRunStateIdle) {
        ui_.ShowMessage(kMsgSaveWhileComputing);
        return;
    }
    if (ShownReportLines(result_).empty()) {
        ui_.ShowMessage(kMsgNoResult);
        return;
    }
    dialog_.EditSaveAsRes.Text = SuggestedName();
    if (ui_.ShowModal(dialog_) != ModalResult::Ok) {
        return;
    }
    const std::string name = dialog_.EditSaveAsRes.Text;
    const std::string path = ini_.SessionsPath + name;
    if (FileExists(path) && ui_.AskYesNoCancel(MsgReplaceResult(name)) != ModalResult::Yes) {
        return;
    }
    try {
        Write(path, IsJsonReportName(name));
    } catch (const FileError&) {
        ui_.ShowMessage(kMsgSaveFailed);
        return;
    }
    ui_.ShowMessage(MsgSaved(Utf8ToLatin1(ToHostPath(path).string())));
}

void ResultSaver::Write(const std::string& path, bool json) const {
    if (json) {
        WriteFileAtomic(path, ResultReportJson(ShownResultReport(result_)));
    } else {
        TextList lines;
        lines.Assign(ShownReportLines(result_));
        lines.SaveToFile(path);
    }
}

}  // namespace vx
