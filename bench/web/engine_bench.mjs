// The page's speed in each engine, and in Chromium with its processor
// slowed sixfold (DevTools' CPU throttling), standing in for a low-end
// Chromebook: the first frame (navigation start until the page marks
// itself ready, every graph drawn) and a full redraw (RESET at t_span 1,
// all eleven graphs, each read back by a one-pixel copy), timed in
// batches of 10 as page_bench.mjs times them; medians.
//
//   node bench/web/engine_bench.mjs PAGE [OTHER_PAGE...]
//
// With more than one page (a build before a change and after it), each
// engine loads them in turn, one load of each after the other, so that
// whatever else the machine is doing weighs on them alike; a row each.
// WAVES_BENCH_ENGINES (chromium, firefox, webkit, slow, comma-separated)
// runs only those rows.
//
// Beside the pages, each engine loads two pages made for the run, which
// show what no page can go below on this machine: an empty page, ready at
// its first frame, and the page's own window without its script (its
// markup and style as the page built them, its canvases blank), ready when
// its canvases are first sized, as the page is.
import { mkdtempSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { pathToFileURL } from 'node:url';

import { launchEngine } from '../../tests/web/engines.mjs';
import { layoutFactsBeside } from '../../tests/web/layout_facts.mjs';

const pages = process.argv.slice(2).map((path) => ({ path, url: pathToFileURL(path).href }));
if (pages.length === 0) {
  console.error('usage: node bench/web/engine_bench.mjs PAGE [OTHER_PAGE...]');
  process.exit(2);
}
const viewport = { ...layoutFactsBeside(pages[0].path).window };
const kLoads = 21;
const everyRun = [
  { key: 'chromium', label: 'Chromium', engine: 'chromium', firstFrameMs: 200 },
  { key: 'firefox', label: 'Firefox ESR', engine: 'firefox', firstFrameMs: 200 },
  { key: 'webkit', label: 'WebKitGTK', engine: 'webkit', firstFrameMs: 200 },
  { key: 'slow', label: 'Chromium, CPU / 6', engine: 'chromium', options: { cpuSlowdown: 6 }, firstFrameMs: 600,
    redrawMs: 8 },
];
const chosen = process.env.WAVES_BENCH_ENGINES ? process.env.WAVES_BENCH_ENGINES.split(',') : null;
const runs = everyRun.filter((run) => !chosen || chosen.includes(run.key));

// When the tab's page became ready. Where the driver can, the page is
// looked at from outside until then, so that nothing of the driver's runs in
// the page while it starts.
async function readyAt(tab) {
  if (!tab.peek) return tab.evaluate(whenReady);
  const expression = "performance.getEntriesByName('waves-ready').map((mark) => mark.startTime)[0] ?? null";
  for (;;) {
    const time = await tab.peek(expression);
    if (time !== null) return time;
    await new Promise((resolve) => setTimeout(resolve, 50));
  }
}

// The script of both reference pages: ready when the first canvas, or the
// body, is first sized.
const markWhenSized = "new ResizeObserver(function () { performance.mark('waves-ready'); })" +
                      ".observe(document.querySelector('canvas') || document.body);";
const emptyPage = '<!doctype html>\n<html lang="en"><head><meta charset="utf-8"><title>empty</title></head>' +
                  `<body><p>.</p><script>${markWhenSized}</script></body></html>\n`;

// Runs in the page once it is ready: the page as markup, without its
// script and its security policy, with the script that marks it ready.
function withoutScript(script) {
  const copy = document.documentElement.cloneNode(true);
  for (const element of copy.querySelectorAll('script, meta[http-equiv]')) element.remove();
  copy.querySelector('body').append(Object.assign(document.createElement('script'), { textContent: script }));
  return '<!doctype html>\n' + copy.outerHTML + '\n';
}

// The two reference pages, written for this run, the window's from the
// first page as this browser builds it.
async function referencePages(browser) {
  const tab = await browser.open(pages[0].url, viewport);
  await readyAt(tab);
  const windowPage = await tab.evaluate(withoutScript, markWhenSized);
  await tab.close();
  const folder = mkdtempSync(join(tmpdir(), 'waves-bench-'));
  return [['an empty page', emptyPage], ['the window, no script', windowPage]].map(([label, html]) => {
    const path = join(folder, `${label.replace(/\W+/g, '-')}.html`);
    writeFileSync(path, html);
    return { label, url: pathToFileURL(path).href };
  });
}

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];

