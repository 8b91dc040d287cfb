// The editor side of the VST3 wrapper: views for the host, resize requests
// and the host's parameter context menu.

#include <algorithm>
#include <cstring>

#include "IGraphics.h"
#include "IPlugVST3.h"
#include "IPlugVST3View.h"
#include "pluginterfaces/vst/ivstcontextmenu.h"

using namespace Steinberg;
using namespace Steinberg::Vst;

IPlugView* PLUGIN_API IPlugVST3::createView(FIDString name) {
  if (!name || std::strcmp(name, ViewType::kEditor) != 0) return nullptr;
  auto* view = new IPlugVST3View(this);
  mViews.push_back(view);
  return view;
}

void IPlugVST3::ForgetView(IPlugVST3View* view) {
  auto found = std::find(mViews.begin(), mViews.end(), view);
  if (found != mViews.end()) mViews.erase(found);
  if (mEditorView == view) mEditorView = nullptr;
}

void IPlugVST3::InformHostOfEditorResize(int width, int height) {
  if (!GetGUI() || mViews.empty()) return;
  mViews.front()->RequestResize(width, height);
}

IGRAPHICS_SLOT_CALLER void IPlugVST3::ShowHostContextMenu(int paramIndex, int x, int y) {
  if (!componentHandler || mViews.empty()) return;
  IComponentHandler3* handler = nullptr;
  if (componentHandler->queryInterface(IComponentHandler3::iid, reinterpret_cast<void**>(&handler)) !=
          kResultOk ||
      !handler) {
    return;
  }
  const ParamID id = static_cast<ParamID>(paramIndex);
  if (IContextMenu* menu = handler->createContextMenu(mViews.front(), &id)) {
    // The host places the menu in the view's pixels; the editor's point is
    // unscaled.
    const double scale = GetGUI() ? GetGUI()->GetDisplayScale() : 1.0;
    menu->popup(DeviceScale::ScaleCoordinate(scale, x), DeviceScale::ScaleCoordinate(scale, y));
    menu->release();
  }
  handler->release();
}
