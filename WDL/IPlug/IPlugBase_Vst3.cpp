// The operations of the plug-in object that only the VST3 wrapper uses:
// channel-configuration checks, bus labels and preset activation.
#include <cstdio>
#include <cstring>

#include "IPlugBase.h"
#include "Trace.h"

bool IPlugBase::LegalIO(int inputs, int outputs) {
  bool legal = false;
  for (int i = 0; i < NChannelIO() && !legal; ++i) {
    const ChannelIOSpec* config = GetChannelIO(i);
    legal = (inputs < 0 || config->mInputs == inputs) && (outputs < 0 || config->mOutputs == outputs);
  }
  TraceEvent("IPlugBase::LegalIO", __LINE__, "%d:%d:%s", inputs, outputs,
             legal ? "legal" : "illegal");
  return legal;
}

namespace {
void ReplaceLabel(PointerList<StringBuffer>& labels, int bus, const char* text) {
  if (bus < labels.GetSize()) labels.DeleteAt(bus);
  auto* label = new StringBuffer;
  label->Set(text);
  const int count = labels.GetSize();
  labels.Insert(label, bus);
  if (labels.GetSize() == count) delete label;  // the list could not grow
}
}  // namespace

void IPlugBase::SetInputBusLabel(int bus, const char* text) {
  if (bus == 0 || bus == 1) ReplaceLabel(mInputBusLabels, bus, text);
}

void IPlugBase::SetOutputBusLabel(int bus, const char* text) {
  if (bus >= 0) ReplaceLabel(mOutputBusLabels, bus, text);
}

const char* IPlugBase::PresetNameAt(int index) const {
  const PresetSlot* preset = GetPreset(index);
  return preset ? preset->mName : "";
}

bool IPlugBase::ActivatePreset(int index) {
  PresetSlot* preset = mPresets.Get(index);
  if (!preset) return false;

  bool ok = false;
  if (preset->mInitialized) {
    ok = ReadState(&preset->mChunk, 0) > 0;
  } else {
    preset->mInitialized = true;
    int userPresets = 0;
    for (int i = 0; i < NPresets(); ++i) {
      if (std::strstr(mPresets.Get(i)->mName, "user preset")) ++userPresets;
    }
    char name[PresetSlot::kMaxNameLength];
    std::snprintf(name, sizeof name, "%s %d", "user preset", userPresets + 1);
    preset->SetName(name);
    ok = WriteState(&preset->mChunk);
  }

  if (ok) {
    mCurrentPresetIdx = index;
    OnPresetActivated();
    PushParamValuesToEditor();
  }
  return ok;
}
