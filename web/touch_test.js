// The pages on phones (touch controls, their place, lines seen at a high
// pixel ratio) and the page's own keys, in headless Chromium:
//   node touch_test.js BUILD_WEB_DIR
'use strict';
const { describe, test } = require('node:test');
const assert = require('node:assert/strict');
const fs = require('fs');
const os = require('os');
const path = require('path');
const { servedPages, programsIn, openPage, frameAt } = require('./browser');

const ROOT = path.resolve(process.argv[2] || 'build-web');
const pages = servedPages(ROOT);  // the server and the browser, for every test here
const PHONES = {
  landscape: { width: 844, height: 390, deviceScaleFactor: 3, isMobile: true, hasTouch: true },
  portrait: { width: 390, height: 844, deviceScaleFactor: 3, isMobile: true, hasTouch: true },
};
const WORLDS = { showcase: { width: 600, height: 400 }, game: { width: 400, height: 400 } };
const CODES = { Left: 100, Up: 101, Right: 102, Down: 103, space: 32 };
const SHELL_CODES = [112, 109];  // pause and mute

// The field as the program fits it into a window: as large as fits, centred, in CSS pixels.
function fieldIn(viewport, program) {
  const world = WORLDS[program] || WORLDS.game;
  const scale = Math.min(viewport.width / world.width, viewport.height / world.height);
  const width = world.width * scale, height = world.height * scale;
  return { left: (viewport.width - width) / 2, top: (viewport.height - height) / 2, width, height };
}

const overlaps = (a, b) =>
  a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height && b.top < a.top + a.height;

// A phone's page of the shooter, seeded, whose touchKey calls are logged as
// [code, down]. The program binds its export at the first call, so one call
// (of no key) comes before the log wraps it.
async function loggedShooter() {
  const page = await openPage(pages.browser, pages.server, 'rubblons', '?seed=7', { ...PHONES.landscape, deviceScaleFactor: 1 });
  await frameAt(page, 10);
  await page.evaluate(() => {
    Module._touchKey(0, 0);
    const touchKey = Module._touchKey;
    window.touched = [];
    Module._touchKey = (code, down) => (window.touched.push([code, down]), touchKey(code, down));
  });
  page.centreOf = name => page.$eval(`#touch button[aria-label="${name}"]`, button => {
    const box = button.getBoundingClientRect();
    return { x: box.x + box.width / 2, y: box.y + box.height / 2 };
  });
  return page;
}

