#include "HostWindowing.h"

namespace vo {

bool PumpMessagesUntil(const std::function<bool()>& done, int timeoutMilliseconds) {
  constexpr int kSlice = 10;
  for (int waited = 0; !done(); waited += kSlice) {
    if (waited >= timeoutMilliseconds) return false;
    PumpMessages(kSlice);
  }
  return true;
}

void* OpenEmptiedTextBox(void* window, int x, int y) {
  constexpr int kBackKey = 0x08;
  // The box is a child of the editor's window that takes the focus when it
  // opens; on a loaded machine that may take much longer than usual.
  PostPress(window, x, y);
  PostRelease(window, x, y);
  void* box = nullptr;
  const bool opened = PumpMessagesUntil(
      [&] {
        box = FocusWindow();
        return box && ParentWindow(box) == window;
      },
      2000);
  if (!opened) return nullptr;
  PostKey(kBackKey);
  return PumpMessagesUntil([&] { return WindowText(box).empty(); }, 2000) ? box : nullptr;
}

bool CancelTextBox(void* box) {
  constexpr int kEscapeKey = 0x1B;
  // The box closes at the editor's next timer tick; a press before that
  // would commit it instead.
  PostKey(kEscapeKey);
  return PumpMessagesUntil([&] { return FocusWindow() != box; }, 2000);
}

}  // namespace vo
