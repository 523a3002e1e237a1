// Fuzzes start-up on anything a disk or a store may hold: the input is the
// settings file, then, after NUL bytes, the store values the resume reads
// ("running", "Text_Kvir", "Hour_Kvir", "Minute_Kvir"). The program starts,
// the reminder may fire, the user closes the main window; whatever the
// input, nothing crashes and the file written back is 18 whole lines.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "app/App.h"
#include "app/Form1.h"
#include "fakes/world.h"

using kvirlo::testing::World;

namespace {

void require(bool condition) {
  if (!condition) std::abort();
}

std::size_t countLines(const std::string& text) {
  std::size_t lines = 0;
  for (std::size_t i = 0; (i = text.find("\r\n", i)) != std::string::npos; i += 2) ++lines;
  return lines;
}

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
  if (!ended) ended = World::ends([&] { world.clock.advance(kvirlo::Milliseconds(26 * 3600 * 1000)); });
  if (!ended) ended = World::ends([&] { world.app->form1().requestClose(); });
  require(ended);
  const std::string& saved = world.settingsFile();
  require(countLines(saved) == 18);
  require(saved.size() >= 2 && saved.compare(saved.size() - 2, 2, "\r\n") == 0);
  require(world.store.values["running"] == "OFF");
  return 0;
}
