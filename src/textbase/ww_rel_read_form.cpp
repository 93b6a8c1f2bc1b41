#include "textbase/ww_rel_read_form.h"

#include "settings/ini_form.h"

namespace vx {
namespace {

const char* const kMsgOpenFailed =
    "Fehler beim oeffnen der Relationen-Datei.\r"
    "Kontrollieren Sie bitte die Konsistenz der Namen.\r___\r"
    "Error opening the realtion file.\rCheck the consistency of the relation file name.";

std::string MsgSyntaxError(const std::string& file, int /*line*/) {
    return "Fehler beim Erstellen der Relationen.\rKontrollieren Sie bitte die Syntax in " + file +
           "\r" + "___" + "\r" + "Error creating the relation file." + "\r" +
           "Check the syntax in " + file;
}

}  // namespace

TWWRelReadForm::TWWRelReadForm(Ui& ui, TIniForm& ini)
    : TVater2MethodenForm("TWWRelReadForm", "Relations (read only)", ui, ini) {
    DisableActions();
}

void TWWRelReadForm::DisableActions() {
    for (int tab = 0; tab < kTabs; ++tab) {
        Tab(tab).Aktiv.Enabled = false;
        Tab(tab).Reset.Enabled = false;
    }
}

std::string TWWRelReadForm::EvaluateRels(const std::string& topicPart,
                                         const std::string& sentencePart,
                                         const std::string& relationDirectory,
                                         const std::string& xwType) {
    const std::string result = ReadRelationSet(topicPart, sentencePart, relationDirectory, xwType,
                                               {kMsgOpenFailed, MsgSyntaxError});
    DisableActions();
    if (result == "ok") {
        ini_.OpenRelReadFile = topicPart + sentencePart;
    }
    return result;
}

void TWWRelReadForm::FormClose() {
    TVater2MethodenForm::FormClose();
    ini_.OpenRelReadFile.clear();
}

}  // namespace vx
