#include "ui/vx_application.h"

#include <QMessageBox>
#include <exception>
#include <string>

#include "ui/gui_host.h"
#include "ui/qt_text.h"

namespace vx::qt {

VxApplication::VxApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool VxApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        Report(receiver, error.what());
    } catch (...) {
        Report(receiver, {});
    }
    return false;
}

void VxApplication::Report(QObject* receiver, std::string_view error) {
    // A failure while the report itself is shown is not reported again.
    if (reporting_) {
        return;
    }
    reporting_ = true;
    const QString what = OperationName(receiver);
    if (report_) {
        report_(what, error);
    } else {
        QMessageBox::critical(nullptr, QStringLiteral("vx"),
                              what + QStringLiteral("\n") + FromLatin1(error));
    }
    reporting_ = false;
}

}  // namespace vx::qt
