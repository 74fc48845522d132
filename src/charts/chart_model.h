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
  friend bool operator==(const ChartPoint&, const ChartPoint&) = default;
};

enum class SeriesKind { Line, Bar };
enum class FillStyle { Solid, DiagonalCross };

inline constexpr std::uint32_t kRed = 0xFF0000;
inline constexpr std::uint32_t kBlue = 0x0000FF;
inline constexpr std::uint32_t kBlack = 0x000000;
inline constexpr std::uint32_t kGreen = 0x008000;

struct ChartSeries {
  SeriesKind Kind = SeriesKind::Line;
  std::string Title;
  std::vector<ChartPoint> Points;
  std::uint32_t Color = kBlack;  // 0xRRGGBB
  FillStyle Fill = FillStyle::Solid;  // bars only
  int Width = 1;
  bool Active = true;
  std::uint64_t Revision = 0;  // bumped whenever the series is replaced or changed

  // Each setter bumps the revision when it changes something and says whether it did.
  // Replace always bumps: the series was drawn again.
  void Replace(std::vector<ChartPoint> points);
  void Clear() { Replace({}); }
  bool SetTitle(std::string_view title);
  bool SetColor(std::uint32_t color);
  bool SetFill(FillStyle fill);
  bool SetWidth(int width);
  bool SetActive(bool active);
};

struct ChartAxis {
  std::string Title;
  bool AutomaticMinimum = true;
  bool AutomaticMaximum = true;
  double Minimum = 0;
  double Maximum = 0;
  double Increment = 0;     // 0: the view chooses
  std::string ValueFormat;  // e.g. "###,###,##0.00"

  friend bool operator==(const ChartAxis&, const ChartAxis&) = default;
};

struct Chart {
  std::string Title;
  ChartAxis Bottom;
  ChartAxis Left;
  bool Legend = true;
  std::uint64_t Revision = 0;  // bumped when the title or an axis changes
  // Series by component name, in drawing order.
  std::vector<std::string> Order;
  std::map<std::string, ChartSeries, std::less<>> Series;

  ChartSeries& AddSeries(std::string name, SeriesKind kind = SeriesKind::Line);
  ChartSeries& SeriesNamed(std::string_view name);  // throws std::logic_error when unknown
  const ChartSeries& SeriesNamed(std::string_view name) const;

  bool SetTitle(std::string_view title);
  bool SetAxisTitle(ChartAxis Chart::*axis, std::string_view title);
  // Replaces the whole axis; bumps the revision when it differs.
  bool SetAxis(ChartAxis Chart::*axis, const ChartAxis& value);
};

// A drop-down choice of fixed entries.
struct ComboChoice {
  std::vector<std::string> Items;
  int Index = 0;
  std::string Hint;
  std::uint64_t Revision = 0;

  bool SetIndex(int index);
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

  // The series of a chart, by names.
  ChartSeries& SeriesOf(std::string_view chart, std::string_view series) {
    return Named(chart).SeriesNamed(series);
  }
  const ChartSeries& SeriesOf(std::string_view chart, std::string_view series) const {
    return Named(chart).SeriesNamed(series);
  }

  // The payback range choice "1 Year" ... "5 Years" of the graph page.
  ComboChoice YearsCombo;
  // The distance of the comparison choice R4 from the top of its panel, in pixels at 96
  // pixels per inch; a fan analysis shows R5 below it, a pump analysis does not.
  int ComparisonR4Top = 200;

 private:
  std::map<std::string, Chart, std::less<>> charts_;
};

}  // namespace wattora
