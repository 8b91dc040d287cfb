#pragma once
// Registration of the effect with the host.

#include "AAX_Result.h"

class AAX_ICollection;
class IACFUnknown;

// Describes the effect through the collection; defined by the deliverable.
// Host's registration thread.
AAX_ResultCode DescribeEffect(AAX_ICollection* collection);

// Host's registration thread. Wraps the host collection, runs DescribeEffect
// and hands the host its registration interface through out. Never throws:
// a failure is traced to the host and answered as a result code. Allocates.
AAX_ResultCode AAXRegisterPlugin(IACFUnknown* hostUnknown, IACFUnknown** out);
