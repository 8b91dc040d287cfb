#pragma once
// The library's view of the host controller of one instance (implemented by
// AAX_VController). Called on the audio thread inside the render call (stem
// formats) and on the host's parameter and user-interface threads; no lock.
// Only the page-table requests allocate.

#include "AAX_Result.h"

#include <cstdint>

class AAX_IPageTable;

class AAX_IController {
public:
  virtual ~AAX_IController() = default;
  virtual AAX_ResultCode CallV1Slot3(void* argument) = 0;
  virtual AAX_ResultCode QuerySampleRate(float* rate) = 0;
  virtual AAX_ResultCode QueryInputStem(uint32_t* format) = 0;   // channel count in the low 16 bits
  virtual AAX_ResultCode QueryOutputStem(uint32_t* format) = 0;  // channel count in the low 16 bits
  virtual AAX_ResultCode CallV1Slot7(void* argument) = 0;
  virtual AAX_ResultCode CallV1Slot8(void* argument) = 0;
  virtual AAX_ResultCode CallV1Slot9(void* argument) = 0;
  virtual AAX_ResultCode ReportLatency(int32_t samples) = 0;
  virtual AAX_ResultCode CallV1Slot11(void* argument) = 0;
  virtual AAX_ResultCode PostPacket(int32_t fieldIndex, const void* data, uint32_t size) = 0;
  virtual AAX_ResultCode CallV2Slot20(void* argument) = 0;  // the host gets (argument, 0, 0)
  virtual AAX_ResultCode CallV2Slot20Full(void* first, void* second, void* third) = 0;
  virtual AAX_ResultCode CallV1Slot13(void* argument) = 0;
  virtual AAX_ResultCode CallV1Slot14(void* argument) = 0;
  virtual AAX_ResultCode CallV1Slot15(void* argument) = 0;
  virtual AAX_ResultCode CallV1Slot18(void* argument) = 0;
  virtual AAX_ResultCode CallV1Slot16(void* argument) = 0;
  virtual AAX_ResultCode CallV1Slot17(void* argument) = 0;
  virtual AAX_ResultCode CallV1Slot19(void* argument) = 0;
  virtual AAX_ResultCode CallV2Slot21(void* argument) = 0;
  // Writes 0 to out when the host lacks the interface.
  virtual AAX_ResultCode CallV2Slot22(int32_t* out, void* first, void* second) = 0;
  virtual AAX_ResultCode CallV2Slot23(void* argument) = 0;
  virtual AAX_ResultCode CallV3Slot24(void* argument) = 0;
  virtual AAX_ResultCode CallV3Slot25(void* argument) = 0;
  // Page-table requests: a new page table the caller owns, or null.
  virtual AAX_IPageTable* CreatePageTableV4Slot3(uint32_t first, uint32_t second, uint32_t third,
                                                 const char* fourth, int32_t fifth) = 0;
  virtual AAX_IPageTable* CreatePageTableV4Slot4(const char* first, const char* second,
                                                 uint32_t third, int32_t fourth) = 0;
  virtual AAX_IPageTable* CreatePageTableV5Slot5(uint32_t first, uint32_t second, uint32_t third,
                                                 const char* fourth, int32_t fifth) = 0;
  virtual AAX_IPageTable* CreatePageTableV5Slot6(const char* first, const char* second,
                                                 uint32_t third, int32_t fourth) = 0;
};
