// Test support: the files and folders tests make and hold. Paths are ANSI.
#pragma once

#include <string>
#include <vector>
#include <windows.h>

namespace orva::testsupport {

// Removes a folder with everything in it, read-only files included; a
// folder that does not exist is no error.
void RemoveTree(const std::string& folder);

// The folder <temp>\name, emptied or made anew; its path.
std::string FreshTempFolder(const std::string& name);

// Files of a folder (names only, sorted, no subfolders).
std::vector<std::string> FilesIn(const std::string& folder);

// A whole file as bytes, "" when missing; and written whole.
std::string ReadWholeFile(const std::string& path);
void WriteWholeFile(const std::string& path, const std::string& bytes);

// Another program holding the run log open for a while (a virus scanner, a
// backup tool), with no sharing or letting others only read. (A read-only
// attribute does not stop Wine's root user, so it is not among them.) The
// station has the file open for a moment at each reading, so taking the
// hold may need a few tries: they go on for up to `tryMs`.
class RunLogBlocker {
public:
  enum Kind { Locked, ReadShared };
  RunLogBlocker(Kind kind, const std::string& path, DWORD tryMs = 0);
  ~RunLogBlocker() { Release(); }
  RunLogBlocker(const RunLogBlocker&) = delete;
  RunLogBlocker& operator=(const RunLogBlocker&) = delete;

  bool Blocking() const { return hold_ != INVALID_HANDLE_VALUE; }
  void Release();

private:
  HANDLE hold_ = INVALID_HANDLE_VALUE;
};

} // namespace orva::testsupport
