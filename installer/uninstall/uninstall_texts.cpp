// Byte for byte: the two-line status texts are joined by a lone CR, and the
// uninstaller's folder message says "ホルダ" where the installer's says "フォルダ".
#include "installer/uninstall/uninstall_texts.h"

#include <array>
#include <cstddef>

namespace orva::uninstall {
namespace {

constexpr std::array<winkit::TextRow<Text>, static_cast<std::size_t>(Text::Count)> kTexts = {{
    {Text::WindowCaption, {"ORVA Uninstall", "ORVA Uninstall"}},
    {Text::CmdNext, {"次へ", "Next"}},
    {Text::CmdExit, {"完了", "Complete"}},
    {Text::CmdCancel, {"キャンセル", "Cancel"}},
    {Text::StartUninstallation, {"アンインストールを開始します", "Start Uninstallation"}},
    {Text::DiskRefusal,
     {"起動ディスクからはアンインストールできません\rインストール先のUninstall.exeを実行してください",
      "Can not uninstall from installing disk.\rExecute Uninstall.exe of the installed folder."}},
    // Files in use would stop the removal half-way, so it does not begin.
    {Text::ProgramRunning,
     {"測定プログラム(ORVA.exe)が起動しています\r終了してから[次へ]釦を押してください",
      "The measurement program (ORVA.exe) is running.\rClose it, then push [Next]key."}},
    {Text::SystemFolderNotFound, {"Windowsシステムホルダが見つかりません", "Windows system folder isn't found."}},
    {Text::UninstallingOrva, {"ORVAのアンインストール中です...", "Uninstalling of ORVA..."}},
    {Text::UninstallingDriver, {"ドライバのアンインストール中です...", "Uninstalling of driver..."}},
    {Text::DeleteFiles, {"ファイルを削除しています...", "Delete files..."}},
    // Heads the message that names the file and the system's reason.
    {Text::CannotDelete, {"ファイルを削除できません", "The file can not be deleted."}},
}};

static_assert(winkit::RowsInEnumOrder(kTexts), "every Text has its row, in the order of the enum");

} // namespace

const TextPair& TextPairOf(Text id) { return winkit::PairIn(kTexts, id); }

} // namespace orva::uninstall
