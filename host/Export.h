// Marks the few symbols the module exports to its host: the entry and the resource table.
#pragma once

#if defined(__GNUC__)
#define TAVORINE_PLUGIN_EXPORT __attribute__((visibility("default")))
#else
#define TAVORINE_PLUGIN_EXPORT
#endif
