// The module's live instances, so that the editor object can tell one of
// them from any other object a host hands it as "the effect parameters".

#include "AAX_CIPlugParameters.h"

#include <algorithm>
#include <mutex>
#include <vector>

namespace {

struct LiveInstances {
  std::mutex lock;
  std::vector<AAX_CIPlugParameters*> instances;
};

LiveInstances& Live() {
  // Never destroyed: instances may outlive static destruction order.
  static LiveInstances* live = new LiveInstances;
  return *live;
}

}  // namespace

AAX_CIPlugParameters::AAX_CIPlugParameters() {
  LiveInstances& live = Live();
  std::lock_guard<std::mutex> hold(live.lock);
  live.instances.push_back(this);
}

AAX_CIPlugParameters::~AAX_CIPlugParameters() {
  LiveInstances& live = Live();
  std::lock_guard<std::mutex> hold(live.lock);
  live.instances.erase(std::remove(live.instances.begin(), live.instances.end(), this),
                       live.instances.end());
}

AAX_CIPlugParameters* AAX_CIPlugParameters::FindLiveInstance(const void* effectParameters) {
  if (!effectParameters) return nullptr;
  LiveInstances& live = Live();
  std::lock_guard<std::mutex> hold(live.lock);
  // Only addresses are compared: a foreign object is never touched.
  for (AAX_CIPlugParameters* instance : live.instances) {
    const AAX_IACFEffectParameters_V4* face = instance;
    if (face == effectParameters) return instance;
  }
  return nullptr;
}
