#include "station/allowances/win/allowance_entry_dialog.h"

#include "station/allowances/allowances_layout.h"
#include "station/settings/win/fonts_win.h"
#include "winkit/control_helpers.h"
#include "winkit/controls.h"
#include "winkit/dialog.h"
#include "winkit/message_box.h"
#include "winkit/text.h"

#include <array>

namespace orva {
namespace {

using winkit::ControlKind;
using E = EntryCtl;

constexpr DWORD kLabel = SS_LEFT | SS_NOPREFIX;
constexpr DWORD kBox = ES_AUTOHSCROLL | ES_LEFT | WS_TABSTOP | WS_GROUP;
constexpr DWORD kButton = BS_PUSHBUTTON | WS_TABSTOP | WS_GROUP;

constexpr std::array<winkit::ControlLook<EntryCtl>, static_cast<std::size_t>(EntryCtl::Count)> kLooks = {{
    {E::lblName, ControlKind::Label, kLabel},
    {E::txtName, ControlKind::Edit, kBox},
    {E::lblUnit, ControlKind::Label, kLabel},
    {E::optN, ControlKind::Option, BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP}, // limits in N
    {E::optHz, ControlKind::Option, BS_AUTORADIOBUTTON},                        // limits in Hz
    {E::lblHigh, ControlKind::Label, kLabel},
    {E::txtHigh, ControlKind::Edit, kBox},
    {E::lblLow, ControlKind::Label, kLabel},
    {E::txtLow, ControlKind::Edit, kBox},
    {E::lblTitle, ControlKind::Label, kLabel},
    {E::txtTitle, ControlKind::Edit, kBox},
    {E::cmdOk, ControlKind::Button, kButton | BS_DEFPUSHBUTTON},
    {E::cmdCancel, ControlKind::Button, kButton},
}};
static_assert(winkit::RowsInEnumOrder(kLooks), "every EntryCtl has its row, in the order of the enum");

int IdOf(EntryCtl c) { return kEntryFirstControlId + static_cast<int>(c); }

class EntryDialog : public winkit::Dialog {
public:
  explicit EntryDialog(EntryChoice& choice) : choice_(choice) {}
  bool Show(HWND owner) { return ShowModal(owner) == IDOK; }

private:
  INT_PTR OnMessage(UINT msg, WPARAM wp, LPARAM) override {
    switch (msg) {
    case WM_INITDIALOG: FormLoad(); return TRUE;
    case WM_COMMAND:
      if (LOWORD(wp) == IDOK || LOWORD(wp) == IdOf(E::cmdOk)) OnOkClick();
      else if (LOWORD(wp) == IdOf(E::cmdCancel)) End(IDCANCEL);
      else return FALSE;
      return TRUE;
    }
    return FALSE;
  }

  HWND Ctl(EntryCtl c) const { return GetDlgItem(Handle(), IdOf(c)); }
  std::string Pick(Text id) const { return PickText(choice_.curLanguage, id); }
  std::string TextOf(EntryCtl c) const { return winkit::Utf8Text(Ctl(c)); }

  void FormLoad() {
    SizeClient(kEntryClientWidth, kEntryClientHeight);
    std::array<winkit::ControlSpec, kLooks.size()> table{};
    for (const auto& look : kLooks)
      table[static_cast<std::size_t>(look.id)] = {IdOf(look.id), look.kind, 0, EntryRect(look.id), look.style};
    BuildDialogControls(table);
    for (HWND made : DialogControls()) SetCtrlFont(made, choice_.curLanguage);
    SetFormFont(Handle(), choice_.curLanguage);
    winkit::SetUtf8Text(Handle(), Pick(Text::AllowanceEntryCaption));
    const std::pair<EntryCtl, std::string> captions[] = {
        {E::lblName, Pick(Text::AllowanceName)},         {E::lblUnit, Pick(Text::AllowanceUnit)},
        {E::optN, LimitUnitText(LimitUnit::N)},          {E::optHz, LimitUnitText(LimitUnit::Hz)},
        {E::lblHigh, Pick(Text::AllowanceHigh)},         {E::lblLow, Pick(Text::AllowanceLow)},
        {E::lblTitle, Pick(Text::AllowancePrintTitle)},  {E::cmdOk, Pick(Text::AllowanceOk)},
        {E::cmdCancel, Pick(Text::AllowanceCancel)},     {E::txtName, choice_.entry.name},
        {E::txtHigh, choice_.entry.high},                {E::txtLow, choice_.entry.low},
        {E::txtTitle, choice_.entry.title},
    };
    for (const auto& [control, text] : captions) winkit::SetUtf8Text(Ctl(control), text);
    winkit::SetChecked(Ctl(E::optN), choice_.entry.unit == LimitUnit::N);
    winkit::SetChecked(Ctl(E::optHz), choice_.entry.unit == LimitUnit::Hz);
  }

  void OnOkClick() {
    AllowanceEntry entry{TextOf(E::txtName), winkit::IsChecked(Ctl(E::optHz)) ? LimitUnit::Hz : LimitUnit::N,
                         TextOf(E::txtHigh), TextOf(E::txtLow), TextOf(E::txtTitle)};
    const AllowanceFault fault = choice_.accept(entry);
    if (fault == AllowanceFault::None) {
      entry.name = TrimmedName(entry.name);
      choice_.entry = std::move(entry);
      End(IDOK);
      return;
    }
    // The limits are refused as START refuses them: its text, title and buttons.
    const bool limits = IsLimitFault(fault);
    winkit::ShowMessageBox(Handle(), winkit::WideFromUtf8(FaultText(choice_.curLanguage, fault)),
                           winkit::WideFromUtf8(Pick(limits ? Text::AllowanceTitle : Text::AllowanceEntryCaption)),
                           limits ? MB_CANCELTRYCONTINUE : MB_OK | MB_ICONEXCLAMATION);
    SetFocus(Ctl(limits ? (fault == AllowanceFault::LowNotNumeric ? E::txtLow : E::txtHigh) : E::txtName));
  }

  EntryChoice& choice_;
};

} // namespace

bool ShowAllowanceEntryDialog(HWND owner, EntryChoice& choice) {
  EntryDialog dialog(choice);
  return dialog.Show(owner);
}

} // namespace orva
