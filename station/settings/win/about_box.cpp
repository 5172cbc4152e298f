#include "station/settings/win/about_box.h"

#include "installer/common/program_names.h"
#include "winkit/control_helpers.h"
#include "winkit/controls.h"
#include "winkit/dialog.h"
#include "station/settings/win/fonts_win.h"
#include "winkit/text.h"
#include "winkit/version_resource.h"

#include <array>
#include <vector>

namespace orva {
namespace {

constexpr char kProgramFile[] = "ORVA.exe";

std::wstring RunningProgramPath() {
  std::wstring path(MAX_PATH, L'\0');
  const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
  path.resize(n);
  return path;
}

using winkit::ControlKind;

constexpr DWORD kLabel = SS_LEFT | SS_NOPREFIX;

// The box's controls; places in dialog_rules (AboutRect).
constexpr std::array<winkit::ControlLook<AboutCtl>, static_cast<std::size_t>(AboutCtl::Count)> kControlLooks = {{
    {AboutCtl::picIcon, ControlKind::Label, SS_ICON | SS_CENTERIMAGE}, // the program's icon
    {AboutCtl::LblTitle, ControlKind::Label, kLabel},                 // the product's name
    {AboutCtl::Label1, ControlKind::Label, kLabel},                   // the program file's name
    {AboutCtl::lblVersion, ControlKind::Label, kLabel},               // "Version   " and the number
    {AboutCtl::lblDescription, ControlKind::Label, kLabel},           // the maker
    {AboutCtl::cmdOK, ControlKind::Button, BS_DEFPUSHBUTTON | WS_TABSTOP}, // closes the box
}};
static_assert(winkit::RowsInEnumOrder(kControlLooks), "every AboutCtl has its row, in the order of the enum");

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
    if (msg == WM_COMMAND && (LOWORD(wp) == AboutControlId(AboutCtl::cmdOK) || LOWORD(wp) == IDOK)) {
      End(IDOK); // cmdOK and Enter; Esc and the title-bar close are the base's
      return TRUE;
    }
    return FALSE;
  }

  void FormLoad() {
    const std::string& lang = content_.curLanguage;
    SizeClient(kAboutClientWidth, kAboutClientHeight);
    std::array<winkit::ControlSpec, kControlLooks.size()> table{};
    for (const auto& look : kControlLooks)
      table[static_cast<std::size_t>(look.id)] = {AboutControlId(look.id), look.kind, 0,
                                                       AboutRect(look.id), look.style};
    if (!BuildDialogControls(table)) return;
    const std::vector<HWND>& made = DialogControls();
    const HWND icon = made[0], title = made[1], file = made[2], version = made[3], maker = made[4], ok = made[5];

    // Design content: the program's icon, its file name and "OK" in the form's font.
    HICON image = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1));
    SendMessageW(icon, STM_SETICON, reinterpret_cast<WPARAM>(image ? image : LoadIconW(nullptr, MAKEINTRESOURCEW(32512))), 0);
    const HFONT designFont = FontFor(FormFontSpec(lang), DialogDpi());
    for (HWND c : {file, ok}) winkit::SetFont(c, designFont);
    winkit::SetUtf8Text(file, kProgramFile);
    winkit::SetText(ok, L"OK");

    SetFormFont(Handle(), lang);
    winkit::SetUtf8Text(Handle(), std::string(kDefaultMessageTitleUtf8) + " " + PickText(lang, Text::VersionInformation));
    SetCtrlFont(version, lang);
    const ProgramVersion v =
        ReadProgramVersion(content_.programPath.empty() ? RunningProgramPath() : content_.programPath);
    winkit::SetUtf8Text(version, VersionLine(v.major, v.minor, v.revision));
    SetCtrlFont(maker, lang);
    winkit::SetUtf8Text(maker, PickText(lang, Text::MakerName));
    SetCtrlFont(title, lang);
    winkit::SetUtf8Text(title, PickText(lang, Text::AboutTitle));
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
