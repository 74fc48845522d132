#include "app/cli/cli.h"

#include <string>
#include <string_view>
#include <vector>

namespace wattora {
namespace {

constexpr std::string_view kUsage =
    "usage: wattora-cli --version\n";

}  // namespace

int RunCli(int argc, char** argv, std::ostream& out, std::ostream& err) {
  std::vector<std::string_view> args(argv + 1, argv + argc);
  if (args.size() == 1 && args[0] == "--version") {
    out << WATTORA_VERSION_TEXT << '\n';
    return 0;
  }
  err << kUsage;
  return 2;
}

}  // namespace wattora
