// ORVA.ini on real files through the platform's private-profile functions.
#include "station/settings/ini_rules.h"
#include "station/settings/win/settings_file.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace orva {
namespace {

class StationSettingsFile : public ::testing::Test {
protected:
  void SetUp() override {
    char temp[MAX_PATH];
    ASSERT_GT(GetTempPathA(MAX_PATH, temp), 0u);
    folder_ = std::string(temp) + "orva_settings_" + std::to_string(GetCurrentProcessId()) + "_" +
              ::testing::UnitTest::GetInstance()->current_test_info()->name();
    CreateDirectoryA(folder_.c_str(), nullptr);
    ini_ = folder_ + "\\ORVA.ini";
    DeleteFileA(ini_.c_str());
  }
  void TearDown() override {
    // Wine keeps a cache of profile files; flush it so the file can go.
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, ini_.c_str());
    DeleteFileA(ini_.c_str());
    RemoveDirectoryA(folder_.c_str());
  }

  void WriteRaw(const std::string& content) {
    std::ofstream out(ini_, std::ios::binary);
    out << content;
  }
  std::string ReadRaw() {
    std::ifstream in(ini_, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  }
  bool IniExists() { return GetFileAttributesA(ini_.c_str()) != INVALID_FILE_ATTRIBUTES; }

  std::string folder_;
  std::string ini_;
};

TEST_F(StationSettingsFile, MissingFileReadsEmptyAndIsNotCreated) {
  for (const char* key : {kKeyHigh, kKeyLow, kKeyLimitMode})
    EXPECT_EQ(GetIniValue(ini_, kSecLimit, key), "") << key;
  EXPECT_EQ(GetIniValue(ini_, kSecSaveType, kKeyNeglectHighLow), "");
  EXPECT_EQ(GetIniValue(ini_, kSecDiagnose, kKeyMode), "");
  EXPECT_FALSE(IniExists());
}

TEST_F(StationSettingsFile, ValuesAsStored) {
  WriteRaw("[Limit]\r\nHigh=20\r\nLow=\r\nLimitMode=n\r\n"
           "[Print]\r\nTitle=Line 3 belts   \r\n"
           "[Diagnose]\r\nMode=Enable\r\n"
           "[Language]\r\nLanguageType=japanese\r\n");
  const struct {
    const char* section;
    const char* key;
    const char* value;
  } cases[] = {
      {kSecLimit, kKeyHigh, "20"},
      {kSecLimit, kKeyLow, ""},                     // present but empty
      {kSecLimit, kKeyLimitMode, "n"},              // read as stored; only "N" means newtons
      {kSecPrint, kKeyTitle, "Line 3 belts"},       // trailing spaces are lost
      {kSecDiagnose, kKeyMode, "Enable"},
      {kSecSaveType, kKeyNeglectHighLow, ""},       // section missing
      {kSecPrint, "Missing", ""},                   // key missing
  };
  for (const auto& c : cases) EXPECT_EQ(GetIniValue(ini_, c.section, c.key), c.value) << c.key;
  EXPECT_EQ(ReadIni(ini_, kSecLimit, kKeyHigh), "20");
}

TEST_F(StationSettingsFile, LongValueIsCutTo254Characters) {
  const std::string value(300, 'x');
  WriteRaw("[Print]\r\nTitle=" + value + "\r\n");
  EXPECT_EQ(GetIniValue(ini_, kSecPrint, kKeyTitle), std::string(254, 'x'));

  WritePrivateProfileStringA(nullptr, nullptr, nullptr, ini_.c_str());
  WriteRaw("[Print]\r\nTitle=" + std::string(254, 'y') + "\r\n");
  EXPECT_EQ(GetIniValue(ini_, kSecPrint, kKeyTitle), std::string(254, 'y'));
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!line.empty()) lines.push_back(line);
  }
  return lines;
}

TEST_F(StationSettingsFile, ShutdownSaveCreatesOnlyLimitAndPrint) {
  SaveWindowSettings(ini_, WindowSettings{1, "5", "10", "Belt A"});
  WritePrivateProfileStringA(nullptr, nullptr, nullptr, ini_.c_str());
  ASSERT_TRUE(IniExists());
  EXPECT_EQ(Lines(ReadRaw()), (std::vector<std::string>{"[Limit]", "LimitMode=Hz", "Low=5", "High=10",
                                                          "[Print]", "Title=Belt A"}));
}

TEST_F(StationSettingsFile, ShutdownSaveKeepsOtherSectionsAndRoundTrips) {
  WriteRaw("[SaveType]\r\nNeglectHighLow=false\r\n[Language]\r\nLanguageType=japanese\r\n"
           "[Limit]\r\nHigh=99\r\n");
  SaveWindowSettings(ini_, WindowSettings{0, "", "abc", ""}); // written as they stand, empty included
  WritePrivateProfileStringA(nullptr, nullptr, nullptr, ini_.c_str());
  EXPECT_EQ(GetIniValue(ini_, kSecLimit, kKeyLimitMode), "N");
  EXPECT_EQ(GetIniValue(ini_, kSecLimit, kKeyHigh), "abc");
  EXPECT_EQ(GetIniValue(ini_, kSecLimit, kKeyLow), "");
  EXPECT_EQ(GetIniValue(ini_, kSecPrint, kKeyTitle), "");
  EXPECT_EQ(GetIniValue(ini_, kSecSaveType, kKeyNeglectHighLow), "false");
  EXPECT_EQ(GetIniValue(ini_, "Language", "LanguageType"), "japanese");
  EXPECT_EQ(ReadRaw().find("LanguageType=english"), std::string::npos);
}

TEST_F(StationSettingsFile, WriteIniReplacesOneValue) {
  WriteIni(ini_, kSecSaveType, kKeyNeglectHighLow, "true");
  WriteIni(ini_, kSecSaveType, kKeyNeglectHighLow, "false");
  WriteIni(ini_, kSecDiagnose, kKeyMode, "enable");
  EXPECT_EQ(GetIniValue(ini_, kSecSaveType, kKeyNeglectHighLow), "false");
  EXPECT_EQ(GetIniValue(ini_, kSecDiagnose, kKeyMode), "enable");
}

TEST_F(StationSettingsFile, FolderOfThatNameIsNoSettingsFile) {
  ASSERT_TRUE(CreateDirectoryA(ini_.c_str(), nullptr));
  EXPECT_EQ(GetIniValue(ini_, kSecLimit, kKeyHigh), "");
  RemoveDirectoryA(ini_.c_str());
}

} // namespace
} // namespace orva
