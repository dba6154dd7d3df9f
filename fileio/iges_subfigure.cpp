// Subfigure instances (408): the entities of a subfigure definition (308), scaled by S and moved
// to (X, Y, Z), then placed by the instance's own matrix. Definitions may nest.
#include <cmath>
#include <vector>

#include "fileio/iges_entities.h"

namespace orvane::iges {

void draw_instance(Drawer& d, const Place& p) {
  const Params& q = p.params;
  int definition = 0;
  Vec3 at;
  double scale = 1;
  if (!q.integer(1, definition) || !q.vec(2, at) || !q.real(5, scale, 1) || !(scale != 0)) {
    return d.leave_out(p.entry, LeftOut::kDamaged);
  }
  const Entry* def = d.file().entry(definition);
  if (def == nullptr || def->type != 308) return d.leave_out(p.entry, LeftOut::kDamaged);
  const Affine3 placed = p.map * translation(at) * scaling(scale, scale, scale);
  // The definition's own matrix and style apply to its members through draw_child.
  d.draw_child(definition, placed, p.style);
}

void draw_definition(Drawer& d, const Place& p) {
  std::vector<int> members;
  child_pointers(p.entry, p.params, members);
  for (int m : members)
    d.draw_child(m, p.map, p.style);
}

}  // namespace orvane::iges
