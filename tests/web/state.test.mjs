// The lesson in the page's address: a link opens its lesson, drawn exactly
// as if it had been clicked there; the address follows every click without
// a history entry; a lesson clicks cannot reach is refused in one sentence,
// as the desktop's --state refuses it (the shared table); and neither
// thousands of queued clicks nor a thousand hostile fragments upset it.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { readFileSync } from 'node:fs';

import { createRequire } from 'node:module';

import { clickArrow, coreExpectations, labelTexts, open, pageUrl, useBrowserArguments } from './browser_session.mjs';

const axeSource = readFileSync(createRequire(import.meta.url).resolve('axe-core/axe.min.js'), 'utf8');

// Rewriting the address a thousand times in a few seconds is what the
// hostile-fragment test does on purpose; the browser would otherwise slow
// it down (the page itself rewrites it at most ten times a second).
useBrowserArguments(['--disable-ipc-flooding-protection']);

const start = 'A=0c0&B=0c0&C=0c0&D=0c0&W=1c1&t=1&sa=1&sn=1';
const refusedSentence = (reason) => `The lesson in this link could not be opened: ${reason} The page starts as usual.`;

function lessonTable() {
  const rows = readFileSync(new URL('../data/lesson_states.tsv', import.meta.url), 'utf8').split('\n');
  return rows.filter((row) => row && !row.startsWith('# ')).map((row) => {
    const [text, expected] = row.split('\t');
    return { text, accepted: expected.startsWith('= '), expected: expected.slice(2) };
  });
}

function readLessons(texts) {
  const lines = execFileSync(process.env.WAVES_CORE_EXPECTATIONS, ['--read-lessons'],
                             { input: texts.map((text) => text + '\n').join(''), encoding: 'utf8' });
  return lines.trim().split('\n').map((line) => JSON.parse(line)).map((outcome) =>
    (outcome.checked ? { ...outcome, checked: outcome.checked.sort() } : outcome));
}

// Runs in the page: what it shows of the lesson it is in.
function shownLesson() {
  const notice = document.getElementById('waves-state-refused');
  return {
    labels: Object.fromEntries([...document.querySelectorAll('.label')]
      .filter((label) => /^(Labela|Labelb|labelt|value_std)/.test(label.dataset.name))
      .map((label) => [label.dataset.name, label.lastChild.textContent])),
    checked: [...document.querySelectorAll('.option')].filter((option) => option.querySelector('input').checked)
      .map((option) => option.dataset.name).sort(),
    refused: notice.hidden ? null : notice.textContent,
    markup: document.querySelectorAll('main img, main script, main iframe').length,
  };
}

const pictures = (page) => page.evaluate(() => [...document.querySelectorAll('canvas')].map((canvas) => {
  const copy = document.createElement('canvas');
  copy.width = canvas.width;
  copy.height = canvas.height;
  const reader = copy.getContext('2d', { willReadFrequently: true });
  reader.drawImage(canvas, 0, 0);
  return [canvas.dataset.name, Array.from(reader.getImageData(0, 0, copy.width, copy.height).data).join()];
}));

const waitForAddress = (page, state) => page.waitForFunction((hash) => location.hash === hash, '#' + state);

test('a link opens its lesson as if it had been clicked there, and the address follows each click', async () => {
  const lesson = 'A=3c1&B=2.5s3&W=0.5s2&t=4&sa=0.2&sn=0.5';
  const linked = await open({ fragment: lesson });
  const expected = coreExpectations([`--lesson=${lesson}`]);
  assert.equal(await linked.page.evaluate(() => location.hash), '#' + expected.state);

  // The same lesson reached by clicks, in a page opened without a link.
  const clicked = await open();
  const events = [...Array(3).fill('SpinButton3(0):up'), 'SpinButton4(0):up', 'switch_s(1):click',
                  ...Array(2).fill('SpinButton3(1):up'), 'Option6:click', 'SpinButton3(1):up',
                  ...Array(3).fill('SpinButton4(1):up'), 'SpinButton1:down', 'SpinButton2:up', 'Option10:click',
                  ...Array(3).fill('SpinButton11:up'), 'Option7:click', 'Option2:click'];
  await clicked.page.evaluate((events) => {
    for (const event of events) {
      const [name, kind] = event.split(':');
      const element = document.querySelector(`[data-name="${name}"]`);
      if (kind === 'click') element.querySelector('input').click();
      else Module._waves_spin(Number(element.id.slice('control-'.length)), kind === 'up' ? 1 : 0);
    }
  }, events);
  assert.equal(coreExpectations(events).state, expected.state);
  await waitForAddress(clicked.page, expected.state);
  const shown = await linked.page.evaluate(shownLesson);
  assert.deepEqual(shown, await clicked.page.evaluate(shownLesson));
  assert.deepEqual(shown.labels, Object.fromEntries(Object.entries(expected.labels).filter(([name]) => name in shown.labels)));
  assert.deepEqual(await pictures(linked.page), await pictures(clicked.page));
  await clicked.context.close();

  // Each click is kept in the address, with no history entry of its own.
  const { page, context, said } = linked;
  const history = await page.evaluate(() => history.length);
  await clickArrow(page, 'C amplitude', 'up');
  await clickArrow(page, 't span', 'down');
  const after = coreExpectations([`--lesson=${lesson}`, 'SpinButton3(2):up', 'SpinButton11:down']);
  await waitForAddress(page, after.state);
  assert.equal(await page.evaluate(() => history.length), history);
  const before = await labelTexts(page);
  await page.reload();
  await page.waitForSelector('#waves[data-ready]');
  assert.deepEqual(await labelTexts(page), before);
  assert.deepEqual(said, []);
  await context.close();
});

