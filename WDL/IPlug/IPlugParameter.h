#pragma once
// One automatable value of the plug-in. The value is held in plain units
// (decibels, hertz, ...); hosts and controls see it normalised to [0, 1]
// through the curve shape: normalised = ((plain - min) / (max - min))^(1/shape).
// A parameter may carry display texts for particular integer values.
//
// Threads: set up on the constructing thread; afterwards written only under
// the plug-in mutex (host, editor and audio threads). The value is a relaxed
// atomic so that the editor may read it for display without the mutex; a
// reader there sees either the old or the new value. Nothing allocates
// except adding display texts.

#include <atomic>

#include "HeapBuffer.h"

class IPlugParameter {
 public:
  // Kinds 2 and 3 are known to the format wrappers only; no set-up here makes them.
  enum Kind { kTypeNone = 0, kTypeBool = 1, kTypeInt = 2, kTypeEnum = 3, kTypeDouble = 4 };

  // Capacity of names, labels, groups and display texts, NUL included.
  static constexpr int kMaxNameLength = 32;
  // Buffer size FormatDisplay needs.
  static constexpr int kMaxDisplayLength = 128;

  IPlugParameter();
  IPlugParameter(const IPlugParameter&) = delete;
  IPlugParameter& operator=(const IPlugParameter&) = delete;

  // Constructing thread. A max below min + step is raised to min + step; a
  // shape of 0 keeps the shape set before.
  void SetUpDouble(const char* name, double defaultValue, double min, double max, double step,
                   const char* label = "", const char* group = "", double shape = 1.0);
  // Constructing thread; range 0..1 in steps of 0.1 with the texts "off" and "on". Allocates.
  void SetUpBool(const char* name, bool defaultValue, const char* label = "", const char* group = "");
  // Constructing thread, after a set-up: declares one of the kinds that only
  // the wrappers and the editor's value menus tell apart (kTypeInt, kTypeEnum).
  void SetKind(Kind kind) { mKind = kind; }
  // Appends a display text (cut to 31 characters) for a value; not added when
  // the table cannot grow. Constructing thread; allocates.
  void AddDisplayText(int value, const char* text);

  // Sets the value from a normalised one, quantised to the step (booleans) or
  // to whole numbers (continuous with step 1). A normalised value outside
  // [0, 1] is clamped; a NaN leaves the value unchanged. No lock, no allocation.
  void SetFromNormalized(double normalized);
  // Sets the value from a stored plain value: clamped into [min, max]; a NaN
  // loads the default. Used when restoring state.
  void RestoreValue(double plain);

  // Normalised form of any plain value, always within [0, 1].
  double NormalizeValue(double plain) const;
  double CurrentNormalized() const { return NormalizeValue(Value()); }

  // Writes the display text of v (plain, or normalised when isNormalized) into
  // out, which must hold kMaxDisplayLength bytes. With useTexts a display text
  // of the value truncated toward zero takes the place of the number.
  void FormatDisplay(double v, bool isNormalized, char* out, bool useTexts) const;

  // The text of the first entry for value, or the empty text.
  const char* FindDisplayText(int value) const;
  // Finds the first entry whose text equals text exactly; stores its value.
  bool ValueForDisplayText(const char* text, int* outValue) const;
  // The index-th entry's text, its value through outValue (may be null); the
  // empty text for an index outside the table.
  const char* DisplayTextAt(int index, int* outValue) const;
  int DisplayTextCount() const;
  // Empty when the current value has a display text; otherwise the label.
  const char* UnitLabel() const;

  const char* Name() const { return mName; }
  const char* GroupName() const { return mGroup; }
  const char* Label() const { return mLabel; }
  Kind GetKind() const { return mKind; }
  double Value() const { return mValue.load(std::memory_order_relaxed); }
  double GetMin() const { return mMin; }
  double GetMax() const { return mMax; }
  double GetStep() const { return mStep; }
  double GetShape() const { return mShape; }
  double GetDefault() const { return mDefault; }
  int GetDisplayPrecision() const { return mDisplayPrecision; }
  bool GetNegateDisplay() const { return mNegateDisplay; }
  void SetNegateDisplay(bool negate) { mNegateDisplay = negate; }
  bool GetCanAutomate() const { return mCanAutomate; }
  void SetCanAutomate(bool canAutomate) { mCanAutomate = canAutomate; }

 private:
  void StoreValue(double v) { mValue.store(v, std::memory_order_relaxed); }

  struct DisplayTextEntry {
    int value;
    char text[kMaxNameLength];
  };
  const DisplayTextEntry* Entries() const { return mDisplayTexts.GetAs<const DisplayTextEntry>(); }
  // Plain value of a normalised one, without quantising.
  double FromNormalized(double normalized) const;

  Kind mKind = kTypeNone;
  std::atomic<double> mValue{0.0};
  double mMin = 0.0;
  double mMax = 1.0;
  double mStep = 1.0;
  double mShape = 1.0;
  double mDefault = 0.0;
  int mDisplayPrecision = 0;
  char mName[kMaxNameLength] = {};
  char mLabel[kMaxNameLength] = {};
  char mGroup[kMaxNameLength] = {};
  bool mNegateDisplay = false;
  bool mCanAutomate = true;
  HeapBuffer mDisplayTexts;
};