describe('the pages on a phone', () => {
  test('each page lays its controls and caption in the bars, none over the field, each at least 48 pixels square', async () => {
    for (const program of programsIn(ROOT)) {
      for (const [shape, viewport] of Object.entries({ ...PHONES, desktop: { width: 800, height: 500 } })) {
        const page = await openPage(pages.browser, pages.server, program, '', viewport);
        await frameAt(page, 5);
        const boxes = await page.$$eval('#touch:not([hidden]) button, #about:not([hidden])', elements => elements.map(e => {
          const { left, top, width, height } = e.getBoundingClientRect();
          return { left, top, width, height, code: Number(e.dataset.code) };
        }));
        const field = fieldIn(viewport, program);
        const where = `${program} ${shape}`;
        for (const box of boxes) {
          assert.ok(!overlaps(box, field), `${where}: ${JSON.stringify(box)} lies over the field`);
          assert.ok(box.left >= 0 && box.top >= 0 && box.left + box.width <= viewport.width &&
                    box.top + box.height <= viewport.height, `${where}: ${JSON.stringify(box)} is in the window`);
        }
        const controls = boxes.filter(box => box.code);
        for (const box of controls) assert.ok(box.width >= 48 && box.height >= 48, `${where}: ${JSON.stringify(box)}`);
        const arrows = controls.filter(box => box.code >= CODES.Left && box.code <= CODES.Down);
        const actions = controls.filter(box => !arrows.includes(box) && !SHELL_CODES.includes(box.code));
        assert.ok(Math.max(...arrows.map(box => box.left + box.width)) <= Math.min(...actions.map(box => box.left)),
                  `${where}: the arrows sit on the left, the actions on the right`);
        const names = ((await page.accessibility.snapshot()).children || [])
          .filter(node => node.role === 'button').map(node => node.name);
        assert.equal(names.length, controls.length, `${where}: every control is a button`);
        if (viewport.hasTouch) assert.ok(names.includes('Pause') && names.includes('Sound on and off'), `${where}: ${names}`);
        assert.deepEqual(page.errors, []);
        await page.close();
      }
    }
  });

  test('two fingers hold thrust and a turn while a third taps fire', async () => {
    const page = await loggedShooter();
    const [thrust, left, fire] = await Promise.all(['Thrust', 'Turn left', 'Fire'].map(page.centreOf));
    const first = await page.touchscreen.touchStart(thrust.x, thrust.y);
    const second = await page.touchscreen.touchStart(left.x, left.y);
    const tap = await page.touchscreen.touchStart(fire.x, fire.y);
    await tap.end();
    await page.waitForFunction(() => window.touched.length === 4);
    assert.deepEqual(await page.evaluate(() => window.touched),
                     [[CODES.Up, 1], [CODES.Left, 1], [CODES.space, 1], [CODES.space, 0]], 'thrust and turn stay held');
    await first.end();
    await second.end();
    await page.waitForFunction(() => window.touched.length === 6);
    assert.deepEqual((await page.evaluate(() => window.touched)).slice(4), [[CODES.Up, 0], [CODES.Left, 0]]);
    assert.deepEqual(page.errors, []);
    await page.close();
  });

  test('a finger slid off a control lets it go, and onto another presses that one', async () => {
    const page = await loggedShooter();
    const [left, right] = await Promise.all(['Turn left', 'Turn right'].map(page.centreOf));
    const finger = await page.touchscreen.touchStart(left.x, left.y);
    await finger.move(right.x, right.y);
    await finger.move(right.x, 5);  // off every control, to the window's top edge
    await finger.end();
    assert.deepEqual(await page.evaluate(() => window.touched),
                     [[CODES.Left, 1], [CODES.Left, 0], [CODES.Right, 1], [CODES.Right, 0]]);
    await page.close();
  });

  test('a page without touch shows no controls, and leaves F11, F12 and Esc to the browser', async () => {
    const page = await openPage(pages.browser, pages.server, 'rubblons', '', { width: 800, height: 500 });
    await frameAt(page, 5);
    const shown = await page.$$eval('#touch button', buttons => buttons.filter(b => b.getClientRects().length));
    assert.equal(shown.length, 0);
    await page.evaluate(() => {
      window.prevented = {};
      window.addEventListener('keydown', event => { window.prevented[event.key] = event.defaultPrevented; });
    });
    for (const key of ['F11', 'F12', 'Escape', 'ArrowLeft']) await page.keyboard.press(key);
    assert.deepEqual(await page.evaluate(() => window.prevented),
                     { F11: false, F12: false, Escape: false, ArrowLeft: true });
    await page.close();
  });

  test('F9 twice downloads a WebM video named like a native clip', async () => {
    const folder = fs.mkdtempSync(path.join(os.tmpdir(), 'kit-clips-'));
    await (await pages.browser.target().createCDPSession())
      .send('Browser.setDownloadBehavior', { behavior: 'allow', downloadPath: folder });
    const page = await openPage(pages.browser, pages.server, 'lander');
    await frameAt(page, 10);
    await page.keyboard.press('F9');
    await frameAt(page, 55);
    await page.keyboard.press('F9');
    let files = [];
    for (let tries = 0; tries < 50 && !files.some(f => f.endsWith('.webm')); tries++) {
      await new Promise(resolve => setTimeout(resolve, 200));
      files = fs.readdirSync(folder);
    }
    assert.ok(files.length === 1 && /^lander-\d{8}-\d{6}\.webm$/.test(files[0]), `downloaded: ${files}`);
    const video = fs.readFileSync(path.join(folder, files[0]));
    assert.equal(video.subarray(0, 4).toString('hex'), '1a45dfa3', 'a WebM file');
    assert.ok(video.length > 1000, `${video.length} bytes`);
    assert.deepEqual(page.errors, []);
    await page.close();
    fs.rmSync(folder, { recursive: true, force: true });
  });

  test('lines and dots on a phone are as many pixels thick as natively at that scale', async () => {
    const page = await openPage(pages.browser, pages.server, 'showcase', '', PHONES.landscape);
    const frame = await frameAt(page, 5);
    await page.close();
    const scale = Math.min(frame.width / 600, frame.height / 400);
    const native = Math.max(1, Math.round(scale));  // GL's line width in the window, natively
    const left = Math.floor((frame.width - 600 * scale) / 2);
    const at = (x, y) => ({ x: Math.round(left + (x + 300) * scale), y: Math.round((200 - y) * scale) });
    const lit = (kind, x0, y0, x1, y1) => {
      let n = 0;
      for (let y = y0; y <= y1; y++) for (let x = x0; x <= x1; x++) n += frame.pixels[y * frame.width + x] === kind;
      return n;
    };
    // The red line of the lines row runs from (-200, 125) to (-170, 155): count each column across it.
    const [start, end] = [at(-200, 125), at(-170, 155)];
    const thickness = [];
    for (let x = start.x + 10; x <= end.x - 10; x++) thickness.push(lit('r', x, end.y - 10, x, start.y + 10));
    thickness.sort((a, b) => a - b);
    assert.equal(thickness[thickness.length >> 1], native, `columns across the line: ${thickness}`);
    // The first dot: points a line wide at (-200, 100) and its unit square's other corners.
    const dot = at(-200, 100), across = native + scale;
    const dotPixels = lit('w', dot.x - 10, dot.y - 10, dot.x + 10, dot.y + 10);
    assert.ok(Math.abs(dotPixels - across * across) <= across * across / 5, `the dot has ${dotPixels} pixels`);
  });
});
