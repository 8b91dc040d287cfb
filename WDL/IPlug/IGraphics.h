#pragma once
// The platform-neutral editor: it owns the controls (index 0 is the
// background), paints the dirty ones into a back buffer, dispatches mouse and
// key events to them, and keeps the process-wide image and font caches. A
// platform view (Windows or macOS) derives from it and fills the platform
// slots: the window, painting on screen, menus, text entry, dialogs, paths,
// clipboard, cursor, display scale and image loading.
//
// Threads: the editor runs on the host's user-interface thread. The audio
// thread calls SetControlValueFromPlug and MarkAllControlsChanged, and host
// threads call SetParameterValueFromPlug, all inside the plug-in mutex; the
// editor paints and handles input without it. The control list therefore
// changes only inside the plug-in mutex (AttachControl, AttachBackground,
// ResizeEditor), and what the controls share is atomic (see IControl.h).
// The framework core sees this class only through SetParameterValueFromPlug,
// PrepareBackBuffers and the destructor, so it links neither the editor nor
// the raster library.

#include "DeviceScale.h"
#include "EditorGesture.h"
#include "IGraphicsStructs.h"
#include "Mutex.h"
#include "PointerList.h"
#include "StringBuffer.h"

// Framework-core and wrapper code that calls the editor through its slots
// without linking it carries this mark: the sanitizers' dynamic type check
// of such a call would need the editor's type information.
#if defined(__GNUC__) || defined(__clang__)
#define IGRAPHICS_SLOT_CALLER __attribute__((no_sanitize("vptr")))
#else
#define IGRAPHICS_SLOT_CALLER
#endif

class AAX_IViewContainer;
class IControl;
class IPlugBase;
class IPlugParameter;
class LICE_IBitmap;
class LICE_IFont;
class LICE_MemBitmap;
class LICE_SysBitmap;

class IGraphics {
 public:
  // An fps of 0 or less gives 25 redraws a second.
  static constexpr int kDefaultFPS = 25;
  // Consecutive clean redraw checks after which the idle hook runs.
  static constexpr int kIdleTicks = 21;

  // Creating thread. plug may be null (the editor then reports to no one).
  IGraphics(IPlugBase* plug, int width, int height, int fps = 0);
  IGraphics(const IGraphics&) = delete;
  IGraphics& operator=(const IGraphics&) = delete;

  // ---- Virtual operations, in slot order -----------------------------------
  // Editor thread unless stated; pure ones are the platform view's.

  // Puts the back buffer's area (unscaled) on screen.
  virtual bool PaintDirtyArea(IRECT* area) = 0;
  // DrawTextInRect in measure mode.
  virtual bool MeasureTextRect(IText* text, const char* str, IRECT* rect);
  // Closes an open text-entry box without applying it.
  virtual void CancelTextEntry() = 0;
  // Deletes every control (the plug-in attaches new ones), makes new back
  // buffers and tells the host. Takes the plug-in mutex; allocates.
  virtual void ResizeEditor(int w, int h);
  virtual bool HasOpenWindow() { return NativeWindowHandle() != nullptr; }
  virtual const char* GraphicsApiName() { return ""; }
  virtual int ShowMessageBox(const char* text, const char* caption, int type) = 0;
  // Shows menu at rect and answers the menu that holds the chosen item (its
  // chosen index set), or null when nothing was chosen.
  virtual IPopupMenu* CreateIPopupMenu(IPopupMenu* menu, IRECT* rect) = 0;
  // Opens a text-entry box for control over rect; the view applies the
  // result later with ApplyTextEntry (or ApplyTextEntryResult without a
  // parameter).
  virtual void CreateTextEntry(IControl* control, IText* text, IRECT* rect, const char* str,
                               IPlugParameter* param) = 0;
  virtual void HostExecutablePath(StringBuffer* path) = 0;
  virtual void ModuleFilePath(StringBuffer* path) = 0;
  virtual void DesktopFolderPath(StringBuffer* path) = 0;
  virtual void AppDataFolderPath(StringBuffer* path, bool allUsers) = 0;
  virtual void SampleFolderPath(StringBuffer* path) = 0;
  // action 1 saves, anything else opens.
  virtual void ShowFileDialog(StringBuffer* file, int action, StringBuffer* dir, const char* extensions) = 0;
  virtual bool PromptForColor(IColor* color, const char* title) = 0;
  virtual bool OpenWebLink(const char* url, const char* caption, const char* confirmText, const char* errorText) = 0;
  virtual void* AttachToParentView(void* parent) { return nullptr; }
  virtual void* AttachToParentWindow(void* parent) = 0;
  virtual void OpenInOwnWindow(void* parent) {}
  virtual void CloseOwnWindow() {}
  virtual void DetachView() = 0;
  virtual void* NativeWindowHandle() = 0;
  virtual bool ReadClipboardText(StringBuffer* out) = 0;
  // Releasing thread (the plug-in's destructor). The platform view closes
  // its window first. Deletes key catcher, controls (last to first), back
  // buffers and the editor's mutex.
  virtual ~IGraphics();
  // Device pixels per editor pixel. Editor thread and the wrappers' size
  // queries; no lock.
  virtual double GetDisplayScale() = 0;
  virtual void HideCursorForDrag() {}
  virtual void RestoreCursorAfterDrag() {}
  virtual void RefreshTooltips() = 0;
  // The plug-in's idle hook, then every control's.
  virtual void IdleTick();
  // The image of a resource id (name: the file name where images are files),
  // a new bitmap the caller owns, or null when there is none. Allocates.
  virtual LICE_IBitmap* LoadBitmapResource(int id, const char* name) = 0;

