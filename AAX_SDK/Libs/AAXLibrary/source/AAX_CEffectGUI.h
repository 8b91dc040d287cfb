#pragma once
// The library's base of the editor object as the host sees it. It keeps the
// host proxies of one binding (controller, transport, the view container
// while a window is open) and the instance's effect-parameters interface,
// which the host hands out on the controller unknown; a subclass puts its
// editor into the host's view through three hooks.
//
// Reference counted through CACFUnknown; the host's first query or add-ref
// makes the count 1, its last release deletes the object.
//
// Threads: every operation comes from the host's user-interface thread; the
// base takes no lock. Binding and attaching allocate.

#include "AAX_HostRef.h"
#include "AAX_IACFEffectParameters.h"
#include "AAX_IEffectGUI.h"
#include "CACFObject.h"

#include <memory>

class AAX_IViewContainer;
class AAX_ITransport;
class AAX_VController;
class AAX_VTransport;
class AAX_VViewContainer;

class AAX_CEffectGUI : public CACFObject<AAX_IEffectGUI> {
public:
  AAX_CEffectGUI();
  // What unbinding does when the host skipped it, without the subclass's
  // hooks (the subclass has gone): the container, the effect parameters,
  // then the proxies.
  ~AAX_CEffectGUI() override;

  // Answers the GUI identifier with this object's interface; the rest as
  // CACFUnknown does.
  AAX_ResultCode InternalQueryInterface(const AAX_GUID& iid, void** out) override;

  // ---- Host interface (slots 3-12) ----------------------------------------

  // Creates the controller and transport proxies, asks the unknown for the
  // instance's effect-parameters interface, then TakePluginGraphics. A
  // second binding first undoes the first. A null unknown answers -20011
  // (the controller proxy stays); a host that makes a proxy fail gets its
  // result (or -20042) and an unbound object; nothing escapes into the host.
  AAX_ResultCode BindGuiController(IACFUnknown* controllerUnknown) override;
  // Detaches a held container, releases the effect parameters, deletes the
  // proxies. 0, also when nothing is bound.
  AAX_ResultCode UnbindGuiController() override;
  AAX_ResultCode ReservedSlot5(void*) override { return AAX_SUCCESS; }
  // Null: CloseEditor, then the container goes. Otherwise the new container
  // replaces the old one (deleted after the replacement, without
  // CloseEditor), then OpenEditorInView and UpdateAllParameters. 0.
  AAX_ResultCode AttachViewContainer(IACFUnknown* viewUnknown) override;
  // 0 without writing; the subclass answers its editor's size.
  AAX_ResultCode EditorSize(AAX_Point*) override { return AAX_SUCCESS; }
  AAX_ResultCode ReservedSlot8(void*) override { return AAX_SUCCESS; }
  AAX_ResultCode ReservedSlot9(void*) override { return AAX_SUCCESS; }
  AAX_ResultCode ParameterUpdated(const char*) override { return AAX_SUCCESS; }
  AAX_ResultCode ReservedSlot11(void*) override { return AAX_ERROR_NULL_OBJECT; }
  AAX_ResultCode ReservedSlot12(void*) override { return AAX_SUCCESS; }

  // ---- Hooks of the class, never called by the host -----------------------

  // After binding: the subclass prepares what its view shows.
  virtual void TakePluginGraphics() = 0;
  // After a container was attached: the subclass opens its editor in the
  // container's native view; answers that view (null when there is none).
  virtual void* OpenEditorInView() = 0;
  // Before the container goes: the subclass closes its editor.
  virtual void CloseEditor() = 0;
  // ParameterUpdated for every parameter of the effect parameters, in index
  // order; nothing without them or when they cannot be counted.
  virtual void UpdateAllParameters();

  // ---- Accessors -----------------------------------------------------------

  // The instance's effect-parameters interface as the host handed it out;
  // null while unbound or when the host refused it.
  AAX_IACFEffectParameters_V4* GetEffectParameters() const { return mEffectParameters.Get(); }
  // The host view the editor lives in; null while no window is open.
  AAX_IViewContainer* GetViewContainer() const;
  // The container's native view (a window handle on Windows); null without
  // a container.
  void* GetNativeView() const;
  AAX_ITransport* Transport() const;

private:
  AAX_ResultCode BindProxies(IACFUnknown* controllerUnknown);
  // Gives back what binding made: the container (without the subclass's
  // hook), the effect parameters, the controller, the transport.
  void ReleaseBinding();

  std::unique_ptr<AAX_VController> mController;
  AAX_HostRef<AAX_IACFEffectParameters_V4> mEffectParameters;
  std::unique_ptr<AAX_VViewContainer> mViewContainer;
  std::unique_ptr<AAX_VTransport> mTransport;
};
