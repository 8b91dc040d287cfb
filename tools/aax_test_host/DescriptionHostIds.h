#pragma once
// The identifiers of the description's host objects, spelled as the host
// documents them.

#include "FakeHost.h"

namespace fakehost {
namespace ids {

inline Guid EffectDescriptorClass() { return MakeGuid("{89872C2D-75BC-423F-401B-F9A1BAAD0CCA}"); }
inline Guid EffectDescriptorV1() { return MakeGuid("{96D42C2D-EBBC-41EF-D1CB-499442E40FDA}"); }
inline Guid EffectDescriptorV2() { return MakeGuid("{41ECCC52-416B-4072-84BD-40B05210A74C}"); }
inline Guid ComponentDescriptorClass() { return MakeGuid("{94872C3D-95BC-413D-D0DB-D9B12AAD0CCA}"); }
inline Guid ComponentDescriptorV1() { return MakeGuid("{96E42C2D-E2BC-51EF-61C7-48994AEB0CDA}"); }
inline Guid ComponentDescriptorV2() { return MakeGuid("{1895259E-AAA9-4F0F-A985-149837B76F89}"); }
inline Guid ComponentDescriptorV3() { return MakeGuid("{979CFCD4-2BCB-43AE-9CD0-2D0ECD2ADCD5}"); }
inline Guid PropertyMapClass() { return MakeGuid("{A587AD3D-D53C-4ADC-D0DD-D9D12DDDDCDA}"); }
inline Guid PropertyMapV1() { return MakeGuid("{96EE2C2D-EECC-5EFF-E2D7-E849E3E2EEEE}"); }
inline Guid PropertyMapV2() { return MakeGuid("{7177DF80-7C9C-11E2-B92A-0800200C9A66}"); }
inline Guid PropertyMapV3() { return MakeGuid("{6D4AB208-D34B-4368-B4F1-58BC243F45C9}"); }
inline Guid FeatureInfo() { return MakeGuid("{24545609-A7C4-44D4-ABB8-CF13EA9D0BDF}"); }

}  // namespace ids
}  // namespace fakehost
