#pragma once

#include "platform/services/tone.h"

namespace kvirlo::win32 {

// The PC speaker's tone by Beep, which blocks for the tone's length: it
// sounds on a thread of its own so the windows stay alive meanwhile.
class BeepTone : public Tone {
 public:
  void beep(int frequencyHz, int durationMs) override;
};

}  // namespace kvirlo::win32
