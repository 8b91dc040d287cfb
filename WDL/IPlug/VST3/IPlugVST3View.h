#pragma once
// The VST3 editor view: a thin adapter between the host's window (a Windows
// HWND) and the plug-in's editor, which draws and handles input itself.
// Created by IPlugVST3::createView; the wrapper keeps it in its list of open
// views while it lives and uses the first one for editor-initiated resizes
// and for the host's parameter context menu.
//
// Threads: every entry point comes from the host's user-interface thread; no
// lock is taken here (the editor's value writes go through the plug-in).

#include "public.sdk/source/common/pluginview.h"

class IPlugVST3;

class IPlugVST3View : public Steinberg::CPluginView {
 public:
  // Takes one reference on the plug-in, given back on destruction.
  explicit IPlugVST3View(IPlugVST3* plug);
  // Leaves the plug-in's list of open views, then gives its reference back.
  ~IPlugVST3View() override;

  // No editor: false; "HWND": ok; any other type: false.
  Steinberg::tresult PLUGIN_API isPlatformTypeSupported(Steinberg::FIDString type) SMTG_OVERRIDE;
  // No editor: false. "HWND": the editor opens as a child of parent, then
  // the plug-in hears that it opened; ok. Any other type opens nothing and
  // answers false. Allocates (the editor's window).
  Steinberg::tresult PLUGIN_API attached(void* parent, Steinberg::FIDString type) SMTG_OVERRIDE;
  // With an editor: the plug-in hears it closes, then the editor window goes,
  // but only when it lives in this view's host window (another view may
  // have taken it since).
  Steinberg::tresult PLUGIN_API removed() SMTG_OVERRIDE;
  // No editor: false. Otherwise (0, 0, width x scale, height x scale),
  // truncated; null: invalid argument.
  Steinberg::tresult PLUGIN_API getSize(Steinberg::ViewRect* size) SMTG_OVERRIDE;
  // Stores the size; completes a resize the plug-in asked for. Null: ok,
  // nothing changes.
  Steinberg::tresult PLUGIN_API onSize(Steinberg::ViewRect* newSize) SMTG_OVERRIDE;

  // Editor thread, from IPlugVST3::InformHostOfEditorResize: asks the host
  // frame for the size; false without a frame.
  bool RequestResize(int width, int height);
  // The host frame the host gave (may be null).
  Steinberg::IPlugFrame* Frame() const { return plugFrame; }

 private:
  IPlugVST3* mPlug;
  bool mResizePending = false;
};
