#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace vx {
class VxApp;
}

namespace vx::cli {

class ConsoleUi;

// Exit status of vx-check.
inline constexpr int kExitReportOk = 0;
inline constexpr int kExitReportNotOk = 1;
inline constexpr int kExitNotStarted = 2;

// What a command of vx-check works with: the application's windows as vx builds them, the Ui
// that writes the messages, and the stream for its results.
struct CheckContext {
    VxApp& App;
    ConsoleUi& Messages;
    std::ostream& Out;
    bool Json = false;  // the report as JSON instead of its lines
};

// vx-check 1br SESSION [--json]: the 1BR run of a saved session; the report to Out.
int Check1BR(CheckContext& context, const std::vector<std::string>& operands);

// vx-check 2br SESSION [--logic NAME] [--json]: "TS start" of the 2BR session
// Sessions\_2BR_<SESSION> with NAME (default "DefWW") as the logic selector; the result lists and
// the results to Out.
int Check2BR(CheckContext& context, const std::vector<std::string>& operands);

// vx-check deploy SOURCE_DIR: "Start" of the deploy window on that folder; the report to Out.
int CheckDeploy(CheckContext& context, const std::vector<std::string>& operands);

// vx-check [--root DIR] COMMAND OPERANDS...: `args` without the program name.
// `programFileName` is the tool's own file name in the system's path form; the installation
// root is derived from it as vx derives its own, unless --root names the installation.
int RunVxCheck(const std::vector<std::string>& args, const std::string& programFileName,
               std::ostream& out, ConsoleUi& ui);

}  // namespace vx::cli
