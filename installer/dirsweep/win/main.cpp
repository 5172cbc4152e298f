// DIRSWEEP.EXE: removes the temporary install folder once the installer that
// started it has gone.
#include "installer/dirsweep/win/dirsweep_window.h"
#include "winkit/program.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int show) {
  return winkit::RunWindowProgram<orva::dirsweep::DirsweepWindow>(orva::dirsweep::kMessageTitle, show);
}
