#pragma once
// Host objects of the description are made through the host's object
// factory. A host that reports success but hands back no object (from the
// factory query or from the creation) is in error: that raises
// AAX::Exception::ResultError(ACF_NULL_HOST_OBJECT), which the registration
// entry point turns into its result.

#include "AAX_Exception.h"
#include "AAX_HostRef.h"
#include "AAX_InterfaceIds.h"

// Host's registration thread; no allocation. The host's answer (-20004 for
// a null unknown); factory holds the factory on success.
inline AAX_ResultCode AAX_QueryHostFactory(IACFUnknown* hostUnknown,
                                           AAX_HostRef<AAX_IACFHostObjectFactory>& factory) {
  const AAX_ResultCode result = factory.QueryFrom(hostUnknown, AAX_IID_HostObjectFactory);
  if (result == ACF_OK && !factory) throw AAX::Exception::ResultError(ACF_NULL_HOST_OBJECT);
  return result;
}

// Host's registration thread; the host allocates. A new object of classId
// with its interface iid in object; the host's answer (-20004 without a
// factory).
template <class Interface>
AAX_ResultCode AAX_CreateHostObject(AAX_IACFHostObjectFactory* factory, const AAX_GUID& classId,
                                    const AAX_GUID& iid, AAX_HostRef<Interface>& object) {
  const AAX_ResultCode result = object.CreateFrom(factory, classId, iid);
  if (result == ACF_OK && !object) throw AAX::Exception::ResultError(ACF_NULL_HOST_OBJECT);
  return result;
}
