#include "frame/PluginReference.h"

namespace {

SPPluginRef gOwnPluginRef = nullptr;

}  // namespace

void SetOwnPluginRef(SPPluginRef plugin) { gOwnPluginRef = plugin; }

SPPluginRef OwnPluginRef() { return gOwnPluginRef; }
