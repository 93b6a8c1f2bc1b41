#include "ui/views/file_chooser_view.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace vx::qt {

FileChooserView::Widgets FileChooserView::Build(QLabel* caption) {
    Widgets w{caption,
              NewNamed<QLabel>("DirectoryLabel"),
              NewNamed<QListWidget>("DirectoryListBox"),
              NewNamed<QListWidget>("FileListBox"),
              NewNamed<QPushButton>("ButtonSelect"),
              NewNamed<QPushButton>("ButtonCancel")};
    w.path->setWordWrap(true);
    w.directories->setToolTip(QStringLiteral("Double-click or Enter opens a directory"));

    auto* lists = new QHBoxLayout;
    lists->addWidget(w.directories, 1);
    lists->addWidget(w.files, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(w.select);
    buttons->addWidget(w.cancel);
    auto* layout = new QVBoxLayout(window());
    if (caption != nullptr) {
        layout->addWidget(caption);
    }
    layout->addWidget(w.path);
    layout->addLayout(lists, 1);
    layout->addLayout(buttons);
    return w;
}

}  // namespace vx::qt
