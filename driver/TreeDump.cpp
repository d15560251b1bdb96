#include "driver/TreeDump.h"

#include "simhost/Document.h"

namespace driver {

std::string TreeDump() {
    return sim::TheDocument().DescribeTree();
}

} // namespace driver
