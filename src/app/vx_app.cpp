#include "app/vx_app.h"

namespace vx {

VxApp::VxApp(Ui& ui, std::string programFileName)
    : ui_(ui),
      MenueForm(ui),
      IniForm(ui, application_, std::move(programFileName)),
      VxMainFormSaetze(
          ui, IniForm, WWRelForm, WWRelReadForm, FormSSaveAs,
          [this](const std::string& kind, const std::string& title, const std::string& path) {
              FormReadOnly.OpenExtern(kind, title, path);
          },
          [this](const std::string& tsMapFile, const std::string& topicName,
                 std::int32_t sentenceNumber, std::int32_t topicNumber,
                 const std::string& sentencePart) {
              FormTSRels.ActivateTS(tsMapFile, topicName, sentenceNumber, topicNumber,
                                    sentencePart);
          }),
      HilfeForm(ui, IniForm, RegelnForm),
      SessionForm(ui, IniForm, NeueSessionForm, WahleDlgBoxForm, FormSaveAs, ResultForm),
      WahleDlgBoxForm(ui, IniForm),
      FormSaveAs(ui),
      NeueSessionForm(ui),
      SaveAsResForm(ui),
      Vater2MethodenForm(ui, IniForm),
      RegelnForm(ui, IniForm),
      WWRelForm(ui, IniForm, SessionForm.Links(),
                [this](const std::string& kind, const std::string& title, const std::string& path) {
                    FormReadOnly.OpenExtern(kind, title, path);
                }),
      WWRelReadForm(ui, IniForm),
      FormSSaveAs(ui, IniForm),
      DeployForm(ui, IniForm, [this] { return SessionForm.Opened == 1; }),
      vxCfgForm(IniForm),
      FormReadOnly(ui, IniForm, FormOpenFree),
      SetBRForm(
          ui, IniForm, SessionForm, ListsForm,
          [this](const std::string& which) { return FormAnals2BR.Anals.AnalyzeLogics(which); }),
      ListsForm(ui, IniForm, SessionForm, Step4UpgrMan, FormTSRels),
      FormOpenFree(ui, IniForm),
      FormTSRels(ui, IniForm, SessionForm),
      FormAnals2BR(ui, IniForm, SessionForm, ResultForm),
      Form1BRLogic(ui, IniForm, SessionForm),
      Step4UpgrMan(ui, IniForm, SessionForm),
      ResultSave(ui, IniForm, ResultForm, SaveAsResForm, SessionForm),
      SessionDelete(ui, IniForm, SessionForm, WahleDlgBoxForm) {
    SessionForm.TSStart = [this] { FormAnals2BR.ButtonTSStartClick(); };
    SessionForm.ComputeAll = [this] { FormAnals2BR.ButtonComputeAllClick(); };
    WireMenu();
}

void VxApp::WireMenu() {
    MenuTargets targets;
    targets.NewSession = [this] { SessionForm.Neu(); };
    targets.ChooseSession = [this] { SessionForm.WaehleSession(); };
    targets.SaveSession = [this] { SessionForm.Speichern(); };
    targets.SaveSessionAs = [this] { SessionForm.SpeichernUnterSes(); };
    targets.DeleteSession = [this] { SessionDelete.Delete(); };
    targets.SaveResult = [this] { ResultSave.Save(); };
    targets.SaveTopicAs = [this] { VxMainFormSaetze.SpeicherThemaUnter(); };
    targets.OpenTopics = [this] { VxMainFormSaetze.Oeffnen(); };
    targets.OpenReadOnly = [this] { FormReadOnly.OeffneRO(); };
    targets.OpenSet1BRLogic = [this] { Form1BRLogic.OpenTEmplateLogic(); };
    targets.OpenSetBRWizard = [this] { SetBRForm.Oeffne(); };
    targets.OpenDeploy = [this] { DeployForm.deploy(); };
    targets.OpenHelp = [this] { HilfeForm.OpenHelp(); };
    targets.ShowAbout = [this] { ui_.ShowModal(IniForm); };
    targets.SessionOpen = [this] { return SessionForm.Opened == 1; };
    targets.Quit = [this] {
        if (SessionForm.CloseQuery()) {
            application_.Terminate();
        }
    };
    MenueForm.Wire(IniForm, std::move(targets));
}

namespace {

// The upgrade step a ComputeMode asks for next: "3t" step 3 begun, "2f" step 2 finished so
// step 3 is next; empty when no upgrade is under way or it is finished.
std::string UpgradeStepDue(const std::string& computeMode) {
    if (computeMode.size() != 2 || computeMode[0] < '1' || computeMode[0] > '4') {
        return {};
    }
    const int step = computeMode[0] - '0' + (computeMode[1] == 'f' ? 1 : 0);
    return step > 4 ? std::string() : std::to_string(step);
}

}  // namespace

std::string VxApp::StatusLine() const {
    std::string line =
        SessionForm.Opened == 1 ? "Session " + SessionForm.SesName : std::string("No session open");
    line += IniForm.IniState == kIniState2BR ? "   |   2BR" : "   |   1BR";
    const std::string step = UpgradeStepDue(IniForm.ComputeMode);
    if (!step.empty()) {
        line += "   |   upgrade step " + step + " due";
    }
    if (IniForm.RunState == kRunStateComputing) {
        line += "   |   computing";
    }
    return line;
}

std::vector<TForm*> VxApp::Forms() {
    return {&MenueForm,   &IniForm,         &VxMainFormSaetze,   &HilfeForm,
            &SessionForm, &WahleDlgBoxForm, &FormSaveAs,         &NeueSessionForm,
            &ResultForm,  &SaveAsResForm,   &Vater2MethodenForm, &InterprtForm,
            &RegelnForm,  &WWRelForm,       &WWRelReadForm,      &FormSSaveAs,
            &DeployForm,  &vxCfgForm,       &FormReadOnly,       &SetBRForm,
            &ListsForm,   &DlgForm2BR,      &FormOpenFree,       &FormMixedTypes2BR,
            &FormTSRels,  &FormAnals2BR,    &Form1BRLogic,       &Step4UpgrMan};
}

}  // namespace vx
