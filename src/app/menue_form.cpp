#include "app/menue_form.h"

#include "settings/ini_form.h"

namespace vx {
namespace {

const char* const kMsgConnections =
    "Zur Zeit noch nicht implementiert. \rHier sollen Verbindungen zu entfernten Quellen wie\r___\r"
    "Not implemented yet.\rHere should be implemented to remote connections.";
const char* const kMsgNoSessionForBRStep =
    "Sie muessen zuerst eine Session geoeffnet haben um deren BR-Status aendern zu koennen.\r___\r"
    "You must have an open session to change the BR-status . ";

}  // namespace

TMenueForm::TMenueForm(Ui& ui) : TForm("TMenueForm", "vx"), ui_(ui) {
    Menus = {
        {"File",
         {{"NeueSes", "Session new"},
          {"AuswaehlenSes", "Session choose"},
          {"SpeichernSes", "Session save"},
          {"SpeichernUnterSes", "Session save as"},
          {"LoeschenSes", "Session delete"},
          {"", "-"},
          {"ResultSave", "Result save"},
          {"", "-"},
          {"NewS", "Thema S...", false},
          {"Methoden", "Methoden ...", false},
          {"FormMethoden", "formalisierte Meth. ...", false},
          {"", "-"},
          {"Quit", "Quit"}}},
        {"Text", {{"VxMain", "VxMain"}, {"ReadOnlys", "ReadOnlys"}}},
        {"Options",
         {{"Connections", "Connections to", false},
          {"vxConfig", "Configurations"},
          {"Set1BRLogic", "Set 1BR Logic"},
          {"SetBRStep1", "Set BR Step"}}},
        {"Tools", {{"deploy", "Deploy"}}},
        {"Help", {{"N5", "Help"}, {"AboutvxHelp", "About vx"}}},
    };
    Visible = true;
}

void TMenueForm::Wire(const TIniForm& ini, MenuTargets targets) {
    ini_ = &ini;
    targets_ = std::move(targets);
}

const TMenuItem* TMenueForm::FindItem(const std::string& name) const {
    for (const auto& menu : Menus) {
        for (const auto& item : menu.Items) {
            if (!item.Name.empty() && item.Name == name) {
                return &item;
            }
        }
    }
    return nullptr;
}

void TMenueForm::Click(const std::string& name) {
    const TMenuItem* item = FindItem(name);
    if (item == nullptr || !item->Enabled) {
        return;
    }
    using Handler = void (TMenueForm::*)();
    static const std::pair<const char*, Handler> kHandlers[] = {
        {"NeueSes", &TMenueForm::NeueSesClick},
        {"AuswaehlenSes", &TMenueForm::AuswaehlenSesClick},
        {"SpeichernSes", &TMenueForm::SpeichernSesClick},
        {"SpeichernUnterSes", &TMenueForm::SpeichernUnterSesClick},
        {"LoeschenSes", &TMenueForm::LoeschenSesClick},
        {"ResultSave", &TMenueForm::ResultSaveClick},
        {"NewS", &TMenueForm::NewSClick},
        {"VxMain", &TMenueForm::VxMainClick},
        {"ReadOnlys", &TMenueForm::ReadOnlysClick},
        {"Connections", &TMenueForm::ConnectionsClick},
        {"vxConfig", &TMenueForm::vxConfigClick},
        {"Set1BRLogic", &TMenueForm::Set1BRLogicClick},
        {"SetBRStep1", &TMenueForm::SetBRStep1Click},
        {"deploy", &TMenueForm::deployClick},
        {"N5", &TMenueForm::N5Click},
        {"AboutvxHelp", &TMenueForm::AboutvxHelpClick},
        {"Quit", &TMenueForm::QuitClick},
    };
    for (const auto& [itemName, handler] : kHandlers) {
        if (name == itemName) {
            (this->*handler)();
            return;
        }
    }
}

void TMenueForm::Call(const std::function<void()>& action) {
    if (action) {
        action();
    }
}

void TMenueForm::NeueSesClick() {
    Call(targets_.NewSession);
}
void TMenueForm::AuswaehlenSesClick() {
    Call(targets_.ChooseSession);
}
void TMenueForm::SpeichernSesClick() {
    Call(targets_.SaveSession);
}
void TMenueForm::SpeichernUnterSesClick() {
    Call(targets_.SaveSessionAs);
}
void TMenueForm::LoeschenSesClick() {
    Call(targets_.DeleteSession);
}
void TMenueForm::ResultSaveClick() {
    Call(targets_.SaveResult);
}
void TMenueForm::NewSClick() {
    Call(targets_.SaveTopicAs);
}
void TMenueForm::VxMainClick() {
    Call(targets_.OpenTopics);
}
void TMenueForm::ReadOnlysClick() {
    Call(targets_.OpenReadOnly);
}
void TMenueForm::ConnectionsClick() {
    ui_.ShowMessage(kMsgConnections);
}
void TMenueForm::Set1BRLogicClick() {
    Call(targets_.OpenSet1BRLogic);
}
void TMenueForm::deployClick() {
    Call(targets_.OpenDeploy);
}
void TMenueForm::N5Click() {
    Call(targets_.OpenHelp);
}
void TMenueForm::AboutvxHelpClick() {
    Call(targets_.ShowAbout);
}
void TMenueForm::QuitClick() {
    Call(targets_.Quit);
}

void TMenueForm::SetBRStep1Click() {
    const bool computing = ini_ != nullptr && ini_->RunState == kRunStateComputing;
    const bool sessionOpen = targets_.SessionOpen && targets_.SessionOpen();
    if (!computing && sessionOpen) {
        Call(targets_.OpenSetBRWizard);
    } else {
        ui_.ShowMessage(kMsgNoSessionForBRStep);
    }
}

}  // namespace vx
