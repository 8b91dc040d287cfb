#pragma once
// What happens on a test host's desktop around a plug-in's editor besides
// presses on it: the mouse held down in a drag, another window taking the
// mouse, the clipboard, key chords through the system's input queue and a
// choice in a window's own context menu. Real on Windows; natively there are
// no windows, so each does nothing (and answers false where it answers).
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

}  // namespace vo
