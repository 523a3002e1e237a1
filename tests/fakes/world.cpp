#include "fakes/world.h"

#include "app/Form1.h"

namespace kvirlo::testing {

bool World::start() {
  ownApp = std::make_unique<App>(services);
  app = ownApp.get();
  return !ends([&] { app->run(); });
}

bool World::ends(const std::function<void()>& action) {
  try {
    action();
  } catch (const ProcessEnded&) {
    return true;
  }
  return false;
}

void World::writeSettings(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  files.files[settingsPath()] = text;
}

void World::startReminder(const std::string& text, const std::string& hour,
                          const std::string& minute) {
  Form1& f = app->form1();
  f.Text1.setText(text);
  f.Text2.setText(hour);
  f.Text3.setText(minute);
  f.Command1.click();
}

}  // namespace kvirlo::testing
