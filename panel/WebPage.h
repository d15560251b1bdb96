// The page the panel's web-page button opens: until the project has a site of its own, the README installed
// beside the plug-in's module, as a file address.
#pragma once

#include <string>

// The file name of the page, beside the module.
inline constexpr const char* kWebPageFileName = "README.md";

// The file address of kWebPageFileName in the folder of the module at `modulePath` (a platform path, with
// forward or backward slashes, a drive letter or not); bytes that an address may not hold are percent-encoded.
// Empty for a null path or one without a folder.
std::string WebPageAddressBeside(const char* modulePath);
// The same for the module the host loaded the plug-in from; empty when the host names no module file.
std::string WebPageAddress();
