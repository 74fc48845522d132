#pragma once
// wattora-cli calc: runs an analysis headless and prints its figures as one JSON object.

#include <ostream>
#include <span>
#include <string_view>

namespace wattora {

// Exit status 0 when the step change completed, 1 when it ended early or a calculation
// failed, 2 for wrong arguments or an unreadable file.
int RunCalcCommand(std::span<const std::string_view> args, std::ostream& out, std::ostream& err);

}  // namespace wattora
