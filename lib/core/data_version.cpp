#include "core/data_version.h"
