#pragma once
// One host parameter: name, identifier, current and default value, step
// count and kind, with a taper (plain value <-> normalised position) and a
// display (value <-> text). Changes made on the plug-in side go to the host
// through the automation delegate; the host's confirmed value comes back
// through ApplyHostNormalized.
//
// The effect-parameters object hands parameters to the host (FindParameter),
// so this interface is laid out like the other boundary interfaces: slot 0
// destroys, then the operations in the order declared, no overloads.
//
// Threads: the host's parameter and user-interface threads through the
// effect-parameters object, which serialises what it must; the render call
// reads the bypass value. No lock. Operations that produce or parse texts,
// and the assignments that reach the automation delegate, may allocate.

#include <cstdint>

class AAX_CString;
class AAX_IAutomationDelegate;
class AAX_IDisplayDelegateBase;
class AAX_IParameterValue;
class AAX_IString;
class AAX_ITaperDelegateBase;

class AAX_IParameter {
public:
  // Slot 0: destroys the parameter (detaching it from its automation
  // delegate); frees its memory when bit 0 of flags is set.
  virtual void* DeletingDestructor(unsigned int flags) = 0;
  // Slot 1: a new value object holding the identifier and current value; the
  // caller owns it (delete with AAX_ParameterValueDeleter).
  virtual AAX_IParameterValue* NewValueObject() const = 0;
  virtual const char* IdString() const = 0;                                   // slot 2
  virtual void AssignName(const AAX_CString& name) = 0;                        // slot 3
  virtual const AAX_CString& DisplayName() const = 0;                          // slot 4
  // Slot 5: keeps text as the shortened name for its own length.
  virtual void AbbreviatedName(const AAX_CString& text) = 0;
  // Slot 6: the name, or the longest shortened name that fits maxLength.
  virtual const AAX_CString& AbbreviatedNameAt(int32_t maxLength) const = 0;
  virtual void ClearAbbreviations() = 0;                                       // slot 7
  virtual bool CanAutomate() const = 0;                                        // slot 8
  // Slot 9: detaches from the old delegate, attaches to the new (null: none).
  virtual void AttachAutomation(AAX_IAutomationDelegate* delegate) = 0;
  virtual void BeginTouch() = 0;                                               // slot 10
  virtual void EndTouch() = 0;                                                 // slot 11
  virtual void WriteNormalized(double normalized) = 0;                         // slot 12
  virtual double ReadNormalized() const = 0;                                   // slot 13
  virtual void WriteDefaultNormalized(double normalized) = 0;                  // slot 14
  virtual double ReadDefaultNormalized() const = 0;                            // slot 15
  virtual void ResetToDefault() = 0;                                           // slot 16
  virtual void DefineStepCount(int32_t numSteps) = 0;                          // slot 17
  virtual int32_t StepCount() const = 0;                                       // slot 18
  virtual int32_t CurrentStep() const = 0;                                     // slot 19
  virtual double StepToNormalized(int32_t step) const = 0;                     // slot 20
  virtual int32_t NormalizedToStep(double normalized) const = 0;               // slot 21
  virtual void AssignStep(int32_t step) = 0;                                   // slot 22
  virtual bool FormatCurrentOfLength(int32_t maxLength, AAX_CString* out) const = 0;  // slot 23
  virtual bool FormatCurrent(AAX_CString* out) const = 0;                      // slot 24
  // Slots 25-28: only the one matching the parameter's type answers true.
  virtual bool BoolToNormalized(bool value, double* out) const = 0;
  virtual bool IntToNormalized(int32_t value, double* out) const = 0;
  virtual bool FloatToNormalized(float value, double* out) const = 0;
  virtual bool DoubleToNormalized(double value, double* out) const = 0;
  virtual bool TextToNormalized(const AAX_CString& text, double* out) const = 0;  // slot 29
  // Slots 30-33: only the one matching the parameter's type answers true.
  virtual bool NormalizedToBool(double normalized, bool* out) const = 0;
  virtual bool NormalizedToInt(double normalized, int32_t* out) const = 0;
  virtual bool NormalizedToFloat(double normalized, float* out) const = 0;
  virtual bool NormalizedToDouble(double normalized, double* out) const = 0;
  virtual bool NormalizedToTextOfLength(double normalized, int32_t maxLength,
                                        AAX_CString* out) const = 0;           // slot 34
  virtual bool NormalizedToText(double normalized, AAX_CString* out) const = 0;  // slot 35
  virtual bool AssignFromText(const AAX_CString& text) = 0;                    // slot 36
  // Slots 37-40: the current value, only for the matching type.
  virtual bool ReadBool(bool* out) const = 0;
  virtual bool ReadInt(int32_t* out) const = 0;
  virtual bool ReadFloat(float* out) const = 0;
  virtual bool ReadDouble(double* out) const = 0;
  // Slot 41: the current value's text written to a (host or library) string.
  virtual bool CurrentValueText(AAX_IString* out) const = 0;
  // Slots 42-45: set the value (through the host when automated), only for
  // the matching type.
  virtual bool AssignBool(bool value) = 0;
  virtual bool AssignInt(int32_t value) = 0;
  virtual bool AssignFloat(float value) = 0;
  virtual bool AssignDouble(double value) = 0;
  virtual bool AssignFromAAXString(const AAX_IString& text) = 0;               // slot 46
  virtual void DefineKind(int32_t kind) = 0;                                   // slot 47
  virtual int32_t Kind() const = 0;                                            // slot 48
  virtual void DefineDirection(int32_t direction) = 0;                         // slot 49
  virtual int32_t Direction() const = 0;                                       // slot 50
  // Slot 51: a taper of another value type is ignored.
  virtual void AttachTaper(const AAX_ITaperDelegateBase& taper, bool keepValue) = 0;
  // Slot 52: a display of another value type is ignored.
  virtual void AttachDisplay(const AAX_IDisplayDelegateBase& display) = 0;
  // Slot 53: the value the host confirms (normalised).
  virtual void ApplyHostNormalized(double normalized) = 0;

protected:
  AAX_IParameter() = default;
  AAX_IParameter(const AAX_IParameter&) = delete;
  AAX_IParameter& operator=(const AAX_IParameter&) = delete;
  ~AAX_IParameter() = default;
};

// Deletes a parameter through its destroying slot (for owning pointers).
struct AAX_ParameterDeleter {
  void operator()(AAX_IParameter* parameter) const {
    if (parameter) parameter->DeletingDestructor(1);
  }
};
