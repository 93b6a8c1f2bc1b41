#include "deploy/deploy_form.h"

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <utility>
#include <vector>

#include "platform/errors.h"
#include "platform/file_lists.h"
#include "platform/host_path.h"
#include "platform/text_list.h"
#include "settings/ini_form.h"

namespace vx {

const char* const kDeployAllOk = "All ok !";
const char* const kDeployNoFile = "NoFile";

namespace {

const char* const kMsgSessionOpen =
    "Um Dateien in vx zu aendern, muessen Sie die aktive Session schliessen.\r___\r"
    "Die Daten in einer laufenden Session duerfen sich nicht veraendern !";
const char* const kMsgHelp =
    " \"Deploy\" entfernt interne Kommentare aus ihren vx Dateien (<...> resp. <<...CR >>) und\r"
    "kopiert die bereinigten Dateien im temp\\imports Verzeichnis. \r"
    "Waehlen Sie einen Dateityp wenn Sie auch einen Syntax-Check moechten (ist aber noch \r"
    "nicht implementiert). Geben Sie nur die Pfade ohne Dateinamen an: C:....\\. \r"
    "Nach Fertigstellung kopieren Sie die Dateien dann in ihr Verzeichnis. \r___\r"
    " \"Deploy\" removes your internal comments(<...> resp. <<...CR >>) and \r"
    "copies the files in the temp\\imports directory. \r"
    "Choose a file type if You want also a syntax check (is not ready yet...!%%). \r"
    "Type the full path to the files without the file name: C:....\\ \r"
    "Finally deploy the files in their appropriate directory (manually).  ";
const char* const kMsgNoFile = "Keine Date gefunden.\r___\rNo File found. ";
// Staging into the source folder would replace the person's files by their cleaned copies.
const char* const kMsgSourceIsStaging =
    "Das Quellverzeichnis ist das Verzeichnis temp\\imports: die bereinigten Dateien wuerden "
    "die Quelldateien ersetzen.\rWaehlen Sie ein anderes Quellverzeichnis.\r___\r"
    "The source directory is the temp\\imports directory: the cleaned files would replace "
    "the source files.\rChoose another source directory.";
const char* const kReportAllOk = "All ok !!";
const char* const kReportErrors = "Error(s) in File: ";
const char* const kReportInLine = "in Line: ";
const char* const kReportAtText = "at text: ";
const char* const kMask = "*.txt";

std::string LimitMessage() {
    const std::string limit = std::to_string(kMaxDeployFiles + 1);
    return "Max von " + limit +
           " Dateien gefunden: Limit damit ueberschritten. Anzahl verringern!\r___\r"
           "Maximum of " +
           limit + " Files found: limit exceeded; reduce number of files! ";
}

std::string OpenMessage(const std::string& path) {
    return "Fehler beim oeffnen der Datei: " + path + "\r___\rError opening file:" + path;
}

// A file is read whole before its lines are counted, so a read failure is at line 0.
std::string ReadMessage(const std::string& name) {
    const std::string where = "0\r";
    return "Fehler beim Syntaxcheck der Kommentare beim Lesen der Datei: " + name +
           "\rin Zeile : " + where +
           "\r___\rError on syntax check of the comments reading the file: " + name +
           "\rin Line : " + where;
}

std::string WriteMessage(const std::string& name) {
    return "Fehler beim Zwischenspeichern der Datei : " + name +
           "\rAbbruch des Checks und des Importes!\r___\r"
           "Error in intermediate saving of file : " +
           name + "\rCanceling the import!";
}

// Makes `entry` the first entry of the box and selects it.
void PutFirst(TComboBox& box, const std::string& entry) {
    std::erase(box.Items, entry);
    box.Items.insert(box.Items.begin(), entry);
    box.Select(0);
}

// Appends the lines of a text (an empty text is one empty line).
void AddLines(TextList& memo, const std::string& text) {
    TextList lines;
    lines.SetText(text);
    if (lines.Empty()) {
        memo.Add("");
    }
    for (const std::string& line : lines.Lines()) {
        memo.Add(line);
    }
}

}  // namespace

TDeployForm::TDeployForm(Ui& ui, const TIniForm& ini, std::function<bool()> sessionOpen)
    : TForm("TDeployForm", "Deploy"),
      ButtonStart(Button("Start")),
      ButtonHelp(Button("Help")),
      ui_(ui),
      ini_(ini),
      sessionOpen_(std::move(sessionOpen)) {
    LabelSource.Caption = "Source Path:";
    LabelDest.Caption = "Destination:";
    LabelImpType.Caption = "Import Type: ";
    LabelResult.Caption = "Result: ";
    ComboBoxImpType.Items = {"Topic SE", "Rule VXR", "Relation", "semi formalized Rel",
                             "Default Formalized TS"};
    ComboBoxImpType.Editable = false;
    MemoDeploy.ReadOnly = true;
}

void TDeployForm::deploy() {
    if (sessionOpen_ && sessionOpen_()) {
        ui_.ShowMessage(kMsgSessionOpen);
        return;
    }
    PrepareOpen();
    ui_.ShowModal(*this);
}

void TDeployForm::PrepareOpen() {
    PutFirst(ComboBoxSource, ini_.DeployPath);
    PutFirst(ComboBoxDest, ini_.RootPath);
    Delimiters = TCmtDelimiters{};
}

void TDeployForm::ButtonHelpClick() {
    ui_.ShowMessage(kMsgHelp);
}

void TDeployForm::ButtonStartClick() {
    // A folder typed without its closing separator still names that folder.
    const std::string sourceDir = WithTrailingBackslash(ComboBoxSource.Text);
    ShowReport(RemoveCmtLoop(sourceDir, sourceDir + kMask));
}

void TDeployForm::ShowReport(const TCmtRes& result) {
    TextList& memo = MemoDeploy.Lines;
    memo.Clear();
    if (result.Message == kDeployAllOk) {
        memo.Add(kReportAllOk);
        return;
    }
    for (const std::string& part : {std::string(kReportErrors), result.File, result.Message,
                                    kReportInLine + std::to_string(result.Line),
                                    std::string(kReportAtText), result.LastLine, result.Text}) {
        AddLines(memo, part);
    }
}

TCmtRes TDeployForm::RemoveCmtLoop(const std::string& sourceDir, const std::string& mask) {
    outcome_ = DeployOutcome::NotRun;
    const auto cut = mask.find_last_of("\\/");
    const std::string searchDir = cut == std::string::npos ? "" : mask.substr(0, cut + 1);
    const std::string pattern = mask.substr(cut == std::string::npos ? 0 : cut + 1);
    if (SourceIsStagingFolder(searchDir)) {
        return Refuse(sourceDir, kMsgSourceIsStaging);
    }
    // No folder named: no file, rather than whatever folder the program was started in.
    const std::vector<std::string> names =
        searchDir.empty() ? std::vector<std::string>{} : FindFiles(searchDir, pattern);
    if (names.empty()) {
        ui_.ShowMessage(kMsgNoFile);
        TCmtRes result;
        result.Message = kDeployNoFile;
        return result;
    }
    if (names.size() > static_cast<std::size_t>(kMaxDeployFiles)) {
        return Refuse(sourceDir, LimitMessage());
    }
    TCmtRes result;
    FileBuffers buffers;
    for (const std::string& name : names) {
        if (!DeployFile(sourceDir, name, buffers, result)) {
            return result;
        }
    }
    result.Message = kDeployAllOk;
    outcome_ = DeployOutcome::Clean;
    return result;
}

bool TDeployForm::DeployFile(const std::string& sourceDir, const std::string& name,
                             FileBuffers& buffers, TCmtRes& result) {
    const std::string path = sourceDir + name;
    try {
        ReadFileBytes(path, buffers.Source);
    } catch (const FileReadError&) {
        result = Refuse(path, ReadMessage(name));
        outcome_ = DeployOutcome::SourceError;
        return false;
    } catch (const FileError&) {
        result = Refuse(path, OpenMessage(path));
        outcome_ = DeployOutcome::SourceError;
        return false;
    }
    SplitLines(buffers.Source, buffers.Lines);
    buffers.Cleaned.clear();
    const TCommentCheck check = RemoveComments(buffers.Lines, Delimiters, buffers.Cleaned);
    if (!check.Ok) {
        result = TCmtRes{path, check.Line, check.Message, "", check.Text, check.LastLine};
        outcome_ = DeployOutcome::SourceError;
        return false;
    }
    return StageFile(name, buffers.Cleaned, result);
}

bool TDeployForm::StageFile(const std::string& name, const std::string& cleaned, TCmtRes& result) {
    const std::string target = ini_.ImportsPath + name;
    bool written = false;
    if (ForceDirectories(ini_.ImportsPath)) {
        try {
            WriteFileAtomic(target, cleaned);
            written = true;
        } catch (const FileError&) {
        }
    }
    if (!written) {
        // The report names the staged file that could not be written.
        result = Refuse(target, WriteMessage(name));
    }
    return written;
}

TCmtRes TDeployForm::Refuse(std::string file, const std::string& message) {
    ui_.ShowMessage(message);
    TCmtRes result;
    result.File = std::move(file);
    result.Message = message;
    return result;
}

bool TDeployForm::SourceIsStagingFolder(const std::string& sourceDir) const {
    if (sourceDir.empty()) {
        return false;
    }
    std::error_code ec;
    return std::filesystem::equivalent(ToHostPath(sourceDir), ToHostPath(ini_.ImportsPath), ec);
}

}  // namespace vx