// The means over the products: m=1 in a link draws them as the key M
// does, the address follows the key, and A''s description says its mean in
// the page's language either way.
test('m=1 and the key M draw the means in the mean colour, and the address and the description follow', async () => {
  const meanPixels = (page, name) => page.evaluate((name) => {
    const canvas = document.querySelector(`canvas[data-name="${name}"]`);
    const data = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height).data;
    let count = 0;
    for (let n = 0; n < data.length; n += 4) count += data[n] === 160 && data[n + 1] === 0 && data[n + 2] === 160;
    return count;
  }, name);
  const description = (page, name) => page.evaluate((name) => {
    const canvas = document.querySelector(`canvas[data-name="${name}"]`);
    return document.getElementById(canvas.getAttribute('aria-describedby')).textContent;
  }, name);
  const linked = await open({ fragment: 'A=5c1&W=2c1&m=1' });
  const pressed = await open({ fragment: 'A=5c1&W=2c1' });
  assert.equal(await meanPixels(pressed.page, 'm_grph(0)'), 0);
  await pressed.page.keyboard.press('m');
  await waitForAddress(pressed.page, 'A=5c1&B=0c0&C=0c0&D=0c0&W=2c1&t=1&sa=1&sn=1&m=1');
  assert.deepEqual(await pictures(pressed.page), await pictures(linked.page));
  for (const name of ['m_grph(0)', 'm_grph(1)', 'm_gr']) assert.ok(await meanPixels(linked.page, name) > 100, name);
  assert.equal(await meanPixels(linked.page, 'Grph(0)'), 0);
  assert.equal(await description(linked.page, 'm_grph(0)'),
               "A' = A × W = 5 cos(1 x) × 2 cos(1 x) = 5 + 5 cos(2 x), mean 5, t = 1 period");
  await pressed.page.keyboard.press('M');
  await waitForAddress(pressed.page, 'A=5c1&B=0c0&C=0c0&D=0c0&W=2c1&t=1&sa=1&sn=1');
  assert.equal(await meanPixels(pressed.page, 'm_gr'), 0);
  await linked.context.close();
  await pressed.context.close();

  const japanese = await open({ locale: 'ja-JP', fragment: 'A=5c2&W=5c1' });
  assert.equal(await description(japanese.page, 'm_gr'),
               "E' = W × E = 5 cos(1 x) × 5 cos(2 x) = 12.5 cos(1 x) + 12.5 cos(3 x)、" +
               "平均 A' + B' + C' + D' = 0 + 0 + 0 + 0 = 0、t = 1 周期");
  await japanese.context.close();
});

test('every lesson of the shared table opens, or is refused in one sentence that shows no markup', async () => {
  const table = lessonTable().filter((row) => row.text !== '');
  assert.ok(table.length >= 25);
  const [started] = readLessons(['']);
  const { page, context, said } = await open();
  for (const row of table) {
    await page.goto('about:blank');
    await page.goto(`${pageUrl}#${row.text}`);
    await page.waitForSelector('#waves[data-ready]');
    const shown = await page.evaluate(shownLesson);
    assert.equal(shown.markup, 0, row.text);
    if (row.accepted) {
      assert.equal(shown.refused, null, row.text);
      assert.equal(await page.evaluate(() => location.hash), '#' + row.expected, row.text);
    } else {
      assert.equal(shown.refused, refusedSentence(row.expected), row.text);
      assert.deepEqual({ labels: shown.labels, checked: shown.checked }, started, row.text);
    }
  }
  // A span of seven digits reads whole and one of eight in seven digits, as
  // the desktop writes a single-precision number (number_text_test.cpp).
  for (const [span, label] of [['1234567', '1234567'], ['16777216', '1.677722e+07']]) {
    await page.goto('about:blank');
    await page.goto(`${pageUrl}#t=${span}`);
    await page.waitForSelector('#waves[data-ready]');
    assert.equal((await page.evaluate(shownLesson)).labels.labelt, label, `t=${span}`);
  }
  assert.deepEqual(said, []);
  await context.close();

  // In Japanese, and with nothing for axe-core to object to.
  const japanese = await open({ locale: 'ja-JP', fragment: 't=0' });
  assert.equal(await japanese.page.locator('#waves-state-refused').textContent(),
               'このリンクの授業の状態は開けませんでした。t=0：表示周期数は 1 から 16777216 までの整数にしてください。' +
               ' ページは通常どおり始まります。');
  await japanese.page.evaluate(axeSource);
  const results = await japanese.page.evaluate(() => axe.run(document));
  assert.deepEqual(results.violations.map((v) => v.id), []);
  await japanese.context.close();
});

