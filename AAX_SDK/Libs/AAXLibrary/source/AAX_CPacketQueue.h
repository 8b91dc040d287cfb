#pragma once
// The packet dispatcher of an effect-parameters object: packets of data for
// ports of the host's processing side, each made dirty by changes of the
// parameters registered for it and posted to the host, after a handler has
// filled it, when the host flushes the queue.
//
// SetDirty runs on the host's parameter thread, Dispatch when the host
// flushes; both under the queue's owner mutex, which a thread already
// holding it re-enters. Registration allocates; SetDirty and Dispatch do not.

#include "AAX_COwnerMutex.h"
#include "AAX_Result.h"

#include <cstdint>
#include <map>
#include <memory>
#include <string>

class AAX_CEffectParameters;
class AAX_IController;

// One packet: the host port (field index) it goes to and its data.
struct AAX_CPacket {
  int32_t fieldIndex = 0;
  bool dirty = false;
  uint32_t size = 0;
  std::unique_ptr<unsigned char[]> data;
};

// Fills a packet before it is posted; 0 means the packet is ready.
class AAX_IPacketHandler {
public:
  virtual ~AAX_IPacketHandler() = default;
  virtual AAX_ResultCode UpdatePacket(const char* parameterId, AAX_CPacket& packet) = 0;
};

class AAX_CPacketQueue {
public:
  AAX_CPacketQueue();  // makes the mutex (none when the system refuses)
  ~AAX_CPacketQueue();
  AAX_CPacketQueue(const AAX_CPacketQueue&) = delete;
  AAX_CPacketQueue& operator=(const AAX_CPacketQueue&) = delete;

  void SetController(AAX_IController* controller) { mController = controller; }
  void SetOwner(AAX_CEffectParameters* owner) { mOwner = owner; }
  AAX_CEffectParameters* Owner() const { return mOwner; }

  // The packet for fieldIndex with size zeroed bytes; an existing packet of
  // that field is answered as it is. Null when memory runs out.
  AAX_CPacket* AddPacket(int32_t fieldIndex, uint32_t size);
  // Changes of parameterId make packet dirty; handler fills it before each
  // post. Null arguments register nothing.
  void AddHandler(const char* parameterId, AAX_CPacket* packet,
                  std::unique_ptr<AAX_IPacketHandler> handler);

  // Marks every packet registered for parameterId dirty (or clean). 0.
  AAX_ResultCode SetDirty(const char* parameterId, bool dirty);
  // Posts every dirty packet (handlers in parameter-identifier order) whose
  // handler answers 0, and marks each dirty packet clean. The last post's
  // result; 0 when nothing was posted.
  AAX_ResultCode Dispatch();

private:
  struct HandlerEntry {
    AAX_CPacket* packet;
    std::unique_ptr<AAX_IPacketHandler> handler;
  };

  std::map<int32_t, std::unique_ptr<AAX_CPacket>> mPackets;
  std::multimap<std::string, HandlerEntry, std::less<>> mHandlers;
  AAX_IController* mController = nullptr;  // not owned
  AAX_CEffectParameters* mOwner = nullptr;  // not owned
  std::unique_ptr<AAX_COwnerMutex> mMutex;
};
