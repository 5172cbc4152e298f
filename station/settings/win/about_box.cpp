#include "station/settings/win/about_box.h"

#include "winkit/controls.h"
#include "winkit/dialog.h"
#include "station/settings/win/fonts_win.h"
#include "winkit/text.h"
#include "winkit/version_resource.h"

#include <array>
#include <vector>

namespace orva {
namespace {

constexpr char kProgramTitle[] = "ORVA";
constexpr char kProgramFile[] = "ORVA.exe";

std::wstring RunningProgramPath() {
  std::wstring path(MAX_PATH, L'\0');
  const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
  path.resize(n);
  return path;
}

winkit::ControlSpec SpecOf(AboutCtl c) {
  using winkit::ControlKind;
  const int id = AboutControlId(c);
  switch (c) {
  case AboutCtl::picIcon: return {id, ControlKind::Label, 0, AboutRect(c), SS_ICON | SS_CENTERIMAGE};
  case AboutCtl::cmdOK: return {id, ControlKind::Button, 0, AboutRect(c), BS_DEFPUSHBUTTON | WS_TABSTOP};
  default: return {id, ControlKind::Label, 0, AboutRect(c), SS_LEFT | SS_NOPREFIX};
  }
}

class AboutBox : public winkit::Dialog {
public:
  explicit AboutBox(const AboutContent& content) : content_(content) {}

  void Show(HWND owner) { ShowModal(owner); }

private:
  INT_PTR OnMessage(UINT msg, WPARAM wp, LPARAM) override {
    if (msg == WM_INITDIALOG) {
      FormLoad();
      return TRUE;
    }
    if (msg == WM_COMMAND && (LOWORD(wp) == AboutControlId(AboutCtl::cmdOK) || LOWORD(wp) == IDCANCEL ||
                              LOWORD(wp) == IDOK)) {
      End(IDOK); // cmdOK, Enter, Escape and the title-bar close
      return TRUE;
    }
    return FALSE;
  }

  void FormLoad() {
    const std::string& lang = content_.curLanguage;
    SizeClient(kAboutClientWidth, kAboutClientHeight);
    std::array<winkit::ControlSpec, static_cast<std::size_t>(AboutCtl::Count)> table{};
    for (std::size_t i = 0; i < table.size(); ++i) table[i] = SpecOf(static_cast<AboutCtl>(i));
    const std::vector<HWND> made = winkit::BuildControls(Handle(), table, winkit::ScreenDpi());
    if (made.size() != table.size()) return;
    const HWND icon = made[0], title = made[1], file = made[2], version = made[3], maker = made[4], ok = made[5];

    // Design content: the program's icon, its file name and "OK" in the form's font.
    HICON image = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1));
    SendMessageW(icon, STM_SETICON, reinterpret_cast<WPARAM>(image ? image : LoadIconW(nullptr, MAKEINTRESOURCEW(32512))), 0);
    const HFONT designFont = FontFor(FormFontSpec(lang));
    for (HWND c : {file, ok}) SendMessageW(c, WM_SETFONT, reinterpret_cast<WPARAM>(designFont), FALSE);
    SetWindowTextW(file, winkit::WideFromUtf8(kProgramFile).c_str());
    SetWindowTextW(ok, L"OK");

    SetFormFont(Handle(), lang);
    SetWindowTextW(Handle(), winkit::WideFromUtf8(std::string(kProgramTitle) + " " +
                                       PickText(lang, Text::VersionInformation)).c_str());
    SetCtrlFont(version, lang);
    const ProgramVersion v =
        ReadProgramVersion(content_.programPath.empty() ? RunningProgramPath() : content_.programPath);
    SetWindowTextW(version, winkit::WideFromUtf8(VersionLine(v.major, v.minor, v.revision)).c_str());
    SetCtrlFont(maker, lang);
    SetWindowTextW(maker, winkit::WideFromUtf8(PickText(lang, Text::MakerName)).c_str());
    SetCtrlFont(title, lang);
    SetWindowTextW(title, winkit::WideFromUtf8(PickText(lang, Text::AboutTitle)).c_str());
    SetFocus(ok);
  }

  const AboutContent& content_;
};

} // namespace

ProgramVersion ReadProgramVersion(const std::wstring& programPath) {
  const auto version = winkit::ReadFileVersion(programPath);
  return version ? VersionFromFileWords(version->ms, version->ls) : ProgramVersion{};
}

void ShowAboutBox(HWND owner, const AboutContent& content) {
  AboutBox box(content);
  box.Show(owner);
}

} // namespace orva
