#pragma once
// The host window an editor is open in, on either platform: the parent of
// the Windows view's child window, or the parent the headless view was given.
// Null while the editor is closed. Test helper; editor thread.

#include "IGraphics.h"

#ifdef _WIN32
#include <windows.h>

inline void* EditorParent(IGraphics* editor) {
  HWND window = static_cast<HWND>(editor->NativeWindowHandle());
  return window ? GetParent(window) : nullptr;
}
#else
#include "HeadlessEditorView.h"

inline void* EditorParent(IGraphics* editor) {
  auto* headless = dynamic_cast<HeadlessEditorView*>(editor);
  return headless ? headless->Parent() : nullptr;
}
#endif
