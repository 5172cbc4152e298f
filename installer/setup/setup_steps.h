// The setup launcher's one pass (Next): the shared controls into the system
// folder, the disk into the temporary folder, then the installer started
// from there. The window implements SetupHost with the shared routines.
#pragma once

#include "installer/common/language.h"

#include <string>

namespace orva::installer {

class SetupHost {
public:
  virtual ~SetupHost() = default;
  virtual void ShowStatus(const TextPair& text, int alignment, unsigned colour) = 0;
  virtual void HideNext() = 0; // disabled and hidden
  virtual void ReadSystemFolders(std::string& windowsFolder, std::string& systemFolder) = 0;
  virtual void InstallSystemControl(const std::string& fileName) = 0; // with its status line
  virtual bool IsFolder(const std::string& path) = 0;
  virtual void CreateFolder(const std::string& path) = 0;
  virtual void CopyToFolder(const std::string& fileName, const std::string& folder) = 0;
  virtual bool LaunchProgram(const std::string& path) = 0; // reports its own failure
  virtual void CloseWindow() = 0;
};

void RunSetup(SetupHost& host, Language language);

} // namespace orva::installer
