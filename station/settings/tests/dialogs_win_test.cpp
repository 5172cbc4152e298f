// The settings dialog, the about box and help on the real main window:
// the modal dialogs are driven from a second thread (find, read, click),
// the settings file and the menu are checked afterwards.
#include "station/tests/win/station_fixture.h"
#include "station/settings/win/about_box.h"
#include "winkit/text.h"
#include "winkit/help_open.h"
#include "station/settings/win/settings_dialog.h"
#include "winkit/process_window.h"

#include <functional>
#include <thread>

namespace orva::test {
namespace {

// A visible dialog of this process with the given title.
HWND FindDialog(const wchar_t* title) {
  return winkit::FindTopLevelWindowOfProcess(GetCurrentProcessId(), [title](HWND hwnd) {
    wchar_t cls[32] = {}, text[128] = {};
    GetClassNameW(hwnd, cls, 32);
    GetWindowTextW(hwnd, text, 128);
    return IsWindowVisible(hwnd) && std::wstring(cls) == kSettingDialogClass && std::wstring(text) == title;
  });
}

// Runs `open` (which shows a modal dialog) on this thread while `drive` works
// the dialog titled `title` from a helper thread. False when it never showed.
bool WithDialog(const wchar_t* title, const std::function<void()>& open,
                const std::function<void(HWND)>& drive) {
  bool seen = false;
  std::thread helper([&] {
    for (int i = 0; i < 500 && !seen; ++i) {
      if (const HWND dialog = FindDialog(title)) {
        seen = true;
        drive(dialog);
        // Leave no dialog behind whatever the drive did.
        if (IsWindow(dialog)) PostMessageW(dialog, WM_CLOSE, 0, 0);
      } else {
        Sleep(20);
      }
    }
  });
  open();
  helper.join();
  return seen;
}

class DialogsTest : public StationTest {
protected:
  struct Shown {
    std::wstring caption, label1, label2, set, exit, save0, save1, diag0, diag1;
    bool save0On = false, save1On = false, diag0On = false, diag1On = false;
    bool languageVisible = true, language0Enabled = true, language0On = true;
  };

  static HWND Item(HWND dlg, SettingCtl c) { return GetDlgItem(dlg, SettingControlId(c)); }
  static bool On(HWND dlg, SettingCtl c) { return SendMessageW(Item(dlg, c), BM_GETCHECK, 0, 0) == BST_CHECKED; }
  static void Click(HWND dlg, SettingCtl c) { SendMessageW(Item(dlg, c), BM_CLICK, 0, 0); }

  static Shown Read(HWND dlg) {
    Shown s;
    s.caption = winkit::WindowText(dlg);
    s.label1 = winkit::WindowText(Item(dlg, SettingCtl::LblSetting1));
    s.label2 = winkit::WindowText(Item(dlg, SettingCtl::LblSetting2));
    s.set = winkit::WindowText(Item(dlg, SettingCtl::CmdSet));
    s.exit = winkit::WindowText(Item(dlg, SettingCtl::CmdExit));
    s.save0 = winkit::WindowText(Item(dlg, SettingCtl::OptSave0));
    s.save1 = winkit::WindowText(Item(dlg, SettingCtl::OptSave1));
    s.diag0 = winkit::WindowText(Item(dlg, SettingCtl::OptDiag0));
    s.diag1 = winkit::WindowText(Item(dlg, SettingCtl::OptDiag1));
    s.save0On = On(dlg, SettingCtl::OptSave0);
    s.save1On = On(dlg, SettingCtl::OptSave1);
    s.diag0On = On(dlg, SettingCtl::OptDiag0);
    s.diag1On = On(dlg, SettingCtl::OptDiag1);
    s.languageVisible = false;
    for (SettingCtl c : {SettingCtl::LblSetting0, SettingCtl::FrmLanguage, SettingCtl::OptLanguage0,
                         SettingCtl::OptLanguage1})
      s.languageVisible = s.languageVisible || IsWindowVisible(Item(dlg, c));
    s.language0Enabled = IsWindowEnabled(Item(dlg, SettingCtl::OptLanguage0)) != FALSE;
    s.language0On = On(dlg, SettingCtl::OptLanguage0);
    return s;
  }

  // Opens Tool > Setting, records what it shows, runs `act` on it.
  Shown OpenSetting(const std::function<void(HWND)>& act) {
    Shown shown;
    EXPECT_TRUE(WithDialog(
        L"Setting", [&] { window_->OnSettingClick(); },
        [&](HWND dlg) {
          shown = Read(dlg);
          act(dlg);
        }));
    return shown;
  }

