#include "pluginfactory.h"

#include <cstring>

namespace Steinberg {

CPluginFactory* gPluginFactory = nullptr;

CPluginFactory::CPluginFactory(const PFactoryInfo& info) : mFactoryInfo(info) {}

CPluginFactory::~CPluginFactory() {
  if (gPluginFactory == this) gPluginFactory = nullptr;
}

bool CPluginFactory::registerClass(const PClassInfo2* info, CreateFunction createFunc,
                                   void* context) {
  if (!info || !createFunc) return false;
  if (isClassRegistered(info->cid)) return false;
  mClasses.push_back(ClassEntry{*info, createFunc, context});
  return true;
}

bool CPluginFactory::isClassRegistered(const TUID cid) const {
  for (const ClassEntry& entry : mClasses) {
    if (FUnknownPrivate::iidEqual(entry.info.cid, cid)) return true;
  }
  return false;
}

tresult PLUGIN_API CPluginFactory::getFactoryInfo(PFactoryInfo* info) {
  if (!info) return kInvalidArgument;
  std::memcpy(info, &mFactoryInfo, sizeof(PFactoryInfo));
  return kResultOk;
}

int32 PLUGIN_API CPluginFactory::countClasses() { return static_cast<int32>(mClasses.size()); }

tresult PLUGIN_API CPluginFactory::getClassInfo(int32 index, PClassInfo* info) {
  if (!info) return kInvalidArgument;
  if (index < 0 || index >= countClasses()) return kInvalidArgument;
  const PClassInfo2& source = mClasses[static_cast<size_t>(index)].info;
  *info = PClassInfo(source.cid, source.cardinality, source.category, source.name);
  return kResultOk;
}

tresult PLUGIN_API CPluginFactory::getClassInfo2(int32 index, PClassInfo2* info) {
  if (!info) return kInvalidArgument;
  if (index < 0 || index >= countClasses()) return kInvalidArgument;
  std::memcpy(info, &mClasses[static_cast<size_t>(index)].info, sizeof(PClassInfo2));
  return kResultOk;
}

tresult PLUGIN_API CPluginFactory::createInstance(FIDString cid, FIDString iid, void** obj) {
  if (!obj) return kInvalidArgument;
  *obj = nullptr;
  if (!cid || !iid) return kInvalidArgument;
  for (const ClassEntry& entry : mClasses) {
    if (!FUnknownPrivate::iidEqual(entry.info.cid, cid)) continue;
    FUnknown* instance = entry.create(entry.context);
    if (!instance) return kOutOfMemory;
    // The host's interface gets its own reference; the creation reference
    // goes, so that a refused interface destroys the instance again.
    tresult result = instance->queryInterface(iid, obj);
    instance->release();
    if (result != kResultOk) *obj = nullptr;
    return result;
  }
  return kNoInterface;
}

tresult PLUGIN_API CPluginFactory::queryInterface(const TUID iid, void** obj) {
  QUERY_INTERFACE(iid, obj, FUnknown::iid, IPluginFactory)
  QUERY_INTERFACE(iid, obj, IPluginFactory::iid, IPluginFactory)
  QUERY_INTERFACE(iid, obj, IPluginFactory2::iid, IPluginFactory2)
  *obj = nullptr;
  return kNoInterface;
}

uint32 PLUGIN_API CPluginFactory::addRef() { return ++mRefCount; }

uint32 PLUGIN_API CPluginFactory::release() {
  uint32 remaining = --mRefCount;
  if (remaining == 0) delete this;
  return remaining;
}

}  // namespace Steinberg
