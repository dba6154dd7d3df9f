// The drawing core: records, element store, drawing-wide state, projection, rendering and
// transforms.
#pragma once

#include "core/colors.h"
#include "core/core_state.h"
#include "core/drawing.h"
#include "core/group.h"
#include "core/helpers.h"
#include "core/projection.h"
#include "core/records.h"
#include "core/rendering.h"
#include "core/state.h"
#include "core/store.h"
#include "core/transforms.h"
#include "core/view_fit.h"
#include "core/zoom.h"
