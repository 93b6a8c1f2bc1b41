#include "session/session_delete.h"

#include <algorithm>

#include "platform/errors.h"
#include "platform/host_path.h"
#include "platform/latin1.h"
#include "platform/system_date.h"
#include "session/session_form.h"
#include "session/session_names.h"
#include "session/wahle_dlg_box_form.h"
#include "settings/ini_form.h"

namespace vx {
namespace {

// Files beside a session file that belong to it: its lists, reports, logic texts and the
// markers of its upgrade to 2BR.
const char* const kCompanionExtensions[] = {".ipr", ".lnb", ".lzb", ".res", ".json", ".GLo",
                                            ".ELo", ".s1t", ".s1f", ".mpt", ".mpf",  ".TS"};

const char* const kMsgDeleteWhileComputing =
    "Waehrend einer Berechnung kann keine Session geloescht werden.\r___\r"
    "A session cannot be deleted while a computation runs.";
const char* const kMsgNotInSessions =
    "Nur Sessions im Verzeichnis Sessions oder in ihrem _2BR_ Verzeichnis koennen geloescht "
    "werden.\r___\rOnly sessions in the directory Sessions or in their _2BR_ directory can be "
    "deleted.";

std::string Quoted(const std::string& name) {
    return "\"" + name + "\"";
}

std::string HostText(const std::string& systemPath) {
    return Utf8ToLatin1(ToHostPath(systemPath).string());
}

std::string MsgSessionOpen(const std::string& name) {
    return "Die Session " + Quoted(name) + " ist geoeffnet. Bitte vorher schliessen.\r___\r" +
           "The session " + Quoted(name) + " is open. Please close it first.";
}

std::string MsgNothingFound(const std::string& name) {
    return "Zur Session " + Quoted(name) + " wurde keine Datei gefunden.\r___\r" +
           "No file of the session " + Quoted(name) + " was found.";
}

std::string FileNames(const std::vector<std::string>& files) {
    std::string names;
    for (const std::string& file : files) {
        names += "\r  " + Utf8ToLatin1(ToHostPath(file).filename().string());
    }
    return names;
}

std::string MsgConfirm(const std::string& name, const std::vector<std::string>& files,
                       const std::string& target) {
    return "Wollen Sie die Session " + Quoted(name) + " loeschen?\rDiese Dateien werden nach\r" +
           target + "\rverschoben:" + FileNames(files) + "\r___\r" +
           "Do You want to delete the session " + Quoted(name) + "?\rThese files are moved to\r" +
           target + ":" + FileNames(files);
}

std::string MsgDeleted(const std::string& name, const std::string& target) {
    return "Die Session " + Quoted(name) + " wurde geloescht. Ihre Dateien liegen in\r" + target +
           "\r___\rThe session " + Quoted(name) + " was deleted. Its files are in\r" + target;
}

std::string MsgMoveFailed(const std::string& file, const std::string& target) {
    return "Fehler beim Verschieben von\r" + file + "\rBereits verschobene Dateien liegen in\r" +
           target + "\r___\rError moving\r" + file + "\rFiles already moved are in\r" + target;
}

std::string WithoutTrailingSeparator(std::string path) {
    while (!path.empty() && (path.back() == '\\' || path.back() == '/')) {
        path.pop_back();
    }
    return path;
}

bool SameHostPath(const std::string& a, const std::string& b) {
    return ToHostPath(WithoutTrailingSeparator(a)) == ToHostPath(WithoutTrailingSeparator(b));
}

}  // namespace

SessionDeleter::SessionDeleter(Ui& ui, const TIniForm& ini, const TSessionForm& session,
                               TWahleDlgBoxForm& chooser)
    : Stamp(SystemDateTimeStamp), ui_(ui), ini_(ini), session_(session), chooser_(chooser) {}

std::vector<std::string> SessionDeleter::SessionFiles(const std::string& name) const {
    std::vector<std::string> candidates{ini_.SessionsPath + name};
    for (const std::string& stem : {name, SessionBaseName(name)}) {
        for (const char* extension : kCompanionExtensions) {
            candidates.push_back(ini_.SessionsPath + stem + extension);
        }
    }
    std::vector<std::string> files;
    for (const std::string& candidate : candidates) {
        const bool known = std::any_of(files.begin(), files.end(), [&](const std::string& file) {
            return SameHostPath(file, candidate);
        });
        if (FileExists(candidate) && !known) {
            files.push_back(candidate);
        }
    }
    const std::string folder2BR = ini_.SessionsPath + "_2BR_" + name;
    if (DirectoryExists(folder2BR)) {
        files.push_back(folder2BR);
    }
    return files;
}

void SessionDeleter::Delete() {
    if (ini_.RunState != kRunStateIdle) {
        ui_.ShowMessage(kMsgDeleteWhileComputing);
        return;
    }
    chooser_.Start();
    if (ui_.ShowModal(chooser_) != ModalResult::Ok) {
        return;
    }
    const std::string name = chooser_.FileName;
    if (!ChosenWhereSessionsLive(name, chooser_.Directory)) {
        ui_.ShowMessage(kMsgNotInSessions);
        return;
    }
    if (IsOpen(name)) {
        ui_.ShowMessage(MsgSessionOpen(name));
        return;
    }
    const std::vector<std::string> files = SessionFiles(name);
    if (files.empty()) {
        ui_.ShowMessage(MsgNothingFound(name));
        return;
    }
    const std::string target = FreeTargetFolder(name);
    if (ui_.AskYesNoCancel(MsgConfirm(name, files, HostText(target))) != ModalResult::Yes) {
        return;
    }
    if (MoveAll(files, target)) {
        ui_.ShowMessage(MsgDeleted(name, HostText(target)));
    }
}

bool SessionDeleter::ChosenWhereSessionsLive(const std::string& name,
                                             const std::string& directory) const {
    return SameHostPath(directory, ini_.SessionsPath) ||
           SameHostPath(directory, ini_.SessionsPath + "_2BR_" + name);
}

// The companions of one session may belong to another of the same base name, so both names
// are compared.
bool SessionDeleter::IsOpen(const std::string& name) const {
    if (session_.Opened != 1) {
        return false;
    }
    return SameTextLatin1(session_.SesName, name) ||
           SameTextLatin1(SessionBaseName(session_.SesName), SessionBaseName(name));
}

std::string SessionDeleter::FreeTargetFolder(const std::string& name) const {
    const std::string stem = ini_.TempPath + "deleted\\" + name + "." + Stamp();
    std::string folder = stem;
    for (int n = 2; DirectoryExists(folder) || FileExists(folder); ++n) {
        folder = stem + "-" + std::to_string(n);
    }
    return folder + "\\";
}

bool SessionDeleter::MoveAll(const std::vector<std::string>& files, const std::string& target) {
    if (!ForceDirectories(target)) {
        ui_.ShowMessage(MsgMoveFailed(HostText(files.front()), HostText(target)));
        return false;
    }
    for (const std::string& file : files) {
        const std::string leaf = ToSystemPath(ToHostPath(file).filename());
        try {
            MovePath(file, target + leaf);
        } catch (const FileError&) {
            ui_.ShowMessage(MsgMoveFailed(HostText(file), HostText(target)));
            return false;
        }
    }
    return true;
}

}  // namespace vx
