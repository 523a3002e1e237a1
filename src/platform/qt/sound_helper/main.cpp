// kvirlo-sound: plays the program's sounds in a process of its own, so that
// the program itself carries no sound libraries while it waits and is back
// to its waiting size the moment a sound ends. Commands arrive one a line on
// standard input:
//   open PATH         the file sounds once from the start
//   play              it sounds from the start when silent, and repeats
//                     without a gap until stop or the next open
//   stop | volume HUNDREDTHS_OF_DB | tone HZ MS
// and it answers "bad" on standard output when the file is no sound. It ends
// when its input closes, and a tone-only helper after a few idle seconds.
#include <QAudioSink>
#include <QBuffer>
#include <QCoreApplication>
#include <QMediaDevices>
#include <QSocketNotifier>
#include <QTimer>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <unistd.h>

#include "platform/services/tone.h"
#include "platform/qt/sound_helper/SoundLoop.h"

namespace {

QByteArray sineTone(int frequency, int durationMs, int rate) {
  // In 64 bits: 44100 samples a second pass the range of an int within a minute.
  const qsizetype samples = qint64(rate) * durationMs / 1000;
  const qsizetype fade = std::min<qsizetype>(samples / 2, rate / 200);  // 5 ms, no click
  QByteArray data(samples * 2, Qt::Uninitialized);
  auto* out = reinterpret_cast<qint16*>(data.data());
  for (qsizetype i = 0; i < samples; ++i) {
    double envelope = 1.0;
    if (i < fade) envelope = double(i) / fade;
    if (samples - i < fade) envelope = double(samples - i) / fade;
    out[i] = static_cast<qint16>(std::sin(2 * std::numbers::pi * frequency * i / rate) * envelope *
                                 0.6 * 32767);
  }
  return data;
}

class Sounds : public QObject {
 public:
  Sounds() {
    idle_.setSingleShot(true);
    idle_.setInterval(3000);
    connect(&idle_, &QTimer::timeout, [] { QCoreApplication::quit(); });
  }
  // The sink reads the tone's buffer to its last moment: it goes first. Left
  // to the children's order, the buffer went first and the sound server's
  // thread read freed memory as the helper ended.
  ~Sounds() override { endTone(); }
  void quiet() {
    endTone();
    if (file_) file_->stop();
  }

  void command(const QByteArray& line) {
    const QString text = QString::fromUtf8(line);
    const QString verb = text.section(' ', 0, 0);
    const QString rest = text.section(' ', 1);
    if (verb == "open") open(rest);
    if (verb == "volume") volume(rest.toInt());
    if (verb == "play") play();
    if (verb == "stop" && file_) file_->stop();
    if (verb == "tone") tone(rest.section(' ', 0, 0).toInt(), rest.section(' ', 1, 1).toInt());
  }

 private:
  kvirlo::qt::SoundLoop& file() {
    if (!file_) {
      file_ = new kvirlo::qt::SoundLoop(this);
      file_->setGain(gain_);
      file_->onBad = [] {
        std::fputs("bad\n", stdout);
        std::fflush(stdout);
      };
    }
    return *file_;
  }
  void open(const QString& path) { file().open(path); }
  void volume(int hundredthsOfDecibel) {
    // Hundredths of a decibel below full: gain = 10^(volume / 2000).
    gain_ = static_cast<float>(std::pow(10.0, std::min(hundredthsOfDecibel, 0) / 2000.0));
    if (file_) file_->setGain(gain_);
  }
  void play() { file().repeat(); }
  void tone(int frequency, int durationMs) {
    durationMs = std::min(durationMs, kvirlo::Tone::LongestMs);
    if (!file_) idle_.start(durationMs + 3000);
    endTone();
    if (durationMs <= 0 || frequency < 37 || frequency > 32767) return;
    QAudioFormat format;
    format.setSampleRate(44100);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    buffer_ = new QBuffer(this);
    buffer_->setData(sineTone(std::min(frequency, 22049), durationMs, 44100));
    buffer_->open(QIODevice::ReadOnly);
    sink_ = new QAudioSink(QMediaDevices::defaultAudioOutput(), format, this);
    sink_->start(buffer_);
  }

  void endTone() {
    if (sink_) sink_->stop();
    delete sink_;
    delete buffer_;
    sink_ = nullptr;
    buffer_ = nullptr;
  }

  kvirlo::qt::SoundLoop* file_ = nullptr;
  float gain_ = 1.0f;
  QAudioSink* sink_ = nullptr;
  QBuffer* buffer_ = nullptr;
  QTimer idle_;
};

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  Sounds sounds;
  QByteArray pending;
  QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
  QObject::connect(&input, &QSocketNotifier::activated, [&] {
    char buffer[4096];
    const ssize_t n = ::read(STDIN_FILENO, buffer, sizeof buffer);
    if (n <= 0) {
      QCoreApplication::quit();  // the program let go of its sound
      return;
    }
    pending.append(buffer, n);
    for (int end; (end = pending.indexOf('\n')) >= 0; pending.remove(0, end + 1))
      sounds.command(pending.left(end));
  });
  const int status = app.exec();
  // Silence first, then end without tearing Qt's sound backend down: its
  // thread to the sound server can still be answering while static objects
  // go, and a helper that ends has nothing left to tidy.
  sounds.quiet();
  std::fflush(stdout);
  ::_exit(status);
}
