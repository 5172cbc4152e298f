// The Run Archive window (File > Run Archive): the archived runs and those
// still in the spool, newest first, with start, computer, print title,
// readings and GOOD rate. The rows stand at once from the file names; each
// file is read on a worker thread, the visible rows first, so a network
// folder of 10,000 runs is usable at once and the window never freezes.
// From the list: open a run with the program Windows associates with it,
// show it in its folder, or show its statistics.
//
// The object lives as long as the main window; its window comes and goes
// with Open and Close, like the statistics window's.
#pragma once

#include "station/archive/archive_list.h"
#include "station/archive/archived_run.h"
#include "station/archive/archive_settings.h"
#include "station/stats/run_statistics.h"
#include "winkit/controls.h"
#include "winkit/window.h"
#include "winkit/worker_thread.h"

#include <functional>
#include <memory>
#include <string>

namespace orva {

class StatisticsWindow;

class RunArchiveWindow : public winkit::Window {
public:
  RunArchiveWindow();
  ~RunArchiveWindow() override;

  // Creates the window owned by `owner` with the runs of the archive folder
  // and the spool, or brings the open one to the front and reads them again.
  // Paths are ANSI.
  bool Open(HWND owner, const std::string& curLanguage, const ArchiveSettings& settings,
            const std::string& defaultFolder, const std::string& spoolFolder);
  void Close();

  // Told when the operator changes "Keep every run" or the folder here.
  void OnSettingsChanged(std::function<void(const ArchiveSettings&)> listener) {
    settingsChanged_ = std::move(listener);
  }
  // The folder as if typed and confirmed (what the edit box and Browse do).
  void ChooseFolder(const std::string& folder);

  // What the list shows so far (for the tests and the benchmark).
  bool Listed() const { return listed_; }
  std::size_t RowCount() const { return list_.Size(); }
  std::size_t SummariesRead() const { return list_.SummariesRead(); }
  std::string CellText(std::size_t row, ArchiveColumn column) const;

  // What the buttons do with a row.
  void Select(std::size_t row);
  // Reads the row's file off the window's thread, then shows its statistics
  // beside this window (or says that the file holds no results).
  void ShowStatisticsOf(std::size_t row);
  StatisticsWindow* Statistics() const { return statistics_.get(); }

private:
  LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp) override;
  bool FormLoad();
  void SizeColumns(winkit::Dpi dpi);
  void OnEnter();
  void ShowSettings();
  void ReadFolders();
  void OnListed(unsigned generation, const std::vector<std::string>& archived,
                const std::vector<std::string>& spooled);
  void ReadNextSummary();
  void OnSummary(unsigned generation, std::size_t row, ArchiveSummary summary);
  LRESULT OnListNotify(NMHDR* header);
  void OnKeepEveryRunClick();
  void OnBrowseClick();
  void ApplySettings();
  void OnOpenClick();
  void OnShowInFolderClick();
  void OnStatisticsClick();
  void OnRunRead(const std::string& fileName, const std::optional<ArchivedRun>& run);
  std::string PathOf(std::size_t row) const;
  std::optional<std::size_t> SelectedRow() const;

  std::string curLanguage_, defaultFolder_, spoolFolder_;
  std::string archiveFolder_; // the folder the list shows
  ArchiveSettings settings_;
  std::function<void(const ArchiveSettings&)> settingsChanged_;
  ArchiveList list_;
  HWND listView_ = nullptr;
  winkit::BuiltControls built_;
  unsigned generation_ = 0; // a listing or read from before Refresh is dropped
  bool listed_ = false;
  bool reading_ = false;    // one file is being read
  std::wstring cellText_;   // the list-view's text until its next request
  RunStatistics runStatistics_;
  std::unique_ptr<StatisticsWindow> statistics_;
  winkit::WorkerThread worker_;
};

} // namespace orva
