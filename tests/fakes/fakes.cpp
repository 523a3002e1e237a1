#include "fakes/fakes.h"

#include <gtest/gtest.h>

namespace kvirlo::testing {

int FakeMessageBox::show(const std::string& text, int flags, const std::string& title) {
  shown.push_back({text, flags, title});
  if (whileOpen) whileOpen();
  if (answers.empty()) {
    ADD_FAILURE() << "a message box nobody expected: \"" << text << "\"";
    return mb::AnswerOk;
  }
  const int answer = answers.front();
  answers.pop_front();
  return answer;
}

std::optional<std::string> FakeDialogs::openFile(const FileDialogRequest& request) {
  fileRequests.push_back(request);
  if (files.empty()) {
    ADD_FAILURE() << "a file dialog nobody expected: \"" << request.title << "\"";
    return std::nullopt;
  }
  auto answer = files.front();
  files.pop_front();
  return answer;
}

std::optional<Colour> FakeDialogs::chooseColour(Colour initial) {
  colourRequests.push_back(initial);
  if (colours.empty()) {
    ADD_FAILURE() << "a colour dialog nobody expected";
    return std::nullopt;
  }
  auto answer = colours.front();
  colours.pop_front();
  return answer;
}

std::optional<std::string> FakeFiles::read(const std::string& path, std::size_t maxBytes) {
  auto it = files.find(path);
  if (it == files.end()) return std::nullopt;
  return it->second.substr(0, maxBytes);
}

bool FakeFiles::replace(const std::string& path, const std::string& text) {
  if (readOnly.count(path)) return false;
  files[path] = text;
  ++replacements;
  return true;
}

bool FakeShell::runCommandFile(const std::string& path, const std::string& workingDirectory) {
  auto it = files_.files.find(path);
  runs.push_back({path, workingDirectory, it == files_.files.end() ? "" : it->second});
  return true;
}

namespace {

class FakePlayer : public MediaPlayer {
 public:
  explicit FakePlayer(FakeMedia& media) : media_(media) { ++media_.alive; }
  ~FakePlayer() override {
    --media_.alive;
    media_.playing = false;
  }
  void open(const std::string& path) override {
    media_.file = path;
    start();
  }
  void setVolume(int volume) override { media_.volume = volume; }
  void play() override {
    if (!media_.playing) start();
  }
  void stop() override { media_.playing = false; }
  void setEnabled(bool enabled) override { media_.enabled = enabled; }
  bool playable() override { return !media_.unplayable.count(media_.file); }

 private:
  void start() {
    if (!playable()) return;
    media_.playing = true;
    ++media_.starts;
  }
  FakeMedia& media_;
};

}  // namespace

std::unique_ptr<MediaPlayer> FakeMedia::create() {
  ++created;
  return std::make_unique<FakePlayer>(*this);
}

}  // namespace kvirlo::testing
