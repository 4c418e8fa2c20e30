// The browser game's smoke tests: build/web played in headless Chromium with
// real mouse, touch and keys. Prints one line per case and a closing line
// "web: N passed, N failed"; exits non-zero when a case failed.
'use strict';
const fs = require('fs');
const os = require('os');
const path = require('path');
const { chromium } = require('playwright-core');
const serve = require('./serve');

const top = path.resolve(__dirname, '../..');
// The site: build/web, or the folder QUINTARO_WEB_SITE names (an unpacked zip).
const site = path.resolve(process.env.QUINTARO_WEB_SITE || path.join(top, 'build/web'));
const TITLE = 'Quintaro v2.0';
const WHEEL_IDS = [1016, 1017, 1018, 1019, 1020, 1021];

// The game window's layout table (tests/common/game_window_layout.h) in
// pixels, at the game's fixed scale (game/wheels_dlg.h), rounded as the
// dialog manager rounds.
function layout() {
  const scale = fs.readFileSync(path.join(top, 'game/wheels_dlg.h'), 'utf8')
    .match(/kPictureScale\{(\d+), (\d+)\}/).slice(1).map(Number);
  const across = (u) => Math.floor((u * scale[0] + 2) / 4);
  const down = (u) => Math.floor((u * scale[1] + 4) / 8);
  const table = fs.readFileSync(path.join(top, 'tests/common/game_window_layout.h'), 'utf8');
  const body = table.slice(table.indexOf('kGameWindow[] = {'));
  const rows = [];
  for (const m of body.matchAll(/\{(-?\d+), "(\w+)",\s*"((?:[^"\\]|\\.)*)",([^{}]*)\}/g)) {
    const n = m[4].split(',').map((s) => s.trim());
    const [x, y, w, h] = n.slice(2, 6).map(Number);
    rows.push({ id: Number(m[1]), cls: m[2], text: m[3], style: n[0], icon: n.length > 6,
                rect: [across(x), down(y), across(w), down(h)] });
  }
  return rows;
}
const LAYOUT = layout();
const wheelRect = (w) => LAYOUT.find((c) => c.id === WHEEL_IDS[w]).rect;

// Pictures drawn over the controls, per window, as the page draws them.
function recordDraws() {
  window.qwDraws = [];
  const draw = CanvasRenderingContext2D.prototype.drawImage;
  CanvasRenderingContext2D.prototype.drawImage = function (...a) {
    if (this.canvas.classList.contains('qw-over'))
      window.qwDraws.push({ win: this.canvas.closest('.qw-window'), x: a[1], y: a[2], w: a[3], h: a[4] });
    return draw.apply(this, a);
  };
}

// The pictures drawn on a wheel of the first game window so far.
function wheelDraws(page, w) {
  return page.evaluate(([x, y, cx, cy]) => window.qwDraws.filter((d) =>
    d.win === document.querySelector('.qw-window') &&
    d.x < x + cx && d.x + d.w > x && d.y < y + cy && d.y + d.h > y).length, wheelRect(w));
}

async function waitFor(what, test, ms = 5000) {
  const end = Date.now() + ms;
  for (;;) {
    const value = await test();
    if (value) return value;
    if (Date.now() > end) throw new Error('timed out waiting for ' + what);
    await new Promise((r) => setTimeout(r, 5));
  }
}

function check(ok, what) {
  if (!ok) throw new Error(what);
}

const cases = [];
const test = (name, fn) => cases.push({ name, fn });

// Opens the game; every click of a control lands on the client area at the
// control's place, as a player's would (the controls themselves take no
// pointer events: the game decides what a press does).
async function open(env, url = env.fileUrl) {
  const page = await env.context.newPage();
  env.errors = [];
  page.on('pageerror', (e) => env.errors.push(e.message));
  await page.goto(url);
  const game = page.getByRole('dialog', { name: TITLE }).first();
  await game.getByRole('button', { name: 'Exit' }).waitFor({ timeout: 10000 });
  const click = (name, role = 'button', scope = game) =>
    scope.getByRole(role, { name, exact: true }).click({ force: true });
  return { page, game, click };
}

