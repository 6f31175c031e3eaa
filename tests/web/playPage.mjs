// Plays the game's web page in headless Chromium, as a player would with real key events:
// the title screen against the replay tool's picture of the same pass, a new game into
// level 1, the saved game kept across a reload, and the passes run a second.
// Usage: node playPage.mjs WEB_DIR REPLAY_TOOL ASSETS
import { execFileSync } from 'node:child_process';
import { createReadStream, mkdtempSync, readFileSync, rmSync, statSync } from 'node:fs';
import { createServer } from 'node:http';
import { tmpdir } from 'node:os';
import { extname, join, normalize } from 'node:path';
import puppeteer from 'puppeteer-core';

const [webDir, replayTool, assets] = process.argv.slice(2);
const titlePass = 400; // well into the title menu, the hint text showing
const meanRateWindowMs = 4000;
let passed = 0;
let failed = 0;

function check(name, ok, detail = '') {
  console.log(`${ok ? 'ok  ' : 'FAIL'} ${name}${detail ? ': ' + detail : ''}`);
  ok ? passed++ : failed++;
}

// The page's folder on a free port of this machine only.
function servePage() {
  const types = { '.html': 'text/html', '.js': 'text/javascript', '.wasm': 'application/wasm' };
  const server = createServer((request, response) => {
    const path = normalize(decodeURIComponent(new URL(request.url, 'http://x').pathname)).replace(/^\/+/, '');
    const file = join(webDir, path || 'index.html');
    if (path.includes('..') || !statSync(file, { throwIfNoEntry: false })?.isFile()) {
      response.writeHead(404).end();
      return;
    }
    response.writeHead(200, { 'Content-Type': types[extname(file)] || 'application/octet-stream' });
    createReadStream(file).pipe(response);
  });
  return new Promise((resolve) => server.listen(0, '127.0.0.1', () => resolve(server)));
}

// The replay tool's screen after the pass, as raw RGB bytes (ImageMagick reads the PNG).
function replayPicture(pass, folder) {
  const shot = join(folder, 'title.png');
  execFileSync(replayTool, ['--frames', String(pass), '--assets', assets, '--data-dir', join(folder, 'data'),
    '--shot', `${pass}:${shot}`], { stdio: ['ignore', 'ignore', 'inherit'] });
  return execFileSync('convert', [shot, '-depth', '8', 'rgb:-'], { maxBuffer: 1 << 24 });
}

// The canvas as raw RGB bytes.
async function canvasPicture(page) {
  const rgba = Buffer.from(await page.evaluate(() => {
    const canvas = document.getElementById('canvas');
    const pixels = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height).data;
    let text = '';
    for (let i = 0; i < pixels.length; i += 0x8000) text += String.fromCharCode(...pixels.subarray(i, i + 0x8000));
    return btoa(text);
  }), 'base64');
  const rgb = Buffer.alloc((rgba.length / 4) * 3);
  for (let i = 0, j = 0; i < rgba.length; i += 4, j += 3) rgba.copy(rgb, j, i, i + 3);
  return rgb;
}

const state = (page) => page.evaluate(() => window.velmora.state());

// Waits, by the game's own passes, until its state line satisfies the test.
async function waitForState(page, what, test, passes = 1200) {
  const start = (await state(page)).pass || 0;
  for (;;) {
    const now = await state(page);
    if (test(now)) return now;
    if (now.pass === undefined) throw new Error(`the game ended before ${what}`);
    if ((now.pass || 0) - start > passes) throw new Error(`no ${what} within ${passes} passes: ${JSON.stringify(now)}`);
    await page.evaluate(() => new Promise(requestAnimationFrame));
  }
}

async function openPage(browser, url) {
  const page = await browser.newPage();
  page.on('pageerror', (error) => check('no error on the page', false, error.message));
  await page.setViewport({ width: 1400, height: 1100 });
  await page.goto(url);
  await page.waitForFunction(() => window.velmora && window.velmora.state().pass !== undefined, { timeout: 120000 });
  return page;
}

// Holds the key for some passes, then lets it go for as many, as a player's press.
async function pressKey(page, key, passes = 6) {
  await page.keyboard.down(key);
  const down = (await state(page)).pass;
  await waitForState(page, `${key} held`, (now) => now.pass >= down + passes);
  await page.keyboard.up(key);
  const up = (await state(page)).pass;
  await waitForState(page, `${key} let go`, (now) => now.pass >= up + passes);
}

