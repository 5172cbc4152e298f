#include "installer/common/driver_command.h"

#include "installer/common/path_rules.h"

namespace orva::installer {

std::string DriverToolParameters(std::string_view infFolder, std::string_view infName,
                                 std::string_view action) {
  std::string line = "-inf ";
  line += infFolder;
  line += infName;
  line += action;
  return line;
}

std::string InfFolderOf(std::string windowsFolder) {
  return WithBackslash(AddBackslash(windowsFolder) + "inf");
}

} // namespace orva::installer
