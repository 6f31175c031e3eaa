// The page where players are: on a phone held sideways with its touch controls, offline after
// one visit, a new build taking the old one's place with the saves kept, and the download's
// size. Usage: node phonePage.mjs WEB_DIR ASSETS [PICTURE]
// PICTURE, when given, is where the phone's screen is saved, its touch controls showing.
import { execFileSync } from 'node:child_process';
import { appendFileSync, cpSync, mkdtempSync, readFileSync, rmSync, statSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';
import { gzipSync } from 'node:zlib';

import { check, closeSite, finish, launchBrowser, openPage, passes, servePage, state, waitForGame, waitForState } from './pageTools.mjs';

const [webDir, assets, picture] = process.argv.slice(2);
const phone = { width: 915, height: 412, isMobile: true, hasTouch: true, deviceScaleFactor: 1 };
const offlinePage = join(dirname(fileURLToPath(import.meta.url)), '../../web/offlinePage.sh');

// Fingers on the screen through Chromium's own touch events, several at once: each call
// gives every finger then down, by its control's id.
async function fingers(page, session, type, controls) {
  const touchPoints = [];
  for (const [index, control] of controls.entries()) {
    const box = await (await page.$(`#touch-${control}`)).boundingBox();
    touchPoints.push({ x: box.x + box.width / 2, y: box.y + box.height / 2, id: index + 1 });
  }
  await session.send('Input.dispatchTouchEvent', { type, touchPoints });
}

// Taps a control: down for some passes, then up for as many, as a player's thumb.
async function tap(page, session, control, held = 6) {
  await fingers(page, session, 'touchStart', [control]);
  await passes(page, held, `${control} held`);
  await fingers(page, session, 'touchEnd', []);
  await passes(page, 6, `${control} let go`);
}

const shownControls = (page) => page.$$eval('#touch .pad', (pads) => pads.filter((pad) => pad.offsetParent !== null)
  .map((pad) => ({ id: pad.id, ...pad.getBoundingClientRect().toJSON() })));

async function playOnPhone(browser, url) {
  const page = await openPage(browser, url, phone);
  const session = await page.createCDPSession();
  // A game saved at the ash groves, where the battery is full and the headlights can switch.
  await page.evaluate(() => {
    FS.mkdirTree('/home/web_user/.local/share/Velmora');
    FS.writeFile('/home/web_user/.local/share/Velmora/game.sav', '1000000\n');
  });
  await page.waitForSelector('#start:not(.hidden)');
  await page.tap('#start');
  await waitForState(page, 'the title', (now) => now.state === 'title');
  const layout = await page.evaluate(() => {
    const canvas = document.getElementById('canvas').getBoundingClientRect();
    const root = document.documentElement;
    return { canvas: canvas.toJSON(), scrolls: root.scrollWidth > innerWidth || root.scrollHeight > innerHeight };
  });
  check('the picture fills the phone\'s height without scrolling', !layout.scrolls &&
    Math.round(layout.canvas.height) === phone.height && layout.canvas.left >= 0, JSON.stringify(layout.canvas));
  const controls = await shownControls(page);
  const beside = (box) => box.right <= layout.canvas.left || box.left >= layout.canvas.right;
  check('the touch controls show beside the picture, each at least 48 pixels', controls.length >= 6 &&
    controls.every((box) => box.width >= 48 && box.height >= 48 && beside(box)), JSON.stringify(controls.filter((box) => !beside(box))));

  // The menus by taps: past the title, then "continue" (the menu's choice with a saved game).
  await tap(page, session, 'choose');
  await waitForState(page, 'the menu', (now) => now.state === 'introMenu' && now.text.menu.includes('_continue'));
  await tap(page, session, 'choose', 25);
  const inLevel = await waitForState(page, 'level 4', (now) => now.state === 'inGame' && now.level === 4);
  check('taps continue the saved game in level 4', inLevel.level === 4);

  // Driving: accelerate held, then a second finger steering as well.
  await page.waitForSelector('#touch-accelerate', { visible: true });
  await fingers(page, session, 'touchStart', ['accelerate']);
  const moving = await waitForState(page, 'the car moving', (now) => now.car.speed !== 0, 300);
  await fingers(page, session, 'touchStart', ['accelerate', 'steerRight']);
  const turned = await waitForState(page, 'the car turning', (now) => now.car.heading !== moving.car.heading, 300);
  if (picture) await page.screenshot({ path: picture });
  await fingers(page, session, 'touchEnd', []);
  check('holding accelerate drives, and steering with it turns', turned.car.speed !== 0 && turned.pass > moving.pass);

  const lights = (await state(page)).car.headlightsOn;
  await tap(page, session, 'lights');
  check('the lights control switches the headlights', (await state(page)).car.headlightsOn !== lights);

  await tap(page, session, 'pause');
  await waitForState(page, 'the pause', (now) => now.state === 'paused', 60);
  const menuControls = (await shownControls(page)).map((box) => box.id);
  check('the pause control pauses, and the menu\'s controls show', menuControls.includes('touch-choose'));

  await page.keyboard.press('Shift');
  check('a key hides the touch controls', (await shownControls(page)).length === 0);

  await page.setViewport({ ...phone, width: phone.height, height: phone.width });
  const askedToTurn = await page.$eval('#turn', (prompt) => getComputedStyle(prompt).display !== 'none');
  check('held upright, the page asks to turn the phone', askedToTurn);
  await page.close();
}

// The page's files as a service worker lists them, with their sizes.
function download(folder) {
  const worker = readFileSync(join(folder, 'serviceWorker.js'), 'utf8');
  const files = JSON.parse(/const files = (\[.*\]);/.exec(worker)[1].replaceAll("'", '"'));
  const sizes = files.map((file) => {
    const bytes = readFileSync(join(folder, file));
    return { file, bytes: bytes.length, gzipped: gzipSync(bytes, { level: 9 }).length };
  });
  return { version: /velmora-(\w+)/.exec(worker)[1], sizes };
}

const cachedNames = (page) => page.evaluate(() => navigator.serviceWorker.ready.then(() => caches.keys()));

// Once visited, the page starts with no network; a new build replaces it at a later visit.
async function playOffline(browser, folder) {
  const site = await servePage(folder);
  try {
    const page = await openPage(browser, site.url);
    const before = download(folder);
    await page.waitForFunction(() => navigator.serviceWorker.controller !== null, { timeout: 60000 });
    const settings = await page.evaluate(() => window.velmora.savedFile('settings.sav'));

    site.online = false;
    await page.setOfflineMode(true);
    await page.reload();
    await waitForGame(page);
    await page.click('#start');
    const title = await waitForState(page, 'the title', (now) => now.state === 'title').catch(() => ({}));
    check('with no network the page starts again and the title plays', title.state === 'title');

    appendFileSync(join(folder, 'index.html'), '<!-- the next build -->\n');
    execFileSync('bash', [offlinePage, folder, join(assets, 'art/icon256.png')], { stdio: 'ignore' });
    const after = download(folder);
    site.online = true;
    await page.setOfflineMode(false);
    await page.reload(); // finds the new build: its worker fills a new store and drops the old
    await waitForGame(page);
    await page.waitForFunction(async (name) => (await caches.keys()).join() === name, { timeout: 60000 },
      `velmora-${after.version}`).catch(() => {});
    await page.reload();
    await waitForGame(page);
    const html = await page.content();
    const kept = await page.evaluate(() => window.velmora.savedFile('settings.sav'));
    check('a new build replaces the old at the next visit', html.includes('the next build'),
      (await cachedNames(page)).join());
    check('the saves survive the new build', settings !== null && kept === settings);
    await page.close();
    return before;
  } finally {
    closeSite(site);
  }
}

function reportDownload({ sizes }) {
  const total = (key) => sizes.reduce((sum, size) => sum + size[key], 0);
  for (const { file, bytes, gzipped } of sizes) console.log(`  ${file.padEnd(22)} ${String(bytes).padStart(10)} ${String(gzipped).padStart(10)}`);
  console.log(`the download: ${(total('bytes') / 1e6).toFixed(1)} MB, ${(total('gzipped') / 1e6).toFixed(1)} MB gzipped`);
  // Every file the worker keeps, and the worker itself, gzipped as a server would send them.
  const worker = gzipSync(readFileSync(join(webDir, 'serviceWorker.js')), { level: 9 }).length;
  const wire = total('gzipped') + worker;
  check('the page comes over the wire in at most 5 MB', wire <= 5e6, `${wire} bytes gzipped`);
}

const folder = mkdtempSync(join(tmpdir(), 'velmora-phone-'));
const browser = await launchBrowser(join(folder, 'profile'));
const page = join(folder, 'page');
cpSync(webDir, page, { recursive: true, filter: (path) => path === webDir || statSync(path).isFile() });
const site = await servePage(page);
try {
  await playOnPhone(browser, site.url);
  reportDownload(await playOffline(browser, page));
} finally {
  await browser.close();
  closeSite(site);
  rmSync(folder, { recursive: true, force: true });
}
finish();
