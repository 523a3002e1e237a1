#include "platform/win32/media_player.h"

#include "platform/win32/win.h"
#include <mmsystem.h>

#include <algorithm>
#include <cmath>
#include <cwchar>

#include "platform/win32/system_library.h"
#include "platform/win32/text.h"

namespace kvirlo::win32 {
namespace {

// MCI, and the sound drivers it brings, come at the first sound.
MCIERROR sendString(const wchar_t* command, wchar_t* answer, UINT size) {
  static SystemLibrary winmm(L"winmm.dll");
  static const auto send = winmm.function<decltype(&mciSendStringW)>("mciSendStringW");
  return send ? send(command, answer, size, nullptr) : MCIERR_DEVICE_NOT_INSTALLED;
}

}  // namespace

MciPlayer::MciPlayer() {
  static int serial = 0;
  alias_ = L"kvirlo_sound" + std::to_wstring(++serial);
}

MciPlayer::~MciPlayer() { close(); }

bool MciPlayer::send(const std::wstring& command, std::wstring* answer) {
  wchar_t buffer[128] = {};
  const MCIERROR error = sendString(command.c_str(), buffer, 128);
  if (answer) *answer = buffer;
  return error == 0;
}

void MciPlayer::close() {
  if (open_) send(L"close " + alias_);
  open_ = false;
}

int MciPlayer::mciVolume(int hundredthsOfDecibel) {
  const double gain = std::pow(10.0, std::min(hundredthsOfDecibel, 0) / 2000.0);
  return std::clamp(static_cast<int>(std::lround(gain * 1000.0)), 0, 1000);
}

void MciPlayer::open(const std::string& path) {
  close();
  const std::wstring file = wide(path);
  // An MCI command cannot quote a quote: such a name is not opened.
  if (file.empty() || file.find(L'"') != std::wstring::npos) return;
  open_ = send(L"open \"" + file + L"\" type mpegvideo alias " + alias_);
  if (!open_) return;
  send(L"set " + alias_ + L" time format milliseconds");
  std::wstring length;
  length_ = send(L"status " + alias_ + L" length", &length) ? std::wcstol(length.c_str(), nullptr, 10) : 0;
  setVolume(volume_);
  startOver();
}

void MciPlayer::startOver() {
  send(L"seek " + alias_ + L" to start");
  send(L"play " + alias_);
  watch_.started(static_cast<std::int64_t>(GetTickCount64()));
}

void MciPlayer::setVolume(int hundredthsOfDecibel) {
  volume_ = hundredthsOfDecibel;
  if (open_) send(L"setaudio " + alias_ + L" volume to " + std::to_wstring(mciVolume(volume_)));
}

void MciPlayer::play() {
  if (!open_) return;
  std::wstring mode, position;
  const bool playing = send(L"status " + alias_ + L" mode", &mode) && mode == L"playing";
  const long at = send(L"status " + alias_ + L" position", &position)
                      ? std::wcstol(position.c_str(), nullptr, 10)
                      : -1;
  if (watch_.due(playing, at, length_, static_cast<std::int64_t>(GetTickCount64()))) startOver();
}

bool ReplayWatch::due(bool playing, long position, long length, std::int64_t now) {
  if (position < 0) return !playing;  // no position to go by
  const bool moving = position > lastPosition_;
  lastPosition_ = position;
  if (moving) {  // also past a length that was said too short
    movedAt_ = now;
    return false;
  }
  const bool atEnd = length > 0 && position >= length;
  return !playing || atEnd || now - movedAt_ >= kStalledMs;
}

void ReplayWatch::started(std::int64_t now) {
  lastPosition_ = -1;
  movedAt_ = now;
}

void MciPlayer::stop() {
  if (open_) send(L"stop " + alias_);
}

}  // namespace kvirlo::win32
