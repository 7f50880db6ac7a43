// Writes the truncated coefficient tables of the ephemeris (platform/astro/ElpMpp02Series.cpp and
// platform/astro/Vsop87EarthSeries.cpp) from the published series data shipped in the npm
// package "astronomia" (MIT licence). Only the numbers are taken from there.
//
//   node tools/gen_astro_series.mjs <astronomia data folder> [--full <out folder> | --reference]
//
// With --full the untruncated tables are written, under the same names, into <out folder>
// instead. With --reference they are written into a scratch folder and compiled, with the
// ephemeris and tools/full_series_reference.cpp, into a program whose output becomes
// tests/data/astro_full_series_reference.csv (needs a C++20 compiler as "c++", or $CXX).
//
// The data give every argument as a polynomial in time. The arguments of both theories are
// integer combinations of a few angles (the Delaunay arguments of the Moon and the mean longitudes
// of the planets), and the tables are written in that form: a set of basis angles, a product tree
// whose nodes are e^{i·argument} built from powers of e^{i·angle}, and per term a node and the
// coefficients of its cosine and sine. The program evaluating them then needs one sine and cosine
// per basis angle instead of one per term. The multipliers are recovered here from the arguments;
// an argument that no small combination reproduces becomes a basis angle of its own.
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';

const here = path.dirname(fileURLToPath(import.meta.url));
const args = process.argv.slice(2);
if (args.length < 1) {
  console.error('usage: node tools/gen_astro_series.mjs <astronomia data folder> [--full <out folder> | --reference]');
  process.exit(2);
}
const dataDir = path.resolve(args[0]);
const repo = path.join(here, '..');
const fullIdx = args.indexOf('--full');
const reference = args.includes('--reference');
const full = fullIdx >= 0 || reference;
const outDir = reference ? fs.mkdtempSync(path.join(os.tmpdir(), 'astro-full-'))
  : fullIdx >= 0 ? path.resolve(args[fullIdx + 1]) : path.join(repo, 'platform', 'astro');

const load = async (name) => (await import(pathToFileURL(path.join(dataDir, name)).href)).default;
const elp = await load('elpMppDeFull.js');
const vsop = await load('vsop87Dearth.js');

// Truncation rules. The factor 5^k keeps the terms of the higher powers of time that matter
// 5000 years from J2000 (|τ| up to 5 millennia).
const ELP_MIN_ARCSEC = 0.01;
const VSOP_L_MIN_RAD = 3e-8;
const VSOP_R_MIN_AU = 1e-6;
const keepElp = (row) => full || Math.abs(row[0]) >= ELP_MIN_ARCSEC;
const keepVsop = (min) => (k) => (row) => full || Math.abs(row[0]) * 5 ** k >= min;

// Shortest text that reads back as the same double.
const num = (x) => {
  if (Object.is(x, -0)) x = 0;
  const s = String(x);
  return /[.eE]/.test(s) ? s : s + '.0';
};
const byAmplitude = (a, b) => Math.abs(b[0]) - Math.abs(a[0]);

// ---------------------------------------------------------------------------------------------
// Integer structure of the arguments.

// A basis angle: name, polynomial coefficients of t, t², t³, t⁴ (no constant term) and the largest
// multiplier tried for it when a linear rate is decomposed.
const angle = (name, poly, range = 0) => ({ name, poly: [0, 0, 0, 0].map((_, i) => poly[i] || 0), range });

