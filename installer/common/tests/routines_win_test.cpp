// The shared installer routines on real files, windows, links and
// processes (Wine), and the administrator manifests of the built tools.
#include "installer/common/common_texts.h"
#include "installer/common/win/pieces.h"
#include "installer/common/win/routines.h"
#include "installer/common/win/tool_window.h"
#include "tools/testsupport/test_files.h"
#include "winkit/control_helpers.h"
#include "winkit/message_box.h"
#include "winkit/text.h"

#include <gtest/gtest.h>

#include <objbase.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <array>
#include <atomic>
#include <thread>
#include <fstream>
#include <string>
#include <vector>

namespace orva::installer {
namespace {

using testsupport::RemoveTree;

struct Box {
  std::wstring text, title;
  UINT type;
};
std::vector<Box> g_boxes;
int RecordBox(HWND, const std::wstring& text, const std::wstring& title, UINT type) {
  g_boxes.push_back({text, title, type});
  return IDOK;
}

// A scratch folder below the current one, emptied for each test.
class ScratchFolder {
public:
  explicit ScratchFolder(const std::string& name) {
    char cwd[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, cwd);
    path_ = std::string(cwd) + "\\" + name + "\\";
    Remove();
    CreateDirectoryA(path_.c_str(), nullptr);
  }
  ~ScratchFolder() { Remove(); }
  const std::string& Path() const { return path_; }
  std::string operator/(const std::string& f) const { return path_ + f; }

private:
  void Remove() { RemoveTree(path_.substr(0, path_.size() - 1)); }
  std::string path_;
};

void WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}
std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}
void SetWriteTime(const std::string& path, int dayOffset) {
  HANDLE f = CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(f, INVALID_HANDLE_VALUE) << path;
  SYSTEMTIME st{2020, 6, 0, 15, 12, 0, 0, 0};
  FILETIME ft;
  SystemTimeToFileTime(&st, &ft);
  ULARGE_INTEGER t{{ft.dwLowDateTime, ft.dwHighDateTime}};
  t.QuadPart += static_cast<long long>(dayOffset) * 24 * 3600 * 10000000LL;
  ft = {t.LowPart, t.HighPart};
  SetFileTime(f, nullptr, nullptr, &ft);
  CloseHandle(f);
}
std::string Text(HWND w) { return winkit::Utf8Text(w); }

// A tool window with only the shared pieces, for the routines that write to them.
class PiecesWindow final : public ToolWindow {
public:
  bool Create() {
    using winkit::ControlKind;
    static constexpr std::array<winkit::ControlSpec, 6> layout = {{
        {kPicture1, ControlKind::Custom, 0, {0, 0, 6000, 1300}, 0},
        {kLblDisp, ControlKind::Custom, 0, {200, 1400, 5600, 800}, 0},
        {kFrameLanguage, ControlKind::Frame, 0, {200, 2300, 3600, 900}, 0},
        {kOptEnglish, ControlKind::Option, kFrameLanguage, {200, 300, 1400, 330}, BS_AUTORADIOBUTTON},
        {kOptJapanese, ControlKind::Option, kFrameLanguage, {1800, 300, 1600, 330}, BS_AUTORADIOBUTTON},
        {kLblSystemFile, ControlKind::Label, 0, {200, 3300, 3000, 250}, 0},
    }};
    static constexpr DesignCaption captions[] = {{kLblSystemFile, L"SystemFile"}};
    static constexpr ToolDesign design{L"OrvaPiecesTestWindow", 6000, 3600, layout, captions};
    return Build(design, L"TESTTOOL", nullptr);
  }
  std::function<void()> onNext;
  std::vector<int> languages;
  void Select(int index) { SelectLanguage(index); }

private:
  void OnLanguage(int index) override { languages.push_back(index); }
  void OnClick(int id) override {
    if (id == kCmdNext && onNext) RunStep(onNext);
  }
};

class InstallerRoutines : public ::testing::Test {
protected:
  void SetUp() override {
    g_boxes.clear();
    previous_ = winkit::SetMessageBoxFn(&RecordBox);
    ASSERT_TRUE(window_.Create());
    tool_ = &window_.State();
  }
  void TearDown() override { winkit::SetMessageBoxFn(previous_); }
  PiecesWindow window_;
  Tool* tool_ = nullptr;
  winkit::MessageBoxFn previous_ = nullptr;
};

