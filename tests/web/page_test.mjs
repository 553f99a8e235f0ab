// The page in Debian's chromium, over a plain static server (python3 -m http.server, no
// special headers), as a player plays it: one journey (title, click, countdown, a round,
// Escape pausing with the frame still, play on, game over, the table after a reload, the
// best round watched), keys sent by their place under an AZERTY layout walking as W A S D,
// a recorded session replayed by the page with every frame digest equal to the desktop's,
// and the page in Debian's Firefox, its sounds decoded there too. Screenshots go to the
// output folder to be looked at.
//   node page_test.mjs PAGE_DIR SESSION_DIR NATIVE_DIGEST_LOG OUT_DIR
import assert from 'node:assert/strict';
import { spawn } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import puppeteer from 'puppeteer-core';

const [pageDir, sessionDir, nativeDigestLog, outDir] = process.argv.slice(2);
fs.mkdirSync(outDir, { recursive: true });

// The served folder: the page, and the session under test/ for the replay entry.
const served = fs.mkdtempSync(path.join(os.tmpdir(), 'dream-arena-page-'));
for (const name of fs.readdirSync(pageDir)) fs.symlinkSync(path.resolve(pageDir, name), path.join(served, name));
fs.mkdirSync(path.join(served, 'test'));
for (const name of ['session.replay', 'monsterData.txt']) fs.copyFileSync(path.join(sessionDir, name), path.join(served, 'test', name));

const port = 8600 + Math.floor(Math.random() * 300);
const server = spawn('python3', ['-m', 'http.server', String(port), '--bind', '127.0.0.1', '--directory', served],
  { stdio: 'ignore' });
const origin = `http://127.0.0.1:${port}/`;

const browser = await puppeteer.launch({
  executablePath: '/usr/bin/chromium',
  args: ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
    '--disable-background-networking', '--disable-component-update', '--disable-sync',
    '--autoplay-policy=user-gesture-required', `--user-data-dir=${fs.mkdtempSync(path.join(os.tmpdir(), 'chromium-'))}`],
  defaultViewport: { width: 1000, height: 600 },
});

const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));
let failures = 0;
async function check(name, body) {
  const started = Date.now();
  try {
    await body();
    console.log(`ok   ${name} (${((Date.now() - started) / 1000).toFixed(1)} s)`);
  } catch (error) {
    failures += 1;
    console.log(`FAIL ${name}: ${error.message}`);
  }
}

// Monster tables for rounds that must last (the game's own can end a round of a player who
// stands still within 15 s): the game's kinds, hit points and speeds, with no damage, or with
// 5 a hit (ten hits end a round, so it lasts through the checks and still ends).
const harmless = '0 18 3 1\n0 15 2 2\n0 21 2 3\n0 30 2 4\n';
const tenHits = '5 18 3 1\n5 15 2 2\n5 21 2 3\n5 30 2 4\n';
// Before the game starts, on every page the tab loads: a working folder holding the table
// beside the packed pictures and sounds (as the replay entry makes its own).
function playWithTable(table) {
  let module;
  Object.defineProperty(window, 'Module', {
    configurable: true,
    get: () => module,
    set: (m) => {
      if (m === module) return;
      module = m;
      m.preRun.push(() => {
        FS.mkdir('/play');
        FS.writeFile('/play/monsterData.txt', table);
        FS.symlink('/resources', '/play/resources');
        FS.chdir('/play');
      });
    },
  });
}

// Each test in a browser context of its own: its own IndexedDB, as a fresh visitor's.
async function openPage(query = '', beforeScripts = null, table = null) {
  const context = await browser.createBrowserContext();
  const page = await context.newPage();
  if (beforeScripts) await page.evaluateOnNewDocument(beforeScripts);
  if (table) await page.evaluateOnNewDocument(playWithTable, table);
  const errors = [];
  page.on('console', (message) => { if (message.type() === 'error') errors.push(message.text()); });
  page.on('pageerror', (error) => errors.push(String(error)));
  for (let attempt = 0; ; ++attempt) {
    try {
      await page.goto(origin + query, { waitUntil: 'load' });
      break;
    } catch (error) {
      if (attempt > 20) throw error;
      await sleep(250);  // the server is still starting
    }
  }
  return { page, errors };
}

