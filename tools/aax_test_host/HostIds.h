#pragma once
// The identifiers a host knows, spelled as the host documents them.

#include "FakeHost.h"

namespace fakehost {
namespace ids {

inline Guid Unknown() { return MakeGuid("{00000000-0000-0000-C000-000000000046}"); }
inline Guid PluginDefinition() { return MakeGuid("{00EEF015-7FD0-11D6-8485-00306542A024}"); }
inline Guid HostObjectFactory() { return MakeGuid("{382B6A96-7FD0-11D6-BCFE-00306542A024}"); }
inline Guid DescriptionHost() { return MakeGuid("{E5BC71DF-4C1F-4CC4-814A-5A7DD0E70EF5}"); }
inline Guid SecondaryHostInterface() { return MakeGuid("{E51741F1-7FCF-11D6-AAC3-00306542A024}"); }
inline Guid CollectionClass() { return MakeGuid("{89882C2D-77BC-42EF-707B-7981B7BD0CCA}"); }
inline Guid Collection() { return MakeGuid("{96D42C2D-EBBC-41DF-B1AB-9991A2EE0CCA}"); }

inline Guid EffectParameters() { return MakeGuid("{964E333D-334C-533F-C2C7-3834C3C23E3E}"); }
inline Guid EffectGUI() { return MakeGuid("{964E323D-424C-5E1A-2227-282423222E1E}"); }

inline Guid HostServicesClass() { return MakeGuid("{88882C2D-EBBC-42EF-C0AB-8981B0BD0CCA}"); }
inline Guid HostServicesV1() { return MakeGuid("{96D42C2D-EBBC-41EF-B0AB-9991A0ED0CCA}"); }
inline Guid HostServicesV2() { return MakeGuid("{A207EE9E-B442-11E4-A71E-12E3F512A338}"); }
inline Guid HostServicesV3() { return MakeGuid("{12BEA399-9A4F-4353-8098-3916FA71898D}"); }

inline Guid ControllerV1() { return MakeGuid("{9D5E3E3D-52DC-5EFB-2018-DE1DE2E63F4E}"); }
inline Guid ControllerV2() { return MakeGuid("{4C59AA0E-D7C0-4205-8B6C-32468D42D202}"); }
inline Guid ControllerV3() { return MakeGuid("{DD6F168C-DA86-44F8-B864-D6CD221926E7}"); }
inline Guid ControllerV4() { return MakeGuid("{2E9D35FB-BACC-4B2C-B5D7-C6E851F569BD}"); }
inline Guid ControllerV5() { return MakeGuid("{06C6B83E-9D87-4938-8A38-F8E45B10A24A}"); }
inline Guid TransportV1() { return MakeGuid("{5CEE4EF4-6337-4359-B63B-FE58DC36543A}"); }
inline Guid TransportV2() { return MakeGuid("{203CBD9F-982C-4FE6-A827-07480257AEC3}"); }
inline Guid AutomationDelegateV1() { return MakeGuid("{9D5E3D3D-42DC-5EFA-2217-EEE2E8E53E2E}"); }
inline Guid PageTableClass() { return MakeGuid("{DBC22879-A24E-4AC6-9721-938B72D8E81B}"); }
inline Guid PageTableV1() { return MakeGuid("{33C9E5BE-1CE3-4085-91A7-09D6F8EE4B64}"); }
inline Guid PageTableV2() { return MakeGuid("{D0F25D1B-9C5B-4D2E-8F1F-45BC934732F7}"); }
inline Guid ViewContainerV1() { return MakeGuid("{22DA0BBC-D550-4D5E-8CC6-734483B8837F}"); }
inline Guid ViewContainerV2() { return MakeGuid("{9143A0BE-7A79-4D02-AE25-AADBA76A50B2}"); }

}  // namespace ids
}  // namespace fakehost
