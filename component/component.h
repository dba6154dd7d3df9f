// The drawing component: the TOrvane widget, its mouse types, picking, the Qt canvas and printer.
#pragma once

#include "component/mouse_types.h"
#include "component/orvane.h"
#include "component/pick.h"
#include "platform/qt/qt_canvas.h"
#include "platform/qt/qt_printer.h"
