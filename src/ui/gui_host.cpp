#include "ui/gui_host.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QMessageBox>

#include <algorithm>

#include "platform/system_date.h"
#include "ui/form_view.h"
#include "ui/qt_text.h"
#include "ui/vx_application.h"

namespace vx::qt {
namespace {

std::string MsgUnexpectedError(const std::string& what, std::string_view error) {
    const std::string detail = error.empty() ? std::string() : std::string(error) + "\r";
    return "Unerwarteter Fehler bei: " + what + "\r" + detail +
           "Das Programm laeuft weiter. Pruefen Sie die offene Session und speichern Sie sie.\r"
           "___\r"
           "Unexpected error in: " +
           what + "\r" + detail + "The program keeps running. Check the open session and save it.";
}

QString WithoutMnemonic(QString text) {
    text.remove(QChar('&'));
    return text;
}

}  // namespace

QString OperationName(const QObject* origin) {
    if (origin == nullptr) {
        return QStringLiteral("?");
    }
    QString control;
    if (const auto* button = qobject_cast<const QAbstractButton*>(origin)) {
        control = WithoutMnemonic(button->text());
    } else if (const auto* action = qobject_cast<const QAction*>(origin)) {
        return WithoutMnemonic(action->text());
    }
    if (control.isEmpty()) {
        control = origin->objectName();
    }
    const auto* widget = qobject_cast<const QWidget*>(origin);
    const QString window = widget != nullptr ? widget->window()->windowTitle() : QString();
    if (window.isEmpty() || (widget != nullptr && widget->isWindow())) {
        return window.isEmpty() ? control : window;
    }
    return control.isEmpty() ? window : window + QStringLiteral(": ") + control;
}

GuiHost::GuiHost() = default;

GuiHost::~GuiHost() {
    if (auto* application = qobject_cast<VxApplication*>(QCoreApplication::instance())) {
        application->SetFailureReport({});
    }
    views_.clear();
    app_.reset();
}

void GuiHost::Start(const std::string& programFileName) {
    app_ = std::make_unique<VxApp>(*this, programFileName);
    CreateViews(*this, *app_);
    if (auto* application = qobject_cast<VxApplication*>(QCoreApplication::instance())) {
        application->SetFailureReport(
            [this](const QString& what, std::string_view error) { ReportFailure(what, error); });
    }
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

void GuiHost::Run(const Handler& handler, const QObject* origin) {
    try {
        PushAll();
        handler();
    } catch (const std::exception& error) {
        ReportFailure(OperationName(origin), error.what());
    } catch (...) {
        ReportFailure(OperationName(origin), {});
    }
    PullAll();
    EndFinishedModals();
    if (app_->TerminateRequested()) {
        QCoreApplication::quit();
    }
}

void GuiHost::ReportFailure(const QString& what, std::string_view error) {
    ShowMessage(MsgUnexpectedError(ToLatin1(what), error));
    PullAll();
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
