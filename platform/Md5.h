#pragma once
// The MD5 digest as MD5加密 shows it, through the system's cryptography (platform/Digests.h).

#include <array>
#include <string_view>

namespace jsdebug::platform {

using Md5Digest = std::array<unsigned char, 16>;

// False only when the provider cannot be had (out of memory); no digest is better than a wrong one.
bool md5(std::string_view bytes, Md5Digest& digest);

}  // namespace jsdebug::platform
