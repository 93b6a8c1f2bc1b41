#include "ui/gui_host.h"

#include <QApplication>
#include <QMessageBox>

#include <algorithm>

#include "platform/system_date.h"
#include "ui/form_view.h"
#include "ui/qt_text.h"

namespace vx::qt {

GuiHost::GuiHost() = default;

GuiHost::~GuiHost() {
    views_.clear();
    app_.reset();
}

void GuiHost::Start(const std::string& programFileName) {
    app_ = std::make_unique<VxApp>(*this, programFileName);
    CreateViews(*this, *app_);
}

void GuiHost::AddView(std::unique_ptr<FormView> view) {
    viewOf_[&view->form()] = view.get();
    views_.push_back(std::move(view));
}

FormView* GuiHost::ViewOf(const TForm& form) {
    auto it = viewOf_.find(&form);
    return it == viewOf_.end() ? nullptr : it->second;
}

bool GuiHost::IsRunningModal(const FormView* view) const {
    return std::find(modalStack_.begin(), modalStack_.end(), view) != modalStack_.end();
}

void GuiHost::Run(const Handler& handler) {
    PushAll();
    try {
        handler();
    } catch (const std::exception& error) {
        ShowMessage(std::string("Unexpected error: ") + error.what());
    } catch (...) {
        ShowMessage("Unexpected error.");
    }
    PullAll();
    EndFinishedModals();
    if (app_->TerminateRequested()) {
        QCoreApplication::quit();
    }
}

void GuiHost::PushAll() {
    for (auto& view : views_) {
        if (view->window()->isVisible()) {
            view->PushToModel();
        }
    }
}

void GuiHost::PullAll() {
    for (auto& view : views_) {
        if (view->form().Visible || view->window()->isVisible()) {
            view->PullFromModel();
        }
    }
}

void GuiHost::EndFinishedModals() {
    for (FormView* view : modalStack_) {
        if (view->form().ModalAnswer != ModalResult::None && view->dialog()->isVisible()) {
            view->dialog()->done(QDialog::Accepted);
        }
    }
}

bool GuiHost::ShowMainWindow() {
    if (app_->TerminateRequested()) {
        return false;
    }
    PullAll();
    return true;
}

QWidget* GuiHost::ActiveWindow() {
    if (QWidget* modal = QApplication::activeModalWidget()) {
        return modal;
    }
    return QApplication::activeWindow();
}

void GuiHost::ShowMessage(std::string_view text) {
    QMessageBox box(QMessageBox::Information, QStringLiteral("vx"), MessageText(text),
                    QMessageBox::Ok, ActiveWindow());
    box.exec();
}

ModalResult GuiHost::AskYesNoCancel(std::string_view text) {
    QMessageBox box(QMessageBox::Question, QStringLiteral("vx"), MessageText(text),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, ActiveWindow());
    switch (box.exec()) {
        case QMessageBox::Yes:
            return ModalResult::Yes;
        case QMessageBox::No:
            return ModalResult::No;
        default:
            return ModalResult::Cancel;
    }
}

ModalResult GuiHost::ShowModal(ModalForm& form) {
    FormView* view = ViewOf(form);
    if (view == nullptr || view->dialog() == nullptr) {
        return ModalResult::Cancel;
    }
    form.ModalAnswer = ModalResult::None;
    form.Visible = true;
    modalStack_.push_back(view);
    view->PullFromModel();
    QDialog* dialog = view->dialog();
    dialog->setWindowModality(Qt::ApplicationModal);
    dialog->exec();
    dialog->setWindowModality(Qt::NonModal);
    modalStack_.pop_back();
    const ModalResult answer =
        form.ModalAnswer == ModalResult::None ? ModalResult::Cancel : form.ModalAnswer;
    form.Visible = false;
    PullAll();
    return answer;
}

std::string GuiHost::ShortDateToday() {
    return SystemShortDate();
}

void GuiHost::ProcessEvents() {
    PullAll();
    QCoreApplication::processEvents();
}

}  // namespace vx::qt
