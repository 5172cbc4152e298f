#include "installer/install/install_texts.h"

#include <array>
#include <cstddef>

namespace orva::installer {
namespace {

constexpr std::array<winkit::TextRow<InstallText>, static_cast<std::size_t>(InstallText::Count)> kTexts = {{
    // captions
    {InstallText::Browse, {"参照", "Browse"}},
    {InstallText::Next, {"次へ", "Next"}},
    {InstallText::Complete, {"完了", "Complete"}},
    {InstallText::Cancel, {"キャンセル", "Cancel"}},
    {InstallText::Help, {"ヘルプ", "Help"}},
    {InstallText::SaveTitle, {"保存", "Save"}},
    // status lines
    {InstallText::SwitchOffPrompt,
     {"Q880の電源をオフしてから[次へ]釦を押してください",
      "Push [Next]key after turn OFF the power supply of Q880."}},
    {InstallText::ConnectPrompt,
     {"Q880を接続して電源を入れてから[次へ]釦を押してください\r"
      "ハードウエアウィザードが表示されても実行しないで、\r"
      "表示したままにしておいてください",
      "Push [Next]key after connect Q880 and turn on the power supply .\r"
      "Keep as the hardware wizard indicated without carrying out,\r"
      "even if the hardware wizard is indicated."}},
    {InstallText::ConnectAndSwitchOn,
     {"Q880を接続して電源を入れてから[次へ]釦を押してください",
      "Push [Next]key after connect Q880 and turn on the power supply ."}},
    {InstallText::SelectFolder, {"インストール先のフォルダ", "Select folder to install"}},
    {InstallText::CopyFiles, {"ファイルをコピーしています...", "Copy files..."}},
    {InstallText::InstallingDriver, {"ドライバのインストール中です...", "Installing of driver..."}},
    {InstallText::InstallingMeter, {"Q880のインストール中です...", "Installing of Q880..."}},
    {InstallText::WizardMayFinish,
     {"ハードウエアウィザードが自動的に終了しない場合は、\r"
      "[次へ]釦を押してハードウエアウィザードを実行してください",
      "If the hardware wizard disappears automatically\r"
      "after installation is completed,\r"
      "push [Next]key of the hardware wizard and carry out."}},
    {InstallText::CancelWizardSwitchOn,
     {"もしハードウエアウィザードが起動していたら、\r"
      "[キャンセル]釦を押してハードウエアウィザードを終了してください\r"
      "それから、Q880の電源をオンしてください",
      "If the hardware wizard is appeared, push [Cancel]key\r"
      "of the hardware wizard and finish the hardware wizard.\r"
      "And Turn ON the power supply of Q880."}},
    {InstallText::DriverFailed, {"ドライバのインストールが失敗しました", "The installation of the driver was unsuccessful."}},
    // message boxes
    {InstallText::RunSetupFromDisk,
     {"インストールディスクの'Setup.exe'を実行してください",
      "Execute 'Setup.exe' on the install disk."}},
    {InstallText::BadFolderName, {"フィルダの名称が正しくありません", "The name of folder isn't right. "}},
    {InstallText::NoSystemFolder, {"Windowsシステムフォルダが見つかりません", "Windows system folder isn't found."}},
    {InstallText::NoSystem32,
     {"\\Windows\\System32\\ フォルダが見つかりません",
      "\\Windows\\System32\\ folder isn't found. "}},
    {InstallText::KindNotAvailable, {"Windows98/Me/NTには対応していません", "Not available for Windows98/Me/NT."}},
    // Copying over a running measurement program would leave a half-replaced
    // installation, so the wizard asks for it to be closed first.
    {InstallText::CloseMeasurementProgram,
     {"測定プログラム(ORVA.exe)が実行中です。終了してから[次へ]釦を押してください",
      "The measurement program (ORVA.exe) is running. Close it, then push [Next]key."}},
}};
static_assert(winkit::RowsInEnumOrder(kTexts), "every InstallText has its row, in the order of the enum");

} // namespace

const TextPair& TextPairOf(InstallText id) { return winkit::PairIn(kTexts, id); }

} // namespace orva::installer
