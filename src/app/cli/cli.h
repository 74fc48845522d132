#pragma once
// The command line of wattora-cli.

#include <ostream>

namespace wattora {

// Exit status 0 on success, 1 when a command ended early or failed, 2 for wrong arguments.
int RunCli(int argc, char** argv, std::ostream& out, std::ostream& err);

}  // namespace wattora
