#include "ui/form_view.h"

#include <QPushButton>
#include <QVBoxLayout>

#include "ui/gui_host.h"
#include "ui/qt_text.h"

namespace vx::qt {

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

void FormView::Run(const Handler& handler) {
    host_.Run(handler);
}

Runner FormView::runner() {
    return [this](const Handler& handler) { host_.Run(handler); };
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
    return QObject::eventFilter(watched, event);
}

GenericView::GenericView(GuiHost& host, TForm& form) : FormView(host, form, NewWindow()) {
    window()->setLayout(new QVBoxLayout);
    window()->resize(420, 260);
}

}  // namespace vx::qt
