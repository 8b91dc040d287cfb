#include "ITextControl.h"

#include <cstring>

#include "IGraphics.h"

ITextControl::ITextControl(IPlugBase* plug, const IRECT& rect, const IText& text, const char* str)
    : IControl(plug, rect, -1) {
  mText = text;
  mStr.Set(str);
}

void ITextControl::SetTextFromPlug(const char* str) {
  if (!str) str = "";
  if (std::strcmp(str, GetTextString()) == 0) return;
  MarkChanged(false);
  mStr.Set(str);
}

bool ITextControl::Render(IGraphics* graphics) {
  const char* str = GetTextString();
  if (!str[0]) return true;
  IRECT r = mRect;
  return graphics->DrawTextInRect(&mText, str, &r, false);
}
