#include "HostObjects.h"

#include "HostIds.h"
#include "SlotTables.h"

namespace fakehost {

Object& MakeHostUnknown(Host& host, const std::string& name) {
  Object& unknown = host.Make(name);
  unknown.Answer(ids::Unknown(), "unknown", UnknownTable());
  unknown.Answer(ids::HostObjectFactory(), "factory", FactoryTable());
  return unknown;
}

Object& MakeHostServices(Host& host, const std::string& name) {
  Object& services = host.Make(name);
  services.Answer(ids::Unknown(), "unknown", UnknownTable());
  services.Answer(ids::HostServicesV1(), "V1", HostServicesTable());
  services.Answer(ids::HostServicesV2(), "V2", HostServicesTable());
  services.Answer(ids::HostServicesV3(), "V3", HostServicesTable());
  Object* shared = &services;
  host.RegisterClass(ids::HostServicesClass(), [shared] { return shared; });
  return services;
}

Object& MakeController(Host& host, const std::string& name) {
  Object& controller = host.Make(name);
  controller.Answer(ids::Unknown(), "unknown", UnknownTable());
  controller.Answer(ids::ControllerV1(), "V1", ControllerTable());
  controller.Answer(ids::ControllerV2(), "V2", ControllerTable());
  controller.Answer(ids::ControllerV3(), "V3", ControllerTable());
  controller.Answer(ids::ControllerV4(), "V4", ControllerPagesTable());
  controller.Answer(ids::ControllerV5(), "V5", ControllerPagesTable());
  controller.Answer(ids::TransportV1(), "transportV1", TransportTable());
  controller.Answer(ids::TransportV2(), "transportV2", TransportTable());
  controller.Answer(ids::AutomationDelegateV1(), "automation", AutomationTable());
  controller.Answer(ids::HostObjectFactory(), "factory", FactoryTable());
  return controller;
}

void RegisterPageTables(Host& host) {
  host.RegisterClass(ids::PageTableClass(), [&host] {
    int count = 1;
    while (host.Find("pageTable" + std::to_string(count))) ++count;
    Object& table = host.Make("pageTable" + std::to_string(count));
    table.Answer(ids::Unknown(), "unknown", UnknownTable());
    table.Answer(ids::PageTableV1(), "V1", PageTableTable());
    table.Answer(ids::PageTableV2(), "V2", PageTableTable());
    return &table;
  });
}

Object& MakeViewContainer(Host& host, const std::string& name) {
  Object& view = host.Make(name);
  view.Answer(ids::Unknown(), "unknown", UnknownTable());
  view.Answer(ids::ViewContainerV1(), "V1", ViewContainerTable());
  view.Answer(ids::ViewContainerV2(), "V2", ViewContainerTable());
  return view;
}

Object& MakeCollection(Host& host, const std::string& name) {
  Object& collection = host.Make(name);
  collection.Answer(ids::Unknown(), "unknown", UnknownTable());
  collection.Answer(ids::Collection(), "collection", OpaqueTable());
  collection.Answer(ids::PluginDefinition(), "definition", UnknownTable());
  Object* shared = &collection;
  host.RegisterClass(ids::CollectionClass(), [shared] { return shared; });
  return collection;
}

}  // namespace fakehost
