// Ctrl+C and Ctrl+Shift+C in the page: the clipboard read back in Chromium
// holds one PNG of the window's client area (or of the focused graph) at
// the device's resolution, with the graphs in it pixel for pixel; where the
// browser has no ClipboardItem, the notice says so and the picture can be
// saved as a PNG file instead.
//
//   WAVES_PAGE=build/web/web/waves.html node --test tests/web/copy.test.mjs
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';

import { open, pageUrl } from './browser_session.mjs';

// The CRC-32 a PNG chunk ends with (Debian's Node.js 18 has no zlib.crc32).
function crc32(bytes) {
  let crc = ~0;
  for (const byte of bytes) {
    crc ^= byte;
    for (let bit = 0; bit < 8; ++bit) crc = (crc >>> 1) ^ (0xedb88320 & -(crc & 1));
  }
  return ~crc >>> 0;
}

const lesson = 'A=3c1&B=2s3&C=0c0&D=0c0&W=1c1&t=2&sa=1&sn=0.5&m=1';

// Runs in the page: the clipboard's one item, its PNG's size, and for each
// canvas named whether the PNG has the canvas's pixels where it lies
// (device pixels from the client area's corner; whole graphs for a window,
// the graph itself for a graph's copy).
async function clipboardPicture([names, screenshot]) {
  const pixelsOf = async (blob) => {
    const bitmap = await createImageBitmap(blob);
    const reader = document.createElement('canvas').getContext('2d', { willReadFrequently: true });
    reader.canvas.width = bitmap.width;
    reader.canvas.height = bitmap.height;
    reader.drawImage(bitmap, 0, 0);
    return reader;
  };
  const items = await navigator.clipboard.read();
  const blob = await items[0].getType('image/png');
  const reader = await pixelsOf(blob);
  const bitmap = reader.canvas;
  // The share of pixels unlike the screenshot's where the client area lies
  // by more than a shade of text's edges.
  let unlike = null;
  if (screenshot) {
    const screen = await pixelsOf(new Blob([Uint8Array.from(atob(screenshot), (c) => c.charCodeAt(0))]));
    const client = document.querySelector('.client').getBoundingClientRect();
    const left = Math.round(client.left * devicePixelRatio);
    const top = Math.round(client.top * devicePixelRatio);
    const width = Math.min(screen.canvas.width - left, bitmap.width);
    const height = Math.min(screen.canvas.height - top, bitmap.height);
    const one = reader.getImageData(0, 0, width, height).data;
    const other = screen.getImageData(left, top, width, height).data;
    let count = 0;
    for (let at = 0; at < one.length; at += 4) {
      if (Math.max(Math.abs(one[at] - other[at]), Math.abs(one[at + 1] - other[at + 1]),
                   Math.abs(one[at + 2] - other[at + 2])) > 64) ++count;
    }
    unlike = count / (width * height);
  }
  const origin = document.querySelector('.client').getBoundingClientRect();
  const same = {};
  for (const name of names) {
    const canvas = document.querySelector(`canvas[data-name="${name}"]`);
    const box = canvas.getBoundingClientRect();
    const inset = parseFloat(getComputedStyle(canvas).borderLeftWidth) * document.querySelector('.window').style.zoom;
    const snap = (at) => Math.round(at * devicePixelRatio);
    const whole = bitmap.width === canvas.width;
    const left = whole ? 0 : snap(box.left + inset) - snap(origin.left);
    const top = whole ? 0 : snap(box.top + inset) - snap(origin.top);
    const copied = reader.getImageData(left, top, canvas.width, canvas.height).data;
    const own = document.createElement('canvas').getContext('2d', { willReadFrequently: true });
    own.canvas.width = canvas.width;
    own.canvas.height = canvas.height;
    own.drawImage(canvas, 0, 0);
    const shown = own.getImageData(0, 0, canvas.width, canvas.height).data;
    let differing = 0;
    for (let at = 0; at < shown.length; ++at) if (copied[at] !== shown[at]) ++differing;
    same[name] = differing;
  }
  return { types: items[0].types, width: bitmap.width, height: bitmap.height, same, unlike,
           client: [Math.round(origin.width * devicePixelRatio), Math.round(origin.height * devicePixelRatio)],
           notice: document.querySelector('#waves-copy-notice span').textContent };
}

