#include "alert/tuner_launch.h"

#include <string_view>

#include "app/App.h"
#include "app/Form1.h"

namespace kvirlo {
namespace {

// A line break would end the command early; no argument can hold a NUL,
// /bin/sh drops it unseen and cmd.exe may never get past it.
bool breaksTheLine(std::string_view s) {
  return s.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos;
}

// cmd.exe: within double quotes only "%" still acts; outside them the
// operators act too, and a caret makes each a plain character.
std::optional<std::string> cmdQuoted(std::string_view s) {
  if (breaksTheLine(s) || s.find('"') != std::string_view::npos) return std::nullopt;
  std::string out;
  for (char c : s) out += c == '%' ? std::string("%%") : std::string(1, c);
  return out;
}

std::optional<std::string> cmdPlain(std::string_view s) {
  if (breaksTheLine(s) || s.find('"') != std::string_view::npos) return std::nullopt;
  std::string out;
  for (char c : s) {
    if (c == '%')
      out += "%%";
    else if (std::string_view("^&|<>()").find(c) != std::string_view::npos)
      out += std::string("^") + c;
    else
      out += c;
  }
  return out;
}

// /bin/sh: within double quotes "$", "`", "\" and '"' act, and a backslash
// makes each plain. Elsewhere a word of ordinary characters stays as it is
// and anything else goes between single quotes.
std::optional<std::string> shQuoted(std::string_view s) {
  if (breaksTheLine(s)) return std::nullopt;
  std::string out;
  for (char c : s) {
    if (c == '$' || c == '`' || c == '\\' || c == '"') out += '\\';
    out += c;
  }
  return out;
}

std::optional<std::string> shPlain(std::string_view s) {
  if (breaksTheLine(s)) return std::nullopt;
  bool ordinary = true;
  for (char c : s) {
    const bool safe = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                      std::string_view("_@%+=:,./-").find(c) != std::string_view::npos;
    if (!safe) ordinary = false;
  }
  if (ordinary) return std::string(s);
  std::string out = "'";
  for (char c : s) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return out + "'";
}

// A word without a folder is looked up as a command: /bin/sh finds `eval`,
// cmd.exe `call` and `start` among its own, and each would run the rest of
// the line as a command of its own.
bool namesAFolder(ScriptDialect dialect, std::string_view path) {
  return path.find_first_of(dialect == ScriptDialect::Cmd ? "\\/" : "/") != std::string_view::npos;
}

bool isAbsolute(ScriptDialect dialect, std::string_view path) {
  if (dialect == ScriptDialect::Sh) return !path.empty() && path[0] == '/';
  const auto separator = [](char c) { return c == '\\' || c == '/'; };
  if (!path.empty() && separator(path[0])) return true;
  const char letter = path.size() > 2 ? path[0] : '\0';
  const bool drive = (letter >= 'A' && letter <= 'Z') || (letter >= 'a' && letter <= 'z');
  return drive && path[1] == ':' && separator(path[2]);
}

std::string joinPath(const std::string& folder, char separator, const char* name) {
  if (!folder.empty() && folder.back() == separator) return folder + name;
  return folder + separator + name;
}

std::string withoutTrailingSeparator(std::string folder, char separator) {
  if (folder.size() > 1 && folder.back() == separator) folder.pop_back();
  return folder;
}

}  // namespace

std::optional<std::string> tunerCommandFile(ScriptDialect dialect, const std::string& quote,
                                            const SettingsRecord& s) {
  const bool cmd = dialect == ScriptDialect::Cmd;
  auto plain = cmd ? cmdPlain : shPlain;
  const std::string channel = "-ch:" + std::to_string(s.TunerChannel);

  // An empty path runs nothing at all; any other path must name its folder.
  if (!s.TunerPath.empty() && !namesAFolder(dialect, s.TunerPath)) return std::nullopt;
  std::optional<std::string> program;
  if (quote == "\"") {
    const auto inside = cmd ? cmdQuoted(s.TunerPath) : shQuoted(s.TunerPath);
    if (inside) program = quote + *inside + quote;
  } else if (cmd) {
    const auto q = cmdPlain(quote);
    const auto path = cmdPlain(s.TunerPath);
    if (q && path) program = *q + *path + *q;
  } else {
    program = shPlain(quote + s.TunerPath + quote);
  }
  const auto mode = plain(s.TunerMode);
  const auto fullScreen = plain(s.TunerFullScreen);
  if (!program || !mode || !fullScreen) return std::nullopt;

  const std::string line1 =
      *program + " " + *mode + " " + channel + " " + *fullScreen + " -wu ";
  if (cmd) return line1 + "\r\n" + "del ~.cmd" + "\r\n";
  return line1 + "\n" + "rm -f -- \"$0\"" + "\n";
}

bool LaunchTuner(App& app) {
  Services& sys = app.services();
  const ScriptDialect dialect = sys.shell.dialect();
  const auto text = tunerCommandFile(dialect, app.form1().Text6.text(), app.settings);
  if (!text) return false;
  // Windows keeps the file beside the program; elsewhere the program's
  // folder is not the user's to write, and the file goes to the data folder.
  const char separator = sys.paths.separator();
  const std::string folder =
      dialect == ScriptDialect::Cmd
          ? sys.paths.programDirectory()
          : withoutTrailingSeparator(app.WinDir, separator);
  // A tuner that is not there would only make the interpreter say so where
  // nobody reads it; the caller is told instead. The interpreter looks for
  // a relative path from the folder it runs in, and so does the check.
  const std::string& tuner = app.settings.TunerPath;
  const std::string program =
      isAbsolute(dialect, tuner) ? tuner : joinPath(folder, separator, tuner.c_str());
  if (!sys.files.isProgram(program)) return false;
  const std::string path = joinPath(folder, separator, kCommandFileName);
  if (!sys.files.replaceScript(path, *text)) return false;
  // Run in its own folder, so that the file removes itself and nothing else.
  return sys.shell.runCommandFile(path, folder);
}

}  // namespace kvirlo