const folder = mkdtempSync(join(tmpdir(), 'velmora-web-'));
const server = await servePage();
const url = `http://127.0.0.1:${server.address().port}/`;
const browser = await puppeteer.launch({
  executablePath: '/usr/bin/chromium',
  headless: true,
  userDataDir: join(folder, 'profile'),
  args: ['--disable-gpu', '--no-sandbox', '--autoplay-policy=no-user-gesture-required'],
});
try {
  // The title: held at a known pass, the canvas must be the replay tool's screen of that pass.
  let page = await openPage(browser, `${url}?hold=${titlePass}`);
  const title = await waitForState(page, `pass ${titlePass}`, (now) => now.pass === titlePass, titlePass + 10);
  check('the held pass shows the title', title.state === 'title', title.state);
  const expected = replayPicture(titlePass, folder);
  const shown = await canvasPicture(page);
  let differing = 0;
  for (let i = 0; i < expected.length; i += 3) differing += expected.compare(shown, i, i + 3, i, i + 3) !== 0;
  check('the title equals the replay tool\'s picture', shown.length === expected.length && differing === 0,
    `${differing} pixels differ`);

  // A new game with real keys: the player clicks, then Enter on "new game" and on the intro.
  await page.click('#start');
  await waitForState(page, 'the title menu', (now) => now.state === 'title');
  await pressKey(page, 'Enter');
  await waitForState(page, 'the intro', (now) => now.state === 'introMenu');
  await pressKey(page, 'Enter', 25);
  const inLevel = await waitForState(page, 'level 1', (now) => now.state === 'inGame' && now.level === 1);
  check('real keys start a new game in level 1', inLevel.level === 1);

  // Driving: the up arrow moves the car.
  await page.keyboard.down('ArrowUp');
  const moving = await waitForState(page, 'the car moving', (now) => now.car.speed !== 0, 900);
  await page.keyboard.up('ArrowUp');
  check('the up arrow drives the car', moving.car.speed !== 0);

  const rate = await page.evaluate(async (windowMs) => {
    const first = window.velmora.state().pass;
    const started = performance.now();
    await new Promise((resolve) => setTimeout(resolve, windowMs));
    return ((window.velmora.state().pass - first) * 1000) / (performance.now() - started);
  }, meanRateWindowMs);
  console.log(`passes a second in headless Chromium: ${rate.toFixed(1)}`);
  check('the game keeps up a playable pace', rate >= 20, rate.toFixed(1));

  // Keys elsewhere on the page are not the game's: it pauses as the canvas loses focus.
  await page.evaluate(() => document.getElementById('canvas').blur());
  await waitForState(page, 'the pause', (now) => now.state === 'paused', 60);
  check('the game pauses when the canvas loses focus', true);

  // The new game's save survives a reload.
  const saved = await page.evaluate(() => window.velmora.savedFile('game.sav'));
  await page.waitForFunction(() => window.velmora.savesSyncing() === 0);
  await page.close();
  page = await openPage(browser, `${url}?hold=1`);
  await waitForState(page, 'the first pass', (now) => now.pass === 1, 10);
  const reloaded = await page.evaluate(() => window.velmora.savedFile('game.sav'));
  check('the saved game survives a reload', saved !== null && reloaded === saved, `${saved} / ${reloaded}`);

  // "exit" from the title menu ends the game; the page thanks the player.
  await page.waitForSelector('#start:not(.hidden)');
  await page.click('#start');
  await waitForState(page, 'the title', (now) => now.state === 'title');
  await pressKey(page, 'Enter');
  while (!(await waitForState(page, 'the menu', (now) => now.text.menu !== '')).text.menu.includes('_exit')) {
    await pressKey(page, 'ArrowDown');
  }
  await pressKey(page, 'Enter').catch(() => {}); // the game may end while the key is down
  const thanked = await page.waitForFunction(() => !document.getElementById('thanks').classList.contains('hidden'))
    .then(() => true, () => false);
  check('exit shows the thanks', thanked, thanked ? '' : JSON.stringify(await state(page)).slice(0, 300));
  await page.close();
} finally {
  await browser.close();
  server.close();
  rmSync(folder, { recursive: true, force: true });
}
console.log(`${passed} passed, ${failed} failed`);
process.exit(failed === 0 ? 0 : 1);
