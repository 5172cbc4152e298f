#include "station/output/win/printing_dialog.h"

#include "station/output/print_progress.h"
#include "station/settings/text_table.h"
#include "winkit/control_helpers.h"
#include "winkit/controls.h"
#include "winkit/dialog.h"
#include "winkit/text.h"
#include "winkit/wait.h"

#include <array>
#include <atomic>
#include <vector>

namespace orva {
namespace {

enum PrintingControl { lblWhat = 101, lblPage = 102, cmdCancel = IDCANCEL };

constexpr int kClientWidth = 5400, kClientHeight = 1680; // twips
constexpr std::array<winkit::ControlSpec, 3> kControls{{
    {lblWhat, winkit::ControlKind::Label, 0, {240, 180, 4920, 480}, SS_LEFT | SS_NOPREFIX},
    {lblPage, winkit::ControlKind::Label, 0, {240, 720, 4920, 300}, SS_LEFT | SS_NOPREFIX},
    {cmdCancel, winkit::ControlKind::Button, 0, {3960, 1140, 1200, 375}, BS_DEFPUSHBUTTON | WS_TABSTOP},
}};

// How often the page line is brought up to date, at the least.
constexpr DWORD kPageRefreshMs = 100;

// Whether a print runs, and whether it is to stop (read by the job's
// thread); one print runs at a time.
bool g_printing = false;
std::atomic<bool> g_stop{false};

} // namespace

class PrintingDialog::Box : public winkit::Dialog {
public:
  Box(const std::string& curLanguage, const std::string& what, HFONT font)
      : curLanguage_(curLanguage), what_(what), font_(font) {}
  ~Box() override { CloseModeless(); }

  bool Open(HWND owner) { return OpenModeless(owner); }
  HWND Window() const { return Handle(); }
  const std::string& Language() const { return curLanguage_; }
  void ShowPage(const std::string& text) {
    if (page_) winkit::SetUtf8Text(page_, text);
  }

private:
  INT_PTR OnMessage(UINT msg, WPARAM wp, LPARAM) override {
    if (msg == WM_INITDIALOG) {
      FormLoad();
      return TRUE;
    }
    // Cancel, Enter on it and Esc all stop the job.
    if (msg == WM_COMMAND && (LOWORD(wp) == cmdCancel || LOWORD(wp) == IDOK)) {
      g_stop = true;
      if (cancel_) winkit::Enable(cancel_, false); // pressed once is enough
      return TRUE;
    }
    return FALSE;
  }

  void FormLoad() {
    SizeClient(kClientWidth, kClientHeight);
    if (!BuildDialogControls(kControls)) return;
    const std::vector<HWND>& made = DialogControls();
    page_ = made[1];
    cancel_ = made[2];
    if (font_)
      for (HWND c : made) winkit::SetFont(c, font_);
    winkit::SetUtf8Text(Handle(), PickText(curLanguage_, Text::MenuPrint));
    winkit::SetUtf8Text(made[0], what_);
    winkit::SetUtf8Text(cancel_, PickText(curLanguage_, Text::PrintingCancel));
  }

  std::string curLanguage_, what_;
  HFONT font_;
  HWND page_ = nullptr, cancel_ = nullptr;
};

PrintingDialog::PrintingDialog(HWND owner, const std::string& curLanguage, const std::string& what, HFONT font)
    : box_(std::make_unique<Box>(curLanguage, what, font)), owner_(owner) {
  // Disabled before the box shows, so no click reaches the main window in between.
  ownerWasEnabled_ = owner_ && IsWindowEnabled(owner_);
  if (owner_) winkit::Enable(owner_, false);
  box_->Open(owner_);
}

PrintingDialog::~PrintingDialog() {
  if (owner_ && ownerWasEnabled_) winkit::Enable(owner_, true);
  box_.reset();
}

void PrintingDialog::ServeUntil(HANDLE done, const std::function<int()>& page, int pages) {
  winkit::MessagePump pump;
  int shown = 0;
  for (;;) {
    if (const int now = page(); now != shown) {
      shown = now;
      box_->ShowPage(PrintingPageText(box_->Language(), now, pages));
    }
    pump.HandlePending(box_->Window());
    if (MsgWaitForMultipleObjectsEx(1, &done, kPageRefreshMs, QS_ALLINPUT, MWMO_INPUTAVAILABLE) == WAIT_OBJECT_0)
      break;
  }
  pump.HandlePending(box_->Window());
}

PrintCommandRunning::PrintCommandRunning() {
  g_printing = true;
  g_stop = false;
}

PrintCommandRunning::~PrintCommandRunning() {
  g_printing = false;
  g_stop = false;
}

bool PrintInProgress() { return g_printing; }

bool PrintCancelled() { return g_stop; }

bool CancelPrint() {
  if (!g_printing) return false;
  g_stop = true;
  return true;
}

} // namespace orva
