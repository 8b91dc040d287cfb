#include "IPlugAAX_Describe.h"

#include "AAX_ICollection.h"
#include "AAX_IComponentDescriptor.h"
#include "AAX_IEffectDescriptor.h"
#include "AAX_IPropertyMap.h"
#include "AAX_RegisterPlugin.h"
#include "AAX_Trace.h"
#include "HeapBuffer.h"
#include "IPlugAAX_Procedures.h"
#include "PluginIdentity.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

// Where the description's assertion reports point.
constexpr const char* kSourceName = "IPlugAAX_Describe.cpp";
constexpr int32_t kLineConfigurationBeyondTypeIds = 133;
constexpr int32_t kLineComponentFailed = 141;
constexpr int32_t kLineEffectFailed = 161;

constexpr uint32_t kNativeTypeIds[] = {static_cast<uint32_t>(FourCharCode("EFN1")),
                                       static_cast<uint32_t>(FourCharCode("EFN2"))};
constexpr uint32_t kSecondTypeIds[] = {static_cast<uint32_t>(FourCharCode("EFA1")),
                                       static_cast<uint32_t>(FourCharCode("EFA2"))};
static_assert(sizeof kNativeTypeIds == sizeof kSecondTypeIds, "one pair per configuration");

// Component property ids.
constexpr int32_t kProperty56 = 56;
constexpr int32_t kProperty60 = 60;
constexpr int32_t kProperty151 = 151;

// MIDI node types of the render-context fields.
constexpr int32_t kLocalMidiNode = 0;
constexpr int32_t kGlobalMidiNode = 2;
constexpr int32_t kTransportNode = 3;

// Each piece of a newline-separated list, copied into text and terminated.
// An empty piece ends the list.
template <class Use>
void ForEachListedName(const char* list, HeapBuffer& text, Use use) {
  const char* piece = list;
  while (piece && *piece) {
    const char* newline = std::strchr(piece, '\n');
    const size_t length = newline ? static_cast<size_t>(newline - piece) : std::strlen(piece);
    if (length == 0 || length >= static_cast<size_t>(INT_MAX)) return;
    char* copy = static_cast<char*>(text.Resize(static_cast<int>(length) + 1, false));
    if (!copy || text.GetSize() != static_cast<int>(length) + 1) return;  // out of memory
    std::memcpy(copy, piece, length);
    copy[length] = '\0';
    use(static_cast<const char*>(copy));
    if (!newline) return;
    piece = newline + 1;
  }
}

int ClampToInt(long value) {
  if (value < INT_MIN) return INT_MIN;
  if (value > INT_MAX) return INT_MAX;
  return static_cast<int>(value);
}

// Reads an item as "%d-%d" does (leading blanks before each number, a hyphen
// right after the first); numbers beyond int are clamped instead of being
// undefined.
bool ReadChannelPair(const std::string& item, int* inputs, int* outputs) {
  const char* cursor = item.c_str();
  char* end = nullptr;
  const long first = std::strtol(cursor, &end, 10);
  if (end == cursor || *end != '-') return false;
  cursor = end + 1;
  const long second = std::strtol(cursor, &end, 10);
  if (end == cursor) return false;
  *inputs = ClampToInt(first);
  *outputs = ClampToInt(second);
  return true;
}

// Each blank-separated item of a configuration list.
template <class Use>
void ForEachItem(const char* list, Use use) {
  if (!list) return;
  const char* cursor = list;
  while (*cursor) {
    while (*cursor == ' ' || *cursor == '\t') ++cursor;
    const char* start = cursor;
    while (*cursor && *cursor != ' ' && *cursor != '\t') ++cursor;
    if (cursor != start) use(std::string(start, cursor));
  }
}

ComponentSetup SetupFor(const DescriptionSettings& settings, int configuration, int inputs,
                        int outputs) {
  ComponentSetup setup;
  setup.globalMidiName = settings.globalMidiName;
  setup.localMidiName = settings.localMidiName;
  setup.transportName = settings.transportName;
  setup.inputStemFormat = StemFormatForChannels(inputs);
  setup.outputStemFormat = StemFormatForChannels(outputs);
  setup.manufacturerId = settings.manufacturerId;
  setup.productId = settings.productId;
  setup.nativeTypeId = settings.nativeTypeIds[configuration];
  setup.secondTypeId = settings.secondTypeIds[configuration];
  return setup;
}

}  // namespace

const DescriptionSettings& PluginDescriptionSettings() {
  static const DescriptionSettings settings = {
      "VimbraOndelino\n",
      "Vimbra\n",
      kPluginChannelIO,
      static_cast<uint32_t>(kPluginMakerId),
      static_cast<uint32_t>(kPluginUniqueId),
      kNativeTypeIds,
      kSecondTypeIds,
      static_cast<int>(sizeof kNativeTypeIds / sizeof kNativeTypeIds[0]),
      "VimbraOndelino Midi",
      "GlobalMIDI",
      "Transport",
      "com.vimbra.aax.VimbraOndelino",
      0x00000020,
      static_cast<uint32_t>(kPluginVersion)};
  return settings;
}

uint32_t StemFormatForChannels(int32_t channels) {
  switch (channels) {
    case 1: return 0x00000001;
    case 2: return 0x00010002;
    case 3: return 0x00020003;
    case 4: return 0x00040004;
    case 5: return 0x00050005;
    case 6: return 0x00060006;
    case 7: return 0x00080007;
    case 8: return 0x000C0008;
    default: return 0xFF9C0000;  // layout -100, no channels
  }
}

