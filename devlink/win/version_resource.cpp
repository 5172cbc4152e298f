#include "devlink/win/version_resource.h"

#include "devlink/version_text.h"
#include "winkit/version_resource.h"

namespace devlink::dll {

void readCompanionVersionText(char (&out)[kVersionTextSize]) {
  const auto version = winkit::ReadFileVersion(std::string(kCompanionFile));
  if (!version) {
    missingVersionText(out);
    return;
  }
  formatVersionText(version->ms, version->ls, out);
}

} // namespace devlink::dll
