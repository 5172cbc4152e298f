// Every fixed text of ORVA.exe as an English/Japanese pair, and PickText.
// Texts are UTF-8 here; the window layer converts them to UTF-16 for the
// screen and to the ANSI code page for files.
// Pairs of further windows (settings dialog, about box) are added to this
// enum before Count; the table refuses to compile until each has its row.
#pragma once

#include "winkit/text_table.h"

#include <string>
#include <string_view>

namespace orva {

enum class Text {
  // menus
  MenuFile, MenuSave, MenuPrint, MenuExit, MenuTool, MenuDiagnose, MenuSetting,
  MenuHelp, MenuHelpItem, MenuVersion,
  // main window labels, frames and buttons
  FrameAllowance, HighLimitTitle, LowLimitTitle, Force, Frequency, PrintTitle,
  WindowCaption, TitleLabel,
  Start, Stop, Save, Print, Exit, MeasureScreen, AlarmScreen, Reset,
  // run indicator
  MeasureMode,
  // messages
  DllNotFound, HandlerNotRunning, NotNumerical, HighAboveLow, AllowanceTitle,
  // alarm screen labels
  AlarmNo, SubCode,
  // diagnose panel: last link event
  DiagExeStarted, DiagDriverStarted, DiagDriverStartError, DiagExeEnded,
  DiagDriverStopped, DiagErrorReceived, DiagDataReceived,
  // results file and printout
  AlreadyExists, OverwriteIt, SaveFile,
  // run log that cannot be written: its lines wait in memory
  RunLogNotWritten, RunLogFull, ResultsLackReadings, PrintoutLacksReadings,
  // settings dialog
  SettingLanguageLabel, SaveTypeHeading, SaveTypeExplanation, DiagHeading, DiagExplanation,
  SettingSet, SettingCaption, OptOnlyGood, OptAll, OptDisable, OptEnable,
  // about box
  VersionInformation, MakerName, AboutTitle,
  // printing: no printer, and what failed while printing
  NoPrinter, RunLogNotRead, PrintFileNotWritten, PrinterNotOpened, PrintJobRefused, PrintPageFailed,
  PrintJobNotSent,
  // the printing box while a printout goes to the printer (%1, %2: filled in)
  PrintingWhat, PrintingPage, PrintingCancel,
  // the statistics window (%1: the limit unit, N or Hz)
  MenuStatistics, StatsCaption, StatsReadings, StatsNotNumeric, StatsGoodRate, StatsTension,
  StatsFrequency, StatsMean, StatsStdDev, StatsMin, StatsMax, StatsRange, StatsCapability,
  StatsRunChart, StatsHistogram, StatsCopy, StatsSavePicture, StatsNotCopied, StatsPictureNotSaved,
  // the run archive: its window, list, notices and settings (%1: filled in)
  MenuRunArchive, ArchiveCaption, ArchiveStarted, ArchiveComputer, ArchivePrintTitle, ArchiveReadings,
  ArchiveGoodRate, ArchiveState, ArchiveReading, ArchiveNotYetArchived, ArchiveEmptyFile,
  ArchiveNotResults, ArchiveUnreadable, ArchiveOpen, ArchiveShowInFolder, ArchiveStatistics,
  ArchiveRefresh, ArchiveNoLimits, ArchiveRunsWaiting, ArchiveBacklogDelivered,
  ArchiveSpoolFailed, SettingKeepEveryRun, SettingArchiveFolder, SettingBrowse,
  // named allowances: the list's dialog, its entry editor, the refusals and
  // the import report (%1, %2: filled in)
  MenuAllowances, AllowancesCaption, AllowanceName, AllowanceUnit, AllowanceHigh, AllowanceLow,
  AllowancePrintTitle, AllowanceUse, AllowanceNew, AllowanceEdit, AllowanceDelete, AllowanceMoveUp,
  AllowanceMoveDown, AllowanceImport, AllowanceExport, AllowanceClose, AllowanceEntryCaption,
  AllowanceOk, AllowanceCancel, AllowanceInUse, AllowanceNotPickable,
  FaultNameEmpty, FaultNameTooLong, FaultControlCharacter, FaultFieldTooLong, FaultNameTaken,
  FaultNameEarlierLine, FaultUnitUnknown, FaultTooFewFields, FaultTooManyFields, FaultQuoteNotClosed,
  FaultNotUtf8, FaultFileUtf16,
  ImportLineRefused, ImportMoreRefused, ImportCounts, ImportNothingRefused, ImportNotRead,
  ListFileLinesRefused, ListNotWritten, ExportNotWritten, CsvFileFilter,
  Count
};

using winkit::TextPair;

const TextPair& TextPairOf(Text id);

// The English text when curLanguage is exactly "english", else the Japanese.
std::string PickText(std::string_view curLanguage, std::string_view japanese,
                     std::string_view english);
std::string PickText(std::string_view curLanguage, Text id);

// `text` with each "%1" replaced by `first` and each "%2" by `second`: the
// pairs that name a figure, a unit or a printer.
std::string FillIn(std::string_view text, std::string_view first, std::string_view second);

inline constexpr const char kEnglish[] = "english";
inline bool IsEnglish(std::string_view curLanguage) { return curLanguage == kEnglish; }

} // namespace orva
