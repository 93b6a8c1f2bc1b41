#pragma once

#include <QApplication>
#include <functional>
#include <string_view>

namespace vx::qt {

// The application object of vx. Every handler already runs inside GuiHost::Run's catch; this
// is the net below it: an error that escapes any event handler (a view drawing itself, a
// window closing) is reported instead of ending the program, and the event is dropped.
class VxApplication : public QApplication {
    Q_OBJECT

public:
    VxApplication(int& argc, char** argv);

    // Shows the failure; set by the host once the windows exist.
    using FailureReport = std::function<void(const QString& what, std::string_view error)>;
    void SetFailureReport(FailureReport report) { report_ = std::move(report); }

    bool notify(QObject* receiver, QEvent* event) override;

private:
    void Report(QObject* receiver, std::string_view error);

    FailureReport report_;
    bool reporting_ = false;
};

}  // namespace vx::qt
