#include <QApplication>

#include "platform/self_path.h"
#include "ui/gui_host.h"
#include "ui/vx_application.h"

int main(int argc, char** argv) {
    vx::qt::VxApplication application(argc, argv);
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
