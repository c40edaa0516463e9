// The skin engine's shared drawing and system helpers in one include.
#pragma once

#include "skin/SPUtils_button.h"
#include "skin/SPUtils_compose.h"
#include "skin/SPUtils_draw.h"
#include "skin/SPUtils_geometry.h"
#include "skin/SPUtils_layer.h"
#include "skin/SPUtils_parent.h"
#include "skin/SPUtils_platform.h"
#include "skin/SPUtils_region.h"
#include "skin/SPUtils_text.h"
