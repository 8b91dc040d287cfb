#pragma once
// The editor on Windows: a child window of the class "IPlugWndClass" inside
// the host's window, painted from the back buffer on a redraw timer, with
// mouse and key messages turned into the editor's input calls, a text-entry
// box, popup menus, tooltips, message boxes, file and colour dialogs, folder
// paths, the clipboard, cursor hiding and opening a web address.
//
// Threads: everything here runs on the thread that owns the editor window
// (the host's user-interface thread). The count of open windows and the
// frame rate for the next window are process-wide and unguarded: editors are
// opened and closed on that one thread.

#include <windows.h>

#include <string>
#include <string_view>

#include "IGraphics.h"
#include "StringBuffer.h"

class IGraphicsWin : public IGraphics {
 public:
  // Editor thread; allocates. fps <= 0 means 25 redraws a second.
  IGraphicsWin(IPlugBase* plug, int width, int height, int fps);
  // Editor thread. Closes the window as DetachView does.
  ~IGraphicsWin() override;

  // Editor thread; the module whose resources and window class the editor
  // uses: the module of the plug-in (gModuleInstance) unless the plug-in's
  // constructor sets another. No allocation.
  void SetModuleInstance(HINSTANCE module) { mModule = module; }
  HINSTANCE ModuleInstance() const { return mModule; }

  // ---- Platform slots --------------------------------------------------
  // All on the editor thread; none takes a lock (ResizeEditor's base takes
  // the plug-in mutex while it deletes the controls).

  // Inside WM_PAINT: copies the area of the back buffer, scaled to device
  // pixels, onto the window. No allocation.
  bool PaintDirtyArea(IRECT* area) override;
  // The next timer tick closes the open box without applying it; nothing
  // without a box. No allocation.
  void CancelTextEntry() override;
  // Allocates (new back buffers). Closes an open text-entry box at once (its
  // control goes), then grows or shrinks the window and, unless the host
  // sizes the view itself, its parent and grandparent.
  void ResizeEditor(int width, int height) override;
  // No allocation.
  bool HasOpenWindow() override { return mWindow != nullptr; }
  const char* GraphicsApiName() override { return "Windows GDI"; }
  // Modal: blocks until the user answers. The owner is the host's current
  // top-level window, found for every box.
  int ShowMessageBox(const char* text, const char* caption, int type) override;
  // Modal; allocates. The menu that holds the chosen item (its chosen index
  // set), or null when nothing was chosen, the menu could not be built or
  // the window was destroyed while the menu was open.
  IPopupMenu* CreateIPopupMenu(IPopupMenu* menu, IRECT* rect) override;
  // Opens the text-entry box over rect; allocates (window, font).
  void CreateTextEntry(IControl* control, IText* text, IRECT* rect, const char* initialText,
                       IPlugParameter* param) override;
  // Folder paths; allocate. Each leaves out empty when the path is unknown.
  void HostExecutablePath(StringBuffer* out) override;
  void ModuleFilePath(StringBuffer* out) override;
  void DesktopFolderPath(StringBuffer* out) override;
  void AppDataFolderPath(StringBuffer* out, bool allUsers) override;
  void SampleFolderPath(StringBuffer* out) override;
  // Modal; allocates. file is empty afterwards when nothing was chosen, when
  // no window is open or when the extensions do not fit the dialog.
  void ShowFileDialog(StringBuffer* file, int action, StringBuffer* dir, const char* extensions) override;
  // Modal; false without a window or when cancelled. On acceptance the
  // editor's picked colour takes the chosen RGB (its alpha stays). The 16
  // custom colours are allocated on first use.
  bool PromptForColor(IColor* color, const char* title) override;
  // Asks first when confirmText is given (modal), opens url through the shell
  // when online, and shows errorText otherwise.
  bool OpenWebLink(const char* url, const char* caption, const char* confirmText, const char* errorText) override;
  // Allocates (the window, the tooltip window). The editor window, or null
  // when it could not be created. An open window is closed first and its
  // position and size kept.
  void* AttachToParentWindow(void* parent) override;
  // Closes an open text-entry box, the tooltip and the window. No allocation.
  void DetachView() override;
  void* NativeWindowHandle() override { return mWindow; }
  // Allocates. Unicode clipboard text as UTF-8.
  bool ReadClipboardText(StringBuffer* out) override;
  // The screen's logical pixels per inch / 96. No allocation.
  double GetDisplayScale() override;
  // No allocation.
  void HideCursorForDrag() override;
  void RestoreCursorAfterDrag() override;
  void RefreshTooltips() override {}
  // A resource of type "PNG" with the id, for a name with a PNG extension
  // (any case); null for any other name, an empty one or null. Allocates.
  LICE_IBitmap* LoadBitmapResource(int id, const char* name) override;

  // ---- For tests ----------------------------------------------------------

  HWND TextEntryWindow() const { return mEditBox; }
  // Milliseconds of the open window's redraw timer.
  int RedrawInterval() const { return mRedrawInterval; }
  int TextEntryState() const { return mEditState; }

