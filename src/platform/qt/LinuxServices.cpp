#include "platform/qt/LinuxServices.h"

#include <QApplication>
#include <QColorDialog>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QProcess>
#include <QStandardPaths>
#include <QSystemTrayIcon>
#include <QUrl>
#include <cstdio>
#include <cstdlib>

#include "platform/qt/pictures.h"

namespace kvirlo::qt {
namespace {

QString q(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

QtStore::QtStore()
    : settings_(QSettings::IniFormat, QSettings::UserScope, "Kvirlo", "Kvirlo") {}

std::string QtStore::get(const std::string& key) {
  return settings_.value("Config/" + q(key)).toString().toStdString();
}

void QtStore::set(const std::string& key, const std::string& value) {
  settings_.setValue("Config/" + q(key), q(value));
  // On disk at once: the program may end without any further step.
  settings_.sync();
}

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

QtTray::QtTray(EventGate& gate) : gate_(gate) {}

QtTray::~QtTray() { delete icon_; }

bool QtTray::available() { return QSystemTrayIcon::isSystemTrayAvailable(); }

void QtTray::add(const TrayIconRecord& record) {
  if (!icon_) {
    icon_ = new QSystemTrayIcon(appIcon());
    QObject::connect(icon_, &QSystemTrayIcon::activated, [this](QSystemTrayIcon::ActivationReason r) {
      int button = 0;
      if (r == QSystemTrayIcon::Context) button = 2;
      if (r == QSystemTrayIcon::Trigger || r == QSystemTrayIcon::DoubleClick) button = 1;
      if (r == QSystemTrayIcon::MiddleClick) button = 4;
      if (onMouse) gate_.run([this, button] { onMouse(button); });
    });
  }
  icon_->setToolTip(q(record.tip));
  icon_->show();  // showing a shown icon leaves the one icon
}

void QtTray::remove(const TrayIconRecord&) {
  if (icon_) icon_->hide();
}

int QtMessageBox::show(const std::string& text, int flags, const std::string& title) {
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  switch (flags & 0x70) {
    case 16: icon = QMessageBox::Critical; break;
    case 32: icon = QMessageBox::Question; break;
    case 48: icon = QMessageBox::Warning; break;
    case 64: icon = QMessageBox::Information; break;
    default: break;
  }
  const bool yesNo = (flags & 7) == mb::YesNo;
  QMessageBox box(icon, q(title), q(text),
                  yesNo ? (QMessageBox::Yes | QMessageBox::No) : QMessageBox::Ok);
  box.setWindowIcon(appIcon());
  const int answer = box.exec();
  if (!yesNo) return mb::AnswerOk;
  return answer == QMessageBox::Yes ? mb::AnswerYes : mb::AnswerNo;
}

std::optional<std::string> QtDialogs::openFile(const FileDialogRequest& r) {
  // Programs on Linux have no ".exe"; the tuner's dialog lists every file.
  QString patterns = r.filter == "*.exe" ? "*" : q(r.filter);
  QString filter = r.description.empty() ? patterns : q(r.description) + " (" + patterns + ")";
  // A folder that is gone leaves the choice to Qt rather than an empty view.
  const QString folder = QDir(q(r.folder)).exists() ? q(r.folder) : QString();
  const QString chosen = QFileDialog::getOpenFileName(nullptr, q(r.title), folder, filter);
  if (chosen.isEmpty()) return std::nullopt;
  return chosen.toStdString();
}

std::optional<Colour> QtDialogs::chooseColour(Colour initial) {
  const QColor chosen = QColorDialog::getColor(QColor(redOf(initial), greenOf(initial), blueOf(initial)));
  if (!chosen.isValid()) return std::nullopt;
  return rgb(chosen.red(), chosen.green(), chosen.blue());
}

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

void LinuxProcess::end() {
  std::fflush(nullptr);
  // At once: no window's close or unload step runs after the shutdown.
  std::_Exit(0);
}

LinuxServices::LinuxServices(EventGate& gate) : clock(gate), tray(gate), shell(gate) {}

Services LinuxServices::services() {
  return {clock, store, autostart, tray, messageBox, dialogs, paths, files, shell, media, tone,
          process};
}

}  // namespace kvirlo::qt
