// The editor window: class registration, size at a display scale, redraw
// interval, and a host that destroys its window before detaching.

#include <cstdlib>
#include <string>

#include "EditorWinFixture.h"

#include <commctrl.h>

#include "ModuleInstance.h"
#include "WinEditorWindowClass.h"

namespace vo {
namespace {

bool ClassRegistered() {
  WNDCLASSA info = {};
  return GetClassInfoA(GetModuleHandleA(nullptr), WinEditorWindowClass::kName, &info) != 0;
}

SIZE ClientSize(HWND window) {
  RECT r = {};
  GetClientRect(window, &r);
  return SIZE{r.right - r.left, r.bottom - r.top};
}

TEST_F(EditorWinTest, TwoEditorsRegisterTheClassOnceAndTheLastUnregistersIt) {
  OpenEditor();
  const int registrations = WinEditorWindowClass::RegistrationCount();
  const int unregistrations = WinEditorWindowClass::UnregistrationCount();
  EXPECT_TRUE(ClassRegistered());
  EXPECT_EQ(WinEditorWindowClass::OpenWindowCount(), 1);

  TestPlug secondPlug;
  auto* second = new IGraphicsWin(&secondPlug, 200, 100, 25);
  secondPlug.ConnectGraphics(second);
  HWND secondWindow = static_cast<HWND>(second->AttachToParentWindow(host->Handle()));
  ASSERT_NE(secondWindow, nullptr);
  EXPECT_EQ(WinEditorWindowClass::OpenWindowCount(), 2);
  EXPECT_EQ(WinEditorWindowClass::RegistrationCount(), registrations);

  char name[64] = {};
  GetClassNameA(secondWindow, name, sizeof name);
  EXPECT_STREQ(name, "IPlugWndClass");
  const LONG style = GetWindowLongA(secondWindow, GWL_STYLE);
  EXPECT_EQ(style & (WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN),
            WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN);
  EXPECT_EQ(GetClassLongA(secondWindow, GCL_STYLE) & CS_DBLCLKS, static_cast<DWORD>(CS_DBLCLKS));

  editor->DetachView();
  EXPECT_TRUE(ClassRegistered());
  EXPECT_EQ(WinEditorWindowClass::UnregistrationCount(), unregistrations);
  second->DetachView();
  EXPECT_FALSE(second->HasOpenWindow());
  EXPECT_FALSE(ClassRegistered());
  EXPECT_EQ(WinEditorWindowClass::OpenWindowCount(), 0);
  EXPECT_EQ(WinEditorWindowClass::UnregistrationCount(), unregistrations + 1);
  second->DetachView();  // a second close changes nothing
  EXPECT_EQ(WinEditorWindowClass::OpenWindowCount(), 0);
}

TEST_F(EditorWinTest, SizeAndPressPositionAtTestScaleOnePointFive) {
  OpenEditor(1.5);
  const SIZE size = ClientSize(Window());
  EXPECT_EQ(size.cx, 696);
  EXPECT_EQ(size.cy, 720);
  // The knob probe {40, 40, 140, 140} sees device (150, 90) as (100, 60).
  Mouse(WM_LBUTTONDOWN, MK_LBUTTON, 150, 90);
  Mouse(WM_LBUTTONUP, 0, 150, 90);
  ASSERT_EQ(knobProbe->downs.size(), 1u);
  EXPECT_EQ(knobProbe->downs[0].x, 100);
  EXPECT_EQ(knobProbe->downs[0].y, 60);
}

TEST_F(EditorWinTest, FrameRatesZeroAndTwentyFiveRedrawEveryFortyMilliseconds) {
  OpenEditor(1.0, 0);
  EXPECT_EQ(editor->RedrawInterval(), 40);
  TestPlug otherPlug;
  auto* other = new IGraphicsWin(&otherPlug, 100, 100, 25);
  otherPlug.ConnectGraphics(other);
  ASSERT_NE(other->AttachToParentWindow(host->Handle()), nullptr);
  EXPECT_EQ(other->RedrawInterval(), 40);
  other->DetachView();
}

TEST_F(EditorWinTest, ReopeningKeepsPositionAndSize) {
  OpenEditor();
  HWND first = Window();
  SetWindowPos(first, nullptr, 10, 20, 300, 200, SWP_NOZORDER | SWP_NOACTIVATE);
  HWND second = static_cast<HWND>(editor->AttachToParentWindow(host->Handle()));
  ASSERT_NE(second, nullptr);
  EXPECT_FALSE(IsWindow(first));
  RECT r = {};
  GetWindowRect(second, &r);
  MapWindowPoints(nullptr, host->Handle(), reinterpret_cast<POINT*>(&r), 2);
  EXPECT_EQ(r.right - r.left, 300);
  EXPECT_EQ(r.bottom - r.top, 200);
  EXPECT_EQ(WinEditorWindowClass::OpenWindowCount(), 1);
}

// The host destroys its window first: the editor forgets its window, counts
// it closed once, and opens again later.
TEST_F(EditorWinTest, HostDestroyingItsWindowFirstLeavesNothingOpen) {
  OpenEditor();
  HWND window = Window();
  host->Destroy();
  EXPECT_FALSE(IsWindow(window));
  EXPECT_FALSE(editor->HasOpenWindow());
  EXPECT_EQ(editor->NativeWindowHandle(), nullptr);
  EXPECT_EQ(WinEditorWindowClass::OpenWindowCount(), 0);
  editor->DetachView();  // nothing left to count
  EXPECT_EQ(WinEditorWindowClass::OpenWindowCount(), 0);

  HostWindow newHost;
  ASSERT_NE(editor->AttachToParentWindow(newHost.Handle()), nullptr);
  EXPECT_EQ(WinEditorWindowClass::OpenWindowCount(), 1);
  editor->DetachView();
  EXPECT_EQ(WinEditorWindowClass::OpenWindowCount(), 0);
  EXPECT_FALSE(ClassRegistered());
}

// With tooltips on, the editor window gets a tooltip window of its own that
// goes away with it, also when the host destroys its window first; hovering
// a control with a tooltip arms it.
TEST_F(EditorWinTest, TooltipWindowLivesWithTheEditorWindow) {
  gModuleInstance = GetModuleHandleA(nullptr);
  host = std::make_unique<HostWindow>();
  plug = std::make_unique<TestPlug>();
  editor = new ScaledGraphicsWin(plug.get(), 464, 480, 0, 1.0);
  auto* probe = new ProbeControl(plug.get(), kFreeProbeRect, -1);
  probe->SetTooltip("free probe");
  editor->AttachControl(probe);
  editor->EnableTooltips(true);
  editor->SetHoverTracking(true);
  plug->ConnectGraphics(editor);
  ASSERT_NE(editor->AttachToParentWindow(host->Handle()), nullptr);
  EXPECT_TRUE(editor->TooltipsEnabled());

  HWND tooltip = nullptr;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND w, LPARAM found) {
        char name[64] = {};
        GetClassNameA(w, name, sizeof name);
        if (std::string(name) == "tooltips_class32") *reinterpret_cast<HWND*>(found) = w;
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&tooltip));
  ASSERT_NE(tooltip, nullptr);
  EXPECT_EQ(GetWindow(tooltip, GW_OWNER), GetAncestor(Window(), GA_ROOT));
  EXPECT_EQ(SendMessageA(tooltip, TTM_GETTOOLCOUNT, 0, 0), 1);

