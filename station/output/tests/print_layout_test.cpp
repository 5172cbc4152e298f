// The page plan of the printout: head, rows, fields, page breaks, failures.
#include "station/output/print_layout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orva {
namespace {

struct Placed {
  int page;
  double x, y;
  std::string text;
  bool operator==(const Placed&) const = default;
};

void PrintTo(const Placed& p, std::ostream* os) {
  *os << "{page " << p.page << ", x " << p.x << ", y " << p.y << ", \"" << p.text << "\"}";
}

// A printer whose lines are `lineHeight` twips high; it can be told to fail
// at its n-th print or new page.
class PaperTarget : public PrintDevice {
public:
  explicit PaperTarget(double lineHeight) : lineHeight_(lineHeight) {}
  void SetCurrentX(double twips) override { x_ = twips; }
  void SetCurrentY(double twips) override { y_ = twips; }
  double CurrentY() const override { return y_; }
  bool PrintLine(std::string_view text) override {
    if (++calls == failAt) return false;
    placed.push_back({page, x_, y_, std::string(text)});
    x_ = 0;
    y_ += lineHeight_;
    return true;
  }
  bool NewPage() override {
    if (++calls == failAt) return false;
    ++page;
    x_ = y_ = 0;
    return true;
  }

  bool EndDoc() override {
    ++endDocs;
    return ++calls != failAt;
  }
  void AbortDoc() override { ++aborts; }

  std::vector<Placed> placed;
  int page = 1;
  int endDocs = 0, aborts = 0;
  int calls = 0;
  int failAt = 0; // 0: never

