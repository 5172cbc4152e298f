// The save command on the real main window: readings arrive through the
// subclass, then the results file is written to a name the test chooses in
// place of the save dialog.
#include "station/tests/win/station_fixture.h"

#include "station/output/win/save_dialog.h"

#include <commdlg.h>
#include <dlgs.h>
#include <fstream>
#include <thread>

namespace orva::test {
namespace {

using C = MainControl;

struct Chooser {
  std::optional<std::string> choice; // nothing: Cancel
  SaveDialogRequest request;
  HWND owner = nullptr;
  int shown = 0;
};
Chooser& Dialog() {
  static Chooser chooser;
  return chooser;
}
std::optional<std::string> Choose(HWND owner, const SaveDialogRequest& request) {
  Dialog().request = request;
  Dialog().owner = owner;
  ++Dialog().shown;
  return Dialog().choice;
}

int g_answer = IDNO;
int AnswerBox(HWND, const std::wstring& text, const std::wstring& title, UINT type) {
  RecordedBoxes().push_back({text, title, type});
  return g_answer;
}

std::wstring WideFromPath(const std::string& ascii) { return std::wstring(ascii.begin(), ascii.end()); }

constexpr char kHeader8060[] = "Belt line 4\r\n\r\n\r\nHigh Limit 20N   Low  Limit 10N\r\n\r\n\r\nNo.,N,Hz\r\n";

class ResultsSaveTest : public StationTest {
protected:
  void SetUp() override {
    StationTest::SetUp();
    Dialog() = Chooser{};
    previousDialog_ = SetSaveDialogFn(Choose);
    previousAnswer_ = winkit::SetMessageBoxFn(AnswerBox);
    SetText(C::txtPrintTitle, L"Belt line 4");
  }
  void TearDown() override {
    SetSaveDialogFn(previousDialog_);
    winkit::SetMessageBoxFn(previousAnswer_);
    StationTest::TearDown();
  }
  // Saves through the Save button to the given name in the test folder.
  void SaveAs(const char* name) {
    Dialog().choice = PathOf(name);
    Click(C::cmdSave);
  }
  bool Exists(const char* name) const {
    return GetFileAttributesA(PathOf(name).c_str()) != INVALID_FILE_ATTRIBUTES;
  }
  void Put(const char* name, const std::string& bytes) const {
    std::ofstream(PathOf(name), std::ios::binary) << bytes;
  }

