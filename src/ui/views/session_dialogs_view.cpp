#include "ui/views/session_dialogs_view.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace vx::qt {
namespace {

QPushButton* NewButton(const char* name) {
    auto* button = new QPushButton;
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}

// The widgets of the two name dialogs: a label, the name, OK, Cancel and Hilfe.
struct NameDialogWidgets {
    QLabel* caption;
    QLineEdit* name;
    QPushButton* ok;
    QPushButton* cancel;
    QPushButton* help;
};

NameDialogWidgets BuildNameDialog(QWidget* window, const char* editName) {
    NameDialogWidgets w{new QLabel, new QLineEdit, NewButton("ButtonOK"), NewButton("ButtonCancel"),
                        NewButton("ButtonHilfe")};
    w.name->setObjectName(QString::fromLatin1(editName));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(w.ok);
    buttons->addWidget(w.cancel);
    buttons->addWidget(w.help);
    auto* layout = new QVBoxLayout(window);
    layout->addWidget(w.caption);
    layout->addWidget(w.name);
    layout->addLayout(buttons);
    window->resize(360, 130);
    return w;
}

}  // namespace

NeueSessionView::NeueSessionView(GuiHost& host, TNeueSessionForm& form)
    : FormView(host, form, NewWindow()) {
    const NameDialogWidgets w = BuildNameDialog(window(), "EditNeueSession");
    Bind<LabelBinding>(w.caption, form.LabelNeueSession);
    Bind<EditBinding>(w.name, form.EditNeueSession, runner(), [&form] { form.ButtonOKClick(); });
    Bind<ButtonBinding>(w.ok, form.ButtonOK, runner(), [&form] { form.ButtonOKClick(); });
    Bind<ButtonBinding>(w.cancel, form.ButtonCancel, runner(),
                        [&form] { form.ButtonCancelClick(); });
    Bind<ButtonBinding>(w.help, form.ButtonHilfe, runner(), [&form] { form.ButtonHilfeClick(); });
}

FormSaveAsView::FormSaveAsView(GuiHost& host, TFormSaveAs& form)
    : FormView(host, form, NewWindow()) {
    const NameDialogWidgets w = BuildNameDialog(window(), "EditSaveAs");
    Bind<LabelBinding>(w.caption, form.LabelSaveAs);
    Bind<EditBinding>(w.name, form.EditSaveAs, runner(), [&form] { form.ButtonOKClick(); });
    Bind<ButtonBinding>(w.ok, form.ButtonOK, runner(), [&form] { form.ButtonOKClick(); });
    Bind<ButtonBinding>(w.cancel, form.ButtonCancel, runner(),
                        [&form] { form.ButtonCancelClick(); });
    Bind<ButtonBinding>(w.help, form.ButtonHilfe, runner(), [&form] { form.ButtonHilfeClick(); });
}

WahleDlgBoxView::WahleDlgBoxView(GuiHost& host, TWahleDlgBoxForm& form)
    : FormView(host, form, NewWindow()) {
    auto* caption = new QLabel;
    auto* path = new QLabel;
    path->setObjectName(QStringLiteral("DirectoryLabel"));
    path->setWordWrap(true);
    auto* directories = new QListWidget;
    directories->setObjectName(QStringLiteral("DirectoryListBox"));
    directories->setToolTip(QStringLiteral("Double-click or Enter opens a directory"));
    auto* files = new QListWidget;
    files->setObjectName(QStringLiteral("FileListBox"));
    auto* select = NewButton("ButtonSelect");
    auto* cancel = NewButton("ButtonCancel");

    auto* lists = new QHBoxLayout;
    lists->addWidget(directories, 1);
    lists->addWidget(files, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(select);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(window());
    layout->addWidget(caption);
    layout->addWidget(path);
    layout->addLayout(lists, 1);
    layout->addLayout(buttons);

    Bind<LabelBinding>(caption, form.LabelSessions);
    Bind<DirectoryListBinding>(directories, path, form.DirectoryListBox, runner(),
                               [&form] { form.DirectoryListBoxChange(); });
    Bind<FileListBinding>(files, form.FileListBox, runner(), Handler{},
                          [&form] { form.ButtonSelectClick(); });
    Bind<ButtonBinding>(select, form.ButtonSelect, runner(), [&form] { form.ButtonSelectClick(); });
    Bind<ButtonBinding>(cancel, form.ButtonCancel, runner(), [&form] { form.ButtonCancelClick(); });
    window()->resize(560, 380);
}

}  // namespace vx::qt
