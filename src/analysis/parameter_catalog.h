#pragma once
// The built-in parameter definitions and the builds of the table from them.

#include "analysis/application_kind.h"
#include "analysis/parameter_table.h"
#include "analysis/unit_settings.h"

namespace wattora {

inline constexpr int kParameterCount = 59;

// Registers parameters 1 to 59 in number order. The first build (rebuild false) uses the
// fan "in.wg" and "cfm" columns with the first-build differences; a rebuild uses the
// application's table in the selected units.
void BuildParameterTable(ParameterTable& table, UserInterface& ui, bool rebuild,
                         ApplicationKind kind, const UnitSettings& units);

// The definition a build registers for one parameter number.
ParameterDefinition ParameterDefinitionFor(int number, bool rebuild, ApplicationKind kind,
                                           const UnitSettings& units);

}  // namespace wattora
