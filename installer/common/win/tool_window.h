// The window base of the installation tools, on the toolkit's window base:
// builds the tool's controls from its layout table (the banner and the
// status line from Custom rows, the language frame as a Frame row with the
// two options inside), fills the Tool record with the shared handles, turns
// clicks into OnLanguage / OnClick, and carries out a close that arrives
// while a step waits only after the step has unwound.
#pragma once

#include "installer/common/win/tool.h"
#include "winkit/controls.h"
#include "winkit/window.h"

#include <span>
#include <string>
#include <utility>
#include <vector>
#include <windows.h>

namespace orva::installer {

struct DesignCaption {
  int id;
  const wchar_t* caption;
};

struct ToolDesign {
  const wchar_t* className;
  int clientWidth, clientHeight; // twips
  std::span<const winkit::ControlSpec> controls;
  std::span<const DesignCaption> captions;
};

class ToolWindow : public winkit::Window {
public:
  Tool& State() { return tool_; }
  const Tool& State() const { return tool_; }
  HWND Control(int id) const;

protected:
  // Creates the window (hidden) with its controls and design captions; the
  // menu may be nullptr. The tool folder and the message title go into Tool.
  bool Build(const ToolDesign& design, const std::wstring& messageTitle, HMENU menu);

  // Selects OptLanguage(index), clears the other, sets Language and runs OnLanguage.
  void SelectLanguage(int index);

  // Closes the window now, or, while a step runs, hides it, marks the tool
  // closed (the waits return) and closes it when the step has unwound.
  void RequestClose();

  // Runs a handler that may wait; see RequestClose.
  template <class F>
  void RunStep(F&& step) {
    ++steps_;
    struct Leave {
      ToolWindow& w;
      ~Leave() { w.StepDone(); }
    } leave{*this};
    std::forward<F>(step)();
  }
  bool StepRunning() const { return steps_ > 0; }

  virtual void OnLanguage(int index) = 0;
  virtual void OnClick(int id) = 0;

  LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
  void StepDone();

  Tool tool_;
  std::vector<std::pair<int, HWND>> controls_;
  int steps_ = 0;
};

} // namespace orva::installer
