#include "panel/WebPage.h"

#include <cstdio>
#include <cstring>

#include "frame/PluginReference.h"
#include "frame/SuiteTable.h"

namespace {

// A byte that stands for itself in the path of a file address.
bool KeptInAddress(unsigned char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
           std::strchr("-._~/:", c) != nullptr;
}

} // namespace

std::string WebPageAddressBeside(const char* modulePath) {
    if (modulePath == nullptr || *modulePath == '\0') return {};
    std::string path(modulePath);
    for (char& c : path) {
        if (c == '\\') c = '/';
    }
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos) return {};  // no folder: not a path the host gives
    path.erase(slash + 1);
    path += kWebPageFileName;
    std::string address = path.front() == '/' ? "file://" : "file:///";
    for (const char c : path) {
        const auto byte = static_cast<unsigned char>(c);
        if (KeptInAddress(byte)) {
            address += c;
        } else {
            char escaped[4];
            std::snprintf(escaped, sizeof escaped, "%%%02X", byte);
            address += escaped;
        }
    }
    return address;
}

std::string WebPageAddress() {
    const char* path = nullptr;
    if (sSPPlugins == nullptr || sSPPlugins->GetPluginFilePath == nullptr ||
        sSPPlugins->GetPluginFilePath(OwnPluginRef(), &path) != kNoErr) {
        return {};
    }
    return WebPageAddressBeside(path);
}
