#pragma once

#include <string_view>

namespace wattora {

enum class ApplicationKind { None, Fan, Pump };

// "FAN" or "PUMP"; "FAN" while no analysis is active.
inline std::string_view ApplicationText(ApplicationKind kind) {
  return kind == ApplicationKind::Pump ? "PUMP" : "FAN";
}

}  // namespace wattora
