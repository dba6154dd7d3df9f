// Printing the drawing on the current printer: as vectors at the printer's resolution, or as a
// copy of the picture on a canvas stretched over the page.
#pragma once

#include "core/records.h"

namespace orvane {

// Printer pixels per inch along the page width, set by every vector print.
extern int ppi;
// Cleared when a vector print starts; nothing reads it.
extern bool userabort;

// Prints every undeleted element on a visible layer in the current window, the control's width
// (in pixels) mapped onto the page's printable width and the height scaled alike. The window's
// scale and origin are changed for the job and restored afterwards, also when printing fails;
// pscale is 1.0 after it. Arcs print as curves (see draw_3d_arc); the pen colour and the brush
// are set only where they change from one element to the next. A width of 0 or less prints
// nothing. Throws std::runtime_error when
// there is no printer or the job cannot be made; print_on is the caller's to set and clear.
void print_cad_proc(int width);
// Draws one element on the printer's canvas in its print colour; window is not used.
void print_element(int window, const TElement& element);
// Prints a copy of the width x height picture on canvas at the top left of the page, as wide as
// the page's shorter side; inverted when the background is black. An empty picture prints
// nothing. A failing job is aborted and the error passed on.
void print_bmp(Canvas& canvas, int width, int height);

}  // namespace orvane
