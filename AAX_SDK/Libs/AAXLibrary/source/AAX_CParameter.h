#pragma once
// A typed host parameter (T = bool, int or double): name and shortened
// names, identifier and current value, default, step count, kind and
// direction, and owned clones of its taper and display delegates.
//
// Values set on the plug-in side take the "set road": without an automation
// delegate they apply at once; with one, the change is sent to the host as
// touch, request and release, and the value changes only when the host
// applies it (ApplyHostNormalized).
//
// Threads and allocation as in AAX_IParameter.h. Construction and the
// delegate attachments allocate. The current value is the one member the
// host writes while the render call may read it: it is a relaxed atomic
// (AAX_CParameterValue.h).

#include "AAX_CParameterValue.h"
#include "AAX_CString.h"
#include "AAX_IDisplayDelegate.h"
#include "AAX_IParameter.h"
#include "AAX_ITaperDelegate.h"

#include <cstdint>
#include <map>
#include <memory>

template <typename T>
class AAX_CParameter final : public AAX_IParameter {
public:
  // Parameter kinds the host knows (DefineKind).
  enum : int32_t { kKindDiscrete = 0, kKindContinuous = 1 };

  // The delegates are cloned; the caller keeps its own. An identifier longer
  // than 31 characters is reported to the host and cut. The current value
  // starts as the default, as the taper maps it back.
  AAX_CParameter(const char* identifier, const AAX_CString& name, T defaultValue,
                 const AAX_ITaperDelegate<T>& taper, const AAX_IDisplayDelegate<T>& display,
                 bool automatable);
  ~AAX_CParameter();

  void* DeletingDestructor(unsigned int flags) override;
  AAX_IParameterValue* NewValueObject() const override;
  const char* IdString() const override { return mValue.Identifier(); }
  void AssignName(const AAX_CString& name) override { mName = name; }
  const AAX_CString& DisplayName() const override { return mName; }
  void AbbreviatedName(const AAX_CString& text) override;
  const AAX_CString& AbbreviatedNameAt(int32_t maxLength) const override;
  void ClearAbbreviations() override { mShortenedNames.clear(); }
  bool CanAutomate() const override { return mAutomatable != 0; }
  void AttachAutomation(AAX_IAutomationDelegate* delegate) override;
  void BeginTouch() override;
  void EndTouch() override;
  void WriteNormalized(double normalized) override;
  double ReadNormalized() const override;
  void WriteDefaultNormalized(double normalized) override;
  double ReadDefaultNormalized() const override;
  void ResetToDefault() override { SetValue(mDefault); }
  void DefineStepCount(int32_t numSteps) override;
  int32_t StepCount() const override { return mStepCount; }
  int32_t CurrentStep() const override { return NormalizedToStep(ReadNormalized()); }
  double StepToNormalized(int32_t step) const override;
  int32_t NormalizedToStep(double normalized) const override;
  void AssignStep(int32_t step) override;
  bool FormatCurrentOfLength(int32_t maxLength, AAX_CString* out) const override;
  bool FormatCurrent(AAX_CString* out) const override;
  // Defined with the class's explicit instantiations, so that the member
  // templates they call are emitted there.
  bool BoolToNormalized(bool value, double* out) const override;
  bool IntToNormalized(int32_t value, double* out) const override;
  bool FloatToNormalized(float value, double* out) const override;
  bool DoubleToNormalized(double value, double* out) const override;
  bool TextToNormalized(const AAX_CString& text, double* out) const override;
  bool NormalizedToBool(double normalized, bool* out) const override;
  bool NormalizedToInt(double normalized, int32_t* out) const override;
  bool NormalizedToFloat(double normalized, float* out) const override;
  bool NormalizedToDouble(double normalized, double* out) const override;
  bool NormalizedToTextOfLength(double normalized, int32_t maxLength,
                                AAX_CString* out) const override;
  bool NormalizedToText(double normalized, AAX_CString* out) const override;
  bool AssignFromText(const AAX_CString& text) override;
  bool ReadBool(bool* out) const override { return mValue.GetValueAsBool(out); }
  bool ReadInt(int32_t* out) const override { return mValue.GetValueAsInt32(out); }
  bool ReadFloat(float* out) const override { return mValue.GetValueAsFloat(out); }
  bool ReadDouble(double* out) const override { return mValue.GetValueAsDouble(out); }
  bool CurrentValueText(AAX_IString* out) const override;
  bool AssignBool(bool value) override;
  bool AssignInt(int32_t value) override;
  bool AssignFloat(float value) override;
  bool AssignDouble(double value) override;
  bool AssignFromAAXString(const AAX_IString& text) override;
  void DefineKind(int32_t kind) override { mType = kind; }
  int32_t Kind() const override { return mType; }
  void DefineDirection(int32_t direction) override { mOrientation = direction; }
  int32_t Direction() const override { return mOrientation; }
  void AttachTaper(const AAX_ITaperDelegateBase& taper, bool keepValue) override;
  void AttachDisplay(const AAX_IDisplayDelegateBase& display) override;
  // Non-finite positions are ignored (the host's value must never leave a
  // non-finite value behind).
  void ApplyHostNormalized(double normalized) override;

  // The current plain value, a copy of the atomic one; the render call reads
  // the bypass through ReadBool. Any thread; no lock.
  T Value() const { return mValue.Get(); }
  const T& DefaultValue() const { return mDefault; }

private:
  // The set road for plain value v.
  void SetValue(T value);
  template <typename U>
  bool ToNormalized(U value, double* out) const;
  template <typename U>
  bool FromNormalized(double normalized, U* out) const;
  template <typename U>
  bool Assign(U value);

  AAX_CString mName;
  std::map<int32_t, AAX_CString> mShortenedNames;  // by length
  int32_t mAutomatable;
  int32_t mStepCount = 0;
  int32_t mType = kKindContinuous;
  int32_t mOrientation = 0;
  std::unique_ptr<AAX_ITaperDelegate<T>> mTaper;
  std::unique_ptr<AAX_IDisplayDelegate<T>> mDisplay;
  AAX_IAutomationDelegate* mAutomation = nullptr;  // the host's, not owned
  bool mForce = true;  // the next host value applies even when equal
  AAX_CParameterValue<T> mValue;
  T mDefault;
};

extern template class AAX_CParameter<bool>;
extern template class AAX_CParameter<int32_t>;
extern template class AAX_CParameter<double>;
