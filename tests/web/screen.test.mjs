// The web page on any screen and under a finger or a pen: the window fitted
// to the viewport at any scale, its pictures drawn again at the screen's own
// resolution, and the arrows stepping and repeating by touch and by pen as
// by the mouse.
//
//   WAVES_PAGE=build/web/web/waves.html WAVES_CORE_EXPECTATIONS=.../core_expectations \
//     node --test tests/web/screen.test.mjs
import { test } from 'node:test';
import assert from 'node:assert/strict';

import { clickArrow, coreExpectations, open, spin } from './browser_session.mjs';
import { windowSize } from './layout_facts.mjs';
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
  near(at.width, windowSize.width * scale, 0.1, 'width');
  near(at.height, windowSize.height * scale, 0.1, 'height');
  near(at.left, (viewport.width - at.width) / 2, 0.5, 'left');
  near(at.top, (viewport.height - at.height) / 2, 0.5, 'top');
  assert.equal(at.scrolls, false, 'the page scrolls');
  assert.equal(at.zoomed, 1, 'the browser zoomed the page by itself');
  return at;
}

// 1×, 2× and 1.5× at a device pixel ratio of 2 (the viewport the window's
// size times that, the height rounded up, so the width decides), and the
// screens of a tablet and a phone (as their mobile browsers lay the page out).
const times = (scale) => ({ width: windowSize.width * scale, height: Math.ceil(windowSize.height * scale) });
const screens = [
  { name: 'a laptop, 1×', viewport: times(1), ratio: 1, scale: 1 },
  { name: 'a projector, 2×', viewport: times(2), ratio: 1, scale: 2 },
  { name: '1.5× on a screen of ratio 2', viewport: times(1.5), ratio: 2, scale: 1.5 },
  { name: 'a 10-inch tablet upright', viewport: { width: 810, height: 1080 }, ratio: 2, scale: 810 / windowSize.width,
    touch: true },
  { name: 'a phone on its side', viewport: { width: 844, height: 390 }, ratio: 3, scale: 390 / windowSize.height,
    touch: true },
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
  const { page, context } = await open({ scale: 2, viewport: { ...windowSize } });
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

// A press on an arrow pair, by finger (CDP touch events), by pen or by
// mouse, at a point given as fractions of the pair's box.
async function pointer(context, page, by) {
  const cdp = await context.newCDPSession(page);
  const at = async (name, [across, down]) => {
    const box = await spin(page, name).boundingBox();
    return { x: box.x + box.width * across, y: box.y + box.height * down };
  };
  if (by === 'touch') {
    return {
      press: async (name, spot) => cdp.send('Input.dispatchTouchEvent',
                                            { type: 'touchStart', touchPoints: [await at(name, spot)] }),
      move: async (name, spot) => cdp.send('Input.dispatchTouchEvent',
                                           { type: 'touchMove', touchPoints: [await at(name, spot)] }),
      lift: () => cdp.send('Input.dispatchTouchEvent', { type: 'touchEnd', touchPoints: [] }),
      cancel: () => cdp.send('Input.dispatchTouchEvent', { type: 'touchCancel', touchPoints: [] }),
    };
  }
  const pen = async (type, name, spot) => cdp.send('Input.dispatchMouseEvent', {
    type, ...(await at(name, spot)), button: 'left', buttons: type === 'mouseReleased' ? 0 : 1, clickCount: 1,
    pointerType: by });
  let last;
  return {
    press: async (name, spot) => { last = [name, spot]; await pen('mousePressed', name, spot); },
    move: async (name, spot) => { last = [name, spot]; await pen('mouseMoved', name, spot); },
    lift: () => pen('mouseReleased', ...last),
  };
}

test('by finger, pen or mouse an arrow steps once per tap; held, it repeats until let go in any way', async () => {
  const { page, context, said } = await open({ touch: true, clock: true });
  await page.clock.pauseAt(await page.evaluate(() => Date.now()) + 1000);
  const devices = { touch: await pointer(context, page, 'touch'), pen: await pointer(context, page, 'pen'),
                    mouse: await pointer(context, page, 'mouse') };
  const value = async (name) => Number(await spin(page, name).getAttribute('aria-valuetext'));
  const upper = [0.5, 0.25];
  const lower = [0.5, 0.75];
  const outside = [-1.5, 0.25];
  // Each row: the pair, the finger, pen or mouse, where it lands, and how the
  // press ends: at once (a tap) or, held 600 ms, by lifting, by the
  // browser cancelling it, by sliding off the pair, or by the page losing
  // the focus (another window or tab taken) while it is still down.
  const presses = [
    ['A frequency', 'touch', upper, 'tap'],
    ['A amplitude', 'touch', upper, 'lift'],
    ['A amplitude', 'touch', lower, 'tap'],
    ['B frequency', 'touch', upper, 'cancel'],
    ['C frequency', 'touch', upper, 'leave'],
    ['B frequency', 'touch', lower, 'leave'],
    ['B amplitude', 'pen', upper, 'tap'],
    ['C amplitude', 'pen', upper, 'lift'],
    ['D frequency', 'pen', upper, 'leave'],
    ['D amplitude', 'touch', upper, 'blur'],
    ['C amplitude', 'pen', upper, 'blur'],
    ['A frequency', 'mouse', upper, 'lift'],
    ['B amplitude', 'mouse', upper, 'leave'],
    ['t span', 'mouse', upper, 'blur'],
  ];
  const endings = { leave: (device, name) => device.move(name, outside),
                    blur: () => page.evaluate(() => dispatchEvent(new FocusEvent('blur'))) };
  for (const [name, by, spot, end] of presses) {
    const device = devices[by];
    const row = `${name} by ${by}, ${end}`;
    const before = await value(name);
    const stepped = (steps) => before + (spot === upper ? steps : -steps);
    await device.press(name, spot);
    assert.equal(await value(name), stepped(1), `${row}: pressed`);
    if (end === 'tap') {
      await device.lift();
    } else {
      await page.clock.runFor(499);
      assert.equal(await value(name), stepped(1), `${row}: 499 ms`);
      await page.clock.runFor(1);
      assert.equal(await value(name), stepped(2), `${row}: 500 ms`);
      await page.clock.runFor(100);
      assert.equal(await value(name), stepped(4), `${row}: 600 ms`);
      await (endings[end] ? endings[end](device, name) : device[end]());
    }
    await page.clock.runFor(1000);
    assert.equal(await value(name), stepped(end === 'tap' ? 1 : 4), `${row}: after the end`);
    if (endings[end]) await device.lift();
  }
  assert.deepEqual(said, []);
  await context.close();
});

test('over the controls a long press calls up no menu and a drag selects no text', async () => {
  const { page, context } = await open({ touch: true });
  // Runs in the page: whether the page lets the browser show its menu for
  // a press of this kind on the control called name.
  const menuShown = (name, pointerType) => page.evaluate(([name, pointerType]) => {
    const target = document.querySelector(`[data-name="${name}"]`);
    const inner = target.querySelector('input, .arrow') ?? target;
    return inner.dispatchEvent(new PointerEvent('contextmenu', { bubbles: true, cancelable: true, pointerType }));
  }, [name, pointerType]);
  for (const name of ['SpinButton3(0)', 'Labela(0)', 'switch_s(1)', 'Command1', 'Frame10(0)', 'Grph(0)']) {
    for (const pointerType of ['touch', 'pen']) {
      assert.equal(await menuShown(name, pointerType), false, `${name}: a menu for a ${pointerType}`);
    }
  }
  assert.equal(await menuShown('Grph(0)', 'mouse'), true, "a graph's picture menu for the mouse");
  assert.equal(await menuShown('Command1', 'mouse'), false);

  const from = await page.locator('.caption').first().boundingBox();
  const to = await page.locator('.caption').last().boundingBox();
  await page.mouse.move(from.x + 1, from.y + from.height / 2);
  await page.mouse.down();
  await page.mouse.move(to.x + to.width - 1, to.y + to.height / 2, { steps: 5 });
  await page.mouse.up();
  assert.equal(await page.evaluate(() => getSelection().toString()), '');
  await context.close();
});
