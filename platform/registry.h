// Reads of the system registry, in the shape of the Windows calls that the
// About window uses (open a key, query one value, close the key).
//
// This header and the Windows implementation use the standard library only, so
// that the Windows side compiles with a cross-compiler and no Qt.
#pragma once

#include <cstdint>
#include <string>

namespace platform {

using RegKey = std::uintptr_t;

// Root key and value types, with the numbers the Windows API gives them.
inline constexpr RegKey kHkeyLocalMachine = 0x80000002u;
inline constexpr std::uint32_t kRegSz = 1;     // a text
inline constexpr std::uint32_t kRegDword = 4;  // a 32-bit number
inline constexpr std::uint32_t kKeyQueryValue = 0x0001;
inline constexpr long kErrorSuccess = 0;
inline constexpr long kErrorFileNotFound = 2;
inline constexpr long kErrorMoreData = 234;

class Registry {
public:
    virtual ~Registry() = default;
    // Opens subKey below root; 0 on success with *result set, an error code otherwise.
    virtual long openKey(RegKey root, const std::string& subKey, std::uint32_t access,
                         RegKey* result) = 0;
    // Copies the value into data (at most *size bytes); on success *size is the
    // number of bytes written and *type the value's type. A value longer than
    // *size fails with kErrorMoreData.
    virtual long queryValue(RegKey key, const std::string& valueName, std::uint32_t* type,
                            unsigned char* data, std::uint32_t* size) = 0;
    // Closing key 0 (a failed open) does nothing.
    virtual long closeKey(RegKey key) = 0;
};

} // namespace platform

namespace platform {
// The registry of the machine the program runs on (owned by the caller).
Registry* makeSystemRegistry();
} // namespace platform
