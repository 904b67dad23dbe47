// The browser the web page's tests share: Debian's Chromium, headless,
// opening the one HTML file from file://, and the few ways the tests drive
// it and read it back. Each test file that imports this gets its own
// browsers for its tests: one for each device pixel ratio it asks for, as a
// screen of that ratio (--force-device-scale-factor) shows it. The page's
// ratio alone, as DevTools emulates it, would not do: there a canvas's
// devicePixelContentBoxSize still counts the screen's own pixels.
//
//   WAVES_PAGE          the built page (build/web/web/waves.html)
//   WAVES_LAYOUT_FACTS  the layout's facts it was built with (layout_facts.mjs),
//                       layout_facts.json next to the page unless set
//   WAVES_CORE_EXPECTATIONS  the native tool that runs the same events
//                            through the core (core_expectations)
//   WAVES_CHROMIUM      the browser, /usr/bin/chromium unless set
import { after, before } from 'node:test';
import { execFileSync } from 'node:child_process';
import { pathToFileURL } from 'node:url';

import { chromium } from 'playwright-core';

import { chromiumArguments } from './engines.mjs';

export const pagePath = process.env.WAVES_PAGE;
export const pageUrl = pathToFileURL(pagePath).href;

const browserArguments = [...chromiumArguments];
// More switches for this file's browsers; call it before the tests run.
export function useBrowserArguments(extra) { browserArguments.push(...extra); }

const browsers = new Map();  // device pixel ratio -> a promise of its browser

function browserFor(ratio) {
  if (!browsers.has(ratio)) {
    browsers.set(ratio, chromium.launch({
      executablePath: process.env.WAVES_CHROMIUM || '/usr/bin/chromium',
      args: [...browserArguments, `--force-device-scale-factor=${ratio}`],
    }));
  }
  return browsers.get(ratio);
}

export let browser;
before(async () => { browser = await browserFor(1); });
after(async () => {
  for (const launched of browsers.values()) await (await launched).close();
});

// A fresh page with everything it asks for and says recorded; scale is the
// screen's device pixel ratio, fragment the URL's part after '#', touch a
// mobile browser with a touch screen.
export async function open({ scale = 1, init, clock = false, ready = true, locale = 'en-US',
                             viewport = { width: 800, height: 600 }, fragment = '', touch = false } = {}) {
  const context = await (await browserFor(scale)).newContext({ viewport, deviceScaleFactor: scale, locale,
                                                               hasTouch: touch, isMobile: touch });
  const page = await context.newPage();
  const said = [];
  const requests = [];
  page.on('console', (message) => {
    if (message.type() === 'error' || message.type() === 'warning') said.push(message.text());
  });
  page.on('pageerror', (error) => said.push(error.message));
  context.on('request', (request) => requests.push(request.url()));
  if (init) await page.addInitScript(init);
  if (clock) await page.clock.install();
  await page.goto(fragment ? `${pageUrl}#${fragment}` : pageUrl);
  if (ready) await page.waitForSelector('#waves[data-ready]');
  return { page, context, said, requests };
}

export function coreExpectations(events) {
  return JSON.parse(execFileSync(process.env.WAVES_CORE_EXPECTATIONS, events, { encoding: 'utf8' }));
}

export const spin = (page, name) => page.getByRole('spinbutton', { name, exact: true });

// A click on the upper or lower half of an arrow pair, with the real mouse.
export async function clickArrow(page, name, half) {
  const box = await spin(page, name).boundingBox();
  await page.mouse.click(box.x + box.width / 2, box.y + box.height * (half === 'up' ? 0.25 : 0.75));
}

export async function labelTexts(page) {
  return page.evaluate(() => Object.fromEntries(
    [...document.querySelectorAll('.label')].map((label) => [label.dataset.name, label.lastChild.textContent])));
}
