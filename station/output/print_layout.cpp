#include "station/output/print_layout.h"

#include <cmath>

namespace orva {
namespace {

struct Item {
  double x;
  std::string_view text;
};

// Calls fn(line) for each line; CR LF, CR and LF end a line.
template <typename Fn> bool ForEachLine(std::string_view text, Fn fn) {
  size_t start = 0;
  while (start < text.size()) {
    const size_t end = text.find_first_of("\r\n", start);
    const std::string_view line = text.substr(start, end == std::string_view::npos ? end : end - start);
    if (!fn(line)) return false;
    if (end == std::string_view::npos) break;
    start = end + 1;
    if (text[end] == '\r' && start < text.size() && text[start] == '\n') ++start;
  }
  return true;
}

} // namespace

std::string_view TrimBlanks(std::string_view line) {
  const size_t first = line.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return line.substr(first, line.find_last_not_of(' ') - first + 1);
}

PrintFields SplitPrintLine(std::string_view line) {
  std::string fields[3];
  size_t from = 0;       // where the next search starts
  bool anyComma = false; // a comma was found, so field 4 follows the last one
  for (std::string& field : fields) {
    const size_t comma = line.find(',', from);
    if (comma == std::string_view::npos) continue; // empty; later searches find none either
    field = line.substr(from, comma - from);
    from = comma + 1;
    anyComma = true;
  }
  return {fields[0], fields[1], fields[2], anyComma ? std::string(line.substr(from)) : std::string()};
}

long PageBreakLimit(double pageHeightTwips) { return std::lround(pageHeightTwips); }

bool PrintReadings(PrintTarget& target, const PrintHead& head, std::string_view printFile,
                   long pageBreakLimit, const PrintTurn& turn) {
  int page = 1;
  const auto print = [&](std::string_view text) { return (!turn || turn(page)) && target.PrintLine(text); };
  target.SetCurrentX(kPrintLeft);
  target.SetCurrentY(kPrintTop);
  if (!print(head.title) || !print("")) return false;
  target.SetCurrentX(kPrintLeft);
  if (!print(head.limitsLine) || !print("")) return false;

  return ForEachLine(printFile, [&](std::string_view line) {
    if (target.CurrentY() + kPageBreakRoom > pageBreakLimit) {
      if (!target.NewPage()) return false;
      target.SetCurrentY(kPrintTop);
      ++page;
    }
    const PrintFields f = SplitPrintLine(TrimBlanks(line));
    const Item row[] = {{1000, "No."}, {1400, f.number},    {2400, f.tension}, {3000, "N"},
                        {4000, f.frequency}, {4600, "Hz"}, {5600, f.judgement}};
    const double y = target.CurrentY();
    for (const Item& item : row) {
      target.SetCurrentX(item.x);
      target.SetCurrentY(y);
      if (!print(item.text)) return false;
    }
    return true;
  });
}

int CountPrintLines(std::string_view printFile) {
  int lines = 0;
  ForEachLine(printFile, [&](std::string_view) {
    ++lines;
    return true;
  });
  return lines;
}

int CountPages(const PrintHead& head, std::string_view printFile, long pageBreakLimit, double lineHeightTwips) {
  // The same plan on paper that only moves down and counts its pages.
  class Counter : public PrintTarget {
  public:
    explicit Counter(double lineHeight) : lineHeight_(lineHeight) {}
    void SetCurrentX(double) override {}
    void SetCurrentY(double twips) override { y_ = twips; }
    double CurrentY() const override { return y_; }
    bool PrintLine(std::string_view) override {
      y_ += lineHeight_;
      return true;
    }
    bool NewPage() override {
      ++pages;
      y_ = 0;
      return true;
    }
    int pages = 1;

  private:
    double lineHeight_, y_ = 0;
  } counter(lineHeightTwips);
  PrintReadings(counter, head, printFile, pageBreakLimit);
  return counter.pages;
}

PrintOutcome PrintJob(PrintDevice& device, const PrintHead& head, std::string_view printFile,
                      long pageBreakLimit, const PrintTurn& turn) {
  bool stopped = false;
  const PrintTurn watched = [&](int page) {
    stopped = turn && !turn(page);
    return !stopped;
  };
  if (PrintReadings(device, head, printFile, pageBreakLimit, watched) && device.EndDoc()) return PrintOutcome::Sent;
  device.AbortDoc();
  return stopped ? PrintOutcome::Cancelled : PrintOutcome::Failed;
}

} // namespace orva
