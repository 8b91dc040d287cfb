#pragma once
// The parameter manager of an effect-parameters object: owns its host
// parameters in order of addition (the host's parameter index is the
// position) and finds them by identifier. Every parameter added is attached
// to the table's automation delegate.
//
// Used on the host's parameter and user-interface threads under the
// effect-parameters object's callers' serialisation; no lock. Add allocates;
// Find and At do not.

#include "AAX_IParameter.h"

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

class AAX_IAutomationDelegate;

class AAX_CParameterTable {
public:
  AAX_CParameterTable() = default;
  ~AAX_CParameterTable();  // deletes every parameter left
  AAX_CParameterTable(const AAX_CParameterTable&) = delete;
  AAX_CParameterTable& operator=(const AAX_CParameterTable&) = delete;

  // The delegate handed to every parameter added from now on (not owned).
  void SetAutomationDelegate(AAX_IAutomationDelegate* delegate) { mAutomationDelegate = delegate; }

  // Takes ownership of parameter and answers true. A null parameter, or one
  // whose identifier is already in the table, is not taken (false): the
  // caller still owns it.
  bool Add(AAX_IParameter* parameter);
  // Deletes every parameter in order of addition.
  void RemoveAll();
  // Null for a null or unknown identifier (byte-wise comparison).
  AAX_IParameter* Find(const char* identifier) const;
  // Null outside 0 .. Count() - 1.
  AAX_IParameter* At(int32_t index) const;
  int32_t Count() const { return static_cast<int32_t>(mParameters.size()); }

private:
  AAX_IAutomationDelegate* mAutomationDelegate = nullptr;
  std::vector<std::unique_ptr<AAX_IParameter, AAX_ParameterDeleter>> mParameters;
  std::map<std::string, AAX_IParameter*, std::less<>> mById;
};
