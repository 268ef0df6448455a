// Replays a window's display list (the "ops" of the state) onto a canvas, operation by
// operation, with the same geometry as the desktop: outlines through pixel centres, thin lines
// that stop short of their end point, arcs counter-clockwise from the start radial.

const FAMILIES = {
  gothic: '"Velorin Gothic", "IPAGothic", monospace',
  pgothic: '"Velorin PGothic", "IPAPGothic", sans-serif',
  mincho: '"Velorin Mincho", "IPAMincho", serif',
};

// The stand-in faces: the page names its fonts as the original program did.
export function faceKind(face) {
  const f = face.replace(/[ \u3000]/g, '');
  if (f === 'ＭＳ明朝' || f === 'MSSerif') return 'mincho';
  if (f === 'ＭＳＰゴシック') return 'pgothic';
  return 'gothic';
}

// Whether the site's font of a CSS font has arrived. Only the site's own family is asked
// about (asking about the stand-ins makes the browser match system fonts, which is slow), and
// an answer of yes is kept.
const arrived = new Set();
function loaded(font) {
  const own = font.replace(/, .*$/, '');
  if (arrived.has(own)) return true;
  if (!document.fonts.check(own)) return false;
  arrived.add(own);
  return true;
}

export function cssFont(font) {
  const h = Math.max(1, Math.abs(font.height));
  const w = Math.min(1000, Math.max(1, font.weight || 400));
  return `${w} ${h}px ${FAMILIES[faceKind(font.face)]}`;
}

// Per font: its ascent and each character's place, as the desktop lays text out: advances on
// whole pixels (rounded down, so a half-width character of height h is h/2 wide), and a
// character the font lacks (drawn from another font) centred in the cell it would have had.
const metricsCache = new Map();
function fontMetrics(ctx, font) {
  const key = cssFont(font);
  let m = metricsCache.get(key);
  if (!m) {
    ctx.font = key;
    const probe = ctx.measureText('Ag漢');
    m = { ascent: Math.round(probe.fontBoundingBoxAscent ?? Math.abs(font.height) * 0.88),
          chars: new Map(), height: Math.max(1, Math.abs(font.height)), kind: faceKind(font.face) };
    // A font still loading measures as its stand-in: those figures are not kept.
    if (loaded(key)) metricsCache.set(key, m);
  }
  return m;
}

// Each character's width as a share of the font's height, measured once per face.
const shares = new Map();  // face -> { ctx: a canvas set to the face, widths: char -> share }
function share(kind, ch) {
  let face = shares.get(kind);
  const font = `400 64px ${FAMILIES[kind]}`;
  if (!face) {
    const ctx = document.createElement('canvas').getContext('2d');
    ctx.font = font;
    face = { ctx, widths: new Map(), ready: false };
    shares.set(kind, face);
  }
  let w = face.widths.get(ch);
  if (w === undefined) {
    if (!face.ready && loaded(font)) {
      face.ctx.font = font;  // measure in the font itself from now on
      face.ready = true;
    }
    w = face.ctx.measureText(ch).width / 64;
    if (face.ready) face.widths.set(ch, w);
  }
  return w;
}

function halfWidth(ch) {
  const c = ch.codePointAt(0);
  return c <= 0xff || (c >= 0xff61 && c <= 0xff9f);
}

// { advance, offset, exact }: exact when the font's own advance is that whole number of pixels.
function place(ctx, m, ch) {
  let p = m.chars.get(ch);
  if (p) return p;
  const real = share(m.kind, ch) * m.height;
  if (m.kind === 'pgothic') {
    const advance = Math.floor(real + 1e-6);
    p = { advance, offset: 0, exact: Math.abs(real - advance) < 1e-3 };
  } else {
    // The fixed-pitch faces fill half a cell or a whole one; anything else is a stand-in glyph.
    const half = halfWidth(ch);
    const cell = half ? m.height / 2 : m.height;
    const advance = Math.floor(cell);
    p = Math.abs(real - cell) < 0.02 * m.height
      ? { advance, offset: 0, exact: advance === cell }
      : { advance, offset: Math.max(0, (advance - real) / 2), exact: false };
  }
  m.chars.set(ch, p);
  return p;
}

function penStyle(ctx, pen) {
  const w = Math.max(1, pen.width);
  ctx.strokeStyle = pen.color;
  ctx.lineWidth = w;
  ctx.lineCap = w > 1 ? 'round' : 'butt';
  ctx.lineJoin = w > 1 ? 'round' : 'miter';
  ctx.setLineDash(w === 1 && pen.style === 'dot' ? [1, 1] : []);
}