  std::string Ini(const char* section, const char* key) const {
    char value[256] = {};
    GetPrivateProfileStringA(section, key, "<none>", value, sizeof value, PathOf("ORVA.ini").c_str());
    return value;
  }
  bool DiagnoseItemEnabled() const {
    const UINT state = GetMenuState(window_->Menu(), MenuCommandId(MainMenu::USBdiagnose), MF_BYCOMMAND);
    return (state & (MF_GRAYED | MF_DISABLED)) == 0;
  }
};

TEST_F(DialogsTest, StationSettingsEmptyValuesShowAllAndEnableAndSetStoresThem) {
  ASSERT_FALSE(DiagnoseItemEnabled());
  const Shown s = OpenSetting([](HWND dlg) { Click(dlg, SettingCtl::CmdSet); });
  EXPECT_EQ(s.caption, L"Setting");
  EXPECT_EQ(s.label1, L"Type of Save and Print\r    Only GOOD: Not save and print data out of the range\r"
                      L"    All: Save and Print all data");
  EXPECT_EQ(s.label2, L"Display of Diagnose\r    disable: Not indicate diagnose\r    enable : Indicate diagnose");
  EXPECT_EQ(s.set, L"Set");
  EXPECT_EQ(s.exit, L"Exit");
  EXPECT_EQ(s.save0, L"Only GOOD");
  EXPECT_EQ(s.save1, L"All");
  EXPECT_EQ(s.diag0, L"disable");
  EXPECT_EQ(s.diag1, L"enable");
  EXPECT_FALSE(s.save0On);
  EXPECT_TRUE(s.save1On);
  EXPECT_FALSE(s.diag0On);
  EXPECT_TRUE(s.diag1On);
  EXPECT_FALSE(s.languageVisible);
  EXPECT_FALSE(s.language0Enabled);
  EXPECT_FALSE(s.language0On);

  EXPECT_EQ(lib_.CurSaveType, "false");
  EXPECT_EQ(lib_.CurDiagMode, "enable");
  EXPECT_EQ(lib_.CurLanguage, "english");
  EXPECT_EQ(Ini("SaveType", "NeglectHighLow"), "false");
  EXPECT_EQ(Ini("Diagnose", "Mode"), "enable");
  EXPECT_EQ(Ini("Language", "LanguageType"), "<none>");
  EXPECT_TRUE(DiagnoseItemEnabled());
}

TEST_F(DialogsTest, StationSettingsAbandonedChoiceChangesNothing) {
  const std::string ini = "[SaveType]\r\nNeglectHighLow=true\r\n[Diagnose]\r\nMode=disable\r\n";
  const struct {
    const char* how;
    std::function<void(HWND)> close;
  } closers[] = {
      {"Exit", [](HWND dlg) { Click(dlg, SettingCtl::CmdExit); }},
      {"title bar", [](HWND dlg) { SendMessageW(dlg, WM_CLOSE, 0, 0); }},
      {"Escape", [](HWND dlg) { SendMessageW(dlg, WM_COMMAND, IDCANCEL, 0); }},
  };
  for (const auto& closer : closers) {
    RestartWithIni(ini);
    const Shown s = OpenSetting([&](HWND dlg) {
      Click(dlg, SettingCtl::OptSave1);
      Click(dlg, SettingCtl::OptDiag1);
      closer.close(dlg);
    });
    EXPECT_TRUE(s.save0On) << closer.how;
    EXPECT_TRUE(s.diag0On) << closer.how;
    EXPECT_EQ(lib_.NewSaveType, "false") << closer.how; // the pending values survive the closing
    EXPECT_EQ(lib_.NewDiagMode, "enable") << closer.how;
    EXPECT_EQ(lib_.CurSaveType, "true") << closer.how;
    EXPECT_EQ(lib_.CurDiagMode, "disable") << closer.how;
    EXPECT_EQ(ReadFileBytes("ORVA.ini"), ini) << closer.how;
    EXPECT_FALSE(DiagnoseItemEnabled()) << closer.how;
  }
  // The next opening starts again from the current values.
  const Shown again = OpenSetting([](HWND dlg) { Click(dlg, SettingCtl::CmdExit); });
  EXPECT_TRUE(again.save0On);
  EXPECT_TRUE(again.diag0On);
  EXPECT_EQ(lib_.NewSaveType, "true");
}

TEST_F(DialogsTest, StationSettingsEnterSetsAsSetDoes) {
  RestartWithIni("[SaveType]\r\nNeglectHighLow=true\r\n");
  OpenSetting([](HWND dlg) {
    Click(dlg, SettingCtl::OptSave1);
    PostMessageW(dlg, WM_KEYDOWN, VK_RETURN, 0x001C0001); // through the dialog's own loop
  });
  EXPECT_EQ(lib_.CurSaveType, "false");
  EXPECT_EQ(Ini("SaveType", "NeglectHighLow"), "false");
}

TEST_F(DialogsTest, StationSettingsSetWritesOnlyTheChangedValue) {
  RestartWithIni("[SaveType]\r\nNeglectHighLow=true\r\n[Diagnose]\r\nMode=enable\r\n");
  window_->ShowDiagnose(true);
  // With the file gone, whatever Set writes is all the new file holds.
  DeleteFileA(PathOf("ORVA.ini").c_str());
  OpenSetting([](HWND dlg) {
    Click(dlg, SettingCtl::OptSave1);
    Click(dlg, SettingCtl::CmdSet);
  });
  EXPECT_EQ(lib_.CurSaveType, "false");
  EXPECT_EQ(Ini("SaveType", "NeglectHighLow"), "false");
  EXPECT_EQ(Ini("Diagnose", "Mode"), "<none>");
  // No diagnose refresh: the panel stays shown.
  EXPECT_TRUE(IsWindowVisible(Ctl(MainControl::lblDiag)) || Visible(MainControl::lblDiag));
  EXPECT_TRUE(DiagnoseItemEnabled());

  // Turning the diagnose display off refreshes it: item grayed, panel hidden.
  OpenSetting([](HWND dlg) {
    Click(dlg, SettingCtl::OptDiag0);
    Click(dlg, SettingCtl::CmdSet);
  });
  EXPECT_EQ(lib_.CurDiagMode, "disable");
  EXPECT_EQ(Ini("Diagnose", "Mode"), "disable");
  EXPECT_FALSE(DiagnoseItemEnabled());
  EXPECT_FALSE(Visible(MainControl::lblDiag));
  EXPECT_EQ(lib_.CurLanguage, "english");
}

TEST_F(DialogsTest, StationAboutBoxShowsTitleVersionAndMaker) {
  for (int showing = 0; showing < 2; ++showing) { // each showing loads afresh
    std::wstring title, file, version, maker, ok;
    EXPECT_TRUE(WithDialog(
        L"ORVA Version Information", [&] { window_->OnVersionClick(); },
        [&](HWND dlg) {
          title = winkit::WindowText(GetDlgItem(dlg, AboutControlId(AboutCtl::LblTitle)));
          file = winkit::WindowText(GetDlgItem(dlg, AboutControlId(AboutCtl::Label1)));
          version = winkit::WindowText(GetDlgItem(dlg, AboutControlId(AboutCtl::lblVersion)));
          maker = winkit::WindowText(GetDlgItem(dlg, AboutControlId(AboutCtl::lblDescription)));
          ok = winkit::WindowText(GetDlgItem(dlg, AboutControlId(AboutCtl::cmdOK)));
          SendMessageW(GetDlgItem(dlg, AboutControlId(AboutCtl::cmdOK)), BM_CLICK, 0, 0);
        }))
        << showing;
    EXPECT_EQ(title, L"TENSOWAVE ");
    EXPECT_EQ(file, L"ORVA.exe");
    EXPECT_EQ(version, L"Version   1.0.3"); // this test carries the program's version resource
    EXPECT_EQ(maker, L"Tensowave Instruments");
    EXPECT_EQ(ok, L"OK");
  }
  // The delivered program carries the same version.
  const ProgramVersion v = ReadProgramVersion(L"ORVA.exe");
  EXPECT_EQ(VersionLine(v.major, v.minor, v.revision), "Version   1.0.3");
}

struct ShellCall {
  HWND owner;
  std::string operation, file;
  bool noParameters, noDirectory;
  INT show;
};
std::vector<ShellCall> g_shellCalls;
HINSTANCE WINAPI RecordShell(HWND owner, LPCSTR op, LPCSTR file, LPCSTR params, LPCSTR dir, INT show) {
  g_shellCalls.push_back({owner, op ? op : "", file ? file : "", params == nullptr, dir == nullptr, show});
  return reinterpret_cast<HINSTANCE>(2); // "file not found": the program goes on
}

TEST_F(DialogsTest, StationHelpOpensTheEnglishFileWhateverTheStoredLanguage) {
  const std::string inis[] = {"", "[Language]\r\nLanguageType=japanese\r\n"};
  const winkit::ShellExecuteFn previous = winkit::SetShellExecute(RecordShell);
  for (const std::string& ini : inis) {
    RestartWithIni(ini);
    g_shellCalls.clear();
    window_->OnHelpClick();
    ASSERT_EQ(g_shellCalls.size(), 1u);
    const ShellCall& call = g_shellCalls[0];
    EXPECT_EQ(call.owner, nullptr);
    EXPECT_EQ(call.operation, "open");
    EXPECT_EQ(call.file, PathOf("ORVAhelpE.chm"));
    EXPECT_TRUE(call.noParameters);
    EXPECT_TRUE(call.noDirectory);
    EXPECT_EQ(call.show, SW_SHOWNORMAL);
  }
  // F1, as the window's message loop translates it, opens the same file.
  g_shellCalls.clear();
  MSG key{Main(), WM_KEYDOWN, VK_F1, 0x003B0001, 0, {}};
  EXPECT_TRUE(TranslateAcceleratorW(Main(), window_->Shortcuts(), &key));
  ASSERT_EQ(g_shellCalls.size(), 1u);
  EXPECT_EQ(g_shellCalls[0].file, PathOf("ORVAhelpE.chm"));
  winkit::SetShellExecute(previous);
  // Both compiled help files sit in the program folder (the working folder).
  for (const char* chm : {"ORVAhelpE.chm", "ORVAhelpJ.chm"}) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    ASSERT_TRUE(GetFileAttributesExA(chm, GetFileExInfoStandard, &data)) << chm;
    EXPECT_GT(data.nFileSizeLow, 1000u) << chm;
  }
}

} // namespace
} // namespace orva::test
