#include <clocale>
#include <iostream>
#include <string>
#include <vector>

#include "cli/console_ui.h"
#include "cli/vx_check.h"
#include "platform/self_path.h"

int main(int argc, char** argv) {
    std::setlocale(LC_TIME, "");
    const std::vector<std::string> args(argv + 1, argv + argc);
    vx::cli::ConsoleUi ui(std::cerr);
    return vx::cli::RunVxCheck(args, vx::ProgramFileName(), std::cout, ui);
}
