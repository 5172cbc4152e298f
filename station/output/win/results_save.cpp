#include "station/output/win/results_save.h"

#include "installer/common/program_names.h"
#include "station/settings/text_table.h"

#include "winkit/message_box.h"
#include "station/output/results_file.h"
#include "winkit/files.h"
#include "station/output/win/output_files.h"
#include "station/output/win/save_dialog.h"
#include "winkit/text.h"

#include <commdlg.h>
#include <optional>

namespace orva {
namespace {

// Closes the handle on every way out, so a failure leaves no file open.
class FileHandle {
public:
  explicit FileHandle(HANDLE h) : h_(h) {}
  ~FileHandle() {
    if (ok()) CloseHandle(h_);
  }
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;
  bool ok() const { return h_ != INVALID_HANDLE_VALUE; }
  HANDLE get() const { return h_; }

private:
  HANDLE h_;
};

bool WriteAll(HANDLE file, const std::string& bytes) {
  DWORD written = 0;
  return WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
         written == bytes.size();
}

} // namespace

std::string ResultsFileBytes(const ResultsHeaderInput& header, std::string_view runLog) {
  return winkit::AnsiFromUtf8(ResultsHeader(header)) + ResultsBody(runLog);
}

void SaveResults(HWND owner, const ResultsSource& source) {
  const SaveDialogRequest request{DialogFilter(kResultsFilter), kResultsDefaultName,
                                  kResultsFilterIndex,
                                  kCreatePromptFlag | OFN_NOCHANGEDIR, {}};
  const std::optional<std::string> chosen = ChooseFileToSave(owner, request, source.curLanguage);
  if (!chosen) return;
  const std::string& name = *chosen;

  // The run log is read before the results file is opened: when the operator
  // picks the run log itself, replacing it first would lose its readings.
  const bool upToDate = !source.bringRunLogUpToDate || source.bringRunLogUpToDate();
  const std::optional<std::string> runLog = ReadWholeFile(source.tempPath);
  const bool lacksReadings = !upToDate || (!runLog && winkit::FileExists(source.tempPath));

  {
    FileHandle out(CreateFileA(name.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                               FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!out.ok()) return;
    const ResultsHeaderInput header{source.curLanguage, source.printTitle, source.limitHigh,
                                    source.limitLow, source.limitUnitMode};
    // No run log yet gives the header alone, and says nothing.
    if (!WriteAll(out.get(), ResultsFileBytes(header, runLog ? *runLog : std::string()))) return;
  } // closed before the operator is told
  if (lacksReadings)
    winkit::ShowMessageBox(owner, winkit::WideFromUtf8(PickText(source.curLanguage, Text::ResultsLackReadings)),
                   kDefaultMessageTitle, MB_OK | MB_ICONEXCLAMATION);
}

} // namespace orva
