#include "AAX_CPacketQueue.h"

#include "AAX_IController.h"

#include <cstring>
#include <new>

AAX_CPacketQueue::AAX_CPacketQueue() : mMutex(AAX_COwnerMutex::Create()) {}

AAX_CPacketQueue::~AAX_CPacketQueue() {
  {
    AAX_COwnerMutexScope lock(mMutex.get());
    mHandlers.clear();
    mPackets.clear();
  }
  mMutex.reset();
}

AAX_CPacket* AAX_CPacketQueue::AddPacket(int32_t fieldIndex, uint32_t size) {
  AAX_COwnerMutexScope lock(mMutex.get());
  auto found = mPackets.find(fieldIndex);
  if (found != mPackets.end()) return found->second.get();
  std::unique_ptr<AAX_CPacket> packet(new (std::nothrow) AAX_CPacket);
  if (!packet) return nullptr;
  packet->data.reset(new (std::nothrow) unsigned char[size == 0 ? 1 : size]);
  if (!packet->data) return nullptr;
  std::memset(packet->data.get(), 0, size);
  packet->fieldIndex = fieldIndex;
  packet->size = size;
  AAX_CPacket* added = packet.get();
  mPackets.emplace(fieldIndex, std::move(packet));
  return added;
}

void AAX_CPacketQueue::AddHandler(const char* parameterId, AAX_CPacket* packet,
                                  std::unique_ptr<AAX_IPacketHandler> handler) {
  if (!parameterId || !packet || !handler) return;
  AAX_COwnerMutexScope lock(mMutex.get());
  mHandlers.emplace(parameterId, HandlerEntry{packet, std::move(handler)});
}

AAX_ResultCode AAX_CPacketQueue::SetDirty(const char* parameterId, bool dirty) {
  if (!parameterId) return AAX_SUCCESS;
  AAX_COwnerMutexScope lock(mMutex.get());
  const auto range = mHandlers.equal_range(parameterId);
  for (auto entry = range.first; entry != range.second; ++entry) entry->second.packet->dirty = dirty;
  return AAX_SUCCESS;
}

AAX_ResultCode AAX_CPacketQueue::Dispatch() {
  AAX_COwnerMutexScope lock(mMutex.get());
  AAX_ResultCode result = AAX_SUCCESS;
  for (auto& entry : mHandlers) {
    AAX_CPacket& packet = *entry.second.packet;
    if (!packet.dirty) continue;
    if (entry.second.handler->UpdatePacket(entry.first.c_str(), packet) == AAX_SUCCESS) {
      // Without a bound controller there is no host to post to.
      result = mController ? mController->PostPacket(packet.fieldIndex, packet.data.get(), packet.size)
                           : AAX_ERROR_NULL_OBJECT;
    }
    packet.dirty = false;
  }
  return result;
}
