#include "platform/qt/media_player.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <algorithm>

namespace kvirlo::qt {
namespace {

class HelperPlayer : public MediaPlayer {
 public:
  HelperPlayer() : helper_(soundHelperPath()) {}

  void open(const std::string& path) override {
    path_ = QString::fromStdString(path);
    helper_.forgetBad();
    std::string line = path;
    std::replace(line.begin(), line.end(), '\n', ' ');  // one command a line
    helper_.send("open " + QByteArray::fromStdString(line));
  }
  void setVolume(int hundredthsOfDecibel) override {
    helper_.send("volume " + QByteArray::number(hundredthsOfDecibel));
  }
  // The helper keeps the file repeating from the first play on, so a replay
  // request that comes late or not at all leaves no gap.
  void play() override { helper_.send("play"); }
  void stop() override { helper_.send("stop"); }
  void setEnabled(bool) override {}
  bool playable() override {
    const QFileInfo file(path_);
    return file.isFile() && file.size() > 0 && !helper_.reportedBad();
  }

 private:
  QString path_;
  SoundHelper helper_;
};

}  // namespace

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

std::unique_ptr<MediaPlayer> QtMediaPlayers::create() { return std::make_unique<HelperPlayer>(); }

void QtTone::beep(int frequencyHz, int durationMs) {
  // A tone-only helper ends by itself when the tones stop; start a new one then.
  if (!helper_ || !helper_->running()) helper_ = std::make_unique<SoundHelper>(soundHelperPath());
  helper_->send("tone " + QByteArray::number(frequencyHz) + " " + QByteArray::number(durationMs));
}

}  // namespace kvirlo::qt
