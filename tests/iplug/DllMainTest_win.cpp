#include <gtest/gtest.h>

#include <windows.h>

#include "ModuleInstance.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved);

namespace {

TEST(ModuleEntry, StoresTheInstanceForEveryReason) {
  for (DWORD reason : {DLL_PROCESS_ATTACH, DLL_THREAD_ATTACH, DLL_THREAD_DETACH, DLL_PROCESS_DETACH}) {
    HINSTANCE instance = reinterpret_cast<HINSTANCE>(static_cast<UINT_PTR>(0x1000 + reason));
    EXPECT_TRUE(DllMain(instance, reason, nullptr));
    EXPECT_EQ(static_cast<void*>(instance), gModuleInstance);
  }
}

}  // namespace
