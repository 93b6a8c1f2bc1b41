#pragma once

#include <QObject>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "app/vx_app.h"
#include "platform/ui.h"
#include "ui/bindings.h"

class QMainWindow;
class QString;

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

    // `origin`, the control or window the person used, names the operation if it fails.
    void Run(const Handler& handler, const QObject* origin = nullptr);
    // The last resort when an error escaped a handler: the message naming what failed, and
    // every view redrawn from its model so that the windows show the data as it is.
    void ReportFailure(const QString& what, std::string_view error);
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

// The name of the operation a control or window starts, as the person sees it: the window's
// title and the control's text ("Session: TS start", "Session new").
QString OperationName(const QObject* origin);

// Creates the view of every window of the application.
void CreateViews(GuiHost& host, VxApp& app);

}  // namespace vx::qt
