#!/usr/bin/python3
"""Checks the DXF reader against ezdxf, used here only as an independent reading of the same
files.

For each DXF file of the corpus, ezdxf reads it and walks model space (blocks, dimensions and
polylines exploded into their parts) and this script samples points along everything it would
draw; the dump tool (tools/dump_drawing) prints the elements our reader made. Both directions
are checked within a tolerance relative to the drawing's size plus the chord tolerance:
every ezdxf sample must lie near our geometry, and every sample of ours near ezdxf's.

  /usr/bin/python3 tests/oracle/dxf_oracle.py --dump build/tools/dump_drawing \
      --corpus ../shared/corpus/dxf [file names ...]

Exit status: 0 when every file agrees, 1 on any mismatch, 77 when the corpus folder is missing
or ezdxf cannot be imported (the test is then skipped).
"""

import argparse
import collections
import glob
import importlib.util
import math
import os
import subprocess
import sys
import time

SKIP_CODE = 77

# Entities that neither side draws as geometry: text, fills, images, viewports, infinite lines,
# solids of an ACIS body and meshes are left out by the reader (and listed in its load report).
NOT_DRAWN = {
    "TEXT", "MTEXT", "ATTRIB", "ATTDEF", "HATCH", "MPOLYGON", "IMAGE", "VIEWPORT", "RAY",
    "XLINE", "WIPEOUT", "3DSOLID", "REGION", "BODY", "SURFACE", "MESH", "MULTILEADER",
    "MLEADER", "SHAPE", "TOLERANCE", "OLE2FRAME", "ACAD_TABLE", "UNDERLAY", "PDFUNDERLAY",
    "DWFUNDERLAY", "DGNUNDERLAY",
}

# Entities whose drawing is a block or a set of simpler entities that ezdxf makes for them.
EXPLODED = {"DIMENSION", "ARC_DIMENSION", "LARGE_RADIAL_DIMENSION", "LEADER", "MLINE"}

MAX_DEPTH = 32


# --- small vector helpers on tuples --------------------------------------------------------

def sub(a, b):
    return (a[0] - b[0], a[1] - b[1], a[2] - b[2])


def add(a, b):
    return (a[0] + b[0], a[1] + b[1], a[2] + b[2])


def scale(a, s):
    return (a[0] * s, a[1] * s, a[2] * s)


def dot(a, b):
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]


def cross(a, b):
    return (a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0])


def norm(a):
    return math.sqrt(a[0] * a[0] + a[1] * a[1] + a[2] * a[2])


def lerp(a, b, t):
    return (a[0] + (b[0] - a[0]) * t, a[1] + (b[1] - a[1]) * t, a[2] + (b[2] - a[2]) * t)


def fmt(p):
    return "(%.6g, %.6g, %.6g)" % p


# --- geometry of one side --------------------------------------------------------------------

class Side:
    """The geometry one reader made: primitives to measure distances to, and the sample points
    that the other side must come near. Each primitive and sample carries a tag naming its
    source (an entity and handle, or an element). Points are kept apart from curves: a point
    must meet a point of the other side, a curve's sample a curve of the other side."""

    def __init__(self, name):
        self.name = name
        # ("S", a, b) segment, ("P", p) point, ("C", centre, normal, radius, a, b) arc piece
        self.prims = []
        self.prim_tags = []
        self.samples = []  # (point, tag) along lines and arcs
        self.point_samples = []  # (point, tag) of points
        self.counts = collections.Counter()

    def point(self, p, tag):
        self.prims.append(("P", p))
        self.prim_tags.append(tag)
        self.point_samples.append((p, tag))

    def chain(self, pts, tag, spacing):
        for a, b in zip(pts, pts[1:]):
            self.segment(a, b, tag, spacing)
        if len(pts) == 1:
            self.segment(pts[0], pts[0], tag, spacing)

    def segment(self, a, b, tag, spacing):
        self.prims.append(("S", a, b))
        self.prim_tags.append(tag)
        n = min(max(1, int(math.ceil(norm(sub(b, a)) / spacing))), 400)
        for i in range(n + 1):
            self.samples.append((lerp(a, b, i / n), tag))

    def arc(self, pts, tag, spacing):
        """Points printed along one of our arcs: the arc is rebuilt exactly from them so that
        distances to it do not suffer from the chords between samples."""
        pieces = arc_pieces(pts)
        if pieces is None:
            # Every point the same (radius 0) or not one arc: measured as drawn.
            self.chain(pts, tag, spacing)
            return
        for prim in pieces:
            _, c, _, r, a, b = prim
            self.prims.append(prim)
            self.prim_tags.append(tag)
            self.samples.append((a, tag))
            self.samples.append((arc_between(c, r, a, b, 0.5), tag))
        self.samples.append((pts[-1], tag))

    def box(self):
        lo = [math.inf] * 3
        hi = [-math.inf] * 3
        for p, _ in self.samples + self.point_samples:
            for k in range(3):
                if p[k] < lo[k]:
                    lo[k] = p[k]
                if p[k] > hi[k]:
                    hi[k] = p[k]
        return lo, hi


