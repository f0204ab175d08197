#include "mgraphx.h"
