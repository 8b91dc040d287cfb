#pragma once
// The library's base of the object the host holds as the plug-in's data
// model: it owns the host parameters in a parameter table, answers the
// host's parameter questions by identifier, saves, restores and compares the
// whole parameter state as one chunk ("elck"), counts state changes and
// keeps the packet queue. Subclasses create their parameters in
// SetUpParameters and may override any operation.
//
// Reference counted through CACFUnknown; the host's first query or add-ref
// makes the count 1, its last release deletes the object.
//
// Threads: every operation is called by the host on its parameter or
// user-interface threads, as noted in AAX_IACFEffectParameters.h; the
// parameter table takes no lock (subclasses serialise what they must), the
// packet queue runs under its own mutex. Binding, texts and chunks allocate.

#include "AAX_CChunkDataParser.h"
#include "AAX_CPacketQueue.h"
#include "AAX_CParameterTable.h"
#include "AAX_IEffectParameters.h"
#include "CACFObject.h"

#include <cstdint>
#include <memory>
#include <set>
#include <string>

class AAX_IController;
class AAX_IPageTable;
class AAX_VAutomationDelegate;
class AAX_VController;
class AAX_VTransport;

// Identifier of the master-bypass parameter, left out of the state chunk.
constexpr const char* kAAX_MasterBypassId = "MasterBypassID";
// Identifier of the preview switch that the host's preview notification sets.
constexpr const char* kAAX_PreviewId = "PreviewID";
// The preview notification ('ASPv'); its data's first 32-bit word is the state.
constexpr uint32_t kAAX_PreviewNotification = 0x41535076u;
// The whole-state chunk: identifier 'elck' and its name.
constexpr uint32_t kAAX_ControlsChunkId = 0x656C636Bu;
constexpr const char* kAAX_ControlsChunkName = "Complete Controls State";

class AAX_CEffectParameters : public CACFObject<AAX_IEffectParameters> {
public:
  AAX_CEffectParameters();
  // Releases what binding made when the host never unbound: the parameters
  // first, then the proxies, newest first.
  ~AAX_CEffectParameters() override;

  // Answers the four effect-parameters identifiers with this object's
  // interface; the rest as CACFUnknown does.
  AAX_ResultCode InternalQueryInterface(const AAX_GUID& iid, void** out) override;

  // Host interface (slots 3-50). Out pointers come from the host: a null one
  // is never written through (it answers -20044 unless noted otherwise).

