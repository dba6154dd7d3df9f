// Points (116) and lines (110).
#include "fileio/iges_entities.h"

namespace orvane::iges {

void draw_point(Drawer& d, const Place& p) {
  Vec3 at;
  if (p.params.size() < 4 || !p.params.vec(1, at)) return d.leave_out(p.entry, LeftOut::kDamaged);
  const Vec3 model = p.map.point(at);
  if (!is_finite(model)) return d.leave_out(p.entry, LeftOut::kDamaged);
  d.sink().point(model, p.style);
}

// Form 0 is a segment; form 1 a ray and form 2 a line without end, which cannot be drawn.
void draw_line(Drawer& d, const Place& p) {
  if (p.entry.form == 1 || p.entry.form == 2) {
    return d.leave_out(p.entry, LeftOut::kInfinite, true);
  }
  Vec3 a, b;
  if (p.params.size() < 7 || !p.params.vec(1, a) || !p.params.vec(4, b)) {
    return d.leave_out(p.entry, LeftOut::kDamaged);
  }
  const Vec3 ma = p.map.point(a), mb = p.map.point(b);
  if (!is_finite(ma) || !is_finite(mb)) return d.leave_out(p.entry, LeftOut::kDamaged);
  d.sink().line(ma, mb, p.style);
}

}  // namespace orvane::iges
