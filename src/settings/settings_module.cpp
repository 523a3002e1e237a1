#include "settings/settings_module.h"

#include <optional>
#include <string>

#include "app/App.h"
#include "app/Form1.h"
#include "indicator/Form3.h"
#include "settings/settings_file.h"

namespace kvirlo {
namespace {

std::string mainPath(App& app) { return app.WinDir + kSettingsFileName; }

// The user's own copy, kept where the Windows directory refuses writes.
std::string fallbackPath(App& app) {
  const std::string folder = app.services().paths.settingsFallbackDirectory();
  if (folder.empty()) return {};
  return folder + app.services().paths.separator() + kSettingsFileName;
}

bool exists(App& app, const std::string& path) {
  return !path.empty() && app.services().files.read(path, 0).has_value();
}

void readFile(App& app) {
  // Once the user's copy exists it is the newer one: the main file stopped
  // taking writes when the copy was made.
  const std::string fallback = fallbackPath(app);
  auto text = exists(app, fallback) ? app.services().files.read(fallback, kSettingsReadLimit + 1)
                                    : std::nullopt;
  if (!text) text = app.services().files.read(mainPath(app), kSettingsReadLimit + 1);
  if (!text) return;
  const bool complete = text->size() <= kSettingsReadLimit;
  const std::string_view usable =
      complete ? std::string_view(*text) : std::string_view(*text).substr(0, kSettingsReadLimit);
  parseSettingsFile(usable, complete, app.settings);
}

void apply(App& app) {
  SettingsRecord& s = app.settings;
  Form1& f = app.form1();
  f.paintFormColor(s.FormColor);
  f.paintFieldColor(s.FieldColor);
  f.setTop(s.Form1Top);
  f.setLeft(s.Form1Left);
  f.setHeight(Form1::CompactHeight);
  if (s.TunerOn == "YES") {
    f.Check3.setValue(check::Checked);
    f.Command3.setText("Кратко");
    f.setHeight(Form1::ExtendedHeight);
  }
  f.Check6.setValue(s.MainReminderOff == "ON" ? check::Checked : check::Unchecked);
  if (s.TunerMode == "-m:tv") f.Option1.setValue(1);
  if (s.TunerMode == "-m:fm") f.Option2.setValue(1);
  if (s.TunerFullScreen == "-fs") f.Check5.setValue(check::Checked);
  f.Text5.setText(s.TunerPath);
  f.Text4.setText(std::to_string(s.TunerChannel));
  Form3& indicator = app.form3();
  indicator.setLeft(s.Form3Left);
  indicator.setTop(s.Form3Top);
}

}  // namespace

void LoadSettings(App& app) {
  setSettingsDefaults(app.settings, app.WinDir);
  readFile(app);
  apply(app);
}

bool SaveSettings(App& app) {
  Form1& f = app.form1();
  Form3& indicator = app.form3();
  const WindowPositions positions{f.top(), f.left(), indicator.left(), indicator.top()};
  const std::string text = formatSettingsFile(app.settings, positions);
  FileSystem& files = app.services().files;
  const std::string fallback = fallbackPath(app);
  if (exists(app, fallback)) return files.replace(fallback, text);
  if (files.replace(mainPath(app), text)) return true;
  return !fallback.empty() && files.replace(fallback, text);
}

}  // namespace kvirlo
