// Takes the web page's picture for the README: the page opened from file://
// in Debian's headless Chromium, clicked into the state of the desktop's
// screenshot (A = 3 cos x, B = 2 sin 3x, W as it starts, two periods) with
// the real mouse, and the window taken as the page shows it.
//
//   node scripts/lib/web_screenshot.mjs PAGE OUTPUT_PNG
import { createRequire } from 'node:module';
import { readFileSync } from 'node:fs';
import { dirname, join } from 'node:path';
import { pathToFileURL } from 'node:url';

const require = createRequire(new URL('../../tests/web/package.json', import.meta.url));
const { chromium } = require('playwright-core');

const [pagePath, output] = process.argv.slice(2);
const browser = await chromium.launch({
  executablePath: '/usr/bin/chromium',
  args: ['--no-sandbox', '--disable-gpu', '--disable-background-networking', '--disable-component-update',
         '--disable-sync', '--no-first-run'],
});
try {
  // The window's own size (the layout's facts, written next to the page by
  // the web build): the page shows it at 1×.
  const { window: size } = JSON.parse(readFileSync(join(dirname(pagePath), 'layout_facts.json'), 'utf8'));
  const page = await browser.newPage({ viewport: { width: size.width, height: size.height } });
  await page.goto(pathToFileURL(pagePath).href);
  await page.waitForSelector('#waves[data-ready]');
  const click = async (name, times) => {
    const box = await page.getByRole('spinbutton', { name, exact: true }).boundingBox();
    for (let n = 0; n < times; ++n) await page.mouse.click(box.x + box.width / 2, box.y + box.height / 4);
  };
  await click('A amplitude', 3);
  await click('A frequency', 1);
  await click('B amplitude', 2);
  await click('B frequency', 3);
  await page.getByRole('radio', { name: 'B sin', exact: true }).click();
  await click('t span', 1);
  await page.mouse.move(0, 0);
  await page.locator('.window').screenshot({ path: output });
  console.log(`Saved ${output}`);
} finally {
  await browser.close();
}
