#pragma once
// What happens on a test host's desktop around a plug-in's editor besides
// single presses on it: double clicks (as the window procedure receives them
// and through the system's input queue), wheel notches, the mouse held down
// in a drag, another window taking the mouse, the clipboard, key chords
// through the system's input queue and a choice in a window's own context
// menu. Real on Windows; natively there are no windows, so each does
// nothing (and answers false where it answers).
// Threads: the caller's (the host's user-interface thread).

#include <string>

namespace vo {

// A press of the left button at (x, y) and a move with it held to (toX,
// toY), in the window's client pixels, sent as the system sends them; no
// release.
void PressAndDragWindow(void* window, int x, int y, int toX, int toY);
// The window takes the mouse capture (as a host's window or dialog does),
// and gives it back.
void TakeMouseCapture(void* window);
void ReleaseMouseCapture();

// Puts text on the clipboard as Unicode text; false when it cannot.
bool SetClipboardText(const std::string& text);
// Presses virtualKey with modifierKey held (e.g. VK_CONTROL and 'V') through
// the system's input queue, as a user's keyboard does; the keys reach the
// window with the keyboard focus at the next PumpMessages.
void SendKeyChord(int modifierKey, int virtualKey);
// Posts WM_PASTE to the window; delivered by the next PumpMessages.
void PostPaste(void* window);
// Posts a request for the window's own context menu and, once the menu is
// open, presses accessKey in it (e.g. 'p' for "Paste"). Delivered by the
// next PumpMessages, which runs the menu.
void PostContextMenuChoice(void* window, char accessKey);

// A double click of the left button at (x, y) in the window's client
// pixels, sent as Windows delivers it to a window whose class asks for
// double clicks: press, release, double click, release.
void DoubleClickWindow(void* window, int x, int y);
// The same double click made as real input: the window's top-level window
// comes to the front, the cursor is put on the window's point and two
// presses and releases enter the system's input queue, which makes the
// second press a double click when the window's class asks for one.
// Delivered by the next PumpMessages; false when the point shows another
// window or the system refused the input.
bool InputDoubleClick(void* window, int x, int y);
// Wheel notches at (x, y) in the window's client pixels, one message per
// notch (positive: away from the user), with ctrl held or not.
void WheelWindow(void* window, int x, int y, int notches, bool ctrl = false);
// `messages` wheel messages of `delta` units each at (x, y): a notch is 120,
// touchpads and smooth-scrolling wheels send less.
void WheelWindowBy(void* window, int x, int y, int delta, int messages);

}  // namespace vo