  // ---- Called by the framework core ----------------------------------------

  // Host, state or creating thread, inside the plug-in mutex. Plain values
  // are normalised through the parameter first; an index beyond the
  // parameter list changes nothing. Every control bound to the parameter
  // (directly or through an aux binding) takes the value. No allocation.
  virtual void SetParameterValueFromPlug(int paramIdx, double value, bool normalized);
  // Creating thread (IPlugBase::ConnectGraphics): back buffer at the display
  // scale and the scratch bitmap. Allocates.
  virtual void PrepareBackBuffers();

  // ---- Building the editor (creating thread; allocate) -----------------------

  // Inserts the background image as control 0 (blend {1, 1.0}). Takes the
  // plug-in mutex.
  void AttachBackground(int resourceId, const char* fileName);
  // Appends a control and owns it; answers its index. Takes the plug-in mutex.
  int AttachControl(IControl* control);
  // The image through the process-wide bitmap cache. A missing image gives a
  // 0 x 0 strip that draws nothing.
  IBitmapStrip LoadBitmapStrip(int resourceId, const char* fileName, int frames = 1, bool horizontal = false);
  // The owned control that takes keys no other control takes (null: none).
  void SetKeyCatcher(IControl* control);

  // ---- Values from the plug-in -----------------------------------------------

  // Audio thread inside the plug-in mutex; no lock, no allocation.
  void MarkAllControlsChanged();
  // Audio thread inside the plug-in mutex; an index outside the list is ignored.
  void SetControlValueFromPlug(int controlIdx, double normalized);

  // ---- Redraw (editor thread) ------------------------------------------------

  // Adds the rects of the controls that need a redraw to *area (pass an
  // empty rect); true when any did. Runs the idle hook on the 21st clean
  // check in a row.
  bool CollectDirtyArea(IRECT* area);
  // Draws the controls meeting area (unscaled) into the back buffer, clipped
  // to it, clears their changed flags, then puts the area on screen.
  bool Paint(IRECT* area);
  // Blits frame (1-based) of strip into dest, clipped to the area being
  // painted. A null blend means {0, 1.0}. Always true.
  bool DrawBitmapFrame(const IBitmapStrip* strip, const IRECT* dest, int frame, const IBlendSpec* blend);
  // Draws str into rect, or (measure) sets rect to the text's box by the
  // alignment. False when no font could be had; an empty text is true.
  bool DrawTextInRect(IText* text, const char* str, IRECT* rect, bool measure = false);
  // The cached font for the style (the quality is not part of the key),
  // created on first use; stored in text->mCached. Null when the platform
  // font cannot be created. Allocates on a miss.
  LICE_IFont* FindOrCreateFont(IText* text);

  // ---- Input (editor thread, no lock; see IGraphics_Input.cpp) ---------------
  // Mouse coordinates are device pixels of the view; controls see them
  // divided by the display scale.

  void MouseDown(int x, int y, IMouseKeys* keys);
  void MouseUp(int x, int y, IMouseKeys* keys);
  void MouseDrag(int x, int y, IMouseKeys* keys);
  // True when the view must capture the mouse.
  bool MouseDoubleClick(int x, int y, IMouseKeys* keys);
  void MouseWheel(int x, int y, IMouseKeys* keys, int notches);
  // Answers the hover-tracking flag.
  bool MouseHover(int x, int y, IMouseKeys* keys);
  void MouseLeave();
  // Unscaled coordinates; answers whether a control took the key.
  bool KeyDown(int x, int y, int keyCode);
  // Opens param's value menu (booleans with display texts, enumerations) or
  // a text-entry box for control. Allocates.
  void PromptParamTextEntry(IControl* control, IPlugParameter* param, IRECT* rect);
  // The view's commit of a text-entry box: text (at most 31 characters are
  // read) becomes param's value and is applied to control as user input.
  void ApplyTextEntry(IControl* control, IPlugParameter* param, const char* text);
  // Clears the capture (a menu or resize takes the mouse); the press's
  // gesture still takes a choice made within the press, and MouseDown ends
  // it when the press returns.
  void ReleasePointerCapture();
  // Another window took the pointer away in the middle of a press (the
  // system or the host captured the mouse, a dialog came up): the release
  // will not arrive, so the press ends here as a release would end it, but
  // without a value: the capture clears and the press's gesture ends. The
  // control sees nothing. Nothing happens when no control holds the
  // capture. Editor thread; no allocation, no lock.
  void PointerCaptureLost();
  // Ends the gesture the editor's mouse began, when one is open; the views
  // call it when their window or text-entry box closes. Editor thread; no
  // allocation, no lock.
  void EndMouseGesture() { mGesture.End(); }
  // A control's value for paramIdx (IControl::MarkChanged(true)): sent within
  // the press's gesture on that parameter, or as a gesture of its own, so
  // that the host gets every value between a begin and an end. Editor
  // thread; takes the plug-in mutex; no allocation.
  void SendParameterValue(int paramIdx, double normalized) { mGesture.SendValue(paramIdx, normalized); }

