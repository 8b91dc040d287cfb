#pragma once
// Stand-in for a platform editor view in builds that have no windows (the
// native tests, the render tool, the native AAX module): the full editor
// with its controls and back buffer, but no window, a display scale of 1.0
// and the images read as PNG files from the plug-in's resource folder.
// Attaching to a parent opens nothing; dialogs, menus and text entry answer
// that nothing was chosen. Editor thread, like any view.

#include <string>

#include "IGraphics.h"

class HeadlessEditorView : public IGraphics {
 public:
  // imageRoot: the folder the images' file names are relative to.
  HeadlessEditorView(IPlugBase* plug, int width, int height, int fps, const char* imageRoot);

  bool PaintDirtyArea(IRECT*) override { return true; }
  void CancelTextEntry() override {}
  int ShowMessageBox(const char*, const char*, int) override { return 0; }
  IPopupMenu* CreateIPopupMenu(IPopupMenu*, IRECT*) override { return nullptr; }
  void CreateTextEntry(IControl*, IText*, IRECT*, const char*, IPlugParameter*) override {}
  void HostExecutablePath(StringBuffer* path) override { path->Set(""); }
  void ModuleFilePath(StringBuffer* path) override { path->Set(""); }
  void DesktopFolderPath(StringBuffer* path) override { path->Set(""); }
  void AppDataFolderPath(StringBuffer* path, bool) override { path->Set(""); }
  void SampleFolderPath(StringBuffer* path) override { path->Set(""); }
  void ShowFileDialog(StringBuffer* file, int, StringBuffer*, const char*) override { file->Set(""); }
  bool PromptForColor(IColor*, const char*) override { return false; }
  bool OpenWebLink(const char*, const char*, const char*, const char*) override { return false; }
  // No window opens; the parent is remembered for the host's bookkeeping.
  void* AttachToParentWindow(void* parent) override;
  void DetachView() override { mParent = nullptr; }
  void* NativeWindowHandle() override { return nullptr; }
  bool ReadClipboardText(StringBuffer* out) override {
    out->Set("");
    return false;
  }
  double GetDisplayScale() override { return 1.0; }
  void RefreshTooltips() override {}
  // The PNG file imageRoot/name; null when it cannot be read.
  LICE_IBitmap* LoadBitmapResource(int id, const char* name) override;

  // The parent the host attached the editor to, null when detached.
  void* Parent() const { return mParent; }

 private:
  std::string mImageRoot;
  void* mParent = nullptr;
};
