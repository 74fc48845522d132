#pragma once
// The comparison system's side of the energy calculations page.

#include "analysis/analysis_record.h"
#include "energy/system_result.h"

namespace wattora {

// The result a comparison button stands for: R4 is the throttling valve in a pump analysis
// and the outlet dampers otherwise, R5 the inlet guide vanes; none for R3.
const SystemResult* ComparisonResult(const PowerResults& results, ApplicationKind application,
                                     ComparisonSystem system);

}  // namespace wattora
