// What only the Win32 windows do, on a Wine desktop: their classes, the
// spinner, the tray's menu, DPI, the mouse, the captions as GDI draws them.
// What every toolkit's views do alike is in views/view_contract_cases.cpp.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "platform/win32/win.h"
#include <commctrl.h>
#include <shellapi.h>

#include "app/Form1.h"
#include "alert/Form2.h"
#include "indicator/Form3.h"
#include "indicator/Form4.h"
#include "sound/Player.h"
#include "tray/formAbout.h"
#include "platform/win32/tray_icons.h"
#include "platform/win32/WindowView.h"
#include "platform/win32/text.h"
#include "tray/frmSlug.h"
#include "win32/win32_world.h"

namespace kvirlo::testing {
namespace {

using win32::wide;

struct Windows : ::testing::Test {
  Windows() {
    forgetEverything();
    world.app->run();
    world.pump();
  }
  ~Windows() override { forgetEverything(); }
  Form1& form1() { return world.app->form1(); }
  Win32World world;
};

// Each window is a Win32 window of its own class; the fields are edit
// controls, the channel's spinner an up-down control.
TEST_F(Windows, EveryWindowHasItsClassAndEveryControlItsWin32Control) {
  EXPECT_EQ(FindWindowW(L"Kvirlo.Form1", nullptr), world.windowOf(form1()));
  for (Window* w : {static_cast<Window*>(&form1()), static_cast<Window*>(&world.app->form3()),
                    static_cast<Window*>(&world.app->slug())}) {
    ASSERT_TRUE(world.windowOf(*w)) << windowName(w->id());
    wchar_t cls[64] = {};
    GetClassNameW(world.windowOf(*w), cls, 64);
    EXPECT_EQ(std::wstring(cls), win32::WindowView::className(w->id()));
    for (Control* c : w->controls()) EXPECT_TRUE(world.controlOf(*c)) << c->name();
  }
  wchar_t cls[64] = {};
  GetClassNameW(world.controlOf(form1().Text1), cls, 64);
  EXPECT_EQ(_wcsicmp(cls, L"Edit"), 0);
  GetClassNameW(world.controlOf(form1().UpDown1), cls, 64);
  EXPECT_STREQ(cls, UPDOWN_CLASSW);
}

TEST_F(Windows, TheSpinnerStepsTheChannelAndKeepsNoNumberOfItsOwn) {
  form1().Text4.setText("5");
  NMUPDOWN step{};
  step.hdr.hwndFrom = world.controlOf(form1().UpDown1);
  step.hdr.code = UDN_DELTAPOS;
  step.iDelta = 1;
  const LRESULT refused = SendMessageW(world.windowOf(form1()), WM_NOTIFY, 0,
                                       reinterpret_cast<LPARAM>(&step));
  EXPECT_TRUE(refused);
  EXPECT_EQ(form1().Text4.text(), "6");
}

TEST_F(Windows, ATrayMenuCommandReachesItsHandler) {
  world.app->slug();
  world.pump();
  // The menu's own loop reads the keys: down to «Время» (past the site and
  // About; separators are skipped) and Enter.
  HWND slug = world.windowOf(world.app->slug());
  for (WPARAM key : {VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN}) PostMessageW(slug, WM_KEYDOWN, key, 0);
  SendMessageW(world.system.window.handle(), win32::Win32Tray::kCallbackMessage, 1, WM_RBUTTONUP);
  world.pump();
  EXPECT_TRUE(world.app->form3().visible());
  EXPECT_TRUE(IsWindowVisible(world.windowOf(world.app->form3())));
  EXPECT_TRUE(world.shell.addresses.empty()) << "no other entry ran";
}

// The icon's keyboard, as the shell reports it (Enter on the icon, then
// Shift+F10): the same menu, its entries chosen by the arrows and Enter.
TEST_F(Windows, TheTrayIconsMenuOpensFromTheKeyboard) {
  world.system.tray.add({true, 1, "Квирло"});
  HWND slug = world.windowOf(world.app->slug());
  for (UINT event : {UINT(NIN_KEYSELECT), UINT(WM_CONTEXTMENU)}) {
    for (WPARAM key : {VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN}) PostMessageW(slug, WM_KEYDOWN, key, 0);
    SendMessageW(world.system.window.handle(), win32::Win32Tray::kCallbackMessage, 0, MAKELPARAM(event, 1));
    world.pump();
    EXPECT_TRUE(world.app->form3().visible()) << event;
    world.app->form3().hide();
  }
  world.system.tray.remove({true, 1, "Квирло"});
}

TEST_F(Windows, OnAMonitorOfAnotherDpiTheLayoutIsPlacedAgainAtItsScale) {
  HWND main = world.windowOf(form1());
  RECT suggested{100, 100, 100 + 800, 100 + 300};
  SendMessageW(main, WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
  RECT button;
  GetWindowRect(world.controlOf(form1().Command1), &button);
  EXPECT_EQ(button.right - button.left, Scale{1.5}.px(form1().Command1.geometry().width));
  RECT frame;
  GetWindowRect(main, &frame);
  EXPECT_EQ(frame.left, 100);
  EXPECT_EQ(frame.right - frame.left, 800);
}

TEST_F(Windows, AWindowHiddenUnderTheRestingPointerLeavesNoMouseTrackingBehind) {
  // As after a click on «Пуск»: the pointer rests on the button, which has
  // asked to hear when the mouse leaves it, and the window hides.
  HWND button = world.controlOf(form1().Command1);
  RECT r;
  GetWindowRect(button, &r);
  SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
  world.pump();
  TRACKMOUSEEVENT track{sizeof track, TME_HOVER | TME_LEAVE, button, 1};
  ASSERT_TRUE(TrackMouseEvent(&track));
  TRACKMOUSEEVENT query{sizeof query, TME_QUERY, nullptr, 0};
  TrackMouseEvent(&query);
  ASSERT_EQ(query.hwndTrack, button);

  form1().hide();
  world.pump();
  query = {sizeof query, TME_QUERY, nullptr, 0};
  TrackMouseEvent(&query);
  EXPECT_FALSE(query.hwndTrack && (query.dwFlags & (TME_HOVER | TME_LEAVE)))
      << "nothing is left looking at the pointer while the program waits";
}

TEST_F(Windows, ClosingTheMainWindowEndsTheProgram) {
  EXPECT_TRUE(world.ends([&] { SendMessageW(world.windowOf(form1()), WM_CLOSE, 0, 0); }));
  EXPECT_EQ(world.system.store.get("running"), "OFF");
}

TEST_F(Windows, AReleaseOverAFramesBareSurfaceGoesToTheInnermostFrame) {
  SendMessageW(world.controlOf(form1().Command3), BM_CLICK, 0, 0);  // the tuner group shows
  std::vector<std::string> heard;
  form1().Frame1.onMouseUp = [&](int) { heard.push_back("Frame1"); };
  form1().Frame2.onMouseUp = [&](int) { heard.push_back("Frame2"); };
  auto releaseAt = [&](double x, double y) {
    SendMessageW(world.windowOf(form1()), WM_LBUTTONUP, 0, MAKELPARAM(Scale{}.px(x), Scale{}.px(y)));
  };
  releaseAt(6960, 3300);  // inside the channel frame, which lies inside the tuner frame
  releaseAt(4560, 3000);  // the tuner frame only
  EXPECT_EQ(heard, (std::vector<std::string>{"Frame2", "Frame1"}));
}

// Win32 puts later controls under earlier ones; each label's text must still
// be its own, where the user points at it.
TEST_F(Windows, TheCentreOfEveryLabelsTextIsThatLabelsOwn) {
  auto probe = [&](Window& w) {
    w.show();
    HWND window = world.windowOf(w);
    SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    world.pump(20);
    for (Control* c : w.controls()) {
      // A disabled label lets the mouse through, as every disabled control does.
      if (c->kind() != ControlKind::Label || c->text().empty() || !c->visible() || !c->enabled()) continue;
      HWND label = world.controlOf(*c);
      RECT area;
      GetClientRect(label, &area);
      HDC dc = GetDC(label);
      SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(label, WM_GETFONT, 0, 0)));
      DrawTextW(dc, wide(c->text()).c_str(), -1, &area,
                DT_CALCRECT | DT_NOPREFIX | (c->wrapsText() ? DT_WORDBREAK : DT_SINGLELINE));
      ReleaseDC(label, dc);
      POINT centre{(area.left + area.right) / 2, (area.top + area.bottom) / 2};
      ClientToScreen(label, &centre);
      EXPECT_EQ(WindowFromPoint(centre), label) << windowName(w.id()) << "." << c->name();
    }
    SetWindowPos(window, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  };
  SendMessageW(world.controlOf(form1().Command3), BM_CLICK, 0, 0);
  form1().Text1.setText("x");
  probe(form1());
  probe(world.app->about());
  probe(world.app->player());
  probe(world.app->form3());
  probe(world.app->form4());
  probe(world.app->form2());  // it unloads the indicator
}

// Pixels of a control's caption its box cannot show with the font it has
// (0: the whole caption shows): the text as GDI measures it, beside a check
// box's or option's mark, inside a button's edges, after a frame's indent.
int cutPixels(HWND control, ControlKind kind, double scale) {
  // A button that draws its caption as a picture made at its size keeps its
  // name, not its caption, as window text.
  if (kind == ControlKind::CommandButton && (GetWindowLongW(control, GWL_STYLE) & BS_ICON)) return 0;
  const std::wstring text = Win32World::textOf(control);
  RECT box;
  GetClientRect(control, &box);
  HDC dc = GetDC(control);
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
  SIZE line{};
  GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &line);
  RECT wrapped = box;
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &wrapped, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
  SelectObject(dc, old);
  ReleaseDC(control, dc);
  const int mark = static_cast<int>(13 * scale) + 4;
  const int room = box.right - (kind == ControlKind::CheckBox || kind == ControlKind::OptionButton ? mark
                                : kind == ControlKind::CommandButton                           ? 6
                                : kind == ControlKind::Frame                                   ? 14
                                                                                               : 0);
  if (kind == ControlKind::Label && (GetWindowLongW(control, GWL_STYLE) & SS_TYPEMASK) == SS_LEFT)
    return static_cast<int>(wrapped.bottom - box.bottom);
  if (kind == ControlKind::Frame) return line.cx - room;
  return std::max(static_cast<int>(line.cx) - room, static_cast<int>(line.cy - box.bottom));
}

// Every caption of every window reads whole, in both layouts of the main
// window, at 96 and at 192 dots per inch.
TEST_F(Windows, EveryCaptionReadsWholeWithTheFontItGets) {
  form1().Text1.setText("x");
  world.app->form2().show();
  world.app->about().show();
  world.app->player().show();
  world.app->form3().show();
  world.app->form4().show();
  world.pump();
  for (const UINT dpi : {96u, 192u}) {
    for (Window* w : world.app->windows()) {
      if (!world.windowOf(*w)) continue;
      RECT suggested{0, 0, 800, 600};
      SendMessageW(world.windowOf(*w), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
    }
    for (const char* layout : {"compact", "extended"}) {
      for (Window* w : world.app->windows()) {
        for (Control* c : w->controls()) {
          HWND control = world.controlOf(*c);
          if (!control || !showsCaption(*c)) continue;
          EXPECT_LE(cutPixels(control, c->kind(), dpi / 96.0), 0)
              << layout << " at " << dpi << " dpi: " << windowName(w->id()) << "." << c->name();
        }
      }
      form1().Command3.click();
    }
  }
}

}  // namespace
}  // namespace kvirlo::testing

