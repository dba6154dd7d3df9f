// The drawing component: the TOrvane widget, its mouse types, picking, the Qt canvas and printer.
#pragma once

#include "component/pick.h"
#include "orvane/mouse_types.h"
#include "orvane/orvane.h"
#include "platform/qt/qt_canvas.h"
#include "platform/qt/qt_printer.h"
