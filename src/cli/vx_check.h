#pragma once

#include <ostream>
#include <set>
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
    std::set<std::string> Flags;  // the command's flags that were given

    bool Has(const char* flag) const { return Flags.contains(flag); }
};

// With --json, a command writes its report as JSON (the schema is docs/report.schema.json).
inline constexpr const char* kJsonFlag = "--json";

// vx-check 1br [--explain] SESSION: the 1BR run of a saved session; the report to Out, with
// --explain followed by the explanation of its conflict and the smallest conflict.
inline constexpr const char* kExplainFlag = "--explain";
int Check1BR(CheckContext& context, const std::vector<std::string>& operands);

// vx-check 2br SESSION [--logic NAME] [--all-matches]: "TS start" of the 2BR session
// Sessions\_2BR_<SESSION> with NAME (default "DefWW") as the logic selector, and with "All
// matches" ticked when asked; the result lists and the results to Out.
inline constexpr const char* kAllMatchesFlag = "--all-matches";
int Check2BR(CheckContext& context, const std::vector<std::string>& operands);

// vx-check deploy SOURCE_DIR: "Start" of the deploy window on that folder; the report to Out.
int CheckDeploy(CheckContext& context, const std::vector<std::string>& operands);

// vx-check [--root DIR] COMMAND OPERANDS...: `args` without the program name.
// `programFileName` is the tool's own file name in the system's path form; the installation
// root is derived from it as vx derives its own, unless --root names the installation.
int RunVxCheck(const std::vector<std::string>& args, const std::string& programFileName,
               std::ostream& out, ConsoleUi& ui);

}  // namespace vx::cli
