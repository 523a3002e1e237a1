#include "settings/settings_file.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "settings/numbers.h"

namespace kvirlo {
namespace {

std::string numberLine(double value) {
  const std::string digits = formatNumber(value);
  return digits[0] == '-' ? digits + " " : " " + digits + " ";
}

std::string textLine(std::string value) {
  std::replace(value.begin(), value.end(), '\r', ' ');
  std::replace(value.begin(), value.end(), '\n', ' ');
  return value;
}

// The windows keep their positions as single-precision numbers.
double asSingle(double value) {
  if (!std::isfinite(value)) return 0;
  const double limit = std::numeric_limits<float>::max();
  return static_cast<float>(std::clamp(value, -limit, limit));
}

std::vector<std::string_view> splitLines(std::string_view text, bool complete) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  while (start < text.size() && lines.size() < static_cast<std::size_t>(kSettingsLines)) {
    std::size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) {
      if (complete) lines.push_back(text.substr(start));
      break;
    }
    lines.push_back(text.substr(start, end - start));
    start = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
  }
  return lines;
}

std::string_view dropLeadingBlanks(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  return s;
}

}  // namespace

void setSettingsDefaults(SettingsRecord& s, const std::string& winDir) {
  s.FormColor = 14737632;
  s.FieldColor = 16777215;
  s.SoundFile = winDir + "media" + (winDir.empty() ? '\\' : winDir.back()) + "tada.wav";
  s.SoundVolume = -1;
  s.Form1Top = 0;
  s.Form1Left = 0;
  s.SoundOutput = "SoundCard";
  s.BeepFrequency = 670;
  s.BeepDuration = 670;
  s.TunerOn = "NO";
  s.TunerPath = "";
  s.TunerChannel = 1;
  s.TunerMode = "-m:tv";
}

std::string formatSettingsFile(const SettingsRecord& s, const WindowPositions& p) {
  const std::string lines[kSettingsLines] = {
      numberLine(s.FormColor),
      numberLine(s.FieldColor),
      textLine(s.SoundFile),
      numberLine(s.SoundVolume),
      numberLine(asSingle(p.form1Top)),
      numberLine(asSingle(p.form1Left)),
      textLine(s.SoundOutput),
      numberLine(s.BeepFrequency),
      numberLine(s.BeepDuration),
      textLine(s.TunerOn),
      textLine(s.TunerPath),
      textLine(s.MainReminderOff),
      textLine(s.TunerMode),
      textLine(s.TunerFullScreen),
      numberLine(s.TunerChannel),
      numberLine(asSingle(p.form3Left)),
      numberLine(asSingle(p.form3Top)),
      numberLine(s.IndicatorAction),
  };
  std::string file;
  for (const std::string& line : lines) file += line + "\r\n";
  return file;
}

int parseSettingsFile(std::string_view text, bool complete, SettingsRecord& s) {
  const std::vector<std::string_view> lines = splitLines(text, complete);
  auto number = [&](std::size_t i) { return leadingNumber(dropLeadingBlanks(lines[i])); };
  auto string = [&](std::size_t i) { return std::string(dropLeadingBlanks(lines[i])); };
  // A colour line that is no number (damaged bytes, words) keeps the colour
  // set before reading: read as 0 it would turn the window black, text and
  // all, and the exit would save that black for every later start.
  auto colour = [&](std::size_t i, double& field) {
    if (const auto value = wholeNumber(lines[i])) field = *value;
  };
  const std::size_t n = lines.size();
  for (std::size_t i = 0; i < n; ++i) {
    switch (i) {
      case 0: colour(i, s.FormColor); break;
      case 1: colour(i, s.FieldColor); break;
      case 2: s.SoundFile = string(i); break;
      case 3: s.SoundVolume = number(i); break;
      case 4: s.Form1Top = number(i); break;
      case 5: s.Form1Left = number(i); break;
      case 6: s.SoundOutput = string(i); break;
      case 7: s.BeepFrequency = number(i); break;
      case 8: s.BeepDuration = number(i); break;
      case 9: s.TunerOn = string(i); break;
      case 10: s.TunerPath = string(i); break;
      case 11: s.MainReminderOff = string(i); break;
      case 12: s.TunerMode = string(i); break;
      case 13: s.TunerFullScreen = string(i); break;
      case 14: s.TunerChannel = roundToInt32(number(i)); break;
      case 15: s.Form3Left = roundToInt32(number(i)); break;
      case 16: s.Form3Top = roundToInt32(number(i)); break;
      case 17: s.IndicatorAction = toInt16(roundHalfEven(number(i))); break;
      default: break;
    }
  }
  return static_cast<int>(n);
}

}  // namespace kvirlo
