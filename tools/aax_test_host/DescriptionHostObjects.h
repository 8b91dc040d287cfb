#pragma once
// A host ready for an effect description: the host unknown (with object
// factory, description host and secondary interface), the host services,
// the collection, and factory classes that make numbered effect descriptors
// ("effect1", ...), component descriptors ("component1", ...) and property
// maps ("map1", ...). Property maps keep what is stored in them; component
// descriptors hand out procedure ids 101, 102, ...
//
// A test shapes the objects before they exist through the customisers,
// which run on every new object of their kind.

#include "FakeHost.h"

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>

namespace fakehost {

// What a host property map holds.
struct PropertyStore {
  std::map<int32_t, int64_t> values;
  std::map<int32_t, int64_t> pointers;
};

class DescriptionHost {
public:
  explicit DescriptionHost(Host& host);
  DescriptionHost(const DescriptionHost&) = delete;
  DescriptionHost& operator=(const DescriptionHost&) = delete;

  Object& Unknown() { return mUnknown; }
  Object& Services() { return mServices; }
  Object& Collection() { return mCollection; }
  // What the plug-in is handed at registration.
  void* UnknownInterface() { return mUnknown.Interface("unknown"); }

  // The properties stored in a map object (empty for an unknown name).
  const PropertyStore& Properties(const std::string& mapName) const;

  std::function<void(Object&)> customiseEffect;
  std::function<void(Object&)> customiseComponent;
  std::function<void(Object&)> customiseMap;

private:
  Object& MakeNumbered(const std::string& stem);
  Object& MakeEffect();
  Object& MakeComponent();
  Object& MakeMap();

  Host& mHost;
  Object& mUnknown;
  Object& mServices;
  Object& mCollection;
  std::map<std::string, std::shared_ptr<PropertyStore>> mStores;
  uint32_t mNextProcedureId = 101;
  PropertyStore mNothing;
};

// A host object the description host hands out for a feature ("feature"):
// answers the feature-info interface, and hands out "featureMap" (property
// map versions 1 to 3) from its slot 4.
Object& MakeFeatureObjects(Host& host);

}  // namespace fakehost