namespace kvirlo::testing {
namespace {

TEST_F(Windows, TheMenuKeyOpensTheMainMenu) {
  form1().show();
  world.pump();
  SetFocus(world.controlOf(form1().Text2));
  // The menu's own loop reads the keys after the Menu key: its first entry,
  // «О программе», and Enter.
  PostMessageW(GetFocus(), WM_KEYDOWN, VK_APPS, 0);
  for (WPARAM key : {VK_DOWN, VK_RETURN}) PostMessageW(world.windowOf(form1()), WM_KEYDOWN, key, 0);
  world.pump();
  ASSERT_TRUE(world.app->exists(WindowId::formAbout));
  EXPECT_TRUE(world.app->about().visible());
}

TEST_F(Windows, ScreenReadersFindANameForEveryFieldAndPictureButton) {
  // A field takes its name from the static text just before it.
  for (Window* w : std::initializer_list<Window*>{&form1(), &world.app->player(), &world.app->form2()})
    for (Control* c : w->controls()) {
      if (c->accessibleName.empty()) continue;
      HWND control = world.controlOf(*c);
      if (c->kind() == ControlKind::CommandButton) {
        EXPECT_EQ(Win32World::textOf(control), wide(c->accessibleName)) << c->name();
        continue;
      }
      HWND before = GetWindow(control, GW_HWNDPREV);
      wchar_t cls[16]{};
      GetClassNameW(before, cls, 16);
      EXPECT_EQ(std::wstring(cls), L"Static") << c->name();
      EXPECT_EQ(Win32World::textOf(before), wide(c->accessibleName)) << c->name();
    }
  EXPECT_EQ(Win32World::textOf(world.controlOf(form1().Command4)), L"Выбрать программу тюнера");
}

// The button's client area as painted on the screen, a pixel each.
std::vector<std::uint32_t> paintedFace(HWND button) {
  RECT r{};
  GetClientRect(button, &r);
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), r.right, -r.bottom, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HDC dc = CreateCompatibleDC(nullptr);
  HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(dc, bitmap);
  RedrawWindow(button, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  HDC screen = GetDC(button);
  BitBlt(dc, 0, 0, r.right, r.bottom, screen, 0, 0, SRCCOPY);
  ReleaseDC(button, screen);
  GdiFlush();
  const auto* first = static_cast<const std::uint32_t*>(bits);
  std::vector<std::uint32_t> pixels(first, first + r.right * r.bottom);
  SelectObject(dc, old);
  DeleteObject(bitmap);
  DeleteDC(dc);
  for (auto& p : pixels) p &= 0xFFFFFF;
  return pixels;
}

int greenOf(std::uint32_t pixel) { return static_cast<int>((pixel >> 8) & 0xFF); }

// The «...» button shows a picture of its caption, so that a screen reader
// speaks its name. Disabled, only the caption may change, to a lighter
// grey; a picture the system greys whole comes out as a blank block.
TEST_F(Windows, ThePictureButtonShowsItsCaptionEnabledAndGreyedWhenDisabled) {
  form1().Command3.click();  // the tuner's part of the window
  world.pump();
  HWND button = world.controlOf(form1().Command4);
  ASSERT_FALSE(form1().Command4.enabled());
  const auto disabled = paintedFace(button);
  form1().Check3.click();
  world.pump();
  ASSERT_TRUE(form1().Command4.enabled());
  const auto enabled = paintedFace(button);
  ASSERT_EQ(disabled.size(), enabled.size());
  int changed = 0, darkestDisabled = 255, darkestEnabled = 255;
  for (std::size_t i = 0; i < enabled.size(); ++i) {
    if (disabled[i] == enabled[i]) continue;
    ++changed;
    darkestDisabled = std::min(darkestDisabled, greenOf(disabled[i]));
    darkestEnabled = std::min(darkestEnabled, greenOf(enabled[i]));
  }
  EXPECT_GT(changed, 0);
  EXPECT_LT(changed, 16 * 8) << "more than three dots changed: a block";
  EXPECT_LT(darkestEnabled, darkestDisabled);
}

}  // namespace
}  // namespace kvirlo::testing
