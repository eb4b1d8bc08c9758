// Derives data/countries.txt: today's country outlines (Natural Earth 1:50m through the npm
// package world-atlas), clipped to the theatre and simplified. Run by hand, never by the build:
//   npm install world-atlas   (in a scratch folder outside the repository)
//   NODE_PATH=<scratch>/node_modules node countries.js > ../data/countries.txt
// The builder starts from these outlines and lays the 22 June 1941 borders over them
// (data/authored/holders.txt).
'use strict';
const topo = require('world-atlas/countries-50m.json');

const WEST = 4, EAST = 48, SOUTH = 39, NORTH = 71;  // a little beyond the theatre
const TOLERANCE = 0.02;                             // degrees

const [sx, sy] = topo.transform.scale;
const [tx, ty] = topo.transform.translate;
const arcs = topo.arcs.map((arc) => {
  let x = 0, y = 0;
  return arc.map(([dx, dy]) => {
    x += dx;
    y += dy;
    return [x * sx + tx, y * sy + ty];
  });
});

function arcPoints(i) {
  return i >= 0 ? arcs[i] : arcs[~i].slice().reverse();
}

// Russia's outline runs past the date line to Chukotka: a ring that crosses it has its western
// points taken east of 180 degrees, so that clipping folds them onto the east edge of the box
// and not across the whole box.
function ringPoints(ring) {
  const pts = [];
  for (const i of ring) {
    const a = arcPoints(i);
    pts.push(...(pts.length ? a.slice(1) : a));
  }
  const crosses = pts.some(([x]) => x > 170) && pts.some(([x]) => x < -170);
  return crosses ? pts.map(([x, y]) => [x < 0 ? x + 360 : x, y]) : pts;
}

// Sutherland-Hodgman against one edge of the clip box.
function clipEdge(pts, inside, cut) {
  const out = [];
  for (let k = 0; k < pts.length; ++k) {
    const p = pts[k], q = pts[(k + 1) % pts.length];
    const pin = inside(p), qin = inside(q);
    if (pin) out.push(p);
    if (pin !== qin) out.push(cut(p, q));
  }
  return out;
}

function clip(pts) {
  const atX = (x) => (p, q) => [x, p[1] + (q[1] - p[1]) * (x - p[0]) / (q[0] - p[0])];
  const atY = (y) => (p, q) => [p[0] + (q[0] - p[0]) * (y - p[1]) / (q[1] - p[1]), y];
  pts = clipEdge(pts, (p) => p[0] >= WEST, atX(WEST));
  pts = clipEdge(pts, (p) => p[0] <= EAST, atX(EAST));
  pts = clipEdge(pts, (p) => p[1] >= SOUTH, atY(SOUTH));
  pts = clipEdge(pts, (p) => p[1] <= NORTH, atY(NORTH));
  return pts;
}

function simplify(pts) {
  if (pts.length < 4) return pts;
  const keep = new Array(pts.length).fill(false);
  keep[0] = keep[pts.length - 1] = true;
  const stack = [[0, pts.length - 1]];
  while (stack.length) {
    const [a, b] = stack.pop();
    const [x0, y0] = pts[a], [x1, y1] = pts[b];
    const dx = x1 - x0, dy = y1 - y0, norm = Math.hypot(dx, dy);
    let best = -1, at = -1;
    for (let k = a + 1; k < b; ++k) {
      const [x, y] = pts[k];
      const d = norm === 0 ? Math.hypot(x - x0, y - y0) : Math.abs(dy * (x - x0) - dx * (y - y0)) / norm;
      if (d > best) { best = d; at = k; }
    }
    if (best > TOLERANCE) {
      keep[at] = true;
      stack.push([a, at], [at, b]);
    }
  }
  return pts.filter((p, k) => keep[k]);
}

const fmt = (v) => Math.round(v * 1000);
console.log('# Country outlines of today from Natural Earth 1:50m (npm world-atlas), clipped to');
console.log('# 4E..48E, 39N..71N and simplified, derived by derive/countries.js (not at build time).');
console.log('# "country <ISO numeric> <name>", then one outer ring a line: longitude,latitude points in');
console.log('# thousandths of a degree. Holes are left out: none lies inside the theatre.');
const geoms = topo.objects.countries.geometries
  .filter((g) => g.type === 'Polygon' || g.type === 'MultiPolygon')
  .sort((a, b) => a.properties.name.localeCompare(b.properties.name));
for (const g of geoms) {
  const polys = g.type === 'Polygon' ? [g.arcs] : g.arcs;
  const rings = [];
  for (const poly of polys) {
    let pts = clip(ringPoints(poly[0]));
    if (pts.length < 3) continue;
    pts = simplify(pts);
    const uniq = [];
    for (const p of pts) {
      const q = [fmt(p[0]), fmt(p[1])];
      const last = uniq[uniq.length - 1];
      if (!last || last[0] !== q[0] || last[1] !== q[1]) uniq.push(q);
    }
    if (uniq.length >= 3) rings.push(uniq);
  }
  if (!rings.length) continue;
  console.log(`country ${g.id || 0} ${g.properties.name}`);
  for (const r of rings) console.log(r.map(([x, y]) => `${x},${y}`).join(' '));
}
