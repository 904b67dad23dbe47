// The caption bar's "Share this lesson": the QR code of the page's address,
// read back from a screenshot by zbarimg, as large as the viewport allows;
// the dialog's keyboard; and a page opened from a file, which offers the
// lesson's text instead of an address no tablet could open.
//
//   WAVES_PAGE=build/web/web/waves.html node --test tests/web/share.test.mjs
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { mkdtempSync, readFileSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';

import { browser, clickArrow, open, pagePath, spin } from './browser_session.mjs';

const lesson = 'A=3c1&B=2s3&C=0c0&D=0c0&W=1c1&t=2&sa=1&sn=0.5';

// The page as a web server would give it, answered inside the browser: no
// server, and every request the page made recorded.
async function openServed(viewport, fragment) {
  const context = await browser.newContext({ viewport });
  const html = readFileSync(pagePath);
  await context.route('http://waves.test/**', (route) => route.fulfill({ body: html, contentType: 'text/html' }));
  const requests = [];
  context.on('request', (request) => requests.push(request.url()));
  const page = await context.newPage();
  await page.goto(`http://waves.test/waves.html#${fragment}`);
  await page.waitForSelector('#waves[data-ready]');
  return { page, context, requests };
}

test('the QR code is the address with the lesson, at least 60% of the viewport, and fetches nothing', async () => {
  const work = mkdtempSync(join(tmpdir(), 'waves-share-'));
  try {
    for (const viewport of [{ width: 1920, height: 1080 }, { width: 1080, height: 810 }]) {
      const { page, context, requests } = await openServed(viewport, lesson);
      // A click changes the lesson: the code has the address after it.
      await clickArrow(page, 't span', 'up');
      await page.getByRole('button', { name: 'Share this lesson' }).click();
      const dialog = page.getByRole('dialog', { name: 'Share this lesson' });
      const address = lesson.replace('t=2', 't=3');
      assert.equal(await dialog.locator('.share-address').textContent(), `http://waves.test/waves.html#${address}`);
      const code = await dialog.getByRole('img').boundingBox();
      const shorter = Math.min(viewport.width, viewport.height);
      assert.ok(code.width >= 0.6 * shorter && code.width === code.height, `${code.width} px in ${shorter} px`);
      assert.ok(code.x >= 0 && code.y >= 0 && code.x + code.width <= viewport.width &&
                code.y + code.height <= viewport.height, 'the code lies inside the viewport');
      const shot = join(work, `${viewport.width}.png`);
      await page.screenshot({ path: shot });
      const read = execFileSync('zbarimg', ['-q', '--raw', shot], { encoding: 'utf8' }).trim();
      assert.equal(read, `http://waves.test/waves.html#${address}`);
      assert.deepEqual(requests, ['http://waves.test/waves.html']);
      await context.close();
    }
  } finally {
    rmSync(work, { recursive: true, force: true });
  }
});

test('the dialog keeps the focus, ends with Escape or Close, and gives the focus back', async () => {
  const { page, context } = await open({ fragment: lesson });
  const focused = () => page.evaluate(() => ({ text: document.activeElement.textContent,
                                               inDialog: !!document.activeElement.closest('[role=dialog]') }));
  await spin(page, 't span').focus();
  await page.keyboard.press('Tab');
  assert.equal((await focused()).text, 'Share this lesson');
  for (const ending of ['Escape', 'Close']) {
    await page.keyboard.press('Enter');
    const dialog = page.getByRole('dialog', { name: 'Share this lesson' });
    assert.equal(await dialog.getAttribute('aria-modal'), 'true');
    const stops = [await focused()];
    for (const key of ['Tab', 'Tab', 'Tab', 'Shift+Tab', 'Shift+Tab', 'Shift+Tab']) {
      await page.keyboard.press(key);
      stops.push(await focused());
    }
    assert.ok(stops.every((stop) => stop.inDialog), JSON.stringify(stops));
    assert.deepEqual(stops.map((stop) => stop.text), ['Copy the lesson text', 'Close', 'Copy the lesson text', 'Close',
                                                      'Copy the lesson text', 'Close', 'Copy the lesson text']);
    // Keys in the dialog reach nothing behind it: M leaves the means off.
    await page.keyboard.press('m');
    if (ending === 'Escape') {
      await page.keyboard.press('Escape');
    } else {
      await dialog.getByRole('button', { name: 'Close' }).focus();
      await page.keyboard.press('Space');
    }
    assert.equal(await dialog.count(), 0, ending);
    assert.equal((await focused()).text, 'Share this lesson', ending);
  }
  assert.doesNotMatch(await page.evaluate(() => location.hash), /m=1/);
  await context.close();
});

test('from a file the dialog says why there is no link and copies the lesson text', async () => {
  const { page, context, requests } = await open({ fragment: lesson, locale: 'ja-JP' });
  await context.grantPermissions(['clipboard-read', 'clipboard-write']);
  await page.getByRole('button', { name: 'この授業を共有' }).click();
  const dialog = page.getByRole('dialog', { name: 'この授業を共有' });
  assert.equal(await dialog.getByRole('img').isVisible(), false);
  assert.match(await dialog.locator('.share-hint').textContent(), /ファイル/);
  await dialog.getByRole('button', { name: '授業の状態をテキストでコピー' }).click();
  await dialog.getByRole('status').filter({ hasText: 'コピーしました' }).waitFor();
  assert.equal(await page.evaluate(() => navigator.clipboard.readText()), lesson);
  assert.equal(requests.length, 1);
  await context.close();
});
