#include "installer/setup/setup_texts.h"

#include <array>
#include <cstddef>

namespace orva::installer {
namespace {

constexpr std::array<winkit::TextRow<SetupText>, static_cast<std::size_t>(SetupText::Count)> kTexts = {{
    {SetupText::Next, {"次へ", "Next"}},
    {SetupText::Cancel, {"キャンセル", "Cancel"}},
    {SetupText::StartInstallation, {"インストールを開始します", "Start Installation"}},
    {SetupText::PleaseWait, {"お待ちください", "Please Wait..."}},
}};
static_assert(winkit::RowsInEnumOrder(kTexts), "every SetupText has its row, in the order of the enum");

} // namespace

const TextPair& TextPairOf(SetupText id) { return winkit::PairIn(kTexts, id); }

} // namespace orva::installer
