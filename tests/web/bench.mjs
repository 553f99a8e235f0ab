// The page's size and speed, measured (a benchmark, not a test): the folder's bytes, the time
// from opening the page to its first frame, and over ten seconds of a round in headless
// Chromium the time each frame takes from its pass's wake-up to the canvas (median, 95th
// percentile) and the frames shown a second against the display's rate.
//   node bench.mjs PAGE_DIR        (serves PAGE_DIR itself with python3 -m http.server)
import { spawn } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import puppeteer from 'puppeteer-core';

const pageDir = process.argv[2];
const bytes = fs.readdirSync(pageDir).reduce((sum, name) => sum + fs.statSync(path.join(pageDir, name)).size, 0);
const port = 8900 + Math.floor(Math.random() * 90);
const server = spawn('python3', ['-m', 'http.server', String(port), '--bind', '127.0.0.1', '--directory', pageDir], { stdio: 'ignore' });
const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));
await sleep(800);
const browser = await puppeteer.launch({
  executablePath: '/usr/bin/chromium',
  args: ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking',
    '--disable-component-update', '--disable-sync', `--user-data-dir=${fs.mkdtempSync(path.join(os.tmpdir(), 'chromium-'))}`],
  defaultViewport: { width: 1600, height: 960 },
});
try {
  const page = await browser.newPage();
  await page.goto(`http://127.0.0.1:${port}/`);
  await page.waitForFunction(() => window.firstFrameMs !== undefined, { timeout: 20000 });
  const firstFrameMs = await page.evaluate(() => window.firstFrameMs);
  await page.mouse.click(800, 300);
  await sleep(4500);
  await page.evaluate(() => { window.pageTimings.work.length = 0; window.pageTimings.shownAt.length = 0; });
  await page.mouse.move(800, 200);
  await page.mouse.down();
  await sleep(10000);
  await page.mouse.up();
  const t = await page.evaluate(() => ({ work: window.pageTimings.work.slice(), shownAt: window.pageTimings.shownAt.slice() }));
  const refresh = await page.evaluate(() => new Promise((resolve) => {
    const stamps = [];
    const tick = (s) => { stamps.push(s); if (stamps.length < 61) requestAnimationFrame(tick); else resolve(60000 / (stamps[60] - stamps[0])); };
    requestAnimationFrame(tick);
  }));
  const sorted = t.work.slice().sort((a, b) => a - b);
  const at = (q) => sorted[Math.min(sorted.length - 1, Math.floor(q * sorted.length))];
  const seconds = (t.shownAt[t.shownAt.length - 1] - t.shownAt[0]) / 1000;
  console.log(`page folder: ${(bytes / 1048576).toFixed(2)} MB`);
  console.log(`first frame: ${firstFrameMs.toFixed(0)} ms after opening the page`);
  console.log(`frames in a round: ${t.work.length}, wake-up to canvas median ${at(0.5).toFixed(2)} ms, 95th percentile ${at(0.95).toFixed(2)} ms`);
  console.log(`frames shown: ${((t.shownAt.length - 1) / seconds).toFixed(1)} a second; display: ${refresh.toFixed(1)} Hz`);
} finally {
  await browser.close();
  server.kill();
}
