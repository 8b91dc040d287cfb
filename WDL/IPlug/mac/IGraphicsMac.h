#pragma once
// The macOS editor view: puts the editor into a Cocoa view
// (IGraphicsCocoa_vVimbraOndelino_aax), presents the back buffer through
// CoreGraphics and offers the platform services (menus, text entry, dialogs,
// folders, panels, links, clipboard, cursor, tool tips, bundle images).
//
// The editor uses a top-left origin, the view a bottom-left one: an editor
// rectangle {L, T, R, B} is the view rectangle (L, Hs - B - 1, R - L + 1,
// B - T + 1) with Hs = int(scale x height).
//
// Threads: everything here runs on the thread that attaches the editor (the
// host's user-interface thread, with its run loop); nothing takes a lock.

#include "HeapBuffer.h"
#include "IGraphics.h"
#include "StringBuffer.h"

#ifdef __OBJC__
@class IGraphicsCocoa_vVimbraOndelino_aax;
@class NSWindow;
typedef IGraphicsCocoa_vVimbraOndelino_aax* IGraphicsCocoaRef;
typedef NSWindow* IGraphicsHostWindowRef;
#else
typedef struct objc_object* IGraphicsCocoaRef;
typedef struct objc_object* IGraphicsHostWindowRef;
#endif
typedef struct CGColorSpace* IGraphicsColorSpaceRef;

class LICE_MemBitmap;

// An editor-space rectangle in view space (bottom-left origin).
struct MacViewRect
{
  double x, y, w, h;
};
MacViewRect ToMacViewRect(const IRECT& r, int scaledHeight);

// The macOS version as 0x10XY.. (10.9 -> 0x1090, 10.8.5 -> 0x1085, 10.10 ->
// 0x10100), read once from the system version file; 0 without one.
int GetMacOSVersion();
// The conversion alone: a product version text to its number.
int MacOSVersionFromText(const char* productVersion);

class IGraphicsMac : public IGraphics
{
public:
  // Creating thread; allocates (makes the shared application).
  IGraphicsMac(IPlugBase* plug, int width, int height, int fps = 0);
  ~IGraphicsMac() override;

  bool PaintDirtyArea(IRECT* area) override;
  bool MeasureTextRect(IText* text, const char* str, IRECT* rect) override;
  void CancelTextEntry() override;
  void ResizeEditor(int w, int h) override;
  bool HasOpenWindow() override { return mView != nullptr; }
  const char* GraphicsApiName() override { return "Cocoa GUI"; }
  // Answers 6 Yes, 7 No, 1 OK, 2 Cancel; 0 when the alert gave no answer.
  int ShowMessageBox(const char* text, const char* caption, int type) override;
  IPopupMenu* CreateIPopupMenu(IPopupMenu* menu, IRECT* rect) override;
  void CreateTextEntry(IControl* control, IText* text, IRECT* rect, const char* str,
                       IPlugParameter* param) override;
  void HostExecutablePath(StringBuffer* path) override;
  void ModuleFilePath(StringBuffer* path) override;
  void DesktopFolderPath(StringBuffer* path) override;
  void AppDataFolderPath(StringBuffer* path, bool allUsers) override;
  void SampleFolderPath(StringBuffer* path) override;
  void ShowFileDialog(StringBuffer* file, int action, StringBuffer* dir, const char* extensions) override;
  bool PromptForColor(IColor* color, const char* title) override;
  bool OpenWebLink(const char* url, const char* caption, const char* confirmText, const char* errorText) override;
  // parent: an NSView (may be null); answers the new view.
  void* AttachToParentWindow(void* parent) override;
  void OpenInOwnWindow(void* hostWindow) override;
  void CloseOwnWindow() override;
  void DetachView() override;
  void* NativeWindowHandle() override { return mView; }
  bool ReadClipboardText(StringBuffer* out) override;
  double GetDisplayScale() override { return 1.0; }
  void HideCursorForDrag() override;
  void RestoreCursorAfterDrag() override;
  void RefreshTooltips() override;
  LICE_IBitmap* LoadBitmapResource(int id, const char* name) override;

  // Creating thread: the plug-in's bundle identifier, right after construction.
  void SetBundleID(const char* identifier) { mBundleID.Set(identifier); }
  const char* GetBundleID() const { return mBundleID.Get() ? mBundleID.Get() : ""; }
  // Editor thread: the colour panel's choice; alpha stays.
  void SetPickedRGB(int r, int g, int b)
  {
    mPickedColor.R = r;
    mPickedColor.G = g;
    mPickedColor.B = b;
  }

  // The PNG resource named like name's last path component in the bundle;
  // a new bitmap the caller owns, or null. Allocates.
  static LICE_MemBitmap* FindBundlePng(const char* identifier, const char* name);

private:
  int ScaledHeight() { return int(GetDisplayScale() * Height()); }

  IGraphicsCocoaRef mView = nullptr;
  StringBuffer mBundleID;
  IGraphicsColorSpaceRef mColorSpace = nullptr;
  HeapBuffer mDoubled{4096};
  IGraphicsHostWindowRef mHostWindow = nullptr;
};
