// The web page in a real browser: Debian's Chromium, headless, opening the
// one HTML file from file://. What the page shows after real pointer and
// keyboard input is compared with what the core computes natively for the
// same events (core_expectations).
//
//   WAVES_PAGE=build/web/web/waves.html WAVES_CORE_EXPECTATIONS=.../core_expectations \
//     node --test tests/web/page.test.mjs
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { readdirSync, readFileSync } from 'node:fs';
import { createRequire } from 'node:module';

import { clickArrow, coreExpectations, labelTexts, open, pagePath, pageUrl, spin } from './browser_session.mjs';
import { assertPictures, fitScale } from './picture_checks.mjs';

const axeSource = readFileSync(createRequire(import.meta.url).resolve('axe-core/axe.min.js'), 'utf8');

async function assertDescriptions(page, expected) {
  for (const [name, description] of Object.entries(expected.descriptions)) {
    const canvas = page.locator(`canvas[data-name="${name}"]`);
    assert.equal(await canvas.evaluate((element) =>
      document.getElementById(element.getAttribute('aria-describedby')).textContent), description, name);
  }
}

test('one self-contained file that makes no request and says nothing wrong', async () => {
  const html = readFileSync(pagePath, 'utf8');
  // In the markup: the script's text is none (the QR code encoder writes an <img src=...> in a string).
  const markup = html.replace(/(<script>)[^]*?(<\/script>)/g, '$1$2');
  assert.doesNotMatch(markup, /<(script|link|img|iframe)\b[^>]*\b(src|href)=/, 'refers to another file');
  assert.match(html, /<meta http-equiv="Content-Security-Policy" content="default-src 'none'; [^"]*connect-src 'none'/);
  // The tab is named before the script runs, and where it cannot run.
  assert.match(html, /<title lang="ja">波の合成と積<\/title>/);
  const scripts = readdirSync(new URL('../../web/', import.meta.url)).filter((name) => name.endsWith('.js'));
  assert.ok(scripts.includes('page.js') && scripts.includes('start.js'), scripts.join(' '));
  for (const name of scripts) {
    const source = readFileSync(new URL(`../../web/${name}`, import.meta.url), 'utf8');
    assert.doesNotMatch(source, /innerHTML|outerHTML|insertAdjacentHTML|document\.write/, `${name}: text parsed as HTML`);
  }
  const { page, context, said, requests } = await open();
  assert.deepEqual(requests, [pageUrl]);
  assert.deepEqual(said, []);
  assert.equal(await page.title(), '波の合成と積');
  assert.equal(await page.locator('html').getAttribute('lang'), 'en');
  assert.equal(await page.locator('h1').getAttribute('lang'), 'ja');
  await context.close();
});

test('pointer clicks reach the handlers, and labels and pictures are what the core computes', async () => {
  for (const scale of [1, 2]) {
    const { page, context, said, requests } = await open({ scale });
    const devicePerCss = scale * fitScale(page.viewportSize());
    const events = [];
    const arrow = async (name, control, half, times = 1) => {
      for (let n = 0; n < times; ++n) {
        await clickArrow(page, name, half);
        events.push(`${control}:${half}`);
      }
    };
    const option = async (name, control) => {
      await page.getByRole('radio', { name, exact: true }).click();
      events.push(`${control}:click`);
    };
    await arrow('A amplitude', 'SpinButton3(0)', 'up', 3);
    await arrow('A amplitude', 'SpinButton3(0)', 'down');
    await arrow('A frequency', 'SpinButton4(0)', 'up');
    await option('B sin', 'switch_s(1)');
    await arrow('B amplitude', 'SpinButton3(1)', 'up', 2);
    await arrow('B frequency', 'SpinButton4(1)', 'up', 3);
    await option('step a 0.5', 'Option6');
    await arrow('C amplitude', 'SpinButton3(2)', 'up');
    await option('W sin', 'Option10');
    await arrow('W frequency', 'SpinButton2', 'up');
    await arrow('t span', 'SpinButton11', 'up', 3);
    await arrow('t span', 'SpinButton11', 'down');

    let expected = coreExpectations(events);
    const labels = await labelTexts(page);
    for (const [name, text] of Object.entries(expected.labels)) assert.equal(labels[name], text, name);
    assert.deepEqual([labels['Labela(0)'], labels['Labelb(1)'], labels['Labela(2)'], labels.value_std_b,
                      labels.labelt], ['2', '3', '0.5', '2', '3']);
    assert.equal(await spin(page, 'B frequency').getAttribute('aria-valuetext'), '3');
    await assertPictures(page, expected, devicePerCss);
    await assertDescriptions(page, expected);

    await page.getByRole('button', { name: 'RESET' }).click();
    events.push('Command1:click');
    expected = coreExpectations(events);
    assert.equal((await labelTexts(page)).labelt, '1');
    await assertPictures(page, expected, devicePerCss);
    await assertDescriptions(page, expected);
    assert.deepEqual(requests, [pageUrl]);
    assert.deepEqual(said, []);
    await context.close();
  }
});

