#pragma once
// The editor's key numbering for Windows virtual keys. The editor knows
// space, the four arrows, the top-row digits and the letters; every other key
// belongs to the host, which gets it forwarded.

// Editor thread; no allocation. The editor key code (0 space, 1 to 4 up, down,
// left, right, 5 to 14 the digits, 15 to 40 the letters), or -1 for a key
// the editor does not take. Virtual keys 97 to 122 are the numeric keypad and
// the function keys, not lower-case letters, so they stay unmapped.
int EditorKeyCodeForVirtualKey(int virtualKey);
