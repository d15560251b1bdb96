#include "host/Resources.h"
