// The three browser engines the page's scenarios run in, behind one small
// interface, so that a scenario is written once:
//
//   chromium  Debian's chromium, through playwright-core
//   firefox   Debian's firefox-esr, through puppeteer-core over WebDriver BiDi
//   webkit    WebKitGTK's MiniBrowser, through WebKitWebDriver (classic
//             WebDriver over HTTP), on an Xvfb display of its own
//
// launchEngine(name, ratio, {cpuSlowdown}) starts one browser whose screen
// has that device pixel ratio (Chromium alone can be slowed); its open()
// gives a tab with
//   evaluate(fn, arg)   fn run in the page with one JSON argument, awaited
//   click(x, y)         a real mouse click at a viewport point, CSS px
//   press(key)          a real key press ('Tab', 'ArrowUp', ...)
//   screenshot()        the viewport, a PNG in device pixels (base64)
//   close()
// and, in Chromium alone,
//   peek(expression)    an expression's value, read through the DevTools
//                       protocol without putting any of the driver's own
//                       script into the page (evaluate does, and a slowed
//                       processor would compile it while the page starts)
// Page errors are caught inside the page (MiniBrowser writes no console
// lines): see watchErrors, and pageErrors() after it.
import { spawn } from 'node:child_process';
import { setTimeout as sleep } from 'node:timers/promises';
import { createServer } from 'node:net';

import { chromium } from 'playwright-core';
import puppeteer from 'puppeteer-core';

const asExpression = (fn, arg) => `(${fn})(${JSON.stringify(arg ?? null)})`;

// How every test and benchmark starts Debian's Chromium: headless, as root,
// reaching for no network service, and without the browser's own pages
// behind its address bar, which it loads for every new window (every
// context of a headless browser) and which would compete with the page for
// the machine's two cores: on this machine, a page's first frame took
// 253 ms with them and 156 ms without.
export const chromiumArguments = [
  '--no-sandbox', '--disable-gpu', '--disable-background-networking', '--disable-component-update',
  '--disable-sync', '--no-first-run',
  '--disable-features=PreloadTopChromeWebUI,WebUIOmniboxPopup,WebUIOmniboxAimPopup,WebUIOmniboxFullPopup',
];

async function playwrightEngine(ratio, { cpuSlowdown = 1 } = {}) {
  const browser = await chromium.launch({
    executablePath: process.env.WAVES_CHROMIUM || '/usr/bin/chromium',
    args: [...chromiumArguments, `--force-device-scale-factor=${ratio}`],
  });
  return {
    version: browser.version(),
    async open(url, viewport) {
      const context = await browser.newContext({ viewport, deviceScaleFactor: ratio });
      const page = await context.newPage();
      const devTools = await context.newCDPSession(page);
      // A slower processor, as DevTools emulates one (for the benchmarks).
      if (cpuSlowdown !== 1) await devTools.send('Emulation.setCPUThrottlingRate', { rate: cpuSlowdown });
      await page.goto(url);
      return {
        evaluate: (fn, arg) => page.evaluate(asExpression(fn, arg)),
        click: (x, y) => page.mouse.click(x, y),
        press: (key) => page.keyboard.press(key),
        screenshot: async () => (await page.screenshot({ scale: 'device' })).toString('base64'),
        peek: async (expression) => {
          const { result, exceptionDetails } =
              await devTools.send('Runtime.evaluate', { expression, returnByValue: true });
          if (exceptionDetails) throw new Error(exceptionDetails.text);
          return result.value;
        },
        close: () => context.close(),
      };
    },
    close: () => browser.close(),
  };
}

async function puppeteerEngine(ratio) {
  const browser = await puppeteer.launch({
    browser: 'firefox', executablePath: process.env.WAVES_FIREFOX || '/usr/bin/firefox-esr', headless: true,
    extraPrefsFirefox: { 'layout.css.devPixelsPerPx': String(ratio) },
  });
  return {
    version: await browser.version(),
    async open(url, viewport) {
      const page = await browser.newPage();
      await page.setViewport({ ...viewport, deviceScaleFactor: ratio });
      await page.goto(url);
      return {
        evaluate: (fn, arg) => page.evaluate(asExpression(fn, arg)),
        click: (x, y) => page.mouse.click(x, y),
        press: (key) => page.keyboard.press(key),
        screenshot: () => page.screenshot({ encoding: 'base64' }),
        close: () => page.close(),
      };
    },
    close: () => browser.close(),
  };
}

const freePort = () => new Promise((resolve) => {
  const server = createServer().listen(0, () => {
    const { port } = server.address();
    server.close(() => resolve(port));
  });
});

// A child process that ends with this one.
function started(command, args, env) {
  const child = spawn(command, args, { env: { ...process.env, ...env }, stdio: 'ignore' });
  process.on('exit', () => child.kill());
  return child;
}

