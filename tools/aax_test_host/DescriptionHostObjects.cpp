#include "DescriptionHostObjects.h"

#include "DescriptionHostIds.h"
#include "DescriptionSlotTables.h"
#include "HostIds.h"
#include "HostObjects.h"

namespace fakehost {
namespace {

int64_t* OutValue(const Arg& arg) {
  return static_cast<int64_t*>(const_cast<void*>(arg.pointer));
}

// Get (slot getSlot) and add (slot addSlot) over one table of a store.
void KeepValues(Object& map, std::shared_ptr<PropertyStore> store,
                std::map<int32_t, int64_t> PropertyStore::*table, int getSlot, int addSlot) {
  map.SetBehaviour(getSlot, [store, table](Object&, const Call& call) -> int64_t {
    const auto found = ((*store).*table).find(static_cast<int32_t>(call.args[0].integer));
    if (found == ((*store).*table).end()) return 0;
    if (int64_t* out = OutValue(call.args[1])) *out = found->second;
    return 1;
  });
  map.SetBehaviour(addSlot, [store, table](Object&, const Call& call) -> int64_t {
    ((*store).*table)[static_cast<int32_t>(call.args[0].integer)] = call.args[1].integer;
    return 0;
  });
}

}  // namespace

DescriptionHost::DescriptionHost(Host& host)
    : mHost(host),
      mUnknown(MakeHostUnknown(host)),
      mServices(MakeHostServices(host)),
      mCollection(host.Make("collection")) {
  mUnknown.Answer(ids::DescriptionHost(), "description", DescriptionHostTable());
  mUnknown.Answer(ids::SecondaryHostInterface(), "secondary", UnknownTable());

  mCollection.Answer(ids::Unknown(), "unknown", UnknownTable());
  mCollection.Answer(ids::Collection(), "collection", CollectionTable());
  mCollection.Answer(ids::PluginDefinition(), "definition", UnknownTable());
  Object* collection = &mCollection;
  host.RegisterClass(ids::CollectionClass(), [collection] { return collection; });
  host.RegisterClass(ids::EffectDescriptorClass(), [this] { return &MakeEffect(); });
  host.RegisterClass(ids::ComponentDescriptorClass(), [this] { return &MakeComponent(); });
  host.RegisterClass(ids::PropertyMapClass(), [this] { return &MakeMap(); });
}

Object& DescriptionHost::MakeNumbered(const std::string& stem) {
  int number = 1;
  while (mHost.Find(stem + std::to_string(number))) ++number;
  Object& object = mHost.Make(stem + std::to_string(number));
  object.Answer(ids::Unknown(), "unknown", UnknownTable());
  return object;
}

Object& DescriptionHost::MakeEffect() {
  Object& effect = MakeNumbered("effect");
  effect.Answer(ids::EffectDescriptorV1(), "V1", EffectDescriptorTable());
  effect.Answer(ids::EffectDescriptorV2(), "V2", EffectDescriptorTable());
  if (customiseEffect) customiseEffect(effect);
  return effect;
}

Object& DescriptionHost::MakeComponent() {
  Object& component = MakeNumbered("component");
  component.Answer(ids::ComponentDescriptorV1(), "V1", ComponentDescriptorTable());
  component.Answer(ids::ComponentDescriptorV2(), "V2", ComponentDescriptorTable());
  component.Answer(ids::ComponentDescriptorV3(), "V3", ComponentDescriptorTable());
  component.SetBehaviour(16, [this](Object&, const Call& call) -> int64_t {
    if (auto* out = static_cast<uint32_t*>(const_cast<void*>(call.args[4].pointer)))
      *out = mNextProcedureId++;
    return 0;
  });
  component.SetBehaviour(17, [this](Object&, const Call& call) -> int64_t {
    if (auto* out = static_cast<uint32_t*>(const_cast<void*>(call.args[5].pointer)))
      *out = mNextProcedureId++;
    return 0;
  });
  if (customiseComponent) customiseComponent(component);
  return component;
}

Object& DescriptionHost::MakeMap() {
  Object& map = MakeNumbered("map");
  map.Answer(ids::PropertyMapV1(), "V1", PropertyMapTable());
  map.Answer(ids::PropertyMapV2(), "V2", PropertyMapTable());
  map.Answer(ids::PropertyMapV3(), "V3", PropertyMapTable());
  auto store = std::make_shared<PropertyStore>();
  mStores[map.Name()] = store;
  KeepValues(map, store, &PropertyStore::values, 3, 4);
  KeepValues(map, store, &PropertyStore::pointers, 8, 9);
  map.SetBehaviour(5, [store](Object&, const Call& call) -> int64_t {
    store->values.erase(static_cast<int32_t>(call.args[0].integer));
    return 0;
  });
  if (customiseMap) customiseMap(map);
  return map;
}

const PropertyStore& DescriptionHost::Properties(const std::string& mapName) const {
  const auto found = mStores.find(mapName);
  return found == mStores.end() ? mNothing : *found->second;
}

Object& MakeFeatureObjects(Host& host) {
  Object& featureMap = host.Make("featureMap");
  featureMap.Answer(ids::Unknown(), "unknown", UnknownTable());
  featureMap.Answer(ids::PropertyMapV1(), "V1", PropertyMapTable());
  featureMap.Answer(ids::PropertyMapV2(), "V2", PropertyMapTable());
  featureMap.Answer(ids::PropertyMapV3(), "V3", PropertyMapTable());

  Object& feature = host.Make("feature");
  feature.Answer(ids::Unknown(), "unknown", UnknownTable());
  feature.Answer(ids::FeatureInfo(), "info", FeatureInfoTable());
  Object* handedOut = &featureMap;
  feature.SetBehaviour(4, [handedOut](Object&, const Call& call) -> int64_t {
    return handedOut->HandOut(ids::Unknown(), static_cast<void**>(const_cast<void*>(call.args[0].pointer)));
  });
  return feature;
}

}  // namespace fakehost
