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

}  // namespace kvirlo
