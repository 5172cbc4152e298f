#include "about_box.h"

#include "dialog_template.h"
#include "fonts_win.h"
#include "text_convert.h"

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

class AboutBox {
public:
  explicit AboutBox(const AboutContent& content) : content_(content) {}

  void Show(HWND owner) {
    std::vector<WORD> tmpl = EmptyDialogTemplate();
    DialogBoxIndirectParamW(GetModuleHandleW(nullptr), reinterpret_cast<DLGTEMPLATE*>(tmpl.data()), owner,
                            &StaticProc, reinterpret_cast<LPARAM>(this));
  }

private:
  static INT_PTR CALLBACK StaticProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_INITDIALOG) {
      SetWindowLongPtrW(hwnd, DWLP_USER, lp);
      reinterpret_cast<AboutBox*>(lp)->hwnd_ = hwnd;
    }
    auto* self = reinterpret_cast<AboutBox*>(GetWindowLongPtrW(hwnd, DWLP_USER));
    if (!self) return FALSE;
    if (msg == WM_INITDIALOG) {
      self->FormLoad();
      return TRUE;
    }
    if (msg == WM_COMMAND && (LOWORD(wp) == AboutControlId(AboutCtl::cmdOK) || LOWORD(wp) == IDCANCEL ||
                              LOWORD(wp) == IDOK)) {
      EndDialog(hwnd, IDOK); // cmdOK, Enter, Escape and the title-bar close
      return TRUE;
    }
    return FALSE;
  }

  HWND Create(AboutCtl c, const wchar_t* cls, DWORD style) {
    const TwipsRect r = AboutRect(c);
    return CreateDialogControl(hwnd_, cls, WS_VISIBLE | style, AboutControlId(c), r.left, r.top, r.width,
                               r.height);
  }

  void FormLoad() {
    const std::string& lang = content_.curLanguage;
    SizeDialogClient(hwnd_, kAboutClientWidth, kAboutClientHeight);
    HWND icon = Create(AboutCtl::picIcon, L"STATIC", SS_ICON | SS_CENTERIMAGE);
    HWND title = Create(AboutCtl::LblTitle, L"STATIC", SS_LEFT | SS_NOPREFIX);
    HWND file = Create(AboutCtl::Label1, L"STATIC", SS_LEFT | SS_NOPREFIX);
    HWND version = Create(AboutCtl::lblVersion, L"STATIC", SS_LEFT | SS_NOPREFIX);
    HWND maker = Create(AboutCtl::lblDescription, L"STATIC", SS_LEFT | SS_NOPREFIX);
    HWND ok = Create(AboutCtl::cmdOK, L"BUTTON", BS_DEFPUSHBUTTON | WS_TABSTOP);

    // Design content: the program's icon, its file name and "OK" in the form's font.
    HICON image = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1));
    SendMessageW(icon, STM_SETICON, reinterpret_cast<WPARAM>(image ? image : LoadIconW(nullptr, MAKEINTRESOURCEW(32512))), 0);
    const HFONT designFont = FontFor(FormFontSpec(lang));
    for (HWND c : {file, ok}) SendMessageW(c, WM_SETFONT, reinterpret_cast<WPARAM>(designFont), FALSE);
    SetWindowTextW(file, WideFromUtf8(kProgramFile).c_str());
    SetWindowTextW(ok, L"OK");

    SetFormFont(hwnd_, lang);
    SetWindowTextW(hwnd_, WideFromUtf8(std::string(kProgramTitle) + " " +
                                       PickText(lang, Text::VersionInformation)).c_str());
    SetCtrlFont(version, lang);
    const ProgramVersion v =
        ReadProgramVersion(content_.programPath.empty() ? RunningProgramPath() : content_.programPath);
    SetWindowTextW(version, WideFromUtf8(VersionLine(v.major, v.minor, v.revision)).c_str());
    SetCtrlFont(maker, lang);
    SetWindowTextW(maker, WideFromUtf8(PickText(lang, Text::MakerName)).c_str());
    SetCtrlFont(title, lang);
    SetWindowTextW(title, WideFromUtf8(PickText(lang, Text::AboutTitle)).c_str());
    SetFocus(ok);
  }

  const AboutContent& content_;
  HWND hwnd_ = nullptr;
};

} // namespace

ProgramVersion ReadProgramVersion(const std::wstring& programPath) {
  DWORD handle = 0;
  const DWORD size = GetFileVersionInfoSizeW(programPath.c_str(), &handle);
  if (size == 0) return {};
  std::vector<unsigned char> data(size);
  if (!GetFileVersionInfoW(programPath.c_str(), 0, size, data.data())) return {};
  VS_FIXEDFILEINFO* info = nullptr;
  UINT length = 0;
  if (!VerQueryValueW(data.data(), L"\\", reinterpret_cast<void**>(&info), &length) || !info ||
      length < sizeof(VS_FIXEDFILEINFO))
    return {};
  return VersionFromFileWords(info->dwFileVersionMS, info->dwFileVersionLS);
}

void ShowAboutBox(HWND owner, const AboutContent& content) {
  AboutBox box(content);
  box.Show(owner);
}

} // namespace orva
