#pragma once
// A platform view for tests: it implements every platform slot of the
// editor without a window. It records the areas put on screen and the
// text-entry, menu and cancel requests; a menu answers the scripted choice.
// Images are served by resource id from pictures the test registers (a
// fresh bitmap per load, null for an unknown id). The display scale is
// settable. Editor thread only, like the editor; recording allocates.

#include <string>
#include <vector>

#include "IGraphics.h"
#include "IPlugParameter.h"
#include "lice_pixel.h"

namespace vo {

class TestView : public IGraphics {
 public:
  struct TextEntryRequest {
    IControl* control;
    IText style;
    IRECT rect;
    std::string text;
    IPlugParameter* param;
  };
  struct MenuItem {
    std::string text;
    int flags;
  };
  struct MenuRequest {
    std::vector<MenuItem> items;
    IRECT rect;
  };

  explicit TestView(IPlugBase* plug = nullptr, int width = 464, int height = 480, int fps = 0);
  ~TestView() override;

  // Test set-up.
  void SetScale(double scale) { mScale = scale; }
  // Registers a width x height picture for resource id, filled with one
  // colour, or with the given pixels (row by row) when pixels is not empty.
  void AddPicture(int id, int width, int height, LICE_Pixel fill, std::vector<LICE_Pixel> pixels = {});
  // The item index the next menus answer; -1 answers nothing (null).
  void SetMenuChoice(int index) { mMenuChoice = index; }
  // Opens the back buffers the way IPlugBase::ConnectGraphics would.
  void ConnectBackBuffers() { PrepareBackBuffers(); }
  // A pixel of the back buffer (0 outside it).
  LICE_Pixel BackBufferPixel(int x, int y);

  // Recordings.
  std::vector<IRECT> paintedAreas;
  std::vector<TextEntryRequest> textEntries;
  std::vector<MenuRequest> menus;
  std::vector<int> loadedIds;
  int cancelRequests = 0;

  // Platform slots.
  bool PaintDirtyArea(IRECT* area) override;
  void CancelTextEntry() override { ++cancelRequests; }
  int ShowMessageBox(const char* text, const char* caption, int type) override { return 0; }
  IPopupMenu* CreateIPopupMenu(IPopupMenu* menu, IRECT* rect) override;
  void CreateTextEntry(IControl* control, IText* text, IRECT* rect, const char* str, IPlugParameter* param) override;
  void HostExecutablePath(StringBuffer* path) override { path->Set(""); }
  void ModuleFilePath(StringBuffer* path) override { path->Set(""); }
  void DesktopFolderPath(StringBuffer* path) override { path->Set(""); }
  void AppDataFolderPath(StringBuffer* path, bool allUsers) override { path->Set(""); }
  void SampleFolderPath(StringBuffer* path) override { path->Set(""); }
  void ShowFileDialog(StringBuffer* file, int action, StringBuffer* dir, const char* extensions) override {
    file->Set("");
  }
  bool PromptForColor(IColor* color, const char* title) override { return false; }
  bool OpenWebLink(const char* url, const char* caption, const char* confirmText, const char* errorText) override {
    return false;
  }
  void* AttachToParentWindow(void* parent) override { return nullptr; }
  void DetachView() override {}
  void* NativeWindowHandle() override { return nullptr; }
  bool ReadClipboardText(StringBuffer* out) override {
    out->Set("");
    return false;
  }
  double GetDisplayScale() override { return mScale; }
  void RefreshTooltips() override {}
  LICE_IBitmap* LoadBitmapResource(int id, const char* name) override;

 private:
  struct Picture {
    int id;
    int width;
    int height;
    std::vector<LICE_Pixel> pixels;
  };
  double mScale = 1.0;
  int mMenuChoice = -1;
  std::vector<Picture> mPictures;
};

}  // namespace vo
