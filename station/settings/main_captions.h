// What ApplyMainCaptions does to the main window, as an ordered plan: fonts
// and texts per control and menu item. The window layer carries it out; the
// plan itself is checked without a window.
#pragma once

#include "station/main_controls.h"
#include "station/settings/text_table.h"

#include <optional>
#include <vector>

namespace orva {

enum class CaptionStep {
  CtrlFontOnly,    // SetCtrlFont, no text
  MenuText,        // menu item caption
  CtrlFontAndText, // SetCtrlFont, then the caption
  FormFontAndText, // SetFormFont on the window, then the window caption
  TitleLabel,      // LblTitle: caption, then bold 12 in the language's face
};

struct CaptionAction {
  CaptionStep step;
  std::optional<MainControl> control; // for control steps
  std::optional<MainMenu> menu;       // for MenuText
  std::optional<Text> text;           // none for CtrlFontOnly
};

// The steps in order.
const std::vector<CaptionAction>& MainCaptionPlan();

} // namespace orva
