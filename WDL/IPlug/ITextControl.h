#pragma once
// A text label; also the value and name displays that other controls feed.

#include "IControl.h"
#include "StringBuffer.h"

class ITextControl : public IControl {
 public:
  // Unbound (parameter -1); style and text copied.
  ITextControl(IPlugBase* plug, const IRECT& rect, const IText& text, const char* str = "");

  // Editor thread. A different text (byte comparison) marks the control and
  // replaces the text; the same text changes nothing. May allocate.
  void SetTextFromPlug(const char* str);
  const char* GetTextString() const { return mStr.Get() ? mStr.Get() : ""; }
  // Draws a non-empty text into the rect.
  bool Render(IGraphics* graphics) override;

 protected:
  StringBuffer mStr;
};
