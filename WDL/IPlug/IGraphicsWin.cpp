// The editor window: creation and destruction, the window procedure with its
// paint, timer, mouse and key handling, resizing, the cursor, images and the
// display scale.

#include "IGraphicsWin.h"

#include <windowsx.h>

#include <algorithm>
#include <cmath>
#include <cstring>

#include "IControl.h"
#include "IPlugBase.h"
#include "ModuleInstance.h"
#include "WinEditorWindowClass.h"
#include "WinKeyMap.h"
#include "WinRedrawTimer.h"
#include "lice_png.h"
#include "lice_sys_bitmap.h"

double IGraphicsWin::sNextFrameRate = 25.0;

namespace {
constexpr const char* kWindowTitle = "IPlug";
constexpr DWORD kWindowStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;

// Scales an edge that lies on a whole step of the scale (see
// DeviceScale::AlignmentStep) to its device pixel, in single precision.
int ScaleAlignedEdge(int edge, float factor) {
  return static_cast<int>(std::lround(static_cast<float>(edge) * factor));
}
}  // namespace

IGraphicsWin::IGraphicsWin(IPlugBase* plug, int width, int height, int fps)
    : IGraphics(plug, width, height, fps), mModule(static_cast<HINSTANCE>(gModuleInstance)) {}

IGraphicsWin::~IGraphicsWin() {
  // The plug-in deletes its editor while it goes: no gesture end reaches it.
  mGesture.Forget();
  DetachView();
  WinEditorWindowClass::FlushPendingUnregister(mModule);
  delete[] mCustomColors;
}

double IGraphicsWin::GetDisplayScale() {
  HDC screen = GetDC(nullptr);
  if (!screen) return 1.0;
  const int dpi = std::max(GetDeviceCaps(screen, LOGPIXELSX), GetDeviceCaps(screen, LOGPIXELSY));
  ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi / 96.0 : 1.0;
}

void* IGraphicsWin::AttachToParentWindow(void* parent) {
  mParentWindow = static_cast<HWND>(parent);

  int x = 0, y = 0;
  const IDeviceSize size = DeviceSize();
  int w = size.w, h = size.h;
  if (mWindow) {
    // Reopening keeps the window where and as large as it was.
    RECT parentRect = {}, windowRect = {};
    GetWindowRect(mParentWindow, &parentRect);
    GetWindowRect(mWindow, &windowRect);
    x = windowRect.left - parentRect.left;
    y = windowRect.top - parentRect.top;
    w = windowRect.right - windowRect.left;
    h = windowRect.bottom - windowRect.top;
    DetachView();
  }

  WinEditorWindowClass::Acquire(mModule, WindowProcedure);
  sNextFrameRate = static_cast<double>(mFPS);
  HWND window = CreateWindowExA(0, WinEditorWindowClass::kName, kWindowTitle, kWindowStyle, x, y, w, h,
                                mParentWindow, nullptr, mModule, this);
  if (!window) {
    mWindow = nullptr;
    WinEditorWindowClass::Release(mModule);
    if (WinEditorWindowClass::OpenWindowCount() != 0) MarkAllControlsChanged();
    return nullptr;
  }
  mWindow = window;
  MarkAllControlsChanged();
  if (TooltipsEnabled()) CreateTooltips();
  return mWindow;
}

void IGraphicsWin::DetachView() {
  if (!mWindow) return;
  // A box still open is closed with its fields, so a later entry can open;
  // closing it also ends a gesture the editor's mouse left open.
  CloseTextEntry();
  if (mTooltip) {
    DestroyWindow(mTooltip);
    mTooltip = nullptr;
    mTooltipShown = false;
    mTooltipControl = -1;
  }
  // Forgotten before destroying, so the window's last messages no longer
  // reach this editor.
  HWND window = mWindow;
  mWindow = nullptr;
  DestroyWindow(window);
  WinEditorWindowClass::Release(mModule);
}

void IGraphicsWin::ForgetDestroyedWindow() {
  // The box went with the window as its child. The tooltip is owned by the
  // top-level window, which may live on: it goes too.
  if (mTooltip && IsWindow(mTooltip)) DestroyWindow(mTooltip);
  if (mEditFont) DeleteObject(mEditFont);
  mEditFont = nullptr;
  mEditBox = nullptr;
  mEditControl = nullptr;
  mEditParam = nullptr;
  mPreviousEditProcedure = nullptr;
  mEditState = kEditIdle;
  mTooltip = nullptr;
  mTooltipShown = false;
  mTooltipControl = -1;
  mWindow = nullptr;
  ReleasePointerCapture();
  EndMouseGesture();
  WinEditorWindowClass::Release(mModule);
}

IGraphicsWin* IGraphicsWin::EditorOfWindow(HWND window) {
  auto* editor = reinterpret_cast<IGraphicsWin*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  return editor && editor->mWindow == window ? editor : nullptr;
}

