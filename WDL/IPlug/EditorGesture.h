#pragma once
// The edit gesture the editor's mouse has begun with the host. Hosts record
// automation from begin/end pairs, so the editor sends an end only for the
// begin it sent, and ends a gesture that its release will never end (the
// capture went to a menu, the box or the window closed, a new press came).
// One press at a time means at most one open gesture.
//
// Threads: the editor thread only; no allocation, no lock.

class IPlugBase;

class EditorGesture {
 public:
  explicit EditorGesture(IPlugBase* plug) : mPlug(plug) {}

  // Tells the host a gesture on paramIdx begins, ending an open one first.
  void Begin(int paramIdx);
  // Tells the host the open gesture ends; nothing when none is open.
  void End();
  // Forgets an open gesture without telling the host: for the editor's
  // destruction, when the plug-in may already be half gone.
  void Forget() { mParamIdx = -1; }
  bool IsOpenFor(int paramIdx) const { return paramIdx >= 0 && mParamIdx == paramIdx; }

 private:
  IPlugBase* mPlug;
  int mParamIdx = -1;
};
