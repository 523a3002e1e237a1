#pragma once

#include "platform/win32/win.h"

namespace kvirlo::win32 {

// A system DLL loaded at its first use instead of at the start, so that a
// program that only waits never maps it, nor what it brings along (the
// common dialogs bring the printing system). Loaded from the system folder
// alone, never from beside the program; freed with the holder.
class SystemLibrary {
 public:
  explicit SystemLibrary(const wchar_t* name) : name_(name) {}
  ~SystemLibrary() {
    if (module_) FreeLibrary(module_);
  }
  SystemLibrary(const SystemLibrary&) = delete;
  SystemLibrary& operator=(const SystemLibrary&) = delete;

  // The exported function `name`, of the pointer type F; null when the DLL
  // or the function is missing.
  template <typename F>
  F function(const char* name) {
    if (!module_) module_ = LoadLibraryExW(name_, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (!module_) return nullptr;
    // Through void(*)(), the type that may stand for any function.
    return reinterpret_cast<F>(reinterpret_cast<void (*)()>(GetProcAddress(module_, name)));
  }

 private:
  const wchar_t* name_;
  HMODULE module_ = nullptr;
};

}  // namespace kvirlo::win32
