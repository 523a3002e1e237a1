#include "platform/qt/media_player.h"

#include <QFileInfo>
#include <QString>
#include <algorithm>
#include <memory>
#include <optional>
#include <string>

#include "platform/qt/sound_helper_client.h"

namespace kvirlo::qt {
namespace {

class HelperPlayer : public MediaPlayer {
 public:
  HelperPlayer() : helper_(std::make_unique<SoundHelper>(soundHelperPath())) {}

  void open(const std::string& path) override {
    path_ = path;
    revivals_ = 0;
    helper_->forgetBad();
    sendOpen();
  }
  void setVolume(int hundredthsOfDecibel) override {
    volume_ = hundredthsOfDecibel;
    helper_->send("volume " + QByteArray::number(hundredthsOfDecibel));
  }
  // The helper keeps the file repeating from the first play on, so a replay
  // request that comes late or not at all leaves no gap.
  void play() override {
    if (!helper_->running()) revive();
    helper_->send("play");
  }
  void stop() override { helper_->send("stop"); }
  void setEnabled(bool) override {}
  bool playable() override {
    const QFileInfo file(QString::fromStdString(path_));
    return file.isFile() && file.size() > 0 && !helper_->reportedBad() && revivals_ <= kMostRevivals;
  }

 private:
  // A file helper ends only with its input. One that ended while the alarm
  // plays was killed or crashed, and with it the alarm fell silent: a fresh
  // helper takes the file up again. One that keeps ending gives the file up
  // as no sound, and the tone takes over.
  static constexpr int kMostRevivals = 3;
  void revive() {
    if (++revivals_ > kMostRevivals) return;
    helper_ = std::make_unique<SoundHelper>(soundHelperPath());
    if (volume_) setVolume(*volume_);
    sendOpen();
  }
  void sendOpen() {
    std::string line = path_;
    std::replace(line.begin(), line.end(), '\n', ' ');  // one command a line
    helper_->send("open " + QByteArray::fromStdString(line));
  }

  std::string path_;  // as the settings hold it, byte for byte
  std::optional<int> volume_;
  int revivals_ = 0;
  std::unique_ptr<SoundHelper> helper_;
};

}  // namespace

std::unique_ptr<MediaPlayer> SoundHelperPlayers::create() {
  return std::make_unique<HelperPlayer>();
}

}  // namespace kvirlo::qt
