// What the web page's tests check of its pictures: that each canvas has
// exactly the device pixels the screen shows it on, that the screen shows
// those pixels as they are (not resampled), and that each graph is the curve
// the core computes.
import assert from 'node:assert/strict';

import { windowSize } from './layout_facts.mjs';

// The window as laid out, in CSS px; the page shows it at the largest scale
// at which it fits the viewport.
export const fitScale = ({ width, height }) => Math.min(width / windowSize.width, height / windowSize.height);

// Runs in the page: each graph's canvas against the core's samples. Every
// sample inside the frame has a pixel of the curve's colour within one
// device pixel of where it maps, and every pixel of that colour lies within
// 1.5 device pixels of the polyline through the samples.
function compareCurves(graphs) {
  const report = {};
  for (const [name, graph] of Object.entries(graphs)) {
    const canvas = document.querySelector(`canvas[data-name="${name}"]`);
    const width = canvas.width;
    const height = canvas.height;
    // Read through a copy, so the page's own canvas is never read back.
    const copy = document.createElement('canvas');
    copy.width = width;
    copy.height = height;
    const reader = copy.getContext('2d', { willReadFrequently: true });
    reader.drawImage(canvas, 0, 0);
    const pixels = reader.getImageData(0, 0, width, height).data;
    const [left, top, right, bottom] = graph.scale;
    const points = graph.samples.map(([x, y]) => [(x - left) / (right - left) * width,
                                                   (y - top) / (bottom - top) * height]);
    const isCurve = (column, row) => {
      if (column < 0 || row < 0 || column >= width || row >= height) return false;
      const at = (row * width + column) * 4;
      return pixels[at] === graph.colour[0] && pixels[at + 1] === graph.colour[1] &&
             pixels[at + 2] === graph.colour[2];
    };
    const index = (u, extent) => (u === extent ? extent - 1 : Math.floor(u));
    let missing = 0;
    for (const [u, v] of points) {
      if (u < 0 || u > width || v < 0 || v > height) continue;
      const column = index(u, width);
      const row = index(v, height);
      let found = false;
      for (let dc = -1; dc <= 1 && !found; ++dc) {
        for (let dr = -1; dr <= 1 && !found; ++dr) found = isCurve(column + dc, row + dr);
      }
      if (!found) ++missing;
    }
    const distance = (px, py, [ax, ay], [bx, by]) => {
      const dx = bx - ax;
      const dy = by - ay;
      const length = dx * dx + dy * dy;
      const t = length === 0 ? 0 : Math.max(0, Math.min(1, ((px - ax) * dx + (py - ay) * dy) / length));
      return Math.hypot(px - (ax + t * dx), py - (ay + t * dy));
    };
    let curve = 0;
    let stray = 0;
    for (let row = 0; row < height; ++row) {
      for (let column = 0; column < width; ++column) {
        if (!isCurve(column, row)) continue;
        ++curve;
        let nearest = Infinity;
        for (let n = 1; n < points.length && nearest > 1.5; ++n) {
          nearest = Math.min(nearest, distance(column + 0.5, row + 0.5, points[n - 1], points[n]));
        }
        if (nearest > 1.5) ++stray;
      }
    }
    report[name] = { width, height, samples: points.length, missing, curve, stray };
  }
  return report;
}

// Runs in the page: each canvas's own size and the device pixels its content
// box covers, as the browser reports them to a ResizeObserver of its own.
function measureCanvases() {
  const canvases = [...document.querySelectorAll('canvas')];
  return new Promise((resolve) => {
    const boxes = new Map();
    const observer = new ResizeObserver((entries) => {
      for (const entry of entries) {
        const box = entry.devicePixelContentBoxSize[0];
        boxes.set(entry.target, [box.inlineSize, box.blockSize]);
      }
      if (boxes.size < canvases.length) return;
      observer.disconnect();
      resolve(canvases.map((canvas) => ({ name: canvas.dataset.name, size: [canvas.width, canvas.height],
                                          device: boxes.get(canvas) })));
    });
    for (const canvas of canvases) observer.observe(canvas, { box: 'device-pixel-content-box' });
  });
}