  SaveDialogFn previousDialog_ = nullptr;
  winkit::MessageBoxFn previousAnswer_ = nullptr;
};

TEST_F(ResultsSaveTest, HeaderAndRunLogLinesWithTheirLeadingBlank) {
  RestartWithIni(kNewtonsKeepAll);
  SetText(C::txtPrintTitle, L"Belt line 4");
  StartRun(L"20", L"10");
  Reading("15.00", "85.00");
  Reading("25.00", "91.20");
  Reading("ab.cd", "85.00");
  SaveAs("run.csv");

  EXPECT_EQ(ReadFileBytes("run.csv"), std::string(kHeader8060) +
                                          " 1,15.00,85.00,GOOD\r\n"
                                          " 2,25.00,91.20,HIGH\r\n"
                                          " 3,ab.cd,85.00,\r\n");
  EXPECT_TRUE(RecordedBoxes().empty());
  ASSERT_EQ(Dialog().shown, 1);
  EXPECT_EQ(Dialog().owner, Main());
  EXPECT_EQ(Dialog().request.fileName, "temp.csv");
  EXPECT_EQ(Dialog().request.filterIndex, 3);
  EXPECT_EQ(Dialog().request.flags & OFN_CREATEPROMPT, static_cast<std::uint32_t>(OFN_CREATEPROMPT));
  EXPECT_EQ(Dialog().request.flags & OFN_OVERWRITEPROMPT, 0u); // the program asks itself
  EXPECT_EQ(Dialog().request.filter, std::string(" (*.*)\0*.*\0 (*.txt)\0*.txt\0 (*.csv)\0*.csv\0\0", 42));
}

TEST_F(ResultsSaveTest, HeaderFollowsTheBoxesAndTheUnit) {
  StartRun(L"90", L"80");
  Click(C::cmdEnd);
  Click(C::OptLimitMode1);
  SetText(C::txtLimitHigh, L"95.5");
  SetText(C::txtLimitLow, L"x");
  SetText(C::txtPrintTitle, L"");
  SaveAs("hz.txt");
  EXPECT_EQ(ReadFileBytes("hz.txt"), "\r\n\r\n\r\nHigh Limit 95.5Hz   Low  Limit xHz\r\n\r\n\r\nNo.,N,Hz\r\n");
}

TEST_F(ResultsSaveTest, OnlyGoodReadingsKeepTheirNumbersWithGaps) {
  RestartWithIni("[Limit]\r\nLimitMode=N\r\n[SaveType]\r\nNeglectHighLow=true\r\n");
  SetText(C::txtPrintTitle, L"Belt line 4");
  StartRun(L"20", L"10");
  Reading("15.00", "85.00");
  Reading("25.00", "85.00");
  Reading("05.00", "85.00");
  Reading("12.00", "80.00");
  // File > Save runs the same routine as the button.
  Dialog().choice = PathOf("good.csv");
  SendMessageW(Main(), WM_COMMAND, MenuCommandId(MainMenu::fsave), 0);
  EXPECT_EQ(ReadFileBytes("good.csv"),
            std::string(kHeader8060) + " 1,15.00,85.00,GOOD\r\n 4,12.00,80.00,GOOD\r\n");
}

TEST_F(ResultsSaveTest, EmptyOrMissingRunLogGivesTheHeaderAlone) {
  RestartWithIni(kNewtonsKeepAll);
  SetText(C::txtPrintTitle, L"Belt line 4");
  StartRun(L"20", L"10"); // START empties the run log
  SaveAs("empty.csv");
  EXPECT_EQ(ReadFileBytes("empty.csv"), kHeader8060);

  ASSERT_TRUE(DeleteFileA(PathOf("temp.txt").c_str()));
  SaveAs("missing.csv");
  EXPECT_EQ(ReadFileBytes("missing.csv"), kHeader8060);
  EXPECT_TRUE(RecordedBoxes().empty());
}

TEST_F(ResultsSaveTest, ExistingFileIsReplacedOnlyAfterYes) {
  RestartWithIni(kNewtonsKeepAll);
  SetText(C::txtPrintTitle, L"Belt line 4");
  StartRun(L"20", L"10");
  Reading("15.00", "85.00");
  const std::string old = "older results\r\nkept\r\n";
  Put("old.csv", old);

  g_answer = IDNO;
  SaveAs("old.csv");
  EXPECT_EQ(ReadFileBytes("old.csv"), old);
  ASSERT_EQ(RecordedBoxes().size(), 1u);
  const RecordedBox& box = RecordedBoxes()[0];
  EXPECT_EQ(box.text, WideFromPath(PathOf("old.csv")) + L" has already existed.\roverwrite it ?");
  EXPECT_EQ(box.title, L"Save File");
  EXPECT_EQ(box.type, static_cast<UINT>(MB_YESNO | MB_DEFBUTTON1)); // no icon, Yes first

  g_answer = IDYES;
  SaveAs("old.csv");
  EXPECT_EQ(ReadFileBytes("old.csv"), std::string(kHeader8060) + " 1,15.00,85.00,GOOD\r\n");
  EXPECT_EQ(RecordedBoxes().size(), 2u);

  lib_.CurLanguage = "japanese";
  g_answer = IDNO;
  SaveAs("old.csv");
  ASSERT_EQ(RecordedBoxes().size(), 3u);
  EXPECT_EQ(RecordedBoxes()[2].title, L"ファイルの保存");
  EXPECT_EQ(RecordedBoxes()[2].text,
            WideFromPath(PathOf("old.csv")) + L" は既に存在します。\r上書きしますか。");
}

TEST_F(ResultsSaveTest, CancelWritesNothingAndNoExtensionIsAdded) {
  RestartWithIni(kNewtonsKeepAll);
  StartRun(L"20", L"10");
  Reading("15.00", "85.00");
  Dialog().choice.reset();
  Click(C::cmdSave);
  EXPECT_EQ(Dialog().shown, 1);
  EXPECT_EQ(Dialog().request.fileName, "temp.csv");
  EXPECT_FALSE(Exists("temp.csv"));
  EXPECT_TRUE(RecordedBoxes().empty());

  SaveAs("results");
  EXPECT_TRUE(Exists("results"));
  EXPECT_FALSE(Exists("results.csv"));
  EXPECT_NE(ReadFileBytes("results").find(" 1,15.00,85.00,GOOD\r\n"), std::string::npos);
}

TEST_F(ResultsSaveTest, SavingOntoTheRunLogLosesNoReading) {
  RestartWithIni(kNewtonsKeepAll);
  SetText(C::txtPrintTitle, L"Belt line 4");
  StartRun(L"20", L"10");
  Reading("15.00", "85.00");
  Reading("16.00", "86.00");
  g_answer = IDYES;
  SaveAs("temp.txt");
  EXPECT_EQ(ReadFileBytes("temp.txt"),
            std::string(kHeader8060) + " 1,15.00,85.00,GOOD\r\n 2,16.00,86.00,GOOD\r\n");
}

// A run log held by another program: the save brings it up to date when it
// can; when it cannot, the results file lacks readings and the operator is told.
TEST_F(ResultsSaveTest, RunLogInUseIsToldAndTheNextSaveIsComplete) {
  const std::wstring lacks =
      L"This results file lacks readings: the run log (temp.txt) cannot be read or written just now. "
      L"Save again once it is free.";
  const struct {
    const char* story;
    DWORD share; // what the other program lets others do
    std::string whileHeld;
  } cases[] = {
      {"no sharing: not even readable", 0, kHeader8060},
      {"shared for reading only", FILE_SHARE_READ, std::string(kHeader8060) + " 1,15.00,85.00,GOOD\r\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.story);
    DeleteFileA(PathOf("held.csv").c_str());
    DeleteFileA(PathOf("free.csv").c_str());
    RestartWithIni(kNewtonsKeepAll);
    SetText(C::txtPrintTitle, L"Belt line 4");
    StartRun(L"20", L"10");
    Reading("15.00", "85.00");
    HANDLE lock = CreateFileA(PathOf("temp.txt").c_str(), GENERIC_READ, c.share, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    Reading("16.00", "86.00");
    Pump(); // the run's own notice
    RecordedBoxes().clear();
    g_answer = IDYES;
    SaveAs("held.csv");
    EXPECT_EQ(ReadFileBytes("held.csv"), c.whileHeld);
    ASSERT_EQ(RecordedBoxes().size(), 1u);
    EXPECT_EQ(RecordedBoxes()[0].text, lacks);

    CloseHandle(lock);
    RecordedBoxes().clear();
    SaveAs("free.csv");
    EXPECT_EQ(ReadFileBytes("free.csv"),
              std::string(kHeader8060) + " 1,15.00,85.00,GOOD\r\n 2,16.00,86.00,GOOD\r\n");
    EXPECT_TRUE(RecordedBoxes().empty());
    EXPECT_EQ(RunLogLines().size(), 2u);
  }
}

TEST_F(ResultsSaveTest, AFileInUseOrAMissingFolderEndsSilently) {
  Put("busy.csv", "in use\r\n");
  HANDLE busy = CreateFileA(PathOf("busy.csv").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(busy, INVALID_HANDLE_VALUE);
  g_answer = IDYES;
  SaveAs("busy.csv");
  CloseHandle(busy);
  EXPECT_EQ(ReadFileBytes("busy.csv"), "in use\r\n");
  EXPECT_EQ(RecordedBoxes().size(), 1u); // the overwrite question only
  SaveAs("no-such-folder\\x.csv");
  EXPECT_EQ(RecordedBoxes().size(), 1u);
  EXPECT_FALSE(Exists("no-such-folder"));
}

// The real dialog, driven from a second thread as an operator would: it
// offers "temp.csv" with the csv entry chosen, Cancel gives nothing, and a
// name without extension comes back as typed.
struct DialogSeen {
  std::string name;
  int filterSelection = -1;
  int filterCount = -1;
  std::string csvEntry;
};

HWND FindSaveDialog(HWND owner) {
  for (int i = 0; i < 500; ++i) {
    HWND dialog = nullptr;
    while ((dialog = FindWindowExW(nullptr, dialog, L"#32770", nullptr)) != nullptr)
      if (GetWindow(dialog, GW_OWNER) == owner && IsWindowVisible(dialog)) return dialog;
    Sleep(20);
  }
  return nullptr;
}

std::thread DriveDialog(HWND owner, DialogSeen& seen, std::string typed) {
  return std::thread([owner, &seen, typed] {
    HWND dialog = FindSaveDialog(owner);
    if (!dialog) return;
    char text[MAX_PATH] = {};
    GetDlgItemTextA(dialog, cmb13, text, MAX_PATH);
    if (!text[0]) GetDlgItemTextA(dialog, edt1, text, MAX_PATH);
    seen.name = text;
    HWND types = GetDlgItem(dialog, cmb1);
    seen.filterSelection = static_cast<int>(SendMessageA(types, CB_GETCURSEL, 0, 0));
    seen.filterCount = static_cast<int>(SendMessageA(types, CB_GETCOUNT, 0, 0));
    char entry[64] = {};
    if (seen.filterSelection >= 0 &&
        SendMessageA(types, CB_GETLBTEXTLEN, seen.filterSelection, 0) < static_cast<LRESULT>(sizeof entry))
      SendMessageA(types, CB_GETLBTEXT, seen.filterSelection, reinterpret_cast<LPARAM>(entry));
    seen.csvEntry = entry;
    if (typed.empty()) {
      PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
      return;
    }
    SetDlgItemTextA(dialog, cmb13, typed.c_str());
    SetDlgItemTextA(dialog, edt1, typed.c_str());
    PostMessageA(dialog, WM_COMMAND, IDOK, 0);
  });
}

TEST_F(ResultsSaveTest, RealDialogOffersTheCsvEntryAndAddsNoExtension) {
  SetSaveDialogFn(nullptr);
  const SaveDialogRequest request{std::string(" (*.*)\0*.*\0 (*.txt)\0*.txt\0 (*.csv)\0*.csv\0\0", 42),
                                  "temp.csv", 3, OFN_CREATEPROMPT | OFN_NOCHANGEDIR, {}};
  DialogSeen seen;
  std::thread driver = DriveDialog(Main(), seen, "");
  EXPECT_FALSE(ShowSaveDialog(Main(), request).has_value());
  driver.join();
  EXPECT_EQ(seen.name, "temp.csv");
  EXPECT_EQ(seen.filterCount, 3);
  EXPECT_EQ(seen.filterSelection, 2);
  EXPECT_EQ(seen.csvEntry, " (*.csv)");

  Put("existing", "x");
  char before[MAX_PATH] = {}, after[MAX_PATH] = {};
  GetCurrentDirectoryA(MAX_PATH, before);
  DialogSeen typed;
  driver = DriveDialog(Main(), typed, PathOf("existing"));
  const auto chosen = ShowSaveDialog(Main(), request);
  driver.join();
  ASSERT_TRUE(chosen.has_value());
  EXPECT_EQ(*chosen, PathOf("existing"));
  // The relative start command of the handler program depends on it.
  GetCurrentDirectoryA(MAX_PATH, after);
  EXPECT_STREQ(after, before);
}

} // namespace
} // namespace orva::test
