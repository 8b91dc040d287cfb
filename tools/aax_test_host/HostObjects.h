#pragma once
// Ready-made host objects: each answers the usual identifiers with the right
// slot tables; tests withhold identifiers or override slots as they need.

#include "FakeHost.h"

namespace fakehost {

// The unknown a host passes to start-up and registration: answers the
// unknown and the host object factory.
Object& MakeHostUnknown(Host& host, const std::string& name = "host");
// The host services, made by the factory for their class (one shared object
// answering versions 1 to 3).
Object& MakeHostServices(Host& host, const std::string& name = "services");
// A controller unknown: controller versions 1 to 5, transport 1 and 2, the
// automation delegate and the host object factory.
Object& MakeController(Host& host, const std::string& name = "controller");
// Registers the page-table class: every creation makes a new object
// "pageTable1", "pageTable2", ... answering versions 1 and 2.
void RegisterPageTables(Host& host);
// A view unknown answering view-container versions 1 and 2.
Object& MakeViewContainer(Host& host, const std::string& name = "view");
// The host collection made by the factory for its class; answers the
// registration interface with an unknown-only face.
Object& MakeCollection(Host& host, const std::string& name = "collection");

}  // namespace fakehost
