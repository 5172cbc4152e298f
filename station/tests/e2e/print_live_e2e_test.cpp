// Printing while the meter measures on: the station keeps handling its
// messages during a long printout, so every reading the simulator sends
// while the printing box is up is taken as it arrives, with its own text,
// whether the handler posts its notifications or sends them. The printing
// box's Cancel, and closing the station mid-print, end the job with nothing
// at the printer and nothing lost.
#include "station/tests/e2e/pdf_output.h"
#include "station/tests/e2e/station_process.h"
#include "tools/linkkeeper/reading_generator.h"
#include "tools/linkkeeper/scenario.h"
#include "tools/testsupport/print_dialog_driver.h"
#include "tools/testsupport/scenario.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using e2e::Eventually;
using e2e::PdfQueue;
using e2e::StationProcess;
namespace ts = orva::testsupport;

namespace {

constexpr DWORD kWindowWait = 30000;
constexpr DWORD kPdfWait = 120000;
constexpr size_t kBeforePrint = 3000; // run-log lines when Print is pressed (about 45 pages)

const char kIni[] = "[Limit]\r\nLimitMode=N\r\nLow=12\r\nHigh=13\r\n[Print]\r\nTitle=Live print\r\n"
                    "[SaveType]\r\nNeglectHighLow=false\r\n";

// A burst fills the run log, then a reading every 30 ms. The wide scatter
// gives nearly every reading a text of its own, so a reading replaced by a
// later one shows.
std::string Scenario(const char* notify) {
  return std::string("burst = 3000\r\nrate = 33.3\r\nscatter = 0.9\r\noutlier_every = 0\r\nseed = 11\r\n") +
         "notify = " + notify + "\r\n";
}

// The tension and frequency texts of a run-log line (" 12,12.47,84.80,HIGH").
std::string Texts(const std::string& line) {
  const size_t first = line.find(','), last = line.rfind(',');
  return first == std::string::npos || last <= first ? std::string() : line.substr(first + 1, last - first - 1);
}

// The texts of the simulator's readings 1..count, as it generated them.
std::vector<std::string> SentTexts(const std::string& scenario, size_t count) {
  linkkeeper::ReadingGenerator generator(linkkeeper::ParseScenario(scenario).scenario);
  std::vector<std::string> texts;
  for (size_t i = 0; i < count; ++i) {
    const linkkeeper::ReadingText r = generator.Next();
    texts.push_back(std::string(r.tension.data(), 5) + "," + std::string(r.frequency.data(), 5));
  }
  return texts;
}

// Run-log lines [from, to) carry the readings the simulator sent as its
// readings from+1 to `to`: one line per notification, in order, so line k
// holds reading k, with its own text, unless a reading was taken late and
// replaced by a later one.
void ExpectEachReadingOnceInOrder(const std::vector<std::string>& log, size_t from, size_t to,
                                  const std::vector<std::string>& sent) {
  ASSERT_LE(to, log.size());
  ASSERT_LE(to, sent.size());
  size_t wrong = 0;
  for (size_t k = from; k < to; ++k) {
    if (Texts(log[k]) == sent[k]) continue;
    if (++wrong <= 5)
      ADD_FAILURE() << "run-log line " << k + 1 << " is \"" << log[k] << "\", the reading sent was " << sent[k];
  }
  EXPECT_EQ(wrong, 0u) << "of the readings " << from + 1 << " to " << to;
}

class PrintWhileMeasuring : public ::testing::Test {
protected:
  void SetUp() override {
    e2e::KillSimulators();
    queue_ = e2e::QueueFromEnvironment("ORVA_PDF_OUT");
    ASSERT_FALSE(queue_.unixFolder.empty()) << "ORVA_PDF_OUT names the PDF queue's folder (scripts/printers.sh)";
  }
  void TearDown() override { e2e::KillSimulators(); }