// Decomposes `rate` into at most four multiples of the linear basis angles `basis` (indices into
// `all`), within tol: meet in the middle over all single and paired multiples. Prefers the
// combination with the smallest sum of |multipliers|. Returns a Map index -> multiplier, or null.
function makeRateSolver(all, basis, tol) {
  const parts = [{ f: 0, m: [] }];
  for (let a = 0; a < basis.length; a++) {
    const A = all[basis[a]];
    for (let i = -A.range; i <= A.range; i++) {
      if (i === 0) continue;
      parts.push({ f: i * A.poly[0], m: [[basis[a], i]] });
      for (let b = a + 1; b < basis.length; b++) {
        const B = all[basis[b]];
        for (let j = -B.range; j <= B.range; j++) {
          if (j !== 0) parts.push({ f: i * A.poly[0] + j * B.poly[0], m: [[basis[a], i], [basis[b], j]] });
        }
      }
    }
  }
  const width = Math.max(tol * 4, 1e-6);
  const buckets = new Map();
  for (const p of parts) {
    p.norm = p.m.reduce((s, [, i]) => s + Math.abs(i), 0);
    const k = Math.round(p.f / width);
    if (!buckets.has(k)) buckets.set(k, []);
    buckets.get(k).push(p);
  }
  const memo = new Map();
  return (rate) => {
    if (memo.has(rate)) return memo.get(rate);
    let best = null;
    for (const p of parts) {
      const need = rate - p.f;
      const k = Math.round(need / width);
      for (const kk of [k - 1, k, k + 1]) {
        for (const q of buckets.get(kk) || []) {
          const err = Math.abs(need - q.f);
          if (err > tol) continue;
          const norm = p.norm + q.norm;
          if (best && (norm > best.norm || (norm === best.norm && err >= best.err))) continue;
          best = { norm, err, p, q };
        }
      }
    }
    let m = null;
    if (best) {
      m = new Map();
      for (const [b, i] of [...best.p.m, ...best.q.m]) m.set(b, (m.get(b) || 0) + i);
      for (const [b, i] of m) if (i === 0) m.delete(b);
    }
    memo.set(rate, m);
    return m;
  };
}

// Solves a 3x3 linear system (Gauss with partial pivoting).
function solve3(M, rhs) {
  const A = M.map((r, i) => [...r, rhs[i]]);
  for (let c = 0; c < 3; c++) {
    let p = c;
    for (let r = c + 1; r < 3; r++) if (Math.abs(A[r][c]) > Math.abs(A[p][c])) p = r;
    [A[c], A[p]] = [A[p], A[c]];
    for (let r = 0; r < 3; r++) {
      if (r === c) continue;
      const f = A[r][c] / A[c][c];
      for (let k = c; k <= 3; k++) A[r][k] -= f * A[c][k];
    }
  }
  return A.map((r, i) => r[3] / r[i]);
}

// The phasors e^{i·x} of all arguments, each the product of two earlier ones (or of one and the
// conjugate of another): entry 0 is 1, entries 1..A are e^{i·angle} of the A basis angles, and
// every further entry is a node. Arguments are added in order of growing complexity, each made
// from two known ones when possible, otherwise from its leading angles and its last angle's
// multiple (so that terms sharing their Delaunay part share that node). `vectors` hold the
// multipliers of the first nAngles angles; the angles after them (totalAngles in all) stand each
// for one whole argument and need no node.
function buildTree(nAngles, totalAngles, vectors) {
  const key = (v) => v.join(',');
  const known = new Map();
  const list = [];
  const zero = new Array(nAngles).fill(0);
  known.set(key(zero), 0);
  list.push(zero);
  for (let b = 0; b < nAngles; b++) {
    const v = [...zero];
    v[b] = 1;
    known.set(key(v), b + 1);
    list.push(v);
  }
  const nodes = [];
  const add = (v, a, b, conj) => {
    nodes.push({ a, b, conj });
    known.set(key(v), list.length);
    list.push(v);
    return list.length - 1;
  };
  const build = (v) => {
    const k = key(v);
    if (known.has(k)) return known.get(k);
    // Two known arguments whose sum or difference it is (looked for among all of them only while
    // they are few: the untruncated tables have thousands).
    for (let i = 1; list.length < 2000 && i < list.length; i++) {
      const sum = known.get(key(v.map((x, j) => x - list[i][j])));
      if (sum !== undefined) return add(v, i, sum, false);
      const diff = known.get(key(v.map((x, j) => list[i][j] - x)));
      if (diff !== undefined) return add(v, i, diff, true);
    }
    // A known argument and one angle's whole multiple, or a known argument one step of one
    // angle away.
    for (let j = 0; j < nAngles; j++) {
      if (v[j] === 0) continue;
      const rest = known.get(key(v.map((x, i) => (i === j ? 0 : x))));
      const multiple = known.get(key(zero.map((_, i) => (i === j ? v[j] : 0))));
      if (rest !== undefined && multiple !== undefined && rest !== 0) return add(v, rest, multiple, false);
      for (const step of [1, -1]) {
        const near = known.get(key(v.map((x, i) => (i === j ? x - step : x))));
        if (near !== undefined && near !== 0) return add(v, near, j + 1, step < 0);
      }
    }
    const last = v.findLastIndex((x) => x !== 0);
    const lead = v.map((x, j) => (j === last ? 0 : x));
    if (lead.some((x) => x !== 0)) {
      const multiple = zero.map((_, j) => (j === last ? v[last] : 0));
      return add(v, build(lead), build(multiple), false);
    }
    // A multiple of one angle: the square of half of it, times the angle once more if odd.
    const multiple = (k) => zero.map((_, j) => (j === last ? k : 0));
    const half = Math.trunc(v[last] / 2);
    if (v[last] === 2 * half) return add(v, build(multiple(half)), build(multiple(half)), false);
    const step = v[last] > 0 ? 1 : -1;
    return add(v, build(multiple(v[last] - step)), last + 1, step < 0);
  };
  const simple = (v) => [v.filter((x) => x !== 0).length, v.reduce((s, x) => s + Math.abs(x), 0)];
  const unique = [...new Map(vectors.map((v) => [key(v), v])).values()].sort((x, y) => {
    const [a1, a2] = simple(x), [b1, b2] = simple(y);
    return a1 - b1 || a2 - b2;
  });
  for (const v of unique) build(v);
  // Renumber level by level (operands stay before their products): consecutive nodes then seldom
  // depend on one another, and the multiplications overlap. Within a level the products with a
  // conjugate come last, so that the branch on it is taken in long runs.
  const first = nAngles + 1;  // list position of the first node
  const depth = new Array(list.length).fill(0);
  nodes.forEach((n, i) => { depth[first + i] = 1 + Math.max(depth[n.a], depth[n.b]); });
  const conj = (x) => (nodes[x - first].conj ? 1 : 0);
  const order = nodes.map((_, i) => first + i).sort((x, y) => depth[x] - depth[y] || conj(x) - conj(y) || x - y);
  const renumber = list.map((_, i) => i);
  order.forEach((old, i) => { renumber[old] = totalAngles + 1 + i; });
  const levelled = order.map((old) => {
    const n = nodes[old - first];
    return { a: renumber[n.a], b: renumber[n.b], conj: n.conj };
  });
  // A whole-argument angle is a number: its index among the angles.
  const phasorOf = (v) => (typeof v === 'number' ? 1 + v : renumber[known.get(key(v))]);
  return { nodes: levelled, phasorOf };
}

