// The drawing component: the TOrvane widget, its mouse types, picking and the Qt canvas.
#pragma once

#include "component/mouse_types.h"
#include "component/orvane.h"
#include "component/pick.h"
#include "platform/qt/qt_canvas.h"
