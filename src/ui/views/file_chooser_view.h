#pragma once

#include "ui/form_view.h"

class QListWidget;

namespace vx::qt {

// The layout of the file choosers: the directory shown above its directory list beside the
// file list of that directory, Select and Cancel below, and a caption above all if given.
// Double-click or Enter on a file selects it.
class FileChooserView : public FormView {
protected:
    struct Widgets {
        QLabel* caption;
        QLabel* path;
        QListWidget* directories;
        QListWidget* files;
        QPushButton* select;
        QPushButton* cancel;
    };

    template <typename Chooser>
    FileChooserView(GuiHost& host, Chooser& form, QLabel* caption)
        : FormView(host, form, NewWindow()), chooser_(Build(caption)) {
        Bind<DirectoryListBinding>(chooser_.directories, chooser_.path, form.DirectoryListBox,
                                   runner(), [&form] { form.DirectoryListBoxChange(); });
        Bind<ListBinding>(chooser_.files, form.FileListBox, runner(), Handler{},
                          [&form] { form.ButtonSelectClick(); });
        Bind<ButtonBinding>(chooser_.select, form.ButtonSelect, runner(),
                            [&form] { form.ButtonSelectClick(); });
        Bind<ButtonBinding>(chooser_.cancel, form.ButtonCancel, runner(),
                            [&form] { form.ButtonCancelClick(); });
    }

    const Widgets chooser_;

private:
    Widgets Build(QLabel* caption);
};

}  // namespace vx::qt