const hatchCache = new Map();
function fillStyle(ctx, brush) {
  if (brush.style === 'solid') return brush.color;
  if (brush.style !== 'bdiagonal') return null;
  let tile = hatchCache.get(brush.color);
  if (!tile) {
    tile = document.createElement('canvas');
    tile.width = tile.height = 8;
    const t = tile.getContext('2d');
    t.fillStyle = brush.color;
    for (let i = 0; i < 8; ++i) t.fillRect(i, 7 - i, 1, 1);  // "/" lines every 8 pixels
    hatchCache.set(brush.color, tile);
  }
  const p = ctx.createPattern(tile, 'repeat');
  return p;
}

function shape(ctx, pen, brush, path) {
  const fill = fillStyle(ctx, brush);
  if (fill) {
    ctx.fillStyle = fill;
    ctx.fill(path, 'evenodd');
  }
  if (pen.style !== 'null') {
    penStyle(ctx, pen);
    ctx.stroke(path);
  }
}

function outline(rect) {
  const [l, t, r, b] = rect;
  return { x: l + 0.5, y: t + 0.5, w: r - l - 1, h: b - t - 1 };
}

// The arc's centre and radii, and the angles where its start and end radials meet the ellipse,
// on the ellipse's parameter (as the canvas and Qt both place arcs).
export function arcGeometry(rect, start, end) {
  const [l, t, r, b] = rect;
  const cx = (l + r) / 2, cy = (t + b) / 2, rx = (r - l) / 2, ry = (b - t) / 2;
  const radial = (p) => {
    const a = Math.atan2(-(p[1] - cy), p[0] - cx) * 180 / Math.PI;
    return a < 0 ? a + 360 : a;
  };
  const onEllipse = (p) => {
    const dx = p[0] - cx, dy = p[1] - cy;
    const k = Math.sqrt((rx > 0 ? dx * dx / (rx * rx) : 0) + (ry > 0 ? dy * dy / (ry * ry) : 0));
    return k === 0 ? [cx + rx, cy] : [cx + dx / k, cy + dy / k];
  };
  const param = ([x, y]) => {
    let a = Math.atan2(ry > 0 ? -(y - cy) / ry : 0, rx > 0 ? (x - cx) / rx : 1) * 180 / Math.PI;
    return a < 0 ? a + 360 : a;
  };
  let sweep = radial(end) - radial(start);
  if (sweep < 0) sweep += 360;
  const whole = Math.abs(sweep) < 1e-9;
  const s = Math.round(param(onEllipse(start)) * 16) / 16;
  let sw = param(onEllipse(end)) - param(onEllipse(start));
  if (sw <= 0) sw += 360;
  return { cx, cy, whole, start: s, sweep: Math.round(sw * 16) / 16 };
}

function arcPath(rect, start, end, pie) {
  const o = outline(rect);
  const cx = o.x + o.w / 2, cy = o.y + o.h / 2;
  const g = arcGeometry(rect, start, end);
  const path = new Path2D();
  const rad = (d) => -d * Math.PI / 180;
  if (g.whole) {
    path.ellipse(cx, cy, Math.max(0, o.w / 2), Math.max(0, o.h / 2), 0, 0, 2 * Math.PI);
    return path;
  }
  if (pie) path.moveTo(cx, cy);
  path.ellipse(cx, cy, Math.max(0, o.w / 2), Math.max(0, o.h / 2), 0, rad(g.start),
               rad(g.start + g.sweep), true);
  if (pie) path.closePath();
  return path;
}

export function drawIcon(ctx, x, y, icon) {
  ctx.save();
  ctx.translate(x, y);
  ctx.setLineDash([]);
  if (icon === 'application') {
    ctx.fillStyle = '#1d5fa8';
    ctx.beginPath();
    ctx.roundRect ? ctx.roundRect(1, 1, 30, 30, 5) : ctx.rect(1, 1, 30, 30);
    ctx.fill();
    ctx.strokeStyle = '#ffffff';
    ctx.lineWidth = 3;
    ctx.lineJoin = ctx.lineCap = 'round';
    ctx.beginPath();
    [[6, 17], [10, 15], [14, 25], [19, 7], [27, 7]].forEach(([px, py], i) =>
      i ? ctx.lineTo(px, py) : ctx.moveTo(px, py));
    ctx.stroke();
  } else {
    ctx.strokeStyle = '#000000';
    ctx.lineWidth = 1.5;
    ctx.fillStyle = '#ffd700';
    ctx.beginPath();
    ctx.moveTo(16, 2); ctx.lineTo(30.5, 29.5); ctx.lineTo(1.5, 29.5); ctx.closePath();
    ctx.fill(); ctx.stroke();
    ctx.lineWidth = 3;
    ctx.lineCap = 'round';
    ctx.beginPath(); ctx.moveTo(16, 11); ctx.lineTo(16, 20); ctx.stroke();
    ctx.beginPath(); ctx.moveTo(16, 25); ctx.lineTo(16, 25.01); ctx.stroke();
  }
  ctx.restore();
}