const numbers = (game) => game.locator('[role=textbox]').allTextContents();

test('opens with its title and every control at its rectangle, from disk and from a server; ' +
     'scales to a narrow window, where a tap acts as a click', async (env) => {
  for (const url of [env.fileUrl, env.httpUrl]) {
    const { page, game, click } = await open(env, url);
    check(await page.title() === TITLE, 'title ' + (await page.title()));
    check(await page.evaluate(() => document.fonts.check('15px "Quintaro Sans"')),
          'the page face did not load from ' + url);
    const got = await game.evaluate((win) => {
      const client = win.querySelector('.qw-client').getBoundingClientRect();
      return [...win.querySelectorAll('.qw-control')].map((e) => {
        const r = e.getBoundingClientRect();
        return { rect: [r.left - client.left, r.top - client.top, r.width, r.height],
                 text: e.textContent };
      });
    });
    check(got.length === LAYOUT.length, `${got.length} controls, expected ${LAYOUT.length}`);
    LAYOUT.forEach((want, i) => {
      const rect = want.icon ? got[i].rect.slice(0, 2) : got[i].rect;
      const wanted = want.icon ? want.rect.slice(0, 2) : want.rect;
      check(rect.join() === wanted.join(),
            `control ${i + 1} "${want.text}" at ${rect}, expected ${wanted}`);
      if (want.cls !== 'edit')
        check(got[i].text === want.text.replace(/&/g, ''), `control ${i + 1} reads "${got[i].text}"`);
    });
    for (const want of LAYOUT.filter((c) => c.cls === 'button')) {
      const role = /AUTOCHECK/i.test(want.style) ? 'checkbox' : /AUTORADIO/i.test(want.style) ? 'radio'
        : /GROUPBOX/i.test(want.style) ? 'group' : 'button';
      check(await game.getByRole(role, { name: want.text, exact: true }).count() === 1,
            `no ${role} named "${want.text}"`);
    }
    if (url !== env.httpUrl) {
      await page.close();
      continue;
    }
    // Narrower than the game: all of it shows, scaled down; a tap draws the numbers.
    await page.setViewportSize({ width: 480, height: 360 });
    await waitFor('the game to fit', () => game.evaluate((w) => {
      const r = w.getBoundingClientRect();
      return r.left >= 0 && r.top >= 0 && r.right <= innerWidth && r.bottom <= innerHeight;
    }));
    const box = await game.getByRole('button', { name: 'Get Lucky Numbers' }).boundingBox();
    await page.touchscreen.tap(box.x + box.width / 2, box.y + box.height / 2);
    await waitFor('numbers after a tap', async () => !(await numbers(game)).includes('0'));
    await page.close();
  }
});

test('a draw, and a miss judged on the second picture after the click, then "Try Again"',
     async (env) => {
  const { page, game, click } = await open(env);
  await click('Get Lucky Numbers');
  const drawn = (await waitFor('the numbers', async () => {
    const n = await numbers(game);
    return !n.includes('0') && n;
  })).map(Number);
  const main = drawn.slice(0, 5);
  check(new Set(main).size === 5 && main.every((n) => n >= 1 && n <= 47) &&
        drawn[5] >= 1 && drawn[5] <= 27, 'a Super draw of ' + drawn);
  await click('Spin 1');
  // Clicked while an odd count of pictures shows: judged two pictures on, on a blank.
  const shown = await waitFor('an odd picture', async () => {
    const n = await wheelDraws(page, 0);
    return n % 2 === 1 && n;
  });
  await click('Stop 1');
  await game.getByRole('button', { name: 'Try Again' }).and(page.locator(':enabled')).waitFor();
  check(await wheelDraws(page, 0) === shown + 2, `stopped after ${await wheelDraws(page, 0)} ` +
        `pictures, clicked after ${shown}`);
  check(await game.getByRole('button', { name: 'Spin 2' }).isDisabled(), 'Spin 2 enabled on a miss');
  // As a screen reader presses it: a click with no press of the mouse.
  await game.getByRole('button', { name: 'Try Again' }).dispatchEvent('click');
  await waitFor('the reset', async () => (await numbers(game)).every((n) => n === '0'));
  check(await game.getByRole('button', { name: 'Get Lucky Numbers' }).isEnabled(),
        'Get Lucky Numbers disabled after "Try Again"');
  await page.close();
});

