#include "platform/win32/mouse_tracking.h"

namespace kvirlo::win32 {

void endMouseTrackingIn(HWND window) {
  TRACKMOUSEEVENT query{sizeof query, TME_QUERY, nullptr, 0};
  if (!window || !TrackMouseEvent(&query) || !query.hwndTrack) return;
  const HWND tracked = query.hwndTrack;
  if (tracked != window && !IsChild(window, tracked)) return;
  const DWORD flags = query.dwFlags & (TME_HOVER | TME_LEAVE | TME_NONCLIENT);
  TRACKMOUSEEVENT cancel{sizeof cancel, TME_CANCEL | flags, tracked, 0};
  TrackMouseEvent(&cancel);
  if (flags & TME_LEAVE)
    SendMessageW(tracked, (flags & TME_NONCLIENT) ? WM_NCMOUSELEAVE : WM_MOUSELEAVE, 0, 0);
}

}  // namespace kvirlo::win32
