#include "station/settings/win/settings_dialog.h"

#include "winkit/controls.h"
#include "winkit/dialog.h"
#include "station/settings/win/fonts_win.h"
#include "winkit/text.h"

#include <array>

namespace orva {
namespace {

class SettingsDialog : public winkit::Dialog {
public:
  explicit SettingsDialog(SettingsChoice& choice) : choice_(choice) {}

  bool Show(HWND owner) { return ShowModal(owner) == IDOK; }

private:
  INT_PTR OnMessage(UINT msg, WPARAM wp, LPARAM) override {
    switch (msg) {
    case WM_INITDIALOG: FormLoad(); return TRUE;
    case WM_COMMAND: return OnCommand(LOWORD(wp), HIWORD(wp));
    }
    return FALSE;
  }

  HWND Ctl(SettingCtl c) const { return GetDlgItem(Handle(), SettingControlId(c)); }
  void SetText(SettingCtl c, const std::string& utf8) {
    SetWindowTextW(Ctl(c), winkit::WideFromUtf8(utf8).c_str());
  }
  std::string Pick(Text id) const { return PickText(choice_.curLanguage, id); }

  static winkit::ControlSpec SpecOf(SettingCtl c) {
    using winkit::ControlKind;
    const SettingCtl frame = SettingContainer(c);
    const int container = frame == SettingCtl::Count ? 0 : SettingControlId(frame);
    const winkit::TwipRect r = SettingRect(c);
    switch (c) {
    case SettingCtl::LblSetting0:
    case SettingCtl::LblSetting1:
    case SettingCtl::LblSetting2: return {SettingControlId(c), ControlKind::Label, container, r, SS_LEFT | SS_NOPREFIX};
    case SettingCtl::FrmLanguage:
    case SettingCtl::Frame2:
    case SettingCtl::Frame3: return {SettingControlId(c), ControlKind::GroupBox, container, r, WS_GROUP};
    case SettingCtl::OptLanguage0:
    case SettingCtl::OptSave0:
    case SettingCtl::OptDiag0:
      return {SettingControlId(c), ControlKind::Option, container, r, BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP};
    case SettingCtl::OptLanguage1:
    case SettingCtl::OptSave1:
    case SettingCtl::OptDiag1: return {SettingControlId(c), ControlKind::Option, container, r, BS_AUTORADIOBUTTON};
    default:
      return {SettingControlId(c), ControlKind::Button, container, r, BS_PUSHBUTTON | WS_GROUP | WS_TABSTOP};
    }
  }

  void CreateControls() {
    std::array<winkit::ControlSpec, static_cast<std::size_t>(SettingCtl::Count)> table{};
    for (std::size_t i = 0; i < table.size(); ++i) table[i] = SpecOf(static_cast<SettingCtl>(i));
    winkit::BuildControls(Handle(), table, winkit::ScreenDpi());
  }

  // Turning an element on counts as its click, so the pending value follows.
  void SelectOption(OptionPair pair, SettingCtl first, const std::string& current) {
    const int element = OptionFor(pair, current);
    const SettingCtl on = static_cast<SettingCtl>(static_cast<int>(first) + element);
    const SettingCtl off = static_cast<SettingCtl>(static_cast<int>(first) + 1 - element);
    SendMessageW(Ctl(on), BM_SETCHECK, BST_CHECKED, 0);
    SendMessageW(Ctl(off), BM_SETCHECK, BST_UNCHECKED, 0);
    OnOptionClick(pair, element);
  }