LRESULT CALLBACK IGraphicsWin::WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
    auto* editor = static_cast<IGraphicsWin*>(create->lpCreateParams);
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(editor));
    const int interval = RedrawTimerInterval(sNextFrameRate);
    if (editor) {
      editor->mWindow = window;
      editor->mRedrawInterval = interval;
    }
    SetTimer(window, kRedrawTimerId, static_cast<UINT>(interval), nullptr);
    return 0;
  }
  IGraphicsWin* editor = EditorOfWindow(window);
  if (!editor) return DefWindowProcA(window, message, wParam, lParam);
  return editor->HandleMessage(window, message, wParam, lParam);
}

IMouseKeys IGraphicsWin::MouseKeysOf(WPARAM wParam) const {
  // The VST3 deliverable reads alt as it was when the message was made.
  const bool alt = mPlug && mPlug->GetApiId() == kApiVst3 ? (GetKeyState(VK_MENU) & 0x8000) != 0
                                                             : (GetAsyncKeyState(VK_MENU) & 0x8000) != 0;
  return IMouseKeys((wParam & MK_LBUTTON) != 0, (wParam & MK_RBUTTON) != 0, (wParam & MK_SHIFT) != 0,
                    (wParam & MK_CONTROL) != 0, alt);
}

LRESULT IGraphicsWin::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCDESTROY) {
    // Reached only when the window is destroyed while the editor still owns
    // it: the host destroyed its window without detaching first.
    ForgetDestroyedWindow();
    return DefWindowProcA(window, message, wParam, lParam);
  }
  // The box asks for its colours also while it has the focus.
  if (message == WM_CTLCOLOREDIT) return BoxColors(reinterpret_cast<HDC>(wParam));
  // The box reports its changes while it has the focus too.
  if (message == WM_COMMAND && mEditBox && reinterpret_cast<HWND>(lParam) == mEditBox) {
    const int code = HIWORD(wParam);
    if (code == EN_UPDATE || code == EN_CHANGE) CheckTextEntryChange();
    return 0;
  }
  // Losing the mouse ends a drag whatever the box does.
  if (message == WM_CAPTURECHANGED) {
    HandleCaptureChanged(window, reinterpret_cast<HWND>(lParam));
    return 0;
  }
  if (message == WM_CANCELMODE) {
    // A dialog or menu of someone else's is coming up: the press is over.
    PointerCaptureLost();
    if (GetCapture() == window) ReleaseOwnCapture();
    return 0;
  }
  // While the box has the focus the editor only listens for presses and the
  // wheel, which cancel the entry.
  if (mEditBox && mEditState == kEditFocused) {
    if (message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN || message == WM_MOUSEWHEEL) {
      mEditState = kEditCancel;
      return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
  }

  const int x = GET_X_LPARAM(lParam), y = GET_Y_LPARAM(lParam);
  switch (message) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      return 0;
    case WM_PAINT:
      HandlePaint(window);
      return 0;
    case WM_CLOSE:
      DetachView();
      return 0;
    case WM_KEYDOWN:
      return HandleKeyDown(window, wParam, lParam);
    case WM_KEYUP:
      if (HWND root = GetAncestor(window, GA_ROOT); root && root != window) SendMessageA(root, message, wParam, lParam);
      return DefWindowProcA(window, message, wParam, lParam);
    case WM_TIMER:
      if (wParam == kRedrawTimerId) OnTimerTick();
      return 0;
    case WM_MOUSEMOVE:
      HandleMouseMove(wParam, lParam);
      return 0;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN: {
      HideTooltip();
      if (mEditBox) {
        mEditState = kEditCommit;
        return 0;
      }
      SetFocus(window);
      SetCapture(window);
      IMouseKeys keys = MouseKeysOf(wParam);
      MouseDown(x, y, &keys);
      return 0;
    }
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP: {
      // The middle release ends the gesture its press began, like the others.
      ReleaseOwnCapture();
      IMouseKeys keys = MouseKeysOf(wParam);
      MouseUp(x, y, &keys);
      return 0;
    }
    case WM_LBUTTONDBLCLK: {
      IMouseKeys keys = MouseKeysOf(wParam);
      if (MouseDoubleClick(x, y, &keys)) SetCapture(window);
      return 0;
    }
    case WM_MOUSEWHEEL: {
      if (mEditBox) {
        mEditState = kEditCancel;
        return 0;
      }
      RECT windowRect = {};
      GetWindowRect(window, &windowRect);
      IMouseKeys keys = MouseKeysOf(GET_KEYSTATE_WPARAM(wParam));
      MouseWheel(x - windowRect.left, y - windowRect.top, &keys, GET_WHEEL_DELTA_WPARAM(wParam) / WHEEL_DELTA);
      return 0;
    }
    case WM_MOUSEHOVER: {
      IControl* control = GetControl(mTooltipControl);
      if (control && control->GetTooltip()) {
        ShowTooltip(control->GetTooltip());
        mTooltipShown = true;
      }
      return 0;
    }
    case WM_MOUSELEAVE:
      if (mTooltipShown) HideTooltip();
      MouseLeave();
      return 0;
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}

