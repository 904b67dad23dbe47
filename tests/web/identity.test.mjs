// The page's pictures are the desktop's, bit for bit: for every lesson the
// lesson table accepts, at device pixel ratios 1 and 2, each graph's canvas
// holds exactly the pixels that the desktop's graph shows for it (both draw
// with picture/pixel_surface.h). The desktop's pictures come from
// picture_dump (tests/ui/picture_dump.cpp), run on Qt's offscreen platform
// at the same ratio. The mean's caption is left out on both sides: it is
// text, set by each front end's own font engine.
//
//   WAVES_PAGE=build/web/web/waves.html WAVES_PICTURE_DUMP=build/dev/tests/ui/picture_dump \
//     node --test tests/web/identity.test.mjs
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { mkdtempSync, readFileSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';

import { open, pageUrl } from './browser_session.mjs';
import { windowSize } from './layout_facts.mjs';

const table = new URL('../data/lesson_states.tsv', import.meta.url);

// The desktop's pictures at a ratio: lesson texts in table order, and for
// each a Map from graph name to { width, height, pixels }.
function desktopPictures(ratio) {
  const directory = mkdtempSync(join(tmpdir(), 'waves-identity-'));
  try {
    const listed = execFileSync(process.env.WAVES_PICTURE_DUMP, [table.pathname, directory], {
      encoding: 'utf8',
      env: { ...process.env, QT_QPA_PLATFORM: 'offscreen', QT_SCALE_FACTOR: String(ratio),
             QT_LOGGING_RULES: 'qt.qpa.*=false' },
    });
    return listed.trimEnd().split('\n').map((line) => {
      const [index] = line.split(' ', 1);
      const text = line.slice(index.length + 1);
      const graphs = new Map();
      for (const name of ['std_grph', 'Grph(0)', 'Grph(1)', 'Grph(2)', 'Grph(3)', 'm_grph(0)', 'm_grph(1)',
                          'm_grph(2)', 'm_grph(3)', 'Gr', 'm_gr']) {
        const file = readFileSync(join(directory, `${index}-${name}.rgba`));
        graphs.set(name, { width: file.readUInt32LE(0), height: file.readUInt32LE(4), pixels: file.subarray(8) });
      }
      return { text, graphs };
    });
  } finally {
    rmSync(directory, { recursive: true, force: true });
  }
}

// Runs in the page: every canvas's size and pixels, read through a copy.
const canvasPictures = (page) => page.evaluate(() => [...document.querySelectorAll('canvas')].map((canvas) => {
  const copy = document.createElement('canvas');
  copy.width = canvas.width;
  copy.height = canvas.height;
  const reader = copy.getContext('2d', { willReadFrequently: true });
  reader.drawImage(canvas, 0, 0);
  const data = new Uint8Array(reader.getImageData(0, 0, copy.width, copy.height).data.buffer);
  let bytes = '';
  for (let at = 0; at < data.length; at += 8192) bytes += String.fromCharCode(...data.subarray(at, at + 8192));
  return { name: canvas.dataset.name, width: canvas.width, height: canvas.height, pixels: btoa(bytes) };
}));

// Where two pictures of one size first differ, and in how many pixels.
function difference(desktop, page) {
  let count = 0;
  let first = null;
  for (let at = 0; at < desktop.pixels.length; at += 4) {
    if (desktop.pixels.readUInt32LE(at) === page.readUInt32LE(at)) continue;
    ++count;
    if (first === null) {
      const pixel = at / 4;
      first = `(${pixel % desktop.width}, ${Math.floor(pixel / desktop.width)}): desktop ` +
              `${[...desktop.pixels.subarray(at, at + 3)]}, page ${[...page.subarray(at, at + 3)]}`;
    }
  }
  return count === 0 ? null : `${count} pixels differ, first at ${first}`;
}

// The caption of the means is the only text a canvas gets.
const withoutCaptions = () => { CanvasRenderingContext2D.prototype.fillText = () => {}; };

for (const ratio of [1, 2]) {
  test(`at a device pixel ratio of ${ratio} every lesson's graphs are the desktop's, bit for bit`,
       { skip: !process.env.WAVES_PICTURE_DUMP && 'no desktop build (WAVES_PICTURE_DUMP)' }, async () => {
    const lessons = desktopPictures(ratio);
    assert.ok(lessons.length >= 8, `${lessons.length} lessons`);
    // The window at its laid-out size: every graph 239 px wide inside its border.
    const { page, context, said } = await open({ scale: ratio, init: withoutCaptions,
                                                 viewport: { ...windowSize } });
    for (const { text, graphs } of lessons) {
      await page.goto('about:blank');
      await page.goto(`${pageUrl}#${text}`);
      await page.waitForSelector('#waves[data-ready]');
      const canvases = await canvasPictures(page);
      assert.deepEqual(canvases.map(({ name }) => name).sort(), [...graphs.keys()].sort(), text);
      for (const { name, width, height, pixels } of canvases) {
        const desktop = graphs.get(name);
        const where = `${name} in "${text}"`;
        assert.deepEqual([width, height], [desktop.width, desktop.height], `${where}: size`);
        assert.deepEqual([width, height], [239 * ratio, (name === 'Gr' || name === 'm_gr' ? 119 : 63) * ratio],
                         `${where}: laid-out size`);
        assert.equal(difference(desktop, Buffer.from(pixels, 'base64')), null, where);
      }
    }
    assert.deepEqual(said, []);
    await context.close();
  });
}