function text(ctx, op) {
  const m = fontMetrics(ctx, op.font);
  ctx.font = cssFont(op.font);
  let str = op.text;
  const z = str.indexOf('\0');
  if (z >= 0) str = str.slice(0, z);
  const chars = Array.from(str);
  const places = chars.map((c) => place(ctx, m, c));
  if (op.opaque) {
    ctx.fillStyle = '#ffffff';
    ctx.fillRect(op.x, op.y, places.reduce((a, p) => a + p.advance, 0), m.height);
  }
  ctx.fillStyle = op.color;
  ctx.textBaseline = 'alphabetic';
  if ('fontKerning' in ctx) ctx.fontKerning = 'none';
  const y = op.y + m.ascent;
  // Where every advance is the font's own whole number the string goes down in one call;
  // otherwise each character at its place.
  if (places.every((p) => p.exact)) {
    ctx.fillText(str, op.x, y);
    return;
  }
  let x = op.x;
  chars.forEach((c, i) => {
    ctx.fillText(c, x + places[i].offset, y);
    x += places[i].advance;
  });
}

// The fonts of ops that are not loaded yet; drawing waits for them or draws again after them.
export function fontsPending(ops) {
  const fonts = new Set();
  for (const op of ops) if (op.op === 'text') fonts.add(cssFont(op.font));
  return [...fonts].filter((f) => !loaded(f));
}

// Draws ops onto ctx, whose transform maps client pixels; background is the window's colour.
export function replay(ctx, ops, width, height, background) {
  ctx.save();
  ctx.fillStyle = background;
  ctx.fillRect(0, 0, width, height);
  ctx.save();  // the state a clip op returns to
  for (const op of ops) {
    switch (op.op) {
      case 'text': text(ctx, op); break;
      case 'line': {
        const pen = op.pen;
        if (pen.style === 'null') break;
        const [ax, ay] = op.from, [bx, by] = op.to;
        if (ax === bx && ay === by) break;
        let fx = ax + 0.5, fy = ay + 0.5, tx = bx + 0.5, ty = by + 0.5;
        if (pen.width <= 1) {
          const dx = bx - ax, dy = by - ay, k = Math.max(Math.abs(dx), Math.abs(dy));
          fx -= dx / k * 0.5; fy -= dy / k * 0.5; tx -= dx / k * 0.5; ty -= dy / k * 0.5;
        }
        penStyle(ctx, pen);
        ctx.beginPath(); ctx.moveTo(fx, fy); ctx.lineTo(tx, ty); ctx.stroke();
        break;
      }
      case 'rectangle': {
        const [l, t, r, b] = op.rect;
        if (r <= l || b <= t) break;
        if (op.pen.style === 'null') {
          const f = fillStyle(ctx, op.brush);
          if (f) { ctx.fillStyle = f; ctx.fillRect(l, t, r - l - 1, b - t - 1); }
          break;
        }
        const o = outline(op.rect);
        const p = new Path2D();
        p.rect(o.x, o.y, o.w, o.h);
        shape(ctx, op.pen, op.brush, p);
        break;
      }
      case 'ellipse': {
        const [l, t, r, b] = op.rect;
        if (r <= l || b <= t) break;
        const o = outline(op.rect);
        const p = new Path2D();
        p.ellipse(o.x + o.w / 2, o.y + o.h / 2, Math.max(0, o.w / 2), Math.max(0, o.h / 2), 0, 0,
                  2 * Math.PI);
        shape(ctx, op.pen, op.brush, p);
        break;
      }
      case 'fill_rect': {
        const [l, t, r, b] = op.rect;
        const f = fillStyle(ctx, op.brush);
        if (r > l && b > t && f) { ctx.fillStyle = f; ctx.fillRect(l, t, r - l, b - t); }
        break;
      }
      case 'arc': {
        const [l, t, r, b] = op.rect;
        if (r <= l || b <= t) break;
        shape(ctx, op.pen, { style: 'hollow' }, arcPath(op.rect, op.start, op.end, false));
        break;
      }
      case 'pie': {
        const [l, t, r, b] = op.rect;
        if (r <= l || b <= t) break;
        shape(ctx, op.pen, op.brush, arcPath(op.rect, op.start, op.end, true));
        break;
      }
      case 'polygon': {
        if (op.points.length < 2) break;
        const p = new Path2D();
        op.points.forEach(([x, y], i) => (i ? p.lineTo(x + 0.5, y + 0.5) : p.moveTo(x + 0.5, y + 0.5)));
        p.closePath();
        shape(ctx, op.pen, op.brush, p);
        break;
      }
      case 'icon': drawIcon(ctx, op.x, op.y, op.icon); break;
      case 'clip': {
        ctx.restore();
        ctx.save();
        if (op.rects) {
          const p = new Path2D();
          for (const [l, t, r, b] of op.rects) p.rect(l, t, r - l, b - t);
          ctx.clip(p);
        }
        break;
      }
      default: break;
    }
  }
  ctx.restore();
  ctx.restore();
}
