#include "installer/common/common_texts.h"

#include <array>
#include <cstddef>

namespace orva::installer {
namespace {

constexpr std::array<winkit::TextRow<CommonText>, static_cast<std::size_t>(CommonText::Count)> kTexts = {{
    {CommonText::CopyFilesStatus, {"ファイルをコピーしています...", "Copy files..."}},
    {CommonText::CopyFileStatus, {"ファイルをコピーしています...", "Copy file..."}},
    {CommonText::DeleteFilesStatus, {"ファイルを削除しています...", "Delete files..."}},
}};
static_assert(winkit::RowsInEnumOrder(kTexts), "every CommonText has its row, in the order of the enum");

} // namespace

const TextPair& TextPairOf(CommonText id) { return winkit::PairIn(kTexts, id); }

} // namespace orva::installer
