// Fuzzes start-up on anything a disk or a store may hold: the input is the
// settings file, then, after NUL bytes, the store values the resume reads
// ("running", "Text_Kvir", "Hour_Kvir", "Minute_Kvir"). The program starts
// and lives a user's day in brief: it waits, the clock moves on to the
// reminder's minute, the alert opens and sounds for a few seconds, the user
// closes it and then the main window. Whatever the input, nothing crashes,
// the reminder fires at its minute, and the file written back is 18 whole
// lines.
//
// The day is not ticked through: waiting wakes only at minute starts, and
// 26 hours of those, or of the alert's 100 ms timers, would cost each input
// milliseconds. The clock instead jumps to the minute before the reminder's,
// as it does when the machine wakes from sleep, and runs on from there.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "alert/Form2.h"
#include "app/App.h"
#include "app/Form1.h"
#include "fakes/world.h"

using kvirlo::Milliseconds;
using kvirlo::WindowId;
using kvirlo::testing::World;

namespace {

constexpr std::int64_t kMinute = 60'000;
constexpr std::int64_t kDay = 24 * 60 * kMinute;

void require(bool condition) {
  if (!condition) std::abort();
}

std::size_t countLines(const std::string& text) {
  std::size_t lines = 0;
  for (std::size_t i = 0; (i = text.find("\r\n", i)) != std::string::npos; i += 2) ++lines;
  return lines;
}

// The wall time of the first minute start within a day from now at which the
// watch's hour and minute have both been reached; none when the reminder's
// time lies beyond any clock.
std::optional<std::int64_t> alarmMinute(std::int64_t wallMs, double hour, double minute) {
  const std::int64_t start = wallMs - (wallMs % kMinute + kMinute) % kMinute + kMinute;
  for (std::int64_t t = start; t <= start + kDay; t += kMinute) {
    const std::int64_t ofDay = (t % kDay + kDay) % kDay / kMinute;
    if (ofDay / 60 >= hour && ofDay % 60 >= minute) return t;
  }
  return std::nullopt;
}

bool alertOpen(const World& world) { return world.app->exists(WindowId::Form2); }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view input(reinterpret_cast<const char*>(data), size);
  std::string parts[5];
  for (std::string& part : parts) {
    const std::size_t end = input.find('\0');
    part = std::string(input.substr(0, end));
    input = end == std::string_view::npos ? std::string_view() : input.substr(end + 1);
  }
  World world;
  if (!parts[0].empty()) world.files.files[world.settingsPath()] = parts[0];
  world.store.values = {{"running", parts[1]}, {"Text_Kvir", parts[2]},
                        {"Hour_Kvir", parts[3]}, {"Minute_Kvir", parts[4]}};
  for (int i = 0; i < 8; ++i) world.boxes.answer(kvirlo::mb::AnswerOk);

  bool ended = !world.start();
  // The first seconds: the watch's first look and the countdown's first tick.
  if (!ended) ended = World::ends([&] { world.clock.advance(Milliseconds(1500)); });
  if (!ended && !alertOpen(world) && world.app->form1().Timer1.enabled()) {
    const auto due =
        alarmMinute(world.clock.wallMs(), world.app->AlarmHour, world.app->AlarmMinute);
    ended = World::ends([&] {
      // Asleep until the minute before, then awake into the reminder's minute.
      world.clock.setWallClock(due ? *due - kMinute : world.clock.wallMs() + kDay);
      world.clock.advance(Milliseconds(kMinute + 500));
    });
    // Only the tuner alone ends the program when the reminder fires.
    if (!ended) require(alertOpen(world) == due.has_value());
  }
  if (!ended && alertOpen(world)) {
    ended = World::ends([&] {
      world.clock.advance(Milliseconds(3000));  // blinking and sounding
      world.app->form2().requestClose();
    });
  }
  if (!ended) ended = World::ends([&] { world.app->form1().requestClose(); });
  require(ended);
  const std::string& saved = world.settingsFile();
  require(countLines(saved) == 18);
  require(saved.size() >= 2 && saved.compare(saved.size() - 2, 2, "\r\n") == 0);
  require(world.store.values["running"] == "OFF");
  return 0;
}