AAX_ResultCode DescribeComponent(AAX_IEffectDescriptor* effect, const ComponentSetup& setup) {
  if (!effect) return AAX_ERROR_NULL_OBJECT;
  AAX_IComponentDescriptor* component = effect->CreateComponentDescriptor();
  if (!component) return AAX_ERROR_NULL_OBJECT;
  AAX_ResultCode err = AAX_SUCCESS;

  err |= setup.globalMidiEnabled
             ? component->AddMidiNodeField(kFieldGlobalMidi, kGlobalMidiNode, setup.globalMidiName,
                                           setup.globalMidiMask)
             : component->AddPrivateDataField(kFieldGlobalMidi, 4, 0);
  err |= setup.localMidiEnabled
             ? component->AddMidiNodeField(kFieldLocalMidi, kLocalMidiNode, setup.localMidiName,
                                           setup.localMidiMask)
             : component->AddPrivateDataField(kFieldLocalMidi, 4, 0);
  err |= setup.transportEnabled
             ? component->AddMidiNodeField(kFieldTransport, kTransportNode, "Transport", 0xFFFF)
             : component->AddPrivateDataField(kFieldTransport, 4, 0);
  err |= component->AddAudioInputField(kFieldAudioInputs);
  err |= component->AddAudioOutputField(kFieldAudioOutputs);
  err |= component->AddBlockLengthField(kFieldBlockLength);
  err |= setup.meterCount > 0
             ? component->AddMeterField(kFieldMeters, setup.meterIds,
                                        static_cast<uint32_t>(setup.meterCount))
             : component->AddPrivateDataField(kFieldMeters, 4, 0);
  for (int32_t i = 0; i < setup.extraFieldCount && i < ComponentSetup::kMaxExtraFields; ++i)
    err |= component->AddExtraField(0, setup.extraFieldValues[i], setup.extraFieldData[i]);
  err |= component->AddPrivateDataField(kFieldPrivateData, 8, 0);

  AAX_IPropertyMap* properties = component->CreatePropertyMap();
  if (!properties) {
    // A host without an object factory makes no map: the component cannot
    // carry its identity or its process procedure.
    TraceToHost(kAAX_TraceError, "DescribeComponent: the host made no property map");
    err |= AAX_ERROR_NULL_OBJECT;
  } else {
    if (setup.flag151) properties->SetPropertyValue(kProperty151, 1);  // not counted
    err |= properties->SetPropertyValue(kProperty56, setup.property56);
    err |= properties->SetPropertyValue(AAX_eProperty_InputStemFormat, setup.inputStemFormat);
    err |= properties->SetPropertyValue(AAX_eProperty_OutputStemFormat, setup.outputStemFormat);
    err |= properties->SetPropertyValue(kProperty60, setup.property60 ? 1 : 0);
    err |= properties->SetPropertyValue(AAX_eProperty_ManufacturerID, setup.manufacturerId);
    err |= properties->SetPropertyValue(AAX_eProperty_ProductID, setup.productId);
    err |= properties->SetPropertyValue(AAX_eProperty_PlugInID_Native, setup.nativeTypeId);
    if (setup.secondTypeId != kNoSecondTypeId)
      err |= properties->SetPropertyValue(AAX_eProperty_PlugInID_Second, setup.secondTypeId);
    err |= component->AddNativeProcessProcedure(ProcessContexts, properties, nullptr, nullptr,
                                                nullptr);
  }
  err |= effect->AttachComponent(component);
  return err;
}

AAX_ResultCode DescribeEffectWith(AAX_ICollection* collection,
                                  const DescriptionSettings& settings) {
  if (!collection) return AAX_ERROR_NULL_OBJECT;
  AAX_IEffectDescriptor* effect = collection->CreateEffectDescriptor();
  if (!effect) return AAX_ERROR_NULL_OBJECT;

  HeapBuffer text(128);
  AAX_ResultCode err = AAX_SUCCESS;
  ForEachListedName(settings.effectNames, text, [&](const char* name) {
    err |= effect->AddEffectName(name);
    collection->AddBundleName(name);  // not counted
  });
  err |= effect->AddCategoryBits(settings.category);

  int configuration = 0;
  ForEachItem(settings.channelConfigurations, [&](const std::string& item) {
    int inputs = 0, outputs = 0;
    if (!ReadChannelPair(item, &inputs, &outputs)) return;  // junk: skipped, not counted
    // The type-identifier tables name as many configurations as can be
    // described; one more would be read past their end.
    if (configuration >= settings.typeIdCount) {
      ReportAssertFailure(kSourceName, kLineConfigurationBeyondTypeIds,
                          "configuration < typeIdCount", 1);
      return;
    }
    if (inputs < 1) inputs = 1;
    std::printf("***** inputs %d *****\n", inputs);
    err |= DescribeComponent(effect, SetupFor(settings, configuration, inputs, outputs));
    if (err != AAX_SUCCESS)
      ReportAssertFailure(kSourceName, kLineComponentFailed, "err == AAX_SUCCESS", 1);
    ++configuration;
  });

  err |= effect->AddProcedure(CreateEffectParameters, 0);
  err |= effect->AddProcedure(CreateEffectGUI, 1);

  AAX_ResultCode result = err;
  if (err != AAX_SUCCESS) {
    ReportAssertFailure(kSourceName, kLineEffectFailed, "err == AAX_SUCCESS", 1);
  } else {
    result = collection->RegisterEffect(settings.effectIdentifier, effect);
    if (result != AAX_SUCCESS)
      ReportAssertFailure(kSourceName, kLineEffectFailed, "err == AAX_SUCCESS", 1);
  }

  ForEachListedName(settings.makerNames, text, [&](const char* name) {
    collection->AddManufacturerName(name);  // not counted
  });
  collection->SetBundleVersion(settings.bundleVersion);  // not counted
  return result;
}

AAX_ResultCode DescribeEffect(AAX_ICollection* collection) {
  return DescribeEffectWith(collection, PluginDescriptionSettings());
}
