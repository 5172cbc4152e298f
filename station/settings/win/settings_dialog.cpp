#include "station/settings/win/settings_dialog.h"

#include "winkit/control_helpers.h"
#include "winkit/controls.h"
#include "winkit/dialog.h"
#include "station/settings/win/fonts_win.h"
#include "winkit/text.h"

#include <array>

namespace orva {
namespace {

using winkit::ControlKind;

constexpr DWORD kLabel = SS_LEFT | SS_NOPREFIX;
constexpr DWORD kFirstOption = BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP; // starts its group
constexpr DWORD kSecondOption = BS_AUTORADIOBUTTON;
constexpr DWORD kButton = BS_PUSHBUTTON | WS_GROUP | WS_TABSTOP;

// The dialog's controls; places and frames in dialog_rules (SettingRect,
// SettingContainer).
constexpr std::array<winkit::ControlLook<SettingCtl>, static_cast<std::size_t>(SettingCtl::Count)> kControlLooks = {{
    {SettingCtl::LblSetting0, ControlKind::Label, kLabel},        // language heading (never shown)
    {SettingCtl::FrmLanguage, ControlKind::GroupBox, WS_GROUP},
    {SettingCtl::OptLanguage0, ControlKind::Option, kFirstOption}, // english
    {SettingCtl::OptLanguage1, ControlKind::Option, kSecondOption}, // japanese
    {SettingCtl::LblSetting1, ControlKind::Label, kLabel},        // what the run log keeps
    {SettingCtl::Frame2, ControlKind::GroupBox, WS_GROUP},
    {SettingCtl::OptSave0, ControlKind::Option, kFirstOption},     // GOOD readings only
    {SettingCtl::OptSave1, ControlKind::Option, kSecondOption},    // every reading
    {SettingCtl::LblSetting2, ControlKind::Label, kLabel},        // the diagnose display
    {SettingCtl::Frame3, ControlKind::GroupBox, WS_GROUP},
    {SettingCtl::OptDiag0, ControlKind::Option, kFirstOption},     // off
    {SettingCtl::OptDiag1, ControlKind::Option, kSecondOption},    // on
    {SettingCtl::CmdSet, ControlKind::Button, kButton},           // keeps the choice
    {SettingCtl::CmdExit, ControlKind::Button, kButton},          // leaves without it
}};
static_assert(winkit::RowsInEnumOrder(kControlLooks), "every SettingCtl has its row, in the order of the enum");

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
    winkit::SetUtf8Text(Ctl(c), utf8);
  }
  std::string Pick(Text id) const { return PickText(choice_.curLanguage, id); }

  void CreateControls() {
    std::array<winkit::ControlSpec, kControlLooks.size()> table{};
    for (const auto& look : kControlLooks) {
      const SettingCtl frame = SettingContainer(look.id);
      const int container = frame == SettingCtl::Count ? 0 : SettingControlId(frame);
      table[static_cast<std::size_t>(look.id)] = {SettingControlId(look.id), look.kind, container,
                                                       SettingRect(look.id), look.style};
    }
    BuildDialogControls(table);
  }

  // Turning an element on counts as its click, so the pending value follows.
  void SelectOption(OptionPair pair, SettingCtl first, const std::string& current) {
    const int element = OptionFor(pair, current);
    const SettingCtl on = static_cast<SettingCtl>(static_cast<int>(first) + element);
    const SettingCtl off = static_cast<SettingCtl>(static_cast<int>(first) + 1 - element);
    winkit::SetChecked(Ctl(on), true);
    winkit::SetChecked(Ctl(off), false);
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
    winkit::SetUtf8Text(Handle(), Pick(Text::SettingCaption));

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
    winkit::SetChecked(Ctl(SettingCtl::OptLanguage0), false);
    winkit::Enable(Ctl(SettingCtl::OptLanguage0), false);
    for (SettingCtl c : {SettingCtl::FrmLanguage, SettingCtl::OptLanguage0, SettingCtl::OptLanguage1,
                         SettingCtl::LblSetting0})
      winkit::Show(Ctl(c), false);
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
    // Enter (no button is the default one): as Set, as Windows dialogs take it.
    if (id == IDOK) {
      End(IDOK);
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
