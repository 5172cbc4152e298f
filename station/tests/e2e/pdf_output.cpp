#include "station/tests/e2e/pdf_output.h"

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>

namespace e2e {
namespace {

std::string WindowsPathOf(const std::string& unixPath) {
  std::string path = "Z:" + unixPath;
  for (char& c : path)
    if (c == '/') c = '\\';
  return path;
}

std::string ReadAll(const std::string& windowsPath) {
  std::ifstream in(windowsPath, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

std::string UnixTempName(const char* what) {
  static int serial = 0;
  return "/tmp/orva-pdf-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++serial) + what;
}

double Attribute(const std::string& tag, const char* name) {
  const std::string key = std::string(name) + "=\"";
  const size_t at = tag.find(key);
  return at == std::string::npos ? 0.0 : std::atof(tag.c_str() + at + key.size());
}

std::string Unescape(std::string text) {
  const struct {
    const char* from;
    const char* to;
  } entities[] = {{"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&apos;", "'"}, {"&amp;", "&"}};
  for (const auto& e : entities)
    for (size_t at = text.find(e.from); at != std::string::npos; at = text.find(e.from, at + 1))
      text.replace(at, std::strlen(e.from), e.to);
  return text;
}

} // namespace

bool RunUnix(const std::string& command, DWORD ms) {
  // A Unix program started from Wine is not waited for through its handle:
  // it leaves a marker file when it is done.
  const std::string marker = UnixTempName(".done");
  std::string line = "/bin/sh -c \"" + command + " ; echo $? > " + marker + "\"";
  STARTUPINFOA si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  if (!CreateProcessA("/bin/sh", line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
    return false;
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  const std::string markerPath = WindowsPathOf(marker);
  const DWORD start = GetTickCount();
  while (GetFileAttributesA(markerPath.c_str()) == INVALID_FILE_ATTRIBUTES) {
    if (GetTickCount() - start >= ms) return false;
    Sleep(50);
  }
  Sleep(50); // the marker's line is written right after its creation
  const bool ok = std::atoi(ReadAll(markerPath).c_str()) == 0;
  DeleteFileA(markerPath.c_str());
  return ok;
}

std::string PdfQueue::Folder() const { return WindowsPathOf(unixFolder); }

std::vector<std::string> PdfQueue::Files() const {
  std::vector<std::string> names;
  WIN32_FIND_DATAA entry;
  HANDLE find = FindFirstFileA((Folder() + "\\*.pdf").c_str(), &entry);
  if (find == INVALID_HANDLE_VALUE) return names;
  do {
    names.push_back(entry.cFileName);
  } while (FindNextFileA(find, &entry));
  FindClose(find);
  return names;
}

std::vector<std::string> PdfQueue::NewWith(const std::vector<std::string>& before,
                                           const std::string& mark) const {
  std::vector<std::string> found;
  for (const std::string& name : Files()) {
    bool old = false;
    for (const std::string& b : before) old = old || b == name;
    if (old) continue;
    const std::string pdf = "'" + unixFolder + "/" + name + "'";
    if (!RunUnix("pdfinfo " + pdf + " > /dev/null 2>&1", 10000)) continue;
    if (!mark.empty()) {
      const std::string text = UnixTempName(".txt");
      const bool read = RunUnix("pdftotext -l 1 " + pdf + " " + text, 10000);
      const bool marked = read && ReadAll(WindowsPathOf(text)).find(mark) != std::string::npos;
      DeleteFileA(WindowsPathOf(text).c_str());
      if (!marked) continue;
    }
    found.push_back(name);
  }
  return found;
}

std::string PdfQueue::WaitForNew(const std::vector<std::string>& before, DWORD ms, const std::string& mark) const {
  const DWORD start = GetTickCount();
  do {
    const std::vector<std::string> found = NewWith(before, mark);
    if (!found.empty()) return found.front();
    Sleep(200);
  } while (GetTickCount() - start < ms);
  return {};
}

PdfQueue QueueFromEnvironment(const char* variable) {
  const char* folder = std::getenv(variable);
  return PdfQueue{folder ? folder : ""};
}

std::vector<PdfWord> PdfContent::OnPage(int page) const {
  std::vector<PdfWord> out;
  for (const PdfWord& w : words)
    if (w.page == page) out.push_back(w);
  return out;
}

std::optional<PdfContent> ReadPdf(const PdfQueue& queue, const std::string& name) {
  const std::string pdf = "'" + queue.unixFolder + "/" + name + "'";
  const std::string info = UnixTempName(".info"), box = UnixTempName(".html");
  if (!RunUnix("pdfinfo " + pdf + " > " + info, 20000)) return std::nullopt;
  if (!RunUnix("pdftotext -bbox " + pdf + " " + box, 20000)) return std::nullopt;
  PdfContent content;
  const std::string infoText = ReadAll(WindowsPathOf(info));
  const size_t pagesAt = infoText.find("Pages:");
  if (pagesAt != std::string::npos) content.pages = std::atoi(infoText.c_str() + pagesAt + 6);

  // pdftotext gives points (1/72 inch) from the page's top-left corner.
  const std::string html = ReadAll(WindowsPathOf(box));
  int page = 0;
  for (size_t at = 0; (at = html.find('<', at)) != std::string::npos;) {
    const size_t end = html.find('>', at);
    if (end == std::string::npos) break;
    const std::string tag = html.substr(at, end - at + 1);
    if (tag.rfind("<page ", 0) == 0) {
      ++page;
    } else if (tag.rfind("<word ", 0) == 0) {
      const size_t close = html.find("</word>", end);
      content.words.push_back({page, Attribute(tag, "xMin") * 20, Attribute(tag, "yMin") * 20,
                               Unescape(html.substr(end + 1, close - end - 1))});
    }
    at = end + 1;
  }
  DeleteFileA(WindowsPathOf(info).c_str());
  DeleteFileA(WindowsPathOf(box).c_str());
  return content;
}

std::string PdfFonts(const PdfQueue& queue, const std::string& name) {
  const std::string out = UnixTempName(".fonts");
  if (!RunUnix("pdffonts '" + queue.unixFolder + "/" + name + "' > " + out, 20000)) return {};
  const std::string text = ReadAll(WindowsPathOf(out));
  DeleteFileA(WindowsPathOf(out).c_str());
  return text;
}

} // namespace e2e
