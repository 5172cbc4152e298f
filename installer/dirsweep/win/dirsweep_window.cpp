#include "installer/dirsweep/win/dirsweep_window.h"

#include "installer/common/program_names.h"
#include "installer/common/win/routines.h"
#include "winkit/control_helpers.h"
#include "winkit/text.h"

namespace orva::dirsweep {
namespace {

constexpr UINT kSweepMessage = WM_APP + 1;

constexpr winkit::ControlSpec kLayout[] = {
    {installer::kPicture1, winkit::ControlKind::Custom, 0, {0, 0, 7200, 1300}, 0},
};

} // namespace

bool DirsweepWindow::Create() {
  static constexpr installer::ToolDesign design{kWindowClass, 7200, 1300, kLayout, {}};
  if (!Build(design, kMessageTitle, nullptr)) return false;
  system_ = std::make_unique<WinSweepSystem>(State());
  winkit::SetText(Handle(), kSetupCaption);
  installer::DrawBanner(State(), kSetupCaption);
  PostMessageW(Handle(), kSweepMessage, 0, 0);
  return true;
}

LRESULT DirsweepWindow::OnMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
  case kSweepMessage:
    RunStep([this] { OnSweep(); });
    return 0;
  case WM_CLOSE:
    // Closing must not cut the wait for the installer short: the sweep
    // takes no input and ends by itself.
    if (StepRunning()) return 0;
    break;
  default:
    break;
  }
  return ToolWindow::OnMessage(msg, wp, lp);
}

void DirsweepWindow::OnSweep() {
  const SweepResult result = SweepTempFolder(*system_);
  const std::string message = SweepFailureMessage(result);
  if (!message.empty()) installer::ShowToolMessage(State(), winkit::Utf8FromAnsi(message));
  RequestClose();
}

} // namespace orva::dirsweep
