// The statistics window on real windows: it follows readings on its timer,
// keeps counting while closed and clears at START, opens beside and closes
// with its owner; Copy (button and Ctrl+C) puts the table and the chart on
// the clipboard, Save Picture writes a PNG of the chart's size through GDI+.
#include "station/output/win/save_dialog.h"
#include "station/stats/stats_layout.h"
#include "station/stats/win/statistics_window.h"
#include "winkit/control_helpers.h"
#include "winkit/text.h"
#include "winkit/wait.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

namespace orva {
namespace {

// A plain top-level window standing in for the main window.
class Owner {
public:
  Owner() {
    WNDCLASSW wc{};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"StatsTestOwner";
    RegisterClassW(&wc); // fails harmlessly from the second test on
    hwnd_ = CreateWindowExW(0, L"StatsTestOwner", L"owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 30, 250, 300, nullptr,
                            nullptr, GetModuleHandleW(nullptr), nullptr);
  }
  ~Owner() {
    if (IsWindow(hwnd_)) DestroyWindow(hwnd_);
  }
  HWND Handle() const { return hwnd_; }

private:
  HWND hwnd_;
};

std::string CellText(const StatisticsWindow& window, int row, int column) {
  return winkit::Utf8Text(GetDlgItem(window.Handle(), StatsCellId(row, column)));
}

void Feed(StatisticsWindow& window) {
  window.ReadingTaken(1, {"12.40", "85.00"}, Judgement::Good);
  window.ReadingTaken(2, {"12.60", "86.00"}, Judgement::Good);
  window.ReadingTaken(3, {"13.20", "88.00"}, Judgement::High);
  window.ReadingTaken(4, {"11.80", "80.00"}, Judgement::Low);
  window.ReadingTaken(5, {"-----", "80.00"}, Judgement::None);
}

std::vector<std::vector<std::string>> Rows(const std::string& table) {
  std::vector<std::vector<std::string>> rows;
  std::stringstream lines(table);
  for (std::string line; std::getline(lines, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    std::vector<std::string> cells;
    std::stringstream cellStream(line);
    for (std::string cell; std::getline(cellStream, cell, '\t');) cells.push_back(cell);
    rows.push_back(cells);
  }
  return rows;
}

struct Clipboard {
  std::string text;
  LONG dibWidth = 0, dibHeight = 0;
  bool bitmap = false;
};

Clipboard ReadClipboard() {
  Clipboard c;
  if (!OpenClipboard(nullptr)) return c;
  if (const HANDLE h = GetClipboardData(CF_UNICODETEXT)) {
    if (const auto* text = static_cast<const wchar_t*>(GlobalLock(h))) {
      c.text = winkit::Utf8FromWide(text);
      GlobalUnlock(h);
    }
  }
  if (const HANDLE h = GetClipboardData(CF_DIB)) {
    if (const auto* header = static_cast<const BITMAPINFOHEADER*>(GlobalLock(h))) {
      c.dibWidth = header->biWidth;
      c.dibHeight = header->biHeight;
      GlobalUnlock(h);
    }
  }
  c.bitmap = IsClipboardFormatAvailable(CF_BITMAP) != FALSE;
  CloseClipboard();
  return c;
}

void EmptyTheClipboard() {
  ASSERT_TRUE(OpenClipboard(nullptr));
  EmptyClipboard();
  CloseClipboard();
}

std::string TempFile(const char* name) {
  char folder[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, folder);
  return std::string(folder) + name;
}

std::uint32_t BigEndian(const std::string& bytes, std::size_t at) {
  return static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at])) << 24 |
         static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + 1])) << 16 |
         static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + 2])) << 8 |
         static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + 3]));
}

// Width and height from the PNG's signature and IHDR chunk; 0 x 0 if it is none.
SIZE PngSize(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (bytes.size() < 24 || bytes.compare(0, 8, "\x89PNG\r\n\x1a\n") != 0 || bytes.compare(12, 4, "IHDR") != 0)
    return {0, 0};
  return {static_cast<LONG>(BigEndian(bytes, 16)), static_cast<LONG>(BigEndian(bytes, 20))};
}

class StatisticsWindowTest : public ::testing::Test {
protected:
  RunStatistics stats;
  StatisticsWindow window{stats};
  Owner owner;
};

