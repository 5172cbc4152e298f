// The printout of a run: which text goes where on which page. The print
// routine drives a printer through PrintTarget (positions in twips from the
// top-left corner of the printable area; every print ends the line), so the
// page plan is the same code whatever printer receives it.
//
// Page 1 starts with the page head at x = 1000, y = 1000: the print title,
// an empty line, the limits line, an empty line. Then one row per line of the
// print file, each line trimmed of blanks and split into four fields:
//
//   x:     1000   1400      2400      3000   4000      4600   5600
//   item:  "No."  field 1   field 2   "N"    field 3   "Hz"   field 4
//
// all on the row's y; the next row is one text line below. Before a row, a
// new page (continuation pages carry no head) begins at y = 1000 when
// y + 1500 would pass the page-break limit.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace orva {

inline constexpr double kPrintTop = 1000;     // twips: first line of every page
inline constexpr double kPrintLeft = 1000;    // twips: title, limits line, "No."
inline constexpr double kPageBreakRoom = 1500; // twips that must remain below a row

class PrintTarget {
public:
  virtual ~PrintTarget() = default;
  virtual void SetCurrentX(double twips) = 0;
  virtual void SetCurrentY(double twips) = 0;
  virtual double CurrentY() const = 0;
  // Prints the UTF-8 text at the current position, then moves to the start
  // of the next line. False when the printer failed; nothing more is asked.
  virtual bool PrintLine(std::string_view utf8) = 0;
  virtual bool NewPage() = 0;
};

struct PrintFields {
  std::string number, tension, frequency, judgement;
  bool operator==(const PrintFields&) const = default;
};

// Removes blanks (spaces) at both ends.
std::string_view TrimBlanks(std::string_view line);

// The four fields of a trimmed run-log line. Three searches for ",", each
// starting just after the last comma found: fields 1 to 3 are the texts
// before the commas found (empty for a search that found none), field 4 is
// everything after the last comma found. "a,b" gives "a", "", "", "b"; a
// line without a comma gives four empty fields.
PrintFields SplitPrintLine(std::string_view trimmedLine);

// The page-break limit: the page height in twips as a whole number.
long PageBreakLimit(double pageHeightTwips);

struct PrintHead {
  std::string title;      // UTF-8, text of the print-title box
  std::string limitsLine; // UTF-8, as in the results file
};

// Asked before every text the printout prints, with the page it goes on:
// the print routine learns the page in progress and whether to go on. False
// stops the job at once (the operator cancelled it).
using PrintTurn = std::function<bool(int page)>;

// Prints the head and one row per line of the print file (UTF-8; lines end
// with CR LF, CR or LF; an unended last line counts). False as soon as the
// target fails or a turn says stop.
bool PrintReadings(PrintTarget& target, const PrintHead& head, std::string_view printFile,
                   long pageBreakLimit, const PrintTurn& turn = {});

// The rows the print file gives, one per line as PrintReadings reads them.
int CountPrintLines(std::string_view printFile);

// The number of pages the printout takes on a printer whose text lines are
// `lineHeightTwips` high (at least 1).
int CountPages(const PrintHead& head, std::string_view printFile, long pageBreakLimit, double lineHeightTwips);

// A printer with a document to end or to abort.
class PrintDevice : public PrintTarget {
public:
  virtual bool EndDoc() = 0;   // sends the document; false when that failed
  virtual void AbortDoc() = 0; // drops an open document, leaves nothing at the spooler
};

enum class PrintOutcome { Sent, Failed, Cancelled };

// The whole job: PrintReadings, then EndDoc. On a failure, or when a turn
// says stop, the document is aborted once and nothing more is printed.
PrintOutcome PrintJob(PrintDevice& device, const PrintHead& head, std::string_view printFile,
                      long pageBreakLimit, const PrintTurn& turn = {});

} // namespace orva
