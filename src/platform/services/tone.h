#pragma once

namespace kvirlo {

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
