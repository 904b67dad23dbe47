// The page's scenarios, written once and run in the engine WAVES_ENGINE
// names (engines.mjs): real clicks on both halves of arrows, options and
// RESET against what the core computes; the keyboard; lesson links, refused
// links and hostile fragments, with the refusal's sentence seen on the
// screen; every canvas on whole device pixels and shown unresampled, at the
// screens of a laptop and a tablet and at two device pixel ratios; the share
// dialog's QR code, read back by zbarimg from a page a local server gives;
// axe-core.
//
//   WAVES_ENGINE=webkit WAVES_PAGE=... WAVES_CORE_EXPECTATIONS=... node --test tests/web/engine_scenarios.mjs
import { after, test } from 'node:test';
import assert from 'node:assert/strict';
import { mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { createServer } from 'node:http';
import { createRequire } from 'node:module';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { pathToFileURL } from 'node:url';
import { execFileSync } from 'node:child_process';

import { launchEngine, pageErrors, watchErrors } from './engines.mjs';
import { assertCurves, showsCanvas } from './picture_checks.mjs';

const engineName = process.env.WAVES_ENGINE || 'chromium';
const pageUrl = pathToFileURL(process.env.WAVES_PAGE).href;
const axeSource = readFileSync(createRequire(import.meta.url).resolve('axe-core/axe.min.js'), 'utf8');
const coreExpectations = (args) =>
  JSON.parse(execFileSync(process.env.WAVES_CORE_EXPECTATIONS, args, { encoding: 'utf8' }));

const engines = new Map();  // device pixel ratio -> a promise of the engine
const engineFor = (ratio) => {
  if (!engines.has(ratio)) engines.set(ratio, launchEngine(engineName, ratio));
  return engines.get(ratio);
};
// What an engine's driver cannot do, said in the output of every run.
const cannot = {
  chromium: [],
  firefox: ['touch input (puppeteer over WebDriver BiDi has no touch screen for Firefox)'],
  webkit: ['touch input (WebKitWebDriver has no touch pointer)',
           'console lines (MiniBrowser writes none; errors are caught inside the page)'],
}[engineName];
after(async () => {
  const version = engines.size ? (await engines.values().next().value).version : engineName;
  console.log(`# ${version}: ${cannot.length ? 'not tested here: ' + cannot.join('; ') : 'every case runs'}`);
  for (const engine of engines.values()) await (await engine).close();
});

const laptop = { width: 800, height: 600 };
const tablet = { width: 1080, height: 810 };

async function open({ ratio = 1, viewport = laptop, fragment = '', url = pageUrl } = {}) {
  const engine = await engineFor(ratio);
  const tab = await engine.open(fragment ? `${url}#${fragment}` : url, viewport);
  // Ready, at the asked viewport (a window resized from outside reaches
  // the page a little later), and laid out for it.
  const reached = await tab.evaluate(({ width, height }) => new Promise((resolve) => {
    const until = performance.now() + 10000;
    const ready = () => {
      const there = innerWidth === width && innerHeight === height && document.querySelector('#waves[data-ready]');
      if (there || performance.now() > until) {
        requestAnimationFrame(() => requestAnimationFrame(() => resolve([innerWidth, innerHeight])));
      } else {
        setTimeout(ready, 20);
      }
    };
    ready();
  }), viewport);
  assert.deepEqual(reached, [viewport.width, viewport.height], 'the viewport');
  await tab.evaluate(watchErrors);
  tab.version = engine.version;
  return tab;
}

// Runs in the page: where a control is drawn, in the viewport's CSS px.
// Inside the zoomed window some engines measure boxes unzoomed; the
// window's own box tells which.
function drawnBox(selector) {
  const frame = document.querySelector('.window');
  const zoom = Number(frame.style.zoom || 1);
  const measuredZoomed = Math.abs(frame.getBoundingClientRect().width - parseFloat(frame.style.width) * zoom) < 1;
  const factor = measuredZoomed ? 1 : zoom;
  const rect = document.querySelector(selector).getBoundingClientRect();
  return { left: rect.left * factor, top: rect.top * factor, width: rect.width * factor, height: rect.height * factor };
}

async function clickAt(tab, selector, across = 0.5, down = 0.5) {
  const box = await tab.evaluate(drawnBox, selector);
  await tab.click(box.left + box.width * across, box.top + box.height * down);
}

const labelTexts = (tab) => tab.evaluate(() => Object.fromEntries(
  [...document.querySelectorAll('.label')].map((label) => [label.dataset.name, label.lastChild.textContent])));

async function assertLabels(tab, expected, what) {
  const labels = await labelTexts(tab);
  for (const [name, text] of Object.entries(expected.labels)) assert.equal(labels[name], text, `${what}: ${name}`);
}

const spinOf = (name) => `[role="spinbutton"][aria-label="${name}"]`;

test(`${engineName}: clicks on both halves of arrows, options and RESET, as the core computes them`, async () => {
  for (const [ratio, viewport] of [[1, laptop], [2, tablet]]) {
    const tab = await open({ ratio, viewport });
    const events = [];
    const arrow = async (name, control, half, times = 1) => {
      for (let n = 0; n < times; ++n) {
        await clickAt(tab, `${spinOf(name)} .${half}`);
        events.push(`${control}:${half}`);
      }
    };
    const option = async (name, control) => {
      await clickAt(tab, `input[aria-label="${name}"]`);
      events.push(`${control}:click`);
    };
    await arrow('A amplitude', 'SpinButton3(0)', 'up', 3);
    await arrow('A amplitude', 'SpinButton3(0)', 'down');
    await option('B sin', 'switch_s(1)');
    await arrow('B frequency', 'SpinButton4(1)', 'up', 3);
    await option('step a 0.5', 'Option6');
    await arrow('C amplitude', 'SpinButton3(2)', 'up');
    await arrow('t span', 'SpinButton11', 'up', 2);
    const what = `${viewport.width}x${viewport.height} at ${ratio}`;
    let expected = coreExpectations(events);
    await assertLabels(tab, expected, what);
    assert.equal((await labelTexts(tab))['Labela(0)'], '2', what);
    await assertCurves(tab, expected);
    await clickAt(tab, 'button.push');
    events.push('Command1:click');
    expected = coreExpectations(events);
    await assertLabels(tab, expected, `${what}, RESET`);
    await assertCurves(tab, expected);
    assert.deepEqual(await tab.evaluate(pageErrors), [], what);
    await tab.close();
  }
});

test(`${engineName}: the keyboard steps a focused arrow pair`, async () => {
  const tab = await open();
  await tab.evaluate((selector) => document.querySelector(selector).focus(), spinOf('A amplitude'));
  for (const key of ['ArrowUp', 'ArrowUp', 'ArrowDown']) await tab.press(key);
  await assertLabels(tab, coreExpectations(['SpinButton3(0):up', 'SpinButton3(0):up', 'SpinButton3(0):down']),
                     'keyboard');
  await tab.press('Tab');
  assert.equal(await tab.evaluate(() => document.activeElement.getAttribute('aria-label')), 'A frequency');
  await tab.close();
});

// Runs in the page: whether the screenshot shows the refusal's sentence
// whole: inside the sentence's box only its own dark ground and its
// neutral letters, nothing of the window's warm grey or its caption's blue.
async function sentenceSeen(shot) {
  const notice = document.getElementById('waves-state-refused');
  const png = new Blob([Uint8Array.from(atob(shot), (c) => c.charCodeAt(0))], { type: 'image/png' });
  const bitmap = await createImageBitmap(png);
  const context = new OffscreenCanvas(bitmap.width, bitmap.height).getContext('2d', { willReadFrequently: true });
  context.drawImage(bitmap, 0, 0);
  const scale = bitmap.width / innerWidth;
  const rect = notice.getBoundingClientRect();
  const data = context.getImageData(Math.round(rect.left * scale), Math.round(rect.top * scale),
                                    Math.round(rect.width * scale), Math.round(rect.height * scale)).data;
  let dark = 0;
  let foreign = 0;
  for (let at = 0; at < data.length; at += 4) {
    const [r, g, b] = [data[at], data[at + 1], data[at + 2]];
    if (r === 0x20 && g === 0x20 && b === 0x20) ++dark;
    else if (Math.abs(r - g) > 6 || Math.abs(r - b) > 6) ++foreign;  // the window's grey, the caption's blue
  }
  return { visible: !notice.hidden && rect.height > 0, dark, foreign, pixels: data.length / 4 };
}

test(`${engineName}: a refused or hostile link is said above the window, seen whole, and runs nothing`, async () => {
  const hostile = '<img src=x onerror="window.ran=1">"><script>window.ran=1</script>';
  for (const viewport of [laptop, tablet]) {
    for (const fragment of ['A=zz', encodeURIComponent(hostile)]) {
      const tab = await open({ viewport, fragment });
      const shown = await tab.evaluate(sentenceSeen, await tab.screenshot());
      const what = `${viewport.width}x${viewport.height} #${fragment.slice(0, 12)}`;
      assert.ok(shown.visible, `${what}: the sentence is shown`);
      assert.ok(shown.dark > shown.pixels / 2, `${what}: ${shown.dark} of ${shown.pixels} pixels are its ground`);
      assert.equal(shown.foreign, 0, `${what}: pixels of something else over the sentence`);
      const frame = await tab.evaluate(drawnBox, '.window');
      const notice = await tab.evaluate(() => document.getElementById('waves-state-refused').getBoundingClientRect().bottom);
      assert.ok(frame.top >= notice - 0.5 && frame.top + frame.height <= viewport.height + 0.5,
                `${what}: the window ${frame.top}..${frame.top + frame.height} below the sentence ending at ${notice}`);
      assert.deepEqual(await tab.evaluate(() => [window.ran ?? 0, document.querySelectorAll('main img, main script').length]),
                       [0, 0], `${what}: the fragment ran or made markup`);
      if (fragment !== 'A=zz') {
        assert.match(await tab.evaluate(() => document.getElementById('waves-state-refused').textContent),
                     /'<img src' is not a key/, `${what}: the fragment is said as text`);
      }
      assert.deepEqual(await tab.evaluate(pageErrors), [], what);
      await tab.close();
    }
  }
});

test(`${engineName}: a lesson link opens the lesson the core opens`, async () => {
  const lesson = 'A=5c10&B=5c11&t=3';
  const tab = await open({ fragment: lesson });
  const expected = coreExpectations([`--lesson=${lesson}`]);
  await assertLabels(tab, expected, lesson);
  await assertCurves(tab, expected);
  await tab.close();
});

// Runs in the page: each canvas's drawn edges in device pixels, and its size.
function canvasEdges(_) {
  const frame = document.querySelector('.window');
  const zoom = Number(frame.style.zoom || 1);
  const measuredZoomed = Math.abs(frame.getBoundingClientRect().width - parseFloat(frame.style.width) * zoom) < 1;
  const factor = (measuredZoomed ? 1 : zoom) * devicePixelRatio;
  return [...document.querySelectorAll('canvas')].map((canvas) => {
    const rect = canvas.getBoundingClientRect();
    return { name: canvas.dataset.name, size: [canvas.width, canvas.height],
             edges: [rect.left, rect.top, rect.right, rect.bottom].map((edge) => edge * factor),
             line: Math.round(parseFloat(canvas.style.borderWidth) * zoom * devicePixelRatio) };
  });
}

test(`${engineName}: every canvas sits on whole device pixels and the screen shows its pixels as they are`, async () => {
  for (const [ratio, viewport, shoot] of [[1, laptop, true], [2, laptop, true], [2, tablet, false],
                                          [2, { width: 993, height: 737 }, false], [1, { width: 1280, height: 800 }, false]]) {
    const tab = await open({ ratio, viewport, fragment: 'A=5c10&B=5c11' });
    const what = `${viewport.width}x${viewport.height} at ${ratio}`;
    for (const { name, size, edges, line } of await tab.evaluate(canvasEdges)) {
      for (const edge of edges) {
        assert.ok(Math.abs(edge - Math.round(edge)) < 0.07, `${what} ${name}: an edge at device pixel ${edge}`);
      }
      const [left, top, right, bottom] = edges.map(Math.round);
      assert.deepEqual(size, [right - left - 2 * line, bottom - top - 2 * line], `${what} ${name}: canvas against screen`);
      if (!shoot) continue;
      await tab.evaluate((alone) => {
        for (const control of document.querySelectorAll('.control')) {
          control.style.visibility = control.dataset.name === alone ? 'visible' : 'hidden';
        }
      }, name);
      assert.ok(await tab.evaluate(showsCanvas, { shot: await tab.screenshot(), name }),
                `${what} ${name}: the screen resamples the canvas`);
    }
    await tab.close();
  }
});

// The page as a web server gives it, from 127.0.0.1 only; every path it
// was asked for is recorded.
async function servePage() {
  const html = readFileSync(process.env.WAVES_PAGE);
  const asked = [];
  const server = createServer((request, response) => {
    asked.push(request.url);
    if (request.url !== '/waves.html') {
      response.writeHead(404).end();
      return;
    }
    response.writeHead(200, { 'Content-Type': 'text/html; charset=utf-8' }).end(html);
  });
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  return { url: `http://127.0.0.1:${server.address().port}/waves.html`, asked,
           close: () => new Promise((resolve) => server.close(resolve)) };
}

test(`${engineName}: the share dialog's QR code reads back as the address with the lesson`, async () => {
  const lesson = 'A=3c1&B=2s3&C=0c0&D=0c0&W=1c1&t=2&sa=1&sn=0.5';
  const served = await servePage();
  const work = mkdtempSync(join(tmpdir(), 'waves-share-'));
  try {
    const tab = await open({ url: served.url, fragment: lesson });
    await clickAt(tab, '.share-button');
    const address = await tab.evaluate(() => new Promise((resolve) => {
      const until = performance.now() + 5000;
      const look = () => {
        const shown = document.querySelector('.share-address');
        if (shown && !shown.closest('[hidden]') && shown.textContent) {
          requestAnimationFrame(() => requestAnimationFrame(() => resolve(shown.textContent)));
        } else if (performance.now() > until) {
          resolve(null);
        } else {
          setTimeout(look, 20);
        }
      };
      look();
    }));
    assert.equal(address, `${served.url}#${lesson}`, 'the dialog shows the address with the lesson');
    const shot = join(work, 'share.png');
    writeFileSync(shot, Buffer.from(await tab.screenshot(), 'base64'));
    const read = execFileSync('zbarimg', ['-q', '--raw', shot], { encoding: 'utf8' }).trim();
    assert.equal(read, address);
    assert.deepEqual(await tab.evaluate(pageErrors), []);
    await tab.close();
    assert.deepEqual(served.asked.filter((path) => path !== '/favicon.ico'), ['/waves.html'],
                     'the page asked the server for nothing else (the browser may ask for its icon)');
  } finally {
    rmSync(work, { recursive: true, force: true });
    await served.close();
  }
});

test(`${engineName}: axe-core finds no violation`, async () => {
  const tab = await open();
  const violations = await tab.evaluate(`function () { ${axeSource}; return axe.run(document).then((results) =>
    results.violations.map((v) => v.id + ': ' + v.nodes.map((n) => n.target).join(' '))); }`);
  assert.deepEqual(violations, []);
  await tab.close();
});