void IGraphicsWin::ReleaseOwnCapture() {
  mReleasingCapture = true;
  ReleaseCapture();
  mReleasingCapture = false;
}

void IGraphicsWin::HandleCaptureChanged(HWND window, HWND newOwner) {
  // The editor's own releases end the press themselves (the button's
  // release reaches MouseUp afterwards), and taking the capture again for
  // itself loses nothing. Any other window taking the mouse, or anyone
  // else releasing it (newOwner null), means the release will not come to
  // this window: the drag ends now, not at the next press.
  if (mReleasingCapture || newOwner == window) return;
  PointerCaptureLost();
}

LRESULT IGraphicsWin::BoxColors(HDC dc) {
  if (!mEditControl) return 0;
  const IText& style = *mEditControl->GetText();
  SetBkColor(dc, style.mEntryBackground.ToColorRef());
  SetTextColor(dc, style.mEntryForeground.ToColorRef());
  SetBkMode(dc, OPAQUE);
  // The box's empty area takes the same colour as the text's background.
  SetDCBrushColor(dc, style.mEntryBackground.ToColorRef());
  return reinterpret_cast<LRESULT>(GetStockObject(DC_BRUSH));
}

void IGraphicsWin::HandleMouseMove(WPARAM wParam, LPARAM lParam) {
  const int x = GET_X_LPARAM(lParam), y = GET_Y_LPARAM(lParam);
  IMouseKeys keys = MouseKeysOf(wParam);
  if (wParam & (MK_LBUTTON | MK_RBUTTON)) {
    if (GetCapture() == mWindow && !mEditBox) MouseDrag(x, y, &keys);
    return;
  }
  if (!MouseHover(x, y, &keys)) return;
  TRACKMOUSEEVENT track = {};
  track.cbSize = sizeof track;
  track.dwFlags = TME_LEAVE;
  track.hwndTrack = mWindow;
  track.dwHoverTime = HOVER_DEFAULT;
  if (TooltipsEnabled() && mMouseOver != mTooltipControl) {
    mTooltipControl = mMouseOver;
    HideTooltip();
    if (mTooltipControl >= 0) track.dwFlags |= TME_HOVER;
  }
  TrackMouseEvent(&track);
}

LRESULT IGraphicsWin::HandleKeyDown(HWND window, WPARAM wParam, LPARAM lParam) {
  const int code = EditorKeyCodeForVirtualKey(static_cast<int>(wParam));
  if (code >= 0) {
    POINT p = {};
    GetCursorPos(&p);
    ScreenToClient(window, &p);
    if (KeyDown(p.x, p.y, code)) return 0;
  }
  // Keys the editor does not take belong to the host.
  if (HWND root = GetAncestor(window, GA_ROOT); root && root != window)
    SendMessageA(root, WM_KEYDOWN, wParam, lParam);
  return DefWindowProcA(window, WM_KEYDOWN, wParam, lParam);
}

void IGraphicsWin::HandlePaint(HWND window) {
  RECT update = {};
  mPaintedThisMessage = false;
  if (GetUpdateRect(window, &update, FALSE)) {
    // Outward, so that the editor pixels behind every device pixel of the
    // update rect are painted.
    IRECT area = DeviceScale::UnscaleOutward(IRECT(update.left, update.top, update.right, update.bottom), ScaleF(),
                                             mWidth, mHeight);
    Paint(&area);
  }
  // With nothing to paint (no controls yet) the region must still be
  // validated, or Windows sends WM_PAINT again without end.
  if (!mPaintedThisMessage) ValidateRect(window, nullptr);
}

bool IGraphicsWin::PaintDirtyArea(IRECT* area) {
  mPaintedThisMessage = true;
  PAINTSTRUCT paint = {};
  HDC dc = BeginPaint(mWindow, &paint);
  LICE_IBitmap* back = mBackBuffer;
  if (dc && back && back->DeviceContext()) {
    const float scale = ScaleF();
    // Stretched from and to whole steps of the scale, each device pixel
    // shows the editor pixel a stretch of the whole editor would give it.
    // The paint's clip keeps the extra pixels of the steps off the screen.
    const IRECT r = DeviceScale::AlignOutward(*area, DeviceScale::AlignmentStep(scale), mWidth, mHeight);
    const int w = r.W(), h = r.H();
    StretchBlt(dc, ScaleAlignedEdge(r.L, scale), ScaleAlignedEdge(r.T, scale), ScaleAlignedEdge(w, scale),
               ScaleAlignedEdge(h, scale), back->DeviceContext(), r.L, r.T, w, h, SRCCOPY);
  }
  EndPaint(mWindow, &paint);
  return true;
}

