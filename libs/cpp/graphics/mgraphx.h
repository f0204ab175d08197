#pragma once

// All public services of the graphics library in one include.
#include "colorreducer.h"
#include "imageeffects.h"
#include "imageprocess.h"
