// The web page on any screen: the window fitted to the viewport at any
// scale, its pictures drawn again at the screen's own resolution.
//
//   WAVES_PAGE=build/web/web/waves.html WAVES_CORE_EXPECTATIONS=.../core_expectations \
//     node --test tests/web/screen.test.mjs
import { test } from 'node:test';
import assert from 'node:assert/strict';

import { clickArrow, coreExpectations, open, spin } from './browser_session.mjs';
import { assertPictures, assertScreenShowsCanvases, fitScale } from './picture_checks.mjs';

// Runs in the page: where the window lies, whether the page can scroll or
// has zoomed itself, and how wide the frames' captions are set.
function windowGeometry() {
  const box = document.querySelector('.window').getBoundingClientRect();
  const root = document.documentElement;
  let captions = 0;
  for (const caption of document.querySelectorAll('.caption')) captions += caption.getBoundingClientRect().width;
  return { left: box.left, top: box.top, width: box.width, height: box.height, captions,
           scrolls: root.scrollWidth > root.clientWidth || root.scrollHeight > root.clientHeight,
           zoomed: visualViewport.scale };
}

async function assertFitted(page, viewport, scale) {
  const at = await page.evaluate(windowGeometry);
  const near = (actual, wanted, within, what) =>
    assert.ok(Math.abs(actual - wanted) <= within, `${what}: ${actual}, not ${wanted}`);
  near(at.width, 662 * scale, 0.1, 'width');
  near(at.height, 491 * scale, 0.1, 'height');
  near(at.left, (viewport.width - at.width) / 2, 0.5, 'left');
  near(at.top, (viewport.height - at.height) / 2, 0.5, 'top');
  assert.equal(at.scrolls, false, 'the page scrolls');
  assert.equal(at.zoomed, 1, 'the browser zoomed the page by itself');
  return at;
}

// 1×, 2× and 1.5× at a device pixel ratio of 2, and the screens of a tablet
// and a phone (as their mobile browsers lay the page out).
const screens = [
  { name: 'a laptop, 1×', viewport: { width: 662, height: 491 }, ratio: 1, scale: 1 },
  { name: 'a projector, 2×', viewport: { width: 1324, height: 982 }, ratio: 1, scale: 2 },
  { name: '1.5× on a screen of ratio 2', viewport: { width: 993, height: 737 }, ratio: 2, scale: 1.5 },
  { name: 'a 10-inch tablet upright', viewport: { width: 810, height: 1080 }, ratio: 2, scale: 810 / 662, touch: true },
  { name: 'a phone on its side', viewport: { width: 844, height: 390 }, ratio: 3, scale: 390 / 491, touch: true },
];

test('at every scale the window fits the viewport, text scales with it and pictures are sharp', async () => {
  const clicks = [['A amplitude', 'SpinButton3(0)', 'up'], ['A amplitude', 'SpinButton3(0)', 'up'],
                  ['A frequency', 'SpinButton4(0)', 'up'], ['B amplitude', 'SpinButton3(1)', 'up'],
                  ['B frequency', 'SpinButton4(1)', 'up'], ['B frequency', 'SpinButton4(1)', 'up'],
                  ['B frequency', 'SpinButton4(1)', 'up'], ['t span', 'SpinButton11', 'up']];
  const expected = coreExpectations(clicks.map(([, control, half]) => `${control}:${half}`));
  let captionsAtOne;
  for (const { name, viewport, ratio, scale, touch } of screens) {
    const { page, context, said } = await open({ scale: ratio, viewport, touch });
    assert.equal(fitScale(viewport), scale, name);
    const at = await assertFitted(page, viewport, scale);
    captionsAtOne ??= at.captions / scale;
    assert.ok(Math.abs(at.captions / scale / captionsAtOne - 1) < 0.03, `${name}: captions ${at.captions} px wide`);
    for (const [arrow, , half] of clicks) await clickArrow(page, arrow, half);
    assert.equal(await spin(page, 'B frequency').getAttribute('aria-valuetext'), '3', name);
    await assertPictures(page, expected, scale * ratio);
    await assertScreenShowsCanvases(page);
    assert.deepEqual(said, [], name);
    await context.close();
  }
});

test('when the viewport changes, the window is fitted again and its pictures drawn at the new size', async () => {
  const { page, context } = await open({ scale: 2, viewport: { width: 662, height: 491 } });
  await clickArrow(page, 'C amplitude', 'up');
  const expected = coreExpectations(['SpinButton3(2):up']);
  for (const viewport of [{ width: 993, height: 900 }, { width: 700, height: 737 }, { width: 400, height: 300 }]) {
    await page.setViewportSize(viewport);
    // The page hears of it, and its canvases of their sizes, in the next frame.
    await page.evaluate(() => new Promise((done) => requestAnimationFrame(() => requestAnimationFrame(done))));
    await assertFitted(page, viewport, fitScale(viewport));
    await assertPictures(page, expected, 2 * fitScale(viewport));
  }
  await context.close();
});