// Largest argument error of a term over |t| <= tMax, from its multipliers (none for a term whose
// argument is an angle of its own).
function argumentError(poly, vector, angles, tMax) {
  if (typeof vector === 'number') return 0;
  let worst = 0;
  for (const t of [-tMax, -tMax / 2, tMax / 2, tMax]) {
    let want = 0;
    let got = 0;
    for (let j = 0; j < 4; j++) want += poly[j] * t ** (j + 1);
    vector.forEach((i, b) => { for (let j = 0; j < 4; j++) got += i * angles[b].poly[j] * t ** (j + 1); });
    worst = Math.max(worst, Math.abs(want - got));
  }
  return worst;
}

// ---------------------------------------------------------------------------------------------
// ELP/MPP02: a term is A·sin(φ0 + φ1·T + … + φ4·T⁴), T in Julian centuries.

function elpStructure(rows) {
  // The Delaunay arguments D, F, l, l' (polynomials) from the main terms that are pure multiples
  // of one of them, identified by their rates: l (8328.7 rad/cy), 2D (15542.8), 2F (16866.9),
  // l' (628.3). E = W1 - D is the Earth's mean longitude as the Moon's theory carries it.
  const L0 = elp.L['0'];
  const pick = (rate, div) => {
    const r = L0.filter((x) => Math.abs(x[2] - rate) < 0.1).sort(byAmplitude)[0];
    return r.slice(2, 6).map((x) => x / div);
  };
  const D = pick(15542.75, 2), F = pick(16866.93, 2), l = pick(8328.69, 1), lp = pick(628.30, 1);
  const E = elp.W1.slice(1).map((w, i) => w - D[i]);
  // Mean motions of the planets in rad/cy as the series' arguments use them (fitted to the
  // arguments of the series), and the precession rate that enters through ζ = W1 + p·T.
  const angles = [
    angle('D', D), angle('l', l), angle('F', F), angle("l'", lp), angle('W1 - D', E),
    angle('Earth', [628.3075850810319], 24), angle('Venus', [1021.3285547712446], 24),
    angle('Mars', [334.0612434956169], 24), angle('Jupiter', [52.969097221654565], 24),
    angle('Saturn', [21.32990797664843], 24), angle('Mercury', [2608.7903140247213], 24),
    angle('Uranus', [7.478159828318549], 24), angle('Neptune', [3.8133034725741384], 24),
    angle('precession', [0.0243802956], 1),
  ];
  const planets = [5, 6, 7, 8, 9, 10, 11, 12, 13];
  const M = [1, 2, 3].map((j) => [D, F, l].map((b) => b[j]));
  const solveRate = makeRateSolver(angles, planets, 3e-7);
  const free = new Map();
  const decomposed = rows.map((r) => {
    const phi = r.slice(2, 6);
    let best = null;
    // The non-linear parts fix the multipliers of D, F, l once those of l' and W1 - D are chosen.
    for (let q = -4; q <= 4; q++) {
      for (let e = -4; e <= 4; e++) {
        const x = solve3(M, [1, 2, 3].map((j) => phi[j] - q * lp[j] - e * E[j]));
        const ix = x.map(Math.round);
        const err = Math.max(...x.map((v, i) => Math.abs(v - ix[i])));
        if (!best || err < best.err) best = { err, v: [ix[0], ix[2], ix[1], q, e] };
      }
    }
    const v = new Array(angles.length).fill(0);
    if (best.err < 1e-6) {
      best.v.forEach((i, b) => { v[b] = i; });
      const rest = phi[0] - v.reduce((s, i, b) => s + i * angles[b].poly[0], 0);
      const m = Math.abs(rest) < 1e-9 ? new Map() : solveRate(rest);
      if (m) {
        for (const [b, i] of m) v[b] += i;
        return v;
      }
    }
    return { freeArgument: phi };
  });
  return finishStructure(angles, decomposed, free, 50);
}

