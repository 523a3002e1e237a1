#include "platform/qt/shell.h"

#include <QObject>
#include <QProcess>

#include "platform/qt/qstrings.h"

namespace kvirlo::qt {

bool QtShell::runCommandFile(const std::string& path, const std::string& workingDirectory) {
  return QProcess::startDetached("/bin/sh", {q(path)}, q(workingDirectory));
}

void QtShell::openWebAddress(const std::string& address, std::function<void()> failed) {
  // xdg-open says by its exit status whether a browser took the address;
  // Qt's own opener only says whether xdg-open could be started.
  auto* opener = new QProcess;
  opener->setProcessChannelMode(QProcess::ForwardedChannels);
  QObject::connect(opener, &QProcess::finished, opener,
                   [this, opener, failed](int code, QProcess::ExitStatus status) {
                     if (code != 0 || status != QProcess::NormalExit) gate_.run(failed);
                     opener->deleteLater();
                   });
  QObject::connect(opener, &QProcess::errorOccurred, opener,
                   [this, opener, failed](QProcess::ProcessError error) {
                     if (error != QProcess::FailedToStart) return;
                     gate_.run(failed);
                     opener->deleteLater();
                   });
  opener->start("xdg-open", {q(address)});
}

}  // namespace kvirlo::qt
