// Construction, initialisation (buses and the parameters the host sees),
// termination and interface queries of the VST3 wrapper.

#include "IPlugVST3.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "Utf16Text.h"
#include "pluginterfaces/vst/ivsthostapplication.h"
#include "pluginterfaces/vst/vstspeaker.h"
#include "public.sdk/source/vst/vstparameters.h"

using namespace Steinberg;
using namespace Steinberg::Vst;

namespace {
constexpr int kMaxAuxInputChannels = 2;
constexpr int kHostNameBytes = 128;
constexpr int32 kBypassFlags = ParameterInfo::kIsBypass | ParameterInfo::kIsList | ParameterInfo::kCanAutomate;

// A UTF-8 text as the SDK's 128-unit string.
struct Text128 {
  explicit Text128(const char* utf8) { Utf8ToUtf16(utf8, units, 128); }
  String128 units;
};
}  // namespace

IPlugVST3::IPlugVST3(int nParams, const char* channelIOText, int nPresets, const char* effectName,
                     const char* productName, const char* makerName, int version, int uniqueId,
                     int makerId, int latency, bool acceptsMidi, bool multiOutput,
                     int auxInputChannels)
    : IPlugBase(nParams, channelIOText, nPresets, effectName, productName, makerName, version,
                uniqueId, makerId, latency, acceptsMidi, multiOutput, kApiVst3),
      mAuxInputChannels(auxInputChannels) {
  std::memset(&mProcessContext, 0, sizeof mProcessContext);
  mViews.reserve(10);
  const int widest = std::max(NInChannels(), NOutChannels());
  mBusPointers32.assign(static_cast<size_t>(widest), nullptr);
  mBusPointers64.assign(static_cast<size_t>(widest), nullptr);

  SetInputConnections(0, NInChannels(), true);
  SetOutputConnections(0, NOutChannels(), true);
  if (NInChannels() > 0) CreateLatencyDelay();

  SetInputBusLabel(0, "Main Input");
  if (mAuxInputChannels != 0) SetInputBusLabel(1, "Aux Input");
  if (IsMultiOutput()) {
    char label[32];
    for (int k = 0; 2 * k < NOutChannels(); ++k) {
      std::snprintf(label, sizeof label, "Output %i", k + 1);
      SetOutputBusLabel(k, label);
    }
  } else {
    SetOutputBusLabel(0, "Output");
  }
}

IPlugVST3::~IPlugVST3() = default;

SpeakerArrangement IPlugVST3::SpeakerArrangementForChannels(int n) {
  // The arrangement words hosts have always been given for these widths.
  switch (n) {
    case 1: return 0x80000;   // mono
    case 2: return 3;         // left, right
    case 3: return 259;       // left, right, surround
    case 4: return 0xF00000;  // four channels
    case 5: return 55;        // left, right, centre, left and right surround
    case 6: return 63;        // the same with the sub-bass channel
    default: return 0;        // empty
  }
}

const char* IPlugVST3::LabelAt(const PointerList<StringBuffer>& labels, int index) {
  const StringBuffer* label = labels.Get(index);
  return (label && label->Get()) ? label->Get() : "";
}

tresult PLUGIN_API IPlugVST3::initialize(FUnknown* context) {
  const tresult result = SingleComponentEffect::initialize(context);

  if (context) {
    IHostApplication* app = nullptr;
    if (context->queryInterface(IHostApplication::iid, reinterpret_cast<void**>(&app)) == kResultOk &&
        app) {
      // A host that answers no name is identified as unknown (its name
      // stays empty), not left unidentified.
      String128 name = {};
      app->getName(name);
      char utf8[kHostNameBytes];
      Utf16ToUtf8(name, 128, utf8, kHostNameBytes);
      SetHost(utf8, 0);
      app->release();
    }
  }

  if (result == kResultOk) {
    AddBuses();
    AddParameters();
  }

  OnWrapperInitialized();
  // A failed initialisation (the object may already be running with restored
  // state) must not have its parameters overwritten by the first preset.
  if (result == kResultOk) ActivatePreset(0);
  return result;
}

