#pragma once

#include <QObject>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "app/vx_app.h"
#include "platform/ui.h"
#include "ui/bindings.h"

class QMainWindow;

namespace vx::qt {

class FormView;

// Owns the application model and its views and realises the Ui with Qt: message boxes,
// questions, modal dialogs. Every handler runs through Run: the edits of every visible window
// go into the models, the handler runs inside a last-resort catch, every view is redrawn.
class GuiHost : public Ui {
public:
    GuiHost();
    ~GuiHost() override;

    // Creates the windows (start-up messages are shown while this runs) and their views.
    void Start(const std::string& programFileName);
    VxApp& app() { return *app_; }

    void AddView(std::unique_ptr<FormView> view);
    FormView* ViewOf(const TForm& form);

    void Run(const Handler& handler);
    bool IsRunningModal(const FormView* view) const;
    void PushAll();
    void PullAll();

    // Shows the main window; false when start-up asked the program to end.
    bool ShowMainWindow();

    // Ui
    void ShowMessage(std::string_view text) override;
    ModalResult AskYesNoCancel(std::string_view text) override;
    ModalResult ShowModal(ModalForm& dialog) override;
    std::string ShortDateToday() override;
    void ProcessEvents() override;

private:
    void EndFinishedModals();
    QWidget* ActiveWindow();

    std::unique_ptr<VxApp> app_;
    std::vector<std::unique_ptr<FormView>> views_;
    std::map<const TForm*, FormView*> viewOf_;
    std::vector<FormView*> modalStack_;
    int depth_ = 0;
};

// Creates the view of every window of the application.
void CreateViews(GuiHost& host, VxApp& app);

}  // namespace vx::qt