  Mouse(WM_MOUSEMOVE, 0, 220, 60);
  EXPECT_EQ(editor->GetHoverIdx(), 0);
  SendMessageA(Window(), WM_MOUSEHOVER, 0, MAKELPARAM(220, 60));
  char text[80] = {};
  TTTOOLINFOA tool = {};
  tool.cbSize = 64;
  tool.hwnd = Window();
  tool.uId = reinterpret_cast<UINT_PTR>(Window());
  tool.lpszText = text;
  SendMessageA(tooltip, TTM_GETTEXTA, sizeof text, reinterpret_cast<LPARAM>(&tool));
  EXPECT_STREQ(text, "free probe");

  editor->DetachView();
  EXPECT_FALSE(IsWindow(tooltip));

  ASSERT_NE(editor->AttachToParentWindow(host->Handle()), nullptr);
  tooltip = FindWindowExA(nullptr, nullptr, "tooltips_class32", nullptr);
  ASSERT_NE(tooltip, nullptr);
  host->Destroy();
  EXPECT_FALSE(IsWindow(tooltip));
}

// The real display scale: 1.0 in a standard prefix, 1.5 when the test step
// runs with the screen at 144 logical pixels per inch.
double ExpectedDisplayScale() {
  const char* expected = std::getenv("VO_EXPECTED_DISPLAY_SCALE");
  return expected ? std::atof(expected) : 1.0;
}

class RealDisplayScale : public EditorWinTest {};

TEST_F(RealDisplayScale, WindowSizeAndPressPosition) {
  const double scale = ExpectedDisplayScale();
  OpenEditor(0.0);
  EXPECT_DOUBLE_EQ(editor->GetDisplayScale(), scale);
  const SIZE size = ClientSize(Window());
  EXPECT_EQ(size.cx, static_cast<int>(464 * scale));
  EXPECT_EQ(size.cy, static_cast<int>(480 * scale));
  const int x = static_cast<int>(100 * scale), y = static_cast<int>(60 * scale);
  Mouse(WM_LBUTTONDOWN, MK_LBUTTON, x, y);
  Mouse(WM_LBUTTONUP, 0, x, y);
  ASSERT_EQ(knobProbe->downs.size(), 1u);
  EXPECT_EQ(knobProbe->downs[0].x, 100);
  EXPECT_EQ(knobProbe->downs[0].y, 60);
}

}  // namespace
}  // namespace vo
