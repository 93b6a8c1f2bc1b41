#include "ui/views/session_dialogs_view.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vx::qt {

SessionNameView::SessionNameView(GuiHost& host, TSessionNameDialog& form, TLabel& label,
                                 TEdit& name, const char* nameWidget)
    : FormView(host, form, NewWindow()) {
    auto* caption = new QLabel;
    auto* edit = NewNamed<QLineEdit>(nameWidget);
    auto* layout = new QVBoxLayout(window());
    layout->addWidget(caption);
    layout->addWidget(edit);
    layout->addLayout(NewOkCancelHelpRow(form));
    Bind<LabelBinding>(caption, label);
    Bind<EditBinding>(edit, name, runner(), [&form] { form.ButtonOKClick(); });
    window()->resize(360, 130);
}

SaveAsResView::SaveAsResView(GuiHost& host, TSaveAsResForm& form)
    : FormView(host, form, NewWindow()) {
    auto* caption = new QLabel;
    auto* edit = NewNamed<QLineEdit>("EditSaveAsRes");
    auto* layout = new QVBoxLayout(window());
    layout->addWidget(caption);
    layout->addWidget(edit);
    layout->addLayout(NewOkCancelHelpRow(form));
    Bind<LabelBinding>(caption, form.LabelSaveAsRes);
    Bind<EditBinding>(edit, form.EditSaveAsRes, runner(), [&form] { form.ButtonOKClick(); });
    window()->resize(360, 130);
}

WahleDlgBoxView::WahleDlgBoxView(GuiHost& host, TWahleDlgBoxForm& form)
    : FileChooserView(host, form, new QLabel) {
    Bind<LabelBinding>(chooser_.caption, form.LabelSessions);
    for (QPushButton* button : {chooser_.select, chooser_.cancel}) {
        button->setAutoDefault(false);
    }
    window()->resize(560, 380);
}

}  // namespace vx::qt
