#include "ui/views/s_save_as_view.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace vx::qt {

SSaveAsView::SSaveAsView(GuiHost& host, TFormSSaveAs& form) : FormView(host, form, NewWindow()) {
    auto* path = NewNamed<QLabel>("DirectoryLabel");
    path->setWordWrap(true);
    auto* directories = NewNamed<QListWidget>("DirectoryListBox");
    auto* name = NewNamed<QLineEdit>("EditName");

    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(new QLabel(QStringLiteral("Dateiname:")));
    nameRow->addWidget(name, 1);
    auto* layout = new QVBoxLayout(window());
    layout->addWidget(path);
    layout->addWidget(directories, 1);
    layout->addLayout(nameRow);
    layout->addLayout(NewOkCancelHelpRow(form));

    Bind<DirectoryListBinding>(directories, path, form.DirectoryListBox, runner(), Handler{});
    Bind<EditBinding>(name, form.EditName, runner(), [&form] { form.ButtonOKClick(); });
    window()->resize(480, 420);
}

}  // namespace vx::qt
