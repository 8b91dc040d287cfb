// The plug-in's parameters as typed host parameters: binding, their
// creation, and the host's confirmed values reaching the plug-in.

#include "IPlugAAX.h"

#include "AAX_CBinaryDisplayDelegate.h"
#include "AAX_CBinaryTaperDelegate.h"
#include "AAX_CIPlugTaperDelegate.h"
#include "AAX_CLinearTaperDelegate.h"
#include "AAX_CNumberDisplayDelegate.h"
#include "AAX_CParameter.h"
#include "AAX_CString.h"
#include "AAX_CUnitDisplayDelegateDecorator.h"
#include "AAX_IController.h"
#include "IGraphics.h"

#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

// Longest host identifier text a plug-in parameter gets.
constexpr int kMaxIdLength = 32;

// Display of plain numbers with two decimals, followed by the unit.
template <typename T>
AAX_CUnitDisplayDelegateDecorator<T> NumberWithUnit(const char* unit) {
  return AAX_CUnitDisplayDelegateDecorator<T>(AAX_CNumberDisplayDelegate<T, 2, 0>(),
                                              AAX_CString(unit));
}

// Adds parameter to the table, which owns it from then on; one the table
// refuses is deleted here. Answers whether the table took it.
bool AddOrDelete(AAX_CParameterTable& table, AAX_IParameter* parameter) {
  if (table.Add(parameter)) return true;
  AAX_ParameterDeleter()(parameter);
  return false;
}

}  // namespace

AAX_ResultCode IPlugAAX::BindController(IACFUnknown* controllerUnknown) {
  MutexLock lock(GetMutex());
  // Binding again deletes the parameters of the first binding, the bypass
  // among them; a failed binding leaves none.
  mBypass = nullptr;
  const AAX_ResultCode result = AAX_CIPlugParameters::BindController(controllerUnknown);
  if (result != AAX_SUCCESS) mBypass = nullptr;
  return result;
}

AAX_ResultCode IPlugAAX::UnbindController() {
  MutexLock lock(GetMutex());
  mBypass = nullptr;
  return AAX_CIPlugParameters::UnbindController();
}

AAX_ResultCode IPlugAAX::SetUpParameters() {
  // A new binding sets every parameter up again; the host parameters copy
  // their identifiers, so the previous binding's list can go.
  mParamIds.DeleteAll(true);
  AAX_CString bypassId;
  GetBypassParameterId(&bypassId);
  auto* bypass = new AAX_CParameter<bool>(
      bypassId.Get(), AAX_CString("Master Bypass"), false, AAX_CBinaryTaperDelegate<bool>(),
      AAX_CBinaryDisplayDelegate<bool>("bypass", "on"), true);
  bypass->DefineStepCount(2);
  bypass->DefineKind(AAX_CParameter<bool>::kKindDiscrete);
  mBypass = AddOrDelete(ParameterTable(), bypass) ? bypass : nullptr;

  for (int i = 0; i < NParams(); ++i) {
    char number[kMaxIdLength + 1];
    std::snprintf(number, sizeof number, "%i", i + 1);
    auto* id = new StringBuffer();
    id->Set("_");
    id->Set(number, kMaxIdLength);
    mParamIds.Insert(id);
    if (mParamIds.Get(mParamIds.GetSize() - 1) != id) {  // the list could not grow
      delete id;
      continue;
    }
    if (!id->Get()) continue;
    if (AAX_IParameter* parameter = MakeHostParameter(i, id->Get()))
      AddOrDelete(ParameterTable(), parameter);
  }

  // Only a rate the host states plainly replaces the one the plug-in has.
  float rate = 0.0f;
  if (AAX_IController* controller = Controller()) controller->QuerySampleRate(&rate);
  if (std::isfinite(rate) && rate > 0.0f) StoreSampleRate(static_cast<double>(rate));
  ResetProcessing();
  return AAX_SUCCESS;
}

AAX_IParameter* IPlugAAX::MakeHostParameter(int paramIndex, const char* id) {
  const IPlugParameter* param = GetParam(paramIndex);
  if (!param) return nullptr;
  const AAX_CString name(param->Name());
  const bool automatable = param->GetCanAutomate();
  // Empty while the current value has a display text (a switch shows none).
  const char* unit = param->UnitLabel();
  switch (param->GetKind()) {
    case IPlugParameter::kTypeBool:
    case IPlugParameter::kTypeEnum:
    case IPlugParameter::kTypeDouble: {
      auto* parameter = new AAX_CParameter<double>(
          id, name, param->GetDefault(),
          AAX_CIPlugTaperDelegate<double>(param->GetMin(), param->GetMax(), param->GetShape()),
          NumberWithUnit<double>(unit), automatable);
      parameter->DefineStepCount(param->GetKind() == IPlugParameter::kTypeDouble
                                     ? 128
                                     : param->DisplayTextCount());
      parameter->DefineKind(AAX_CParameter<double>::kKindContinuous);
      return parameter;
    }
    case IPlugParameter::kTypeInt: {
      auto* parameter = new AAX_CParameter<int32_t>(
          id, name, static_cast<int32_t>(param->GetDefault()),
          AAX_CLinearTaperDelegate<int32_t, 0>(static_cast<int32_t>(param->GetMin()),
                                               static_cast<int32_t>(param->GetMax())),
          NumberWithUnit<int32_t>(unit), automatable);
      parameter->DefineStepCount(128);
      parameter->DefineKind(AAX_CParameter<int32_t>::kKindContinuous);
      return parameter;
    }
    default:
      return nullptr;
  }
}

int IPlugAAX::ParamIndexOf(const char* id) const {
  if (!id) return -1;
  char* end = nullptr;
  errno = 0;
  const long number = std::strtol(id, &end, 10);
  if (end == id || errno == ERANGE || number < INT_MIN + 1L || number > INT_MAX) return -1;
  const int index = static_cast<int>(number - 1);
  return index >= 0 && index < NParams() ? index : -1;
}

IGRAPHICS_SLOT_CALLER AAX_ResultCode IPlugAAX::ApplyParameterNormalized(const char* id, double normalized) {
  AAX_IParameter* parameter = ParameterTable().Find(id);
  if (!parameter) return AAX_ERROR_INVALID_PARAMETER_ID;
  // A value from the host is untrusted: it must never leave a value outside
  // the range, or no value at all, behind.
  if (std::isnan(normalized)) return AAX_SUCCESS;
  normalized = std::fmin(std::fmax(normalized, 0.0), 1.0);
  parameter->ApplyHostNormalized(normalized);

  const int index = ParamIndexOf(id);
  if (index >= 0) {
    MutexLock lock(GetMutex());
    GetParam(index)->SetFromNormalized(normalized);
    if (IGraphics* graphics = GetGUI()) graphics->SetParameterValueFromPlug(index, normalized, true);
    ParameterChanged(index, kSourceHost);
  }
  const AAX_ResultCode result = PacketQueue().SetDirty(id, true);
  IncrementChangeCount();
  return result;
}
