#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/services/media_player.h"

namespace kvirlo::win32 {

// QUIRK(Wine), listed in docs/quirks.md.
// When a repeating file must start again. A driver may report its mode late
// or wrongly (Wine's says "stopped" while a replay plays, and plays a file
// only once from "play ... from 0"): a position that moves on tells more.
class ReplayWatch {
 public:
  static constexpr std::int64_t kStalledMs = 500;
  // At a replay request: whether the device says it plays, its position and
  // the file's length in milliseconds (-1 and 0: unknown), now on a steady
  // clock. True when the file is to start from the beginning: its position
  // stands still at the end, or while it is stopped, or for half a second
  // while it is said to play.
  bool due(bool playing, long position, long length, std::int64_t now);
  void started(std::int64_t now);

 private:
  long lastPosition_ = -1;
  std::int64_t movedAt_ = 0;
};

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

  void startOver();

  std::wstring alias_;
  bool open_ = false;
  int volume_ = 0;
  long length_ = 0;  // ms, 0 when the device does not say
  ReplayWatch watch_;
};

class MciPlayers : public MediaPlayers {
 public:
  std::unique_ptr<MediaPlayer> create() override { return std::make_unique<MciPlayer>(); }
};

}  // namespace kvirlo::win32