test('Ctrl+C copies the window and Ctrl+Shift+C the focused graph, as PNGs at the device resolution', async () => {
  for (const scale of [1, 2]) {
    const { page, context, said, requests } = await open({ scale, fragment: lesson });
    await context.grantPermissions(['clipboard-read', 'clipboard-write']);
    await page.keyboard.press('Control+c');
    await page.locator('#waves-copy-notice').filter({ hasText: 'Picture of the window copied' }).waitFor();
    // The screen without the notice over it.
    await page.evaluate(() => { document.getElementById('waves-copy-notice').hidden = true; });
    const shot = await page.screenshot();
    const window = await page.evaluate(clipboardPicture, [['m_gr'], shot.toString('base64')]);
    assert.deepEqual(window.types, ['image/png']);
    assert.deepEqual([window.width, window.height], window.client, `scale ${scale}`);
    // A graph that nothing overlaps is in it as it is.
    assert.deepEqual(window.same, { m_gr: 0 }, `scale ${scale}`);
    assert.ok(window.unlike !== null && window.unlike < 0.01, `scale ${scale}: ${window.unlike} of it unlike the screen`);

    await page.locator('canvas[data-name="m_gr"]').focus();
    await page.keyboard.press('Control+Shift+C');
    await page.locator('#waves-copy-notice').filter({ hasText: "Picture of the graph E' copied" }).waitFor();
    const graph = await page.evaluate(clipboardPicture, [['m_gr']]);
    const canvas = await page.locator('canvas[data-name="m_gr"]').evaluate((element) => [element.width,
                                                                                              element.height]);
    assert.deepEqual([graph.width, graph.height], canvas);
    assert.deepEqual(graph.same, { 'm_gr': 0 });

    await page.getByRole('button', { name: 'RESET' }).focus();
    await page.keyboard.press('Control+Shift+C');
    await page.locator('#waves-copy-notice').filter({ hasText: 'No graph has the focus' }).waitFor();
    assert.deepEqual(requests, [pageUrl]);
    assert.deepEqual(said, []);
    await context.close();
  }
});

test('where the browser refuses, the notice says so and offers the picture as a PNG file', async () => {
  const { page, context } = await open({ scale: 2, fragment: lesson, init: 'delete globalThis.ClipboardItem;' });
  await page.keyboard.press('Control+c');
  const notice = page.getByRole('status').filter({ hasText: 'did not let the page copy the picture' });
  await notice.waitFor();
  const save = notice.getByRole('link', { name: 'Save the picture as a PNG file' });
  await save.waitFor();
  assert.match(await save.getAttribute('href'), /^blob:/);
  const [download] = await Promise.all([page.waitForEvent('download'), save.click()]);
  assert.equal(download.suggestedFilename(), 'waves-window.png');
  const png = readFileSync(await download.path());
  assert.equal(png.subarray(1, 4).toString(), 'PNG');
  const client = await page.evaluate(() => {
    const box = document.querySelector('.client').getBoundingClientRect();
    return [Math.round(box.width * devicePixelRatio), Math.round(box.height * devicePixelRatio)];
  });
  assert.deepEqual([png.readUInt32BE(16), png.readUInt32BE(20)], client);
  // Its resolution, after the header: 96 dots per inch times the device
  // pixel ratio, in pixels per metre, with the chunk's CRC right.
  assert.equal(png.subarray(37, 41).toString(), 'pHYs');
  assert.deepEqual([png.readUInt32BE(41), png.readUInt32BE(45), png[49]], [7559, 7559, 1]);
  assert.equal(png.readUInt32BE(50), crc32(png.subarray(37, 50)));
  await context.close();
});
