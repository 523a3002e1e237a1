#pragma once

#include <QAudioFormat>
#include <QByteArray>
#include <QElapsedTimer>
#include <QIODevice>
#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>

class QAudioDecoder;
class QAudioSink;

namespace kvirlo::qt {

// The decoded samples of one sound file, read by an audio sink from the
// start to the end, or round and round while they repeat.
class Samples : public QIODevice {
 public:
  QByteArray data;
  QAudioFormat format;
  bool complete = false;   // the whole file is decoded
  bool repeating = false;  // at the end, go on from the start

  void rewind() { position_ = 0; }
  // Played once to the end, and not asked to repeat.
  bool ended() const { return complete && !repeating && position_ >= data.size(); }
  // Milliseconds since the sink last came for samples.
  qint64 sinceLastRead() const { return lastRead_.isValid() ? lastRead_.elapsed() : 0; }
  void touch() { lastRead_.start(); }
  bool isSequential() const override { return true; }

 protected:
  qint64 readData(char* out, qint64 max) override;
  qint64 writeData(const char*, qint64) override { return -1; }

 private:
  qint64 position_ = 0;
  QElapsedTimer lastRead_;
};

// One sound file played from memory through an audio sink: decoded once,
// then sounded once, or over and over without a gap for as long as it is
// asked to. Nothing waits on a media player's idea of whether it still
// plays, so a repeat is never missed.
class SoundLoop : public QObject {
 public:
  explicit SoundLoop(QObject* parent = nullptr);
  ~SoundLoop() override;

  // Decodes the file and sounds it once from the start.
  void open(const QString& path);
  // Sounds the file from the start when it is silent, and repeats it until stop.
  void repeat();
  void stop();
  void setGain(float gain);

  // The file is missing, empty or no sound.
  std::function<void()> onBad;

 private:
  enum class Wanted { Once, Repeat, Silence };
  bool takeDecoded();  // false once the memory's share is full
  void finishDecoding();
  bool enoughToStart() const;
  void ready();
  void restart();
  void reportBad();

  Samples samples_;
  QAudioDecoder* decoder_ = nullptr;
  QAudioSink* sink_ = nullptr;
  QTimer watchdog_;  // a decoder that stops delivering without an end or an error
  QElapsedTimer restarted_;
  Wanted wanted_ = Wanted::Silence;
  float gain_ = 1.0f;
  bool bad_ = false;
};

}  // namespace kvirlo::qt
