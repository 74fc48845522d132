#include "app/cli/cli.h"

#include <string>
#include <string_view>
#include <vector>

#include "app/cli/calc_command.h"

namespace wattora {
namespace {

constexpr std::string_view kUsage =
    "usage: wattora-cli --version\n"
    "       wattora-cli calc [--option KEY=VALUE]... (--new fan|--new pump | FILE)\n"
    "                        [--set NAME=TEXT]... [--click NAME]... [--save-as PATH] [--page N]\n";

}  // namespace

int RunCli(int argc, char** argv, std::ostream& out, std::ostream& err) {
  std::vector<std::string_view> args(argv + 1, argv + argc);
  if (args.size() == 1 && args[0] == "--version") {
    out << WATTORA_VERSION_TEXT << '\n';
    return 0;
  }
  if (!args.empty() && args[0] == "calc") {
    const int status = RunCalcCommand(std::span(args).subspan(1), out, err);
    if (status == 2) err << kUsage;
    return status;
  }
  err << kUsage;
  return 2;
}

}  // namespace wattora