void IPlugVST3::AddBuses() {
  const int mainInputs = NInChannels() - mAuxInputChannels;
  if (mainInputs >= 1 && mainInputs <= 6) {
    addAudioInput(Text128(LabelAt(mInputBusLabels, 0)).units,
                  SpeakerArrangementForChannels(mainInputs), kMain, BusInfo::kDefaultActive);
  }

  if (IsMultiOutput()) {
    for (int k = 0; 2 * k < NOutChannels(); ++k) {
      addAudioOutput(Text128(LabelAt(mOutputBusLabels, k)).units, SpeakerArr::kStereo, kMain,
                     BusInfo::kDefaultActive);
    }
  } else {
    addAudioOutput(Text128(LabelAt(mOutputBusLabels, 0)).units,
                   SpeakerArrangementForChannels(NOutChannels()), kMain, BusInfo::kDefaultActive);
  }

  if (mAuxInputChannels != 0) {
    mAuxInputChannels = std::min(mAuxInputChannels, kMaxAuxInputChannels);
    addAudioInput(Text128(LabelAt(mInputBusLabels, 1)).units,
                  mAuxInputChannels == 1 ? SpeakerArr::kMono : SpeakerArr::kStereo, kAux, 0);
  }

  if (DoesMidi()) addEventInput(STR16("MIDI Input"), 1, kMain, BusInfo::kDefaultActive);
}

void IPlugVST3::AddParameters() {
  if (NPresets() > 0) {
    parameters.addParameter(new Parameter(STR16("Preset"), kParamIdPreset, STR16(""), 0.0,
                                          NPresets(), ParameterInfo::kIsProgramChange, kRootUnitId));
  }
  if (!IsMultiOutput()) {
    auto* bypass = new StringListParameter(STR16("Bypass"), kParamIdBypass, nullptr, kBypassFlags,
                                           kRootUnitId);
    bypass->appendString(STR16("off"));
    bypass->appendString(STR16("on"));
    parameters.addParameter(bypass);
  }
  for (int i = 0; i < NParams(); ++i) AddPluginParameter(i);
  if (DoesMidi()) {
    for (int c = 0; c < kMidiControllerCount; ++c) {
      auto* cc = new RangeParameter(STR16("MIDI CC"), static_cast<ParamID>(NParams() + c), STR16(""),
                                    0.0, 127.0, 0.0, 0, ParameterInfo::kCanAutomate, kRootUnitId);
      cc->setPrecision(1);
      parameters.addParameter(cc);
    }
  }
}

void IPlugVST3::AddPluginParameter(int index) {
  const IPlugParameter* param = GetParam(index);
  const int unit = UnitForGroup(param->GroupName());
  const Text128 name(param->Name());
  const Text128 units(param->UnitLabel());
  const ParamID id = static_cast<ParamID>(index);
  const int32 automate = param->GetCanAutomate() ? ParameterInfo::kCanAutomate : 0;

  switch (param->GetKind()) {
    case IPlugParameter::kTypeBool:
    case IPlugParameter::kTypeEnum: {
      auto* list = new StringListParameter(name.units, id, units.units,
                                           ParameterInfo::kIsList | automate, unit);
      for (int v = 0; v < param->DisplayTextCount(); ++v) {
        list->appendString(Text128(param->FindDisplayText(v)).units);
      }
      // Hosts show this as the parameter's default, so it must be the
      // parameter's own ("on" for a switch that starts on), not the first entry.
      const double defaultNormalized = param->NormalizeValue(param->GetDefault());
      list->getInfo().defaultNormalizedValue = defaultNormalized;
      list->setNormalized(defaultNormalized);
      parameters.addParameter(list);
      break;
    }
    case IPlugParameter::kTypeInt:
    case IPlugParameter::kTypeDouble: {
      auto* range = new RangeParameter(name.units, id, units.units, param->GetMin(), param->GetMax(),
                                       param->GetDefault(), 0, automate, unit);
      range->setPrecision(param->GetDisplayPrecision());
      parameters.addParameter(range);
      break;
    }
    default:
      break;  // never set up: not offered to the host
  }
}

int IPlugVST3::UnitForGroup(const char* group) {
  if (!group || !group[0]) return kRootUnitId;
  for (int i = 0; i < mGroupNames.GetSize(); ++i) {
    if (std::strcmp(mGroupNames.Get(i), group) == 0) return i + 1;
  }
  const int count = mGroupNames.GetSize();
  mGroupNames.Insert(group);
  // A list that could not grow leaves the parameter in the root unit.
  return mGroupNames.GetSize() > count ? count + 1 : kRootUnitId;
}

tresult PLUGIN_API IPlugVST3::terminate() {
  mViews.clear();
  return SingleComponentEffect::terminate();
}

tresult PLUGIN_API IPlugVST3::queryInterface(const TUID iid, void** obj) {
  QUERY_INTERFACE(iid, obj, IUnitInfo::iid, IUnitInfo)
  QUERY_INTERFACE(iid, obj, IMidiMapping::iid, IMidiMapping)
  return SingleComponentEffect::queryInterface(iid, obj);
}

