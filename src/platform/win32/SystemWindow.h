#pragma once

#include "platform/win32/win.h"

#include <functional>
#include <vector>

namespace kvirlo::win32 {

// The program's hidden top-level window. It is never shown; it receives what
// Windows says to every top-level window (the clock was set, the machine
// woke, the session ends), the timers, the tray icon's mouse messages and a
// second copy's knock.
class SystemWindow {
 public:
  static constexpr const wchar_t* kClassName = L"Kvirlo.System";
  // A later copy of the program posts this to bring the main window forward.
  static UINT showMainMessage();

  SystemWindow();
  ~SystemWindow();
  SystemWindow(const SystemWindow&) = delete;
  SystemWindow& operator=(const SystemWindow&) = delete;

  HWND handle() const { return hwnd_; }

  // A listener answers a message by returning true and setting the result.
  using Listener = std::function<bool(UINT message, WPARAM, LPARAM, LRESULT& result)>;
  void listen(Listener listener) { listeners_.push_back(std::move(listener)); }

 private:
  static LRESULT CALLBACK procedure(HWND, UINT, WPARAM, LPARAM);
  HWND hwnd_ = nullptr;
  std::vector<Listener> listeners_;
};

}  // namespace kvirlo::win32