const probe = (page) => page.evaluate(() => JSON.parse(UTF8ToString(Module._webProbe())));
const frameDigest = (page) => page.evaluate(() => {
  const c = document.getElementById('frame');
  const words = new Uint32Array(c.getContext('2d').getImageData(0, 0, c.width, c.height).data.buffer);
  let h = 2166136261;
  for (let i = 0; i < words.length; ++i) h = Math.imul(h ^ words[i], 16777619);
  return h >>> 0;
});
// Pixels of the screens' text colour (red 0, green 150, blue 255) in a band of the frame.
const textPixels = (page, top, bottom) => page.evaluate((top, bottom) => {
  const c = document.getElementById('frame');
  const d = c.getContext('2d').getImageData(0, top, c.width, bottom - top).data;
  let n = 0;
  for (let i = 0; i < d.length; i += 4) if (d[i] === 0 && d[i + 1] === 150 && d[i + 2] === 255) n += 1;
  return n;
}, top, bottom);
async function waitFor(page, test, ms, what) {
  const end = Date.now() + ms;
  while (Date.now() < end) {
    if (await test()) return;
    await sleep(100);
  }
  throw new Error(`no ${what} after ${ms / 1000} s`);
}
// The table of best scores as the browser keeps it (emscripten's IndexedDB file system: one
// database named for the folder, one record a file), or '' while there is none.
const storedScores = (page) => page.evaluate(() => new Promise((resolve) => {
  const open = indexedDB.open('/player');
  open.onerror = () => resolve('');
  open.onsuccess = () => {
    const db = open.result;
    if (!db.objectStoreNames.contains('FILE_DATA')) {
      db.close();
      resolve('');
      return;
    }
    const get = db.transaction('FILE_DATA', 'readonly').objectStore('FILE_DATA').get('/player/data/dream-arena/scores.txt');
    get.onsuccess = () => {
      db.close();
      resolve(get.result && get.result.contents ? new TextDecoder().decode(get.result.contents) : '');
    };
    get.onerror = () => {
      db.close();
      resolve('');
    };
  };
}));
// The checks below look again until a deadline rather than once: a busy machine may show what
// is looked for a little late.
const looked = (promise) => promise.then(() => true, () => false);
// The round under way: the title's and the countdown's texts gone.
const roundUnderWay = (page) => waitFor(page, async () => (await textPixels(page, 192, 300)) < 100, 15000,
  'round after the countdown');
// "Paused" over the middle of the field.
const pausedShown = async (page) => (await textPixels(page, 290, 390)) > 150;
// The world standing still: two looks 300 ms apart find it where it was.
const standsStill = (page, what) => waitFor(page, async () => {
  const before = await probe(page);
  await sleep(300);
  return JSON.stringify(await probe(page)) === JSON.stringify(before);
}, 5000, what);
const movesOn = (page, from, what) => waitFor(page, async () => JSON.stringify(await probe(page)) !== JSON.stringify(from),
  5000, what);
// A key by its place: code is where it sits, key what the layout prints there.
async function key(page, type, code, printed) {
  const session = await page.target().createCDPSession();
  const event = { type, code, key: printed };
  if (type === 'keyDown' && printed.length === 1) event.text = printed;
  await session.send('Input.dispatchKeyEvent', event);
  await session.detach();
}
async function shoot(page, name) {
  await page.screenshot({ path: path.join(outDir, name + '.png') });
}

