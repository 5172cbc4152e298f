// The print command on the real main window: the real Print dialog, driven
// from a second thread as an operator would, and the real default printer.
#include "station/tests/win/station_fixture.h"

#include "station/output/win/printer.h"
#include "tools/testsupport/print_dialog_driver.h"

#include <cstdio>
#include <functional>
#include <thread>

namespace orva::test {
namespace {

using C = MainControl;
namespace ts = testsupport;

// A second thread that waits for the Print dialog of this process, lets the
// test act while it is open, then presses Print or Cancel.
class DialogHand {
public:
  DialogHand(bool confirm, std::function<void(HWND)> whileOpen = {}, DWORD waitMs = 20000)
      : thread_([=, this] {
          const HWND dialog = ts::WaitForPrintDialog(GetCurrentProcessId(), waitMs);
          if (!dialog) return;
          shown_ = true;
          chosen_ = ts::ChosenPrinter(dialog);
          if (whileOpen) whileOpen(dialog);
          confirm ? ts::ConfirmPrintDialog(dialog) : ts::CancelPrintDialog(dialog);
        }) {}
  ~DialogHand() { Join(); }
  void Join() {
    if (thread_.joinable()) thread_.join();
  }
  bool Shown() {
    Join();
    return shown_;
  }
  std::wstring Chosen() {
    Join();
    return chosen_;
  }

private:
  bool shown_ = false;
  std::wstring chosen_;
  std::thread thread_;
};

std::vector<InstalledPrinter> NoPrinters() { return {}; }
std::optional<InstalledPrinter> NoDefault() { return std::nullopt; }

class ResultsPrintTest : public StationTest {
protected:
  void SetUp() override {
    StationTest::SetUp();
    ResetCurrentPrinter(); // the system's default printer, as at start
    RestartWithIni(kNewtonsKeepAll);
    SetText(C::txtPrintTitle, L"Belt line 4");
  }
  void TearDown() override {
    SetPrinterSource({nullptr, nullptr});
    ResetCurrentPrinter();
    StationTest::TearDown();
  }
  std::wstring Row(int row) const {
    std::wstring text;
    for (int col = 0; col < 4; ++col) text += window_->Grid().TextMatrix(row, col) + L"|";
    return text;
  }
};

TEST_F(ResultsPrintTest, ReadingsDuringTheDialogAreKeptButNotPrinted) {
  StartRun(L"20", L"10");
  Reading("15.00", "85.00");
  Reading("25.00", "91.20");
  const std::string before = ReadFileBytes("temp.txt");

  DialogHand hand(true, [this](HWND) {
    Reading("12.00", "80.00"); // handled by the dialog's message loop
    Reading("ab.cd", "81.00");
  });
  Click(C::cmdPrint);
  ASSERT_TRUE(hand.Shown());
  EXPECT_EQ(hand.Chosen(), L"PDF"); // the system's default printer

  EXPECT_EQ(ReadFileBytes("print.txt"), before);
  EXPECT_EQ(RunLogLines(), (std::vector<std::string>{" 1,15.00,85.00,GOOD", " 2,25.00,91.20,HIGH",
                                                     " 3,12.00,80.00,GOOD", " 4,ab.cd,81.00,"}));
  EXPECT_EQ(Row(3), L"No.  4|ab.cd N|81.00 Hz||");
  EXPECT_TRUE(RecordedBoxes().empty());
}

TEST_F(ResultsPrintTest, NoRunLogNoDialogNoMessage) {
  DeleteFileA(PathOf("temp.txt").c_str());
  DialogHand hand(false, {}, 1500);
  SendMessageW(Main(), WM_COMMAND, MenuCommandId(MainMenu::fprint), 0);
  EXPECT_FALSE(hand.Shown());
  EXPECT_TRUE(RecordedBoxes().empty());
  EXPECT_EQ(GetFileAttributesA(PathOf("print.txt").c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(ResultsPrintTest, NoPrinterInstalledOneMessageAndNoDialog) {
  StartRun(L"20", L"10");
  Reading("15.00", "85.00");
  SetPrinterSource({NoPrinters, NoDefault});
  ResetCurrentPrinter();
  DialogHand hand(false, {}, 1500);
  Click(C::cmdPrint);
  EXPECT_FALSE(hand.Shown());
  ASSERT_EQ(RecordedBoxes().size(), 1u);
  EXPECT_EQ(RecordedBoxes()[0].text, L"No printer is installed.");
  EXPECT_EQ(RecordedBoxes()[0].title, L"Print");
  EXPECT_EQ(GetFileAttributesA(PathOf("print.txt").c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(ResultsPrintTest, CancelLeavesTheEarlierCopy) {
  StartRun(L"20", L"10");
  Reading("15.00", "85.00");
  { std::FILE* f = std::fopen(PathOf("print.txt").c_str(), "wb"); std::fputs("earlier\r\n", f); std::fclose(f); }
  DialogHand hand(false);
  Click(C::cmdPrint);
  ASSERT_TRUE(hand.Shown());
  EXPECT_EQ(ReadFileBytes("print.txt"), "earlier\r\n");
  EXPECT_TRUE(RecordedBoxes().empty());
}

TEST_F(ResultsPrintTest, ACopyThatCannotBeWrittenIsToldOnceAndNothingIsPrinted) {
  StartRun(L"20", L"10");
  Reading("15.00", "85.00");
  const std::string runLog = ReadFileBytes("temp.txt");
  // Another program holds print.txt open without sharing.
  HANDLE held = CreateFileA(PathOf("print.txt").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  DialogHand hand(true);
  Click(C::cmdPrint);
  CloseHandle(held);
  ASSERT_TRUE(hand.Shown());
  ASSERT_EQ(RecordedBoxes().size(), 1u);
  EXPECT_EQ(RecordedBoxes()[0].text, L"The print file (print.txt) cannot be written. Nothing was printed.");
  EXPECT_EQ(ReadFileBytes("temp.txt"), runLog);
  // The station goes on: the next reading is handled and logged.
  Reading("12.50", "85.00");
  EXPECT_EQ(RunLogLines().size(), 2u);
}

TEST_F(ResultsPrintTest, ARunLogThatCannotBeReadIsToldWithoutDialogAndKeepsTheEarlierCopy) {
  StartRun(L"20", L"10");
  Reading("15.00", "85.00");
  { std::FILE* f = std::fopen(PathOf("print.txt").c_str(), "wb"); std::fputs("earlier\r\n", f); std::fclose(f); }
  // Another program holds the run log open without sharing.
  HANDLE held = CreateFileA(PathOf("temp.txt").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  DialogHand hand(true, {}, 1500);
  Click(C::cmdPrint);
  EXPECT_FALSE(hand.Shown());
  CloseHandle(held);
  ASSERT_EQ(RecordedBoxes().size(), 1u);
  EXPECT_EQ(RecordedBoxes()[0].text, L"The run log (temp.txt) cannot be read just now. Nothing was printed.");
  EXPECT_EQ(ReadFileBytes("print.txt"), "earlier\r\n");
}

// A run log that another program lets others read but not write: the print
// brings it up to date when it can; when it cannot, the printout lacks the
// readings still held and the operator is told after printing.
TEST_F(ResultsPrintTest, RunLogStillOwingReadingsIsToldAndTheNextPrintHasThemAll) {
  StartRun(L"20", L"10");
  Reading("15.00", "85.00");
  HANDLE held = CreateFileA(PathOf("temp.txt").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  Reading("16.00", "86.00");
  Pump(); // the run's own notice
  RecordedBoxes().clear();
  {
    DialogHand hand(true);
    Click(C::cmdPrint);
    ASSERT_TRUE(hand.Shown());
  }
  EXPECT_EQ(ReadFileBytes("print.txt"), " 1,15.00,85.00,GOOD\r\n");
  ASSERT_EQ(RecordedBoxes().size(), 1u);
  EXPECT_EQ(RecordedBoxes()[0].text,
            L"This printout lacks readings: the run log (temp.txt) cannot be read or written just now. "
            L"Print again once it is free.");

  CloseHandle(held);
  RecordedBoxes().clear();
  {
    DialogHand hand(true);
    Click(C::cmdPrint);
    ASSERT_TRUE(hand.Shown());
  }
  EXPECT_EQ(ReadFileBytes("print.txt"), " 1,15.00,85.00,GOOD\r\n 2,16.00,86.00,GOOD\r\n");
  EXPECT_TRUE(RecordedBoxes().empty());
}

} // namespace
} // namespace orva::test
