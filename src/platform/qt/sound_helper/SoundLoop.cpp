#include "platform/qt/sound_helper/SoundLoop.h"

#include <QAudioBuffer>
#include <QAudioDecoder>
#include <QAudioSink>
#include <QFileInfo>
#include <QMediaDevices>
#include <QUrl>
#include <algorithm>
#include <cstring>

namespace kvirlo::qt {
namespace {

// A file longer than this (about six minutes of CD sound) repeats its first
// six minutes: the samples live in memory.
constexpr qsizetype kMostBytes = 64 * 1024 * 1024;
// Decoded ahead before the sink starts, so decoding keeps ahead of it.
constexpr qint64 kLeadMicroseconds = 500'000;
// The sink's own buffer: short, so that a new volume is heard at once.
constexpr qint64 kBufferMicroseconds = 250'000;
// A sink that has not come for samples for this long is replaced.
constexpr qint64 kStalledMs = 1000;
// A decoder that delivers nothing for this long is done: what it decoded
// sounds, and when that is nothing the file counts as no sound.
constexpr int kDecodingMs = 5000;

QAudioFormat decodedFormat() {
  QAudioFormat format;
  format.setSampleRate(44100);
  format.setChannelCount(2);
  format.setSampleFormat(QAudioFormat::Int16);
  return format;
}

}  // namespace

qint64 Samples::readData(char* out, qint64 max) {
  lastRead_.start();
  qint64 done = 0;
  while (done < max) {
    if (position_ >= data.size()) {
      if (!complete) {
        // Decoding has fallen behind the sink: a moment of silence, then on.
        const qint64 frame = std::max(format.bytesPerFrame(), 1);
        const qint64 n = (max - done) / frame * frame;
        std::memset(out + done, format.sampleFormat() == QAudioFormat::UInt8 ? 0x80 : 0, n);
        return done + n;
      }
      if (!repeating || data.isEmpty()) break;
      position_ = 0;
    }
    const qint64 n = std::min(max - done, qint64(data.size()) - position_);
    std::memcpy(out + done, data.constData() + position_, n);
    position_ += n;
    done += n;
  }
  return done;
}

SoundLoop::SoundLoop(QObject* parent) : QObject(parent) {
  samples_.open(QIODevice::ReadOnly | QIODevice::Unbuffered);
  watchdog_.setSingleShot(true);
  watchdog_.setInterval(kDecodingMs);
  connect(&watchdog_, &QTimer::timeout, this, [this] { finishDecoding(); });
}

SoundLoop::~SoundLoop() {
  delete sink_;  // before the samples it reads
  delete decoder_;
}

void SoundLoop::open(const QString& path) {
  delete sink_;
  sink_ = nullptr;
  if (decoder_) {
    decoder_->disconnect(this);
    decoder_->deleteLater();
    decoder_ = nullptr;
  }
  samples_.data.clear();
  samples_.format = {};
  samples_.complete = false;
  samples_.repeating = false;
  samples_.rewind();
  wanted_ = Wanted::Once;
  bad_ = false;
  watchdog_.stop();

  const QFileInfo file(path);
  if (!file.isFile() || file.size() == 0) return reportBad();
  decoder_ = new QAudioDecoder(this);
  if (!decoder_->isSupported()) return reportBad();
  decoder_->setAudioFormat(decodedFormat());
  connect(decoder_, &QAudioDecoder::bufferReady, this, [this] {
    watchdog_.start();
    if (!takeDecoded()) return finishDecoding();
    ready();
  });
  connect(decoder_, &QAudioDecoder::finished, this, [this] { finishDecoding(); });
  connect(decoder_, qOverload<QAudioDecoder::Error>(&QAudioDecoder::error), this,
          [this] { finishDecoding(); });
  decoder_->setSource(QUrl::fromLocalFile(path));
  decoder_->start();
  watchdog_.start();
}

bool SoundLoop::takeDecoded() {
  while (decoder_ && decoder_->bufferAvailable()) {
    const QAudioBuffer buffer = decoder_->read();
    if (!buffer.isValid()) break;
    if (!samples_.format.isValid()) samples_.format = buffer.format();
    if (buffer.format() != samples_.format) continue;  // a change midway is left out
    samples_.data.append(buffer.constData<char>(), buffer.byteCount());
    if (samples_.data.size() >= kMostBytes) return false;
  }
  return true;
}

// At the end of the file, at a decoding error (what was decoded before it
// still sounds) and when the memory's share is full.
void SoundLoop::finishDecoding() {
  watchdog_.stop();
  if (!decoder_) return;
  takeDecoded();
  decoder_->disconnect(this);
  decoder_->deleteLater();
  decoder_ = nullptr;
  samples_.complete = true;
  if (samples_.data.isEmpty()) return reportBad();
  ready();
}

bool SoundLoop::enoughToStart() const {
  if (samples_.data.isEmpty() || !samples_.format.isValid()) return false;
  return samples_.complete || samples_.data.size() >= samples_.format.bytesForDuration(kLeadMicroseconds);
}

void SoundLoop::ready() {
  if (wanted_ != Wanted::Silence && !sink_ && enoughToStart()) restart();
}

void SoundLoop::restart() {
  delete sink_;
  samples_.rewind();
  samples_.repeating = wanted_ == Wanted::Repeat;
  samples_.touch();
  sink_ = new QAudioSink(QMediaDevices::defaultAudioOutput(), samples_.format, this);
  sink_->setBufferSize(samples_.format.bytesForDuration(kBufferMicroseconds));
  sink_->setVolume(gain_);
  sink_->start(&samples_);
  restarted_.start();
}

void SoundLoop::repeat() {
  const bool ended = samples_.ended();
  wanted_ = Wanted::Repeat;
  samples_.repeating = true;
  if (!enoughToStart()) return;  // it starts, repeating, once enough is decoded
  if (ended) samples_.rewind();
  if (!sink_) return restart();
  // A sink that stopped by itself or no longer reads is replaced, but not
  // more than once a second while it keeps failing.
  const bool failed = sink_->state() == QAudio::StoppedState && sink_->error() != QAudio::NoError;
  const bool stopped = sink_->state() == QAudio::StoppedState && !failed;
  const bool stalled = samples_.sinceLastRead() > kStalledMs;
  if (stopped || ((failed || stalled) && restarted_.elapsed() > kStalledMs)) restart();
}

void SoundLoop::stop() {
  wanted_ = Wanted::Silence;
  samples_.repeating = false;
  if (sink_) sink_->stop();
}

void SoundLoop::setGain(float gain) {
  gain_ = gain;
  if (sink_) sink_->setVolume(gain);
}

void SoundLoop::reportBad() {
  if (bad_) return;
  bad_ = true;
  if (onBad) onBad();
}

}  // namespace kvirlo::qt
