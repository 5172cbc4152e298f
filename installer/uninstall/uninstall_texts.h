// Every fixed text of UNINSTALL.EXE as a Japanese/English pair (UTF-8), in
// one table. The pairs of the shared window pieces and routines (language
// frame, "Delete files..." + name, the driver-tool messages) live with them.
#pragma once

#include "installer/common/language.h"

namespace orva::uninstall {

enum class Text {
  WindowCaption, // also the banner
  CmdNext, CmdExit, CmdCancel,
  StartUninstallation,
  DiskRefusal,
  ProgramRunning,
  SystemFolderNotFound,
  UninstallingOrva, UninstallingDriver,
  DeleteFiles,
  CannotDelete,
  Count
};

using installer::TextPair;

const TextPair& TextPairOf(Text id);

} // namespace orva::uninstall
