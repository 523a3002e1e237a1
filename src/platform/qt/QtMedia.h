#pragma once

#include <QObject>
#include <memory>

#include "platform/media_player.h"

class QAudioSink;
class QBuffer;

namespace kvirlo::qt {

class QtMediaPlayers : public MediaPlayers {
 public:
  std::unique_ptr<MediaPlayer> create() override;
};

// A tone of the given pitch and length, generated and played through the
// sound card; the program goes on while it sounds.
class QtTone : public QObject, public Tone {
 public:
  void beep(int frequencyHz, int durationMs) override;

 private:
  void finish();
  QAudioSink* sink_ = nullptr;
  QBuffer* buffer_ = nullptr;
};

}  // namespace kvirlo::qt
