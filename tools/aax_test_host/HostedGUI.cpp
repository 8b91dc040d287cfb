#include "HostedGUI.h"

#include "HostIds.h"
#include "HostObjects.h"

namespace fakehost {

HostedGUI::HostedGUI(PluginSession& session, HostedEffect& effect, const std::string& suffix)
    : mSession(session), mEffect(effect) {
  view = &MakeViewContainer(session.host, "view" + suffix);
  view->SetBehaviour(4, [this](Object&, const Call&) -> int64_t {
    return reinterpret_cast<intptr_t>(parentWindow);
  });
  view->SetBehaviour(7, [this](Object&, const Call& call) -> int64_t {
    if (auto* out = static_cast<uint32_t*>(const_cast<void*>(call.args[0].pointer))) *out = modifiers;
    return 0;
  });
  view->SetBehaviour(8, [this](Object&, const Call&) -> int64_t { return mouseDownResult; });
  // The controller hands out the instance it controls.
  if (effect.Ok())
    effect.controller->AnswerWithPluginObject(ids::EffectParameters(), effect.Interface());

  if (!session.createGUI) return;
  void* created = session.createGUI();
  if (created && PluginQuery(created, ids::EffectGUI(), &mGUI) != 0) mGUI = nullptr;
}

HostedGUI::~HostedGUI() {
  if (mGUI) Release();
}

int32_t HostedGUI::Bind() { return Invoke(gui_slot::kBind, mEffect.controller->Interface("unknown")); }

int32_t HostedGUI::Unbind() { return Invoke(gui_slot::kUnbind); }

int32_t HostedGUI::Attach() { return Invoke(gui_slot::kAttach, view->Interface("unknown")); }

int32_t HostedGUI::Detach() { return Invoke(gui_slot::kAttach, static_cast<void*>(nullptr)); }

int32_t HostedGUI::EditorSize(HostPoint* size) { return Invoke(gui_slot::kEditorSize, size); }

uint32_t HostedGUI::Release() {
  const uint32_t count = PluginRelease(mGUI);
  mGUI = nullptr;
  return count;
}

}  // namespace fakehost
