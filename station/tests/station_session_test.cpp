// The station's life against a recording shell: the start-up order and its
// refusals, every state against every request (a command, a close request)
// and the shutdown order.
#include "station/station_session.h"
#include "station/tests/run_fakes.h"

#include "devlink/link_block.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace orva {
namespace {

using Log = std::vector<std::string>;

// The window as the session drives it. DestroyWindow brings WM_DESTROY at
// once, as the system's does; Wait hands over to what happens meanwhile.
class RecordingShell : public StationShell, public SessionHooks {
public:
  Log* log = nullptr;
  StationSession* session = nullptr;
  bool nameFree = true;
  bool libraryPresent = true;
  bool windowThere = true;
  std::function<void()> duringLoadWait;

  bool TakeProgramName() override { return Say("take name"), nameFree; }
  void SetPaths() override { Say("paths"); }
  void PrepareWindow() override { Say("prepare window"); }
  void HideDiagnose() override { Say("hide diagnose"); }
  void InstallSubclass() override { Say("subclass"); }
  bool Wait(float seconds) override {
    Say("wait " + std::to_string(seconds).substr(0, 3));
    if (duringLoadWait) std::exchange(duringLoadWait, nullptr)();
    return windowThere;
  }
  void TellLibraryMissing() override { Say("tell library missing"); }
  bool LibraryFilePresent() override { return libraryPresent; }
  void OpenLink() override { Say("USBStart"); }
  void CloseLink() override { Say("USBStop"); }
  void SaveWindowSettings() override { Say("settings"); }
  void RemoveSubclass() override { Say("unsubclass"); }
  void ReleaseProgramName() override { Say("release name"); }
  void CancelPrint() override { Say("cancel print"); }
  void RequestClose() override {
    Say("close request");
    session->CloseRequested();
  }
  void RequestCloseLater() override { Say("close request later"); }
  void DestroyWindow() override {
    Say("destroy");
    windowThere = false;
    session->WindowDestroyed();
  }
  void WindowDestroyed(bool endProgram) override { Say(endProgram ? "gone, end" : "gone"); }

  void BeforeRunLogUse() override { Say("hook: before run log"); }
  void BeforeShutdown(ExitReason reason) override {
    Say(reason == ExitReason::ExitCommand ? "hook: exit command"
        : reason == ExitReason::CloseRequest ? "hook: close request"
                                             : "hook: library missing");
  }

private:
  void Say(const std::string& what) { log->push_back(what); }
};

// A station of fakes, all writing into one log.
struct FakeStation {
  FakeStation() {
    view.log = device.log = shell.log = &log;
    shell.session = &session;
    session.SetHooks(&shell);
  }

  // Loaded, with the handler announced inside USBStart; the log from here on.
  void Load() {
    ASSERT_EQ(session.Load(), StationSession::LoadResult::Loaded);
    flow.LinkMessage(devlink::kNotifyHandlerRunning);
    log.clear();
  }

