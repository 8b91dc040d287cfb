#pragma once
// The host's editor object for the plug-in: it finds the plug-in's editor
// (the IGraphics its instance connected), opens it in the native view of
// the host's view container, reports its size and closes it. It never owns
// the editor: the plug-in deletes it.
//
// Threads: every operation comes from the host's user-interface thread;
// nothing is locked here.

#include "AAX_CEffectGUI.h"

class IGraphics;

class AAX_CEffectGUI_IPLUG : public AAX_CEffectGUI {
public:
  AAX_CEffectGUI_IPLUG() = default;
  // Closes the editor when the host dropped the object with a window open.
  ~AAX_CEffectGUI_IPLUG() override;

  // The editor's size in host pixels (width and height times the display
  // scale, truncated), vertical first; not written without an editor. 0.
  AAX_ResultCode EditorSize(AAX_Point* size) override;
  // Also forgets the editor: a later attach must not reach the editor of an
  // instance this object no longer holds.
  AAX_ResultCode UnbindGuiController() override;
  // The base's attach, with the editor's copy of the container following:
  // the editor lets go of the current container before the base deletes it
  // (replaced by another, with or without a native view, or by null), and
  // takes the new one only when it opens in its native view. Allocates.
  AAX_ResultCode AttachViewContainer(IACFUnknown* viewUnknown) override;

  // Takes the editor of the instance the host bound this object to, only
  // when that object is a live instance of this module; otherwise (another
  // object, or none) there is no editor.
  void TakePluginGraphics() override;
  // Opens the editor in the container's native view and gives the editor
  // the container for its resize requests and parameter clicks; answers the
  // native view (null: nothing opens).
  void* OpenEditorInView() override;
  // Closes the editor and takes the container away from it.
  void CloseEditor() override;

  IGraphics* Editor() const { return mEditor; }

private:
  IGraphics* mEditor = nullptr;  // the plug-in's, not owned
};
