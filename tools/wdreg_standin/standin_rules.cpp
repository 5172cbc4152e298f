#include "tools/wdreg_standin/standin_rules.h"

#include <cctype>
#include <cstdlib>
#include <sstream>

namespace wdreg_standin {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string Lower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

std::string Trim(const std::string& s) {
  size_t b = 0, e = s.size();
  while (b < e && std::isspace(static_cast<unsigned char>(s[b]))) ++b;
  while (e > b && std::isspace(static_cast<unsigned char>(s[e - 1]))) --e;
  return s.substr(b, e - b);
}

std::optional<int> Number(const std::string& text) {
  if (text.empty()) return std::nullopt;
  char* end = nullptr;
  const long v = std::strtol(text.c_str(), &end, 10);
  if (*end != '\0' || v < -2147483647L || v > 2147483647L) return std::nullopt;
  return static_cast<int>(v);
}

} // namespace

CommandLine SplitCommandLine(const std::string& line) {
  CommandLine out;
  size_t i = 0;
  // Same rule as the system's: a quoted program name runs to the next quote,
  // an unquoted one to the first blank.
  if (i < line.size() && line[i] == '"') {
    const size_t close = line.find('"', 1);
    out.program = line.substr(1, close == std::string::npos ? std::string::npos : close - 1);
    i = close == std::string::npos ? line.size() : close + 1;
  } else {
    while (i < line.size() && !IsBlank(line[i])) ++i;
    out.program = line.substr(0, i);
  }
  while (i < line.size() && IsBlank(line[i])) ++i;
  out.arguments = line.substr(i);
  return out;
}

std::optional<Request> ParseRequest(const std::string& arguments) {
  std::istringstream words(arguments);
  std::string word;
  Request r;
  bool haveInf = false;
  while (words >> word) {
    const std::string w = Lower(word);
    if (w == "-inf") {
      if (!(words >> r.inf)) return std::nullopt;
      haveInf = true;
    } else if (w == "-silent") {
      r.silent = true;
    } else if ((w == "install" || w == "uninstall") && r.action.empty()) {
      r.action = w;
    } else {
      return std::nullopt;
    }
  }
  if (!haveInf || r.action.empty()) return std::nullopt;
  return r;
}

Control ParseControl(const std::string& text, const std::string& toolName) {
  Control c;
  std::istringstream lines(text);
  std::string line;
  const std::string tool = Lower(toolName);
  while (std::getline(lines, line)) {
    const size_t hash = line.find('#');
    if (hash != std::string::npos) line.erase(hash);
    line = Trim(line);
    const size_t eq = line.find('=');
    if (eq == std::string::npos) continue;
    std::string key = Trim(line.substr(0, eq));
    const std::string value = Trim(line.substr(eq + 1));
    // "wdreg16.exe: delay = 5" limits the line to one tool; a drive letter
    // cannot appear here because the key comes before '='.
    const size_t colon = key.find(':');
    if (colon != std::string::npos) {
      if (Lower(Trim(key.substr(0, colon))) != tool) continue;
      key = Trim(key.substr(colon + 1));
    }
    key = Lower(key);
    if (key == "delay") {
      if (auto n = Number(value); n && *n >= 0) c.delayMs = *n;
    } else if (key == "hold") {
      c.holdPath = value;
    } else if (key == "exit") {
      if (auto n = Number(value)) c.exitCode = *n;
    }
  }
  return c;
}

int ExitCodeFor(const std::optional<Request>& request, bool infExists) {
  if (!request) return kExitUsage;
  if (request->action == "install" && !infExists) return kExitInfMissing;
  return kExitDone;
}

std::string LogLine(const std::string& toolPath, const std::string& arguments) {
  return toolPath + "\t" + arguments;
}

std::vector<LoggedCall> ParseLog(const std::string& text) {
  std::vector<LoggedCall> calls;
  std::istringstream lines(text);
  std::string line;
  while (std::getline(lines, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty()) continue;
    const size_t tab = line.find('\t');
    if (tab == std::string::npos) {
      calls.push_back({line, ""});
    } else {
      calls.push_back({line.substr(0, tab), line.substr(tab + 1)});
    }
  }
  return calls;
}

std::string FileNameOf(const std::string& path) {
  const size_t slash = path.find_last_of("\\/");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

} // namespace wdreg_standin
