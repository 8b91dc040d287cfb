#pragma once
// The effect-parameters interface as the host calls it: the host holds the
// plug-in's data model through this table and asks every parameter question
// by parameter identifier (a NUL-terminated text), saves, restores and
// compares the state as chunks, and polls the change count.
//
// Slot layout as the host's compiler builds it (see IACFUnknown.h): slots 0-2
// are the unknown's, the operations follow in the order declared here, no
// destructor slot, no overloads. The reserved slots serve host features this
// plug-in does not use; they take one opaque argument (or those noted).
//
// Threads: the host's parameter and user-interface threads, possibly more
// than one; the implementation takes no lock for the parameter table (the
// packet queue has its own). Operations that build texts or chunks allocate.

#include "IACFUnknown.h"

#include <cstdint>

class AAX_IParameter;
class AAX_IString;
struct AAX_HostChunk;

class AAX_IACFEffectParameters_V4 : public IACFUnknown {
public:
  // Slot 3: creates the controller, automation and transport proxies over the
  // host's controller unknown and sets up the parameters. Allocates.
  virtual AAX_ResultCode BindController(IACFUnknown* controllerUnknown) = 0;
  // Slot 4: deletes the parameters and the proxies.
  virtual AAX_ResultCode UnbindController() = 0;
  // Slot 5: a host notification of type (four-character code) with its data.
  virtual AAX_ResultCode OnHostNotification(uint32_t type, const void* data, uint32_t size) = 0;
  virtual AAX_ResultCode CountParameters(int32_t* count) = 0;                              // slot 6
  virtual AAX_ResultCode GetBypassParameterId(AAX_IString* out) = 0;                       // slot 7
  virtual AAX_ResultCode IsParameterAutomatable(const char* id, bool* out) = 0;            // slot 8
  virtual AAX_ResultCode GetParameterStepCount(const char* id, int32_t* out) = 0;          // slot 9
  virtual AAX_ResultCode GetParameterTitle(const char* id, AAX_IString* out) = 0;          // slot 10
  virtual AAX_ResultCode GetParameterTitleOfLength(const char* id, AAX_IString* out,
                                                   int32_t length) = 0;                    // slot 11
  virtual AAX_ResultCode ReadParameterDefault(const char* id, double* out) = 0;            // slot 12
  virtual AAX_ResultCode WriteParameterDefault(const char* id, double normalized) = 0;     // slot 13
  virtual AAX_ResultCode GetParameterKind(const char* id, int32_t* out) = 0;               // slot 14
  virtual AAX_ResultCode GetParameterDirection(const char* id, int32_t* out) = 0;          // slot 15
  virtual AAX_ResultCode FindParameter(const char* id, AAX_IParameter** out) = 0;          // slot 16
  virtual AAX_ResultCode IndexOfParameterId(const char* id, int32_t* out) = 0;             // slot 17
  virtual AAX_ResultCode ParameterIdAt(int32_t index, AAX_IString* out) = 0;               // slot 18
  virtual AAX_ResultCode GetParameterValueDetails(const char* id, const void* details,
                                                  int32_t* out) = 0;                       // slot 19
  virtual AAX_ResultCode ParseParameterText(const char* id, double* out,
                                            const AAX_IString* text) = 0;                  // slot 20
  virtual AAX_ResultCode FormatParameterValue(const char* id, double normalized,
                                              AAX_IString* out, int32_t maxLength) = 0;    // slot 21
  virtual AAX_ResultCode FormatParameterCurrentValue(const char* id, AAX_IString* out,
                                                     int32_t maxLength) = 0;               // slot 22
  virtual AAX_ResultCode ReadParameterNormalized(const char* id, double* out) = 0;         // slot 23
  // Slot 24: asks the host (through its automation delegate) for the value;
  // the value changes when the host applies it (slot 29).
  virtual AAX_ResultCode RequestParameterNormalized(const char* id, double normalized) = 0;
  virtual AAX_ResultCode RequestParameterNormalizedDelta(const char* id, double delta) = 0;  // slot 25
  virtual AAX_ResultCode BeginParameterGesture(const char* id) = 0;                        // slot 26
  virtual AAX_ResultCode EndParameterGesture(const char* id) = 0;                          // slot 27
  virtual AAX_ResultCode ReservedSlot28(void* argument) = 0;                               // slot 28
  // Slot 29: the value the host confirms.
  virtual AAX_ResultCode ApplyParameterNormalized(const char* id, double normalized) = 0;
  virtual AAX_ResultCode ApplyParameterNormalizedDelta(const char* id, double delta) = 0;  // slot 30
  virtual AAX_ResultCode FlushParameterPackets() = 0;                                      // slot 31
  // Slot 32: fills the private-data block of a render-context field.
  virtual AAX_ResultCode InitPrivateData(int32_t fieldIndex, void* data, int32_t size) = 0;
  virtual AAX_ResultCode CountStateChunks(int32_t* out) = 0;                               // slot 33
  virtual AAX_ResultCode StateChunkIdAt(int32_t index, uint32_t* out) = 0;                 // slot 34
  virtual AAX_ResultCode GetStateChunkSize(uint32_t chunkId, uint32_t* out) = 0;           // slot 35
  virtual AAX_ResultCode SaveStateChunk(uint32_t chunkId, AAX_HostChunk* chunk) = 0;       // slot 36
  virtual AAX_ResultCode LoadStateChunk(uint32_t chunkId, const AAX_HostChunk* chunk) = 0;  // slot 37
  virtual AAX_ResultCode CompareStateChunk(const AAX_HostChunk* chunk, bool* isEqual) = 0;  // slot 38
  virtual AAX_ResultCode GetChangeCount(int32_t* out) = 0;                                 // slot 39
  virtual AAX_ResultCode ReservedSlot40(void* argument) = 0;                               // slot 40
  virtual AAX_ResultCode ReservedSlot41(void* argument) = 0;                               // slot 41
  virtual AAX_ResultCode ReservedSlot42(void* first, void* second, void* third,
                                        int32_t* out) = 0;                                 // slot 42
  virtual AAX_ResultCode ReservedSlot43(void* argument) = 0;                               // slot 43
  virtual AAX_ResultCode ReservedSlot44(void* argument) = 0;                               // slot 44
  virtual AAX_ResultCode ReservedSlot45(void* argument) = 0;                               // slot 45
  virtual AAX_ResultCode ReservedSlot46(void* argument) = 0;                               // slot 46
  virtual AAX_ResultCode ReservedSlot47(void* argument) = 0;                               // slot 47
  virtual AAX_ResultCode ReservedSlot48(void* argument) = 0;                               // slot 48
  virtual AAX_ResultCode ReservedSlot49(void* argument) = 0;                               // slot 49
  // Slot 50: fills a host page table (control-surface layout) when the
  // page-table unknown answers the first page-table version.
  virtual AAX_ResultCode BuildPageTable(uint32_t first, uint32_t second, IACFUnknown* hostUnknown,
                                        IACFUnknown* pageTableUnknown) = 0;

protected:
  ~AAX_IACFEffectParameters_V4() = default;
};