 private:
  // The text-entry box's state, carried out by the next redraw tick: the box
  // has the focus (the editor window then takes only presses and the wheel,
  // which cancel), the editor repainted around the box, cancel, commit.
  enum EditState { kEditIdle = 0, kEditFocused = 1, kEditRepainted = 2, kEditCancel = 3, kEditCommit = 4 };

  static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK EditProcedure(HWND box, UINT message, WPARAM wParam, LPARAM lParam);
  // The editor whose window this is, or null.
  static IGraphicsWin* EditorOfWindow(HWND window);

  LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT HandleEditMessage(HWND box, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT DispatchEditMessage(HWND box, UINT message, WPARAM wParam, LPARAM lParam);
  // The box's selection, read through its own procedure, as the one a
  // refused change returns to.
  void RememberTextEntrySelection(WNDPROC procedure, HWND box);
  LRESULT HandleKeyDown(HWND window, WPARAM wParam, LPARAM lParam);
  void HandleMouseMove(WPARAM wParam, LPARAM lParam);
  // ReleaseCapture for the editor's own reasons (a release, the box or the
  // window closing): the capture change it causes is not a loss.
  void ReleaseOwnCapture();
  // WM_CAPTURECHANGED: newOwner (null when the capture was released) took
  // the mouse from the window.
  void HandleCaptureChanged(HWND window, HWND newOwner);
  // WM_CTLCOLOREDIT: the open box's entry colours, or 0 without a box.
  LRESULT BoxColors(HDC dc);
  void HandlePaint(HWND window);
  void OnTimerTick();
  // Applies the box's text (commit) or not (cancel), then closes the box.
  void FinishTextEntry(bool apply);
  // The open box's text, read past its limit, through its own procedure.
  // Allocates, like the checks below.
  std::string TextEntryText() const;
  // The box reported a change of its text (EN_UPDATE, EN_CHANGE): a change
  // its parameter's box may not hold, whatever path brought it, is undone:
  // the last accepted text and the selection before the change come back.
  void CheckTextEntryChange();
  // Text pasted into a parameter's box (the clipboard's on WM_PASTE, or
  // EM_REPLACESEL's) loses the line breaks that end it
  // (TextEntryPastedText) and is checked against the selection it replaces.
  // Answers whether the message may go on to the box as it is; otherwise
  // the paste was refused whole, or its text without the line breaks
  // (canUndo as EM_REPLACESEL's) has replaced the selection already.
  bool PassTextEntryPaste(HWND box, std::string_view pasted, WPARAM canUndo);
  // Whether inserted may replace the open box's selection.
  bool TextEntryAcceptsInsertion(std::string_view inserted);
  // Destroys the box and its font and forgets them; the edit state returns
  // to idle.
  void CloseTextEntry();
  // The window was destroyed from outside (its host destroyed it first):
  // forget the window, the box and the tooltip, and count the window closed.
  void ForgetDestroyedWindow();

  void CreateTooltips();
  void HideTooltip();
  void ShowTooltip(const char* text);
  void SetTooltipText(const char* text);
  // The mouse and modifier state of a mouse message.
  IMouseKeys MouseKeysOf(WPARAM wParam) const;
  // The display scale in single precision, as the message arithmetic uses it.
  float ScaleF() { return static_cast<float>(GetDisplayScale()); }
  // Invalidates the whole editor area, scaled, without erasing.
  void InvalidateEditorArea();
  // The window that owns message boxes: the top-level ancestor of the
  // parent window while that exists, else the process's top-level window of
  // the class that ancestor had; null when neither is found.
  HWND FindMessageBoxOwner();

  HINSTANCE mModule = nullptr;
  HWND mWindow = nullptr;
  HWND mEditBox = nullptr;
  HWND mTooltip = nullptr;
  IControl* mEditControl = nullptr;       // not owned
  IPlugParameter* mEditParam = nullptr;   // not owned
  WNDPROC mPreviousEditProcedure = nullptr;
  int mEditState = kEditIdle;
  HFONT mEditFont = nullptr;              // the box's font, deleted with the box
  int mEditLimit = 0;                     // the box's length limit
  // The box's text as last accepted, and its selection when the message
  // being handled reached it (what a refused change returns to).
  std::string mAcceptedText;
  DWORD mSelectionStart = 0, mSelectionEnd = 0;
  int mEditMessageDepth = 0;              // box messages being handled
  bool mCheckingEdit = false;             // inside CheckTextEntryChange
  bool mTooltipShown = false;
  int mTooltipControl = -1;
  COLORREF* mCustomColors = nullptr;      // 16 entries, on first use
  DWORD mOwnerProcessId = 0;
  HWND mParentWindow = nullptr;
  HWND mOwnerWindow = nullptr;
  StringBuffer mOwnerClassName;
  // Set by PaintDirtyArea so that WM_PAINT knows whether anything validated
  // the update region.
  bool mPaintedThisMessage = false;
  int mRedrawInterval = 0;
  // Set while ReleaseOwnCapture runs.
  bool mReleasingCapture = false;

  // The frame rate of the window being created, read by WM_CREATE.
  static double sNextFrameRate;
};
