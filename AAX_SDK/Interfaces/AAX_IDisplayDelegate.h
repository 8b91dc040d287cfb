#pragma once
// A display delegate turns a parameter's plain values into text and back.
// Parameters own clones of theirs; the host never sees them. Any thread that
// holds the parameter; no lock; the conversions allocate as texts grow.

class AAX_CString;

class AAX_IDisplayDelegateBase {
public:
  virtual ~AAX_IDisplayDelegateBase() = default;
};

template <typename T>
class AAX_IDisplayDelegate : public AAX_IDisplayDelegateBase {
public:
  // A new delegate equal to this one; the caller owns it.
  virtual AAX_IDisplayDelegate* Clone() const = 0;
  // The value as text fitted to maxLength characters; false when it cannot
  // be shown.
  virtual bool ValueToTextOfLength(T value, int maxLength, AAX_CString* out) const = 0;
  // The value as text in full.
  virtual bool ValueToText(T value, AAX_CString* out) const = 0;
  // The value a text stands for; false when it stands for none.
  virtual bool TextToValue(const AAX_CString& text, T* out) const = 0;
};
