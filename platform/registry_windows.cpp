// The Windows registry, through its 8-bit (ANSI) calls. Standard library and
// the Windows headers only, so that a cross-compiler can build it without Qt.
#include "registry.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

namespace platform {
namespace {

// The handles are the Windows ones, carried as integers of the same width.
HKEY toHkey(RegKey key) { return reinterpret_cast<HKEY>(key); }

// The predefined root keys are 32-bit numbers that Windows sign-extends into
// 64-bit handles; the program writes them unextended.
HKEY rootHkey(RegKey root)
{
    if (root == kHkeyLocalMachine)
        return HKEY_LOCAL_MACHINE;
    return toHkey(root);
}

class WindowsRegistry final : public Registry {
public:
    long openKey(RegKey root, const std::string& subKey, std::uint32_t access,
                 RegKey* result) override
    {
        HKEY opened = nullptr;
        const LONG status =
            ::RegOpenKeyExA(rootHkey(root), subKey.c_str(), 0, REGSAM(access), &opened);
        *result = status == ERROR_SUCCESS ? reinterpret_cast<RegKey>(opened) : 0;
        return status;
    }

    long queryValue(RegKey key, const std::string& valueName, std::uint32_t* type,
                    unsigned char* data, std::uint32_t* size) override
    {
        DWORD valueType = 0;
        DWORD bytes = *size;
        const LONG status =
            ::RegQueryValueExA(toHkey(key), valueName.c_str(), nullptr, &valueType, data, &bytes);
        if (status == ERROR_SUCCESS) {
            *type = valueType;
            *size = bytes;
        }
        return status;
    }

    long closeKey(RegKey key) override
    {
        if (key == 0)
            return ERROR_SUCCESS; // a failed open left nothing to close
        return ::RegCloseKey(toHkey(key));
    }
};

static_assert(sizeof(RegKey) == sizeof(HKEY), "a registry handle fits a RegKey");
static_assert(kErrorSuccess == ERROR_SUCCESS && kErrorFileNotFound == ERROR_FILE_NOT_FOUND
                  && kErrorMoreData == ERROR_MORE_DATA,
              "error codes are Windows' own");
static_assert(kRegSz == REG_SZ && kRegDword == REG_DWORD && kKeyQueryValue == KEY_QUERY_VALUE,
              "types and rights are Windows' own");

} // namespace

Registry* makeSystemRegistry() { return new WindowsRegistry; }

} // namespace platform