test('an arrow held down steps at once, after 500 ms, then every 50 ms, until let go', async () => {
  const { page, context } = await open({ clock: true });
  await page.clock.pauseAt(await page.evaluate(() => Date.now()) + 1000);
  const value = () => spin(page, 'A frequency').getAttribute('aria-valuetext');
  const box = await spin(page, 'A frequency').boundingBox();
  await page.mouse.move(box.x + box.width / 2, box.y + box.height / 4);
  await page.mouse.down();
  assert.equal(await value(), '1');
  await page.clock.runFor(499);
  assert.equal(await value(), '1');
  await page.clock.runFor(1);
  assert.equal(await value(), '2');
  await page.clock.runFor(100);
  assert.equal(await value(), '4');
  await page.mouse.up();
  await page.clock.runFor(1000);
  assert.equal(await value(), '4');
  await context.close();
});

test('the keyboard: Tab in the order of the layout, Up and Down, arrow keys in groups, RESET', async () => {
  const { page, context } = await open();
  const focused = () => page.evaluate(() => {
    const element = document.activeElement;
    return element.getAttribute('aria-label') ?? element.textContent;
  });
  const order = [];
  for (let n = 0; n < 30; ++n) {
    await page.keyboard.press('Tab');
    order.push(await focused());
  }
  assert.deepEqual(order, [
    'E', 'D', 'C', 'B', 'A', 'RESET', 'A cos', 'B cos', 'C cos', 'D cos', 'step n 1', 'step a 1',
    "A'", "B'", "C'", "D'", "E'", 'Essential Wave W', 'W cos',
    'W amplitude', 'W frequency', 'A amplitude', 'A frequency', 'B amplitude', 'B frequency',
    'C amplitude', 'C frequency', 'D amplitude', 'D frequency', 't span']);
  const visibleRing = await page.evaluate(() => getComputedStyle(document.activeElement).outlineStyle);
  assert.equal(visibleRing, 'solid');

  await spin(page, 'A amplitude').focus();
  await page.keyboard.press('ArrowUp');
  await page.keyboard.press('ArrowUp');
  await page.keyboard.press('ArrowDown');
  assert.equal(await spin(page, 'A amplitude').getAttribute('aria-valuetext'), '1');

  await page.getByRole('radio', { name: 'B cos' }).focus();
  await page.keyboard.press('ArrowUp');
  assert.equal(await page.getByRole('radio', { name: 'B sin' }).isChecked(), true);
  await spin(page, 'B amplitude').focus();
  await page.keyboard.press('ArrowUp');
  assert.equal(await page.locator('canvas[data-name="Grph(1)"]').evaluate((element) =>
    document.getElementById(element.getAttribute('aria-describedby')).textContent), 'B = 1 sin(0 x), t = 1 period');

  await spin(page, 't span').focus();
  await page.keyboard.press('ArrowUp');
  await page.keyboard.press('ArrowUp');
  assert.equal(await spin(page, 't span').getAttribute('aria-valuetext'), '3');
  await page.getByRole('button', { name: 'RESET' }).focus();
  await page.keyboard.press('Space');
  assert.equal(await spin(page, 't span').getAttribute('aria-valuetext'), '1');
  await spin(page, 't span').focus();
  await page.keyboard.press('ArrowUp');
  await page.getByRole('button', { name: 'RESET' }).focus();
  await page.keyboard.press('Enter');
  assert.equal(await spin(page, 't span').getAttribute('aria-valuetext'), '1');
  await context.close();
});

test('axe-core finds no violation, in English or in Japanese', async () => {
  for (const locale of ['en-US', 'ja-JP']) {
    const { page, context } = await open({ locale });
    await page.evaluate(axeSource);
    const results = await page.evaluate(() => axe.run(document));
    assert.deepEqual(results.violations.map((v) => `${v.id}: ${v.nodes.map((n) => n.target).join(' ')}`), [],
                     locale);
    await context.close();
  }
});

async function accessibilityTree(context, page) {
  const cdp = await context.newCDPSession(page);
  return (await cdp.send('Accessibility.getFullAXTree')).nodes;
}

