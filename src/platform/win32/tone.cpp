#include "platform/win32/tone.h"

#include "platform/win32/win.h"

#include <memory>

#include "platform/win32/handles.h"

namespace kvirlo::win32 {
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
