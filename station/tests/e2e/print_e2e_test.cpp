// Printing a run from the real ORVA.exe on real printer queues: the
// operator presses Print, uses the system's Print dialog, and the PDF that
// the queue writes is read back (pages, words, their places).
#include "station/tests/e2e/pdf_output.h"
#include "tools/testsupport/print_dialog_driver.h"
#include "station/tests/e2e/station_process.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

using e2e::Eventually;
using e2e::PdfContent;
using e2e::PdfQueue;
using e2e::PdfWord;
using e2e::StationProcess;
namespace ts = orva::testsupport;

namespace {

constexpr DWORD kWindowWait = 30000;
constexpr DWORD kPdfWait = 90000;
constexpr double kPlace = 40; // twips: a word box against the place it was printed at

const char kIni[] = "[Limit]\r\nLimitMode=N\r\nLow=12\r\nHigh=13\r\n[Print]\r\nTitle=Line 3 belts\r\n"
                    "[SaveType]\r\nNeglectHighLow=false\r\n";

// Enough readings for three pages, some of them out of the allowance.
const char kRunOf190[] = "rate = 0\r\nburst = 190\r\noutlier_every = 7\r\n";

struct Row {
  double y;
  std::vector<PdfWord> words;
};

// Words of a page grouped into lines by their y.
std::vector<Row> RowsOf(const std::vector<PdfWord>& words) {
  std::vector<Row> rows;
  for (const PdfWord& w : words) {
    Row* row = nullptr;
    for (Row& r : rows)
      if (std::fabs(r.y - w.y) < 20) row = &r;
    if (!row) row = &rows.emplace_back(Row{w.y, {}});
    row->words.push_back(w);
  }
  for (Row& r : rows)
    std::sort(r.words.begin(), r.words.end(), [](const PdfWord& a, const PdfWord& b) { return a.x < b.x; });
  return rows;
}

std::vector<std::string> Fields(std::string line) {
  while (!line.empty() && line.front() == ' ') line.erase(line.begin());
  std::vector<std::string> fields;
  size_t from = 0;
  for (int i = 0; i < 3; ++i) {
    const size_t comma = line.find(',', from);
    fields.push_back(line.substr(from, comma - from));
    from = comma + 1;
  }
  fields.push_back(line.substr(from));
  return fields;
}

class PrintEndToEnd : public ::testing::Test {
protected:
  void SetUp() override {
    e2e::KillSimulators();
    first_ = e2e::QueueFromEnvironment("ORVA_PDF_OUT");
    second_ = e2e::QueueFromEnvironment("ORVA_PDF2_OUT");
    ASSERT_FALSE(first_.unixFolder.empty() || second_.unixFolder.empty())
        << "ORVA_PDF_OUT and ORVA_PDF2_OUT name the output folders of the queues PDF and PDF2 "
           "(scripts/printers.sh sets them up)";
  }
  void TearDown() override { e2e::KillSimulators(); }

  // Starts the station and, for n > 0, measures a run of n readings.
  static void StartAndMeasure(StationProcess& station, size_t n) {
    station.WriteFile("ORVA.ini", kIni);
    ASSERT_TRUE(station.Start().hProcess);
    ASSERT_TRUE(station.WaitForMainWindow(kWindowWait));
    ASSERT_TRUE(Eventually([&] { return station.Text("lblExe") == L"Exe Run"; }, kWindowWait));
    if (n == 0) return;
    station.Click("cmdStart");
    ASSERT_TRUE(station.WaitForRunLogLines(n, 60000));
    station.Click("cmdEnd");
    ASSERT_TRUE(Eventually([&] { return station.Enabled("cmdStart"); }, 10000));
  }

  static HWND OpenPrintDialog(StationProcess& station) {
    station.Click("cmdPrint");
    return ts::WaitForPrintDialog(station.ProcessId(), kWindowWait);
  }

