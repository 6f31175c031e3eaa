// What the page's tests share: the checks' tally, a server for the page's folder, Chromium,
// and waiting on the game's own passes rather than the clock.
import { createReadStream, statSync } from 'node:fs';
import { createServer } from 'node:http';
import { extname, join, normalize } from 'node:path';
import puppeteer from 'puppeteer-core';

export const tally = { passed: 0, failed: 0 };

export function check(name, ok, detail = '') {
  console.log(`${ok ? 'ok  ' : 'FAIL'} ${name}${detail ? ': ' + detail : ''}`);
  ok ? tally.passed++ : tally.failed++;
}

export function finish() {
  console.log(`${tally.passed} passed, ${tally.failed} failed`);
  process.exit(tally.failed === 0 ? 0 : 1);
}

// The folder on a free port of this machine only. While `site.online` is false every request
// is dropped, as with the network gone.
export function servePage(folder) {
  const types = { '.html': 'text/html', '.js': 'text/javascript', '.css': 'text/css', '.wasm': 'application/wasm',
    '.png': 'image/png', '.webmanifest': 'application/manifest+json' };
  const site = { online: true };
  site.server = createServer((request, response) => {
    if (!site.online) {
      request.socket.destroy();
      return;
    }
    const path = normalize(decodeURIComponent(new URL(request.url, 'http://x').pathname)).replace(/^\/+/, '');
    const file = join(folder, path || 'index.html');
    if (path.includes('..') || !statSync(file, { throwIfNoEntry: false })?.isFile()) {
      response.writeHead(404).end();
      return;
    }
    response.writeHead(200, { 'Content-Type': types[extname(file)] || 'application/octet-stream' });
    createReadStream(file).pipe(response);
  });
  return new Promise((resolve) => site.server.listen(0, '127.0.0.1', () => {
    site.url = `http://127.0.0.1:${site.server.address().port}/`;
    resolve(site);
  }));
}

export function closeSite(site) {
  site.server.closeAllConnections();
  site.server.close();
}

export function launchBrowser(profile) {
  return puppeteer.launch({
    executablePath: '/usr/bin/chromium',
    headless: true,
    userDataDir: profile,
    args: ['--disable-gpu', '--no-sandbox', '--autoplay-policy=no-user-gesture-required'],
  });
}

export const state = (page) => page.evaluate(() => window.velmora.state());

// Waits, by the game's own passes, until its state line satisfies the test.
export async function waitForState(page, what, test, passes = 1200) {
  const start = (await state(page)).pass || 0;
  for (;;) {
    const now = await state(page);
    if (test(now)) return now;
    if (now.pass === undefined) throw new Error(`the game ended before ${what}`);
    if ((now.pass || 0) - start > passes) throw new Error(`no ${what} within ${passes} passes: ${JSON.stringify(now)}`);
    await page.evaluate(() => new Promise(requestAnimationFrame));
  }
}

// Runs the game on for some passes.
export async function passes(page, count, what = 'the passes') {
  const from = (await state(page)).pass;
  return waitForState(page, what, (now) => now.pass >= from + count);
}

// Waits until the game has loaded and can be asked its state.
export async function waitForGame(page) {
  await page.waitForFunction(() => window.velmora && window.velmora.state().pass !== undefined, { timeout: 120000 });
}

export async function openPage(browser, url, viewport = { width: 1400, height: 1100 }) {
  const page = await browser.newPage();
  page.on('pageerror', (error) => check('no error on the page', false, error.message));
  await page.setViewport(viewport);
  await page.goto(url);
  await waitForGame(page);
  return page;
}
