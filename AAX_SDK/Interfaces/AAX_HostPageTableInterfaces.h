#pragma once
// The host's page table (control-surface layouts). This plug-in uses none of
// its operations; each takes one opaque argument passed on unchanged. V2
// extends V1.

#include "IACFUnknown.h"

class AAX_IACFPageTable : public IACFUnknown {
public:
  virtual AAX_ResultCode V1Slot3(void* argument) = 0;
  virtual AAX_ResultCode V1Slot4(void* argument) = 0;
  virtual AAX_ResultCode V1Slot5(void* argument) = 0;
  virtual AAX_ResultCode V1Slot6(void* argument) = 0;
  virtual AAX_ResultCode V1Slot7(void* argument) = 0;
  virtual AAX_ResultCode V1Slot8(void* argument) = 0;
  virtual AAX_ResultCode V1Slot9(void* argument) = 0;
  virtual AAX_ResultCode V1Slot10(void* argument) = 0;
  virtual AAX_ResultCode V1Slot11(void* argument) = 0;

protected:
  ~AAX_IACFPageTable() = default;
};

class AAX_IACFPageTable_V2 : public AAX_IACFPageTable {
public:
  virtual AAX_ResultCode V2Slot12(void* argument) = 0;
  virtual AAX_ResultCode V2Slot13(void* argument) = 0;
  virtual AAX_ResultCode V2Slot14(void* argument) = 0;
  virtual AAX_ResultCode V2Slot15(void* argument) = 0;
  virtual AAX_ResultCode V2Slot16(void* argument) = 0;
  virtual AAX_ResultCode V2Slot17(void* argument) = 0;
  virtual AAX_ResultCode V2Slot18(void* argument) = 0;
  virtual AAX_ResultCode V2Slot19(void* argument) = 0;

protected:
  ~AAX_IACFPageTable_V2() = default;
};