def arc_pieces(pts):
    """The arc pieces ("C", centre, normal, radius, a, b) between consecutive points, or None
    unless the points lie on one circle (centre and radius from three of them) and turn one way
    round it in steps of at most 45 degrees."""
    n = len(pts) - 1
    circle = circle_through(pts[0], pts[n // 3], pts[(2 * n) // 3]) if n >= 3 else None
    if circle is None:
        return None
    c, r = circle
    slack = 1e-8 * max(r, max(abs(v) for v in c))
    if abs(norm(sub(pts[0], c)) - r) > slack:
        return None
    pieces = []
    turn = None
    for a, b in zip(pts, pts[1:]):
        ua, ub = sub(a, c), sub(b, c)
        m = cross(ua, ub)
        mn = norm(m)
        if abs(norm(ub) - r) > slack or mn <= 1e-12 * r * r or dot(ua, ub) < 0.7 * r * r:
            return None
        normal = scale(m, 1 / mn)
        if turn is None:
            turn = normal
        elif dot(turn, normal) < 0.5:
            return None
        pieces.append(("C", c, normal, r, a, b))
    return pieces


def arc_between(c, r, a, b, t):
    """The point of the circle (centre c, radius r) in the direction between a and b, a fraction
    t of the way (in direction, not angle) from a to b; a and b less than 180 degrees apart."""
    d = lerp(sub(a, c), sub(b, c), t)
    dl = norm(d)
    return add(c, scale(d, r / dl)) if dl > 0 else a


def circle_through(p, q, s):
    """Centre and radius of the circle through three points, or None when they are (nearly)
    on one line."""
    a = sub(q, p)
    b = sub(s, p)
    axb = cross(a, b)
    d = 2 * dot(axb, axb)
    if d <= 1e-24 * max(dot(a, a), dot(b, b)) ** 2 or d == 0:
        return None
    t = add(scale(cross(axb, a), dot(b, b)), scale(cross(b, axb), dot(a, a)))
    c = add(p, scale(t, 1 / d))
    return c, norm(sub(p, c))


def distance(q, prim):
    kind = prim[0]
    if kind == "S":
        a, b = prim[1], prim[2]
        ab = sub(b, a)
        aq = sub(q, a)
        ll = dot(ab, ab)
        t = 0.0 if ll == 0 else max(0.0, min(1.0, dot(aq, ab) / ll))
        return norm(sub(aq, scale(ab, t)))
    if kind == "P":
        return norm(sub(q, prim[1]))
    _, c, n, r, a, b = prim
    w = sub(q, c)
    h = dot(w, n)
    wp = sub(w, scale(n, h))
    ua = sub(a, c)
    ub = sub(b, c)
    if dot(cross(ua, wp), n) >= 0 and dot(cross(wp, ub), n) >= 0 and norm(wp) > 0:
        return math.hypot(h, norm(wp) - r)
    return min(norm(sub(q, a)), norm(sub(q, b)))


# --- spatial grid ----------------------------------------------------------------------------

class Grid:
    """Primitives filed under every cell that their tolerance neighbourhood touches, so that a
    query looks in the one cell of its point."""

    def __init__(self, side, cell, tol, points):
        """Files the side's points when points is true, else its segments and arcs."""
        self.side = side
        self.cell = cell
        self.tol = tol
        self.cells = collections.defaultdict(list)
        for i, prim in enumerate(side.prims):
            if (prim[0] == "P") == points:
                self._file(i, prim)

    def key(self, p):
        c = self.cell
        return (math.floor(p[0] / c), math.floor(p[1] / c), math.floor(p[2] / c))

    def _file_box(self, keys, lo, hi):
        c = self.cell
        i0, j0, k0 = (math.floor(v / c) for v in lo)
        i1, j1, k1 = (math.floor(v / c) for v in hi)
        for i in range(i0, i1 + 1):
            for j in range(j0, j1 + 1):
                for k in range(k0, k1 + 1):
                    keys.add((i, j, k))

    def _file(self, index, prim):
        keys = set()
        kind = prim[0]
        if kind == "C":
            # Straight pieces along the arc, each with its own small sagitta as extra margin.
            _, c, _, r, a, b = prim
            pieces = max(1, int(math.ceil(norm(sub(b, a)) / self.cell)))
            half = min(1.0, norm(sub(b, a)) / (2 * r * pieces)) if r > 0 else 0.0
            margin = self.tol + r * (1 - math.sqrt(1 - half * half))
            ends = [arc_between(c, r, a, b, s / pieces) for s in range(pieces + 1)]
        else:
            a, b = (prim[1], prim[1]) if kind == "P" else (prim[1], prim[2])
            pieces = max(1, int(math.ceil(norm(sub(b, a)) / self.cell)))
            margin = self.tol
            ends = [lerp(a, b, s / pieces) for s in range(pieces + 1)]
        for p, q in zip(ends, ends[1:]):
            lo = [min(p[k], q[k]) - margin for k in range(3)]
            hi = [max(p[k], q[k]) + margin for k in range(3)]
            self._file_box(keys, lo, hi)
        for key in keys:
            self.cells[key].append(index)

    def near(self, q):
        """True when some primitive lies within the tolerance of q."""
        prims = self.side.prims
        for i in self.cells.get(self.key(q), ()):
            if distance(q, prims[i]) <= self.tol:
                return True
        return False

    def nearest(self, q, rings=3):
        """The nearest primitive's distance and tag within a few cells of q, else (inf, None)."""
        best = (math.inf, None)
        ki, kj, kk = self.key(q)
        seen = set()
        prims = self.side.prims
        for i in range(ki - rings, ki + rings + 1):
            for j in range(kj - rings, kj + rings + 1):
                for k in range(kk - rings, kk + rings + 1):
                    for idx in self.cells.get((i, j, k), ()):
                        if idx in seen:
                            continue
                        seen.add(idx)
                        d = distance(q, prims[idx])
                        if d < best[0]:
                            best = (d, self.side.prim_tags[idx])
        return best


# --- ezdxf's reading -------------------------------------------------------------------------

def read_with_ezdxf(path):
    """The document and how it was read, or (None, reason)."""
    import ezdxf
    from ezdxf import recover

    try:
        return ezdxf.readfile(path), "read"
    except Exception as first:  # damaged files go through ezdxf's recovery reader
        try:
            return recover.readfile(path)[0], "recovered"
        except Exception as second:
            return None, "%s: %s / recover %s: %s" % (
                type(first).__name__, first, type(second).__name__, second)


def wcs(v):
    return (float(v[0]), float(v[1]), float(v[2]))


class EzdxfWalker:
    def __init__(self, side, flat, spacing):
        self.side = side
        self.flat = flat
        self.spacing = spacing
        self.not_drawn = collections.Counter()
        self.errors = collections.Counter()

    def walk(self, entity, tag, depth=0):
        t = entity.dxftype()
        handle = entity.dxf.get("handle", None)
        here = "%s #%s" % (t, handle) if handle else t
        tag = here if tag is None else tag + " > " + here
        if t in NOT_DRAWN:
            self.not_drawn[t] += 1
            return
        if depth > MAX_DEPTH:
            self.errors["nesting past %d" % MAX_DEPTH] += 1
            return
        try:
            self._draw(entity, t, tag, depth)
        except Exception as e:  # an entity ezdxf cannot draw is counted, not fatal
            self.errors["%s: %s %s" % (t, type(e).__name__, e)] += 1

    def _explode(self, entity, tag, depth):
        for child in entity.virtual_entities():
            self.walk(child, tag, depth + 1)

    def _draw(self, e, t, tag, depth):
        side, sp = self.side, self.spacing
        side.counts[t] += 1
        if t == "POINT":
            side.point(wcs(e.dxf.location), tag)
        elif t == "LINE":
            side.segment(wcs(e.dxf.start), wcs(e.dxf.end), tag, sp)
        elif t in ("ARC", "CIRCLE"):
            side.chain([wcs(v) for v in e.flattening(sagitta=self.flat)], tag, sp)
        elif t == "ELLIPSE" and 0 < (e.dxf.end_param - e.dxf.start_param) % math.tau < 1e-9:
            # Allowance for ezdxf: placing a block, it takes the end parameter modulo 2 pi, so an
            # end written as a rounded 2 pi (6.28318530718) lands 4e-13 past the start and the
            # whole ellipse becomes empty (and its flattening fails). Drawn whole here, with
            # ezdxf's own ellipse and steps whose sagitta stays within the flattening distance.
            ct = e.construction_tool()
            a = max(ct.major_axis.magnitude, 1e-300)
            step = 2 * math.acos(max(-1.0, 1 - self.flat / a))
            n = max(8, int(math.ceil(math.tau / step)))
            params = [ct.start_param + math.tau * i / n for i in range(n + 1)]
            side.chain([wcs(v) for v in ct.vertices(params)], tag, sp)
        elif t in ("ELLIPSE", "SPLINE"):
            side.chain([wcs(v) for v in e.flattening(self.flat)], tag, sp)
        elif t in ("LWPOLYLINE", "POLYLINE"):
            # Exploded into LINE and ARC entities (3DFACE for meshes), whose arcs are exact.
            self._explode(e, tag, depth)
        elif t == "3DFACE":
            # Edge i runs from corner i to the next; ezdxf keeps which edges the file hides.
            c = [wcs(e.dxf.get(k)) for k in ("vtx0", "vtx1", "vtx2", "vtx3")]
            for i, visible in enumerate(e.get_edges_visibility()):
                if visible:
                    side.segment(c[i], c[(i + 1) % 4], tag, sp)
        elif t in ("SOLID", "TRACE"):
            from ezdxf import path

            p = path.make_path(e)
            for sub_path in p.sub_paths():
                side.chain([wcs(v) for v in sub_path.flattening(self.flat)], tag, sp)
        elif t == "INSERT":
            inserts = e.multi_insert() if e.mcount > 1 else [e]
            for ins in inserts:
                self._explode(ins, tag, depth)
        elif t in EXPLODED:
            self._explode(e, tag, depth)
        else:
            from ezdxf import path

            p = path.make_path(e)
            for sub_path in p.sub_paths():
                side.chain([wcs(v) for v in sub_path.flattening(self.flat)], tag, sp)


def drawing_extent(doc, flat):
    """The diagonal of the box around ezdxf's geometry, curves flattened within flat."""
    probe = Side("ezdxf")
    walker = EzdxfWalker(probe, flat=flat, spacing=math.inf)
    for e in doc.modelspace():
        walker.walk(e, None)
    if not probe.samples and not probe.point_samples:
        return 0.0
    lo, hi = probe.box()
    return norm(sub(tuple(hi), tuple(lo)))


# --- our reading -----------------------------------------------------------------------------

def run_dump(dump, path):
    try:
        out = subprocess.run([dump, path], capture_output=True, text=True, timeout=120)
    except subprocess.TimeoutExpired:
        return None, "dump timed out"
    report = None
    elements = []
    for line in out.stdout.splitlines():
        if line.startswith("REPORT"):
            report = line[6:].strip()
            continue
        parts = line.split()
        if not parts:
            continue
        values = [float(v) for v in parts[1:]]
        pts = [tuple(values[i:i + 3]) for i in range(0, len(values) - 2, 3)]
        elements.append((parts[0], pts))
    if out.returncode != 0 or report is None:
        return None, "dump failed (exit %d): %s" % (out.returncode, out.stderr.strip()[-300:])
    return elements, report


def our_side(elements, spacing):
    side = Side("ours")
    for number, (kind, pts) in enumerate(elements, 1):
        tag = "%s element %d" % (kind, number)
        side.counts[kind] += 1
        if kind == "P":
            side.point(pts[0], tag)
        elif kind == "L":
            side.segment(pts[0], pts[1], tag, spacing)
        elif kind == "A":
            side.arc(pts, tag, spacing)
    return side


# --- comparison ------------------------------------------------------------------------------

def unmatched(samples, grid):
    return [(p, tag) for p, tag in samples if not grid.near(p)]


def describe(misses, grid, limit):
    """The sources with most unmatched samples and the worst few points."""
    by_tag = collections.Counter(tag for _, tag in misses)
    lines = []
    for tag, count in by_tag.most_common(limit):
        lines.append("      %-46s %6d samples" % (tag, count))
    if len(by_tag) > limit:
        lines.append("      ... and %d more sources" % (len(by_tag) - limit))
    worst = []
    for p, tag in misses[:3000]:
        d, near_tag = grid.nearest(p)
        worst.append((d, p, tag, near_tag))
    worst.sort(key=lambda w: -w[0])
    for d, p, tag, near_tag in worst[:3]:
        where = "nothing within 3 cells" if near_tag is None else "%.4g from %s" % (d, near_tag)
        lines.append("      worst %s of %s: %s" % (fmt(p), tag, where))
    return lines


def check_file(path, args):
    name = os.path.basename(path)
    doc, how = read_with_ezdxf(path)
    if doc is None:
        return "skip", ["skip      %s: ezdxf cannot read it (%s)" % (name, how)]

    elements, report = run_dump(args.dump, path)
    if elements is None:
        return "mismatch", ["MISMATCH  %s: %s" % (name, report)]

    # A first pass over ezdxf's geometry finds the size of the drawing (again, with finer
    # curves, when the first flattening was coarse for that size).
    extent = drawing_extent(doc, 1.0)
    if 0 < extent < 1e3:
        extent = drawing_extent(doc, extent * 1e-3)
    if extent == 0:
        probe = our_side(elements, math.inf)
        lo, hi = probe.box()
        extent = norm(sub(tuple(hi), tuple(lo))) if probe.samples or probe.point_samples else 0.0

    flat = max(args.rel * extent / 2, 1e-9)
    tol = args.rel * extent + args.chord + flat
    spacing = max(extent / 300, tol)
    cell = max(extent / 200, 2 * tol)

    theirs = Side("ezdxf")
    walker = EzdxfWalker(theirs, flat=flat, spacing=spacing)
    for e in doc.modelspace():
        walker.walk(e, None)
    ours = our_side(elements, spacing)

    allowance = ALLOWANCES.get(name)
    our_grids = (Grid(ours, cell, tol, False), Grid(ours, cell, tol, True))
    their_grids = (Grid(theirs, cell, tol, False), Grid(theirs, cell, tol, True))
    missing = (unmatched(theirs.samples, our_grids[0]),
               unmatched(theirs.point_samples, our_grids[1]))
    extra = (unmatched(ours.samples, their_grids[0]),
             unmatched(ours.point_samples, their_grids[1]))

    counts = "ezdxf %s; ours %d L, %d A, %d P" % (
        ", ".join("%d %s" % (n, t) for t, n in sorted(theirs.counts.items())) or "nothing",
        ours.counts["L"], ours.counts["A"], ours.counts["P"])
    head = "%s (%s, tol %.3g)" % (name, how, tol)
    notes = []
    if walker.errors:
        notes.append("      ezdxf could not draw: %s" % dict(walker.errors))
    if walker.not_drawn:
        notes.append("      not compared: %s" % dict(walker.not_drawn))
    notes.append("      report: %s" % report)
    n_missing = len(missing[0]) + len(missing[1])
    n_extra = len(extra[0]) + len(extra[1])
    if not n_missing and not n_extra:
        return "ok", ["ok        %s: %s" % (head, counts)] + notes
    if allowance:
        return "allowed", ["allowed   %s: %s; %d ezdxf samples unmatched, %d of ours; %s" % (
            head, counts, n_missing, n_extra, allowance)] + notes
    lines = ["MISMATCH  %s: %s" % (head, counts)] + notes
    for what, misses, grids, all_samples in (
            ("ezdxf line and curve samples have no line or arc of ours",
             missing[0], our_grids[0], theirs.samples),
            ("ezdxf points have no point of ours", missing[1], our_grids[1],
             theirs.point_samples),
            ("of our line and arc samples have no line or curve of ezdxf's",
             extra[0], their_grids[0], ours.samples),
            ("of our points have no point of ezdxf's", extra[1], their_grids[1],
             ours.point_samples)):
        if misses:
            lines.append("    %d of %d %s near:" % (len(misses), len(all_samples), what))
            lines += describe(misses, grids, args.sources)
    return "mismatch", lines


# Files whose differences are ezdxf's own doing or a documented choice of the reader, with the
# reason. Each is still read and compared; a difference is then reported as allowed.
ALLOWANCES = {
    # The file writes numbers with a decimal comma ("2,5", "0,1"), which are not DXF numbers.
    # ezdxf's recovery reader cuts them at the comma (2.0, 0.0) and draws lines from that, so
    # its reading is no reference here.
    "deb-openscad__testdata_nothing-decimal-comma-separated.dxf":
        "ezdxf reads the decimal-comma values cut at the comma; no reference",
}


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--dump", required=True, help="the dump_drawing executable")
    parser.add_argument("--corpus", required=True, help="folder of DXF files")
    parser.add_argument("--rel", type=float, default=1e-4,
                        help="tolerance relative to the drawing's extent")
    parser.add_argument("--chord", type=float, default=0.01,
                        help="the reader's chord tolerance, in drawing units")
    parser.add_argument("--sources", type=int, default=4,
                        help="how many sources of unmatched samples to name per file")
    parser.add_argument("files", nargs="*", help="only these file names of the corpus")
    args = parser.parse_args()

    if not os.path.isdir(args.corpus):
        print("corpus folder %s is missing: skipped" % args.corpus)
        return SKIP_CODE
    if importlib.util.find_spec("ezdxf") is None:
        print("ezdxf cannot be imported by %s: skipped" % sys.executable)
        return SKIP_CODE
    import logging

    logging.disable(logging.WARNING)  # ezdxf's notes on recovered files

    files = sorted(f for f in glob.glob(os.path.join(args.corpus, "*"))
                   if f.lower().endswith(".dxf"))
    if args.files:
        files = [f for f in files if os.path.basename(f) in args.files]
    if not files:
        print("no DXF files in %s" % args.corpus)
        return 1

    start = time.monotonic()
    results = collections.Counter()
    for path in files:
        t0 = time.monotonic()
        status, lines = check_file(path, args)
        results[status] += 1
        lines[0] += "  [%.2fs]" % (time.monotonic() - t0)
        print("\n".join(lines), flush=True)
    print("%d files: %s; %.1fs" % (len(files), ", ".join(
        "%d %s" % (n, s) for s, n in sorted(results.items())), time.monotonic() - start))
    return 1 if results["mismatch"] else 0


if __name__ == "__main__":
    sys.exit(main())
