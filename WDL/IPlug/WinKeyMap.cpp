#include "WinKeyMap.h"

int EditorKeyCodeForVirtualKey(int virtualKey) {
  switch (virtualKey) {
    case 32: return 0;  // space
    case 38: return 1;  // up
    case 40: return 2;  // down
    case 37: return 3;  // left
    case 39: return 4;  // right
    default: break;
  }
  if (virtualKey >= '0' && virtualKey <= '9') return virtualKey - 43;
  if (virtualKey >= 'A' && virtualKey <= 'Z') return virtualKey - 50;
  return -1;
}
