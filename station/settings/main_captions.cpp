// The ordered caption plan of the main window.
#include "station/settings/main_captions.h"

namespace orva {
namespace {

CaptionAction FontOnly(MainControl c) { return {CaptionStep::CtrlFontOnly, c, std::nullopt, std::nullopt}; }
CaptionAction Menu(MainMenu m, Text t) { return {CaptionStep::MenuText, std::nullopt, m, t}; }
CaptionAction FontAndText(MainControl c, Text t) { return {CaptionStep::CtrlFontAndText, c, std::nullopt, t}; }

std::vector<CaptionAction> BuildPlan() {
  using C = MainControl;
  using M = MainMenu;
  return {
      // Texts of these change at run time and are set elsewhere; only the font here.
      FontOnly(C::lblDiag), FontOnly(C::lblExe), FontOnly(C::lblDriver), FontOnly(C::lblDisp),
      FontOnly(C::lblMeasure), FontOnly(C::txtError), FontOnly(C::txtPrintTitle), FontOnly(C::lblAllowanceName),
      // Menu items get no font.
      Menu(M::menu_file, Text::MenuFile), Menu(M::fsave, Text::MenuSave),
      Menu(M::fprint, Text::MenuPrint), Menu(M::exit, Text::MenuExit),
      Menu(M::menu_tool, Text::MenuTool), Menu(M::USBdiagnose, Text::MenuDiagnose),
      Menu(M::Setting, Text::MenuSetting), Menu(M::Statistics, Text::MenuStatistics), Menu(M::Allowances, Text::MenuAllowances),
      Menu(M::RunArchive, Text::MenuRunArchive),
      Menu(M::menu_help, Text::MenuHelp),
      Menu(M::fhelp, Text::MenuHelpItem), Menu(M::version, Text::MenuVersion),
      FontAndText(C::frmLimit, Text::FrameAllowance),
      FontAndText(C::lblHighTitle, Text::HighLimitTitle),
      FontAndText(C::lblLowTitle, Text::LowLimitTitle),
      FontAndText(C::lblForce, Text::Force),
      FontAndText(C::lblHz, Text::Frequency),
      FontAndText(C::lblPrintTitle, Text::PrintTitle),
      {CaptionStep::FormFontAndText, std::nullopt, std::nullopt, Text::WindowCaption},
      {CaptionStep::TitleLabel, C::LblTitle, std::nullopt, Text::TitleLabel},
      FontAndText(C::cmdStart, Text::Start),
      FontAndText(C::cmdEnd, Text::Stop),
      FontAndText(C::cmdSave, Text::Save),
      FontAndText(C::cmdPrint, Text::Print),
      FontAndText(C::CmdExit, Text::Exit),
      // The two screen buttons are separate elements: each gets font and caption.
      FontAndText(C::cmdDispChange0, Text::MeasureScreen),
      FontAndText(C::cmdDispChange1, Text::AlarmScreen),
      FontAndText(C::CmdErrorReset, Text::Reset),
  };
}

} // namespace

const std::vector<CaptionAction>& MainCaptionPlan() {
  static const std::vector<CaptionAction> plan = BuildPlan();
  return plan;
}

} // namespace orva
