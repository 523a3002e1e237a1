#include "platform/win32/MciMedia.h"

#include "platform/win32/win.h"
#include <mmsystem.h>

#include <algorithm>
#include <cmath>

#include "platform/win32/handles.h"
#include "platform/win32/text.h"

namespace kvirlo::win32 {

MciPlayer::MciPlayer() {
  static int serial = 0;
  alias_ = L"kvirlo_sound" + std::to_wstring(++serial);
}

MciPlayer::~MciPlayer() { close(); }

bool MciPlayer::send(const std::wstring& command, std::wstring* answer) {
  wchar_t buffer[128] = {};
  const MCIERROR error = mciSendStringW(command.c_str(), buffer, 128, nullptr);
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
  setVolume(volume_);
  send(L"play " + alias_ + L" from 0");
}

void MciPlayer::setVolume(int hundredthsOfDecibel) {
  volume_ = hundredthsOfDecibel;
  if (open_) send(L"setaudio " + alias_ + L" volume to " + std::to_wstring(mciVolume(volume_)));
}

void MciPlayer::play() {
  if (!open_) return;
  std::wstring mode;
  if (send(L"status " + alias_ + L" mode", &mode) && mode == L"playing") return;
  send(L"play " + alias_ + L" from 0");
}

void MciPlayer::stop() {
  if (open_) send(L"stop " + alias_);
}

namespace {

struct BeepRequest {
  DWORD frequency;
  DWORD duration;
};

DWORD WINAPI beepThread(LPVOID parameter) {
  const std::unique_ptr<BeepRequest> request(static_cast<BeepRequest*>(parameter));
  Beep(request->frequency, request->duration);
  return 0;
}

}  // namespace

void BeepTone::beep(int frequencyHz, int durationMs) {
  // Beep refuses other frequencies, and so does the program: no tone, not a
  // near one.
  if (!Tone::audible(frequencyHz, durationMs)) return;
  auto* request = new BeepRequest{static_cast<DWORD>(frequencyHz), static_cast<DWORD>(durationMs)};
  Handle thread(CreateThread(nullptr, 0, beepThread, request, 0, nullptr));
  if (!thread) delete request;
}

}  // namespace kvirlo::win32
