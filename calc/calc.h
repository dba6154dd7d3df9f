// The geometry calculator: stateless plane constructions on points, lines and arcs, with
// numbered errors (902 to 908) whose texts are in calcerrstr. Angles are degrees,
// counterclockwise from +X; arcs run counterclockwise from start to end.
#pragma once

#include "calc/arc_measures.h"
#include "calc/arcs.h"
#include "calc/closest_points.h"
#include "calc/element_arcs.h"
#include "calc/elements.h"
#include "calc/errors.h"
#include "calc/fillets.h"
#include "calc/intersections.h"
#include "calc/lines.h"
#include "calc/primitives.h"
#include "calc/sides.h"
#include "calc/tangent_arcs.h"
#include "calc/tangent_lines.h"
