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

void EditorGesture::SendValue(int paramIdx, double normalized) {
  if (!mPlug || !mPlug->GetParam(paramIdx)) return;
  if (IsOpenFor(paramIdx)) {
    mPlug->SetParameterFromGUI(paramIdx, normalized);
    return;
  }
  mPlug->BeginInformHostOfParamChange(paramIdx);
  mPlug->SetParameterFromGUI(paramIdx, normalized);
  mPlug->EndInformHostOfParamChange(paramIdx);
}
