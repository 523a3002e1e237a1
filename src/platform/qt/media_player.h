#pragma once

#include <memory>

#include "platform/services/media_player.h"

namespace kvirlo::qt {

// Sound files played by the sound helper, one helper a player.
class SoundHelperPlayers : public MediaPlayers {
 public:
  std::unique_ptr<MediaPlayer> create() override;
};

}  // namespace kvirlo::qt
