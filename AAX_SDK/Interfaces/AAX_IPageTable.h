#pragma once
// The library's view of a host page table (implemented by AAX_VPageTable).
// None of its operations is used by this plug-in.

#include "AAX_Result.h"

class AAX_IPageTable {
public:
  virtual ~AAX_IPageTable() = default;
  virtual AAX_ResultCode CallV1Slot3(void* argument) = 0;
  virtual AAX_ResultCode CallV1Slot4(void* argument) = 0;
  virtual AAX_ResultCode CallV1Slot5(void* argument) = 0;
  virtual AAX_ResultCode CallV1Slot6(void* argument) = 0;
  virtual AAX_ResultCode CallV1Slot7(void* argument) = 0;
  virtual AAX_ResultCode CallV1Slot8(void* argument) = 0;
  virtual AAX_ResultCode CallV1Slot9(void* argument) = 0;
  virtual AAX_ResultCode CallV1Slot10(void* argument) = 0;
  virtual AAX_ResultCode CallV1Slot11(void* argument) = 0;
  virtual AAX_ResultCode CallV2Slot12(void* argument) = 0;
  virtual AAX_ResultCode CallV2Slot13(void* argument) = 0;
  virtual AAX_ResultCode CallV2Slot14(void* argument) = 0;
  virtual AAX_ResultCode CallV2Slot15(void* argument) = 0;
  virtual AAX_ResultCode CallV2Slot16(void* argument) = 0;
  virtual AAX_ResultCode CallV2Slot17(void* argument) = 0;
  virtual AAX_ResultCode CallV2Slot18(void* argument) = 0;
  virtual AAX_ResultCode CallV2Slot19(void* argument) = 0;
};