  PdfQueue first_, second_;
};

TEST_F(PrintEndToEnd, SeveralPagesOnTheDefaultQueueWithTheHeadOnPageOneOnly) {
  StationProcess station(kRunOf190);
  ASSERT_NO_FATAL_FAILURE(StartAndMeasure(station, 190));
  const auto beforeFirst = first_.Files(), beforeSecond = second_.Files();
  const std::string mark = station.MarkPrintout();

  const HWND dialog = OpenPrintDialog(station);
  ASSERT_TRUE(dialog) << "no Print dialog";
  EXPECT_EQ(ts::ChosenPrinter(dialog), L"PDF"); // the system's default printer
  const auto choices = ts::PrinterChoices(dialog);
  EXPECT_NE(std::find(choices.begin(), choices.end(), L"PDF2"), choices.end());
  ts::ConfirmPrintDialog(dialog);
  ASSERT_TRUE(ts::WaitUntilGone(dialog, 10000));

  const std::string name = first_.WaitForNew(beforeFirst, kPdfWait, mark);
  ASSERT_FALSE(name.empty()) << "no PDF from the queue PDF in " << first_.unixFolder;
  EXPECT_TRUE(second_.NewWith(beforeSecond, mark).empty());
  EXPECT_EQ(station.ReadFile("print.txt"), station.ReadFile("temp.txt"));

  const auto pdf = e2e::ReadPdf(first_, name);
  ASSERT_TRUE(pdf);
  ASSERT_GE(pdf->pages, 3);

  // Page 1: title at (1000, 1000), the limits line two lines below, at x 1000.
  const std::vector<Row> head = RowsOf(pdf->OnPage(1));
  ASSERT_GE(head.size(), 3u);
  std::string title;
  for (const PdfWord& w : head[0].words) title += (title.empty() ? "" : " ") + w.text;
  EXPECT_EQ(title, "Line 3 belts");
  EXPECT_NEAR(head[0].words[0].x, 1000, kPlace);
  EXPECT_NEAR(head[0].y, 1000, kPlace);
  std::string limits;
  for (const PdfWord& w : head[1].words) limits += (limits.empty() ? "" : " ") + w.text;
  EXPECT_EQ(limits, "High Limit 13N Low Limit " + mark + "N");
  EXPECT_NEAR(head[1].words[0].x, 1000, kPlace);
  const double line = (head[1].y - head[0].y) / 2;
  EXPECT_GT(line, 100);

  // Every row of the run log, in order, its items at their places; no head
  // after page 1, continuation pages from y = 1000 on.
  const std::vector<std::string> log = station.RunLogLines();
  ASSERT_EQ(log.size(), 190u);
  const double places[] = {1000, 1400, 2400, 3000, 4000, 4600, 5600};
  size_t next = 0;
  for (int page = 1; page <= pdf->pages; ++page) {
    std::vector<Row> rows = RowsOf(pdf->OnPage(page));
    if (page == 1) rows.erase(rows.begin(), rows.begin() + 2);
    ASSERT_FALSE(rows.empty()) << "page " << page;
    if (page > 1) {
      EXPECT_GE(rows.front().y, 1000 - kPlace) << "page " << page;
      EXPECT_NEAR(rows.front().y, 1000, kPlace) << "page " << page;
    }
    for (const Row& row : rows) {
      ASSERT_LT(next, log.size()) << "more rows than readings";
      SCOPED_TRACE("page " + std::to_string(page) + " row " + log[next]);
      const std::vector<std::string> f = Fields(log[next++]);
      const std::vector<std::string> expected = {"No.", f[0], f[1], "N", f[2], "Hz", f[3]};
      ASSERT_EQ(row.words.size(), f[3].empty() ? 6u : 7u);
      for (size_t i = 0; i < row.words.size(); ++i) {
        EXPECT_EQ(row.words[i].text, expected[i]);
        EXPECT_NEAR(row.words[i].x, places[i], kPlace);
      }
      EXPECT_NE(row.words[0].text, "High");
    }
    // The page ends where one more row would leave less than 1500 twips.
    if (page < pdf->pages) {
      EXPECT_GT(rows.back().y + line + 1500, 16838 - kPlace) << "page " << page;
    }
  }
  EXPECT_EQ(next, log.size());
}

TEST_F(PrintEndToEnd, TheSecondQueueChosenInTheDialogGetsThisPrintAndTheNext) {
  StationProcess station("rate = 0\r\nburst = 12\r\n");
  ASSERT_NO_FATAL_FAILURE(StartAndMeasure(station, 12));
  const auto beforeFirst = first_.Files();
  auto beforeSecond = second_.Files();
  // A title typed in Japanese: the English font lacks its characters.
  SendMessageW(station.Control("txtPrintTitle"), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"ベルト 3"));
  const std::string mark = station.MarkPrintout();

  HWND dialog = OpenPrintDialog(station);
  ASSERT_TRUE(dialog);
  ASSERT_TRUE(ts::ChoosePrinter(dialog, L"PDF2"));
  ts::ConfirmPrintDialog(dialog);
  ASSERT_TRUE(ts::WaitUntilGone(dialog, 10000));
  std::string name = second_.WaitForNew(beforeSecond, kPdfWait, mark);
  ASSERT_FALSE(name.empty()) << "no PDF from the queue PDF2 in " << second_.unixFolder;
  auto pdf = e2e::ReadPdf(second_, name);
  ASSERT_TRUE(pdf);
  EXPECT_EQ(pdf->pages, 1);
  // The title went out in the Japanese Gothic face (its text cannot be read
  // back: the printer driver gives that font no character map).
  EXPECT_NE(e2e::PdfFonts(second_, name).find("Gothic"), std::string::npos);
  EXPECT_EQ(pdf->words.at(0).text, "High"); // the limits line, in the English font

