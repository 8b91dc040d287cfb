#pragma once
// Our own stand-in for the SDK's plug-in factory, which the SDK copy we build
// against does not ship: a reference-counted IPluginFactory2 that holds the
// factory information and a list of registered classes, each with the
// function that creates its instances. Written from the SDK's public
// interfaces only.

#include <atomic>
#include <vector>

#include "pluginterfaces/base/ipluginbase.h"

namespace Steinberg {

class CPluginFactory : public IPluginFactory2 {
 public:
  // Creates one instance; answers it holding one reference (the caller's),
  // or null. The context is the one given at registration.
  using CreateFunction = FUnknown* (*)(void* context);

  // Host thread; allocates.
  explicit CPluginFactory(const PFactoryInfo& info);
  virtual ~CPluginFactory();

  // Host thread while the factory is being built; allocates. Answers false
  // when the class id is already registered or the arguments are missing.
  bool registerClass(const PClassInfo2* info, CreateFunction createFunc, void* context = nullptr);
  // Any thread; no allocation.
  bool isClassRegistered(const TUID cid) const;

  // --- IPluginFactory / IPluginFactory2. Host thread; createInstance
  // allocates (it constructs the instance).
  tresult PLUGIN_API getFactoryInfo(PFactoryInfo* info) SMTG_OVERRIDE;
  int32 PLUGIN_API countClasses() SMTG_OVERRIDE;
  tresult PLUGIN_API getClassInfo(int32 index, PClassInfo* info) SMTG_OVERRIDE;
  tresult PLUGIN_API createInstance(FIDString cid, FIDString iid, void** obj) SMTG_OVERRIDE;
  tresult PLUGIN_API getClassInfo2(int32 index, PClassInfo2* info) SMTG_OVERRIDE;

  // --- FUnknown. Any thread; reference counting is atomic.
  tresult PLUGIN_API queryInterface(const TUID iid, void** obj) SMTG_OVERRIDE;
  uint32 PLUGIN_API addRef() SMTG_OVERRIDE;
  uint32 PLUGIN_API release() SMTG_OVERRIDE;

 private:
  struct ClassEntry {
    PClassInfo2 info;
    CreateFunction create;
    void* context;
  };

  PFactoryInfo mFactoryInfo;
  std::vector<ClassEntry> mClasses;
  std::atomic<uint32> mRefCount{1};
};

// The module's one factory while it is alive: the entry point answers it to
// every caller, and the factory clears it when it is destroyed, so that a
// host that released it gets a new one rather than a dangling pointer.
extern CPluginFactory* gPluginFactory;

}  // namespace Steinberg
