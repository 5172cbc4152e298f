// The list file and the name in use on real files: the list is replaced
// whole, a damaged one kept beside it once, a list that cannot be written
// leaves the one there untouched; the longest Japanese name in use survives
// ORVA.ini's ANSI profile functions.
#include "station/allowances/active_allowance.h"
#include "station/allowances/win/allowance_files.h"
#include "station/settings/win/settings_file.h"
#include "tools/testsupport/test_files.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace orva {
namespace {

using testsupport::FilesIn;
using testsupport::ReadWholeFile;

const std::string kBelt = "\xE3\x83\x99\xE3\x83\xAB\xE3\x83\x88"; // ベルト

TEST(AllowanceFiles, TheListIsReplacedWholeAndADamagedOneKeptBesideIt) {
  const std::string folder = testsupport::FreshTempFolder("allowance-files");
  const std::string list = AllowanceListPathBeside(folder + "\\ORVA.ini");
  EXPECT_EQ(list, folder + "\\Allowances.csv");
  EXPECT_TRUE(ReadAllowanceListFile(list).entries.empty()); // no file: no entries

  testsupport::WriteWholeFile(list, "name,unit,high,low,title\r\nA,N,2,1\r\nB,kg,2,1\r\n");
  const CsvReading damaged = ReadAllowanceListFile(list);
  ASSERT_EQ(damaged.entries.size(), 1u);
  ASSERT_EQ(damaged.refused.size(), 1u);

  const std::string bytes = WriteAllowanceCsv({{kBelt, LimitUnit::Hz, "95", "80", kBelt}});
  ASSERT_TRUE(WriteFileReplacing(list, bytes, true));
  EXPECT_EQ(ReadWholeFile(list), bytes);
  EXPECT_EQ(ReadWholeFile(list + ".bak"), "name,unit,high,low,title\r\nA,N,2,1\r\nB,kg,2,1\r\n");
  EXPECT_EQ(ReadAllowanceListFile(list).entries.at(0).name, kBelt);
  ASSERT_TRUE(WriteFileReplacing(list, WriteAllowanceCsv({}), false));
  EXPECT_NE(ReadWholeFile(list + ".bak").find("B,kg"), std::string::npos); // kept once, not overwritten
  EXPECT_EQ(FilesIn(folder).size(), 2u) << "no temporary file left";

  // A list held open by another program cannot be replaced: it stays whole.
  {
    testsupport::RunLogBlocker held(testsupport::RunLogBlocker::Locked, list);
    ASSERT_TRUE(held.Blocking());
    EXPECT_FALSE(WriteFileReplacing(list, bytes, false));
  }
  EXPECT_EQ(ReadWholeFile(list), WriteAllowanceCsv({}));
  EXPECT_EQ(FilesIn(folder).size(), 2u) << "no temporary file left";
  testsupport::RemoveTree(folder);
}

TEST(AllowanceFiles, TheLongestNameInUseReadsBackFromTheSettingsFile) {
  const std::string folder = testsupport::FreshTempFolder("allowance-ini");
  const std::string ini = folder + "\\ORVA.ini";
  std::string name;
  for (size_t i = 0; i < kMaxNameChars; ++i) name += kBelt.substr(0, 3);
  WriteIni(ini, kSecAllowances, kKeyActiveAllowance, EncodeActiveName(name));
  EXPECT_EQ(DecodeActiveName(GetIniValue(ini, kSecAllowances, kKeyActiveAllowance, kActiveNameBufferSize)), name);
  testsupport::RemoveTree(folder);
}

} // namespace
} // namespace orva