test('clicks in quick succession rewrite the address at most every 100 ms, and the last lesson arrives', async () => {
  const { page, context, said } = await open({ clock: true, init: () => {
    const replace = history.replaceState.bind(history);
    globalThis.addressWrites = [];
    history.replaceState = (...args) => { addressWrites.push(performance.now()); return replace(...args); };
  } });
  await page.clock.pauseAt(await page.evaluate(() => Date.now()) + 1000);
  const clicks = 40;
  for (let n = 0; n < clicks; ++n) {
    await clickArrow(page, 'A frequency', 'up');
    await page.clock.runFor(7);
  }
  await page.clock.runFor(100);
  // A click every 7 ms for 280 ms: the first is written at once, then one
  // each 100 ms, the last once its 100 ms are up.
  const writes = await page.evaluate(() => addressWrites);
  assert.ok(writes.length >= 3 && writes.length <= 4, `${writes.length} writes for ${clicks} clicks in 280 ms`);
  writes.slice(1).forEach((at, n) => assert.ok(at - writes[n] >= 100, `${at - writes[n]} ms apart`));
  const expected = coreExpectations(['--state-only', ...Array(clicks).fill('SpinButton4(0):up')]);
  assert.equal(await page.evaluate(() => location.hash), '#' + expected.state);
  assert.deepEqual(said, []);
  await context.close();
});

// A random event for one of the page's controls, in the core's words.
function randomEvents(count, random) {
  const spins = ['SpinButton1', 'SpinButton2', 'SpinButton11',
                 ...[0, 1, 2, 3].flatMap((i) => [`SpinButton3(${i})`, `SpinButton4(${i})`])];
  const options = ['Option9', 'Option10', ...[1, 2, 3, 4, 5, 6, 7, 8].map((n) => `Option${n}`),
                   ...[0, 1, 2, 3].flatMap((i) => [`switch_c(${i})`, `switch_s(${i})`])];
  const events = [];
  for (let n = 0; n < count; ++n) {
    const choice = random();
    if (choice < 0.75) {
      events.push(`${spins[Math.floor(random() * spins.length)]}:${random() < 0.55 ? 'up' : 'down'}`);
    } else if (choice < 0.995) {
      events.push(`${options[Math.floor(random() * options.length)]}:click`);
    } else {
      events.push('Command1:click');
    }
  }
  return events;
}

// The same numbers for the same seed (a linear congruential generator).
function seeded(seed) {
  let state = BigInt(seed);
  return () => {
    state = (state * 6364136223846793005n + 1442695040888963407n) % (1n << 64n);
    return Number(state >> 11n) / 2 ** 53;
  };
}

test('ten thousand queued clicks: none lost, and the page ends where the core does', async () => {
  // The page's clock stands still while the clicks arrive: however slowly
  // a loaded machine hands them on, no press is held for the half second
  // after which an arrow would start repeating.
  const { page, context, said } = await open({ clock: true });
  await page.clock.pauseAt(await page.evaluate(() => Date.now()) + 1000);
  const events = randomEvents(10000, seeded(11));
  // Where each click lands: the middle of an option, a quarter or three
  // quarters down an arrow pair.
  const places = await page.evaluate(() => Object.fromEntries([...document.querySelectorAll('.spin, .option, .push')]
    .map((element) => {
      const box = element.getBoundingClientRect();
      return [element.dataset.name, { x: box.x + box.width / 2, up: box.y + box.height / 4,
                                      middle: box.y + box.height / 2, down: box.y + box.height * 3 / 4 }];
    })));
  const cdp = await context.newCDPSession(page);
  const sent = [];
  for (const event of events) {
    const [name, kind] = event.split(':');
    const place = places[name];
    const y = kind === 'click' ? place.middle : place[kind];
    for (const type of ['mousePressed', 'mouseReleased']) {
      sent.push(cdp.send('Input.dispatchMouseEvent', { type, x: place.x, y, button: 'left', clickCount: 1 }));
    }
  }
  await Promise.all(sent);
  const expected = JSON.parse(execFileSync(process.env.WAVES_CORE_EXPECTATIONS, ['--state-only', ...events],
                                           { encoding: 'utf8' }));
  // The last lesson is written once the address's 100 ms are up.
  await page.clock.runFor(100);
  assert.equal(await page.evaluate(() => location.hash), '#' + expected.state);
  assert.deepEqual(said, []);
  await context.close();
});

