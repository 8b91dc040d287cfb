#pragma once
// Proxy for the host controller of one effect instance (or of a GUI object).

#include "AAX_HostControllerInterfaces.h"
#include "AAX_HostRef.h"
#include "AAX_IController.h"

class AAX_VController final : public AAX_IController {
public:
  // Host's binding thread: queries the five versions and the host object
  // factory on the controller unknown (none for null). A factory query that
  // fails with a negative result throws AAX::Exception::ResultError with it;
  // what was acquired is given back first.
  explicit AAX_VController(IACFUnknown* controllerUnknown);
  ~AAX_VController() override;  // releases newest first

  AAX_ResultCode CallV1Slot3(void* argument) override;
  AAX_ResultCode QuerySampleRate(float* rate) override;
  AAX_ResultCode QueryInputStem(uint32_t* format) override;
  AAX_ResultCode QueryOutputStem(uint32_t* format) override;
  AAX_ResultCode CallV1Slot7(void* argument) override;
  AAX_ResultCode CallV1Slot8(void* argument) override;
  AAX_ResultCode CallV1Slot9(void* argument) override;
  AAX_ResultCode ReportLatency(int32_t samples) override;
  AAX_ResultCode CallV1Slot11(void* argument) override;
  AAX_ResultCode PostPacket(int32_t fieldIndex, const void* data, uint32_t size) override;
  AAX_ResultCode CallV2Slot20(void* argument) override;
  AAX_ResultCode CallV2Slot20Full(void* first, void* second, void* third) override;
  AAX_ResultCode CallV1Slot13(void* argument) override;
  AAX_ResultCode CallV1Slot14(void* argument) override;
  AAX_ResultCode CallV1Slot15(void* argument) override;
  AAX_ResultCode CallV1Slot18(void* argument) override;
  AAX_ResultCode CallV1Slot16(void* argument) override;
  AAX_ResultCode CallV1Slot17(void* argument) override;
  AAX_ResultCode CallV1Slot19(void* argument) override;
  AAX_ResultCode CallV2Slot21(void* argument) override;
  AAX_ResultCode CallV2Slot22(int32_t* out, void* first, void* second) override;
  AAX_ResultCode CallV2Slot23(void* argument) override;
  AAX_ResultCode CallV3Slot24(void* argument) override;
  AAX_ResultCode CallV3Slot25(void* argument) override;
  AAX_IPageTable* CreatePageTableV4Slot3(uint32_t first, uint32_t second, uint32_t third,
                                         const char* fourth, int32_t fifth) override;
  AAX_IPageTable* CreatePageTableV4Slot4(const char* first, const char* second, uint32_t third,
                                         int32_t fourth) override;
  AAX_IPageTable* CreatePageTableV5Slot5(uint32_t first, uint32_t second, uint32_t third,
                                         const char* fourth, int32_t fifth) override;
  AAX_IPageTable* CreatePageTableV5Slot6(const char* first, const char* second, uint32_t third,
                                         int32_t fourth) override;

private:
  // Creates a host page table, lets fill fill it and wraps it in a proxy;
  // null when the host refuses.
  template <class Fill>
  AAX_IPageTable* RequestPageTable(Fill fill);

  AAX_HostRef<AAX_IACFController> mV1;
  AAX_HostRef<AAX_IACFController_V2> mV2;
  AAX_HostRef<AAX_IACFController_V3> mV3;
  AAX_HostRef<AAX_IACFController_V4> mV4;
  AAX_HostRef<AAX_IACFController_V5> mV5;
  AAX_HostRef<AAX_IACFHostObjectFactory> mFactory;
};
