#pragma once
// The edit gestures the editor reports to the host. Hosts record automation
// from begin/end pairs and take a value only inside a gesture of its
// parameter, so every value the editor sends lies inside one: the gesture
// its mouse press began (drag steps, a menu choice or a wheel notch within
// the press), or a gesture of its own around a value that comes without a
// press of its parameter (a double click, a wheel notch, a text-entry
// commit). A wheel event that moves no value sends nothing at all
// (IControl::StepByWheel): touchpads and smooth-scrolling wheels, whose
// events are mostly less than a notch, and a wheel turned against the end
// of a range make no gestures. The editor sends an end only for the begin
// it sent, and ends a press's gesture that its release will never end (the
// capture went to a menu, the box or the window closed, a new press came).
// One press at a time means at most one open press gesture.
//
// Threads: the editor thread only; no allocation. SendValue takes the
// plug-in mutex (inside IPlugBase::SetParameterFromGUI); nothing else locks.

class IPlugBase;

class EditorGesture {
 public:
  explicit EditorGesture(IPlugBase* plug) : mPlug(plug) {}

  // Tells the host a press's gesture on paramIdx begins, ending an open one first.
  void Begin(int paramIdx);
  // Tells the host the press's gesture ends; nothing when none is open.
  void End();
  // Forgets an open gesture without telling the host: for the editor's
  // destruction, when the plug-in may already be half gone.
  void Forget() { mParamIdx = -1; }
  bool IsOpenFor(int paramIdx) const { return paramIdx >= 0 && mParamIdx == paramIdx; }
  // Sends a value of paramIdx to the plug-in, which informs the host: within
  // the press's gesture when that is on paramIdx, otherwise as a gesture of
  // its own (begin, value, end). Nothing for an index the plug-in does not
  // know, so no empty gesture either.
  void SendValue(int paramIdx, double normalized);

 private:
  IPlugBase* mPlug;
  int mParamIdx = -1;
};