  // Starts the station, START, and waits until the burst is in the run log
  // and the station has caught up with the timed readings (those posted
  // while it worked through the burst were taken late, as copies).
  static void MeasureLong(StationProcess& station) {
    station.WriteFile("ORVA.ini", kIni);
    ASSERT_TRUE(station.Start().hProcess);
    ASSERT_TRUE(station.WaitForMainWindow(kWindowWait));
    ASSERT_TRUE(Eventually([&] { return station.Text("lblExe") == L"Exe Run"; }, kWindowWait));
    station.Click("cmdStart");
    ASSERT_TRUE(station.WaitForRunLogLines(kBeforePrint, 120000));
    ASSERT_TRUE(Eventually([&] {
      return station.RunLogLines().size() + 2 >= station.CountSimulatorLog("notify 0x46B");
    }, 60000)) << "the station does not catch up with the readings";
  }

  // Print, confirmed in the Print dialog; returns the printing box.
  static HWND PrintUntilTheBoxShows(StationProcess& station) {
    station.Click("cmdPrint");
    const HWND dialog = ts::WaitForPrintDialog(station.ProcessId(), kWindowWait);
    if (!dialog) return nullptr;
    ts::ConfirmPrintDialog(dialog);
    return ts::WaitForPrintingBox(station.ProcessId(), kWindowWait);
  }

  // A long run, printed: the state when the printing box shows.
  struct LivePrint {
    std::vector<std::string> pdfsBefore;
    std::string mark;
    HWND box = nullptr;
    size_t boxSeen = 0; // run-log lines then
  };
  void StartLivePrint(StationProcess& station, LivePrint& print) {
    ASSERT_NO_FATAL_FAILURE(MeasureLong(station));
    print.pdfsBefore = queue_.Files();
    print.mark = station.MarkPrintout();
    print.box = PrintUntilTheBoxShows(station);
    ASSERT_TRUE(print.box) << "no printing box";
    print.boxSeen = station.RunLogLines().size();
  }

  // Stops the run once the readings have flowed on for a while after the
  // print; returns how many the simulator sent.
  static size_t StopAfterMoreReadings(StationProcess& station, size_t logLines) {
    EXPECT_TRUE(station.WaitForRunLogLines(logLines + 30, 30000));
    station.Click("cmdEnd");
    EXPECT_TRUE(Eventually([&] { return station.Enabled("cmdStart"); }, 10000));
    // What was posted before STOP has been taken once the count holds still.
    size_t lines = 0;
    Eventually([&] {
      const size_t now = station.RunLogLines().size();
      const bool still = now == lines;
      lines = now;
      return still;
    }, 10000);
    return station.CountSimulatorLog("notify 0x46B");
  }

  void ReadingsFlowDuringALongPrintout(const char* notify) {
    const std::string scenario = Scenario(notify);
    StationProcess station(scenario);
    LivePrint print;
    ASSERT_NO_FATAL_FAILURE(StartLivePrint(station, print));
    const HWND box = print.box;
    const size_t boxSeen = print.boxSeen;
    // The box tells what is printed and which page; the main window takes
    // no input meanwhile.
    const std::vector<std::wstring> lines = ts::PrintingBoxLines(box);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].rfind(L"Printing the run log (", 0), 0u) << testing::PrintToString(lines[0]);
    EXPECT_TRUE(Eventually([&] { return ts::PrintingBoxLines(box).at(1).rfind(L"Page ", 0) == 0; }, 10000));
    ts::SaveScreenshot(std::string("printing-box-") + notify); // on a display (ORVA_SHOT_DIR) only
    EXPECT_FALSE(IsWindowEnabled(station.MainWindow()));
    ASSERT_TRUE(ts::WaitUntilGone(box, kPdfWait));
    const size_t afterPrint = station.RunLogLines().size();
    EXPECT_TRUE(IsWindowEnabled(station.MainWindow()));
    const std::string name = queue_.WaitForNew(print.pdfsBefore, kPdfWait, print.mark);
    ASSERT_FALSE(name.empty()) << "no PDF";

    const std::string printed = station.ReadFile("print.txt");
    const std::vector<std::string> printedLines = e2e::SplitLines(printed);
    ASSERT_GE(printedLines.size(), kBeforePrint);
    const size_t sent = StopAfterMoreReadings(station, afterPrint);
    const std::vector<std::string> log = station.RunLogLines();
    // Readings arrived while the box was up, and after it.
    EXPECT_GT(log.size(), printedLines.size() + 30);