// Terms whose argument was not decomposed get a basis angle of their own (one per distinct
// argument), after the others; such a term's vector is that angle's index.
function finishStructure(angles, decomposed, free, tMax) {
  const structured = angles.length;
  const vectors = decomposed.map((d) => {
    if (Array.isArray(d)) return d;
    const key = d.freeArgument.map((x) => x.toPrecision(15)).join(',');
    if (!free.has(key)) {
      free.set(key, angles.length);
      angles.push(angle(`argument ${free.size}`, d.freeArgument));
    }
    return free.get(key);
  });
  return { angles, structured, vectors, tMax };
}

// ---------------------------------------------------------------------------------------------
// VSOP87D: a term is A·cos(B + C·τ), τ in Julian millennia.

function vsopStructure(rates) {
  // Mean longitudes of the planets and the Moon's Delaunay arguments, rad per millennium
  // (Bretagnon & Francou 1988, table of the arguments).
  const angles = [
    angle('Earth', [6283.0758499914], 24), angle('Venus', [10213.2855462110], 24),
    angle('Mars', [3340.6124266998], 24), angle('Jupiter', [529.6909650946], 24),
    angle('Saturn', [213.2990954380], 24), angle('Mercury', [26087.9031415742], 24),
    angle('Uranus', [74.7815985673], 24), angle('Neptune', [38.1330356378], 24),
    angle('D', [77713.7714681205], 4), angle('F', [84334.6615813083], 4),
    angle('l', [83286.9142695536], 4),
  ];
  const planets = angles.length;
  const known = new Map();
  let pending = [...new Set(rates)].filter((c) => c !== 0).sort((a, b) => Math.abs(a) - Math.abs(b));
  // A rate no combination reproduces becomes a basis angle itself, the slowest first, and the
  // rest are tried again with it; after a few rounds the rates still left become angles of their
  // own, as many as there are (the untruncated tables only).
  for (let round = 0; pending.length > 0 && round < 4; round++) {
    const basis = angles.map((_, i) => i);
    const solveRate = makeRateSolver(angles, basis, 1e-8);
    const left = [];
    for (const c of pending) {
      const m = solveRate(c);
      if (m) known.set(c, m);
      else left.push(c);
    }
    if (left.length > 0) angles.push(angle(`rate ${round + 1}`, [left[0]], 1));
    pending = left.slice(1);
  }
  const searched = angles.length;
  const own = new Map();
  const vectors = rates.map((c) => {
    const v = new Array(searched).fill(0);
    if (c === 0) return v;
    if (known.has(c)) {
      for (const [b, i] of known.get(c)) v[b] += i;
      return v;
    }
    const b = angles.slice(planets, searched).findIndex((a) => a.poly[0] === c);
    if (b >= 0) {
      v[planets + b] = 1;
      return v;
    }
    if (!own.has(c)) {
      own.set(c, angles.length);
      angles.push(angle(`rate ${angles.length - planets + 1}`, [c]));
    }
    return own.get(c);
  });
  return { angles, structured: searched, vectors, tMax: 5 };
}

