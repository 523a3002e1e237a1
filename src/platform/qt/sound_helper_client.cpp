#include "platform/qt/sound_helper_client.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>

namespace kvirlo::qt {

// Installed, the helper is internal to the program: <prefix>/libexec/kvirlo,
// found from the program's own <prefix>/bin whatever the prefix. In a build
// tree it sits beside the program.
QString soundHelperPath() {
  const QString programDir = QCoreApplication::applicationDirPath();
  const QString installed =
      QDir::cleanPath(programDir + "/" KVIRLO_HELPER_FROM_PROGRAM "/kvirlo-sound");
  if (QFileInfo(installed).isExecutable()) return installed;
  return programDir + "/kvirlo-sound";
}

SoundHelper::SoundHelper(QString program) : process_(new QProcess(this)) {
  process_->setProcessChannelMode(QProcess::ForwardedErrorChannel);
  connect(process_, &QProcess::readyReadStandardOutput, this, [this] {
    if (process_->readAllStandardOutput().contains("bad")) bad_ = true;
  });
  // A helper that cannot start plays nothing: the file counts as no sound.
  connect(process_, &QProcess::errorOccurred, this, [this](QProcess::ProcessError e) {
    if (e == QProcess::FailedToStart) bad_ = true;
  });
  process_->start(program, {});
}

SoundHelper::~SoundHelper() {
  // The sound stops at once, and the helper's memory goes with it.
  process_->kill();
  process_->waitForFinished(200);
}

bool SoundHelper::running() const { return process_->state() != QProcess::NotRunning; }

void SoundHelper::send(const QByteArray& command) {
  if (process_->state() == QProcess::NotRunning) return;
  process_->write(command + "\n");
}

}  // namespace kvirlo::qt
