#include "platform/qt/paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace kvirlo::qt {

std::string LinuxPaths::windowsDirectory() {
  const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
  if (data.isEmpty()) return "";
  const QString folder = data + "/kvirlo";
  QDir().mkpath(folder);
  return folder.toStdString();
}

std::string LinuxPaths::programDirectory() {
  return QCoreApplication::applicationDirPath().toStdString();
}

std::string LinuxPaths::executableBaseName() {
  return QFileInfo(QCoreApplication::applicationFilePath()).fileName().toStdString();
}

}  // namespace kvirlo::qt
