#pragma once
// The editor object of a hosted instance as a host drives it: created
// through procedure 1, held through its GUI interface and called by slot
// number. The instance's controller unknown also hands out the instance's
// effect-parameters interface (as a host's does), and a view container
// (versions 1 and 2) offers a top-level parent window through slot 4 (a
// dummy natively), modifier keys through slot 7 and a chosen answer to
// parameter clicks through slot 8.
//
//   HostedGUI gui(session, effect);
//   gui.Bind(); gui.Attach();          // the editor opens in gui.ParentWindow()
//   gui.Detach(); gui.Unbind();
//
// Single-threaded, like the host objects underneath.

#include "FakeHost.h"
#include "PluginCalls.h"
#include "PluginSession.h"

#include <cstdint>
#include <string>

namespace fakehost {

// Slots of the GUI interface.
namespace gui_slot {
enum : int {
  kBind = 3, kUnbind = 4, kReserved5 = 5, kAttach = 6, kEditorSize = 7, kReserved8 = 8,
  kReserved9 = 9, kParameterUpdated = 10, kReserved11 = 11, kReserved12 = 12
};
}  // namespace gui_slot

// The host's size record: vertical first.
struct HostPoint {
  float vertical = -1.0f;
  float horizontal = -1.0f;
};

class HostedGUI {
public:
  // Creates the editor object through procedure 1 (none when the module
  // registers none or it answers null). The view container is named
  // "view<suffix>".
  HostedGUI(PluginSession& session, HostedEffect& effect, const std::string& suffix = "A");
  // Releases the object when still held.
  ~HostedGUI();
  HostedGUI(const HostedGUI&) = delete;
  HostedGUI& operator=(const HostedGUI&) = delete;

  bool Ok() const { return mGUI != nullptr; }
  void* Interface() const { return mGUI; }

  template <typename... A>
  int32_t Invoke(int slot, A... args) {
    return CallPluginSlot<int32_t>(mGUI, slot, args...);
  }

  // Binds to the instance's controller unknown.
  int32_t Bind();
  int32_t Unbind();
  // Attaches the view container (the editor opens) or null (it closes).
  int32_t Attach();
  int32_t Detach();
  // The editor's size as the object reports it.
  int32_t EditorSize(HostPoint* size);
  // Gives the host's reference back; answers the object's remaining count.
  uint32_t Release();

  // What the view container answers.
  void* parentWindow = nullptr;   // slot 4 (the window handle)
  uint32_t modifiers = 0;         // slot 7
  int32_t mouseDownResult = 1;    // slot 8: non-zero leaves the click to the plug-in

  Object* view = nullptr;

private:
  [[maybe_unused]] PluginSession& mSession;
  HostedEffect& mEffect;
  void* mGUI = nullptr;
};

}  // namespace fakehost