const webkitKeys = { Tab: '\uE004', ArrowUp: '\uE013', ArrowDown: '\uE015', Enter: '\uE007', ' ': ' ' };

async function webDriverEngine(ratio) {
  const display = `:${90 + Math.floor(Math.random() * 400)}`;
  const xvfb = started('Xvfb', [display, '-screen', '0', '2400x1800x24', '-nolisten', 'tcp']);
  const port = await freePort();
  const driver = started(process.env.WAVES_WEBKIT_DRIVER || 'WebKitWebDriver', [`--port=${port}`],
                         { DISPLAY: display, GDK_SCALE: String(ratio), GDK_BACKEND: 'x11' });
  const call = async (method, path, body) => {
    const response = await fetch(`http://127.0.0.1:${port}${path}`, {
      method, headers: { 'content-type': 'application/json' }, body: body && JSON.stringify(body) });
    const reply = await response.json();
    const failure = reply.value && reply.value.error;
    if (failure) throw new Error(`WebDriver ${path}: ${failure}: ${reply.value.message}`);
    return reply.value;
  };
  for (let tries = 0; ; ++tries) {
    try { await call('GET', '/status'); break; } catch (error) { if (tries > 100) throw error; }
    await sleep(100);
  }
  const browserOptions = { binary: process.env.WAVES_MINIBROWSER ||
                           '/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser', args: ['--automation'] };
  const session = await call('POST', '/session', {
    capabilities: { alwaysMatch: { 'webkitgtk:browserOptions': browserOptions } } });
  const base = `/session/${session.sessionId}`;
  const actions = (list) => call('POST', `${base}/actions`, { actions: list });
  return {
    version: `${session.capabilities.browserName} ${session.capabilities.browserVersion}`,
    async open(url, viewport) {
      // The window's outer size is what WebDriver sets; the viewport is
      // what is left of it, so it is set twice, on a blank page: the page
      // itself opens at its viewport, as it does for a person.
      await call('POST', `${base}/window/rect`, viewport);
      await call('POST', `${base}/url`, { url: 'about:blank' });
      let inner;
      for (let tries = 0; !inner; ++tries) {  // the new document may not answer at once
        inner = await call('POST', `${base}/execute/sync`, { script: 'return [innerWidth, innerHeight]', args: [] })
          .catch((error) => { if (tries > 50) throw error; return sleep(100).then(() => null); });
      }
      await call('POST', `${base}/window/rect`, { width: 2 * viewport.width - inner[0],
                                                  height: 2 * viewport.height - inner[1] });
      await call('POST', `${base}/url`, { url });
      for (let tries = 0; ; ++tries) {  // the page's document, once it answers
        const state = await call('POST', `${base}/execute/sync`, { script: 'return document.readyState', args: [] })
          .catch((error) => { if (tries > 50) throw error; return null; });
        if (state === 'complete') break;
        await sleep(50);
      }
      return {
        evaluate: (fn, arg) => call('POST', `${base}/execute/async`, {
          script: `const done = arguments[arguments.length - 1];
                   Promise.resolve(${asExpression(fn, arg)}).then(done, (e) => done({ thrown: String(e) }));`,
          args: [] }).then((value) => {
          if (value && value.thrown) throw new Error(value.thrown);
          return value;
        }),
        click: (x, y) => actions([{ type: 'pointer', id: 'mouse', parameters: { pointerType: 'mouse' }, actions: [
          { type: 'pointerMove', x: Math.round(x), y: Math.round(y), origin: 'viewport' },
          { type: 'pointerDown', button: 0 }, { type: 'pointerUp', button: 0 }] }]),
        press: (key) => actions([{ type: 'key', id: 'keyboard', actions: [
          { type: 'keyDown', value: webkitKeys[key] ?? key }, { type: 'keyUp', value: webkitKeys[key] ?? key }] }]),
        screenshot: () => call('GET', `${base}/screenshot`),
        close: () => call('POST', `${base}/url`, { url: 'about:blank' }),
      };
    },
    async close() {
      await call('DELETE', base).catch(() => {});
      driver.kill();
      xvfb.kill();
    },
  };
}

export const engineNames = ['chromium', 'firefox', 'webkit'];

export function launchEngine(name, ratio = 1, options = {}) {
  return { chromium: playwrightEngine, firefox: puppeteerEngine, webkit: webDriverEngine }[name](ratio, options);
}

// Runs in the page: from now on every error and refused promise is kept.
export function watchErrors() {
  window.wavesErrors = [];
  addEventListener('error', (event) => window.wavesErrors.push(String(event.message)));
  addEventListener('unhandledrejection', (event) => window.wavesErrors.push(String(event.reason)));
}
export const pageErrors = () => window.wavesErrors;
