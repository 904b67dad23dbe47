// Printing the page: Chromium's print to PDF (landscape A4) is one sheet
// with the window alone filling it, centred, read back with pdftoppm; the
// graphs are drawn again at the printer's resolution for the print and get
// back their screen's pictures after it.
//
//   WAVES_PAGE=build/web/web/waves.html node --test tests/web/print.test.mjs
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { mkdtempSync, readdirSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';

import { open } from './browser_session.mjs';

// A binary PGM (P5) of 8-bit grey: its size and pixels.
function readPgm(file) {
  const bytes = readFileSync(file);
  const header = bytes.subarray(0, 64).toString('latin1').match(/^P5\s+(\d+)\s+(\d+)\s+(\d+)\s/);
  assert.ok(header, 'a PGM');
  return { width: Number(header[1]), height: Number(header[2]), pixels: bytes.subarray(header[0].length) };
}

// The box round every pixel darker than paper.
function inkBox({ width, height, pixels }) {
  let left = width, top = height, right = -1, bottom = -1;
  for (let y = 0; y < height; ++y) {
    for (let x = 0; x < width; ++x) {
      if (pixels[y * width + x] >= 250) continue;
      left = Math.min(left, x);
      right = Math.max(right, x);
      top = Math.min(top, y);
      bottom = Math.max(bottom, y);
    }
  }
  return { left, top, right: right + 1, bottom: bottom + 1 };
}

test('a print is one landscape sheet with the window alone, centred and filling it, its graphs at print resolution', async () => {
  const work = mkdtempSync(join(tmpdir(), 'waves-print-'));
  try {
    const { page, context, said } = await open({ fragment: 'A=3c1&B=2s3&C=0c0&D=0c0&W=1c1&t=2&sa=1&sn=0.5&m=1' });
    // The notices and the dialog are not printed, even when they are shown.
    await page.keyboard.press('Control+c');
    await page.locator('#waves-copy-notice').waitFor();
    const screen = await page.evaluate(() => [...document.querySelectorAll('canvas[data-name]')].map((c) => c.width));
    // What the canvases hold while the page prints, after the page's own
    // handler (added before this one) has drawn them again.
    await page.evaluate(() => {
      window.printed = [];
      addEventListener('beforeprint', () => {
        for (const canvas of document.querySelectorAll('canvas[data-name]')) window.printed.push(canvas.width);
      });
    });
    const pdf = join(work, 'print.pdf');
    writeFileSync(pdf, await page.pdf({ format: 'A4', landscape: true, printBackground: true }));
    const printed = await page.evaluate(() => window.printed);
    assert.equal(printed.length, screen.length);
    // 300 dpi over a window about 1.5 times the layout's size on the sheet,
    // against 1.2 times it on an 800 x 600 screen at one device pixel per px.
    printed.forEach((width, n) => assert.ok(width > 3.5 * screen[n], `graph ${n}: ${width} for ${screen[n]}`));
    await page.waitForFunction((widths) => [...document.querySelectorAll('canvas[data-name]')]
      .every((canvas, n) => canvas.width === widths[n]), screen);

    // The window's own shape without its caption bar, in the layout's px.
    const shape = await page.evaluate(() => {
      const box = document.querySelector('.window');
      return parseFloat(box.style.width) / (parseFloat(box.style.height) -
                                            parseFloat(box.querySelector('h1').style.height));
    });
    execFileSync('pdftoppm', ['-r', '60', '-gray', pdf, join(work, 'sheet')]);
    const sheets = readdirSync(work).filter((name) => name.startsWith('sheet'));
    assert.equal(sheets.length, 1, sheets.join());
    const sheet = readPgm(join(work, sheets[0]));
    assert.ok(sheet.width > sheet.height, `landscape: ${sheet.width} x ${sheet.height}`);
    const ink = inkBox(sheet);
    const across = (ink.right - ink.left) / sheet.width;
    const down = (ink.bottom - ink.top) / sheet.height;
    assert.ok(across > 0.85 && down > 0.85, `the window covers ${across} x ${down} of the sheet`);
    assert.ok(Math.abs(ink.left - (sheet.width - ink.right)) <= 2 && Math.abs(ink.top - (sheet.height - ink.bottom)) <= 2,
              `centred: ${JSON.stringify(ink)} on ${sheet.width} x ${sheet.height}`);
    const inked = (ink.right - ink.left) / (ink.bottom - ink.top);
    assert.ok(Math.abs(inked / shape - 1) < 0.02, `the window's shape ${shape}, the ink's ${inked}`);
    // On white, without the caption bar: the ink's top edge is the
    // window's light grey frame, not the page's grey nor the caption's blue.
    const row = ink.top + 1;
    const topEdge = sheet.pixels.subarray(row * sheet.width + ink.left + 2, row * sheet.width + ink.right - 2);
    assert.ok(Math.min(...topEdge) > 180, `the top edge is the frame's grey: ${Math.min(...topEdge)}`);
    assert.deepEqual(said, []);
    await context.close();
  } finally {
    rmSync(work, { recursive: true, force: true });
  }
});