// Runs in the page: once it is ready, when it became so.
function whenReady() {
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
  const canvases = [...document.querySelectorAll('canvas')];
  // Each graph is read back through a copy of one pixel: WebKitGTK stops
  // its page with a failed assertion after some thousands of reads of the
  // page's own canvases, and never after reads of a copy.
  const copy = document.createElement('canvas');
  copy.width = 1;
  copy.height = 1;
  const reader = copy.getContext('2d', { willReadFrequently: true });
  const once = () => {
    Module._waves_click(id);
    for (const canvas of canvases) {
      reader.drawImage(canvas, 0, 0, 1, 1, 0, 0, 1, 1);
      reader.getImageData(0, 0, 1, 1);
    }
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
const overWithoutPage = [];
const pageColumn = Math.max(22, ...pages.map(({ path }) => path.length)) + 1;
console.log(`${'engine'.padEnd(20)} ${'version'.padEnd(22)} ${'page'.padEnd(pageColumn)}` +
            `${'first frame'.padStart(11)} ${'full redraw'.padStart(11)}  budget`);
for (const { label, engine, options, firstFrameMs, redrawMs } of runs) {
  const browser = await launchEngine(engine, 1, options);
  try {
    const references = await referencePages(browser);
    const loaded = [...references, ...pages];
    const loads = loaded.map(() => []);
    for (let n = 0; n < kLoads; ++n) {
      for (const [k, { url }] of loaded.entries()) {
        const tab = await browser.open(url, viewport);
        loads[k].push(await readyAt(tab));
        await tab.close();
      }
    }
    const row = (page, first, redraw, budget) => console.log(
      `${label.padEnd(20)} ${String(browser.version).slice(0, 22).padEnd(22)} ${page.padEnd(pageColumn)}` +
      `${(first.toFixed(1) + ' ms').padStart(11)} ${redraw.padStart(11)}  ${budget}`);
    for (const [k, page] of references.entries()) {
      const first = median(loads[k]);
      row(page.label, first, '', '');
      if (first > firstFrameMs) overWithoutPage.push(`${label}: ${page.label} ${first.toFixed(1)} ms`);
    }
    const redraws = [];
    for (const { url } of pages) {
      const tab = await browser.open(`${url}#A=5c1&B=3s3&C=2c5&D=1s7&t=1`, viewport);
      await readyAt(tab);
      redraws.push(median(await tab.evaluate(fullRedraws)));
      await tab.close();
    }
    for (const [k, { path }] of pages.entries()) {
      const first = median(loads[references.length + k]);
      const redraw = redraws[k];
      const over = [];
      if (first > firstFrameMs) over.push('first frame');
      if (redrawMs !== undefined && redraw > redrawMs) over.push('full redraw');
      missed.push(...over.map((what) => `${label}${pages.length > 1 ? ` (${path})` : ''}: ${what}`));
      const budget = `first frame <= ${firstFrameMs} ms` + (redrawMs ? `, full redraw <= ${redrawMs} ms` : '');
      row(path, first, `${redraw.toFixed(3)} ms`, budget + (over.length ? '   MISSED' : ''));
    }
  } finally {
    await browser.close();
  }
}
console.log(missed.length ? `Over budget: ${missed.join('; ')}.` : 'Every engine meets its budget.');
if (overWithoutPage.length) {
  console.log(`Over the first frame's budget even without the page: ${overWithoutPage.join('; ')}.`);
}
