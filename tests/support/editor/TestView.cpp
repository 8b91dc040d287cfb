#include "TestView.h"

#include "lice_mem_bitmap.h"
#include "lice_sys_bitmap.h"

namespace vo {

TestView::TestView(IPlugBase* plug, int width, int height, int fps) : IGraphics(plug, width, height, fps) {}

TestView::~TestView() {}

void TestView::AddPicture(int id, int width, int height, LICE_Pixel fill, std::vector<LICE_Pixel> pixels) {
  if (pixels.empty()) pixels.assign(static_cast<size_t>(width) * static_cast<size_t>(height), fill);
  mPictures.push_back({id, width, height, std::move(pixels)});
}

LICE_IBitmap* TestView::LoadBitmapResource(int id, const char* name) {
  loadedIds.push_back(id);
  for (const Picture& picture : mPictures) {
    if (picture.id != id) continue;
    auto* bitmap = new LICE_MemBitmap(picture.width, picture.height);
    for (int y = 0; y < picture.height; ++y) {
      for (int x = 0; x < picture.width; ++x) {
        bitmap->Pixels()[y * bitmap->RowSpan() + x] = picture.pixels[static_cast<size_t>(y * picture.width + x)];
      }
    }
    return bitmap;
  }
  return nullptr;
}

LICE_Pixel TestView::BackBufferPixel(int x, int y) {
  LICE_SysBitmap* buffer = GetBackBuffer();
  if (!buffer || !buffer->Pixels() || x < 0 || y < 0 || x >= buffer->PixelWidth() || y >= buffer->PixelHeight()) {
    return 0;
  }
  return buffer->Pixels()[y * buffer->RowSpan() + x];
}

bool TestView::PaintDirtyArea(IRECT* area) {
  paintedAreas.push_back(*area);
  return true;
}

IPopupMenu* TestView::CreateIPopupMenu(IPopupMenu* menu, IRECT* rect) {
  // A modal menu takes the mouse, as the platform views' menus do.
  ReleasePointerCapture();
  MenuRequest request{{}, *rect};
  for (int i = 0; i < menu->NItems(); ++i) {
    request.items.push_back({menu->GetItem(i)->GetText(), menu->GetItem(i)->GetFlags()});
  }
  menus.push_back(request);
  if (mMenuChoice < 0 || mMenuChoice >= menu->NItems()) return nullptr;
  menu->SetChosenItemIdx(mMenuChoice);
  return menu;
}

void TestView::CreateTextEntry(IControl* control, IText* text, IRECT* rect, const char* str, IPlugParameter* param) {
  textEntries.push_back({control, *text, *rect, str ? str : "", param});
}

}  // namespace vo
