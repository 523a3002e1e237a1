// Reference for the Windows benchmark: the floor of any Win32 program, one
// top-most tool window with a message loop and no timers. It notes when it
// is first painted, as the program does. Cross-compiled with mingw-w64:
//   x86_64-w64-mingw32-g++ -O2 -municode -mwindows -static bare_window_win32.cpp
#include <windows.h>

#include <cstdio>
#include <cstdlib>

namespace {

bool painted = false;

// Milliseconds since the Unix epoch, to the microsecond.
double epochMilliseconds() {
  FILETIME now;
  GetSystemTimePreciseAsFileTime(&now);
  const unsigned long long ticks = (static_cast<unsigned long long>(now.dwHighDateTime) << 32) |
                                   now.dwLowDateTime;  // 100 ns since 1601
  return (ticks - 116444736000000000ULL) / 10000.0;
}

void notePainted() {
  const char* path = std::getenv("KVIRLO_TRACE");
  if (!path || !*path) return;
  if (std::FILE* f = std::fopen(path, "a")) {
    std::fprintf(f, "painted Bare %.3f\n", epochMilliseconds());
    std::fclose(f);
  }
}

LRESULT CALLBACK procedure(HWND hwnd, UINT message, WPARAM w, LPARAM l) {
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(hwnd, &paint);
      RECT r;
      GetClientRect(hwnd, &r);
      DrawTextW(dc, L"Bare", -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
      EndPaint(hwnd, &paint);
      if (!painted) notePainted();
      painted = true;
      return 0;
    }
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(hwnd, message, w, l);
  }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = procedure;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  wc.lpszClassName = L"Bare";
  RegisterClassExW(&wc);
  HWND hwnd = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, L"Bare", L"Bare",
                              WS_POPUP | WS_BORDER, 20, 20, 101, 35, nullptr, nullptr, instance,
                              nullptr);
  ShowWindow(hwnd, SW_SHOW);
  SetForegroundWindow(hwnd);
  UpdateWindow(hwnd);
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return 0;
}
