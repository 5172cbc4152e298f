// The sweep's SweepSystem on the real file system, the real device-link
// library and the tool's message-pumping pause.
#pragma once

#include "installer/common/win/tool.h"
#include "installer/dirsweep/sweep.h"
#include "installer/dirsweep/win/exe_active_binding.h"

namespace orva::dirsweep {

class WinSweepSystem final : public SweepSystem {
public:
  // METERLINK.DLL is looked for in the tool's folder.
  explicit WinSweepSystem(const installer::Tool& tool);

  bool IsFile(const std::string& path) override;
  bool IsFolder(const std::string& path) override;
  std::optional<std::string> ReadFirstLine(const std::string& path, std::string& error) override;
  std::optional<bool> ExeActive(std::uint32_t window, std::string& error) override;
  void PauseSeconds(double seconds) override;
  bool DeleteFolder(const std::string& path, std::string& error) override;

private:
  const installer::Tool& tool_;
  ExeActiveBinding exeActive_;
};

// The first line of a text file without its line end; nullopt when the file
// cannot be read or is empty, with `error` saying why (ANSI).
std::optional<std::string> ReadFirstLineOf(const std::string& path, std::string& error);

} // namespace orva::dirsweep
