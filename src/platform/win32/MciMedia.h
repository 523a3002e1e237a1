#pragma once

#include <memory>
#include <string>

#include "platform/media_player.h"

namespace kvirlo::win32 {

// One sound file played through MCI's MPEG video device, which takes WAV and
// MP3 alike and has a volume. The device is closed with the player.
class MciPlayer : public MediaPlayer {
 public:
  MciPlayer();
  ~MciPlayer() override;
  MciPlayer(const MciPlayer&) = delete;
  MciPlayer& operator=(const MciPlayer&) = delete;

  void open(const std::string& path) override;
  void setVolume(int hundredthsOfDecibel) override;
  void play() override;
  void stop() override;
  void setEnabled(bool) override {}
  bool playable() override { return open_; }

  // MCI's volume (0 to 1000, linear) for hundredths of a decibel.
  static int mciVolume(int hundredthsOfDecibel);

 private:
  bool send(const std::wstring& command, std::wstring* answer = nullptr);
  void close();

  std::wstring alias_;
  bool open_ = false;
  int volume_ = 0;
};

class MciPlayers : public MediaPlayers {
 public:
  std::unique_ptr<MediaPlayer> create() override { return std::make_unique<MciPlayer>(); }
};

// The PC speaker's tone by Beep, which blocks for the tone's length: it
// sounds on a thread of its own so the windows stay alive meanwhile.
class BeepTone : public Tone {
 public:
  void beep(int frequencyHz, int durationMs) override;
};

}  // namespace kvirlo::win32
