#include "charts/chart_model.h"

#include <stdexcept>

namespace wattora {

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
