#include "IGraphics.h"

#include "AssertionHook.h"
#include "IBitmapControl.h"
#include "IControl.h"
#include "IPlugBase.h"
#include "IPlugParameter.h"
#include "lice_mem_bitmap.h"
#include "lice_sys_bitmap.h"

namespace {
// Holds the plug-in mutex (when there is a plug-in) while the control list changes.
class PlugLock {
 public:
  explicit PlugLock(IPlugBase* plug) : mPlug(plug) {
    if (mPlug) mPlug->GetMutex().Lock();
  }
  ~PlugLock() {
    if (mPlug) mPlug->GetMutex().Unlock();
  }
  PlugLock(const PlugLock&) = delete;
  PlugLock& operator=(const PlugLock&) = delete;

 private:
  IPlugBase* mPlug;
};
}  // namespace

IGraphics::IGraphics(IPlugBase* plug, int width, int height, int fps)
    : mPlug(plug), mWidth(width), mHeight(height), mFPS(fps > 0 ? fps : kDefaultFPS), mGesture(plug) {}

IGraphics::~IGraphics() {
  delete mKeyCatcher;
  mKeyCatcher = nullptr;
  mControls.DeleteAll(true);
  DeleteBackBuffers();
}

void IGraphics::DeleteBackBuffers() {
  delete mBackBuffer;
  mBackBuffer = nullptr;
  delete mScratch;
  mScratch = nullptr;
}

void IGraphics::PrepareBackBuffers() {
  DeleteBackBuffers();
  const IDeviceSize size = DeviceSize();
  mBackBuffer = new LICE_SysBitmap(size.w, size.h);
  mScratch = new LICE_MemBitmap(0, 0, 4);
}

void IGraphics::AttachBackground(int resourceId, const char* fileName) {
  LICE_IBitmap* bitmap = CachedBitmap(resourceId, fileName);
  const IBitmapStrip strip = bitmap ? IBitmapStrip(bitmap, bitmap->PixelWidth(), bitmap->PixelHeight()) : IBitmapStrip();
  IControl* background =
      new IBitmapControl(mPlug, IRECT(0, 0, strip.W, strip.H), -1, &strip, IBlendSpec(IBlendSpec::kMethodCopy, 1.0f));
  PlugLock lock(mPlug);
  const int before = mControls.GetSize();
  mControls.Insert(background, 0);
  if (mControls.GetSize() == before) delete background;
}

int IGraphics::AttachControl(IControl* control) {
  PlugLock lock(mPlug);
  const int before = mControls.GetSize();
  mControls.Insert(control);
  if (mControls.GetSize() == before) {
    // The list could not grow: the editor still owns what it was given.
    delete control;
    return -1;
  }
  return before;
}

IBitmapStrip IGraphics::LoadBitmapStrip(int resourceId, const char* fileName, int frames, bool horizontal) {
  LICE_IBitmap* bitmap = CachedBitmap(resourceId, fileName);
  if (!bitmap) return IBitmapStrip(nullptr, 0, 0, frames, horizontal);
  return IBitmapStrip(bitmap, bitmap->PixelWidth(), bitmap->PixelHeight(), frames, horizontal);
}

void IGraphics::SetKeyCatcher(IControl* control) {
  if (control == mKeyCatcher) return;
  delete mKeyCatcher;
  mKeyCatcher = control;
}

void IGraphics::MarkAllControlsChanged() {
  for (int i = 0; i < mControls.GetSize(); ++i) mControls.Get(i)->MarkChanged(false);
}

void IGraphics::SetControlValueFromPlug(int controlIdx, double normalized) {
  if (IControl* control = mControls.Get(controlIdx)) control->ApplyValueFromPlug(normalized);
}

