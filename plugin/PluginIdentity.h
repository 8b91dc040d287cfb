#pragma once
// Who the plug-in is, as every format layer reports it.

constexpr int FourCharCode(const char (&code)[5]) {
  return (static_cast<unsigned char>(code[0]) << 24) | (static_cast<unsigned char>(code[1]) << 16) |
         (static_cast<unsigned char>(code[2]) << 8) | static_cast<unsigned char>(code[3]);
}

constexpr const char* kPluginName = "VimbraOndelino";
constexpr const char* kPluginMaker = "Vimbra";
constexpr const char* kPluginChannelIO = "1-1 2-2";
constexpr int kPluginVersion = 0x00010200;  // 1.2.0
constexpr const char* kPluginVersionText = "v1.2.0";
constexpr int kPluginUniqueId = FourCharCode("Odln");
constexpr int kPluginMakerId = FourCharCode("VmBa");