// Basis angles that no term uses are left out.
function dropUnused({ angles, structured, vectors, tMax }) {
  const used = angles.map((_, b) => b >= structured || vectors.some((v) => Array.isArray(v) && v[b] !== 0));
  const index = [];
  let kept = 0;
  used.forEach((u, b) => { index[b] = u ? kept++ : -1; });
  return {
    angles: angles.filter((_, b) => used[b]),
    structured: used.slice(0, structured).filter(Boolean).length,
    vectors: vectors.map((v) => (Array.isArray(v) ? v.filter((_, b) => used[b]) : index[v])),
    tMax,
  };
}

// ---------------------------------------------------------------------------------------------
// Output.

function treeText(prefix, structure, polys) {
  const { angles, structured, vectors, tMax } = structure;
  let worst = 0;
  vectors.forEach((v, i) => { worst = Math.max(worst, argumentError(polys[i], v, angles, tMax)); });
  const tree = buildTree(structured, angles.length, vectors.filter((v) => Array.isArray(v)));
  const text = `// Basis angles: coefficients of t, t², t³, t⁴.
constexpr BasisAngle k${prefix}Angles[] = {
${angles.map((a) => `    {{${a.poly.map(num).join(', ')}}},  // ${a.name}`).join('\n')}
};
constexpr ProductNode k${prefix}Nodes[] = {
${tree.nodes.map((n) => `    {${n.a}, ${n.b}${n.conj ? ' | kConjugate' : ''}},`).join('\n')}
};
static_assert(std::size(k${prefix}Angles) + std::size(k${prefix}Nodes) < kConjugate);
`;
  return { text, tree, worst };
}

const termText = (node, c, s) => `{${node}, ${num(c)}, ${num(s)}}`;

function seriesDecl(name, items) {
  if (items.length === 0) return { decl: '', ref: '{}' };
  return {
    decl: `constexpr TrigTerm ${name}[] = {\n${items.map((t) => `    ${t},`).join('\n')}\n};\n`,
    ref: name,
  };
}

function write(file, header, body) {
  const text = `${header}
// Generated by tools/gen_astro_series.mjs; do not edit.
#include <cstdint>
#include <iterator>

#include "platform/astro/AstroSeries.h"

namespace mirvo::astro::series {
namespace {

${body}
}  // namespace mirvo::astro::series
`;
  fs.mkdirSync(outDir, { recursive: true });
  fs.writeFileSync(path.join(outDir, file), text);
}

// --- ELP/MPP02 longitude ---
const elpRows = [0, 1, 2, 3].map((k) => (elp.L[String(k)] || []).filter(keepElp).sort(byAmplitude));
const elpAll = elpRows.flat();
const elpS = dropUnused(elpStructure(elpAll));
const elpTree = treeText('Elp', elpS, elpAll.map((r) => r.slice(2, 6)));
let at = 0;
const elpParts = elpRows.map((rows, k) => seriesDecl(`kL${k}`, rows.map((r) => {
  const node = elpTree.tree.phasorOf(elpS.vectors[at++]);
  // A·sin(φ0 + x) = A·sin φ0·cos x + A·cos φ0·sin x.
  return termText(node, r[0] * Math.sin(r[1]), r[0] * Math.cos(r[1]));
})));
const elpCount = elpAll.length;
write('ElpMpp02Series.cpp',
  `// The Moon's longitude from the lunar theory ELP/MPP02 with the constants fitted to DE405:
// J. Chapront and G. Francou, "The lunar theory ELP revisited. Introduction of new planetary
// perturbations", Astronomy & Astrophysics 404, 735-742 (2003).
// Longitude on the mean ecliptic of date, counted from the fixed departure point of J2000 (the
// theory's own frame, before its rotation to the J2000 ecliptic).
// ${full ? 'All terms' : `Terms with |A| >= ${ELP_MIN_ARCSEC}"`}: ${elpCount} of ${[0, 1, 2, 3].reduce((s, k) => s + (elp.L[String(k)] || []).length, 0)}, largest first, in arcseconds;
// t is T, Julian centuries of TT from J2000. The arguments are written as integer combinations of
// the basis angles (largest error over |T| <= 50: ${elpTree.worst.toExponential(1)} rad).`,
  `${elpTree.text}
${elpParts.map((p) => p.decl).filter(Boolean).join('\n')}
}  // namespace

const double kElpW1[5] = {${elp.W1.map(num).join(', ')}};

const ArgumentTree kElpTree = {kElpAngles, std::size(kElpAngles), kElpNodes};
const TrigSeries kElpLongitude = {&kElpTree, {${elpParts.map((p) => p.ref).join(', ')}, {}, {}}};
`);

