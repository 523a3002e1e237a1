#include "platform/qt/tone.h"

#include <QByteArray>

namespace kvirlo::qt {

void SoundHelperTone::beep(int frequencyHz, int durationMs) {
  // A tone-only helper ends by itself when the tones stop; start a new one then.
  if (!helper_ || !helper_->running()) helper_ = std::make_unique<SoundHelper>(soundHelperPath());
  helper_->send("tone " + QByteArray::number(frequencyHz) + " " + QByteArray::number(durationMs));
}

}  // namespace kvirlo::qt
