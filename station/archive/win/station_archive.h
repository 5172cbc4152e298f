// The run archive as the station lives with it: at start-up the run an
// earlier start left behind is kept before anything touches the run log;
// at START the ending run is kept before the run log is emptied; at the
// normal exit the last run is kept. Kept runs go to the spool beside the run
// log at once, and on to the archive folder off the window's thread. The
// operator hears once when runs begin to wait for the folder and once when
// they have arrived, in a notice that takes no focus. File > Run Archive
// lists the runs and holds the archive's settings.
#pragma once

#include "station/allowance.h"
#include "station/archive/archive_settings.h"
#include "station/archive/run_keeper.h"
#include "station/archive/win/archive_courier.h"
#include "station/archive/win/archive_files.h"
#include "station/archive/win/run_archive_window.h"
#include "station/run_view.h"
#include "station/station_session.h"
#include "winkit/notice_window.h"

#include <functional>
#include <memory>
#include <string>
#include <windows.h>

namespace orva {

class StationArchive final : public SessionHooks, public RunKeeping {
public:
  // The message the courier posts to the main window; the window hands it
  // to OnCourierNotice.
  static constexpr UINT kCourierMessage = WM_APP + 0x3B0;

  // What the window shows now, for the record of a run at its START.
  struct Shown {
    std::string curLanguage; // UTF-8
    std::string printTitle;  // UTF-8
    Allowance allowance;
  };
  // What the archive asks of the station; the paths are known from the
  // start-up's SetPaths on, which comes before BeforeRunLogUse.
  struct Station {
    std::function<HWND()> window;
    std::function<std::string()> iniPath;    // ANSI
    std::function<std::string()> runLogPath; // ANSI
    std::function<Shown()> shown;
    std::function<const std::string&()> runLines; // the run flow's lines of the current run
    std::function<bool()> bringRunLogUpToDate;
  };
  explicit StationArchive(Station station);

  // SessionHooks
  void BeforeRunLogUse() override;
  void BeforeShutdown(ExitReason reason) override;
  // RunKeeping
  bool KeepEndingRun(const std::string& runLogLines) override;
  void RunBegun() override;

  void OnCourierNotice(WPARAM notice, LPARAM waiting);
  void OpenWindow();

private:
  std::string ArchiveFolder() const;
  RunRecord FallbackRecord(bool fromRunLogTime) const;
  void ChangeSettings(const ArchiveSettings& settings);
  Kept Keep(const std::string& ownLines, bool fromRunLogTime);

  Station station_;
  std::string iniPath_, runLogPath_, spoolFolder_, defaultFolder_;
  ArchiveSettings settings_;
  // Made at the start-up, once the paths and the window are there.
  std::unique_ptr<KeeperFiles> files_;
  std::unique_ptr<RunKeeper> keeper_;
  std::unique_ptr<ArchiveCourier> courier_;
  RunArchiveWindow window_;
  winkit::NoticeWindow notice_;
};

} // namespace orva
