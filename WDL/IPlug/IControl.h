#pragma once
// The base of every editor widget: where it draws and takes the mouse, the
// parameter it is bound to, its normalised value with clamps and default,
// the redraw flags, and the default mouse behaviour (double-click restores
// the default, right-click opens the parameter's text entry).
//
// Threads: controls live on the editor's thread. Two other threads touch
// them, always inside the plug-in mutex: the audio thread sets meter values
// (ApplyValueFromPlug) and marks every control (MarkChanged(false)); host
// threads push parameter values (ApplyValueFromPlug, ApplyAuxValueFromPlug).
// The editor paints and drags without the mutex. So the value, the default
// and the two redraw flags are relaxed atomics, and clamping writes only a
// value that lies outside the clamps (by compare-and-swap), so that a mark
// from the audio thread never undoes a value the editor has just written.
// No operation here takes a lock; only the text-entry path allocates.

#include <atomic>

#include "HeapBuffer.h"
#include "IGraphicsStructs.h"

class IGraphics;
class IPlugBase;
class IPlugParameter;
class ITextControl;

class IControl {
 public:
  // An extra parameter a control follows besides its own.
  struct AuxParam {
    double mValue;
    int mParamIdx;
  };

  // Creating thread. paramIdx -1 binds no parameter.
  IControl(IPlugBase* plug, const IRECT& rect, int paramIdx = -1, const IBlendSpec& blend = IBlendSpec());
  IControl(const IControl&) = delete;
  IControl& operator=(const IControl&) = delete;

  // ---- Virtual operations, in slot order --------------------------------
  // Editor thread unless stated otherwise; coordinates are unscaled.

  virtual ~IControl();
  // Right button: BeginParamTextEntry; otherwise nothing.
  virtual void HandleMouseDown(int x, int y, IMouseKeys* keys);
  virtual void HandleMouseUp(int x, int y, IMouseKeys* keys) {}
  // dX, dY: pixels moved since the previous drag event.
  virtual void HandleMouseDrag(int x, int y, int dX, int dY, IMouseKeys* keys) {}
  // Restores the default value (when one is known) and reports it.
  virtual void HandleDoubleClick(int x, int y, IMouseKeys* keys);
  virtual void HandleWheel(int x, int y, IMouseKeys* keys, int notches) {}
  // Answers whether the key was taken.
  virtual bool HandleKey(int x, int y, int keyCode) { return false; }
  virtual void HandleMouseHover(int x, int y, IMouseKeys* keys) {}
  virtual void HandleMouseLeave() {}
  // Draws into the editor's back buffer; answers the last drawing call's result.
  virtual bool Render(IGraphics* graphics) = 0;
  // Plug-in side (host, state restore, audio meters), inside the plug-in
  // mutex. The first value pushed also becomes the default and marks
  // nothing; later different values mark the control for two paints.
  virtual void ApplyValueFromPlug(double normalized);
  // Result of a text-entry box opened without a parameter.
  virtual void ApplyTextEntryResult(const char* text) {}
  // Hidden controls are not drawn (weight 0.0); hiding repaints twice.
  virtual void SetHidden(bool hide);
  // Disabled controls take no mouse and draw at weight 0.25.
  virtual void SetDisabled(bool disable);
  // Target rect contains the point (half-open; an empty rect nothing).
  virtual bool ContainsPoint(int x, int y);
  // Clamps the value, marks the control and, with toPlug, reports the value
  // to the plug-in through the editor, inside a gesture of the parameter
  // (IGraphics::SendParameterValue; SetParameterFromGUI takes the plug-in
  // mutex), and refreshes the value and name displays; toPlug is the editor
  // thread's. Without toPlug any thread (the audio thread marks every
  // control): no lock, no allocation.
  virtual void MarkChanged(bool toPlug);
  // After a paint: the redraw-again flag becomes the changed flag.
  virtual void ClearChanged();
  // Any thread; read by the editor's dirty collection.
  virtual bool NeedsRedraw();
  virtual void IdleTick() {}
  // Plug-in side, inside the plug-in mutex; auxIndex must be valid.
  virtual void ApplyAuxValueFromPlug(int auxIndex, double normalized);
  // Moves rect (keeping its size) and makes the target rect equal to it.
  virtual void MoveTo(int x, int y);

  // ---- Non-virtual operations -------------------------------------------

  // Opens the bound parameter's text entry or value menu on the editor.
  // Allocates (the menu). Nothing for an unbound control, with text entry
  // off, or without plug-in, editor or parameter.
  void BeginParamTextEntry();
  // A menu choice or typed value arrives: a different value (NaN counts as
  // different) is reported (MarkChanged(true)) and painted twice.
  void SetValueFromUserInput(double normalized);
  // Index of the first aux binding of paramIdx, -1 when none.
  int FindAuxBinding(int paramIdx) const;
  // Creating thread; adds an aux binding (value 0). Allocates.
  void AddAuxParam(int paramIdx);
  int NAuxParams() const { return mAuxParams.GetSize() / static_cast<int>(sizeof(AuxParam)); }
  // The binding, or null for an index outside the list.
  const AuxParam* GetAuxParam(int auxIndex) const;

