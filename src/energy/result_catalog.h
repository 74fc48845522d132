#pragma once
// What a headless run reports: the results of the active application by name, and the
// names of every result label of the energy calculations and savings pages.

#include <span>
#include <string_view>
#include <vector>

#include "analysis/application_kind.h"
#include "energy/system_result.h"

namespace wattora {

struct NamedResult {
  std::string_view name;
  const SystemResult* result;
};

// Fan: drive, constant volume, cycling, outlet dampers, inlet guide vanes; pump: drive,
// constant volume, cycling, throttling valve; nothing without an application.
std::vector<NamedResult> ActiveResults(const PowerResults& results, ApplicationKind application);

std::span<const std::string_view> ResultLabelNames();

}  // namespace wattora
