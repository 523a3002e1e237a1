#pragma once

#include <memory>

#include "platform/qt/sound_helper_client.h"
#include "platform/services/tone.h"

namespace kvirlo::qt {

// A tone of the given pitch and length through the sound card; the program
// goes on while it sounds.
class SoundHelperTone : public Tone {
 public:
  void beep(int frequencyHz, int durationMs) override;

 private:
  std::unique_ptr<SoundHelper> helper_;
};

}  // namespace kvirlo::qt
