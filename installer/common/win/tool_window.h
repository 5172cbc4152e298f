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

#include <array>
#include <cstddef>
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

// A push button of the tools' one size at a place in twips.
constexpr winkit::ControlSpec ToolButton(int id, int left, int top) {
  return {id, winkit::ControlKind::Button, 0, {left, top, 1360, 460}, BS_PUSHBUTTON | WS_TABSTOP};
}

// The layout table of a tool window in one form: the head every tool
// starts with (banner, status line, the language frame with its two
// options), the tool's own controls, and its row of diagnostic labels
// (WindowsOS, WindowsDir, SystemDir, ...) along the bottom.
template <std::size_t Own, std::size_t Labels>
constexpr std::array<winkit::ControlSpec, 5 + Own + Labels>
ToolLayout(int statusHeight, int frameTop, const std::array<winkit::ControlSpec, Own>& own, int labelsTop) {
  using winkit::ControlKind;
  static_assert(Labels <= 5, "five diagnostic labels at most");
  std::array<winkit::ControlSpec, 5 + Own + Labels> table{{
      {kPicture1, ControlKind::Custom, 0, {0, 0, 7200, 1300}, 0},
      {kLblDisp, ControlKind::Custom, 0, {240, 1440, 6720, statusHeight}, 0},
      {kFrameLanguage, ControlKind::Frame, 0, {240, frameTop, 3600, 900}, 0},
      {kOptEnglish, ControlKind::Option, kFrameLanguage, {240, 360, 1400, 330},
       BS_AUTORADIOBUTTON | WS_TABSTOP | WS_GROUP},
      {kOptJapanese, ControlKind::Option, kFrameLanguage, {1800, 360, 1600, 330}, BS_AUTORADIOBUTTON},
  }};
  for (std::size_t i = 0; i < Own; ++i) table[5 + i] = own[i];
  constexpr int kLabels[] = {kLblOS, kLblWindows, kLblSystem, kLblSystemFile, kLblSystem32};
  for (std::size_t i = 0; i < Labels; ++i)
    table[5 + Own + i] = {kLabels[i], ControlKind::Label, 0, {240 + 1320 * static_cast<int>(i), labelsTop, 1300, 250}, 0};
  return table;
}

// The design captions in the same form: the head's, the tool's own, and
// the diagnostic labels'.
template <std::size_t Own, std::size_t Labels>
constexpr std::array<DesignCaption, 4 + Own + Labels> ToolCaptions(const wchar_t* frameCaption,
                                                                   const std::array<DesignCaption, Own>& own) {
  static_assert(Labels <= 5, "five diagnostic labels at most");
  std::array<DesignCaption, 4 + Own + Labels> table{{
      {kLblDisp, L"disp"}, {kFrameLanguage, frameCaption}, {kOptEnglish, L"English"}, {kOptJapanese, L"Japanese"}}};
  for (std::size_t i = 0; i < Own; ++i) table[4 + i] = own[i];
  constexpr DesignCaption kLabels[] = {{kLblOS, L"WindowsOS"},   {kLblWindows, L"WindowsDir"},
                                       {kLblSystem, L"SystemDir"}, {kLblSystemFile, L"SystemFile"},
                                       {kLblSystem32, L"System32Dir"}};
  for (std::size_t i = 0; i < Labels; ++i) table[4 + Own + i] = kLabels[i];
  return table;
}

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
  winkit::BuiltControls built_;
  std::vector<std::pair<int, HWND>> controls_;
  int steps_ = 0;
};

} // namespace orva::installer