test('the accessibility tree names every control, with its role and value', async () => {
  const { page, context } = await open();
  await clickArrow(page, 'A amplitude', 'up');
  const nodes = await accessibilityTree(context, page);
  const byId = new Map(nodes.map((node) => [node.nodeId, node]));
  const find = (role, name) => nodes.find((node) => node.role?.value === role && node.name?.value === name);
  const property = (node, key) => node.properties?.find((p) => p.name === key)?.value.value;
  const within = (node, ancestor) => {
    for (let at = node; at; at = byId.get(at.parentId)) if (at === ancestor) return true;
    return false;
  };

  const amplitude = find('spinbutton', 'A amplitude');
  assert.ok(amplitude, 'spin button "A amplitude"');
  assert.equal(amplitude.value?.value, 1);
  assert.ok(within(amplitude, find('group', 'A controls')));
  assert.ok(within(find('group', 'A controls'), find('group', 'Wave A')));
  assert.equal(amplitude.description?.value, 'Steps the amplitude of wave A by the step chosen in step a');

  const group = find('radiogroup', 'A cos or sin');
  assert.ok(within(find('radio', 'A cos'), group) && within(find('radio', 'A sin'), group));
  assert.equal(property(find('radio', 'A cos'), 'checked'), 'true');
  assert.ok(within(find('radio', 'step a 0.5'), find('radiogroup', 'step a')));
  assert.equal(find('image', 'A').description?.value, 'A = 1 cos(0 x), t = 1 period');
  assert.equal(find('image', 'Essential Wave W').description?.value, 'W = 1 cos(1 x), t = 1 period');
  for (const name of ["A'", 'E', "E'", 'D']) assert.ok(find('image', name), `graph ${name}`);
  assert.ok(find('button', 'RESET'));
  assert.ok(find('spinbutton', 't span'));
  await context.close();
});

test('a browser that asks for Japanese gets the Japanese names and descriptions', async () => {
  const { page, context, said } = await open({ locale: 'ja-JP' });
  assert.equal(await page.locator('html').getAttribute('lang'), 'ja');
  await clickArrow(page, 'A の振幅', 'up');
  const nodes = await accessibilityTree(context, page);
  const find = (role, name) => nodes.find((node) => node.role?.value === role && node.name?.value === name);
  assert.equal(find('spinbutton', 'A の振幅')?.value?.value, 1);
  assert.equal(find('spinbutton', 'A の振幅').description?.value,
               '波 A の振幅を、「step a」で選んだ刻みずつ上げ下げします');
  assert.equal(find('image', 'A のグラフ')?.description?.value, 'A = 1 cos(0 x)、t = 1 周期');
  assert.equal(find('image', '基準波 W のグラフ')?.description?.value, 'W = 1 cos(1 x)、t = 1 周期');
  for (const [role, name] of [['radio', 'W を cos に'], ['radiogroup', 'A を cos にするか sin にするか'],
                              ['button', 'RESET（リセット）'], ['spinbutton', '表示周期数 t']]) {
    assert.ok(find(role, name), `${role} ${name}`);
  }
  assert.equal(await page.locator('.caption', { hasText: 'step a' }).getAttribute('lang'), 'en');
  assert.deepEqual(said, []);
  await context.close();

  // The first of the browser's languages that the page speaks, English
  // among them; English where it speaks none.
  for (const [languages, lang, name] of [[['en-GB', 'ja-JP'], 'en', 'A amplitude'], [['fr-FR', 'ja'], 'ja', 'A の振幅'],
                                         [['de-DE', 'fr'], 'en', 'A amplitude']]) {
    const other = await open({ init: `Object.defineProperty(Navigator.prototype, 'languages',
                                                            { get: () => ${JSON.stringify(languages)} });` });
    assert.equal(await other.page.locator('html').getAttribute('lang'), lang, languages.join());
    assert.ok(await other.page.getByRole('spinbutton', { name, exact: true }).count(), languages.join());
    await other.context.close();
  }

  const unavailable = await open({ locale: 'ja', init: 'delete globalThis.WebAssembly;', ready: false });
  await unavailable.page.locator('#waves-unavailable').waitFor();
  assert.match(await unavailable.page.locator('#waves-unavailable').textContent(), /^このページを開くには/);
  await unavailable.context.close();
});

test('without WebAssembly or a canvas the page says so in one sentence', async () => {
  for (const init of ['delete globalThis.WebAssembly;',
                      'HTMLCanvasElement.prototype.getContext = () => null;']) {
    const { page, context } = await open({ init, ready: false });
    const notice = page.locator('#waves-unavailable');
    await notice.waitFor();
    assert.match(await notice.textContent(), /^This page needs a browser that runs WebAssembly and draws on a canvas/);
    assert.equal(await page.locator('canvas').count(), 0);
    await context.close();
  }
});
