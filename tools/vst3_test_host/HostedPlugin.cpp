#include "HostedPlugin.h"

#include "HostObjects.h"

using namespace Steinberg;

namespace vo {
namespace vst3host {

HostedPlugin::HostedPlugin(IPluginFactory* factory) {
  PClassInfo info;
  if (!factory || factory->countClasses() < 1 || factory->getClassInfo(0, &info) != kResultOk) return;
  void* object = nullptr;
  if (factory->createInstance(info.cid, Vst::IComponent::iid, &object) != kResultOk || !object) return;
  mComponent = static_cast<Vst::IComponent*>(object);
  mComponent->queryInterface(Vst::IAudioProcessor::iid, reinterpret_cast<void**>(&mProcessor));
  mComponent->queryInterface(Vst::IEditController::iid, reinterpret_cast<void**>(&mController));
}

HostedPlugin::~HostedPlugin() {
  Terminate();
  if (mController) mController->release();
  if (mProcessor) mProcessor->release();
  if (mComponent) mComponent->release();
}

bool HostedPlugin::Initialize(FUnknown* context) {
  if (!mComponent) return false;
  mInitialized = mComponent->initialize(context) == kResultOk;
  return mInitialized;
}

void HostedPlugin::Terminate() {
  if (mInitialized && mComponent) mComponent->terminate();
  mInitialized = false;
}

long long HostedPlugin::FindParameter(const std::string& name) const {
  if (!mController) return -1;
  for (int32 i = 0; i < mController->getParameterCount(); ++i) {
    Vst::ParameterInfo info{};
    if (mController->getParameterInfo(i, info) == kResultOk && ToUtf8(info.title) == name) {
      return info.id;
    }
  }
  return -1;
}

std::vector<uint8_t> HostedPlugin::State() const {
  HostStream stream;
  if (!mComponent || mComponent->getState(&stream) != kResultOk) return {};
  return stream.Bytes();
}

void HostedPlugin::ActivateDefaultBuses() {
  for (int type = Vst::kAudio; type <= Vst::kEvent; ++type) {
    for (int dir = Vst::kInput; dir <= Vst::kOutput; ++dir) {
      const int32 count = mComponent->getBusCount(type, dir);
      for (int32 i = 0; i < count; ++i) {
        Vst::BusInfo info{};
        if (mComponent->getBusInfo(type, dir, i, info) == kResultOk &&
            (info.flags & Vst::BusInfo::kDefaultActive)) {
          mComponent->activateBus(type, dir, i, true);
        }
      }
    }
  }
}

}  // namespace vst3host
}  // namespace vo
