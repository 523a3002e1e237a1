#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "settings/SettingsRecord.h"

namespace kvirlo {

inline constexpr const char* kSettingsFileName = "Kvir_Config.ini";
inline constexpr int kSettingsLines = 18;
// A settings file is a few hundred bytes; more than this is not one, and
// reading stops there rather than taking the whole of a huge file in.
inline constexpr std::size_t kSettingsReadLimit = 1 << 20;

// Where the windows stand when the file is written (twips).
struct WindowPositions {
  double form1Top = 0;
  double form1Left = 0;
  double form3Left = 0;
  double form3Top = 0;
};

// The defaults the load sets before it reads. MainReminderOff,
// TunerFullScreen, the indicator's position and IndicatorAction keep theirs.
void setSettingsDefaults(SettingsRecord& settings, const std::string& winDir);

// The whole file: 18 lines, each ending in CR LF. Numbers are written as
// " 14737632 " or "-1 "; text as it is, except that a line break inside a
// value is written as a blank, since it would split the value over two lines.
std::string formatSettingsFile(const SettingsRecord& settings, const WindowPositions& positions);

// Reads the lines in order into `settings`, stopping where the text ends;
// returns how many values were read. `complete` says whether `text` is the
// whole file: when it is not, a last line without its line break is left
// out, since its end is missing.
int parseSettingsFile(std::string_view text, bool complete, SettingsRecord& settings);

}  // namespace kvirlo