  std::string language = "english", saveType = "false";
  Log log;
  test::RecordingView view;
  test::RecordingDevice device;
  test::MemoryRunLog runLog;
  RunFlow flow{view, device, runLog, {language, saveType}};
  RecordingShell shell;
  StationSession session{shell, flow};
};

class StationSessionTest : public ::testing::Test, protected FakeStation {};

TEST_F(StationSessionTest, StartUpRunsInOrderAndEachRefusalEndsItEarly) {
  const struct {
    const char* name;
    bool nameFree, libraryPresent, closedDuringWait;
    StationSession::LoadResult result;
    Log steps;
  } cases[] = {
      {"normal", true, true, false, StationSession::LoadResult::Loaded,
       {"take name", "paths", "hook: before run log", "prepare window", "hide diagnose", "subclass", "wait 0.1",
        "USBStart"}},
      // Silent and untouched: no settings, no link, no hook.
      {"second copy", false, true, false, StationSession::LoadResult::SecondInstance,
       {"take name", "destroy", "gone"}},
      // Ends through the unload, which still writes the settings; no USBStop.
      {"no library", true, false, false, StationSession::LoadResult::Unloaded,
       {"take name", "paths", "hook: before run log", "prepare window", "hide diagnose", "subclass", "wait 0.1",
        "tell library missing", "hook: library missing", "close request", "unsubclass", "destroy", "release name",
        "settings", "gone, end"}},
      {"closed during the wait", true, true, true, StationSession::LoadResult::Unloaded,
       {"take name", "paths", "hook: before run log", "prepare window", "hide diagnose", "subclass", "wait 0.1",
        "hook: close request", "unsubclass", "destroy", "release name", "settings", "USBStop", "gone, end"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    FakeStation station;
    station.shell.nameFree = c.nameFree;
    station.shell.libraryPresent = c.libraryPresent;
    if (c.closedDuringWait) station.shell.duringLoadWait = [&] { station.session.CloseRequested(); };
    EXPECT_EQ(station.session.Load(), c.result);
    EXPECT_EQ(station.log, c.steps);
    EXPECT_EQ(station.flow.State().FirstFlg, c.nameFree ? 1 : 0);
  }
}

// Every state against every request. Busy states are entered as the window
// enters them, with the request made inside the command's work; the log
// holds what the request did and what followed when the work returned.
TEST_F(StationSessionTest, EveryStateAnswersEveryRequestAsTabled) {
  enum class State { Idle, Measuring, PrintDialog, Printing, Saving, ModalBox, ShuttingDown, Closed };
  const Log shutdown = {"hook: close request", "unsubclass", "destroy", "release name", "settings", "USBStop",
                        "gone, end"};
  const Log shutdownMeasuring = {"hook: close request", "unsubclass", "destroy", "release name", "DeviceStop",
                                 "wait 0.5", "settings", "USBStop", "gone, end"};
  const struct {
    const char* name;
    State state;
    bool commandsRun;
    Log onClose;
  } rows[] = {
      {"idle", State::Idle, true, shutdown},
      {"measuring", State::Measuring, true, shutdownMeasuring},
      // The print is cancelled (from its dialog it does not start); the
      // close is made again once the print command has returned.
      {"in the Print dialog", State::PrintDialog, false, {"cancel print", "close request later"}},
      {"printing", State::Printing, false, {"cancel print", "close request later"}},
      // The close request never refuses: it goes on under the dialog.
      {"saving", State::Saving, false, shutdown},
      {"in a modal box", State::ModalBox, false, shutdown},
      // Taken at once; the exit's own close request, after its pause, is
      // then dropped.
      {"in the exit's pause", State::ShuttingDown, false,
       {"unsubclass", "destroy", "release name", "settings", "USBStop", "gone, end", "close request"}},
      {"closed", State::Closed, false, {}},
  };
  for (const auto& row : rows) {
    for (bool close : {false, true}) {
      SCOPED_TRACE(std::string(row.name) + (close ? ", close request" : ", commands"));
      FakeStation station;
      station.Load();
      if (row.state == State::Measuring || row.state == State::ShuttingDown)
        station.flow.LinkMessage(devlink::kNotifyDeviceStarted);
      Log& l = station.log;
      test::RecordingView& v = station.view;
      StationSession& ses = station.session;
      std::optional<bool> allowed;
      const auto request = [&] {
        if (close) return ses.CloseRequested();
        allowed = ses.CommandsMayRun();
      };
      const auto busy = [&](Busy kind, bool jobStarted) {
        ses.RunBusy(kind, [&] {
          if (jobStarted) ses.PrintJobStarted();
          request();
        });
      };
      switch (row.state) {
      case State::Idle:
      case State::Measuring: request(); break;
      case State::PrintDialog: busy(Busy::PrintDialog, false); break;
      case State::Printing: busy(Busy::PrintDialog, true); break;
      case State::Saving: busy(Busy::Saving, false); break;
      case State::ModalBox: busy(Busy::ModalBox, false); break;
      case State::ShuttingDown:
        v.duringWait = [&] {
          l.clear();
          request();
          if (close) v.windowStays = false; // the window went during the pause
        };
        ses.ExitClicked();
        break;
      case State::Closed:
        ses.CloseRequested();
        l.clear();
        request();
        break;
      }
      if (close) {
        EXPECT_EQ(l, row.onClose);
      } else {
        EXPECT_EQ(allowed, row.commandsRun);
      }
    }
  }
}

TEST_F(StationSessionTest, NothingRunsBeforeTheStartUpIsOver) {
  shell.duringLoadWait = [&] { EXPECT_FALSE(session.CommandsMayRun()); };
  Load();
  EXPECT_TRUE(session.CommandsMayRun());
}

TEST_F(StationSessionTest, ExitStopsTheDeviceWaitsWritesThenClosesAndShutsDownAgain) {
  Load();
  flow.LinkMessage(devlink::kNotifyDeviceStarted);
  session.ExitClicked();
  // The second ShutdownLink does not stop the device again, but writes the
  // settings and calls USBStop once more.
  EXPECT_EQ(log, (Log{"hook: exit command", "DeviceStop", "wait 0.5", "settings", "USBStop", "close request",
                      "unsubclass", "destroy", "release name", "settings", "USBStop", "gone, end"}));
  EXPECT_EQ(flow.State().DriverRunning, kFalse);
  EXPECT_EQ(session.CurrentStage(), StationSession::Stage::Closed);
}

TEST_F(StationSessionTest, AWindowGoneDuringTheShutdownPauseWritesNothingMore) {
  Load();
  flow.LinkMessage(devlink::kNotifyDeviceStarted);
  view.windowStays = false;
  session.ShutdownLink();
  EXPECT_EQ(log, (Log{"DeviceStop", "wait 0.5"}));
}

TEST_F(StationSessionTest, TheCloseAfterAPrintRunsTheNormalShutdownOnce) {
  Load();
  session.RunBusy(Busy::PrintDialog, [&] {
    session.PrintJobStarted();
    EXPECT_EQ(session.CurrentBusy(), Busy::Printing);
    session.CloseRequested();
    session.CloseRequested();
  });
  EXPECT_EQ(log, (Log{"cancel print", "cancel print", "close request later"}));
  log.clear();
  session.RunBusy(Busy::Saving, [] {}); // no close is owed any more
  EXPECT_TRUE(log.empty());
  session.CloseRequested(); // the posted request arrives
  EXPECT_EQ(log.front(), "hook: close request");
  EXPECT_EQ(log.back(), "gone, end");
}

} // namespace
} // namespace orva
