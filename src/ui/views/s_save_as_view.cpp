#include "ui/views/s_save_as_view.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace vx::qt {

SSaveAsView::SSaveAsView(GuiHost& host, TFormSSaveAs& form) : FormView(host, form, NewWindow()) {
    auto* path = new QLabel;
    path->setObjectName(QStringLiteral("DirectoryLabel"));
    path->setWordWrap(true);
    auto* directories = new QListWidget;
    directories->setObjectName(QStringLiteral("DirectoryListBox"));
    auto* name = new QLineEdit;
    name->setObjectName(QStringLiteral("EditName"));
    auto* ok = new QPushButton;
    ok->setObjectName(QStringLiteral("ButtonOK"));
    auto* cancel = new QPushButton;
    cancel->setObjectName(QStringLiteral("ButtonCancel"));
    auto* help = new QPushButton;
    help->setObjectName(QStringLiteral("ButtonHilfe"));
    for (QPushButton* button : {ok, cancel, help}) {
        button->setAutoDefault(false);
    }

    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(new QLabel(QStringLiteral("Dateiname:")));
    nameRow->addWidget(name, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addWidget(help);
    auto* layout = new QVBoxLayout(window());
    layout->addWidget(path);
    layout->addWidget(directories, 1);
    layout->addLayout(nameRow);
    layout->addLayout(buttons);

    Bind<DirectoryListBinding>(directories, path, form.DirectoryListBox, runner(), Handler{});
    Bind<EditBinding>(name, form.EditName, runner(), [&form] { form.ButtonOKClick(); });
    Bind<ButtonBinding>(ok, form.ButtonOK, runner(), [&form] { form.ButtonOKClick(); });
    Bind<ButtonBinding>(cancel, form.ButtonCancel, runner(), [&form] { form.ButtonCancelClick(); });
    Bind<ButtonBinding>(help, form.ButtonHilfe, runner(), [&form] { form.ButtonHilfeClick(); });
    window()->resize(480, 420);
}

}  // namespace vx::qt
