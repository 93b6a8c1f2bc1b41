#include "cli/vx_check.h"

#include <array>
#include <exception>
#include <filesystem>
#include <optional>
#include <set>

#include "app/vx_app.h"
#include "cli/console_ui.h"
#include "platform/host_path.h"

namespace vx::cli {
namespace {

using CheckCommand = int (*)(CheckContext&, const std::vector<std::string>&);

struct CommandEntry {
    const char* Name;
    const char* Operands;  // as the usage names them
    std::size_t OperandCount;
    const char* Option;  // an option with a value that may follow the operands, or null
    CheckCommand Run;
    // Options without a value that may stand anywhere after the command, each at most once.
    std::array<const char*, 2> Flags{};
};

const CommandEntry kCommands[] = {
    {"1br", "[--explain] SESSION [--json]", 1, nullptr, Check1BR, {kExplainFlag, kJsonFlag}},
    {"2br",
     "SESSION [--logic NAME] [--all-matches] [--json]",
     1,
     "--logic",
     Check2BR,
     {kAllMatchesFlag, kJsonFlag}},
    {"deploy", "SOURCE_DIR", 1, nullptr, CheckDeploy},
};

const char* const kRootOption = "--root";
const char* const kVersion = "vx-check " VX_VERSION;
const char* const kAbout =
    "Runs the computation of a saved session of a vx installation as vx does and writes its\r"
    "results; messages go to standard error. The installation is the folder above the one\r"
    "vx-check lives in, or DIR. Nothing in the installation is changed, except that deploy\r"
    "stages the files it cleaned in Temp/imports.\r"
    "  --json       the report as JSON (the schema is docs/report.schema.json)\r"
    "  -h, --help   this text\r"
    "  --version    the version";

std::string Usage() {
    std::string usage = "usage:";
    for (const CommandEntry& command : kCommands) {
        usage += std::string("\r  vx-check [--root DIR] ") + command.Name + " " + command.Operands;
    }
    return usage;
}

struct Invocation {
    std::string Root;  // empty: derived from the tool's own file name
    const CommandEntry* Command = nullptr;
    std::vector<std::string> Operands;
    std::set<std::string> Flags;  // the flags given, taken out of the operands
};

const CommandEntry* FindCommand(const std::string& name) {
    for (const CommandEntry& command : kCommands) {
        if (name == command.Name) {
            return &command;
        }
    }
    return nullptr;
}

// The operands, optionally followed by the command's option and its non-empty value.
bool OperandsFit(const CommandEntry& command, const std::vector<std::string>& operands) {
    const std::size_t count = command.OperandCount;
    if (operands.size() == count) {
        return true;
    }
    return command.Option != nullptr && operands.size() == count + 2 &&
           operands[count] == command.Option && !operands[count + 1].empty();
}

// Takes the command's flags out of the operands; false when one is given twice.
bool TakeFlags(const CommandEntry& command, Invocation& invocation) {
    for (const char* flag : command.Flags) {
        if (flag == nullptr) {
            continue;
        }
        const auto given = std::erase(invocation.Operands, std::string(flag));
        if (given > 1) {
            return false;
        }
        if (given == 1) {
            invocation.Flags.insert(flag);
        }
    }
    return true;
}

// Reads the arguments; an explanation of what is wrong goes to `error`.
std::optional<Invocation> ReadArguments(const std::vector<std::string>& args, std::string& error) {
    Invocation invocation;
    std::size_t i = 0;
    if (i < args.size() && args[i] == kRootOption) {
        if (i + 1 >= args.size() || args[i + 1].empty()) {
            error = "vx-check: --root needs a directory";
            return std::nullopt;
        }
        invocation.Root = args[i + 1];
        i += 2;
    }
    if (i >= args.size()) {
        error = "vx-check: no command given";
        return std::nullopt;
    }
    invocation.Command = FindCommand(args[i]);
    if (invocation.Command == nullptr) {
        error = "vx-check: unknown command or option: " + args[i];
        return std::nullopt;
    }
    invocation.Operands.assign(args.begin() + static_cast<std::ptrdiff_t>(i + 1), args.end());
    if (!TakeFlags(*invocation.Command, invocation) ||
        !OperandsFit(*invocation.Command, invocation.Operands)) {
        error = std::string("vx-check: ") + invocation.Command->Name + " takes " +
                invocation.Command->Operands;
        return std::nullopt;
    }
    return invocation;
}

// The file name vx-check would have inside the installation at `root` (a host directory).
std::string ProgramFileInside(const std::string& root) {
    auto directory = std::filesystem::absolute(root).lexically_normal();
    if (directory.filename().empty()) {
        directory = directory.parent_path();
    }
    return ToSystemPath(directory) + "\\System\\vx-check";
}

// Written to standard output with line breaks of the host.
void WriteLines(std::ostream& out, const std::string& text) {
    for (char c : text) {
        out << (c == '\r' ? '\n' : c);
    }
    out << '\n';
}

std::string MsgNoInstallation(const std::string& root) {
    return "vx-check: no vx installation found in " + ToHostPath(root).string() +
           " (it has no System/vx.ini).\rStart vx-check from the System folder of an "
           "installation, or name the installation with --root DIR.";
}

int Run(const Invocation& invocation, const std::string& programFileName, std::ostream& out,
        ConsoleUi& ui) {
    VxApp app(ui, invocation.Root.empty() ? programFileName : ProgramFileInside(invocation.Root));
    if (app.TerminateRequested()) {
        if (!FileExists(app.IniForm.vxIniFile)) {
            ui.ShowMessage(MsgNoInstallation(app.IniForm.vxPath));
        }
        return kExitNotStarted;
    }
    CheckContext context{app, ui, out, invocation.Flags};
    return invocation.Command->Run(context, invocation.Operands);
}

}  // namespace

int RunVxCheck(const std::vector<std::string>& args, const std::string& programFileName,
               std::ostream& out, ConsoleUi& ui) {
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
        WriteLines(out, Usage() + "\r" + kAbout);
        return kExitReportOk;
    }
    if (args.size() == 1 && args[0] == "--version") {
        WriteLines(out, kVersion);
        return kExitReportOk;
    }
    std::string error;
    const auto invocation = ReadArguments(args, error);
    if (!invocation) {
        ui.ShowMessage(error + "\r" + Usage());
        return kExitNotStarted;
    }
    try {
        return Run(*invocation, programFileName, out, ui);
    } catch (const std::exception& failure) {
        ui.ShowMessage(std::string("vx-check: ") + failure.what());
        return kExitNotStarted;
    }
}

}  // namespace vx::cli