  // Form_Load, in the order the dialog has always loaded.
  void FormLoad() {
    SizeClient(kSettingClientWidth, kSettingClientHeight);
    CreateControls();
    const std::string& lang = choice_.curLanguage;
    choice_.newLanguage = choice_.curLanguage;
    choice_.newSaveType = choice_.curSaveType;
    choice_.newDiagMode = choice_.curDiagMode;
    SelectOption(OptionPair::Language, SettingCtl::OptLanguage0, choice_.curLanguage);
    SelectOption(OptionPair::Save, SettingCtl::OptSave0, choice_.curSaveType);
    SelectOption(OptionPair::Diag, SettingCtl::OptDiag0, choice_.curDiagMode);

    for (SettingCtl c : {SettingCtl::LblSetting0, SettingCtl::LblSetting1, SettingCtl::LblSetting2})
      SetCtrlFont(Ctl(c), lang);
    SetText(SettingCtl::LblSetting0, Pick(Text::SettingLanguageLabel));
    SetText(SettingCtl::LblSetting1, SettingLabelText(lang, Text::SaveTypeHeading, Text::SaveTypeExplanation));
    SetText(SettingCtl::LblSetting2, SettingLabelText(lang, Text::DiagHeading, Text::DiagExplanation));

    SetCtrlFont(Ctl(SettingCtl::CmdExit), lang);
    SetText(SettingCtl::CmdExit, Pick(Text::Exit));
    SetCtrlFont(Ctl(SettingCtl::CmdSet), lang);
    SetText(SettingCtl::CmdSet, Pick(Text::SettingSet));

    SetFormFont(Handle(), lang);
    SetWindowTextW(Handle(), winkit::WideFromUtf8(Pick(Text::SettingCaption)).c_str());

    const struct {
      SettingCtl control;
      std::string caption;
    } options[] = {
        {SettingCtl::OptLanguage0, "english"},       {SettingCtl::OptLanguage1, "japanese"},
        {SettingCtl::OptSave0, Pick(Text::OptOnlyGood)}, {SettingCtl::OptSave1, Pick(Text::OptAll)},
        {SettingCtl::OptDiag0, Pick(Text::OptDisable)},  {SettingCtl::OptDiag1, Pick(Text::OptEnable)},
    };
    for (const auto& o : options) {
      SetCtrlFont(Ctl(o.control), lang);
      SetText(o.control, o.caption);
    }

    // The language choice is kept but never offered. Its option buttons are
    // siblings of the frame here, so they are hidden with it.
    SendMessageW(Ctl(SettingCtl::OptLanguage0), BM_SETCHECK, BST_UNCHECKED, 0);
    EnableWindow(Ctl(SettingCtl::OptLanguage0), FALSE);
    for (SettingCtl c : {SettingCtl::FrmLanguage, SettingCtl::OptLanguage0, SettingCtl::OptLanguage1,
                         SettingCtl::LblSetting0})
      ShowWindow(Ctl(c), SW_HIDE);
  }

  void OnOptionClick(OptionPair pair, int index) {
    const std::string value = OptionValue(pair, index);
    switch (pair) {
    case OptionPair::Language: choice_.newLanguage = value; break;
    case OptionPair::Save: choice_.newSaveType = value; break;
    case OptionPair::Diag: choice_.newDiagMode = value; break;
    }
  }

  INT_PTR OnCommand(int id, int code) {
    if (id == IDCANCEL) { // Exit's equivalents: the title-bar close and Escape
      End(IDCANCEL);
      return TRUE;
    }
    if (id < SettingControlId(SettingCtl::LblSetting0) || id >= SettingControlId(SettingCtl::Count))
      return FALSE;
    const auto c = static_cast<SettingCtl>(id - SettingControlId(SettingCtl::LblSetting0));
    if (code != BN_CLICKED) return FALSE;
    switch (c) {
    case SettingCtl::OptLanguage0: OnOptionClick(OptionPair::Language, 0); break;
    case SettingCtl::OptLanguage1: OnOptionClick(OptionPair::Language, 1); break;
    case SettingCtl::OptSave0: OnOptionClick(OptionPair::Save, 0); break;
    case SettingCtl::OptSave1: OnOptionClick(OptionPair::Save, 1); break;
    case SettingCtl::OptDiag0: OnOptionClick(OptionPair::Diag, 0); break;
    case SettingCtl::OptDiag1: OnOptionClick(OptionPair::Diag, 1); break;
    case SettingCtl::CmdSet: End(IDOK); break;
    case SettingCtl::CmdExit: End(IDCANCEL); break;
    default: return FALSE;
    }
    return TRUE;
  }

  SettingsChoice& choice_;
};

} // namespace

bool ShowSettingsDialog(HWND owner, SettingsChoice& choice) {
  SettingsDialog dialog(choice);
  return dialog.Show(owner);
}

} // namespace orva
