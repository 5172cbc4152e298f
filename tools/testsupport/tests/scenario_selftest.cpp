// The scenario harness itself, run in one scenario per Windows kind: the
// prefix reports the version asked for, the install disk is on E:, the
// stand-in tools log where the helpers read, and Japanese face names of the
// installer tools find a font with Japanese glyphs.
#include "tools/testsupport/desktop.h"
#include "tools/testsupport/scenario.h"
#include "winkit/selected_object.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace orva::testsupport {
namespace {

struct Reported {
  DWORD platform, major, minor;
};

Reported ReportedVersion() {
  OSVERSIONINFOA info{};
  info.dwOSVersionInfoSize = sizeof info; // 148, as the installer tools ask
  if (!GetVersionExA(&info)) return {0, 0, 0};
  return {info.dwPlatformId, info.dwMajorVersion, info.dwMinorVersion};
}

TEST(ScenarioPrefix, ReportsTheWindowsVersionAskedFor) {
  ASSERT_TRUE(InScenario());
  const std::string v = ScenarioWindowsVersion();
  const Reported r = ReportedVersion();
  if (v == "win98") {
    EXPECT_EQ(r.platform, static_cast<DWORD>(VER_PLATFORM_WIN32_WINDOWS));
    EXPECT_EQ(r.major, 4u);
    EXPECT_EQ(r.minor, 10u);
  } else if (v == "winxp") {
    EXPECT_EQ(r.platform, static_cast<DWORD>(VER_PLATFORM_WIN32_NT));
    EXPECT_EQ(r.major, 5u);
    EXPECT_EQ(r.minor, 1u);
  } else if (v == "nt40") {
    EXPECT_EQ(r.platform, static_cast<DWORD>(VER_PLATFORM_WIN32_NT));
    EXPECT_EQ(r.major, 4u);
  } else if (v == "win10") {
    EXPECT_EQ(r.platform, static_cast<DWORD>(VER_PLATFORM_WIN32_NT));
    EXPECT_GE(r.major, 6u);
  } else {
    ADD_FAILURE() << "no expectation for " << v;
  }
}

TEST(ScenarioPrefix, TheInstallDiskIsOnItsOwnDrive) {
  EXPECT_EQ(InstallDisk(), "E:\\");
  // A CD-ROM drive, as for a burnt disk.
  EXPECT_EQ(GetDriveTypeA("E:\\"), static_cast<UINT>(DRIVE_CDROM));
  for (const char* name : {"ORVA.exe", "meterlink.dll", "ORVA.ini", "ORVA.inf", "Disk.txt", "wdreg_gui.exe"})
    EXPECT_NE(GetFileAttributesA((InstallDisk() + name).c_str()), INVALID_FILE_ATTRIBUTES) << name;
  // The system folders the installer tools read exist and are writable.
  char system[MAX_PATH] = {};
  ASSERT_GT(GetSystemDirectoryA(system, MAX_PATH), 0u);
  const std::string probe = std::string(system) + "\\scenario-probe.txt";
  WriteWholeFile(probe, "x");
  EXPECT_EQ(ReadWholeFile(probe), "x");
  DeleteFileA(probe.c_str());
}

TEST(ScenarioPrefix, StandinsFromTheDiskLogForTheHelpers) {
  ClearStandinLog();
  const std::string tool = InstallDisk() + "wdreg16.exe";
  StartedProgram run = StartedProgram::Open(tool, "-inf E:\\ORVA.inf -silent install");
  ASSERT_TRUE(run);
  DWORD code = 99;
  ASSERT_TRUE(run.WaitForEnd(30000, &code));
  EXPECT_EQ(code, 0u);
  const auto calls = StandinCalls();
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(_stricmp(calls[0].tool.c_str(), tool.c_str()), 0) << calls[0].tool;
  EXPECT_EQ(calls[0].arguments, "-inf E:\\ORVA.inf -silent install");
}

TEST(ScenarioPrefix, AHeldStandinWaitsForItsRelease) {
  ClearStandinLog();
  StandinHold hold("wdreg_gui.exe");
  StartedProgram run = StartedProgram::Open(InstallDisk() + "wdreg_gui.exe", "-inf E:\\ORVA.inf -silent install");
  ASSERT_TRUE(run);
  ASSERT_NE(WaitForProcessNamed(L"wdreg_gui.exe", 30000), 0u);
  for (int i = 0; i < 200 && StandinCalls().empty(); ++i) Sleep(50);
  ASSERT_EQ(StandinCalls().size(), 1u);
  EXPECT_FALSE(run.WaitForEnd(1000));
  hold.Release();
  EXPECT_TRUE(run.WaitForEnd(30000));
  SetStandinControl("");
}

TEST(ScenarioPrefix, JapaneseFaceNamesOfTheToolsShowJapanese) {
  HDC dc = GetDC(nullptr);
  for (const wchar_t* face : {L"ＭＳＰゴシック", L"ＭＳ Ｐゴシック"}) {
    LOGFONTW lf{};
    lf.lfHeight = -12;
    lf.lfCharSet = DEFAULT_CHARSET;
    wcscpy_s(lf.lfFaceName, face);
    const winkit::SelectedObject font(dc, CreateFontIndirectW(&lf));
    WORD glyphs[3] = {};
    EXPECT_EQ(GetGlyphIndicesW(dc, L"次へ完", 3, glyphs, GGI_MARK_NONEXISTING_GLYPHS), 3u);
    for (WORD g : glyphs) EXPECT_NE(g, 0xFFFF) << "no Japanese glyph in the font for this face";
  }
  ReleaseDC(nullptr, dc);
}

// Run by the SHOTS scenario (on a display) and by the others (headless).
TEST(ScenarioPrefix, ScreenshotsOnlyOnADisplay) {
  char self[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, self, MAX_PATH);
  std::string fixture = self;
  fixture = fixture.substr(0, fixture.find_last_of('\\') + 1) + "desktop_fixture.exe";
  StartedProgram program = StartedProgram::Open(fixture);
  ASSERT_TRUE(program);
  HWND window = WaitForTopLevelWindow(L"Desktop driver fixture", 20000, program.ProcessId());
  ASSERT_NE(window, nullptr);
  char folder[MAX_PATH] = {};
  const bool onDisplay = GetEnvironmentVariableA("ORVA_SHOT_DIR", folder, MAX_PATH) > 0;
  EXPECT_EQ(SaveScreenshot("selftest-fixture", window), onDisplay);
  if (onDisplay) {
    const std::string picture = ReadWholeFile(std::string(folder) + "\\selftest-fixture.bmp");
    ASSERT_GT(picture.size(), 54u);
    EXPECT_EQ(picture.substr(0, 2), "BM");
  }
  PressButton(window, L"Quit");
  EXPECT_TRUE(program.WaitForEnd(20000));
}

} // namespace
} // namespace orva::testsupport
