// Start-up from the settings file, the single-instance guard, the missing
// library, ShutdownLink and the exit paths.
#include "station/tests/win/station_fixture.h"

namespace orva::test {
namespace {

using C = MainControl;

TEST_F(StationTest, NoSettingsFileGivesEmptyBoxesHertzAndNoDiagnose) {
  EXPECT_EQ(Text(C::txtLimitHigh), L"");
  EXPECT_EQ(Text(C::txtLimitLow), L"");
  EXPECT_EQ(Text(C::txtPrintTitle), L"");
  EXPECT_EQ(Run().LimitUnitMode, 1);
  EXPECT_EQ(Text(C::lblHigh), L"Hz");
  EXPECT_TRUE(GetMenuState(window_->Menu(), MenuCommandId(MainMenu::USBdiagnose), MF_BYCOMMAND) & MF_GRAYED);
  EXPECT_EQ(lib_.TempPath, folder_ + "\\temp.txt");
  EXPECT_EQ(lib_.IniPath, folder_ + "\\ORVA.ini");
  EXPECT_EQ(lib_.PrintPath, folder_ + "\\print.txt");
  EXPECT_EQ(lib_.HelpPath, folder_ + "\\ORVAhelpE.chm");
  EXPECT_EQ(Run().DriverRunning, kFalse);
  EXPECT_EQ(Run().ErrorPending, kFalse);
  EXPECT_FALSE(GetFileAttributesA(PathOf("ORVA.ini").c_str()) != INVALID_FILE_ATTRIBUTES);
}

TEST_F(StationTest, SettingsFileFillsTheWindowAndLanguageStaysEnglish) {
  RestartWithIni(
      "[Language]\r\nLanguageType=japanese\r\n[Limit]\r\nHigh=13.5\r\nLow=12   \r\nLimitMode=N\r\n"
      "[Print]\r\nTitle=Line 3  \r\n[SaveType]\r\nNeglectHighLow=false\r\n[Diagnose]\r\nMode=enable\r\n");
  EXPECT_EQ(lib_.CurLanguage, "english");
  EXPECT_EQ(Text(C::cmdStart), L"START");
  EXPECT_EQ(Text(C::txtLimitHigh), L"13.5");
  EXPECT_EQ(Text(C::txtLimitLow), L"12");
  EXPECT_EQ(Text(C::txtPrintTitle), L"Line 3");
  EXPECT_EQ(Run().LimitUnitMode, 0);
  EXPECT_EQ(Text(C::lblLow), L"N");
  EXPECT_EQ(lib_.CurSaveType, "false");
  EXPECT_EQ(lib_.CurDiagMode, "enable");
  EXPECT_FALSE(GetMenuState(window_->Menu(), MenuCommandId(MainMenu::USBdiagnose), MF_BYCOMMAND) & MF_GRAYED);
  EXPECT_FALSE(Visible(C::lblDiag));

  for (const char* mode : {"n", "Hz", ""}) {
    RestartWithIni(std::string("[Limit]\r\nLimitMode=") + mode + "\r\n");
    EXPECT_EQ(Run().LimitUnitMode, 1) << mode;
  }
}

TEST_F(StationTest, SecondCopyEndsSilentlyWithoutTouchingAnything) {
  OrvaLib secondLib;
  FakeLink secondLink;
  MainWindow second(secondLib, StationConfig{&secondLink, folder_, false, "ORVA"});
  ASSERT_TRUE(second.Create());
  EXPECT_EQ(second.Load(), MainWindow::LoadResult::SecondInstance);
  EXPECT_EQ(second.Handle(), nullptr);
  EXPECT_TRUE(secondLink.calls.empty());
  EXPECT_TRUE(RecordedBoxes().empty());
  EXPECT_EQ(GetFileAttributesA(PathOf("ORVA.ini").c_str()), INVALID_FILE_ATTRIBUTES);
  // The first copy keeps its link.
  EXPECT_EQ(link_.calls, std::vector<std::string>{"USBStart"});
  EXPECT_NE(Main(), nullptr);
}

TEST_F(StationTest, MissingLibrarySaysSoAndEndsThroughTheUnload) {
  EndWindow();
  link_.present = false;
  EXPECT_EQ(Start(), MainWindow::LoadResult::Unloaded);
  ASSERT_EQ(RecordedBoxes().size(), 1u);
  EXPECT_EQ(RecordedBoxes()[0].text, L"DLL(meterlink.dll) is not found.");
  EXPECT_EQ(RecordedBoxes()[0].title, L"ORVA");
  EXPECT_EQ(RecordedBoxes()[0].type, static_cast<UINT>(MB_OK));
  EXPECT_EQ(Main(), nullptr);
  EXPECT_TRUE(link_.calls.empty()); // neither USBStart nor USBStop
  // The unload still wrote the settings of the window as loaded.
  EXPECT_NE(GetFileAttributesA(PathOf("ORVA.ini").c_str()), INVALID_FILE_ATTRIBUTES);
  // And released the name for the next copy.
  link_.present = true;
  EXPECT_EQ(Start(), MainWindow::LoadResult::Loaded);
}

// The order is the session's (station_session_test); here the window's
// steps: the real pause and the settings taken from the controls.
TEST_F(StationTest, ShutdownLinkPausesAfterDeviceStopAndWritesTheControls) {
  StartRun(L"20", L"10");
  SetText(C::txtPrintTitle, L"Line 7");
  link_.calls.clear();
  link_.callTimes.clear();
  window_->ShutdownLink();
  EXPECT_EQ(link_.calls, (std::vector<std::string>{"DeviceStop", "USBStop"}));
  EXPECT_GE(link_.callTimes[1] - link_.callTimes[0], 0.49); // the half-second pause comes first
  EXPECT_EQ(Text(C::lblMeasure), L"");
  EXPECT_TRUE(Enabled(C::cmdStart));
  const std::string ini = ReadFileBytes("ORVA.ini");
  EXPECT_NE(ini.find("LimitMode=Hz"), std::string::npos);
  EXPECT_NE(ini.find("High=20"), std::string::npos);
  EXPECT_NE(ini.find("Low=10"), std::string::npos);
  EXPECT_NE(ini.find("Title=Line 7"), std::string::npos);
}

TEST_F(StationTest, ExitPathsShutDownAndReleaseTheName) {
  const struct {
    const char* name;
    void (*exit)(MainWindow&);
    size_t usbStops;
  } paths[] = {
      {"CmdExit", [](MainWindow& w) { SendMessageW(w.Control(C::CmdExit), BM_CLICK, 0, 0); }, 2},
      {"menu exit", [](MainWindow& w) { SendMessageW(w.Handle(), WM_COMMAND, MenuCommandId(MainMenu::exit), 0); }, 2},
      {"frame close", [](MainWindow& w) { SendMessageW(w.Handle(), WM_CLOSE, 0, 0); }, 1},
  };
  for (const auto& path : paths) {
    SCOPED_TRACE(path.name);
    RestartWithIni("");
    link_.calls.clear();
    path.exit(*window_);
    EXPECT_EQ(Main(), nullptr);
    EXPECT_EQ(link_.Count("DeviceStop"), 0u);
    EXPECT_EQ(link_.Count("USBStop"), path.usbStops);
    HANDLE name = CreateMutexA(nullptr, FALSE, "ORVA");
    EXPECT_EQ(GetLastError(), 0u);
    CloseHandle(name);
  }
}

} // namespace
} // namespace orva::test
