#include "station/allowances/win/station_allowances.h"

#include "station/allowances/active_allowance.h"
#include "station/allowances/allowance_import.h"
#include "station/allowances/win/allowance_files.h"
#include "station/allowances/win/allowances_dialog.h"
#include "station/settings/win/settings_file.h"
#include "winkit/message_box.h"
#include "winkit/text.h"

namespace orva {

void StationAllowances::Load() {
  listPath_ = AllowanceListPathBeside(station_.iniPath());
  CsvReading reading = ReadAllowanceListFile(listPath_);
  keepDamaged_ = !reading.refused.empty();
  loadReport_ = ListFileReport(station_.curLanguage(), kAllowanceListFileName,
                               std::string(kAllowanceListFileName) + kDamagedListSuffix, reading.refused);
  named_.List() = AllowanceList(std::move(reading.entries));
  named_.Restore(GetIniValue(station_.iniPath(), kSecAllowances, kKeyActiveAllowance, kActiveNameBufferSize),
                 station_.flow());
  ShowInUse();
}

void StationAllowances::OpenDialog() {
  AllowancesChoice choice;
  choice.curLanguage = station_.curLanguage();
  choice.list = &named_.List();
  choice.limitsEditable = NamedAllowances::CanChoose(station_.flow());
  choice.activeName = named_.ActiveName();
  choice.report = loadReport_;
  choice.listPath = listPath_;
  choice.store = [this] { return StoreList(); };
  const bool chosen = ShowAllowancesDialog(station_.window(), choice);
  LimitsChanged(); // an entry in use may have been edited or deleted
  if (!chosen || !choice.chosen) return;
  // The run may have started meanwhile (a device answer during the dialog).
  const AllowanceEntry* entry = named_.Choose(*choice.chosen, station_.flow());
  if (!entry) {
    winkit::ShowMessageBox(station_.window(),
                           winkit::WideFromUtf8(PickText(choice.curLanguage, Text::AllowanceNotPickable)),
                           winkit::WideFromUtf8(PickText(choice.curLanguage, Text::AllowancesCaption)),
                           MB_OK | MB_ICONEXCLAMATION);
    return;
  }
  station_.setPrintTitle(entry->title);
  ShowInUse();
}

void StationAllowances::LimitsChanged() {
  named_.LimitsChanged(station_.flow());
  ShowInUse();
}

void StationAllowances::SaveActive() {
  const std::string ini = station_.iniPath();
  const std::string stored = named_.StoredName();
  if (stored.empty() && GetIniValue(ini, kSecAllowances, kKeyActiveAllowance, kActiveNameBufferSize).empty()) return;
  WriteIni(ini, kSecAllowances, kKeyActiveAllowance, stored);
}

bool StationAllowances::StoreList() {
  if (!WriteFileReplacing(listPath_, WriteAllowanceCsv(named_.List().Entries()), keepDamaged_)) return false;
  keepDamaged_ = false;
  loadReport_.clear();
  return true;
}

void StationAllowances::ShowInUse() {
  const std::string text = named_.InUseText(station_.curLanguage());
  if (text == shownInUse_) return;
  shownInUse_ = text;
  station_.showInUse(text);
}

} // namespace orva
