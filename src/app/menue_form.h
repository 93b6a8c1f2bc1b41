#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/form.h"
#include "platform/ui.h"

namespace vx {

class TIniForm;

struct TMenuItem {
    std::string Name;  // component name, e.g. "NeueSes"; empty for separators
    std::string Caption;
    bool Enabled = true;
    bool IsSeparator() const { return Caption == "-"; }
};

struct TMenu {
    std::string Caption;
    std::vector<TMenuItem> Items;
};

// The operations the menu hands over to other windows. VxApp fills them once every window
// exists, so that the menu knows none of those windows itself.
struct MenuTargets {
    std::function<void()> NewSession, ChooseSession, SaveSession, SaveSessionAs;
    std::function<void()> DeleteSession, SaveResult;
    std::function<void()> SaveTopicAs, OpenTopics, OpenReadOnly;
    std::function<void()> OpenSet1BRLogic, OpenSetBRWizard, OpenDeploy, OpenHelp, ShowAbout;
    std::function<bool()> SessionOpen;
    // Ends the program once nothing unsaved stands in the way.
    std::function<void()> Quit;
};

// The main window: only the menu bar. Closing it ends the program.
class TMenueForm : public TForm {
public:
    explicit TMenueForm(Ui& ui);

    // Called by VxApp after every window has been created.
    void Wire(const TIniForm& ini, MenuTargets targets);

    std::vector<TMenu> Menus;
    const TMenuItem* FindItem(const std::string& name) const;
    // Runs the action of an enabled entry; a disabled or unknown entry does nothing.
    void Click(const std::string& name);

    // Handlers, named after their entries.
    void NeueSesClick();
    void AuswaehlenSesClick();
    void SpeichernSesClick();
    void SpeichernUnterSesClick();
    void LoeschenSesClick();
    void ResultSaveClick();
    void NewSClick();
    void VxMainClick();
    void ReadOnlysClick();
    void ConnectionsClick();
    void vxConfigClick() {}
    void Set1BRLogicClick();
    void SetBRStep1Click();
    void deployClick();
    void N5Click();
    void AboutvxHelpClick();
    // "Quit", and closing the main window.
    void QuitClick();

private:
    static void Call(const std::function<void()>& action);

    Ui& ui_;
    const TIniForm* ini_ = nullptr;
    MenuTargets targets_;
};

}  // namespace vx
