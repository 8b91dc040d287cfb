#pragma once
// An effect-parameters object for tests: bool, int and double host
// parameters on the library's base, with a variant whose set-up fails.
//
//   "MasterBypassID"  bool    "Master Bypass"       texts "bypass" / "on", 2 steps, discrete
//   "Freq"            double  "Frequency\nFreq\nF"  0..100, shape 2, default 25, unit "Hz"
//   "Count"           int     "Count"               0..10, default 3, unit "st"
//   "Switch"          bool    "Switch"              texts "off" / "on", default on, 2 steps
//   "PreviewID"       bool    "Preview"             only in the preview variant

#include "AAX_CBinaryDisplayDelegate.h"
#include "AAX_CBinaryTaperDelegate.h"
#include "AAX_CEffectParameters.h"
#include "AAX_CIPlugTaperDelegate.h"
#include "AAX_CLinearTaperDelegate.h"
#include "AAX_CNumberDisplayDelegate.h"
#include "AAX_CParameter.h"
#include "AAX_CUnitDisplayDelegateDecorator.h"

#include <cstdint>
#include <stdexcept>

class TestEffectParameters : public AAX_CEffectParameters {
public:
  enum Variant : int32_t {
    kStandard = 0,
    kThrowingSetUp = 1,  // set-up throws a standard exception half-way
    kFailingSetUp = 2,   // set-up answers -20011 after the first parameter
    kWithPreview = 3     // adds the preview switch
  };

  explicit TestEffectParameters(int32_t variant = kStandard) : mVariant(variant) {}

  AAX_ResultCode SetUpParameters() override {
    auto* bypass = new AAX_CParameter<bool>(kAAX_MasterBypassId, "Master Bypass", false,
                                            AAX_CBinaryTaperDelegate<bool>(),
                                            AAX_CBinaryDisplayDelegate<bool>("bypass", "on"), true);
    bypass->DefineStepCount(2);
    bypass->DefineKind(0);
    ParameterTable().Add(bypass);
    if (mVariant == kFailingSetUp) return AAX_ERROR_NOT_INITIALIZED;
    if (mVariant == kThrowingSetUp) throw std::runtime_error("no room for parameters");

    ParameterTable().Add(new AAX_CParameter<double>(
        "Freq", "Frequency\nFreq\nF", 25.0, AAX_CIPlugTaperDelegate<double>(0.0, 100.0, 2.0),
        AAX_CUnitDisplayDelegateDecorator<double>(AAX_CNumberDisplayDelegate<double>(), "Hz"),
        true));
    ParameterTable().Add(new AAX_CParameter<int32_t>(
        "Count", "Count", 3, AAX_CLinearTaperDelegate<int32_t>(0, 10),
        AAX_CUnitDisplayDelegateDecorator<int32_t>(AAX_CNumberDisplayDelegate<int32_t>(), "st"),
        true));
    auto* toggle = new AAX_CParameter<bool>("Switch", "Switch", true,
                                            AAX_CBinaryTaperDelegate<bool>(),
                                            AAX_CBinaryDisplayDelegate<bool>("off", "on"), true);
    toggle->DefineStepCount(2);
    toggle->DefineKind(0);
    ParameterTable().Add(toggle);
    if (mVariant == kWithPreview) {
      ParameterTable().Add(new AAX_CParameter<bool>(kAAX_PreviewId, "Preview", false,
                                                    AAX_CBinaryTaperDelegate<bool>(),
                                                    AAX_CBinaryDisplayDelegate<bool>("off", "on"),
                                                    false));
    }
    return AAX_SUCCESS;
  }

  // For tests that look inside.
  using AAX_CEffectParameters::IncrementChangeCount;
  using AAX_CEffectParameters::PacketQueue;
  using AAX_CEffectParameters::ParameterTable;

private:
  int32_t mVariant;
};
