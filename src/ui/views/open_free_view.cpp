#include "ui/views/open_free_view.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace vx::qt {

OpenFreeView::OpenFreeView(GuiHost& host, TFormOpenFree& form) : FormView(host, form, NewWindow()) {
    auto* path = new QLabel;
    path->setObjectName(QStringLiteral("DirectoryLabel"));
    path->setWordWrap(true);
    auto* directories = new QListWidget;
    directories->setObjectName(QStringLiteral("DirectoryListBox"));
    directories->setToolTip(QStringLiteral("Double-click or Enter opens a directory"));
    auto* files = new QListWidget;
    files->setObjectName(QStringLiteral("FileListBox"));
    auto* select = new QPushButton;
    select->setObjectName(QStringLiteral("ButtonSelect"));
    select->setDefault(true);
    auto* cancel = new QPushButton;
    cancel->setObjectName(QStringLiteral("ButtonCancel"));

    auto* lists = new QHBoxLayout;
    lists->addWidget(directories, 1);
    lists->addWidget(files, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(select);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(window());
    layout->addWidget(path);
    layout->addLayout(lists, 1);
    layout->addLayout(buttons);

    Bind<DirectoryListBinding>(directories, path, form.DirectoryListBox, runner(),
                               [&form] { form.DirectoryListBoxChange(); });
    Bind<FileListBinding>(files, form.FileListBox, runner(), Handler{},
                          [&form] { form.ButtonSelectClick(); });
    Bind<ButtonBinding>(select, form.ButtonSelect, runner(), [&form] { form.ButtonSelectClick(); });
    Bind<ButtonBinding>(cancel, form.ButtonCancel, runner(), [&form] { form.ButtonCancelClick(); });
    window()->resize(640, 420);
}

}  // namespace vx::qt
