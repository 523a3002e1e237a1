// The Linux program: Qt windows and services around the program's core.

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QScreen>
#include <QStandardPaths>
#include <cstdio>
#include <cstdlib>

#include "app/Program.h"
#include "platform/qt/LinuxServices.h"
#include "platform/qt/SingleInstance.h"
#include "platform/qt/QtViewFactory.h"
#include "platform/qt/connect_system.h"
#include "platform/qt/display.h"
#include "platform/qt/pictures.h"

namespace {

// QUIRK(X servers), listed in docs/quirks.md.
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
  const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  kvirlo::qt::SingleInstance instance(runtime.isEmpty() ? QDir::tempPath() : runtime);
  if (!instance.first()) return 0;

  if (!kvirlo::qt::chooseDisplay()) return 1;
  preferPlainImages();
  QApplication qapp(argc, argv);
  kvirlo::qt::sayWhatTheDisplayLacks();
  QApplication::setApplicationName("Kvirlo");
  QApplication::setOrganizationName("Kvirlo");
  QApplication::setQuitOnLastWindowClosed(false);
  QApplication::setWindowIcon(kvirlo::qt::appIcon());
  // The windows are laid out in twips for an 8-point face.
  QFont font = QApplication::font();
  font.setPointSizeF(8);
  QApplication::setFont(font);

  kvirlo::Scale scale;
  if (QScreen* screen = QGuiApplication::primaryScreen())
    scale.factor = std::max(1.0, screen->logicalDotsPerInch() / 96.0);
  kvirlo::qt::QtViewFactory views(scale);
  kvirlo::Program program(views);
  kvirlo::qt::LinuxServices system(program.gate());
  program.open(system.services());
  kvirlo::qt::connectToSystem(program, system, instance);

  placeDefaultChime(system.paths.windowsDirectory());
  program.run();
  const int code = qapp.exec();
  program.close();  // the windows go while the services they use are still there
  return code;
}
