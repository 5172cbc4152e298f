// frmDirsweep: the folder remover's window, only the banner, on the
// installation tools' window base. It shows itself, runs the sweep once and
// closes; a failed sweep ends with one message box. It has no buttons.
#pragma once

#include "installer/common/win/tool_window.h"
#include "installer/dirsweep/win/sweep_system.h"

#include <memory>

namespace orva::dirsweep {

inline constexpr wchar_t kWindowClass[] = L"OrvaFrmDirsweep";
inline constexpr wchar_t kMessageTitle[] = L"DIRSWEEP";

class DirsweepWindow final : public installer::ToolWindow {
public:
  // Creates the window (hidden) and runs its load; the sweep starts once
  // the message loop runs, so the window is painted first.
  bool Create();

private:
  void OnLanguage(int) override {}
  void OnClick(int) override {}
  LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp) override;
  void OnSweep();

  std::unique_ptr<WinSweepSystem> system_;
};

} // namespace orva::dirsweep
