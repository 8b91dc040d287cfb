#pragma once
// Proxy for a host page table; belongs to whoever requested it. Made and
// used on the host's thread that builds the page table; no lock.

#include "AAX_HostPageTableInterfaces.h"
#include "AAX_HostRef.h"
#include "AAX_IPageTable.h"

class AAX_VPageTable final : public AAX_IPageTable {
public:
  // Queries both versions on the host page-table object (none for null).
  explicit AAX_VPageTable(IACFUnknown* pageTableUnknown);
  ~AAX_VPageTable() override;  // releases newest first

  bool HasV1() const { return static_cast<bool>(mV1); }

  AAX_ResultCode CallV1Slot3(void* argument) override;
  AAX_ResultCode CallV1Slot4(void* argument) override;
  AAX_ResultCode CallV1Slot5(void* argument) override;
  AAX_ResultCode CallV1Slot6(void* argument) override;
  AAX_ResultCode CallV1Slot7(void* argument) override;
  AAX_ResultCode CallV1Slot8(void* argument) override;
  AAX_ResultCode CallV1Slot9(void* argument) override;
  AAX_ResultCode CallV1Slot10(void* argument) override;
  AAX_ResultCode CallV1Slot11(void* argument) override;
  AAX_ResultCode CallV2Slot12(void* argument) override;
  AAX_ResultCode CallV2Slot13(void* argument) override;
  AAX_ResultCode CallV2Slot14(void* argument) override;
  AAX_ResultCode CallV2Slot15(void* argument) override;
  AAX_ResultCode CallV2Slot16(void* argument) override;
  AAX_ResultCode CallV2Slot17(void* argument) override;
  AAX_ResultCode CallV2Slot18(void* argument) override;
  AAX_ResultCode CallV2Slot19(void* argument) override;

private:
  AAX_HostRef<AAX_IACFPageTable> mV1;
  AAX_HostRef<AAX_IACFPageTable_V2> mV2;
};