TEST_F(StatisticsWindowTest, FollowsReadingsKeepsCountingWhileClosedAndClearsAtStart) {
  window.AllowanceChanged({"13.00", "12.00", 0});
  ASSERT_TRUE(window.Open(owner.Handle(), "english"));
  const HWND first = window.Handle();
  Feed(window);
  winkit::WaitSeconds(0.4f); // the refresh timer brings the cells up to date
  EXPECT_EQ(CellText(window, RowReadings, 1), "5");
  EXPECT_EQ(CellText(window, RowGood, 1), "2");
  EXPECT_EQ(CellText(window, RowHigh, 1), "1");
  EXPECT_EQ(CellText(window, RowLow, 1), "1");
  EXPECT_EQ(CellText(window, RowNotNumeric, 1), "1");
  EXPECT_EQ(CellText(window, RowGoodRate, 1), "40.0");
  EXPECT_EQ(CellText(window, RowMean, 1), "12.500");
  EXPECT_EQ(CellText(window, RowMax, 2), "88.00");
  EXPECT_EQ(CellText(window, RowCapabilityHead, 0), "Capability against the allowance (N)");
  EXPECT_NE(CellText(window, RowCp, 1), "\xE2\x80\x94");

  // Hz: Cp and Cpk against 12..13 Hz, with readings near 85 Hz, still defined but
  // shown for frequency; limits that are not numeric: not defined.
  window.AllowanceChanged({"abc", "12.00", 1});
  winkit::WaitSeconds(0.4f);
  EXPECT_EQ(CellText(window, RowCapabilityHead, 0), "Capability against the allowance (Hz)");
  EXPECT_EQ(CellText(window, RowCp, 1), "\xE2\x80\x94");
  EXPECT_EQ(CellText(window, RowCpk, 1), "\xE2\x80\x94");

  // Opening again brings the same window forward.
  ASSERT_TRUE(window.Open(owner.Handle(), "english"));
  EXPECT_EQ(window.Handle(), first);

  window.Close();
  EXPECT_EQ(window.Handle(), nullptr);
  window.ReadingTaken(6, {"12.50", "85.00"}, Judgement::Good);
  ASSERT_TRUE(window.Open(owner.Handle(), "english"));
  EXPECT_EQ(CellText(window, RowReadings, 1), "6") << "counted while closed";

  window.RunStarted();
  EXPECT_EQ(CellText(window, RowReadings, 1), "0");
  EXPECT_EQ(CellText(window, RowMean, 1), "\xE2\x80\x94");
}

TEST_F(StatisticsWindowTest, OpensBesideItsOwnerAndClosesWithIt) {
  ASSERT_TRUE(window.Open(owner.Handle(), ""));
  RECT ownerRect, rect; // a narrow owner at the screen's left edge: room on its right
  GetWindowRect(owner.Handle(), &ownerRect);
  GetWindowRect(window.Handle(), &rect);
  EXPECT_EQ(rect.left, ownerRect.right);
  EXPECT_EQ(rect.top, ownerRect.top);
  EXPECT_EQ(GetWindow(window.Handle(), GW_OWNER), owner.Handle());
  EXPECT_EQ(winkit::Utf8Text(window.Handle()), "測定統計");
  EXPECT_EQ(CellText(window, RowMean, 0), "平均");

  DestroyWindow(owner.Handle());
  EXPECT_EQ(window.Handle(), nullptr) << "an owned window goes with its owner";
}

TEST_F(StatisticsWindowTest, CopyPutsTheTableAndTheChartOnTheClipboard) {
  window.AllowanceChanged({"13.00", "12.00", 0});
  ASSERT_TRUE(window.Open(owner.Handle(), "english"));
  Feed(window);
  EmptyTheClipboard();
  ASSERT_TRUE(window.CopyFigures());
  const Clipboard c = ReadClipboard();
  const auto rows = Rows(c.text);
  ASSERT_GE(rows.size(), 10u);
  EXPECT_EQ(rows[0], (std::vector<std::string>{"Readings", "5"}));
  bool mean = false;
  for (const auto& row : rows)
    if (!row.empty() && row[0] == "Mean") {
      mean = true;
      EXPECT_EQ(row, (std::vector<std::string>{"Mean", "12.500", "83.800"}));
    }
  EXPECT_TRUE(mean);
  const SIZE size = window.PictureSize();
  EXPECT_GT(size.cx, 100);
  EXPECT_EQ(c.dibWidth, size.cx);
  EXPECT_EQ(c.dibHeight, size.cy);
  EXPECT_TRUE(c.bitmap) << "the system offers the DIB as a bitmap too";

  // Ctrl+C on the Copy button, where the focus is after a click.
  EmptyTheClipboard();
  BYTE keys[256] = {};
  GetKeyboardState(keys);
  keys[VK_CONTROL] = 0x80;
  SetKeyboardState(keys);
  SendMessageW(GetDlgItem(window.Handle(), kCopyButtonId), WM_KEYDOWN, 'C', 0);
  keys[VK_CONTROL] = 0;
  SetKeyboardState(keys);
  winkit::WaitSeconds(0.1f);
  EXPECT_EQ(Rows(ReadClipboard().text).at(0), (std::vector<std::string>{"Readings", "5"}));
}

std::string g_chosenName;
std::optional<std::string> ChooseName(HWND, const SaveDialogRequest& request) {
  EXPECT_NE(request.filter.find("*.png"), std::string::npos);
  return g_chosenName;
}

TEST_F(StatisticsWindowTest, SavePictureWritesAPngOfTheChartsSize) {
  window.AllowanceChanged({"13.00", "12.00", 0});
  ASSERT_TRUE(window.Open(owner.Handle(), "english"));
  Feed(window);
  const std::string direct = TempFile("orva-stats-direct.png");
  DeleteFileA(direct.c_str());
  ASSERT_TRUE(window.WritePicture(direct));
  const SIZE size = window.PictureSize();
  const SIZE written = PngSize(direct);
  EXPECT_EQ(written.cx, size.cx);
  EXPECT_EQ(written.cy, size.cy);

  // The button, with the file dialog's choice in place of the operator's.
  g_chosenName = TempFile("orva-stats-button.png");
  DeleteFileA(g_chosenName.c_str());
  const SaveDialogFn before = SetSaveDialogFn(ChooseName);
  SendMessageW(window.Handle(), WM_COMMAND, MAKEWPARAM(kSavePictureButtonId, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(window.Handle(), kSavePictureButtonId)));
  SetSaveDialogFn(before);
  EXPECT_EQ(PngSize(g_chosenName).cx, size.cx);
  DeleteFileA(direct.c_str());
  DeleteFileA(g_chosenName.c_str());
}

} // namespace
} // namespace orva
