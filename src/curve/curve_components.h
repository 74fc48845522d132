#pragma once
// The main-window components and message texts of the curve subsystem.

#include <array>
#include <span>
#include <string_view>

#include "ui/form.h"
#include "ui/messages.h"

namespace wattora {

// The hidden labels of the advanced panel that show the normalized curve points in %.
inline constexpr std::array<std::string_view, 6> kNormalizedPointLabels = {"H1", "H2", "H3",
                                                                           "Q1", "Q2", "Q3"};

// The hidden labels H1 to H3 and Q1 to Q3.
void AddCurveComponents(Form& form);
// The English texts of IDS_10, IDS_25 to IDS_28 and IDS_60 to IDS_76 (main window).
std::span<const MessageText> CurveMessages();

}  // namespace wattora
