#pragma once

// Random tuner values for the command-file tests: paths, modes and
// full-screen switches made of what a command interpreter acts on, words
// that would run a command of their own if it did, Cyrillic, blanks and line
// breaks. A case is a seed, so a failure names the case that reproduces it.

#include <cstdint>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace kvirlo::testing {

class RandomValues {
 public:
  // `markerCommand` creates a file named "injected" in the working folder
  // ("touch injected", "type nul>injected").
  RandomValues(std::uint32_t seed, std::string markerCommand)
      : random_(seed), marker_(std::move(markerCommand)) {}

  int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }
  bool chance(int percent) { return below(100) < percent; }

  // Text with any of the characters below, `pieces` pieces long.
  std::string text(int pieces, std::string_view forbidden = "") {
    std::string out;
    for (int i = 0; i < pieces; ++i) {
      std::string piece = this->piece();
      bool allowed = true;
      for (char c : piece) allowed = allowed && forbidden.find(c) == std::string_view::npos;
      if (allowed) out += piece;
    }
    return out;
  }

  // A channel number: small ones mostly, the ends of the range sometimes.
  int channel() {
    switch (below(4)) {
      case 0: return INT32_MIN + below(3);
      case 1: return INT32_MAX - below(3);
      default: return below(400) - 100;
    }
  }

  // Any byte but NUL, for systems whose names are bytes.
  char anyByte() { return static_cast<char>(1 + below(255)); }

 private:
  std::string piece() {
    static const std::vector<std::string> plain = {
        "a", "Z", "7", "tv", "Tuner", "Тюнер", "ж", "Ё", "канал", " ", "  ", "\t",
        ".", "-", "_", "~", "@", "#", "+", "=", ",", "-m:tv", "-fs"};
    static const std::vector<std::string> acting = {
        "%", "&", "^", "|", "<", ">", "(", ")", "$", "\\", "`", ";", "'", "\"", "!",
        "*", "?", "[", "]", "{", "}", "%PATH%", "!PATH!", "%%", "%~dp0", "$HOME", "${IFS}", "$(", "\r", "\n",
        "\r\n", "^\n", "\\\n"};
    static const std::vector<std::string> wrappers = {
        "&{}", "&&{}", "|{}", "||{}", ";{}", "\n{}", "$({})", "`{}`", "\"&{}&\"", "'; {}; '",
        "\"; {}; \"", "^&{}", "%%&{}", "\"$({})\"", ")&{}&(", "\\\";{};\\\""};
    switch (below(10)) {
      case 0:
      case 9: {
        std::string w = wrappers[below(static_cast<int>(wrappers.size()))];
        return w.replace(w.find("{}"), 2, marker_);
      }
      case 1:
      case 2:
      case 3: return acting[below(static_cast<int>(acting.size()))];
      case 4: return std::string(static_cast<std::size_t>(20 + below(120)), 'L');
      default: return plain[below(static_cast<int>(plain.size()))];
    }
  }

  std::mt19937 random_;
  std::string marker_;
};

}  // namespace kvirlo::testing
