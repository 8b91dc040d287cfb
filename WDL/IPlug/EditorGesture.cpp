#include "EditorGesture.h"

#include "IPlugBase.h"

void EditorGesture::Begin(int paramIdx) {
  End();
  if (!mPlug || paramIdx < 0) return;
  mParamIdx = paramIdx;
  mPlug->BeginInformHostOfParamChange(paramIdx);
}

void EditorGesture::End() {
  const int open = mParamIdx;
  // Cleared first: the host's answer may re-enter the editor.
  mParamIdx = -1;
  if (open >= 0 && mPlug) mPlug->EndInformHostOfParamChange(open);
}
