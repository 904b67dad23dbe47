// The web page's benchmark: the one HTML file opened from file:// in
// Debian's headless Chromium (software rasterisation), timed on the cases of
// the desktop's waves_bench, with the classroom waves (A = 5 cos 1x,
// B = 3 sin 3x, C = 2 cos 5x, D = 1 sin 7x, W = 1 cos 1x):
//
//   component change  A's amplitude 5 <-> 6; Grph(0), m_grph(0), Gr, m_gr
//   reference change  W's amplitude 1 <-> 2; std_grph, m_grph(0..3), m_gr
//   full redraw       RESET at t_span 1; otherwise "t=" down and up in turn
//                     (t_span - 1 <-> t_span); all eleven graphs
//   first frame       from navigation start until every graph is drawn and
//                     read back, each load in a new tab of the one browser,
//                     as a page opened from a running browser is
//
// An event is timed from the program's handler being called, as the page's
// own listeners call it, until a one-pixel getImageData has read back each
// canvas it changed, so that rasterisation the browser defers is counted.
// performance.now() has a resolution of 0.1 ms in this page, so events are
// timed in batches, each batch's time divided by its count; a case's figure
// is the median of its batches.
//
//   node bench/web/page_bench.mjs PAGE DESKTOP_JSON
//
// DESKTOP_JSON is waves_bench's --benchmark_out (JSON) from the same run; the
// report (report.mjs) sets the two side by side.
import { createRequire } from 'node:module';
import { statSync } from 'node:fs';
import { pathToFileURL } from 'node:url';

import { desktopMedians, printReport } from './report.mjs';
import { chromiumArguments } from '../../tests/web/engines.mjs';
import { layoutFactsBeside } from '../../tests/web/layout_facts.mjs';

const require = createRequire(new URL('../../tests/web/package.json', import.meta.url));
const { chromium } = require('playwright-core');

const spans = [1, 3, 100, 1000, 16384, 100000];

// The classroom waves as the page's URL fragment reads them.
const kClassroom = 'A=5c1&B=3s3&C=2c5&D=1s7';

const cases = {
  component_change: { control: 'SpinButton3(0)', event: 'up-down', canvases: ['Grph(0)', 'm_grph(0)', 'Gr', 'm_gr'] },
  reference_change: {
    control: 'SpinButton1', event: 'up-down',
    canvases: ['std_grph', 'm_grph(0)', 'm_grph(1)', 'm_grph(2)', 'm_grph(3)', 'm_gr'],
  },
  full_redraw: {
    control: 'SpinButton11', event: 'down-up', canvases: everyGraph(),
    atSpanOne: { control: 'Command1', event: 'click' },
  },
};

function everyGraph() {
  const graphs = ['std_grph', 'Gr', 'm_gr'];
  for (let i = 0; i < 4; ++i) graphs.push(`Grph(${i})`, `m_grph(${i})`);
  return graphs;
}

// Events before timing (the WebAssembly's optimising tier), and the batches.
const kWarmUp = 60;
const kBatches = 31;
const kBatchSize = 20;
const kLoads = 21;
const [pagePath, desktopJson] = process.argv.slice(2);
// The window's own size: the page fits the window to the viewport, and at
// this size shows it at scale 1, with graphs of the desktop's 239 x 63
// pixels.
const viewport = { ...layoutFactsBeside(pagePath).window };
const pageUrl = pathToFileURL(pagePath).href;

function median(values) {
  const sorted = [...values].sort((a, b) => a - b);
  return sorted[Math.floor(sorted.length / 2)];
}

// Opens the page in the state of a case, by its URL fragment, and makes
// sure the page took it.
async function openAt(context, span) {
  const page = await context.newPage();
  await page.goto(`${pageUrl}#${kClassroom}&t=${span}`);
  await page.waitForSelector('#waves[data-ready]');
  const shown = await page.evaluate(() => document.querySelector('[data-name="labelt"]').lastChild.textContent);
  if (shown !== String(span)) throw new Error(`the page opened at t_span ${shown}, not ${span}`);
  return page;
}

// Runs in the page: the time of one event of the case, in ms, by batch.
async function timeCase({ control, event, canvases, warmUp, batches, batchSize }) {
  const id = Number(document.querySelector(`[data-name="${control}"]`).id.slice('control-'.length));
  const drawn = canvases.map((name) => document.querySelector(`canvas[data-name="${name}"]`).getContext('2d'));
  let n = 0;
  // Up and down in turn: the state comes back after every even count.
  const fire = {
    'click': () => Module._waves_click(id),
    'up-down': () => Module._waves_spin(id, n++ % 2 === 0 ? 1 : 0),
    'down-up': () => Module._waves_spin(id, n++ % 2 === 0 ? 0 : 1),
  }[event];
  const once = () => {
    fire();
    for (const canvas of drawn) canvas.getImageData(0, 0, 1, 1);
  };
  for (let k = 0; k < warmUp; ++k) once();
  const times = [];
  for (let b = 0; b < batches; ++b) {
    // Whatever the browser has left to do runs between batches.
    await new Promise((resolve) => setTimeout(resolve, 0));
    const start = performance.now();
    for (let k = 0; k < batchSize; ++k) once();
    times.push((performance.now() - start) / batchSize);
  }
  return times;
}

// Runs before the page's scripts: the time from navigation start until the
// page says every graph is drawn and each canvas has been read back.
function watchFirstFrame() {
  new MutationObserver((changes, observer) => {
    const main = document.getElementById('waves');
    if (!main || !main.dataset.ready) return;
    observer.disconnect();
    for (const canvas of main.querySelectorAll('canvas')) canvas.getContext('2d').getImageData(0, 0, 1, 1);
    window.wavesFirstFrame = performance.now();
  }).observe(document, { subtree: true, attributes: true, attributeFilter: ['data-ready'] });
}

async function firstFrames(browser) {
  const context = await browser.newContext({ viewport });
  await context.addInitScript(watchFirstFrame);
  const times = [];
  for (let n = 0; n < kLoads; ++n) {
    const page = await context.newPage();
    await page.goto(pageUrl);
    await page.waitForFunction(() => window.wavesFirstFrame !== undefined);
    times.push(await page.evaluate(() => window.wavesFirstFrame));
    await page.close();
  }
  await context.close();
  return times;
}

async function redraws(browser) {
  const context = await browser.newContext({ viewport });
  const medians = {};
  for (const [name, description] of Object.entries(cases)) {
    medians[name] = {};
    for (const span of spans) {
      const page = await openAt(context, span);
      const event = span === 1 && description.atSpanOne ? { ...description, ...description.atSpanOne } : description;
      medians[name][span] = median(await page.evaluate(timeCase, {
        control: event.control, event: event.event, canvases: event.canvases,
        warmUp: kWarmUp, batches: kBatches, batchSize: kBatchSize,
      }));
      await page.close();
    }
  }
  await context.close();
  return medians;
}

// Launched as the web tests launch it.
const browser = await chromium.launch({
  executablePath: process.env.WAVES_CHROMIUM || '/usr/bin/chromium',
  args: chromiumArguments,
});
try {
  const web = await redraws(browser);
  const loads = await firstFrames(browser);
  printReport({ spans, web, desktop: desktopMedians(desktopJson), firstFrames: loads, bytes: statSync(pagePath).size });
} finally {
  await browser.close();
}
