#include "registry_linux.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cstring>

namespace platform {
namespace {

// Windows compares key and value names without regard to case.
bool sameName(const std::string& a, const std::string& b)
{
    return a.size() == b.size()
           && std::equal(a.begin(), a.end(), b.begin(), [](unsigned char x, unsigned char y) {
                  return std::tolower(x) == std::tolower(y);
              });
}

bool isExecutableFile(const std::string& path)
{
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && ::access(path.c_str(), X_OK) == 0;
}

const char kToolKey[] = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const char kToolValue[] = "PATH";
constexpr RegKey kToolHandle = 1;

class LinuxRegistry final : public Registry {
public:
    explicit LinuxRegistry(std::string pathVariable) : m_path(std::move(pathVariable)) {}

    long openKey(RegKey root, const std::string& subKey, std::uint32_t, RegKey* result) override
    {
        *result = 0;
        if (root != kHkeyLocalMachine || !sameName(subKey, kToolKey))
            return kErrorFileNotFound;
        // Looked up at each opening: a tool installed while the program runs
        // is found at the next click.
        m_tool = findSystemInfoTool(m_path);
        if (m_tool.empty())
            return kErrorFileNotFound;
        *result = kToolHandle;
        return kErrorSuccess;
    }

    long queryValue(RegKey key, const std::string& valueName, std::uint32_t* type,
                    unsigned char* data, std::uint32_t* size) override
    {
        if (key != kToolHandle)
            return 6; // an invalid handle
        if (!sameName(valueName, kToolValue))
            return kErrorFileNotFound;
        const std::size_t needed = m_tool.size() + 1; // with its ending zero byte
        if (needed > *size)
            return kErrorMoreData;
        std::memcpy(data, m_tool.c_str(), needed);
        *size = std::uint32_t(needed);
        *type = kRegSz;
        return kErrorSuccess;
    }

    long closeKey(RegKey) override { return kErrorSuccess; }

private:
    std::string m_path;
    std::string m_tool;
};

} // namespace

const std::vector<std::string>& systemInfoTools()
{
    static const std::vector<std::string> tools = {"hardinfo2", "hardinfo", "kinfocenter",
                                                   "gnome-system-monitor"};
    return tools;
}

std::string findSystemInfoTool(const std::string& pathVariable)
{
    std::vector<std::string> folders;
    std::size_t start = 0;
    for (;;) {
        const std::size_t colon = pathVariable.find(':', start);
        const std::string folder = pathVariable.substr(start, colon == std::string::npos
                                                                  ? std::string::npos
                                                                  : colon - start);
        if (!folder.empty() && folder.front() == '/')
            folders.push_back(folder);
        if (colon == std::string::npos)
            break;
        start = colon + 1;
    }
    for (const std::string& tool : systemInfoTools()) {
        for (const std::string& folder : folders) {
            const std::string candidate = folder + (folder.back() == '/' ? "" : "/") + tool;
            if (isExecutableFile(candidate))
                return candidate;
        }
    }
    return {};
}

Registry* makeLinuxRegistry(const std::string& pathVariable)
{
    return new LinuxRegistry(pathVariable);
}

Registry* makeSystemRegistry()
{
    const char* path = std::getenv("PATH");
    return makeLinuxRegistry(path ? path : "");
}

} // namespace platform
