// Benchmarks of the browser game (build/web) in headless Chromium: the
// first painted game against an empty page with one canvas in the same
// browser run, one full turn of wheel 1 at Challenging against the 94
// frames of 230 ms it is made of, and the site's size gzipped.
'use strict';
const fs = require('fs');
const os = require('os');
const path = require('path');
const zlib = require('zlib');
const { chromium } = require('playwright-core');
const serve = require('./serve');

const top = path.resolve(__dirname, '../..');
const site = path.join(top, 'build/web');
const runs = Number(process.env.QUINTARO_WEB_RUNS || 5);
const TURN_MS = 94 * 230; // Super's 47 numbers and 47 blanks, at Challenging's 230 ms

// When the page first puts a picture on a canvas, from the start of its navigation.
function recordDraws() {
  window.qwDraws = [];
  const draw = CanvasRenderingContext2D.prototype.drawImage;
  CanvasRenderingContext2D.prototype.drawImage = function (...a) {
    window.qwDraws.push({ t: performance.now(), over: this.canvas.classList.contains('qw-over'),
                          x: a[1], y: a[2], w: a[3], h: a[4] });
    return draw.apply(this, a);
  };
}

const EMPTY = `<!DOCTYPE html><title>empty</title><canvas id="c" width="950" height="448"></canvas>
<script>
const c = document.getElementById('c'), p = document.createElement('canvas');
p.width = 950; p.height = 448; p.getContext('2d').fillRect(0, 0, 950, 448);
c.getContext('2d').drawImage(p, 0, 0);
</script>`;

const median = (a) => [...a].sort((x, y) => x - y)[Math.floor(a.length / 2)];

async function firstPaint(context, url) {
  const page = await context.newPage();
  await page.goto(url);
  const t = await page.waitForFunction(() => window.qwDraws.length && window.qwDraws[0].t,
                                       null, { polling: 5 });
  const ms = await t.jsonValue();
  await page.close();
  return ms;
}

async function fullTurn(context, url) {
  const page = await context.newPage();
  await page.goto(url);
  const game = page.getByRole('dialog').first();
  await game.getByRole('button', { name: 'Exit' }).waitFor();
  await game.getByRole('checkbox', { name: 'Challenging' }).click({ force: true });
  await game.getByRole('button', { name: 'Get Lucky Numbers' }).click({ force: true });
  await page.waitForTimeout(300);
  await page.evaluate(() => { window.qwDraws = []; });
  await game.getByRole('button', { name: 'Spin 1' }).click({ force: true });
  // Wheel 1 is 72 px square at (68, 193) of the client area.
  const wheel = () => page.evaluate(() => window.qwDraws.filter((d) =>
    d.over && d.x < 140 && d.x + d.w > 68 && d.y < 265 && d.y + d.h > 193).map((d) => d.t));
  const end = Date.now() + TURN_MS * 1.5;
  let times = [];
  while ((times = await wheel()).length < 95 && Date.now() < end) await page.waitForTimeout(200);
  await page.close();
  if (times.length < 95) throw new Error('wheel 1 showed ' + times.length + ' pictures');
  return times[94] - times[0];
}

function siteSize() {
  let raw = 0, gzipped = 0;
  const walk = (dir) => {
    for (const e of fs.readdirSync(dir, { withFileTypes: true })) {
      const file = path.join(dir, e.name);
      if (e.isDirectory()) { walk(file); continue; }
      const bytes = fs.readFileSync(file);
      raw += bytes.length;
      gzipped += zlib.gzipSync(bytes, { level: 9 }).length;
    }
  };
  walk(site);
  return { raw, gzipped };
}

(async () => {
  if (!fs.existsSync(path.join(site, 'index.html'))) {
    console.error('bench/web: no site in build/web; run make web');
    process.exit(1);
  }
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'quintaro-bench-'));
  fs.mkdirSync(path.join(profile, 'empty'));
  fs.writeFileSync(path.join(profile, 'empty/index.html'), EMPTY);
  const context = await chromium.launchPersistentContext(path.join(profile, 'profile'), {
    executablePath: '/usr/bin/chromium', headless: true, viewport: { width: 1100, height: 680 },
    args: ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
           '--disable-background-networking', '--disable-component-update', '--disable-sync'],
  });
  await context.addInitScript(recordDraws);
  const servers = [await serve(site), await serve(path.join(profile, 'empty'))];
  const [game, empty] = servers.map((s) => `http://127.0.0.1:${s.address().port}/`);
  const disk = 'file://' + path.join(site, 'index.html');
  const gameMs = [], emptyMs = [], diskMs = [];
  // Alternating, after one run of each that is not counted (the browser's own start).
  await firstPaint(context, empty);
  await firstPaint(context, game);
  for (let i = 0; i < runs; i++) {
    emptyMs.push(await firstPaint(context, empty));
    gameMs.push(await firstPaint(context, game));
    diskMs.push(await firstPaint(context, disk));
  }
  const turn = await fullTurn(context, game);
  await context.close();
  servers.forEach((s) => s.close());
  fs.rmSync(profile, { recursive: true, force: true });

  const size = siteSize();
  const g = median(gameMs), e = median(emptyMs);
  const f = (n) => n.toFixed(1);
  console.log(`Browser game (build/web) in headless Chromium, served on 127.0.0.1; ` +
              `from navigation to the first picture on a canvas, median of ${runs} runs`);
  console.log(`  first painted game        ${f(g)} ms   (runs: ${gameMs.map(f).join(', ')})`);
  console.log(`  empty page, one canvas    ${f(e)} ms   (runs: ${emptyMs.map(f).join(', ')})`);
  console.log(`  game / empty page         ${(g / e).toFixed(2)}x   (aim: at most 1.5x)`);
  console.log(`  the game from disk        ${f(median(diskMs))} ms   (runs: ${diskMs.map(f).join(', ')})`);
  console.log(`  wheel 1 full turn         ${f(turn)} ms against ${TURN_MS} ms: ` +
              `${(100 * (turn - TURN_MS) / TURN_MS).toFixed(2)} %   (aim: within 1 %)`);
  console.log(`  site size                 ${(size.raw / 1e6).toFixed(2)} MB, gzipped ` +
              `${(size.gzipped / 1e6).toFixed(2)} MB   (aim: at most 1.5 MB)`);
})().catch((e) => {
  console.error('bench/web: ' + e.message);
  process.exit(1);
});
