#include "AAX_CParameterTable.h"

AAX_CParameterTable::~AAX_CParameterTable() { RemoveAll(); }

bool AAX_CParameterTable::Add(AAX_IParameter* parameter) {
  if (!parameter) return false;
  const char* identifier = parameter->IdString();
  if (mById.find(identifier) != mById.end()) return false;
  // Make room first, so that a failing allocation leaves the table as it was.
  mParameters.reserve(mParameters.size() + 1);
  mById.emplace(identifier, parameter);
  mParameters.emplace_back(parameter);
  parameter->AttachAutomation(mAutomationDelegate);
  return true;
}

void AAX_CParameterTable::RemoveAll() {
  // Each parameter detaches itself from the delegate as it goes.
  for (auto& parameter : mParameters) parameter.reset();
  mParameters.clear();
  mById.clear();
}

AAX_IParameter* AAX_CParameterTable::Find(const char* identifier) const {
  if (!identifier) return nullptr;
  const auto found = mById.find(identifier);
  return found == mById.end() ? nullptr : found->second;
}

AAX_IParameter* AAX_CParameterTable::At(int32_t index) const {
  if (index < 0 || index >= Count()) return nullptr;
  return mParameters[static_cast<size_t>(index)].get();
}
