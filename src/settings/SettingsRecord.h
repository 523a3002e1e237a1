#pragma once

#include <cstdint>
#include <string>

namespace kvirlo {

// The program's settings, shared by every window. A change takes effect at
// once and reaches the settings file at the next save. String values are
// compared exactly; anything unexpected takes the negative branch of a test.
struct SettingsRecord {
  double FormColor = 14737632;   // 0xE0E0E0: the main window and its frames
  double FieldColor = 16777215;  // 0xFFFFFF: the five text fields
  std::string SoundFile;         // the alarm's sound file
  double SoundVolume = -1;       // hundredths of a decibel, 0 loudest
  std::string SoundOutput = "SoundCard";  // or "SystemDinamyc" (the speaker)
  double BeepFrequency = 670;    // hertz
  double BeepDuration = 670;     // milliseconds
  std::string TunerOn = "NO";    // "YES": start the tuner at the reminder
  std::string TunerPath;
  std::string MainReminderOff;   // "ON": the tuner alone, no alert
  std::string TunerMode = "-m:tv";  // or "-m:fm"
  std::string TunerFullScreen;   // "-fs" or ""
  std::int32_t TunerChannel = 1;
  std::int16_t IndicatorAction = 0;  // the last choice of the action dialog

  // Window positions as read from the file (twips); only the load uses them.
  double Form1Top = 0;
  double Form1Left = 0;
  std::int32_t Form3Left = 0;
  std::int32_t Form3Top = 0;
};

}  // namespace kvirlo