TEST_F(InstallerRoutines, InstallSystemControlComparesLastWriteTimes) {
  const struct {
    const char* name;
    bool sourceThere, targetThere;
    int sourceDay, targetDay;
    bool replaced;
    const char* label;
  } cases[] = {
      {"no control in the system folder", true, false, 0, 0, true, "COMDLG32.ocx copy"},
      {"older control there", true, true, 5, 0, true, "COMDLG32.ocx copy"},
      {"equally old control there", true, true, 0, 0, false, "COMDLG32.ocx already exist"},
      {"newer control there", true, true, 0, 5, false, "COMDLG32.ocx already exist"},
      {"control not on the disk", false, true, 0, 0, false, ""},
      {"control nowhere", false, false, 0, 0, false, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ScratchFolder disk("ctl_disk"), system("ctl_system");
    tool_->folder = disk.Path();
    tool_->SystemFolder = system.Path().substr(0, system.Path().size() - 1); // as reported: no backslash
    if (c.sourceThere) {
      WriteFile(disk / "COMDLG32.ocx", "new");
      SetWriteTime(disk / "COMDLG32.ocx", c.sourceDay);
    }
    if (c.targetThere) {
      WriteFile(system / "COMDLG32.ocx", "old");
      SetWriteTime(system / "COMDLG32.ocx", c.targetDay);
    }
    SetWindowTextW(tool_->LblSystemFile, L"before");
    InstallSystemControl(*tool_, "COMDLG32.ocx", true);
    EXPECT_EQ(ReadFile(system / "COMDLG32.ocx"), c.replaced ? "new" : (c.targetThere ? "old" : ""));
    EXPECT_EQ(Text(tool_->LblSystemFile), c.label);
    EXPECT_TRUE(g_boxes.empty());
  }
}

TEST_F(InstallerRoutines, SetupShowsAStatusLineForEachControlItCopies) {
  ScratchFolder disk("ctl_disk"), system("ctl_system");
  tool_->folder = disk.Path();
  tool_->SystemFolder = system.Path();
  WriteFile(disk / "msflxgrd.ocx", "grid");
  ShowStatus(*tool_, "", "unchanged", 2, 0);
  InstallSystemControl(*tool_, "msflxgrd.ocx", false);
  EXPECT_EQ(Text(tool_->LblDisp), "unchanged") << "the installer copies without a status line";
  DeleteFileA((system / "msflxgrd.ocx").c_str());
  tool_->language = kLanguageJapanese;
  InstallSystemControl(*tool_, "msflxgrd.ocx", true);
  EXPECT_EQ(Text(tool_->LblDisp), "ファイルをコピーしています...msflxgrd.ocx");
}

TEST_F(InstallerRoutines, CopyToFolderSkipsWhatIsMissingAndOverwrites) {
  ScratchFolder disk("copy_disk"), target("copy_target");
  tool_->folder = disk.Path();
  WriteFile(disk / "ORVA.ini", "disk copy");
  WriteFile(target / "ORVA.ini", "edited by the operator");
  ShowStatus(*tool_, "", "start", 2, 0);

  CopyToFolder(*tool_, "JP.TXT", target.Path(), TextPairOf(CommonText::CopyFilesStatus));
  EXPECT_EQ(Text(tool_->LblDisp), "start") << "a missing file is skipped without a status";
  EXPECT_EQ(GetFileAttributesA((target / "JP.TXT").c_str()), INVALID_FILE_ATTRIBUTES);

  const std::string withoutBackslash = target.Path().substr(0, target.Path().size() - 1);
  CopyToFolder(*tool_, "ORVA.ini", withoutBackslash, TextPairOf(CommonText::CopyFilesStatus));
  EXPECT_EQ(ReadFile(target / "ORVA.ini"), "disk copy");
  EXPECT_EQ(Text(tool_->LblDisp), "Copy files...ORVA.ini");
  EXPECT_EQ(StatusLineAlignment(tool_->LblDisp), 2);
  EXPECT_EQ(StatusLineColour(tool_->LblDisp), 0u);

  CopyToFolder(*tool_, "ORVA.ini", target.Path(), TextPairOf(CommonText::CopyFileStatus));
  EXPECT_EQ(Text(tool_->LblDisp), "Copy file...ORVA.ini");
  CopyToFolder(*tool_, "", target.Path(), TextPairOf(CommonText::CopyFileStatus)); // a runtime row that names no file
  EXPECT_EQ(Text(tool_->LblDisp), "Copy file...ORVA.ini");
}

TEST_F(InstallerRoutines, DeleteFromFolderReportsEveryFile) {
  ScratchFolder folder("delete_here");
  WriteFile(folder / "ORVA.exe", "x");
  DeleteFromFolder(*tool_, "ORVA.exe", folder.Path());
  EXPECT_EQ(GetFileAttributesA((folder / "ORVA.exe").c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(Text(tool_->LblDisp), "Delete files...ORVA.exe");
  tool_->language = kLanguageJapanese;
  DeleteFromFolder(*tool_, "JP.TXT", folder.Path().substr(0, folder.Path().size() - 1));
  EXPECT_EQ(Text(tool_->LblDisp), "ファイルを削除しています...JP.TXT");
}

TEST_F(InstallerRoutines, StatusLineTakesFontColourAlignmentAndText) {
  const struct {
    Language language;
    int alignment;
    unsigned colour;
    const char* text;
    const wchar_t* face;
  } cases[] = {
      {kLanguageEnglish, 0, 255, "Push [Next]key\rsecond line", L"arial"},
      {kLanguageJapanese, 2, 0, "インストールを開始します", L"ＭＳＰゴシック"},
  };
  for (const auto& c : cases) {
    tool_->language = c.language;
    ShowStatus(*tool_, "インストールを開始します", "Push [Next]key\rsecond line", c.alignment, c.colour);
    EXPECT_EQ(Text(tool_->LblDisp), c.text);
    EXPECT_EQ(StatusLineAlignment(tool_->LblDisp), c.alignment);
    EXPECT_EQ(StatusLineColour(tool_->LblDisp), c.colour);
    LOGFONTW font{};
    ASSERT_TRUE(GetObjectW(reinterpret_cast<HFONT>(SendMessageW(tool_->LblDisp, WM_GETFONT, 0, 0)), sizeof font, &font));
    EXPECT_STREQ(font.lfFaceName, c.face);
    EXPECT_EQ(font.lfWeight, FW_NORMAL);
    HDC dc = GetDC(nullptr);
    EXPECT_EQ(font.lfHeight, -MulDiv(9, GetDeviceCaps(dc, LOGPIXELSY), 72));
    ReleaseDC(nullptr, dc);
  }
}

TEST_F(InstallerRoutines, BannerKeepsItsText) {
  DrawBanner(*tool_, L"ORVA Setup");
  EXPECT_EQ(BannerText(tool_->Picture1), L"ORVA Setup");
}

TEST_F(InstallerRoutines, LanguageOptionClickRunsTheHandlerWithItsIndex) {
  SendMessageW(window_.Control(kOptJapanese), BM_CLICK, 0, 0);
  SendMessageW(window_.Control(kOptEnglish), BM_CLICK, 0, 0);
  EXPECT_EQ(window_.languages, (std::vector<int>{1, 0}));
  EXPECT_EQ(tool_->language, kLanguageEnglish);
  window_.Select(1);
  EXPECT_EQ(tool_->language, kLanguageJapanese);
  EXPECT_EQ(SendMessageW(window_.Control(kOptJapanese), BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(SendMessageW(window_.Control(kOptEnglish), BM_GETCHECK, 0, 0), BST_UNCHECKED);
}

TEST_F(InstallerRoutines, CloseDuringAPauseEndsTheWaitAndThenTheWindow) {
  bool after = false;
  window_.onNext = [&] {
    PostMessageW(window_.Handle(), WM_CLOSE, 0, 0);
    PauseSeconds(*tool_, 600); // would outlast the test's time-out if the close were not seen
    after = true;
    EXPECT_TRUE(tool_->closed);
    EXPECT_TRUE(IsWindow(tool_->window)) << "not destroyed under the running step";
    EXPECT_FALSE(IsWindowVisible(tool_->window));
  };
  const HWND hwnd = window_.Handle();
  SendMessageW(hwnd, WM_COMMAND, MAKEWPARAM(kCmdNext, BN_CLICKED), 0);
  EXPECT_TRUE(after);
  EXPECT_FALSE(IsWindow(hwnd));
  MSG msg;
  EXPECT_TRUE(PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << "the tool's loop ends";
}

// The shell reports a program it cannot start in a box of its own before
// the tool's message: a person presses its OK, and so does this watcher.
class SystemBoxDismisser {
public:
  SystemBoxDismisser() : thread_([this] { Run(); }) {}
  ~SystemBoxDismisser() {
    stop_ = true;
    thread_.join();
  }
  int Dismissed() const { return dismissed_; }

private:
  static BOOL CALLBACK Visit(HWND w, LPARAM self) {
    DWORD pid = 0;
    GetWindowThreadProcessId(w, &pid);
    wchar_t cls[32] = {};
    GetClassNameW(w, cls, 32);
    if (pid == GetCurrentProcessId() && IsWindowVisible(w) && std::wstring(cls) == L"#32770") {
      PostMessageW(w, WM_COMMAND, IDOK, 0);
      ++reinterpret_cast<SystemBoxDismisser*>(self)->dismissed_;
    }
    return TRUE;
  }
  void Run() {
    while (!stop_) {
      EnumWindows(&Visit, reinterpret_cast<LPARAM>(this));
      Sleep(50);
    }
  }
  std::atomic<bool> stop_{false};
  std::atomic<int> dismissed_{0};
  std::thread thread_;
};

TEST_F(InstallerRoutines, StartFailuresAreReportedInEnglishOnly) {
  SystemBoxDismisser dismisser;
  ScratchFolder folder("no_tools");
  tool_->folder = folder.Path();
  tool_->language = kLanguageJapanese;
  tool_->WindowsFolder = "C:\\windows";
  EXPECT_FALSE(LaunchProgram(*tool_, folder / "INSTALL.EXE", kCannotStartInstaller));
  EXPECT_FALSE(RunToolAndWait(*tool_, "wdreg_gui.exe", "windrvr6.inf", DriverAction::Install));
  ASSERT_EQ(g_boxes.size(), 2u);
  EXPECT_EQ(g_boxes[0].text, L"Can not start installer.");
  EXPECT_EQ(g_boxes[1].text, L"Can not start driver.");
  for (const Box& b : g_boxes) {
    EXPECT_EQ(b.title, L"TESTTOOL");
    EXPECT_EQ(b.type, static_cast<UINT>(MB_OK)) << "OK only, no icon";
  }
  g_boxes.clear();
  EXPECT_FALSE(RunToolAndWait(*tool_, "wdreg.exe", "windrvr6.inf", DriverAction::Uninstall));
  EXPECT_TRUE(g_boxes.empty()) << "the uninstaller skips a missing tool silently";
}

TEST_F(InstallerRoutines, MeasurementProgramSeenByItsMutex) {
  EXPECT_FALSE(MeasurementProgramRunning());
  HANDLE mutex = CreateMutexA(nullptr, FALSE, "ORVA");
  EXPECT_TRUE(MeasurementProgramRunning());
  CloseHandle(mutex);
  EXPECT_FALSE(MeasurementProgramRunning());
}

TEST(InstallerShellLinks, CreatedLinkReadsBack) {
  ScratchFolder folder("links");
  Tool tool;
  const std::string link = folder / "ORVA.exe.lnk";
  CreateShortcut(tool, link, "C:\\Program Files\\ORVA\\EXE\\ORVA.exe", "C:\\Program Files\\ORVA\\EXE\\");
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  IShellLinkA* shell = nullptr;
  ASSERT_HRESULT_SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                            reinterpret_cast<void**>(&shell)));
  IPersistFile* file = nullptr;
  ASSERT_HRESULT_SUCCEEDED(shell->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)));
  ASSERT_HRESULT_SUCCEEDED(file->Load(winkit::WideFromAnsi(link).c_str(), STGM_READ));
  char path[MAX_PATH] = {}, dir[MAX_PATH] = {};
  shell->GetPath(path, MAX_PATH, nullptr, SLGP_RAWPATH);
  shell->GetWorkingDirectory(dir, MAX_PATH);
  EXPECT_STREQ(path, "C:\\Program Files\\ORVA\\EXE\\ORVA.exe");
  EXPECT_STREQ(dir, "C:\\Program Files\\ORVA\\EXE\\");
  file->Release();
  shell->Release();
  CoUninitialize();
}

TEST(InstallerShellLinks, SpecialFoldersExist) {
  for (SpecialFolder f : {SpecialFolder::Desktop, SpecialFolder::Programs}) {
    const std::string path = SpecialFolderPath(f);
    EXPECT_FALSE(path.empty());
    EXPECT_NE(path.back(), '\\');
  }
}

// The manifest resource (type 24, id 1) of a built program, "" when none.
std::string ManifestOf(const std::string& path) {
  HMODULE module = LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  if (!module) return "<not loaded>";
  std::string text;
  if (HRSRC res = FindResourceA(module, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24))) {
    HGLOBAL data = LoadResource(module, res);
    text.assign(static_cast<const char*>(LockResource(data)), SizeofResource(module, res));
  }
  FreeLibrary(module);
  return text;
}

TEST(InstallerManifests, SetupAndInstallAskForAdministratorRightsTheStationDoesNot) {
  const struct {
    const char* program;
    bool admin;
  } cases[] = {
      {"..\\installer\\SETUP.EXE", true},
      {"..\\installer\\INSTALL.EXE", true},
      {"ORVA.exe", false}, // keeps writing beside itself through the file virtualisation
  };
  for (const auto& c : cases) {
    const std::string manifest = ManifestOf(c.program);
    ASSERT_NE(manifest, "<not loaded>") << c.program;
    EXPECT_EQ(manifest.find("level=\"requireAdministrator\"") != std::string::npos, c.admin) << c.program;
    if (c.admin) {
      EXPECT_NE(manifest.find("uiAccess=\"false\""), std::string::npos) << c.program;
    }
  }
}

} // namespace
} // namespace orva::installer
