// The Linux program: Qt windows and services around the program's core.

#include <signal.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QScreen>
#include <QSessionManager>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "app/App.h"
#include "app/Form1.h"
#include "platform/event_gate.h"
#include "platform/qt/LinuxServices.h"
#include "platform/qt/QtView.h"
#include "platform/qt/SingleInstance.h"
#include "platform/qt/pictures.h"
#include "tray/frmSlug.h"

namespace {

int signalPipe[2] = {-1, -1};

void onSignal(int) {
  const char byte = 1;
  [[maybe_unused]] auto n = ::write(signalPipe[1], &byte, 1);
}

// Positions, staying on top and dragging by a label need X11; under a
// Wayland session that also offers an X server, run there unless the user
// chose a Qt platform himself.
void preferX11() {
  if (std::getenv("QT_QPA_PLATFORM")) return;
  const char* session = std::getenv("XDG_SESSION_TYPE");
  const bool wayland = std::getenv("WAYLAND_DISPLAY") || (session && !std::strcmp(session, "wayland"));
  if (wayland && std::getenv("DISPLAY")) setenv("QT_QPA_PLATFORM", "xcb", 1);
}

// The windows are tiny: plain image transfers cost nothing, while the
// shared-memory path waits for the X server's answer at every repaint and
// so wakes the program twice more each minute the countdown changes.
void preferPlainImages() { setenv("QT_XCB_NO_MITSHM", "1", 0); }

// A fresh account gets the default alarm where the settings expect it.
void placeDefaultChime(const std::string& dataFolder) {
  if (dataFolder.empty()) return;
  const QString media = QString::fromStdString(dataFolder) + "/media";
  const QString chime = media + "/tada.wav";
  if (QFile::exists(chime)) return;
  QDir().mkpath(media);
  if (QFile::copy(":/kvirlo/tada.wav", chime))
    QFile::setPermissions(chime, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                                     QFile::ReadOther);
}

}  // namespace

int main(int argc, char** argv) {
  preferX11();
  preferPlainImages();
  QApplication qapp(argc, argv);
  QApplication::setApplicationName("Kvirlo");
  QApplication::setOrganizationName("Kvirlo");
  QApplication::setQuitOnLastWindowClosed(false);
  QApplication::setWindowIcon(kvirlo::qt::appIcon());
  // The windows are laid out in twips for an 8-point face.
  QFont font = QApplication::font();
  font.setPointSizeF(8);
  QApplication::setFont(font);

  const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  kvirlo::qt::SingleInstance instance(runtime.isEmpty() ? QDir::tempPath() : runtime);
  if (!instance.first()) return 0;

  kvirlo::EventGate gate;
  kvirlo::qt::LinuxServices system(gate);
  kvirlo::Scale scale;
  if (QScreen* screen = QGuiApplication::primaryScreen())
    scale.factor = std::max(1.0, screen->logicalDotsPerInch() / 96.0);
  kvirlo::qt::QtView view(gate, scale);
  kvirlo::App app(system.services(), &view);
  gate.afterEvent = [&] {
    app.collectGarbage();
    view.collectGarbage();
  };
  system.tray.onMouse = [&](int button) { app.slug().Form_MouseMove(button); };
  instance.onAnotherStart = [&] { gate.run([&] { app.form1().show(); }); };

  // A polite end (SIGTERM at shutdown, SIGHUP, Ctrl+C) or the session's
  // logout is a close request like any other: the reminder is cleaned up.
  auto closeRequest = [&] { gate.run([&] { app.form1().requestClose(); }); };
  if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalPipe) == 0) {
    auto* notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, &qapp);
    QObject::connect(notifier, &QSocketNotifier::activated, [&] {
      char byte;
      [[maybe_unused]] auto n = ::read(signalPipe[0], &byte, 1);
      closeRequest();
    });
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int sig : {SIGTERM, SIGHUP, SIGINT}) sigaction(sig, &action, nullptr);
  }
  QObject::connect(&qapp, &QGuiApplication::commitDataRequest, [&](QSessionManager&) { closeRequest(); });

  placeDefaultChime(system.paths.windowsDirectory());
  gate.run([&] { app.run(); });
  return qapp.exec();
}
