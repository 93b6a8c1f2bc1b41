#pragma once

#include <QDialog>
#include <QHBoxLayout>
#include <QObject>
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/form.h"
#include "ui/bindings.h"

class QLabel;
class QPushButton;

namespace vx::qt {

class GuiHost;

// Draws one window model and binds it both ways. A view class per window builds its widgets
// in its constructor and binds each to the model's control; the base class copies edits into
// the model before any handler runs, redraws after it, and shows, hides and raises the window
// as the model says. Closing the window runs the model's Close().
class FormView : public QObject {
public:
    FormView(GuiHost& host, TForm& form, QWidget* window);
    ~FormView() override;

    TForm& form() { return form_; }
    QWidget* window() { return window_; }

    void PushToModel();
    void PullFromModel();
    // Dialogs run modally through Ui::ShowModal; false for the main window.
    virtual QDialog* dialog() { return qobject_cast<QDialog*>(window_); }

protected:
    // Runs a handler of this window: edits in, handler (errors caught), every view redrawn.
    void Run(const Handler& handler, const QObject* origin = nullptr);
    Runner runner();
    // A button named `name` bound to `model`; Enter in the window never presses it.
    QPushButton* NewButton(TButton& model, const QString& name, Handler handler);
    // OK, Cancel and Hilfe of a dialog, right-aligned in a row.
    template <typename Dialog>
    QHBoxLayout* NewOkCancelHelpRow(Dialog& form) {
        auto* row = new QHBoxLayout;
        row->addStretch();
        row->addWidget(NewButton(form.ButtonOK, "ButtonOK", [&form] { form.ButtonOKClick(); }));
        row->addWidget(
            NewButton(form.ButtonCancel, "ButtonCancel", [&form] { form.ButtonCancelClick(); }));
        row->addWidget(
            NewButton(form.ButtonHilfe, "ButtonHilfe", [&form] { form.ButtonHilfeClick(); }));
        return row;
    }

    // A view may draw what no binding covers; called after the bindings are pulled/pushed.
    virtual void Pull() {}
    virtual void Push() {}

    template <typename B, typename... Args>
    B& Bind(Args&&... args) {
        auto binding = std::make_unique<B>(std::forward<Args>(args)...);
        B& ref = *binding;
        bindings_.push_back(std::move(binding));
        return ref;
    }

    bool eventFilter(QObject* watched, QEvent* event) override;

    GuiHost& host_;

private:
    TForm& form_;
    QWidget* window_;
    std::vector<std::unique_ptr<Binding>> bindings_;
    std::uint64_t shownRequests_ = 0;
    std::string shownCaption_;
};

// A window that has no controls of its own yet: its caption and nothing else.
class GenericView : public FormView {
public:
    GenericView(GuiHost& host, TForm& form);
};

// A top-level window for a view: a dialog that is shown modeless or run modally.
QDialog* NewWindow();

// A new widget with the object name that it is found by.
template <typename W>
W* NewNamed(const char* name) {
    auto* widget = new W;
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

}  // namespace vx::qt
