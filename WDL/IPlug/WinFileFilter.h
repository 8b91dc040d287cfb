#pragma once
// The filter and default extension of the Windows file dialogs, built from a
// space-separated list of extensions ("fxp fxb"): every extension becomes a
// pattern "*.ext", the patterns are joined with semicolons, and the one
// pattern serves as the filter's description and its pattern. The first
// extension is the default extension.

class WinFileFilter {
 public:
  // Capacities of the dialog's buffers, NUL included.
  static constexpr int kFilterCapacity = 256;
  static constexpr int kDefaultExtensionCapacity = 16;

  // Editor thread; no allocation. Answers false, leaving an empty filter,
  // when the patterns (at most 126 characters, so the doubled filter fits)
  // or the first extension (at most 15 characters) do not fit. Null or blank
  // text gives an empty filter and no default extension, and answers true.
  bool Build(const char* extensions);

  // The filter as the dialog takes it: pattern, NUL, pattern, NUL, NUL; null
  // when there is none.
  const char* Filter() const { return mFilter[0] ? mFilter : nullptr; }
  // The default extension, or null when there is none.
  const char* DefaultExtension() const { return mDefaultExtension[0] ? mDefaultExtension : nullptr; }
  // The joined pattern ("*.fxp;*.fxb"), empty when there is none.
  const char* Pattern() const { return mFilter; }

 private:
  char mFilter[kFilterCapacity] = {};
  char mDefaultExtension[kDefaultExtensionCapacity] = {};
};