test('the About box during a spin holds the wheel until it closes', async (env) => {
  const { page, game, click } = await open(env);
  await click('Get Lucky Numbers');
  await click('Spin 1');
  await waitFor('the wheel to turn', async () => (await wheelDraws(page, 0)) >= 2);
  await game.getByRole('menuitem', { name: 'About Rolento...' }).click();
  const about = page.getByRole('dialog', { name: 'About Quintaro' });
  await about.waitFor();
  check(await game.evaluate((w) => w.inert), 'the game window takes input under the About box');
  const held = await wheelDraws(page, 0);
  await page.waitForTimeout(1500);
  check(await wheelDraws(page, 0) === held, 'the wheel turned under the About box');
  await click('OK', 'button', about);
  await waitFor('the wheel to turn again', async () => (await wheelDraws(page, 0)) > held, 3000);
  await page.close();
});

test('"Exit" in a spin, Escape and the close box end the game at once', async (env) => {
  for (const way of ['Exit', 'Escape', 'close box']) {
    const { page, game, click } = await open(env);
    if (way === 'Exit') {
      await click('Get Lucky Numbers');
      await click('Spin 1');
      await waitFor('the wheel to turn', async () => (await wheelDraws(page, 0)) >= 1);
      await click('Exit');
    } else if (way === 'Escape') {
      await page.keyboard.press('Escape');
    } else {
      await game.getByRole('button', { name: 'Close' }).click();
    }
    await page.getByText('Quintaro has ended.').waitFor({ timeout: 3000 });
    check(await page.locator('.qw-window').count() === 0, way + ': windows stayed');
    const draws = await page.evaluate(() => window.qwDraws.length);
    await page.waitForTimeout(600);
    check(await page.evaluate(() => window.qwDraws.length) === draws, way + ': still drawing');
    if (way === 'Escape') {
      await page.getByRole('button', { name: 'Play again' }).click();
      await page.getByRole('dialog', { name: TITLE }).waitFor();
    }
    await page.close();
  }
});

(async () => {
  if (!fs.existsSync(path.join(site, 'index.html'))) {
    console.error(`web: no site in ${site}; make web builds build/web`);
    process.exit(1);
  }
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'quintaro-web-'));
  const server = await serve(site);
  const context = await chromium.launchPersistentContext(profile, {
    executablePath: '/usr/bin/chromium', headless: true, hasTouch: true,
    viewport: { width: 1100, height: 680 },
    args: ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
           '--disable-background-networking', '--disable-component-update', '--disable-sync'],
  });
  await context.addInitScript(recordDraws);
  const env = { context, fileUrl: 'file://' + path.join(site, 'index.html'),
                httpUrl: `http://127.0.0.1:${server.address().port}/` };
  let passed = 0, failed = 0;
  for (const c of cases) {
    const start = Date.now();
    try {
      await c.fn(env);
      check(env.errors.length === 0, 'page errors: ' + env.errors.join('; '));
      passed++;
      console.log(`ok   ${c.name} (${Date.now() - start} ms)`);
    } catch (e) {
      failed++;
      console.log(`FAIL ${c.name}: ${e.message.split('\n')[0]}`);
    }
    for (const page of context.pages()) await page.close();
  }
  await context.close();
  server.close();
  fs.rmSync(profile, { recursive: true, force: true });
  console.log(`web: ${passed} passed, ${failed} failed`);
  process.exit(failed ? 1 : 0);
})();
