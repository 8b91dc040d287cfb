// Where the host reads no pixels back and sends no input (HasWindows answers
// false): clicks, double clicks, drags, wheel notches, keys, text and pastes
// go nowhere, no window has the focus or the mouse, the clipboard takes
// nothing and nothing is captured.

#include "HostDesktop.h"
#include "HostWindowing.h"

namespace vo {

void ClickWindow(void*, int, int, bool) {}

void PostPress(void*, int, int, bool) {}
void PostRelease(void*, int, int, bool) {}
void PostText(const std::string&) {}
void PostKey(int) {}
void* FocusWindow() { return nullptr; }
void* CaptureWindow() { return nullptr; }
std::string WindowText(void*) { return std::string(); }

bool CaptureWindowPixels(void*, WindowPixels*) { return false; }

bool CaptureWindowPng(void*, const std::string&) { return false; }

void DoubleClickWindow(void*, int, int) {}
bool InputDoubleClick(void*, int, int) { return false; }
void WheelWindow(void*, int, int, int, bool) {}
void WheelWindowBy(void*, int, int, int, int) {}

void PressAndDragWindow(void*, int, int, int, int) {}
void TakeMouseCapture(void*) {}
void ReleaseMouseCapture() {}
bool SetClipboardText(const std::string&) { return false; }
void SendKeyChord(int, int) {}
void PostPaste(void*) {}
void PostContextMenuChoice(void*, char) {}

}  // namespace vo
