// Plays the game's web page in headless Chromium, as a player would with real key events:
// the title screen against the replay tool's picture of the same pass, a new game into
// level 1, the saved game kept across a reload, the passes run a second, no touch controls
// for a keyboard player, and a pad (a stand-in for the browser's) driving.
// Usage: node playPage.mjs WEB_DIR REPLAY_TOOL ASSETS
import { execFileSync } from 'node:child_process';
import { mkdtempSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';

import { check, closeSite, finish, launchBrowser, openPage, servePage, state, waitForState } from './pageTools.mjs';

const [webDir, replayTool, assets] = process.argv.slice(2);
const titlePass = 400; // well into the title menu, the hint text showing
const meanRateWindowMs = 4000;

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
const site = await servePage(webDir);
const url = site.url;
const browser = await launchBrowser(join(folder, 'profile'));
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

  const touchShown = await page.evaluate(() => getComputedStyle(document.getElementById('touch')).display !== 'none');
  check('a keyboard player sees no touch controls', !touchShown);

  // The pad: the browser's list of gamepads replaced by a test pad, whose bottom button drives.
  await waitForState(page, 'the car stopped', (now) => now.car.speed === 0, 900);
  await page.evaluate(() => {
    const buttons = Array.from({ length: 17 }, () => ({ pressed: false, touched: false, value: 0 }));
    window.testPad = { id: 'test pad', index: 0, connected: true, mapping: 'standard', buttons, axes: [0, 0, 0, 0] };
    navigator.getGamepads = () => [window.testPad, null, null, null];
    buttons[0].pressed = true;
  });
  const padDriving = await waitForState(page, 'the pad driving', (now) => now.car.speed !== 0, 300).catch(() => null);
  await page.evaluate(() => { window.testPad.buttons[0].pressed = false; });
  check('the pad\'s bottom button drives the car', padDriving !== null);

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
  closeSite(site);
  rmSync(folder, { recursive: true, force: true });
}
finish();