    // The printout is the run log as it was at Print: its first lines, and
    // the PDF holds exactly those.
    EXPECT_EQ(station.ReadFile("temp.txt").rfind(printed, 0), 0u);
    const auto pdf = e2e::ReadPdf(queue_, name);
    ASSERT_TRUE(pdf);
    size_t rows = 0;
    for (const e2e::PdfWord& w : pdf->words) rows += w.text == "No.";
    EXPECT_EQ(rows, printedLines.size());

    // Every reading sent while the printout went to the printer is in the
    // run log once, in order, with its own text; with a handler that sends,
    // every reading of the run. (Readings of the burst, posted back to
    // back, are replaced by later ones: a handler that posts paces itself.)
    const std::vector<std::string> sentTexts = SentTexts(scenario, sent);
    SCOPED_TRACE("printed " + std::to_string(printedLines.size()) + ", box seen at " + std::to_string(boxSeen) +
                 ", box gone at " + std::to_string(afterPrint) + ", sent " + std::to_string(sent));
    ExpectEachReadingOnceInOrder(log, boxSeen, afterPrint, sentTexts);
    if (std::string(notify) == "send") ExpectEachReadingOnceInOrder(log, 0, log.size(), sentTexts);
    EXPECT_FALSE(e2e::WaitForMessageBox(station.ProcessId(), 500).window);
  }

  PdfQueue queue_;
};

TEST_F(PrintWhileMeasuring, AHandlerThatPostsLosesNoReadingDuringALongPrintout) {
  ReadingsFlowDuringALongPrintout("post");
}

TEST_F(PrintWhileMeasuring, AHandlerThatSendsLosesNoReadingDuringALongPrintout) {
  ReadingsFlowDuringALongPrintout("send");
}

TEST_F(PrintWhileMeasuring, CancelInThePrintingBoxLeavesNoPrintoutAndTheStationMeasuresOn) {
  const std::string scenario = Scenario("post");
  StationProcess station(scenario);
  LivePrint print;
  ASSERT_NO_FATAL_FAILURE(StartLivePrint(station, print));
  const HWND box = print.box;
  const std::string printed = station.ReadFile("print.txt");
  ts::CancelPrintingBox(box);
  ASSERT_TRUE(ts::WaitUntilGone(box, 10000)) << "Cancel did not end the print at once";
  EXPECT_TRUE(IsWindowEnabled(station.MainWindow()));
  EXPECT_EQ(station.ReadFile("print.txt"), printed);

  const size_t afterCancel = station.RunLogLines().size();
  const size_t sent = StopAfterMoreReadings(station, afterCancel);
  ExpectEachReadingOnceInOrder(station.RunLogLines(), print.boxSeen, afterCancel, SentTexts(scenario, sent));
  EXPECT_FALSE(e2e::WaitForMessageBox(station.ProcessId(), 500).window) << "no message after Cancel";
  Sleep(3000); // a job left at the spooler would have reached the queue by now
  EXPECT_TRUE(queue_.NewWith(print.pdfsBefore, print.mark).empty()) << "the cancelled job was printed";
  EXPECT_TRUE(e2e::RunUnix("! lpstat -o PDF | grep -q .", 10000)) << "a job is left in the queue";
}

TEST_F(PrintWhileMeasuring, ClosingTheStationMidPrintCancelsThePrintThenExitsNormally) {
  StationProcess station(Scenario("send"));
  LivePrint print;
  ASSERT_NO_FATAL_FAILURE(StartLivePrint(station, print));
  station.Close();
  DWORD code = 1;
  ASSERT_TRUE(station.WaitForExit(30000, &code)) << "the station did not end";
  EXPECT_EQ(code, 0u);
  // The normal shutdown: the device stopped, the handler ended, the settings kept.
  EXPECT_EQ(station.CountSimulatorLog("USBMsgDeviceEnd"), 1u);
  EXPECT_EQ(station.CountSimulatorLog("USBMsgEnd"), 1u);
  EXPECT_NE(station.ReadFile("ORVA.ini").find("Low=" + print.mark), std::string::npos);
  Sleep(3000);
  EXPECT_TRUE(queue_.NewWith(print.pdfsBefore, print.mark).empty()) << "the cancelled job was printed";
}

} // namespace