void IGraphics::SetParameterValueFromPlug(int paramIdx, double value, bool normalized) {
  // An index the plug-in does not know is bound to nothing.
  IPlugParameter* param = mPlug ? mPlug->GetParam(paramIdx) : nullptr;
  if (!param) return;
  if (!normalized) value = param->NormalizeValue(value);
  for (int i = 0; i < mControls.GetSize(); ++i) {
    IControl* control = mControls.Get(i);
    if (control->ParamIdx() == paramIdx) control->ApplyValueFromPlug(value);
    const int aux = control->FindAuxBinding(paramIdx);
    if (aux >= 0) control->ApplyAuxValueFromPlug(aux, value);
  }
}

bool IGraphics::CollectDirtyArea(IRECT* area) {
  bool dirty = false;
  for (int i = 0; i < mControls.GetSize(); ++i) {
    IControl* control = mControls.Get(i);
    // Hidden controls count: the place they left must be repainted.
    if (control->NeedsRedraw()) {
      *area = area->Union(control->GetRect());
      dirty = true;
    }
  }
  if (dirty) {
    mIdleCount = 0;
    return true;
  }
  if (++mIdleCount >= kIdleTicks) {
    mIdleCount = 0;
    IdleTick();
  }
  return false;
}

void IGraphics::IdleTick() {
  if (mPlug) mPlug->OnEditorIdle();
  for (int i = 0; i < mControls.GetSize(); ++i) mControls.Get(i)->IdleTick();
}

bool IGraphics::Paint(IRECT* area) {
  if (mControls.GetSize() == 0) return true;
  if (mStrict) {
    RenderAllIntersecting(*area);
  } else {
    RenderDirtyControls();
  }
  if (mShowControlBounds) DrawControlBounds();
  return PaintDirtyArea(area);
}

void IGraphics::RenderAllIntersecting(const IRECT& area) {
  mDrawRect = area;
  for (int i = 0; i < mControls.GetSize(); ++i) {
    IControl* control = mControls.Get(i);
    const IRECT& r = control->GetRect();
    if (!control->IsHidden() && !area.IsEmpty() && !r.IsEmpty() && area.Intersects(r)) control->Render(this);
    control->ClearChanged();
  }
}

void IGraphics::RenderDirtyControls() {
  IControl* background = mControls.Get(0);
  if (background->NeedsRedraw()) {
    // The background covers everything: draw the whole editor once.
    mDrawRect = background->GetRect();
    for (int i = 0; i < mControls.GetSize(); ++i) {
      IControl* control = mControls.Get(i);
      if (i > 0 && control->IsHidden()) continue;
      control->Render(this);
      control->ClearChanged();
    }
    return;
  }
  for (int i = 1; i < mControls.GetSize(); ++i) {
    IControl* dirty = mControls.Get(i);
    if (!dirty->NeedsRedraw()) continue;
    mDrawRect = dirty->GetRect();
    for (int j = 0; j < mControls.GetSize(); ++j) {
      IControl* control = mControls.Get(j);
      if (control->IsHidden()) continue;
      const IRECT& r = control->GetRect();
      if (j == i || (!r.IsEmpty() && r.Intersects(mDrawRect))) control->Render(this);
    }
    dirty->ClearChanged();
  }
}

void IGraphics::ResizeEditor(int w, int h) {
  // Nothing may keep pointing at the controls that go away: an open text
  // entry belongs to one, and so does the hover index.
  CancelTextEntry();
  mMouseOver = -1;
  mWidth = w;
  mHeight = h;
  ReleasePointerCapture();
  mGesture.End();
  {
    PlugLock lock(mPlug);
    mControls.DeleteAll(true);
  }
  PrepareBackBuffers();
  if (mPlug) mPlug->InformHostOfEditorResize(w, h);
}

bool IGraphics::MeasureTextRect(IText* text, const char* str, IRECT* rect) {
  return DrawTextInRect(text, str, rect, true);
}

void IGraphics::ReleasePointerCapture() {
  mMouseCapture = -1;
  mMouseX = -1;
}
