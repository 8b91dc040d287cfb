#pragma once
// One preset: a name and the plug-in state it recalls. A slot that was never
// filled is "empty" and not initialised.

#include "StateChunk.h"

struct PresetSlot {
  // Longer names are cut.
  static constexpr int kMaxNameLength = 256;

  PresetSlot() { SetName("empty"); }
  void SetName(const char* name);

  bool mInitialized = false;
  char mName[kMaxNameLength] = {};
  StateChunk mChunk;
};