  // The next print: the dialog opens on PDF2 and the print goes there.
  beforeSecond = second_.Files();
  dialog = OpenPrintDialog(station);
  ASSERT_TRUE(dialog);
  EXPECT_EQ(ts::ChosenPrinter(dialog), L"PDF2");
  ts::ConfirmPrintDialog(dialog);
  ASSERT_TRUE(ts::WaitUntilGone(dialog, 10000));
  name = second_.WaitForNew(beforeSecond, kPdfWait, mark);
  EXPECT_FALSE(name.empty()) << "the second print did not reach PDF2";
  EXPECT_TRUE(first_.NewWith(beforeFirst, mark).empty()) << "the queue PDF got a print";
}

TEST_F(PrintEndToEnd, CancelPrintsNothingAndLeavesPrintTxt) {
  StationProcess station("rate = 0\r\nburst = 5\r\n");
  station.WriteFile("print.txt", "an earlier copy\r\n");
  ASSERT_NO_FATAL_FAILURE(StartAndMeasure(station, 5));
  const auto beforeFirst = first_.Files(), beforeSecond = second_.Files();
  const std::string mark = station.MarkPrintout();

  const HWND dialog = OpenPrintDialog(station);
  ASSERT_TRUE(dialog);
  ts::CancelPrintDialog(dialog);
  ASSERT_TRUE(ts::WaitUntilGone(dialog, 10000));
  Sleep(3000); // a print would have reached the queue by now
  EXPECT_TRUE(first_.NewWith(beforeFirst, mark).empty());
  EXPECT_TRUE(second_.NewWith(beforeSecond, mark).empty());
  EXPECT_EQ(station.ReadFile("print.txt"), "an earlier copy\r\n");
  EXPECT_FALSE(e2e::WaitForMessageBox(station.ProcessId(), 500).window);
}

// A queue that refuses the job: the spooler fails EndDoc. The job is
// aborted, the operator is told once, and the station goes on.
TEST_F(PrintEndToEnd, AQueueThatRefusesTheJobIsToldOnceAndTheStationGoesOn) {
  StationProcess station("rate = 0\r\nburst = 5\r\n");
  ASSERT_NO_FATAL_FAILURE(StartAndMeasure(station, 5));
  const std::string runLog = station.ReadFile("temp.txt");
  ASSERT_TRUE(e2e::RunUnix("cupsreject PDF", 10000));
  struct Accept {
    ~Accept() { e2e::RunUnix("cupsaccept PDF", 10000); }
  } acceptAgain;
  auto before = first_.Files();
  const std::string mark = station.MarkPrintout();

  HWND dialog = OpenPrintDialog(station);
  ASSERT_TRUE(dialog);
  ts::ConfirmPrintDialog(dialog);
  ASSERT_TRUE(ts::WaitUntilGone(dialog, 10000));
  const auto box = e2e::WaitForMessageBox(station.ProcessId(), 30000);
  ASSERT_TRUE(box.window) << "no message";
  EXPECT_EQ(box.title, L"Print");
  EXPECT_EQ(box.text, L"The print job cannot be sent to the printer. Printing was cancelled. (EndDoc)");
  ASSERT_TRUE(e2e::PressMessageBoxButton(box.window, L"OK"));
  ASSERT_TRUE(ts::WaitUntilGone(box.window, 10000));
  const auto second = e2e::WaitForMessageBox(station.ProcessId(), 1000);
  EXPECT_FALSE(second.window) << "a second message: " << testing::PrintToString(second.title) << " "
                              << testing::PrintToString(second.text);
  EXPECT_EQ(station.ReadFile("temp.txt"), runLog);
  EXPECT_TRUE(first_.NewWith(before, mark).empty());

  // Once the queue takes jobs again, the next print goes through.
  ASSERT_TRUE(e2e::RunUnix("cupsaccept PDF", 10000));
  dialog = OpenPrintDialog(station);
  ASSERT_TRUE(dialog);
  ts::ConfirmPrintDialog(dialog);
  ASSERT_TRUE(ts::WaitUntilGone(dialog, 10000));
  EXPECT_FALSE(first_.WaitForNew(before, kPdfWait, mark).empty());
  EXPECT_EQ(station.ReadFile("temp.txt"), runLog);
  // The refused job is gone from the spooler: it does not follow this one.
  Sleep(3000);
  EXPECT_EQ(first_.NewWith(before, mark).size(), 1u);
}

} // namespace
