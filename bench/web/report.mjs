// The web benchmark's report: each case's web median beside the desktop's
// from the same run (waves_bench's JSON output), their ratio, and the
// budgets on this 2-core machine, with what is over its budget marked.
//
//   component change  at most 1 ms
//   full redraw       at most 2 ms at t_span 1, twice that at any larger
//                     span
//   every redraw      web at most 3 times the desktop
//   first frame       at most 150 ms
//   the file          at most 128 KiB
import { readFileSync } from 'node:fs';

const kMaxRatio = 3;
const kComponentMs = 1;
const kFullRedrawMs = 2;
const kFirstFrameMs = 150;
const kMaxBytes = 128 * 1024;

const caseNames = {
  component_change: 'component change',
  reference_change: 'reference change',
  full_redraw: 'full redraw',
};

const kMilliseconds = { ns: 1e-6, us: 1e-3, ms: 1, s: 1e3 };

// The medians of waves_bench's JSON output, in ms: {case: {span: ms}}.
export function desktopMedians(path) {
  const medians = {};
  for (const run of JSON.parse(readFileSync(path, 'utf8')).benchmarks) {
    if (run.run_type !== 'aggregate' || run.aggregate_name !== 'median') continue;
    const [name, argument] = run.run_name.split('/');
    const span = Number(argument?.replace('t_span:', ''));
    if (!(name in caseNames) || !Number.isInteger(span)) continue;
    (medians[name] ??= {})[span] = run.real_time * kMilliseconds[run.time_unit];
  }
  return medians;
}

// The time budget of a case at a span, in ms; undefined where it has none.
function timeBudget(name, span) {
  if (name === 'component_change') return kComponentMs;
  if (name === 'full_redraw') return span === 1 ? kFullRedrawMs : 2 * kFullRedrawMs;
  return undefined;
}

const fixed = (value, digits, width, unit = '') =>
  (value === undefined ? 'n/a' : value.toFixed(digits) + unit).padStart(width);

// firstFrames: the first frame of every load, in ms.
export function printReport({ spans, web, desktop, firstFrames, bytes }) {
  const missed = [];
  console.log('Medians in ms; web: headless Chromium, software rasterisation; desktop: waves_bench.');
  console.log(`${'case'.padEnd(17)} ${'t_span'.padStart(6)} ${'web'.padStart(7)} ${'desktop'.padStart(8)} ` +
              `${'web/desk'.padStart(8)}  budget`);
  for (const [name, label] of Object.entries(caseNames)) {
    for (const span of spans) {
      const webMs = web[name]?.[span];
      const desktopMs = desktop[name]?.[span];
      const ratio = webMs !== undefined && desktopMs ? webMs / desktopMs : undefined;
      const budget = timeBudget(name, span);
      const over = [];
      if (budget !== undefined && webMs !== undefined && webMs > budget) over.push('time');
      if (ratio !== undefined && ratio > kMaxRatio) over.push('ratio');
      if (over.length) missed.push(`${label} at ${span}`);
      const limits = (budget === undefined ? '' : `<= ${budget.toFixed(2)} ms, `) + `<= ${kMaxRatio}x`;
      console.log(`${label.padEnd(17)} ${String(span).padStart(6)} ${fixed(webMs, 3, 7)} ${fixed(desktopMs, 3, 8)} ` +
                  `${fixed(ratio, 2, 8, 'x')}  ${limits}${over.length ? `   MISSED (${over.join(', ')})` : ''}`);
    }
  }
  const loads = [...firstFrames].sort((a, b) => a - b);
  const firstFrame = loads[Math.floor(loads.length / 2)];
  const firstOver = firstFrame > kFirstFrameMs;
  const sizeOver = bytes > kMaxBytes;
  if (firstOver) missed.push('first frame');
  if (sizeOver) missed.push('file size');
  console.log(`first frame: ${firstFrame.toFixed(1)} ms, median of ${loads.length} loads (fastest ` +
              `${loads[0].toFixed(1)}, slowest ${loads[loads.length - 1].toFixed(1)}), navigation start to every ` +
              `canvas drawn; budget <= ${kFirstFrameMs} ms${firstOver ? '   MISSED' : ''}`);
  console.log(`the file: ${bytes} bytes, ${(bytes / 1024).toFixed(1)} KiB (budget <= ${kMaxBytes / 1024} KiB)` +
              `${sizeOver ? '   MISSED' : ''}`);
  console.log(missed.length ? `Over budget: ${missed.join('; ')}.` : 'Every budget is met.');
}
