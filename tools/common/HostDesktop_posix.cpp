#include "HostDesktop.h"

namespace vo {

void PressAndDragWindow(void*, int, int, int, int) {}
void TakeMouseCapture(void*) {}
void ReleaseMouseCapture() {}
bool SetClipboardText(const std::string&) { return false; }
void SendKeyChord(int, int) {}
void PostPaste(void*) {}
void PostContextMenuChoice(void*, char) {}

}  // namespace vo