  // Nothing escapes into the host: a failure answers its result code and
  // leaves the object unbound.
  AAX_ResultCode BindController(IACFUnknown* controllerUnknown) override;
  AAX_ResultCode UnbindController() override;
  AAX_ResultCode OnHostNotification(uint32_t type, const void* data, uint32_t size) override;
  AAX_ResultCode CountParameters(int32_t* count) override;
  AAX_ResultCode GetBypassParameterId(AAX_IString* out) override;
  AAX_ResultCode IsParameterAutomatable(const char* id, bool* out) override;
  AAX_ResultCode GetParameterStepCount(const char* id, int32_t* out) override;
  AAX_ResultCode GetParameterTitle(const char* id, AAX_IString* out) override;
  // A null out answers -20002.
  AAX_ResultCode GetParameterTitleOfLength(const char* id, AAX_IString* out,
                                           int32_t length) override;
  AAX_ResultCode ReadParameterDefault(const char* id, double* out) override;
  AAX_ResultCode WriteParameterDefault(const char* id, double normalized) override;
  AAX_ResultCode GetParameterKind(const char* id, int32_t* out) override;
  AAX_ResultCode GetParameterDirection(const char* id, int32_t* out) override;
  AAX_ResultCode FindParameter(const char* id, AAX_IParameter** out) override;
  AAX_ResultCode IndexOfParameterId(const char* id, int32_t* out) override;
  AAX_ResultCode ParameterIdAt(int32_t index, AAX_IString* out) override;
  AAX_ResultCode GetParameterValueDetails(const char* id, const void* details,
                                          int32_t* out) override;
  AAX_ResultCode ParseParameterText(const char* id, double* out, const AAX_IString* text) override;
  AAX_ResultCode FormatParameterValue(const char* id, double normalized, AAX_IString* out,
                                      int32_t maxLength) override;
  AAX_ResultCode FormatParameterCurrentValue(const char* id, AAX_IString* out,
                                             int32_t maxLength) override;
  AAX_ResultCode ReadParameterNormalized(const char* id, double* out) override;
  AAX_ResultCode RequestParameterNormalized(const char* id, double normalized) override;
  AAX_ResultCode RequestParameterNormalizedDelta(const char* id, double delta) override;
  AAX_ResultCode BeginParameterGesture(const char* id) override;
  AAX_ResultCode EndParameterGesture(const char* id) override;
  AAX_ResultCode ReservedSlot28(void*) override { return AAX_SUCCESS; }
  AAX_ResultCode ApplyParameterNormalized(const char* id, double normalized) override;
  AAX_ResultCode ApplyParameterNormalizedDelta(const char* id, double delta) override;
  AAX_ResultCode FlushParameterPackets() override;
  AAX_ResultCode InitPrivateData(int32_t fieldIndex, void* data, int32_t size) override;
  AAX_ResultCode CountStateChunks(int32_t* out) override;
  AAX_ResultCode StateChunkIdAt(int32_t index, uint32_t* out) override;
  AAX_ResultCode GetStateChunkSize(uint32_t chunkId, uint32_t* out) override;
  AAX_ResultCode SaveStateChunk(uint32_t chunkId, AAX_HostChunk* chunk) override;
  AAX_ResultCode LoadStateChunk(uint32_t chunkId, const AAX_HostChunk* chunk) override;
  AAX_ResultCode CompareStateChunk(const AAX_HostChunk* chunk, bool* isEqual) override;
  AAX_ResultCode GetChangeCount(int32_t* out) override;
  AAX_ResultCode ReservedSlot40(void*) override { return AAX_SUCCESS; }
  AAX_ResultCode ReservedSlot41(void*) override { return AAX_ERROR_UNIMPLEMENTED; }
  AAX_ResultCode ReservedSlot42(void*, void*, void*, int32_t* out) override;
  AAX_ResultCode ReservedSlot43(void*) override { return AAX_SUCCESS; }
  AAX_ResultCode ReservedSlot44(void*) override { return AAX_SUCCESS; }
  AAX_ResultCode ReservedSlot45(void*) override { return AAX_ERROR_UNIMPLEMENTED; }
  AAX_ResultCode ReservedSlot46(void*) override { return AAX_SUCCESS; }
  AAX_ResultCode ReservedSlot47(void*) override { return AAX_SUCCESS; }
  AAX_ResultCode ReservedSlot48(void*) override { return AAX_ERROR_UNIMPLEMENTED; }
  AAX_ResultCode ReservedSlot49(void*) override { return AAX_ERROR_UNIMPLEMENTED; }
  AAX_ResultCode BuildPageTable(uint32_t first, uint32_t second, IACFUnknown* hostUnknown,
                                IACFUnknown* pageTableUnknown) override;

  // Hooks of the class, never called by the host.
  // Fills the page table that BuildPageTable obtained; -20009 here.
  virtual AAX_ResultCode UpdatePageTable(uint32_t first, uint32_t second, AAX_IPageTable* table);
  // Creates the subclass's parameters during binding; 0 here.
  virtual AAX_ResultCode SetUpParameters();

  // The host controller proxy; null while unbound.
  AAX_IController* Controller() const;

protected:
  AAX_CParameterTable& ParameterTable() { return mParameterTable; }
  AAX_CPacketQueue& PacketQueue() { return mPacketQueue; }
  // One more state change for the host to see (wraps instead of overflowing).
  void IncrementChangeCount();

private:
  // The order in which the proxies go once the parameters are gone. The host
  // sees it as the order in which its references come back: unbinding gives
  // up the controller, the automation delegate and the transport in that
  // order; a release without unbinding gives them up newest first.
  enum class ProxyOrder { kUnbind, kNewestFirst };
  // What binding built: the parameters, then the proxies in order.
  void ReleaseBinding(ProxyOrder order = ProxyOrder::kUnbind);
  AAX_ResultCode BindProxiesAndParameters(IACFUnknown* controllerUnknown);
  // Fills the parser with one entry per chunked parameter.
  void BuildChunkEntries();
  bool IsExcluded(const char* id) const;
  // Calls visit(parameter, id) for each parameter the state chunk holds, in
  // table order, until it answers false. An empty table entry is reported
  // as an assertion at assertLine, or skipped silently when that is 0.
  template <typename Visit>
  void ForEachChunkParameter(int assertLine, Visit visit);

  int32_t mChangeCount = 0;
  int32_t mLastChunkSize = 0;
  AAX_CChunkDataParser mChunkParser;
  AAX_CPacketQueue mPacketQueue;
  AAX_CParameterTable mParameterTable;
  std::set<std::string, std::less<>> mExcludedIds;
  std::unique_ptr<AAX_VController> mController;
  std::unique_ptr<AAX_VTransport> mTransport;
  std::unique_ptr<AAX_VAutomationDelegate> mAutomationDelegate;
};
