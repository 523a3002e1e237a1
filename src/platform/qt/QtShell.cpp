#include "platform/qt/QtShell.h"

#include <QDesktopServices>
#include <QProcess>
#include <QUrl>

#include "platform/qt/qstrings.h"

namespace kvirlo::qt {

bool QtShell::runCommandFile(const std::string& path, const std::string& workingDirectory) {
  return QProcess::startDetached("/bin/sh", {q(path)}, q(workingDirectory));
}

void QtShell::openWebAddress(const std::string& address) {
  QDesktopServices::openUrl(QUrl(q(address)));
}

}  // namespace kvirlo::qt
