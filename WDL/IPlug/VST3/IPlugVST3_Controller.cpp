// The edit-controller side of the VST3 wrapper: parameter values and texts,
// units, the program list, MIDI controller mapping and the notifications of
// the editor's parameter gestures.

#include <cmath>

#include "IPlugVST3.h"
#include "Trace.h"
#include "Utf16Text.h"

using namespace Steinberg;
using namespace Steinberg::Vst;

ParamValue PLUGIN_API IPlugVST3::getParamNormalized(ParamID id) {
  if (id == kParamIdBypass) return mControllerBypass ? 1.0 : 0.0;
  if (id < static_cast<ParamID>(NParams())) return GetParam(static_cast<int>(id))->CurrentNormalized();
  return 0.0;
}

tresult PLUGIN_API IPlugVST3::setParamNormalized(ParamID id, ParamValue value) {
  if (id == kParamIdBypass) {
    // Kept for the host to read back; the audio follows the parameter queue.
    if (!std::isnan(value)) mControllerBypass = value >= 0.5;
    return kResultOk;
  }
  if (id >= static_cast<ParamID>(NParams())) return kResultFalse;
  // The parameter itself refuses a NaN and clamps into [0, 1].
  GetParam(static_cast<int>(id))->SetFromNormalized(value);
  return kResultOk;
}

tresult PLUGIN_API IPlugVST3::getParamStringByValue(ParamID id, ParamValue valueNormalized,
                                                    String128 text) {
  if (!text || id >= static_cast<ParamID>(NParams())) return kResultFalse;
  // Only a value in range has a display text; a NaN has none.
  if (!(valueNormalized >= 0.0 && valueNormalized <= 1.0)) return kResultFalse;
  char display[IPlugParameter::kMaxDisplayLength] = {};
  GetParam(static_cast<int>(id))->FormatDisplay(valueNormalized, true, display, true);
  Utf8ToUtf16(display, text, 128);
  return kResultOk;
}

ParamValue PLUGIN_API IPlugVST3::plainParamToNormalized(ParamID id, ParamValue plainValue) {
  if (id < static_cast<ParamID>(NParams())) {
    return GetParam(static_cast<int>(id))->NormalizeValue(plainValue);
  }
  return plainValue;
}

// ---- Units: the root unit, then one unit per distinct group name ----------

int32 PLUGIN_API IPlugVST3::getUnitCount() { return 1 + mGroupNames.GetSize(); }

tresult PLUGIN_API IPlugVST3::getUnitInfo(int32 unitIndex, UnitInfo& info) {
  if (unitIndex == 0) {
    info.id = kRootUnitId;
    info.parentUnitId = kNoParentUnitId;
    Utf8ToUtf16("Root Unit", info.name, 128);
    info.programListId = kNoProgramListId;
    return kResultTrue;
  }
  if (unitIndex >= 1 && unitIndex <= mGroupNames.GetSize()) {
    info.id = unitIndex;
    info.parentUnitId = kRootUnitId;
    Utf8ToUtf16(mGroupNames.Get(unitIndex - 1), info.name, 128);
    info.programListId = kNoProgramListId;
    return kResultTrue;
  }
  return kResultFalse;
}

// ---- The factory presets as one program list -----------------------------

int32 PLUGIN_API IPlugVST3::getProgramListCount() { return NPresets() > 0 ? 1 : 0; }

tresult PLUGIN_API IPlugVST3::getProgramListInfo(int32 listIndex, ProgramListInfo& info) {
  if (listIndex != 0) return kResultFalse;
  info.id = static_cast<ProgramListID>(kParamIdPreset);
  Utf8ToUtf16("Factory Presets", info.name, 128);
  info.programCount = NPresets();
  return kResultTrue;
}

tresult PLUGIN_API IPlugVST3::getProgramName(ProgramListID listId, int32 programIndex,
                                             String128 name) {
  if (listId != static_cast<ProgramListID>(kParamIdPreset) || !name) return kResultFalse;
  Utf8ToUtf16(PresetNameAt(programIndex), name, 128);
  return kResultTrue;
}

tresult PLUGIN_API IPlugVST3::getProgramInfo(ProgramListID /*listId*/, int32 /*programIndex*/,
                                             Vst::CString /*attributeId*/,
                                             String128 /*attributeValue*/) {
  return kResultFalse;
}

tresult PLUGIN_API IPlugVST3::hasProgramPitchNames(ProgramListID /*listId*/, int32 /*programIndex*/) {
  return kResultFalse;
}

tresult PLUGIN_API IPlugVST3::getProgramPitchName(ProgramListID /*listId*/, int32 /*programIndex*/,
                                                  int16 /*midiPitch*/, String128 /*name*/) {
  return kResultFalse;
}

UnitID PLUGIN_API IPlugVST3::getSelectedUnit() { return kRootUnitId; }

tresult PLUGIN_API IPlugVST3::selectUnit(UnitID /*unitId*/) { return kResultFalse; }

tresult PLUGIN_API IPlugVST3::getUnitByBus(MediaType /*type*/, BusDirection /*dir*/,
                                           int32 /*busIndex*/, int32 /*channel*/,
                                           UnitID& /*unitId*/) {
  return kResultFalse;
}

tresult PLUGIN_API IPlugVST3::setUnitProgramData(int32 /*listOrUnitId*/, int32 /*programIndex*/,
                                                 IBStream* /*data*/) {
  return kResultFalse;
}

// ---- MIDI controllers map onto the "MIDI CC" parameters -------------------

tresult PLUGIN_API IPlugVST3::getMidiControllerAssignment(int32 /*busIndex*/, int16 /*channel*/,
                                                          CtrlNumber midiControllerNumber,
                                                          ParamID& id) {
  // Only a plug-in that takes MIDI has the controller parameters, and only
  // the 128 controllers have one each.
  if (!DoesMidi() || midiControllerNumber < 0 || midiControllerNumber >= kMidiControllerCount) {
    return kResultFalse;
  }
  id = static_cast<ParamID>(NParams() + midiControllerNumber);
  return kResultOk;
}

// ---- The editor's gestures go to the host's component handler -------------

void IPlugVST3::BeginInformHostOfParamChange(int paramIndex) {
  TraceEvent("IPlugVST3::BeginInformHostOfParamChange", __LINE__, "%d", paramIndex);
  beginEdit(static_cast<ParamID>(paramIndex));
}

void IPlugVST3::InformHostOfParamChange(int paramIndex, double normalized) {
  TraceEvent("IPlugVST3::InformHostOfParamChange", __LINE__, "%d:%f", paramIndex, normalized);
  performEdit(static_cast<ParamID>(paramIndex), normalized);
}

void IPlugVST3::EndInformHostOfParamChange(int paramIndex) {
  TraceEvent("IPlugVST3::EndInformHostOfParamChange", __LINE__, "%d", paramIndex);
  endEdit(static_cast<ParamID>(paramIndex));
}