void IGraphicsWin::OnTimerTick() {
  if (mEditBox && mEditState != kEditIdle) {
    if (mEditState == kEditCommit || mEditState == kEditCancel) {
      FinishTextEntry(mEditState == kEditCommit);
    } else {
      mEditState = kEditIdle;
    }
    return;
  }
  IRECT area;
  if (!CollectDirtyArea(&area)) return;
  // Outward: every device pixel the changed controls touch is repainted.
  const IRECT device = DeviceScale::ScaleOutward(area, ScaleF());
  RECT r = {device.L, device.T, device.R, device.B};
  InvalidateRect(mWindow, &r, FALSE);
  if (mEditBox) {
    // The box paints itself: its own rect (device pixels) is left alone.
    RECT boxArea = {};
    GetWindowRect(mEditBox, &boxArea);
    MapWindowPoints(nullptr, mWindow, reinterpret_cast<POINT*>(&boxArea), 2);
    ValidateRect(mWindow, &boxArea);
    mEditState = kEditRepainted;
  }
  UpdateWindow(mWindow);
}

void IGraphicsWin::InvalidateEditorArea() {
  if (!mWindow) return;
  const IDeviceSize size = DeviceSize();
  RECT r = {0, 0, size.w, size.h};
  InvalidateRect(mWindow, &r, FALSE);
}

void IGraphicsWin::ResizeEditor(int width, int height) {
  const IDeviceSize wanted = DeviceScale::ScaleSize(GetDisplayScale(), width, height);
  const IDeviceSize now = DeviceSize();
  if (wanted.w == now.w && wanted.h == now.h) return;
  const int dw = wanted.w - now.w, dh = wanted.h - now.h;
  // The box belongs to a control that the base deletes: close it now rather
  // than at the next tick.
  CloseTextEntry();
  IGraphics::ResizeEditor(width, height);
  if (!mWindow) return;

  auto sizeOf = [](HWND w) {
    RECT r = {};
    GetWindowRect(w, &r);
    return SIZE{r.right - r.left, r.bottom - r.top};
  };
  auto isPlainChild = [](HWND w) {
    return (GetWindowLongA(w, GWL_STYLE) & WS_CHILD) && !(GetWindowLongA(w, GWL_EXSTYLE) & WS_EX_MDICHILD);
  };
  const SIZE own = sizeOf(mWindow);
  HWND parent = nullptr, grandparent = nullptr;
  SIZE parentSize = {}, grandparentSize = {};
  if (isPlainChild(mWindow) && (parent = GetParent(mWindow))) {
    parentSize = sizeOf(parent);
    if (isPlainChild(parent) && (grandparent = GetParent(parent))) grandparentSize = sizeOf(grandparent);
  }
  constexpr UINT kFlags = SWP_NOACTIVATE | SWP_NOZORDER | SWP_NOMOVE;
  SetWindowPos(mWindow, nullptr, 0, 0, own.cx + dw, own.cy + dh, kFlags);
  // A VST3 host (api 1) sizes the view's parent itself.
  const int api = mPlug ? mPlug->GetApiId() : 0;
  if (api != 1 && api != 3) {
    if (parent) SetWindowPos(parent, nullptr, 0, 0, parentSize.cx + dw, parentSize.cy + dh, kFlags);
    if (grandparent) SetWindowPos(grandparent, nullptr, 0, 0, grandparentSize.cx + dw, grandparentSize.cy + dh, kFlags);
  }
  InvalidateEditorArea();
}

void IGraphicsWin::HideCursorForDrag() {
  if (mCursorHidden) return;
  POINT p = {};
  GetCursorPos(&p);
  mHiddenCursorX = p.x;
  mHiddenCursorY = p.y;
  ShowCursor(FALSE);
  mCursorHidden = true;
}

void IGraphicsWin::RestoreCursorAfterDrag() {
  if (!mCursorHidden) return;
  SetCursorPos(mHiddenCursorX, mHiddenCursorY);
  ShowCursor(TRUE);
  mCursorHidden = false;
}

LICE_IBitmap* IGraphicsWin::LoadBitmapResource(int id, const char* name) {
  if (!name || !name[0]) return nullptr;
  // The extension follows the last dot after the first character; a name
  // without one is compared from its second character.
  const char* dot = std::strrchr(name + 1, '.');
  const char* extension = dot ? dot + 1 : name + 1;
  if (_stricmp(extension, "png") != 0) return nullptr;
  return LICE_ReadPNGResource(mModule, id);
}