try {
  await check('journey: title, click, countdown, round, pause, hidden tab, game over, table after reload, best round watched', async () => {
    const { page, errors } = await openPage('', null, tenHits);
    await page.waitForFunction(() => window.firstFrameMs !== undefined, { timeout: 20000 });
    assert.equal(await page.title(), 'dream-arena');
    assert.ok(await textPixels(page, 192, 292) > 500, 'the title text is not drawn');
    await shoot(page, '1-title');

    await page.mouse.click(500, 300);
    await sleep(500);
    await shoot(page, '2-countdown');
    // The click started Web Audio, and every sound file, Ogg Vorbis and MP3 alike, decoded.
    let sound = {};
    await waitFor(page, async () => {
      sound = await page.evaluate(() => window.soundReport());
      return sound.running && sound.files >= 9 && sound.decoded === sound.files;
    }, 4000, 'sound started with every file decoded').catch((error) => {
      throw new Error(error.message + ': ' + JSON.stringify(sound));
    });
    await roundUnderWay(page);

    // A round: walking right moves the player (a monster's knock may undo one try).
    assert.ok((await probe(page)).hitPoints > 0, 'the round has not started');
    let walked = [];
    for (let attempt = 0; attempt < 3; ++attempt) {
      const before = await probe(page);
      await page.keyboard.down('KeyD');
      await sleep(600);
      await page.keyboard.up('KeyD');
      let after = before;
      const went = await looked(waitFor(page, async () => (after = await probe(page)).x > before.x + 20, 1500, 'walk'));
      walked.push(Math.round(after.x - before.x));
      if (went) break;
    }
    assert.ok(walked[walked.length - 1] > 20, `D did not walk right: moved ${walked.join(', ')}`);
    await shoot(page, '3-round');

    // Escape pauses: once "Paused" shows, two screenshots 2 s apart are the same, and the world
    // stands still.
    await page.keyboard.press('Escape');
    await waitFor(page, () => pausedShown(page), 5000, '"Paused" after Escape');
    const pausedAt = await probe(page);
    const paused = await page.screenshot({ path: path.join(outDir, '4-paused.png') });
    await sleep(2000);
    assert.ok(paused.equals(await page.screenshot()), 'the paused page changed within 2 s');
    assert.deepEqual(await probe(page), pausedAt, 'the world moved while paused');
    await page.keyboard.press('Escape');
    await waitFor(page, async () => !(await pausedShown(page)), 5000, 'play on after the second Escape');

    // A hidden tab pauses the round, as a minimised window does; shown again, it stays paused.
    const tabHidden = (hidden) => page.evaluate((hidden) => {
      Object.defineProperty(document, 'hidden', { value: hidden, configurable: true });
      document.dispatchEvent(new Event('visibilitychange'));
    }, hidden);
    await movesOn(page, await probe(page), 'world moving in the round');
    await tabHidden(true);
    await standsStill(page, 'world standing still in a hidden tab');
    const hiddenAt = await probe(page);
    await sleep(1000);
    await tabHidden(false);
    await sleep(500);
    assert.deepEqual(await probe(page), hiddenAt, 'the round went on in a hidden tab');
    await page.keyboard.press('Escape');
    await waitFor(page, async () => !(await pausedShown(page)), 5000, 'play on after Escape');

    // Stand still until the monsters win, then game over; the round reaches the browser's
    // storage (IndexedDB, where the page keeps the player's files) before the page is reloaded.
    await waitFor(page, async () => (await probe(page)).hitPoints <= 0, 240000, 'game over');
    await waitFor(page, async () => (await textPixels(page, 576, 676)) > 500, 5000, 'game-over texts');
    await shoot(page, '5-game-over');
    await waitFor(page, async () => /\nround\t/.test(await storedScores(page)), 15000, 'round in the stored table');

    // The table survives a reload.
    await page.reload({ waitUntil: 'load' });
    await page.waitForFunction(() => window.firstFrameMs !== undefined, { timeout: 20000 });
    await page.click('#best-button');
    const listing = await page.$eval('#best-table', (e) => e.textContent);
    assert.match(listing, /\b1\b.*\n/, 'no round in the table after a reload: ' + listing);
    await shoot(page, '6-best-rounds');

    // The best round, watched.
    await page.click('#watch-best');
    await page.waitForFunction(() => window.firstFrameMs !== undefined, { timeout: 20000 });
    const first = await frameDigest(page);
    await waitFor(page, async () => (await frameDigest(page)) !== first, 5000, 'moving picture in the watched round');
    await shoot(page, '7-watching');
    assert.deepEqual(errors, [], 'console errors');
    await page.browserContext().close();
  });

  await check('keys by place under AZERTY walk as W A S D; a pad walks, and unplugged pauses; storage refused, one line and play on', async () => {
    // A browser that keeps no files for the page (private windows of some browsers), and one
    // pad in the Gamepad API's standard layout that the test moves and unplugs.
    const { page, errors } = await openPage('', () => {
      Object.defineProperty(window, 'indexedDB', { value: undefined });
      const pad = { index: 0, id: 'test pad', mapping: 'standard', connected: true, axes: [0, 0, 0, 0],
        buttons: Array.from({ length: 17 }, () => ({ pressed: false, value: 0 })) };
      window.testPad = { pad, plugged: true };
      Object.defineProperty(navigator, 'getGamepads', { value: () => [window.testPad.plugged ? pad : null] });
    }, harmless);
    await page.waitForFunction(() => window.firstFrameMs !== undefined, { timeout: 20000 });
    const storageLine = await page.$eval('#storage', (e) => (e.hidden ? '' : e.textContent));
    assert.match(storageLine, /^This browser keeps no files for the page \(no IndexedDB\): settings and scores last until it is closed\.$/);
    await page.mouse.click(500, 300, { button: 'right' });
    await roundUnderWay(page);
    // AZERTY prints z q s d at the places of W A S D. A player against an edge, or knocked
    // back, may not get far: such a try is made again after a step the other way.
    const moves = [['KeyS', 's', 'y', 1, 'KeyW', 'z'], ['KeyW', 'z', 'y', -1, 'KeyS', 's'],
      ['KeyD', 'd', 'x', 1, 'KeyA', 'q'], ['KeyA', 'q', 'x', -1, 'KeyD', 'd']];
    const hold = async (code, printed) => {
      await key(page, 'keyDown', code, printed);
      await sleep(400);
      await key(page, 'keyUp', code, printed);
    };
    for (const [code, printed, axis, sign, backCode, backPrinted] of moves) {
      const tries = [];
      for (let attempt = 0; attempt < 3; ++attempt) {
        if (attempt > 0) await hold(backCode, backPrinted);
        const before = await probe(page);
        await hold(code, printed);
        let moved = 0;
        const went = await looked(waitFor(page, async () => (moved = sign * ((await probe(page))[axis] - before[axis])) > 10,
          1500, 'walk'));
        tries.push(Math.round(moved));
        if (went) break;
      }
      assert.ok(tries[tries.length - 1] > 10, `${code} (printing ${printed}) did not walk along ${axis}: ${tries.join(', ')}`);
    }
    // The pad's left stick walks; unplugging the pad in use pauses the round.
    const tilt = async (x) => {
      await page.evaluate((x) => { window.testPad.pad.axes[0] = x; }, x);
      await sleep(400);
      await page.evaluate(() => { window.testPad.pad.axes[0] = 0; });
    };
    const padTries = [];
    for (let attempt = 0; attempt < 3; ++attempt) {
      if (attempt > 0) await tilt(-1);
      const before = await probe(page);
      await tilt(1);
      let moved = 0;
      const went = await looked(waitFor(page, async () => (moved = (await probe(page)).x - before.x) > 10, 1500, 'walk'));
      padTries.push(Math.round(moved));
      if (went) break;
    }
    assert.ok(padTries[padTries.length - 1] > 10, `the pad's stick did not walk right: ${padTries.join(', ')}`);
    await page.evaluate(() => { window.testPad.plugged = false; });
    await standsStill(page, 'round standing still after the pad was unplugged');
    const unplugged = await probe(page);
    await sleep(1000);
    assert.deepEqual(await probe(page), unplugged, 'the round went on after the pad was unplugged');
    await shoot(page, '9-pad-unplugged');

    // Space and the arrows do not scroll the page.
    await key(page, 'keyDown', 'Space', ' ');
    await key(page, 'keyDown', 'ArrowDown', 'ArrowDown');
    assert.equal(await page.evaluate(() => window.scrollY + document.scrollingElement.scrollTop), 0);
    assert.deepEqual(errors, [], 'console errors');
    await page.browserContext().close();
  });

  await check('a recorded session replays in the page with the desktop\'s frame digests', async () => {
    const { page, errors } = await openPage('?replay=test/');
    await page.waitForFunction(() => window.replayDone !== undefined, { timeout: 240000, polling: 500 });
    const done = await page.evaluate(() => window.replayDone);
    await shoot(page, '8-replayed');
    assert.equal(done.status, 0, 'the replay departed from its file');
    const native = fs.readFileSync(nativeDigestLog, 'utf8').split('\n');
    const ours = done.digests.split('\n');
    fs.writeFileSync(path.join(outDir, 'page-digests.txt'), done.digests);
    assert.ok(native.length > 600, 'the desktop log is short: ' + native.length + ' lines');
    const first = native.findIndex((line, i) => line !== ours[i]);
    assert.equal(first, -1, `the logs part at line ${first + 1}: page "${ours[first]}", desktop "${native[first]}"`);
    assert.equal(ours.length, native.length);
    assert.deepEqual(errors, [], 'console errors');
    await page.browserContext().close();
  });
  await check('Firefox: the page plays, and every sound file (Ogg Vorbis and MP3) decodes', async () => {
    const firefox = await puppeteer.launch({ browser: 'firefox', executablePath: '/usr/bin/firefox-esr', headless: true,
      extraPrefsFirefox: { 'media.autoplay.default': 0 } });
    try {
      const page = await firefox.newPage();
      await page.setViewport({ width: 1000, height: 600 });
      const errors = [];
      page.on('pageerror', (error) => errors.push(String(error)));
      await page.goto(origin, { waitUntil: 'load' });
      await page.waitForFunction(() => window.firstFrameMs !== undefined, { timeout: 30000 });
      assert.equal(await page.title(), 'dream-arena');
      await page.mouse.click(500, 300);
      let sound = {};
      await waitFor(page, async () => {
        sound = await page.evaluate(() => window.soundReport());
        return sound.files >= 9 && sound.decoded === sound.files;
      }, 10000, 'every sound file decoded').catch((error) => {
        throw new Error(error.message + ': ' + JSON.stringify(sound));
      });
      await roundUnderWay(page);
      assert.ok((await probe(page)).hitPoints > 0, 'no round after the click');
      await shoot(page, '10-firefox-round');
      assert.deepEqual(errors, [], 'page errors');
    } finally {
      await firefox.close();
    }
  });
} finally {
  await browser.close();
  server.kill();
  fs.rmSync(served, { recursive: true, force: true });
}
console.log(failures === 0 ? 'browser tests: all passed' : `browser tests: ${failures} failed`);
process.exit(failures === 0 ? 0 : 1);
