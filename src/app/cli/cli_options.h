#pragma once
// Program options given on the command line by their setup keys.

#include <string>
#include <string_view>

#include "analysis/unit_settings.h"

namespace wattora {

// Applies KEY=VALUE ("FPU", "FFU", "PPU", "PFU", "PWU", "CRU", "CCT", "NTU", "LANGUAGE");
// returns an empty text, or what is wrong.
std::string ApplyCliOption(UnitSettings& units, std::string_view key, std::string_view value);

}  // namespace wattora
