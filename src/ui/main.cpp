#include <QApplication>

#include "platform/self_path.h"
#include "ui/gui_host.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("vx"));
    QApplication::setQuitOnLastWindowClosed(false);
    vx::qt::GuiHost host;
    host.Start(vx::ProgramFileName());
    // A start-up failure has been shown to the person; the program ends without its loop.
    if (!host.ShowMainWindow()) {
        return 1;
    }
    return QApplication::exec();
}
