#pragma once
// The mouse buttons and modifier keys of one editor event, and the editor's
// key numbering that the platform views produce.

struct IMouseKeys {
  bool L = false;  // left button
  bool R = false;  // right button
  bool S = false;  // shift
  bool C = false;  // ctrl
  bool A = false;  // alt

  IMouseKeys() = default;
  IMouseKeys(bool left, bool right, bool shift, bool ctrl, bool alt) : L(left), R(right), S(shift), C(ctrl), A(alt) {}
};

// 0 space, 1 to 4 the arrows, 5 to 14 the digits 0 to 9, 15 to 40 the letters A to Z.
enum IKeyCode : int {
  kKeySpace = 0,
  kKeyUp = 1,
  kKeyDown = 2,
  kKeyLeft = 3,
  kKeyRight = 4,
  kKeyDigit0 = 5,
  kKeyDigit9 = 14,
  kKeyA = 15,
  kKeyZ = 40,
};
