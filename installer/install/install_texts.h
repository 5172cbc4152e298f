// Every English/Japanese pair of INSTALL.EXE, in one table. Byte for byte:
// the trailing blanks of two messages, the "フィルダ" of the folder message
// and the lone CR (no LF) between the lines of a multi-line status.
#pragma once

#include "installer/common/language.h"

namespace orva::installer::install_text {

// captions
inline constexpr TextPair kBrowse = {"参照", "Browse"};
inline constexpr TextPair kNext = {"次へ", "Next"};
inline constexpr TextPair kComplete = {"完了", "Complete"};
inline constexpr TextPair kCancel = {"キャンセル", "Cancel"};
inline constexpr TextPair kHelp = {"ヘルプ", "Help"};
inline constexpr TextPair kSaveTitle = {"保存", "Save"};

// status lines
inline constexpr TextPair kSwitchOffPrompt = {"Q880の電源をオフしてから[次へ]釦を押してください",
                                              "Push [Next]key after turn OFF the power supply of Q880."};
inline constexpr TextPair kConnectPrompt = {
    "Q880を接続して電源を入れてから[次へ]釦を押してください\r"
    "ハードウエアウィザードが表示されても実行しないで、\r"
    "表示したままにしておいてください",
    "Push [Next]key after connect Q880 and turn on the power supply .\r"
    "Keep as the hardware wizard indicated without carrying out,\r"
    "even if the hardware wizard is indicated."};
inline constexpr TextPair kConnectAndSwitchOn = {"Q880を接続して電源を入れてから[次へ]釦を押してください",
                                                 "Push [Next]key after connect Q880 and turn on the power supply ."};
inline constexpr TextPair kSelectFolder = {"インストール先のフォルダ", "Select folder to install"};
inline constexpr TextPair kCopyFiles = {"ファイルをコピーしています...", "Copy files..."};
inline constexpr TextPair kInstallingDriver = {"ドライバのインストール中です...", "Installing of driver..."};
inline constexpr TextPair kInstallingMeter = {"Q880のインストール中です...", "Installing of Q880..."};
inline constexpr TextPair kWizardMayFinish = {
    "ハードウエアウィザードが自動的に終了しない場合は、\r"
    "[次へ]釦を押してハードウエアウィザードを実行してください",
    "If the hardware wizard disappears automatically\r"
    "after installation is completed,\r"
    "push [Next]key of the hardware wizard and carry out."};
inline constexpr TextPair kCancelWizardSwitchOn = {
    "もしハードウエアウィザードが起動していたら、\r"
    "[キャンセル]釦を押してハードウエアウィザードを終了してください\r"
    "それから、Q880の電源をオンしてください",
    "If the hardware wizard is appeared, push [Cancel]key\r"
    "of the hardware wizard and finish the hardware wizard.\r"
    "And Turn ON the power supply of Q880."};
inline constexpr TextPair kDriverFailed = {"ドライバのインストールが失敗しました",
                                           "The installation of the driver was unsuccessful."};

// message boxes
inline constexpr TextPair kRunSetupFromDisk = {"インストールディスクの'Setup.exe'を実行してください",
                                               "Execute 'Setup.exe' on the install disk."};
inline constexpr TextPair kBadFolderName = {"フィルダの名称が正しくありません", "The name of folder isn't right. "};
inline constexpr TextPair kNoSystemFolder = {"Windowsシステムフォルダが見つかりません",
                                             "Windows system folder isn't found."};
inline constexpr TextPair kNoSystem32 = {"\\Windows\\System32\\ フォルダが見つかりません",
                                         "\\Windows\\System32\\ folder isn't found. "};
inline constexpr TextPair kKindNotAvailable = {"Windows98/Me/NTには対応していません",
                                               "Not available for Windows98/Me/NT."};
// Copying over a running measurement program would leave a half-replaced
// installation, so the wizard asks for it to be closed first.
inline constexpr TextPair kCloseMeasurementProgram = {
    "測定プログラム(ORVA.exe)が実行中です。終了してから[次へ]釦を押してください",
    "The measurement program (ORVA.exe) is running. Close it, then push [Next]key."};

} // namespace orva::installer::install_text
