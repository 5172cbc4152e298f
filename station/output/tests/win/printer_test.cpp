// The printer object on the real PDF queue: settings through its printer
// settings, twips with the printer's own scale, the line advance, and a
// document that is aborted leaving nothing at the spooler.
#include "station/output/win/printer.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <winspool.h>

namespace orva {
namespace {

std::optional<InstalledPrinter> Installed(const std::string& device) {
  for (const InstalledPrinter& p : InstalledPrinters())
    if (p.device == device) return p;
  return std::nullopt;
}

// Jobs of the queue that CUPS still holds, seen through the spooler.
DWORD JobsAt(const std::string& device) {
  HANDLE printer = nullptr;
  if (!OpenPrinterA(const_cast<char*>(device.c_str()), &printer, nullptr)) return 0;
  DWORD needed = 0, count = 0;
  EnumJobsA(printer, 0, 100, 1, nullptr, 0, &needed, &count);
  std::vector<BYTE> buffer(needed + 1);
  EnumJobsA(printer, 0, 100, 1, buffer.data(), needed, &needed, &count);
  ClosePrinter(printer);
  return count;
}

class PrinterObjectTest : public ::testing::Test {
protected:
  void SetUp() override {
    const auto pdf = Installed("PDF");
    ASSERT_TRUE(pdf) << "the PDF queue is not installed (scripts/printers.sh)";
    pdf_ = *pdf;
  }
  InstalledPrinter pdf_;
};

TEST_F(PrinterObjectTest, TheDefaultPrinterIsCurrentWithItsNames) {
  ResetCurrentPrinter();
  Printer* current = CurrentPrinter();
  ASSERT_TRUE(current);
  EXPECT_EQ(current->DeviceName(), "PDF");
  EXPECT_EQ(current->DriverName(), pdf_.driver);
  EXPECT_EQ(current->Port(), pdf_.port);
  EXPECT_FALSE(current->Port().empty());
  MakeCurrentPrinter(*Installed("PDF2"));
  EXPECT_EQ(CurrentPrinter()->DeviceName(), "PDF2");
  ResetCurrentPrinter();
}

TEST_F(PrinterObjectTest, SettingsItTakesChangeThePageAndOthersKeepItsOwn) {
  Printer printer(pdf_);
  const std::int16_t ownOrientation = printer.Orientation();
  EXPECT_EQ(ownOrientation, 1);
  EXPECT_FALSE(printer.SetPaperSize(12345)); // no such paper
  EXPECT_FALSE(printer.SetDuplex(2));        // a PDF queue prints one side
  EXPECT_FALSE(printer.SetCopies(0));
  EXPECT_TRUE(printer.SetCopies(2));
  // A4 portrait: 297 mm is 16838 twips, whatever the printer's resolution.
  EXPECT_NEAR(printer.PageHeightTwips(), 16838, 30);
  EXPECT_TRUE(printer.SetOrientation(2));
  EXPECT_EQ(printer.Orientation(), 2);
  EXPECT_NEAR(printer.PageHeightTwips(), 11906, 30); // 210 mm
  EXPECT_TRUE(printer.SetPaperSize(DMPAPER_LETTER));
  EXPECT_TRUE(printer.SetOrientation(1));
  EXPECT_NEAR(printer.PageHeightTwips(), 15840, 30); // 11 inches
}

TEST_F(PrinterObjectTest, EachPrintEndsTheLineAndAnAbortedDocumentLeavesNoJob) {
  Printer printer(pdf_);
  const DWORD jobsBefore = JobsAt("PDF");
  printer.SetCurrentX(1400);
  printer.SetCurrentY(1000);
  ASSERT_TRUE(printer.PrintLine("No."));
  EXPECT_EQ(printer.CurrentX(), 0);
  const double line = printer.CurrentY() - 1000;
  EXPECT_GT(line, 150); // a 9-point line is about 200 twips
  EXPECT_LT(line, 300);
  ASSERT_TRUE(printer.PrintLine(""));
  EXPECT_NEAR(printer.CurrentY(), 1000 + 2 * line, 0.001);
  ASSERT_TRUE(printer.NewPage());
  EXPECT_EQ(printer.CurrentY(), 0);
  printer.AbortDoc();
  EXPECT_EQ(JobsAt("PDF"), jobsBefore);
  EXPECT_TRUE(printer.FailedCall().empty());
  EXPECT_TRUE(printer.EndDoc()); // nothing open: nothing to send
}

} // namespace
} // namespace orva
