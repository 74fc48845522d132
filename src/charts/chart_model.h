#pragma once
// Charts as data: series with their points, colours, widths, titles and active states, and
// the axes. The desktop program draws them; the report takes pictures of them.

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace wattora {

struct ChartPoint {
  double x = 0;
  double y = 0;
};

enum class SeriesKind { Line, Bar };

struct ChartSeries {
  SeriesKind Kind = SeriesKind::Line;
  std::string Title;
  std::vector<ChartPoint> Points;
  std::uint32_t Color = 0x000000;  // 0xRRGGBB
  int Width = 1;
  bool Active = true;
  std::uint64_t Revision = 0;  // bumped whenever the series is replaced or changed
};

struct ChartAxis {
  std::string Title;
  bool Automatic = true;
  double Minimum = 0;
  double Maximum = 0;
  double Increment = 0;
  std::string ValueFormat;  // e.g. "###,###,##0.00"
};

struct Chart {
  std::string Title;
  ChartAxis Bottom;
  ChartAxis Left;
  bool Legend = true;
  // Series by component name, in drawing order.
  std::vector<std::string> Order;
  std::map<std::string, ChartSeries, std::less<>> Series;

  ChartSeries& AddSeries(std::string name, SeriesKind kind = SeriesKind::Line);
  ChartSeries& SeriesNamed(std::string_view name);  // throws std::logic_error when unknown
  const ChartSeries& SeriesNamed(std::string_view name) const;
};

// All charts of the main window by component name.
class ChartSet {
 public:
  Chart& Add(std::string name);
  Chart& Named(std::string_view name);  // throws std::logic_error when unknown
  const Chart& Named(std::string_view name) const;
  bool Has(std::string_view name) const { return charts_.contains(name); }
  template <typename F>
  void ForEach(F&& f) const {
    for (const auto& [name, chart] : charts_) f(name, chart);
  }

 private:
  std::map<std::string, Chart, std::less<>> charts_;
};

}  // namespace wattora
