// What a PDF printer queue produced, read from the Windows side of the test:
// the queue's output folder (given by the test script in an environment
// variable as a Unix path), new PDF files in it, and their pages and words
// with positions, read back with the system's pdfinfo and pdftotext.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace e2e {

// Runs a shell command line natively (outside Wine) and waits until it has
// finished; false on time-out. The line must not contain double quotes.
bool RunUnix(const std::string& command, DWORD ms);

struct PdfQueue {
  std::string unixFolder; // where the queue writes its files
  std::string Folder() const; // the same folder as a Windows path (Z:)
  std::vector<std::string> Files() const; // names of the PDF files in it now
  // Files not among `before` that are complete (pdfinfo reads them) and
  // whose first page shows `mark` (any, when it is empty). Other programs
  // may print to the same queue meanwhile: the mark tells this test's prints.
  std::vector<std::string> NewWith(const std::vector<std::string>& before, const std::string& mark) const;
  // The first such file to appear; "" on time-out.
  std::string WaitForNew(const std::vector<std::string>& before, DWORD ms, const std::string& mark = {}) const;
};

// The queue whose folder the environment variable names; empty when unset.
PdfQueue QueueFromEnvironment(const char* variable);

struct PdfWord {
  int page;            // from 1
  double x, y;         // top-left corner of the word box, twips from the page's top-left
  std::string text;    // UTF-8
};

struct PdfContent {
  int pages = 0;
  std::vector<PdfWord> words; // in reading order, page by page
  std::vector<PdfWord> OnPage(int page) const;
};

std::optional<PdfContent> ReadPdf(const PdfQueue& queue, const std::string& name);

// What pdffonts says of the file's fonts; "" when it could not be read.
std::string PdfFonts(const PdfQueue& queue, const std::string& name);

} // namespace e2e