  // ---- Accessors ---------------------------------------------------------------

  IPlugBase* GetPlug() const { return mPlug; }
  int Width() const { return mWidth; }
  int Height() const { return mHeight; }
  // The editor's size in device pixels: display scale times width and
  // height, each truncated; what the window, the back buffer and the hosts'
  // size queries take. Editor thread and the wrappers' size queries; no
  // lock, no allocation.
  IDeviceSize DeviceSize() { return DeviceScale::ScaleSize(GetDisplayScale(), mWidth, mHeight); }
  int FPS() const { return mFPS; }
  // Editor thread, or any thread inside the plug-in mutex.
  int NControls() const { return mControls.GetSize(); }
  IControl* GetControl(int index) const { return mControls.Get(index); }
  LICE_SysBitmap* GetBackBuffer() const { return mBackBuffer; }
  int GetCaptureIdx() const { return mMouseCapture; }
  int GetHoverIdx() const { return mMouseOver; }
  int GetLastMouseX() const { return mMouseX; }
  int GetLastMouseY() const { return mMouseY; }
  const IRECT& GetDrawRect() const { return mDrawRect; }
  // The AAX host's view container (not owned); null unless the AAX editor set it.
  AAX_IViewContainer* GetViewContainer() const { return mViewContainer; }
  void SetViewContainer(AAX_IViewContainer* container) { mViewContainer = container; }
  bool GetHoverTracking() const { return mHandleMouseOver; }
  void SetHoverTracking(bool track) { mHandleMouseOver = track; }
  bool GetStrict() const { return mStrict; }
  // false: repaint dirty controls one by one instead of everything meeting the area.
  void SetStrict(bool drawAllIntersecting) { mStrict = drawAllIntersecting; }
  bool TooltipsEnabled() const { return mTooltipsEnabled; }
  void EnableTooltips(bool enable) { mTooltipsEnabled = enable; }
  bool GetShowControlBounds() const { return mShowControlBounds; }
  // Debug overlay: outlines every control and shows the last mouse position.
  void SetShowControlBounds(bool show) { mShowControlBounds = show; }
  const IColor& GetPickedColor() const { return mPickedColor; }
  int GetIdleCount() const { return mIdleCount; }

  // Text-entry commit: characters read from a box.
  static constexpr int kMaxEntryText = 31;

 protected:
  // Platform views use these fields directly.
  Mutex mMutex;  // created and deleted with the editor; entered by no operation
  IColor mPickedColor = kColorBlack;
  PointerList<IControl> mControls;
  IPlugBase* mPlug;
  IRECT mDrawRect;
  bool mCursorHidden = false;
  int mHiddenCursorX = -1;
  int mHiddenCursorY = -1;
  LICE_SysBitmap* mBackBuffer = nullptr;
  AAX_IViewContainer* mViewContainer = nullptr;
  LICE_MemBitmap* mScratch = nullptr;
  int mWidth;
  int mHeight;
  int mFPS;
  int mIdleCount = 0;
  int mMouseCapture = -1;
  int mMouseOver = -1;
  int mMouseX = 0;
  int mMouseY = 0;
  int mSpare = -1;  // kept for the platform views; nothing here reads it
  bool mHandleMouseOver = false;
  bool mStrict = true;
  bool mTooltipsEnabled = false;
  bool mShowControlBounds = false;
  IControl* mKeyCatcher = nullptr;
  EditorGesture mGesture;  // the edit gestures with the host

 private:
  // Hit test from the topmost control down; -1 when nothing is hit.
  int FindControl(int x, int y, bool forHover) const;
  // Device pixels to editor pixels.
  void ScalePoint(int* x, int* y);
  // The bitmap of a resource through the process-wide cache; null when missing.
  LICE_IBitmap* CachedBitmap(int resourceId, const char* fileName);
  // Paint's three ways of choosing what to render.
  void RenderAllIntersecting(const IRECT& area);
  void RenderDirtyControls();
  void DrawControlBounds();
  void DeleteBackBuffers();
};
