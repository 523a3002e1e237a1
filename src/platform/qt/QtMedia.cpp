#include "platform/qt/QtMedia.h"

#include <QAudioOutput>
#include <QAudioSink>
#include <QBuffer>
#include <QFileInfo>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <QUrl>
#include <cmath>
#include <numbers>

namespace kvirlo::qt {
namespace {

class QtMediaPlayer : public MediaPlayer {
 public:
  QtMediaPlayer() { player_.setAudioOutput(&output_); }
  ~QtMediaPlayer() override { player_.stop(); }

  void open(const std::string& path) override {
    path_ = QString::fromStdString(path);
    player_.setSource(QUrl::fromLocalFile(path_));
    player_.play();
  }
  void setVolume(int hundredthsOfDecibel) override {
    // Hundredths of a decibel below full: gain = 10^(volume / 2000).
    const double gain = std::pow(10.0, std::min(hundredthsOfDecibel, 0) / 2000.0);
    output_.setVolume(static_cast<float>(gain));
  }
  void play() override {
    if (player_.playbackState() == QMediaPlayer::PlayingState) return;
    if (player_.mediaStatus() == QMediaPlayer::EndOfMedia) player_.setPosition(0);
    player_.play();
  }
  void stop() override { player_.stop(); }
  void setEnabled(bool) override {}
  bool playable() override {
    const QFileInfo file(path_);
    if (!file.isFile() || file.size() == 0) return false;
    return player_.error() == QMediaPlayer::NoError &&
           player_.mediaStatus() != QMediaPlayer::InvalidMedia;
  }

 private:
  QString path_;
  QAudioOutput output_;
  QMediaPlayer player_;
};

QByteArray sineTone(int frequency, int durationMs, int rate) {
  const int samples = rate * durationMs / 1000;
  const int fade = std::min(samples / 2, rate / 200);  // 5 ms, so the tone does not click
  QByteArray data(samples * 2, Qt::Uninitialized);
  auto* out = reinterpret_cast<qint16*>(data.data());
  for (int i = 0; i < samples; ++i) {
    double envelope = 1.0;
    if (i < fade) envelope = double(i) / fade;
    if (samples - i < fade) envelope = double(samples - i) / fade;
    const double value = std::sin(2 * std::numbers::pi * frequency * i / rate);
    out[i] = static_cast<qint16>(value * envelope * 0.6 * 32767);
  }
  return data;
}

}  // namespace

std::unique_ptr<MediaPlayer> QtMediaPlayers::create() { return std::make_unique<QtMediaPlayer>(); }

void QtTone::beep(int frequencyHz, int durationMs) {
  finish();
  // The range a PC speaker could sound; anything else is silence.
  if (durationMs <= 0 || frequencyHz < 37 || frequencyHz > 32767) return;
  QAudioFormat format;
  format.setSampleRate(44100);
  format.setChannelCount(1);
  format.setSampleFormat(QAudioFormat::Int16);
  const int rate = std::min(format.sampleRate(), 44100);
  buffer_ = new QBuffer(this);
  buffer_->setData(sineTone(std::min(frequencyHz, rate / 2 - 1), durationMs, rate));
  buffer_->open(QIODevice::ReadOnly);
  sink_ = new QAudioSink(QMediaDevices::defaultAudioOutput(), format, this);
  connect(sink_, &QAudioSink::stateChanged, this, [this](QAudio::State state) {
    if (state == QAudio::IdleState) finish();
  });
  sink_->start(buffer_);
}

void QtTone::finish() {
  if (sink_) {
    sink_->disconnect(this);
    sink_->stop();
    sink_->deleteLater();
    sink_ = nullptr;
  }
  if (buffer_) {
    buffer_->deleteLater();
    buffer_ = nullptr;
  }
}

}  // namespace kvirlo::qt
