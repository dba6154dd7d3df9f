// The icons of the component classes in Designer's widget box, painted rather than stored.
#pragma once

#include <QIcon>

namespace orvane {

QIcon orvane_palette_icon();
QIcon tessary_palette_icon();

}  // namespace orvane
