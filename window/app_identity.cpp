#include "window/app_identity.h"

#include <QCoreApplication>

namespace vlmr {

QString WindowTitle() {
  // The shell's context, where the catalogues have always kept the title.
  return QCoreApplication::translate("vlmr::InstallerController", kWindowTitle);
}

}  // namespace vlmr