  std::vector<Placed> OnPage(int n) const {
    std::vector<Placed> out;
    for (const Placed& p : placed)
      if (p.page == n) out.push_back(p);
    return out;
  }

private:
  double lineHeight_;
  double x_ = 0, y_ = 0;
};

constexpr double kLine = 200;
const PrintHead kHead{"Belt line 4", "High Limit 13N   Low  Limit 12N"};

// The seven items of a row at y.
std::vector<Placed> Row(int page, double y, const char* no, const char* n, const char* hz, const char* j) {
  return {{page, 1000, y, "No."}, {page, 1400, y, no},   {page, 2400, y, n}, {page, 3000, y, "N"},
          {page, 4000, y, hz},    {page, 4600, y, "Hz"}, {page, 5600, y, j}};
}

std::string Lines(int count) {
  std::string text;
  for (int i = 1; i <= count; ++i) text += " " + std::to_string(i) + ",12.50,85.00,GOOD\r\n";
  return text;
}

// The limit at which exactly `rows` rows fit below the head on page 1: the
// head takes four lines from y = 1000, so row k (from 0) is at 1800 + 200 k.
constexpr long LimitForFirstPageRows(int rows) { return 1800 + 200 * (rows - 1) + 1500; }

TEST(StationPrintLayout, EmptyRunLogPrintsTheHeadAloneOnOnePage) {
  PaperTarget paper(kLine);
  ASSERT_TRUE(PrintReadings(paper, kHead, "", 16838));
  const std::vector<Placed> expected = {{1, 1000, 1000, "Belt line 4"},
                                        {1, 0, 1200, ""},
                                        {1, 1000, 1400, "High Limit 13N   Low  Limit 12N"},
                                        {1, 0, 1600, ""}};
  EXPECT_EQ(paper.placed, expected);
  EXPECT_EQ(paper.page, 1);
}

TEST(StationPrintLayout, PageBreaksAtTheLimit) {
  const struct {
    const char* name;
    int rows;
    long limit;
    int pages;
    int rowsOnPage1;
  } cases[] = {
      {"one page exactly full", 5, LimitForFirstPageRows(5), 1, 5},
      {"one row more", 6, LimitForFirstPageRows(5), 2, 5},
      {"limit one twip short", 5, LimitForFirstPageRows(5) - 1, 2, 4},
      {"continuation pages", 5 + 9 + 9 + 1, LimitForFirstPageRows(5), 4, 5},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    PaperTarget paper(kLine);
    ASSERT_TRUE(PrintReadings(paper, kHead, Lines(c.rows), c.limit));
    EXPECT_EQ(paper.page, c.pages);
    EXPECT_EQ(paper.OnPage(1).size(), 4u + 7u * static_cast<size_t>(c.rowsOnPage1));
    // Continuation pages: rows only, from y = 1000, one line apart, and no
    // row whose y + 1500 passes the limit.
    int number = c.rowsOnPage1;
    for (int page = 2; page <= c.pages; ++page) {
      const std::vector<Placed> items = paper.OnPage(page);
      ASSERT_FALSE(items.empty());
      ASSERT_EQ(items.size() % 7, 0u);
      for (size_t i = 0; i < items.size(); i += 7) {
        const double y = 1000 + kLine * static_cast<double>(i / 7);
        const std::string no = std::to_string(++number);
        EXPECT_EQ(std::vector<Placed>(items.begin() + static_cast<long>(i), items.begin() + static_cast<long>(i) + 7),
                  Row(page, y, no.c_str(), "12.50", "85.00", "GOOD"));
        EXPECT_LE(y + 1500, c.limit);
      }
    }
    EXPECT_EQ(number, c.rows);
  }
}

TEST(StationPrintLayout, RowsTakeTheirFieldsFromTheTrimmedLine) {
  PaperTarget paper(kLine);
  const std::string file = " 1,12.50,85.00,GOOD\r\n"
                           " 2,ab.cd,85.00,\r\n"     // empty judgement after a judged row
                           "   3,12.60,85.10,LOW  \n" // blanks around the line, LF alone
                           " 4,13.00,86.00,HIGH";     // last line without its end
  ASSERT_TRUE(PrintReadings(paper, kHead, file, 16838));
  std::vector<Placed> expected(paper.placed.begin(), paper.placed.begin() + 4);
  for (const auto& row : {Row(1, 1800, "1", "12.50", "85.00", "GOOD"), Row(1, 2000, "2", "ab.cd", "85.00", ""),
                          Row(1, 2200, "3", "12.60", "85.10", "LOW"), Row(1, 2400, "4", "13.00", "86.00", "HIGH")})
    expected.insert(expected.end(), row.begin(), row.end());
  EXPECT_EQ(paper.placed, expected);
}

TEST(StationPrintLayout, FieldsByTheThreeCommaSearch) {
  const struct {
    const char* line;
    PrintFields fields;
  } cases[] = {
      {"1,12.50,85.00,GOOD", {"1", "12.50", "85.00", "GOOD"}},
      {"1,12.50,85.00,", {"1", "12.50", "85.00", ""}},
      {"1,,,", {"1", "", "", ""}},
      {",,,", {"", "", "", ""}},
      {"1,2,3,4,5", {"1", "2", "3", "4,5"}}, // field 4 keeps later commas
      {"1,2,3", {"1", "2", "", "3"}},
      {"a,b", {"a", "", "", "b"}}, // a failed search finds no earlier comma again
      {"abc", {"", "", "", ""}},
      {"", {"", "", "", ""}},
      {"\x83\x65\x83\x58,1,2,3", {"\x83\x65\x83\x58", "1", "2", "3"}}, // ANSI bytes kept
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    EXPECT_EQ(SplitPrintLine(c.line), c.fields);
  }
  EXPECT_EQ(TrimBlanks("  7,a,b,c  "), "7,a,b,c");
  EXPECT_EQ(TrimBlanks("\t7 "), "\t7"); // blanks only
  EXPECT_EQ(TrimBlanks("   "), "");
}

TEST(StationPrintLayout, AFailedPrintOrPageStopsTheRoutine) {
  const struct {
    const char* name;
    int failAt;
    size_t placedBefore;
  } cases[] = {
      {"first output", 1, 0},
      {"limits line", 3, 2},
      {"inside a row", 4 + 3, 6},
      {"new page", 4 + 7 * 5 + 1, 4 + 7 * 5},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    PaperTarget paper(kLine);
    paper.failAt = c.failAt;
    EXPECT_FALSE(PrintReadings(paper, kHead, Lines(8), LimitForFirstPageRows(5)));
    EXPECT_EQ(paper.placed.size(), c.placedBefore);
    EXPECT_EQ(paper.calls, c.failAt); // nothing asked after the failure
  }
}

TEST(StationPrintLayout, AJobEndsOnceOrIsAbortedOnce) {
  const struct {
    const char* name;
    int failAt;
    int endDocs, aborts;
  } cases[] = {
      {"sent", 0, 1, 0},
      {"first output fails", 1, 0, 1},
      {"new page fails", 4 + 7 * 5 + 1, 0, 1},
      {"EndDoc fails", 4 + 7 * 8 + 1 + 1, 1, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    PaperTarget paper(kLine);
    paper.failAt = c.failAt;
    EXPECT_EQ(PrintJob(paper, kHead, Lines(8), LimitForFirstPageRows(5)),
              c.failAt == 0 ? PrintOutcome::Sent : PrintOutcome::Failed);
    EXPECT_EQ(paper.endDocs, c.endDocs);
    EXPECT_EQ(paper.aborts, c.aborts);
  }
}

TEST(StationPrintLayout, ThePumpGetsATurnBeforeEveryPrintedText) {
  const struct {
    const char* name;
    int lines;
    long limit;
  } cases[] = {
      {"empty run log", 0, 16838},
      {"short pages", 20, LimitForFirstPageRows(5)},
      {"a long run on long pages", 1000, 16838},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    PaperTarget paper(kLine);
    size_t turns = 0, placedAtTurn = 0;
    bool fine = true;
    const PrintOutcome outcome = PrintJob(paper, kHead, Lines(c.lines), c.limit, [&](int page) {
      ++turns;
      fine = fine && paper.placed.size() <= placedAtTurn + 1; // at most one text since the last turn
      fine = fine && page == paper.page;                      // the page the next text goes on
      placedAtTurn = paper.placed.size();
      return true;
    });
    EXPECT_EQ(outcome, PrintOutcome::Sent);
    EXPECT_TRUE(fine);
    EXPECT_EQ(turns, paper.placed.size()); // one turn for each text
  }
}

TEST(StationPrintLayout, ATurnThatSaysStopCancelsTheJobAtOnce) {
  // Stops on the title, inside the first row, and on page 2.
  for (int stopAt : {1, 7, 4 + 7 * 5 + 1}) {
    SCOPED_TRACE(stopAt);
    PaperTarget paper(kLine);
    int turns = 0;
    const PrintOutcome outcome = PrintJob(paper, kHead, Lines(20), LimitForFirstPageRows(5), [&](int) {
      return ++turns != stopAt;
    });
    EXPECT_EQ(outcome, PrintOutcome::Cancelled);
    EXPECT_EQ(turns, stopAt); // nothing asked after the stop
    EXPECT_EQ(paper.placed.size(), static_cast<size_t>(stopAt - 1));
    EXPECT_EQ(paper.endDocs, 0);
    EXPECT_EQ(paper.aborts, 1);
  }
}

TEST(StationPrintLayout, PagesAreCountedAsTheyArePrinted) {
  const struct {
    int lines;
    long limit;
  } cases[] = {{0, 16838}, {5, LimitForFirstPageRows(5)}, {6, LimitForFirstPageRows(5)},
               {12, LimitForFirstPageRows(5)}, {1000, 16838}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.lines);
    PaperTarget paper(kLine);
    ASSERT_TRUE(PrintReadings(paper, kHead, Lines(c.lines), c.limit));
    EXPECT_EQ(CountPages(kHead, Lines(c.lines), c.limit, kLine), paper.page);
  }
}

} // namespace
} // namespace orva