// Every graph has one canvas pixel for each device pixel it covers, that is
// its picture's 239 x 63 (or 119) CSS px at devicePerCss device pixels to
// the px, give or take the rounding of its edges and borders to whole device
// pixels; and each graph is the core's curve at that size.
export async function assertPictures(page, expected, devicePerCss) {
  for (const { name, size, device } of await page.evaluate(measureCanvases)) {
    assert.deepEqual(size, device, `${name}: canvas pixels against the device pixels it covers`);
    const tall = name === 'Gr' || name === 'm_gr';
    const laidOut = [239 * devicePerCss, (tall ? 119 : 63) * devicePerCss];
    assert.ok(Math.abs(size[0] - laidOut[0]) < 3 && Math.abs(size[1] - laidOut[1]) < 3,
              `${name}: ${size} device pixels for ${laidOut}`);
  }
  await assertCurves(page, expected);
}

// Each graph is the core's curve at the size its canvas has.
export async function assertCurves(page, expected) {
  const report = await page.evaluate(compareCurves, expected.graphs);
  for (const [name, result] of Object.entries(report)) {
    assert.ok(result.samples >= 400, `${name}: ${result.samples} samples`);
    assert.equal(result.missing, 0, `${name}: samples with no curve pixel near them`);
    assert.equal(result.stray, 0, `${name}: curve pixels away from the curve`);
    assert.ok(result.curve >= 200, `${name}: only ${result.curve} curve pixels`);
  }
}

// Runs in the page: whether the screenshot (a PNG, base64) shows the
// canvas's pixels exactly, one to one, somewhere in it.
export async function showsCanvas({ shot, name }) {
  const canvas = document.querySelector(`canvas[data-name="${name}"]`);
  const png = new Blob([Uint8Array.from(atob(shot), (c) => c.charCodeAt(0))], { type: 'image/png' });
  const bitmap = await createImageBitmap(png, { colorSpaceConversion: 'none', premultiplyAlpha: 'none' });
  const pixelsOf = (source, width, height) => {
    const context = new OffscreenCanvas(width, height).getContext('2d', { willReadFrequently: true });
    context.drawImage(source, 0, 0);
    return new Uint32Array(context.getImageData(0, 0, width, height).data.buffer);
  };
  const screen = pixelsOf(bitmap, bitmap.width, bitmap.height);
  const own = pixelsOf(canvas, canvas.width, canvas.height);
  const matchesAt = (left, top) => {
    for (let row = 0; row < canvas.height; ++row) {
      for (let column = 0; column < canvas.width; ++column) {
        if (screen[(top + row) * bitmap.width + left + column] !== own[row * canvas.width + column]) return false;
      }
    }
    return true;
  };
  for (let top = 0; top + canvas.height <= bitmap.height; ++top) {
    for (let left = 0; left + canvas.width <= bitmap.width; ++left) if (matchesAt(left, top)) return true;
  }
  return false;
}

// The screen shows every canvas's pixels as they are. Each is shot alone,
// with the other controls hidden, since neighbouring graphs' frames overlap
// by a pixel at some scales; the page is shown again afterwards.
export async function assertScreenShowsCanvases(page) {
  const names = await page.$$eval('canvas', (canvases) => canvases.map((canvas) => canvas.dataset.name));
  for (const name of names) {
    const box = await page.evaluate((alone) => {
      for (const control of document.querySelectorAll('.control')) {
        control.style.visibility = control.dataset.name === alone ? 'visible' : 'hidden';
      }
      const rect = document.querySelector(`canvas[data-name="${alone}"]`).getBoundingClientRect();
      return [Math.floor(rect.left), Math.floor(rect.top), Math.ceil(rect.right), Math.ceil(rect.bottom)];
    }, name);
    const clip = { x: box[0], y: box[1], width: box[2] - box[0], height: box[3] - box[1] };
    const shot = (await page.screenshot({ clip, scale: 'device' })).toString('base64');
    assert.ok(await page.evaluate(showsCanvas, { shot, name }), `${name}: the screen resamples the canvas`);
  }
  await page.evaluate(() => {
    for (const control of document.querySelectorAll('.control')) control.style.visibility = '';
  });
}
