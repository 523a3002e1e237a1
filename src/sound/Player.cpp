#include "sound/Player.h"

#include <algorithm>
#include <exception>

#include "app/App.h"
#include "settings/numbers.h"
#include "platform/services/paths.h"

namespace kvirlo {
namespace {

// A stored value the slider cannot show is shown at the nearest end.
int sliderPosition(const Control& slider, double value) {
  const double whole = roundHalfEven(value);
  return static_cast<int>(std::clamp(whole, double(slider.minimum()), double(slider.maximum())));
}

}  // namespace

Player::Player(App& app)
    : Window(app.context(), WindowId::Player, "Настройки звука"), app_(app) {
  border = BorderStyle::FixedSingle;
  minButton = maxButton = false;
  centred = true;
  closesOnEscape = true;
  clientWidth = 5115;
  clientHeight = 2610;
  setGeometry({0, 0, 5115, 2610});
  Label1.setGeometry({120, 120, 4935, 495});
  Label2_0.setGeometry({120, 720, 375, 255});
  Slider1.setGeometry({480, 720, 2535, 375});
  Slider1.setRange(0, 4999);
  Slider1.largeChange = 5;
  Label2_1.setGeometry({3120, 720, 375, 255});
  Text1.setGeometry({120, 1200, 4215, 285});
  Text1.accessibleName = "Звуковой файл";
  Command1.accessibleName = "Выбрать звуковой файл";
  Slider1.accessibleName = "Громкость";
  Slider2.accessibleName = Label3_0.text();
  Slider3.accessibleName = Label3_1.text();
  Text1.setForeColor(rgb(0, 0, 255));
  Text1.readOnly = true;
  Command1.setGeometry({4440, 1200, 495, 285});
  Command1.picture = "open-folder";
  Line1.setGeometry({120, 1560, 4800, 0});
  Check1.setGeometry({120, 1680, 4215, 255});
  Label3_0.setGeometry({600, 1950, 735, 255});
  Label3_1.setGeometry({2280, 1950, 1215, 255});
  Slider2.setGeometry({120, 2160, 1695, 255});
  Slider2.setRange(2, 20);
  Slider2.largeChange = 5;
  Slider3.setGeometry({1920, 2160, 1695, 255});
  Slider3.setRange(0, 20);
  Slider3.largeChange = 5;
  Command2.setGeometry({3720, 2150, 1215, 285});
  enableSpeakerGroup(false);

  MediaPlayer1 = app.services().media.create();

  Check1.onChange = [this] { Check1_Click(); };
  Slider1.onScroll = [this] { Slider1_Scroll(); };
  Slider2.onScroll = [this] { Slider2_Scroll(); };
  Slider3.onScroll = [this] { Slider3_Scroll(); };
  Command1.onClick = [this] { Command1_Click(); };
  Command2.onClick = [this] { Command2_Click(); };
  Timer1.onTick = [this] { Timer1_Timer(); };
  Timer2.onTick = [this] { Timer2_Timer(); };
}

void Player::enableSoundCardGroup(bool enabled) {
  for (Control* c : {&Label1, &Label2_1, &Label2_0, &Text1, &Slider1, &Command1})
    c->setEnabled(enabled);
}

void Player::enableSpeakerGroup(bool enabled) {
  for (Control* c : {&Label3_0, &Label3_1, &Slider2, &Slider3, &Command2}) c->setEnabled(enabled);
}

void Player::Form_Load() {
  const SettingsRecord& s = app_.settings;
  if (s.SoundOutput == "SystemDinamyc") Check1.setValue(check::Checked);
  if (s.SoundOutput == "SoundCard") Check1.setValue(check::Unchecked);
  Slider2.setValue(sliderPosition(Slider2, s.BeepFrequency / 50));
  Slider3.setValue(sliderPosition(Slider3, s.BeepDuration / 100));
  Text1.setText(s.SoundFile);
  Slider1.setValue(sliderPosition(Slider1, s.SoundVolume + 5000));
  MediaPlayer1->open(s.SoundFile);
  MediaPlayer1->setVolume(roundToInt32(s.SoundVolume));
}

void Player::Form_Unload() {
  deferredBeep_.reset();
  // The sound stops and its objects go with the window.
  if (MediaPlayer1) MediaPlayer1->stop();
  MediaPlayer1.reset();
}

void Player::MediaPlayer1_Enable() {
  if (!MediaPlayer1) return;
  MediaPlayer1->setEnabled(true);
  alarm_ = true;
  fallBackIfSilent();
}

// An alarm that makes no sound defeats the reminder: when the sound file is
// missing, empty or not a sound, the speaker's tone takes over.
void Player::fallBackIfSilent() {
  if (!alarm_ || fellBack_ || !MediaPlayer1 || MediaPlayer1->playable()) return;
  fellBack_ = true;
  Timer2.setEnabled(true);
}

void Player::Check1_Click() {
  SettingsRecord& s = app_.settings;
  if (Check1.value() == check::Checked) {
    s.SoundOutput = "SystemDinamyc";
    enableSoundCardGroup(false);
    MediaPlayer1->stop();
    Timer1.setEnabled(false);
    enableSpeakerGroup(true);
  } else {
    s.SoundOutput = "SoundCard";
    enableSoundCardGroup(true);
    MediaPlayer1->play();
    Timer1.setEnabled(true);
    enableSpeakerGroup(false);
    Timer2.setEnabled(false);
    Command2.setText("Проба звука");
  }
}

void Player::Slider1_Scroll() {
  app_.settings.SoundVolume = Slider1.value() - 5000;
  MediaPlayer1->setVolume(roundToInt32(app_.settings.SoundVolume));
}

void Player::Slider2_Scroll() { app_.settings.BeepFrequency = Slider2.value() * 50; }

void Player::Slider3_Scroll() { app_.settings.BeepDuration = Slider3.value() * 100; }

void Player::Command1_Click() {
  Services& sys = app_.services();
  // The dialog opens where the current sound is, so a neighbour is one click away.
  const auto chosen = sys.dialogs.openFile(
      {"", "", "*.wav *.mp3", "", folderOf(app_.settings.SoundFile, sys.paths.separator())});
  if (!chosen) return;  // cancelled: nothing changes
  app_.settings.SoundFile = *chosen;
  Text1.setText(app_.settings.SoundFile);
  MediaPlayer1->open(app_.settings.SoundFile);
}

void Player::Command2_Click() {
  if (Command2.text() == "Проба звука") {
    Command2.setText("Стоп");
    Timer2.setEnabled(true);
  } else if (Command2.text() == "Стоп") {
    Command2.setText("Проба звука");
    Timer2.setEnabled(false);
    deferredBeep_.reset();
  }
}

void Player::Timer1_Timer() {
  try {
    fallBackIfSilent();  // a player may learn only later that a file is no sound
    if (MediaPlayer1) MediaPlayer1->play();
  } catch (const std::exception&) {
    // A file that cannot play fails quietly; the loop goes on.
  }
}

void Player::Timer2_Timer() {
  // Tones never overlap: a tick while one still sounds waits for its end,
  // so long tones follow each other back to back.
  Clock& clock = app_.services().clock;
  const std::int64_t now = clock.steadyMilliseconds();
  if (now >= toneEndsAt_) return beepNow();
  if (deferredBeep_) return;
  deferredBeep_ = clock.once(Milliseconds(toneEndsAt_ - now), [this] {
    deferredBeep_.reset();
    if (Timer2.enabled()) Timer2_Timer();
  });
}

void Player::beepNow() {
  try {
    const int frequency = roundToInt32(app_.settings.BeepFrequency);
    const int duration = std::min(roundToInt32(app_.settings.BeepDuration), Tone::LongestMs);
    // A tone that cannot sound returns at once and holds nothing up.
    const bool audible = Tone::audible(frequency, duration);
    toneEndsAt_ = app_.services().clock.steadyMilliseconds() + (audible ? duration : 0);
    if (audible) app_.services().tone.beep(frequency, duration);
  } catch (const std::exception&) {
    // A tone that cannot sound is skipped; the loop goes on.
  }
}

}  // namespace kvirlo
