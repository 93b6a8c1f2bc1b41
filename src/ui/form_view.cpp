#include "ui/form_view.h"

#include <QKeyEvent>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/gui_host.h"
#include "ui/qt_text.h"

namespace vx::qt {
namespace {

bool IsCloseRequest(QEvent& event) {
    if (event.type() == QEvent::Close) {
        return event.spontaneous();
    }
    if (event.type() == QEvent::KeyPress) {
        const auto& key = static_cast<QKeyEvent&>(event);
        return key.key() == Qt::Key_Escape && key.modifiers() == Qt::NoModifier;
    }
    return false;
}

}  // namespace

QDialog* NewWindow() {
    auto* window = new QDialog(nullptr, Qt::Window);
    window->setModal(false);
    window->setSizeGripEnabled(true);
    return window;
}

FormView::FormView(GuiHost& host, TForm& form, QWidget* window)
    : host_(host), form_(form), window_(window) {
    window_->setWindowTitle(FromLatin1(form_.Caption));
    shownCaption_ = form_.Caption;
    window_->installEventFilter(this);
    if (auto* dlg = qobject_cast<QDialog*>(window_)) {
        // Esc and the close button end in reject(): a modal dialog answers Cancel, any other
        // window is closed through its model.
        QObject::connect(dlg, &QDialog::rejected, this, [this] {
            if (host_.IsRunningModal(this)) {
                if (form_.ModalAnswer == ModalResult::None) {
                    form_.ModalAnswer = ModalResult::Cancel;
                }
            } else if (form_.Visible) {
                Run([this] { form_.Close(); });
            }
        });
    }
}

FormView::~FormView() {
    delete window_;
}

void FormView::Run(const Handler& handler, const QObject* origin) {
    host_.Run(handler, origin != nullptr ? origin : window_);
}

Runner FormView::runner() {
    return [this](const Handler& handler, const QObject* origin) { host_.Run(handler, origin); };
}

QPushButton* FormView::NewButton(TButton& model, const QString& name, Handler handler) {
    auto* button = new QPushButton;
    button->setObjectName(name);
    button->setAutoDefault(false);
    Bind<ButtonBinding>(button, model, runner(), std::move(handler));
    return button;
}

void FormView::PushToModel() {
    for (auto& binding : bindings_) {
        binding->Push();
    }
    Push();
}

void FormView::PullFromModel() {
    for (auto& binding : bindings_) {
        binding->Pull();
    }
    Pull();
    if (shownCaption_ != form_.Caption) {
        window_->setWindowTitle(FromLatin1(form_.Caption));
        shownCaption_ = form_.Caption;
    }
    if (host_.IsRunningModal(this)) {
        return;
    }
    if (form_.Visible && !window_->isVisible()) {
        window_->show();
    } else if (!form_.Visible && window_->isVisible()) {
        window_->hide();
    }
    if (form_.Visible && shownRequests_ != form_.ShowRequests()) {
        window_->raise();
        window_->activateWindow();
    }
    shownRequests_ = form_.ShowRequests();
}

bool FormView::eventFilter(QObject* watched, QEvent* event) {
    // Esc and the close button of a window that is not running modally close it through its
    // model while it is still shown, so that its edits reach the model first and the model
    // may keep it open (a question about unsaved changes answered Cancel).
    if (watched == window_ && dialog() != nullptr && !host_.IsRunningModal(this) &&
        IsCloseRequest(*event)) {
        Run([this] { form_.Close(); });
        event->ignore();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

GenericView::GenericView(GuiHost& host, TForm& form) : FormView(host, form, NewWindow()) {
    window()->setLayout(new QVBoxLayout);
    window()->resize(420, 260);
}

}  // namespace vx::qt
