#include "platform/qt/autostart.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include "platform/qt/qstrings.h"

namespace kvirlo::qt {

std::string XdgAutostart::entryPath(const std::string& name) {
  const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
  return (config + "/autostart/" + q(name) + ".desktop").toStdString();
}

std::string XdgAutostart::execValue(const std::string& path) {
  // A quoted argument escapes ", `, $ and \ with a backslash; the value as
  // a whole then doubles every backslash and every "%".
  std::string quoted = "\"";
  for (char c : path) {
    if (c == '"' || c == '`' || c == '$' || c == '\\') quoted += '\\';
    quoted += c;
  }
  quoted += '"';
  std::string value;
  for (char c : quoted) {
    if (c == '\\') value += "\\\\";
    else if (c == '%') value += "%%";
    else if (c == '\n') value += "\\n";
    else if (c == '\r') value += "\\r";
    else value += c;
  }
  return value;
}

void XdgAutostart::add(const std::string& name, const std::string& executablePath) {
  const std::string path = entryPath(name);
  QDir().mkpath(QFileInfo(q(path)).absolutePath());
  std::string safeName = name;
  for (char& c : safeName)
    if (c == '\n' || c == '\r') c = ' ';
  files_.replace(path, "[Desktop Entry]\n"
                       "Type=Application\n"
                       "Name=" + safeName + "\n"
                       "Exec=" + execValue(executablePath) + "\n"
                       "Icon=kvirlo\n"
                       "Terminal=false\n"
                       "X-GNOME-Autostart-enabled=true\n");
}

void XdgAutostart::remove(const std::string& name) { QFile::remove(q(entryPath(name))); }

}  // namespace kvirlo::qt
