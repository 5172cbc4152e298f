// LinkKeeper.exe — the ORVA meter simulator. It is not the real USB handler
// program: it plays the handler and the meter for meterlink.dll and ORVA.exe
// so they can be run, tested and demonstrated without hardware. What it does
// is driven by a scenario file (see SCENARIO.md beside the sources).
#include <windows.h>

#include <fstream>
#include <iterator>
#include <string>

#include "tools/linkkeeper/log_lines.h"
#include "tools/linkkeeper/scenario.h"
#include "tools/linkkeeper/scenario_source.h"
#include "tools/linkkeeper/win/shared_objects.h"
#include "tools/linkkeeper/win/sim_window.h"
#include "winkit/program.h"
#include "winkit/program_folder.h"
#include "winkit/text.h"

namespace {

using namespace linkkeeper;

std::string EnvironmentValue(const char* name) {
  char value[MAX_PATH * 2] = {};
  const DWORD n = GetEnvironmentVariableA(name, value, sizeof value);
  return n > 0 && n < sizeof value ? std::string(value) : std::string();
}

bool ReadFile(const std::string& path, std::string& text) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return true;
}

struct LoadedScenario {
  ParsedScenario parsed;
  std::string origin = "built-in defaults";
};

LoadedScenario LoadScenario(const char* commandLine) {
  LoadedScenario out;
  for (const std::string& path :
       ScenarioCandidates(EnvironmentValue(kScenarioVariable), commandLine, winkit::ModuleFolder())) {
    std::string text;
    if (ReadFile(path, text)) {
      out.parsed = ParseScenario(text);
      out.origin = path;
      return out;
    }
  }
  return out;
}

// Up to the first NUL, as a C string.
std::wstring Widen(const std::string& text) { return winkit::WideFromAnsi(text.c_str()); }

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int showCommand) {
  const LoadedScenario loaded = LoadScenario(commandLine);
  const Scenario& scenario = loaded.parsed.scenario;
  const LogFile log(scenario.logPath);

  SharedObjects shared;
  const bool sharedOk = shared.Open();

  HWND window = nullptr;
  SimWindow simWindow(scenario, shared, log, Widen(loaded.origin));
  if (!scenario.noWindow) {
    window = simWindow.Create(instance, showCommand); // publishes its handle
  }
  log.Append(StartLine(GetCurrentProcessId(),
                       static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(window))));
  if (!sharedOk) log.Append("shared objects: " + shared.error());
  for (const auto& problem : loaded.parsed.problems) log.Append(ProblemLine(problem.line, problem.text));

  // Without a window (no_window = 1) the loop still runs, so the process
  // becomes input-idle but gives the library nothing to talk to.
  const int code = winkit::RunMessageLoop(nullptr);
  log.Append("exit");
  return code;
}
