#include "platform/qt/media_player.h"

#include <QFileInfo>
#include <QString>
#include <algorithm>

#include "platform/qt/sound_helper_client.h"

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

std::unique_ptr<MediaPlayer> SoundHelperPlayers::create() {
  return std::make_unique<HelperPlayer>();
}

}  // namespace kvirlo::qt