// --- VSOP87D Earth, L and R ---
const vsopRows = (coord, min) => [0, 1, 2, 3, 4, 5].map((k) =>
  (vsop[coord][String(k)] || []).filter(keepVsop(min)(k)).sort(byAmplitude));
const lRows = vsopRows('L', VSOP_L_MIN_RAD);
const rRows = vsopRows('R', VSOP_R_MIN_AU);
const vsopAll = [...lRows.flat(), ...rRows.flat()];
const vsopS = dropUnused(vsopStructure(vsopAll.map((r) => r[2])));
const vsopTree = treeText('Vsop', vsopS, vsopAll.map((r) => [r[2], 0, 0, 0]));
at = 0;
const vsopPart = (prefix) => (rows, k) => seriesDecl(`${prefix}${k}`, rows.map((r) => {
  const node = vsopTree.tree.phasorOf(vsopS.vectors[at++]);
  // A·cos(B + x) = A·cos B·cos x - A·sin B·sin x.
  return termText(node, r[0] * Math.cos(r[1]), -r[0] * Math.sin(r[1]));
}));
const lParts = lRows.map(vsopPart('kL'));
const rParts = rRows.map(vsopPart('kR'));
const total = (c) => Object.values(vsop[c]).reduce((s, a) => s + a.length, 0);
const kept = (rows) => rows.reduce((s, r) => s + r.length, 0);
write('Vsop87EarthSeries.cpp',
  `// The Earth's heliocentric longitude and radius vector from VSOP87D (ecliptic and equinox of
// date): P. Bretagnon and G. Francou, "Planetary theories in rectangular and spherical variables.
// VSOP87 solutions", Astronomy & Astrophysics 202, 309-315 (1988).
// ${full ? 'All terms' : `Series k (multiplied by tau^k) keeps the terms with |A|·5^k >= ${VSOP_L_MIN_RAD} rad (L)
// and >= ${VSOP_R_MIN_AU} AU (R; it enters only the aberration)`}: L ${kept(lRows)} of ${total('L')},
// R ${kept(rRows)} of ${total('R')} terms, largest first; t is tau, Julian millennia of TT from
// J2000. The arguments are written as integer combinations of the basis angles (largest error
// over |tau| <= 5: ${vsopTree.worst.toExponential(1)} rad).`,
  `${vsopTree.text}
${[...lParts, ...rParts].map((p) => p.decl).filter(Boolean).join('\n')}
}  // namespace

const ArgumentTree kVsopEarthTree = {kVsopAngles, std::size(kVsopAngles), kVsopNodes};
const TrigSeries kVsopEarthL = {&kVsopEarthTree, {${lParts.map((p) => p.ref).join(', ')}}};
const TrigSeries kVsopEarthR = {&kVsopEarthTree, {${rParts.map((p) => p.ref).join(', ')}}};
`);
console.log(`wrote ${outDir}: ELP ${elpCount} terms, ${elpS.angles.length} angles, ` +
  `${elpTree.tree.nodes.length} nodes, worst argument error ${elpTree.worst.toExponential(1)} rad; ` +
  `VSOP87 L ${kept(lRows)}, R ${kept(rRows)}, ${vsopS.angles.length} angles, ` +
  `${vsopTree.tree.nodes.length} nodes, worst ${vsopTree.worst.toExponential(1)} rad`);

if (reference) {
  const exe = path.join(outDir, 'full_series_reference');
  const astro = path.join(repo, 'platform', 'astro');
  execFileSync(process.env.CXX || 'c++', ['-std=c++20', '-O2', `-I${repo}`,
    path.join(repo, 'tools', 'full_series_reference.cpp'), path.join(astro, 'Astro.cpp'),
    path.join(astro, 'TrigSeries.cpp'), path.join(astro, 'DeltaT.cpp'),
    path.join(outDir, 'ElpMpp02Series.cpp'), path.join(outDir, 'Vsop87EarthSeries.cpp'),
    '-o', exe], { stdio: 'inherit' });
  const csv = path.join(repo, 'tests', 'data', 'astro_full_series_reference.csv');
  fs.writeFileSync(csv, execFileSync(exe, { maxBuffer: 64 << 20 }));
  fs.rmSync(outDir, { recursive: true, force: true });
  console.log(`wrote ${csv}`);
}
