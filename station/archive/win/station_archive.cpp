#include "station/archive/win/station_archive.h"

#include "station/settings/ini_rules.h"
#include "station/settings/text_table.h"
#include "station/settings/win/fonts_win.h"
#include "station/settings/win/settings_file.h"
#include "winkit/text.h"
#include "winkit/window_dpi.h"

namespace orva {
namespace {

std::string FolderOf(const std::string& path) {
  const size_t slash = path.find_last_of("\\/");
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

} // namespace

StationArchive::StationArchive(Station station) : station_(std::move(station)) {
  window_.OnSettingsChanged([this](const ArchiveSettings& s) { ChangeSettings(s); });
}

std::string StationArchive::ArchiveFolder() const { return ArchiveFolderIn(settings_, defaultFolder_); }

RunRecord StationArchive::FallbackRecord(bool fromRunLogTime) const {
  // A run without a record of its own is told by what the settings file
  // held when it was left, and dated by its run log's last write.
  const std::string& ini = iniPath_;
  RunRecord r;
  r.started = LocalTimeNow();
  if (fromRunLogTime)
    if (const std::optional<RunTime> written = LastWritten(runLogPath_)) r.started = *written;
  r.computer = ThisComputerName();
  r.language = kEnglish;
  r.printTitle = winkit::Utf8FromAnsi(GetIniValue(ini, kSecPrint, kKeyTitle));
  r.allowance = {winkit::Utf8FromAnsi(GetIniValue(ini, kSecLimit, kKeyHigh)),
                 winkit::Utf8FromAnsi(GetIniValue(ini, kSecLimit, kKeyLow)),
                 LimitModeFromIni(GetIniValue(ini, kSecLimit, kKeyLimitMode))};
  return r;
}

Kept StationArchive::Keep(const std::string& ownLines, bool fromRunLogTime) {
  if (!keeper_ || !settings_.keepEveryRun) return Kept::NoReading;
  const Kept kept = keeper_->KeepEndingRun(FallbackRecord(fromRunLogTime), ownLines);
  if (kept == Kept::Spooled) courier_->DeliverNow();
  return kept;
}

void StationArchive::BeforeRunLogUse() {
  iniPath_ = station_.iniPath();
  runLogPath_ = station_.runLogPath();
  const std::string programFolder = FolderOf(runLogPath_);
  spoolFolder_ = JoinPath(programFolder, "Spool");
  defaultFolder_ = DefaultArchiveFolder();
  files_ = std::make_unique<KeeperFiles>(JoinPath(programFolder, "ORVArun.ini"), runLogPath_, spoolFolder_,
                                         station_.bringRunLogUpToDate);
  keeper_ = std::make_unique<RunKeeper>(*files_);
  courier_ = std::make_unique<ArchiveCourier>(station_.window(), kCourierMessage);
  settings_ = ArchiveSettingsFromIni(GetIniValue(iniPath_, kSecArchive, kKeyKeepEveryRun),
                                     GetIniValue(iniPath_, kSecArchive, kKeyArchiveFolder));
  courier_->SetFolders(spoolFolder_, ArchiveFolder());
  Keep(std::string(), true);
  courier_->DeliverNow(); // what waited in the spool since the last start
}

void StationArchive::BeforeShutdown(ExitReason) {
  // What cannot be kept now stays in the run log, marked as not kept: the
  // next start keeps it.
  Keep(station_.runLines(), false);
}

bool StationArchive::KeepEndingRun(const std::string& runLogLines) {
  return Keep(runLogLines, false) != Kept::NotKept;
}

void StationArchive::RunBegun() {
  if (!keeper_) return;
  const Shown shown = station_.shown();
  keeper_->BeginRun({LocalTimeNow(), ThisComputerName(), shown.curLanguage, shown.printTitle, shown.allowance, false});
}

void StationArchive::ChangeSettings(const ArchiveSettings& settings) {
  settings_ = settings;
  WriteIni(iniPath_, kSecArchive, kKeyKeepEveryRun, KeepEveryRunToIni(settings_.keepEveryRun));
  WriteIni(iniPath_, kSecArchive, kKeyArchiveFolder, settings_.folder);
  if (!courier_) return;
  courier_->SetFolders(spoolFolder_, ArchiveFolder());
  courier_->DeliverNow();
}

void StationArchive::OnCourierNotice(WPARAM notice, LPARAM waiting) {
  const std::string lang = station_.shown().curLanguage;
  std::string text;
  switch (static_cast<ArchiveNotice>(notice)) {
  case ArchiveNotice::RunsWaiting:
    text = FillIn(PickText(lang, Text::ArchiveRunsWaiting), std::to_string(waiting), "");
    break;
  case ArchiveNotice::BacklogDelivered: text = PickText(lang, Text::ArchiveBacklogDelivered); break;
  case ArchiveNotice::None: return;
  }
  notice_.Show(station_.window(), winkit::WideFromUtf8(PickText(lang, Text::ArchiveCaption)), winkit::WideFromUtf8(text),
               FontFor(CtrlFontSpec(lang), winkit::WindowDpi(station_.window())));
}

void StationArchive::OpenWindow() {
  window_.Open(station_.window(), station_.shown().curLanguage, settings_, defaultFolder_, spoolFolder_);
}

} // namespace orva