// Lesson texts that are right, nearly right, and wrong in every way.
function randomFragments(count, random) {
  const pick = (items) => items[Math.floor(random() * items.length)];
  const number = () => pick(['0', '1', '3', '10', '10.9', '11', '0.5', '2.25', '-1', '1e2', '', '.5', '007',
                             String(Math.floor(random() * 2e9) / 10), '99999999999999999999', 'NaN', '１']);
  const wave = () => number() + pick(['c', 's', 'c', 's', 'x', '', 'cs']) + number();
  const pair = () => {
    const key = pick(['A', 'B', 'C', 'D', 'W', 't', 'sa', 'sn', 'E', 'a', '', 'A ']);
    const value = key.length === 1 && key !== 't' ? wave() : number();
    return pick([`${key}=${value}`, `${key}=${value}`, `${key}=${value}`, key, `${key}==${value}`]);
  };
  const hostile = ['<img src=x onerror=alert(1)>', '"><script>alert(1)</script>', '%', '%E0%A4%A',
                   '&&&', '=', 'A=3c1&', '\u202eA=3c1', 'A=3c1'.repeat(60), 'javascript:alert(1)', '%00', '#A=1c1'];
  // A lesson clicks can reach, with some keys left out, in any order.
  const tenths = (top) => String(Math.floor(random() * (top + 1)) / 10);
  const good = () => ['A', 'B', 'C', 'D', 'W', 't', 'sa', 'sn'].filter(() => random() < 0.5)
    .sort(() => random() - 0.5).map((key) => {
      if (key === 't') return `t=${1 + Math.floor(random() * 2000)}`;
      if (key.startsWith('s')) return `${key}=${pick(['1', '0.5', '0.2', '0.1'])}`;
      return `${key}=${tenths(109)}${pick(['c', 's'])}${tenths(key === 'W' ? 109 : 5000)}`;
    }).join('&');
  const fragments = [];
  for (let n = 0; n < count; ++n) {
    const kind = random();
    fragments.push(kind < 0.1 ? pick(hostile)
                   : kind < 0.5 ? good()
                   : Array.from({ length: 1 + Math.floor(random() * 5) }, pair).join('&'));
  }
  return fragments;
}

test('a thousand random and hostile fragments: each opens exactly its lesson or is refused, quietly', async () => {
  const { page, context, said } = await open();
  const fragments = randomFragments(1000, seeded(12));
  // What the page reads: the fragment as the browser keeps it, decoded.
  const outcomes = [];
  for (const fragment of fragments) {
    const read = await page.evaluate(async (fragment) => {
      // The fragment as the browser keeps it (some characters escaped),
      // and then decoded, as the page reads it.
      const url = new URL(location.href);
      url.hash = fragment;
      if (url.hash === location.hash) return null;
      const changed = new Promise((resolve) => addEventListener('hashchange', resolve, { once: true }));
      location.hash = fragment;
      await changed;
      const raw = url.hash.slice(1);
      try { return decodeURIComponent(raw); } catch (malformed) { return raw; }
    }, fragment);
    if (read !== null) outcomes.push({ read, shown: await page.evaluate(shownLesson) });
  }
  const usable = outcomes.filter((outcome) => !/[\r\n]/.test(outcome.read));
  const expected = readLessons(usable.map((outcome) => outcome.read));
  let refused = 0;
  usable.forEach((outcome, n) => {
    const { shown } = outcome;
    assert.equal(shown.markup, 0, outcome.read);
    if (expected[n].refused) {
      ++refused;
      assert.equal(shown.refused, refusedSentence(expected[n].refused), outcome.read);
    } else {
      assert.equal(shown.refused, null, outcome.read);
      assert.deepEqual({ labels: shown.labels, checked: shown.checked }, expected[n], outcome.read);
    }
  });
  assert.ok(usable.length >= 950 && refused > 300 && refused < usable.length - 300, `${refused} of ${usable.length}`);
  assert.deepEqual(said, []);
  await context.close();
});
