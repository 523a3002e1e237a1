#pragma once

#include <QObject>
#include <QString>
#include <memory>

#include "platform/services/media_player.h"

class QProcess;

namespace kvirlo::qt {

// The sound helper, "kvirlo-sound" (see soundHelperPath): a process that
// lives only while something sounds.
class SoundHelper : public QObject {
 public:
  explicit SoundHelper(QString program);
  ~SoundHelper() override;
  void send(const QByteArray& command);
  bool reportedBad() const { return bad_; }
  bool running() const;
  void forgetBad() { bad_ = false; }

 private:
  QProcess* process_;
  bool bad_ = false;
};

class QtMediaPlayers : public MediaPlayers {
 public:
  std::unique_ptr<MediaPlayer> create() override;
};

// A tone of the given pitch and length through the sound card; the program
// goes on while it sounds.
class QtTone : public Tone {
 public:
  void beep(int frequencyHz, int durationMs) override;

 private:
  std::unique_ptr<SoundHelper> helper_;
};

// Where the helper is: beside the program's executable.
QString soundHelperPath();

}  // namespace kvirlo::qt
