#pragma once
// The host's controller of one effect instance, queried on the controller
// unknown the host binds. V2 and V3 extend V1; V4 starts afresh after the
// unknown's slots and V5 extends V4.
//
// Slots whose role this plug-in does not use take one opaque argument (or
// the arguments noted) that the library passes on unchanged.

#include "IACFUnknown.h"

class AAX_IACFController : public IACFUnknown {
public:
  virtual AAX_ResultCode V1Slot3(void* argument) = 0;             // slot 3
  virtual AAX_ResultCode QuerySampleRate(float* rate) = 0;         // slot 4
  virtual AAX_ResultCode QueryInputStem(uint32_t* format) = 0;     // slot 5
  virtual AAX_ResultCode QueryOutputStem(uint32_t* format) = 0;    // slot 6
  virtual AAX_ResultCode V1Slot7(void* argument) = 0;             // slot 7
  virtual AAX_ResultCode V1Slot8(void* argument) = 0;             // slot 8
  virtual AAX_ResultCode V1Slot9(void* argument) = 0;             // slot 9
  virtual AAX_ResultCode ReportLatency(int32_t samples) = 0;       // slot 10
  virtual AAX_ResultCode V1Slot11(void* argument) = 0;            // slot 11
  // Slot 12: posts a parameter packet to a port of the processing side.
  virtual AAX_ResultCode PostPacket(int32_t fieldIndex, const void* data, uint32_t size) = 0;
  virtual AAX_ResultCode V1Slot13(void* argument) = 0;            // slot 13
  virtual AAX_ResultCode V1Slot14(void* argument) = 0;            // slot 14
  virtual AAX_ResultCode V1Slot15(void* argument) = 0;            // slot 15
  virtual AAX_ResultCode V1Slot16(void* argument) = 0;            // slot 16
  virtual AAX_ResultCode V1Slot17(void* argument) = 0;            // slot 17
  virtual AAX_ResultCode V1Slot18(void* argument) = 0;            // slot 18
  virtual AAX_ResultCode V1Slot19(void* argument) = 0;            // slot 19

protected:
  ~AAX_IACFController() = default;
};

class AAX_IACFController_V2 : public AAX_IACFController {
public:
  virtual AAX_ResultCode V2Slot20(void* first, void* second, void* third) = 0;  // slot 20
  virtual AAX_ResultCode V2Slot21(void* argument) = 0;                         // slot 21
  virtual AAX_ResultCode V2Slot22(int32_t* out, void* first, void* second) = 0;  // slot 22
  virtual AAX_ResultCode V2Slot23(void* argument) = 0;                         // slot 23

protected:
  ~AAX_IACFController_V2() = default;
};

class AAX_IACFController_V3 : public AAX_IACFController_V2 {
public:
  virtual AAX_ResultCode V3Slot24(void* argument) = 0;  // slot 24
  virtual AAX_ResultCode V3Slot25(void* argument) = 0;  // slot 25

protected:
  ~AAX_IACFController_V3() = default;
};

// Page-table requests: each fills the host page table passed last (created
// beforehand through the controller's object factory).
class AAX_IACFController_V4 : public IACFUnknown {
public:
  virtual AAX_ResultCode FillPageTableV4Slot3(uint32_t first, uint32_t second, uint32_t third,
                                              const char* fourth, int32_t fifth,
                                              IACFUnknown* pageTable) = 0;  // slot 3
  virtual AAX_ResultCode FillPageTableV4Slot4(const char* first, const char* second,
                                              uint32_t third, int32_t fourth,
                                              IACFUnknown* pageTable) = 0;  // slot 4

protected:
  ~AAX_IACFController_V4() = default;
};

class AAX_IACFController_V5 : public AAX_IACFController_V4 {
public:
  virtual AAX_ResultCode FillPageTableV5Slot5(uint32_t first, uint32_t second, uint32_t third,
                                              const char* fourth, int32_t fifth,
                                              IACFUnknown* pageTable) = 0;  // slot 5
  virtual AAX_ResultCode FillPageTableV5Slot6(const char* first, const char* second,
                                              uint32_t third, int32_t fourth,
                                              IACFUnknown* pageTable) = 0;  // slot 6

protected:
  ~AAX_IACFController_V5() = default;
};
