#include "finance/plan_print.h"

#include <algorithm>
#include <cmath>

#include "platform/text.h"

namespace qv {

namespace {

constexpr double kMarginMm = 15;
constexpr double kTitlePoints = 12;
constexpr double kInputPoints = 9;
constexpr double kTablePoints = 8;
constexpr double kSmallestPoints = 4;
// A character's width in ems, on the generous side for digits and capitals alike; the printer
// sets a text that still does not fit smaller.
constexpr double kCharEms = 0.6;
constexpr double kLineSpacing = 1.4;
constexpr const char* kInputGap = "    ";

class PrintLayout {
 public:
  PrintLayout(const PrinterPage& page, const std::string& title)
      : page_(page), title_(title), margin_(Dots(kMarginMm / 25.4, page.dpiX)) {
    left_ = margin_;
    right_ = std::max(page.width - margin_, left_ + 1);
    top_ = Dots(kMarginMm / 25.4, page.dpiY);
    foot_ = std::max(page.height - top_ - LineHeight(kTablePoints), top_ + 1);
  }

  // The columns' widths from their longest text, the font made smaller when the table would
  // not fit across the page, and the room left over shared out.
  void MeasureColumns(const std::vector<std::vector<std::string>>& cells) {
    std::vector<size_t> longest(cells.front().size(), 0);
    for (const std::vector<std::string>& row : cells)
      for (size_t col = 0; col < row.size(); ++col)
        longest[col] = std::max(longest[col], CharLength(row[col]));
    double ems = 0;
    for (const size_t chars : longest) ems += chars * kCharEms + 1;
    const double width = right_ - left_;
    tablePoints_ = std::clamp(width / (ems * Em(1)), kSmallestPoints, kTablePoints);
    const double spare = std::max(0.0, width - ems * Em(tablePoints_)) / longest.size();
    int x = left_;
    for (const size_t chars : longest) {
      columns_.push_back(x);
      x += static_cast<int>((chars * kCharEms + 1) * Em(tablePoints_) + spare);
    }
    columns_.push_back(right_);
  }

  void Title() { Line({{title_, true}}, kTitlePoints); }

  // The inputs flowed into lines across the page.
  void Inputs(const std::vector<PlanInput>& inputs) {
    std::string line;
    for (const PlanInput& input : inputs) {
      const std::string item = input.label + ": " + input.value;
      const std::string longer = line.empty() ? item : line + kInputGap + item;
      if (!line.empty() && CharLength(longer) * kCharEms * Em(kInputPoints) > right_ - left_) {
        Line({{line, false}}, kInputPoints);
        line = item;
      } else {
        line = longer;
      }
    }
    if (!line.empty()) Line({{line, false}}, kInputPoints);
    y_ += LineHeight(kInputPoints) / 2;
  }

  void Row(const std::vector<std::string>& cells, bool bold) {
    const int height = LineHeight(tablePoints_);
    for (size_t col = 0; col < cells.size(); ++col) {
      // The first two columns (number and date) stand at the left, the values at the right.
      const auto align = col < 2 ? PrintedText::Align::Left : PrintedText::Align::Right;
      const int pad = static_cast<int>(Em(tablePoints_) / 2);
      Page().texts.push_back({{columns_[col] + pad, y_, columns_[col + 1] - pad, y_ + height},
                              cells[col],
                              tablePoints_,
                              bold,
                              align});
    }
    y_ += height;
  }

  void Rule() {
    Page().rules.push_back({left_, right_, y_, std::max(1, page_.dpiY / 150)});
    y_ += LineHeight(tablePoints_) / 4;
  }

  bool Fits(int lines) const { return y_ + lines * LineHeight(tablePoints_) <= foot_; }

  void NewPage() {
    document_.pages.emplace_back();
    y_ = top_;
  }

  // "Seite K von N" at the foot of every page.
  PrintedDocument Finish() {
    const int count = static_cast<int>(document_.pages.size());
    for (int k = 0; k < count; ++k)
      document_.pages[k].texts.push_back(
          {{left_, foot_, right_, foot_ + LineHeight(kTablePoints)},
           "Seite " + std::to_string(k + 1) + " von " + std::to_string(count),
           kTablePoints,
           false,
           PrintedText::Align::Centre});
    return std::move(document_);
  }

 private:
  static int Dots(double inches, int dpi) { return static_cast<int>(std::lround(inches * dpi)); }
  double Em(double points) const { return points / 72 * page_.dpiX; }
  int LineHeight(double points) const {
    return std::max(1, Dots(points / 72 * kLineSpacing, page_.dpiY));
  }
  PrintedPage& Page() { return document_.pages.back(); }

  void Line(const std::vector<std::pair<std::string, bool>>& texts, double points) {
    const int height = LineHeight(points);
    for (const auto& [text, bold] : texts)
      Page().texts.push_back(
          {{left_, y_, right_, y_ + height}, text, points, bold, PrintedText::Align::Left});
    y_ += height;
  }

  PrinterPage page_;
  std::string title_;
  int margin_, left_ = 0, right_ = 0, top_ = 0, foot_ = 0, y_ = 0;
  double tablePoints_ = kTablePoints;
  std::vector<int> columns_;
  PrintedDocument document_;
};

}  // namespace

PrintedDocument LayOutPlanPrint(const PlanTable& table, const std::string& title,
                                const std::vector<PlanInput>& inputs, const PrinterPage& page) {
  std::vector<std::vector<std::string>> cells{table.headers};
  for (const PlanLine& line : table.lines) cells.push_back(ShownCells(line));
  PrintLayout layout(page, title);
  layout.MeasureColumns(cells);
  const auto startPage = [&](bool first) {
    layout.NewPage();
    layout.Title();
    if (first) layout.Inputs(inputs);
    layout.Row(cells.front(), true);
    layout.Rule();
  };
  startPage(true);
  // The last line is "Summe": it stands below a rule, on the page of the line before it when
  // both fit there.
  const size_t sum = cells.size() - 1;
  for (size_t i = 1; i < sum; ++i) {
    if (!layout.Fits(i + 1 == sum ? 3 : 1)) startPage(false);
    layout.Row(cells[i], false);
  }
  if (!layout.Fits(2)) startPage(false);
  layout.Rule();
  layout.Row(cells[sum], true);
  return layout.Finish();
}

}  // namespace qv
