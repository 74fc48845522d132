#include "charts/chart_model.h"

#include <stdexcept>

namespace wattora {
namespace {

template <typename T, typename U>
bool Assign(T& member, U&& value, std::uint64_t& revision) {
  if (member == value) return false;
  member = std::forward<U>(value);
  ++revision;
  return true;
}

}  // namespace

void ChartSeries::Replace(std::vector<ChartPoint> points) {
  Points = std::move(points);
  ++Revision;
}

bool ChartSeries::SetTitle(std::string_view title) { return Assign(Title, std::string(title), Revision); }
bool ChartSeries::SetColor(std::uint32_t color) { return Assign(Color, color, Revision); }
bool ChartSeries::SetFill(FillStyle fill) { return Assign(Fill, fill, Revision); }
bool ChartSeries::SetWidth(int width) { return Assign(Width, width, Revision); }
bool ChartSeries::SetActive(bool active) { return Assign(Active, active, Revision); }

ChartSeries& Chart::AddSeries(std::string name, SeriesKind kind) {
  auto [it, inserted] = Series.try_emplace(name);
  if (!inserted) throw std::logic_error("series '" + name + "' added twice");
  Order.push_back(std::move(name));
  it->second.Kind = kind;
  return it->second;
}

ChartSeries& Chart::SeriesNamed(std::string_view name) {
  auto it = Series.find(name);
  if (it == Series.end()) throw std::logic_error("unknown series '" + std::string(name) + "'");
  return it->second;
}

const ChartSeries& Chart::SeriesNamed(std::string_view name) const {
  return const_cast<Chart*>(this)->SeriesNamed(name);
}

bool Chart::SetTitle(std::string_view title) { return Assign(Title, std::string(title), Revision); }

bool Chart::SetAxisTitle(ChartAxis Chart::*axis, std::string_view title) {
  return Assign((this->*axis).Title, std::string(title), Revision);
}

bool Chart::SetAxis(ChartAxis Chart::*axis, const ChartAxis& value) {
  return Assign(this->*axis, value, Revision);
}

bool ComboChoice::SetIndex(int index) { return Assign(Index, index, Revision); }

Chart& ChartSet::Add(std::string name) {
  auto [it, inserted] = charts_.try_emplace(name);
  if (!inserted) throw std::logic_error("chart '" + name + "' added twice");
  return it->second;
}

Chart& ChartSet::Named(std::string_view name) {
  auto it = charts_.find(name);
  if (it == charts_.end()) throw std::logic_error("unknown chart '" + std::string(name) + "'");
  return it->second;
}

const Chart& ChartSet::Named(std::string_view name) const {
  return const_cast<ChartSet*>(this)->Named(name);
}

}  // namespace wattora
