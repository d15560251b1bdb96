#include "simhost/ServicesHandles.h"

namespace sim {

uint64_t NextHandleNumber() {
    static uint64_t next = 0;
    return ++next;
}

} // namespace sim