  // ---- Accessors -----------------------------------------------------------

  IPlugBase* GetPlug() const { return mPlug; }
  const IRECT& GetRect() const { return mRect; }
  const IRECT& GetTargetRect() const { return mTargetRect; }
  void SetTargetRect(const IRECT& r) { mTargetRect = r; }
  int ParamIdx() const { return mParamIdx; }
  // The bound parameter, or null (unbound, no plug-in, index beyond the list).
  IPlugParameter* GetParam() const;
  // Any thread.
  double GetValue() const { return mValue.load(std::memory_order_relaxed); }
  // Editor thread; not clamped until the next MarkChanged.
  void SetValue(double normalized) { mValue.store(normalized, std::memory_order_relaxed); }
  // Negative while no value has been pushed from the plug-in.
  double GetDefaultValue() const { return mDefaultValue.load(std::memory_order_relaxed); }
  void SetDefaultValue(double normalized) { mDefaultValue.store(normalized, std::memory_order_relaxed); }
  // Creating thread, before the audio thread marks the control.
  void SetClamps(double lo, double hi) {
    mClampLo = lo;
    mClampHi = hi;
  }
  double GetClampLo() const { return mClampLo; }
  double GetClampHi() const { return mClampHi; }
  bool IsHidden() const { return mHidden; }
  bool IsDisabled() const { return mDisabled; }
  // Any thread; the next paint draws the control and the one after too.
  void SetRedrawAgain() { mRedrawAgain.store(true, std::memory_order_relaxed); }
  bool GetRedrawAgain() const { return mRedrawAgain.load(std::memory_order_relaxed); }
  const IBlendSpec& GetBlend() const { return mBlend; }
  IBlendSpec* GetBlendPtr() { return &mBlend; }
  IText* GetText() { return &mText; }
  void SetText(const IText& text) { mText = text; }
  int GetTextEntryLength() const { return mTextEntryLength; }
  void SetTextEntryLength(int characters) { mTextEntryLength = characters; }
  bool IsTextEntryOff() const { return mTextEntryOff; }
  void SetTextEntryOff(bool off) { mTextEntryOff = off; }
  bool GetDoubleClickAsClick() const { return mDoubleClickAsClick; }
  void SetDoubleClickAsClick(bool asClick) { mDoubleClickAsClick = asClick; }
  bool GetHoverWhileDisabled() const { return mHoverWhileDisabled; }
  void SetHoverWhileDisabled(bool hover) { mHoverWhileDisabled = hover; }
  ITextControl* GetValueDisplay() const { return mValueDisplay; }
  void SetValueDisplay(ITextControl* display) { mValueDisplay = display; }
  ITextControl* GetNameDisplay() const { return mNameDisplay; }
  void SetNameDisplay(ITextControl* display) { mNameDisplay = display; }
  // Not owned; the Windows view shows it on hover (shorter than 80 characters).
  const char* GetTooltip() const { return mTooltip; }
  void SetTooltip(const char* tooltip);

 protected:
  // Stores the value into [lo, hi] only when it lies outside (compare and
  // swap, so a concurrent in-range write is never undone).
  void ClampValue();
  // v within [lo, hi]; a NaN takes hi.
  double Clamped(double v) const;
  // The wheel's step for the controls that take it: notches x 0.01, or x
  // 0.001 with ctrl or shift, clamped, then reported (MarkChanged(true)).
  // An event that moves nothing (no whole notch, or the value already at
  // the end it points to) reports nothing: a host in touch automation would
  // write each such gesture over the automation it holds. Editor thread;
  // a step takes the plug-in mutex (MarkChanged); no allocation.
  void StepByWheel(IMouseKeys* keys, int notches);
  // The editor of the bound plug-in, or null.
  IGraphics* GetGUI() const;

  int mTextEntryLength = 7;
  IText mText;
  IPlugBase* mPlug;
  IRECT mRect;
  IRECT mTargetRect;
  int mParamIdx;
  HeapBuffer mAuxParams;
  std::atomic<double> mValue{0.0};
  std::atomic<double> mDefaultValue{-1.0};
  double mClampLo = 0.0;
  double mClampHi = 1.0;
  std::atomic<bool> mChanged{true};
  bool mHidden = false;
  bool mDisabled = false;
  std::atomic<bool> mRedrawAgain{false};
  bool mTextEntryOff = true;
  bool mDoubleClickAsClick = false;
  bool mHoverWhileDisabled = false;
  IBlendSpec mBlend;
  ITextControl* mValueDisplay = nullptr;
  ITextControl* mNameDisplay = nullptr;
  const char* mTooltip = nullptr;
};
