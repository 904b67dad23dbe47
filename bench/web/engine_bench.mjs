// The page's speed in each engine, and in Chromium with its processor
// slowed sixfold (DevTools' CPU throttling), standing in for a low-end
// Chromebook: the first frame (navigation start until the page marks
// itself ready, every graph drawn) and a full redraw (RESET at t_span 1,
// all eleven graphs, each read back by a one-pixel getImageData), timed in
// batches of 10 as page_bench.mjs times them; medians.
//
//   node bench/web/engine_bench.mjs PAGE
import { pathToFileURL } from 'node:url';

import { launchEngine } from '../../tests/web/engines.mjs';

const pageUrl = pathToFileURL(process.argv[2]).href;
const viewport = { width: 662, height: 491 };
const kLoads = 9;
const runs = [
  { label: 'Chromium', engine: 'chromium', firstFrameMs: 200 },
  { label: 'Firefox ESR', engine: 'firefox', firstFrameMs: 200 },
  { label: 'WebKitGTK', engine: 'webkit', firstFrameMs: 200 },
  { label: 'Chromium, CPU / 6', engine: 'chromium', options: { cpuSlowdown: 6 }, firstFrameMs: 600, redrawMs: 8 },
];

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];

// Runs in the page: once it is ready, when it became so.
function readyAt() {
  return new Promise((resolve) => {
    const look = () => {
      const mark = performance.getEntriesByName('waves-ready')[0];
      if (mark) resolve(mark.startTime); else setTimeout(look, 5);
    };
    look();
  });
}

// Runs in the page: RESET's full redraw, ms per event, by batch.
async function fullRedraws() {
  const id = Number(document.querySelector('[data-name="Command1"]').id.slice('control-'.length));
  const canvases = [...document.querySelectorAll('canvas')].map((canvas) => canvas.getContext('2d'));
  const once = () => {
    Module._waves_click(id);
    for (const canvas of canvases) canvas.getImageData(0, 0, 1, 1);
  };
  for (let k = 0; k < 40; ++k) once();
  const times = [];
  for (let b = 0; b < 21; ++b) {
    await new Promise((resolve) => setTimeout(resolve, 0));
    const start = performance.now();
    for (let k = 0; k < 10; ++k) once();
    times.push((performance.now() - start) / 10);
  }
  return times;
}

const missed = [];
console.log(`${'engine'.padEnd(20)} ${'version'.padEnd(22)} ${'first frame'.padStart(11)} ` +
            `${'full redraw'.padStart(11)}  budget`);
for (const { label, engine, options, firstFrameMs, redrawMs } of runs) {
  const browser = await launchEngine(engine, 1, options);
  try {
    const loads = [];
    for (let n = 0; n < kLoads; ++n) {
      const tab = await browser.open(pageUrl, viewport);
      loads.push(await tab.evaluate(readyAt));
      await tab.close();
    }
    const tab = await browser.open(`${pageUrl}#A=5c1&B=3s3&C=2c5&D=1s7&t=1`, viewport);
    await tab.evaluate(readyAt);
    const redraw = median(await tab.evaluate(fullRedraws));
    await tab.close();
    const first = median(loads);
    const over = [];
    if (first > firstFrameMs) over.push('first frame');
    if (redrawMs !== undefined && redraw > redrawMs) over.push('full redraw');
    missed.push(...over.map((what) => `${label}: ${what}`));
    const budget = `first frame <= ${firstFrameMs} ms` + (redrawMs ? `, full redraw <= ${redrawMs} ms` : '');
    console.log(`${label.padEnd(20)} ${String(browser.version).slice(0, 22).padEnd(22)} ` +
                `${(first.toFixed(1) + ' ms').padStart(11)} ${(redraw.toFixed(3) + ' ms').padStart(11)}  ${budget}` +
                `${over.length ? '   MISSED' : ''}`);
  } finally {
    await browser.close();
  }
}
console.log(missed.length ? `Over budget: ${missed.join('; ')}.` : 'Every engine meets its budget.');
