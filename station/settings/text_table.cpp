// The English/Japanese pairs of ORVA.exe, in the order of the Text enum.
// Byte for byte: trailing spaces and the double space of "Low  Limit " make
// the two limit captions line up; the alarm labels are half-width katakana.
#include "station/settings/text_table.h"

#include <array>

namespace orva {
namespace {

constexpr std::size_t kTextCount = static_cast<std::size_t>(Text::Count);

constexpr std::array<winkit::TextRow<Text>, kTextCount> kTexts = {{
    // menus
    {Text::MenuFile, {"ファイル", "File"}},
    {Text::MenuSave, {"保存", "Save"}},
    {Text::MenuPrint, {"印刷", "Print"}},
    {Text::MenuExit, {"終了", "Exit"}},
    {Text::MenuTool, {"ツール", "Tool"}},
    {Text::MenuDiagnose, {"診断", "Diagnose"}},
    {Text::MenuSetting, {"設定", "Setting"}},
    {Text::MenuHelp, {"ヘルプ", "Help"}},
    {Text::MenuHelpItem, {"ヘルプ", "Help"}},
    {Text::MenuVersion, {"バージョン", "Version"}},
    // main window labels, frames and buttons
    {Text::FrameAllowance, {"許容値", "Allowance"}},
    {Text::HighLimitTitle, {"上限値 ", "High Limit "}},
    {Text::LowLimitTitle, {"下限値 ", "Low  Limit "}},
    {Text::Force, {"張力", "Force"}},
    {Text::Frequency, {"周波数", "Frequency"}},
    {Text::PrintTitle, {"印刷タイトル", "Print Title"}},
    {Text::WindowCaption, {"音波式張力計", "Sound Wave Style Tension Meter"}},
    {Text::TitleLabel, {"TENSOWAVE", "TENSOWAVE"}},
    {Text::Start, {"測定開始", "START"}},
    {Text::Stop, {"測定終了", "STOP"}},
    {Text::Save, {"保存", "Save"}},
    {Text::Print, {"印刷", "Print"}},
    {Text::Exit, {"終了", "Exit"}},
    {Text::MeasureScreen, {"測定画面", "MEASURE screen"}},
    {Text::AlarmScreen, {"アラーム画面", "ALARM screen"}},
    {Text::Reset, {"アラーム解除", "RESET"}},
    // run indicator
    {Text::MeasureMode, {"測定中", "Measure Mode"}},
    // messages
    {Text::DllNotFound, {"DLL(meterlink.dll)が見つかりません", "DLL(meterlink.dll) is not found."}},
    {Text::HandlerNotRunning, {"ドライバ(LinkKeeper)が起動していません", "Driver(LinkKeeper) was not executed."}},
    {Text::NotNumerical, {"入力値が数値ではありません。", "Input value is not numerical value."}},
    {Text::HighAboveLow,
     {"上限値は下限値より大きな値を設定してください。", "Set bigger value in high limit than low limit."}},
    {Text::AllowanceTitle, {"許容値", "Allowance"}},
    // alarm screen labels
    {Text::AlarmNo, {"ｱﾗｰﾑNo.", "Alarm No."}},
    {Text::SubCode, {"ｻﾌﾞｺｰﾄﾞ:", "Sub Code:"}},
    // diagnose panel: last link event
    {Text::DiagExeStarted, {"USB EXE 起動完了", "Start of USB EXE was completed"}},
    {Text::DiagDriverStarted, {"USB ドライバ起動完了", "Start of USB driver was completed"}},
    {Text::DiagDriverStartError, {"USB ドライバ起動エラー", "Starting error of USB driver"}},
    {Text::DiagExeEnded, {"USB EXE 終了", "USB EXE was unloaded"}},
    {Text::DiagDriverStopped, {"USB ドライバ停止完了", "Stop of USB driver was completed"}},
    {Text::DiagErrorReceived, {"USB エラー受信", "Receive error code"}},
    {Text::DiagDataReceived, {"USB データ受信", "Receive data from USB"}},
    // results file and printout
    {Text::AlreadyExists, {"は既に存在します。", "has already existed."}},
    {Text::OverwriteIt, {"上書きしますか。", "overwrite it ?"}},
    {Text::SaveFile, {"ファイルの保存", "Save File"}},
    // run log that cannot be written: its lines wait in memory
    {Text::RunLogNotWritten,
     {"測定記録ファイル(temp.txt)に現在書き込めません。測定値は保持され、書き込めるようになり次第記録されます。",
      "The run log (temp.txt) cannot be written just now. Readings are kept and written to it as soon as it "
      "can be written again."}},
    {Text::RunLogFull,
     {"測定記録ファイル(temp.txt)に長時間書き込めないため、保持できる測定値(100,000件)が一杯です。"
      "書き込めるようになるまで、以降の測定値は表示されますが記録されません。",
      "The run log (temp.txt) has not been writable for too long: 100,000 readings are waiting. Further "
      "readings are shown but not recorded until it can be written again."}},
    {Text::ResultsLackReadings,
     {"測定記録ファイル(temp.txt)を現在読み書きできないため、この保存ファイルには含まれていない測定値があります。"
      "書き込めるようになってから再度保存してください。",
      "This results file lacks readings: the run log (temp.txt) cannot be read or written just now. Save "
      "again once it is free."}},
    {Text::PrintoutLacksReadings,
     {"測定記録ファイル(temp.txt)を現在読み書きできないため、この印刷には含まれていない測定値があります。"
      "書き込めるようになってから再度印刷してください。",
      "This printout lacks readings: the run log (temp.txt) cannot be read or written just now. Print "
      "again once it is free."}},
    // settings dialog; an explanation follows its heading after a lone CR
    {Text::SettingLanguageLabel, {"Language", "Language"}},
    {Text::SaveTypeHeading, {"保存/印刷のタイプ", "Type of Save and Print"}},
    {Text::SaveTypeExplanation,
     {"    GOODのみ: 許容値外のデータは保存/印刷しない\r    全て        : 全てのデータを保存/印刷する",
      "    Only GOOD: Not save and print data out of the range\r    All: Save and Print all data"}},
    {Text::DiagHeading, {"診断表示", "Display of Diagnose"}},
    {Text::DiagExplanation,
     {"    無効: 診断表示をしない\r    有効: 診断表示をする",
      "    disable: Not indicate diagnose\r    enable : Indicate diagnose"}},
    {Text::SettingSet, {"設定", "Set"}},
    {Text::SettingCaption, {"設定", "Setting"}},
    {Text::OptOnlyGood, {"GOODのみ", "Only GOOD"}},
    {Text::OptAll, {"全て", "All"}},
    {Text::OptDisable, {"無効", "disable"}},
    {Text::OptEnable, {"有効", "enable"}},
    // about box
    {Text::VersionInformation, {"バージョン情報", "Version Information"}},
    {Text::MakerName, {"テンソウェーブ計測", "Tensowave Instruments"}},
    {Text::AboutTitle, {"TENSOWAVE", "TENSOWAVE "}},
    // printing: no printer, and what failed while printing (nothing is then printed)
    {Text::NoPrinter, {"プリンタがインストールされていません。", "No printer is installed."}},
    {Text::RunLogNotRead,
     {"測定記録ファイル(temp.txt)を現在読み込めません。印刷しませんでした。",
      "The run log (temp.txt) cannot be read just now. Nothing was printed."}},
    {Text::PrintFileNotWritten,
     {"印刷用ファイル(print.txt)に書き込めません。印刷しませんでした。",
      "The print file (print.txt) cannot be written. Nothing was printed."}},
    {Text::PrinterNotOpened, {"プリンタを開けません。印刷しませんでした。", "The printer cannot be opened. Nothing was printed."}},
    {Text::PrintJobRefused,
     {"プリンタが印刷ジョブを受け付けません。印刷を中止しました。",
      "The printer refuses the print job. Printing was cancelled."}},
    {Text::PrintPageFailed,
     {"ページを印刷できません。印刷を中止しました。", "A page cannot be printed. Printing was cancelled."}},
    {Text::PrintJobNotSent,
     {"印刷ジョブをプリンタに送れません。印刷を中止しました。",
      "The print job cannot be sent to the printer. Printing was cancelled."}},
    // the printing box: %1 readings of the run log on printer %2; page %1 of %2
    {Text::PrintingWhat, {"測定記録(%1 件)を %2 に印刷しています。", "Printing the run log (%1 readings) on %2."}},
    {Text::PrintingPage, {"%2 ページ中 %1 ページ目", "Page %1 of %2"}},
    {Text::PrintingCancel, {"キャンセル", "Cancel"}},
    // the statistics window: %1 is the limit unit, N or Hz
    {Text::MenuStatistics, {"統計", "Statistics"}},
    {Text::StatsCaption, {"測定統計", "Run Statistics"}},
    {Text::StatsReadings, {"測定数", "Readings"}},
    {Text::StatsNotNumeric, {"数値以外", "Not numeric"}},
    {Text::StatsGoodRate, {"GOOD率 (%)", "GOOD rate (%)"}},
    {Text::StatsTension, {"張力 (N)", "Tension (N)"}},
    {Text::StatsFrequency, {"周波数 (Hz)", "Frequency (Hz)"}},
    {Text::StatsMean, {"平均", "Mean"}},
    {Text::StatsStdDev, {"標準偏差", "Std. deviation"}},
    {Text::StatsMin, {"最小", "Minimum"}},
    {Text::StatsMax, {"最大", "Maximum"}},
    {Text::StatsRange, {"範囲", "Range"}},
    {Text::StatsCapability, {"許容値に対する工程能力 (%1)", "Capability against the allowance (%1)"}},
    {Text::StatsRunChart, {"推移 (%1)", "Run chart (%1)"}},
    {Text::StatsHistogram, {"度数分布 (%1)", "Histogram (%1)"}},
    {Text::StatsCopy, {"コピー", "Copy"}},
    {Text::StatsSavePicture, {"画像の保存", "Save Picture"}},
    {Text::StatsNotCopied,
     {"クリップボードにコピーできませんでした。", "The figures could not be copied to the clipboard."}},
    {Text::StatsPictureNotSaved, {"画像を保存できませんでした。", "The picture could not be saved."}},
    // the run archive: %1 is the number of runs waiting
    {Text::MenuRunArchive, {"測定履歴", "Run Archive"}},
    {Text::ArchiveCaption, {"測定履歴", "Run Archive"}},
    {Text::ArchiveStarted, {"開始日時", "Started"}},
    {Text::ArchiveComputer, {"コンピューター", "Computer"}},
    {Text::ArchivePrintTitle, {"印刷タイトル", "Print title"}},
    {Text::ArchiveReadings, {"測定数", "Readings"}},
    {Text::ArchiveGoodRate, {"GOOD率", "GOOD rate"}},
    {Text::ArchiveState, {"状態", "State"}},
    {Text::ArchiveReading, {"読み込み中...", "reading..."}},
    {Text::ArchiveNotYetArchived, {"未保管 (スプール内)", "not yet archived (in the spool)"}},
    {Text::ArchiveEmptyFile, {"空のファイル", "empty file"}},
    {Text::ArchiveNotResults, {"測定結果ファイルではありません", "not a results file"}},
    {Text::ArchiveUnreadable, {"読み込めません", "cannot be read"}},
    {Text::ArchiveOpen, {"開く", "Open"}},
    {Text::ArchiveShowInFolder, {"フォルダーに表示", "Show in Folder"}},
    {Text::ArchiveStatistics, {"統計", "Statistics"}},
    {Text::ArchiveRefresh, {"最新の情報に更新", "Refresh"}},
    {Text::ArchiveNoLimits,
     {"上下限値の行が読めないため、許容値に対する工程能力は求められません。",
      "The limits line cannot be read: no capability against the allowance."}},
    {Text::ArchiveRunsWaiting,
     {"保管フォルダーに接続できません。スプールで待機している測定: %1 件",
      "The archive folder cannot be reached. Runs waiting in the spool: %1"}},
    {Text::ArchiveBacklogDelivered,
     {"待機していた測定はすべて保管フォルダーに保管されました。", "Every waiting run is now in the archive folder."}},
    {Text::ArchiveSpoolFailed,
     {"測定を保管できません。スプールフォルダーに書き込めないか、前回の測定記録ファイル(temp.txt)を読み込めません。"
      "STARTは実行されませんでした。ディスクの空きやファイルを確認してから、もう一度STARTを押してください。",
      "The run cannot be kept: the spool folder cannot be written, or the run log (temp.txt) left by the last "
      "start cannot be read. START was not carried out: free the disk or the file, then press START again."}},
    {Text::SettingKeepEveryRun, {"すべての測定を保管する", "Keep every run"}},
    {Text::SettingArchiveFolder, {"保管フォルダー", "Archive folder"}},
    {Text::SettingBrowse, {"参照...", "Browse..."}},
    {Text::MenuAllowances, {"許容値リスト...", "Allowances..."}},
    {Text::AllowancesCaption, {"許容値リスト", "Allowances"}},
    {Text::AllowanceName, {"名前", "Name"}},
    {Text::AllowanceUnit, {"単位", "Unit"}},
    {Text::AllowanceHigh, {"上限値", "High"}},
    {Text::AllowanceLow, {"下限値", "Low"}},
    {Text::AllowancePrintTitle, {"印刷タイトル", "Print Title"}},
    {Text::AllowanceUse, {"使用", "Use"}},
    {Text::AllowanceNew, {"新規...", "New..."}},
    {Text::AllowanceEdit, {"編集...", "Edit..."}},
    {Text::AllowanceDelete, {"削除", "Delete"}},
    {Text::AllowanceMoveUp, {"上へ", "Move Up"}},
    {Text::AllowanceMoveDown, {"下へ", "Move Down"}},
    {Text::AllowanceImport, {"インポート...", "Import..."}},
    {Text::AllowanceExport, {"エクスポート...", "Export..."}},
    {Text::AllowanceClose, {"閉じる", "Close"}},
    {Text::AllowanceEntryCaption, {"許容値の登録", "Allowance Entry"}},
    {Text::AllowanceOk, {"OK", "OK"}},
    {Text::AllowanceCancel, {"キャンセル", "Cancel"}},
    {Text::AllowanceInUse, {"使用中の許容値: %1", "Allowance in use: %1"}},
    {Text::AllowanceNotPickable,
     {"測定中は許容値を選べません。", "An allowance cannot be chosen during a run."}},
    {Text::FaultNameEmpty, {"名前が空です。", "The name is empty."}},
    {Text::FaultNameTooLong, {"名前が%1文字を超えています。", "The name is longer than %1 characters."}},
    {Text::FaultControlCharacter, {"制御文字が含まれています。", "A field holds a control character."}},
    {Text::FaultFieldTooLong,
     {"上限値・下限値は%1文字、印刷タイトルは%2文字までです。",
      "A limit is longer than %1 characters or the print title longer than %2."}},
    {Text::FaultNameTaken,
     {"同じ名前の許容値がすでにリストにあります。", "An allowance of this name is already in the list."}},
    {Text::FaultNameEarlierLine,
     {"同じ名前がファイルの前の行にあります。", "An earlier line of the file has the same name."}},
    {Text::FaultUnitUnknown, {"単位がNでもHzでもありません。", "The unit is neither N nor Hz."}},
    {Text::FaultTooFewFields,
     {"項目が足りません(名前,単位,上限値,下限値)。", "Fields are missing (name, unit, high, low)."}},
    {Text::FaultTooManyFields,
     {"項目が5つ(名前,単位,上限値,下限値,印刷タイトル)より多くあります。",
      "More fields than the five columns (name, unit, high, low, title)."}},
    {Text::FaultQuoteNotClosed, {"引用符が閉じていません。", "A quotation mark is not closed."}},
    {Text::FaultNotUtf8, {"UTF-8のテキストではありません。", "Not UTF-8 text."}},
    {Text::FaultFileUtf16,
     {"UTF-16のファイルです。CSV UTF-8 形式で保存してください。",
      "The file is UTF-16 text: save it as CSV UTF-8."}},
    {Text::ImportLineRefused, {"%1行目: %2", "Line %1: %2"}},
    {Text::ImportMoreRefused, {"ほかに%1行を受け付けませんでした。", "%1 more lines refused."}},
    {Text::ImportCounts, {"追加: %1 件、置き換え: %2 件", "Added: %1, replaced: %2"}},
    {Text::ImportNothingRefused, {"受け付けなかった行はありません。", "No line was refused."}},
    {Text::ImportNotRead, {"ファイルを読み込めません。", "The file cannot be read."}},
    {Text::ListFileLinesRefused,
     {"許容値リストのファイル %1 の次の行は読み込めませんでした(元のファイルは %2 として残します):",
      "These lines of the list file %1 could not be read (the file is kept as %2):"}},
    {Text::ListNotWritten,
     {"許容値リストを書き込めません: %1", "The allowance list cannot be written: %1"}},
    {Text::ExportNotWritten, {"ファイルを書き込めません: %1", "The file cannot be written: %1"}},
    {Text::CsvFileFilter, {"CSVファイル (*.csv)", "CSV files (*.csv)"}},
}};

static_assert(winkit::RowsInEnumOrder(kTexts), "every Text has its row, in the order of the enum");

} // namespace

const TextPair& TextPairOf(Text id) { return winkit::PairIn(kTexts, id); }

std::string PickText(std::string_view curLanguage, std::string_view japanese,
                     std::string_view english) {
  return std::string(IsEnglish(curLanguage) ? english : japanese);
}

std::string PickText(std::string_view curLanguage, Text id) {
  const TextPair& pair = TextPairOf(id);
  return PickText(curLanguage, pair.japanese, pair.english);
}

std::string FillIn(std::string_view text, std::string_view first, std::string_view second) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '%' && i + 1 < text.size() && (text[i + 1] == '1' || text[i + 1] == '2')) {
      out += text[i + 1] == '1' ? first : second;
      ++i;
    } else {
      out += text[i];
    }
  }
  return out;
}

} // namespace orva
