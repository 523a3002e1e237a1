#pragma once

#include <memory>
#include <string>

namespace kvirlo {

// Plays a sound file through the sound card.
class MediaPlayer {
 public:
  virtual ~MediaPlayer() = default;
  // Opens the file and starts playing it once from the beginning.
  virtual void open(const std::string& path) = 0;
  // Hundredths of a decibel, 0 loudest: gain = 10^(volume / 2000).
  virtual void setVolume(int hundredthsOfDecibel) = 0;
  // Starts playback when it is not playing, from the beginning when an
  // earlier playback has ended; does nothing while it plays.
  virtual void play() = 0;
  virtual void stop() = 0;
  virtual void setEnabled(bool enabled) = 0;
  // False when the file could not be opened or is not a sound.
  virtual bool playable() = 0;
};

class MediaPlayers {
 public:
  virtual ~MediaPlayers() = default;
  virtual std::unique_ptr<MediaPlayer> create() = 0;
};

// A tone through the speaker. Returns at once; the tone lasts `durationMs`.
class Tone {
 public:
  // The frequencies a speaker tone can have; others give no tone at all.
  static constexpr int LowestHz = 37;
  static constexpr int HighestHz = 32767;
  // The longest tone the program sounds. The sliders give at most two
  // seconds; a settings file may ask for days, and a tone sounds to its end
  // even after its alert has closed.
  static constexpr int LongestMs = 10'000;
  static bool audible(int frequencyHz, int durationMs) {
    return durationMs > 0 && frequencyHz >= LowestHz && frequencyHz <= HighestHz;
  }

  virtual ~Tone() = default;
  virtual void beep(int frequencyHz, int durationMs) = 0;
};

}  // namespace kvirlo
