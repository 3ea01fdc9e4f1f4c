// The kit's pages in headless Chromium: node pages_test.js BUILD_WEB_DIR
'use strict';
const { describe, test } = require('node:test');
const assert = require('node:assert/strict');
const path = require('path');
const { servedPages, programsIn, openPage, frameAt } = require('./browser');

const ROOT = path.resolve(process.argv[2] || 'build-web');
const pages = servedPages(ROOT);  // the server and the browser, for every test here
const SEED = '?seed=7';
const KEY_FROM_FRAME = 15;  // a key held for a check goes down after this frame
const KEY_TO_FRAME = 45;    // and the frame compared is this one

// Pixels of `frame` with the letter `kind` inside the box x0..x1, y0..y1.
function count(frame, kind, [x0, y0, x1, y1] = [0, 0, frame.width - 1, frame.height - 1]) {
  let n = 0;
  for (let y = y0; y <= y1; y++)
    for (let x = x0; x <= x1; x++) n += frame.pixels[y * frame.width + x] === kind ? 1 : 0;
  return n;
}

// The pixels where two frames differ, as {x, y}.
function differences(a, b) {
  const found = [];
  for (let i = 0; i < a.pixels.length; i++)
    if (a.pixels[i] !== b.pixels[i]) found.push({ x: i % a.width, y: Math.floor(i / a.width) });
  return found;
}

// The same frame of a seeded game played twice: without a key, and with `key`
// held from frame KEY_FROM_FRAME on.
async function withAndWithoutKey(program, key) {
  const plain = await openPage(pages.browser, pages.server, program, SEED);
  const without = await frameAt(plain, KEY_TO_FRAME);
  const keyed = await openPage(pages.browser, pages.server, program, SEED);
  await frameAt(keyed, KEY_FROM_FRAME);
  await keyed.keyboard.down(key);
  const held = await frameAt(keyed, KEY_TO_FRAME);
  await keyed.keyboard.up(key);
  for (const page of [plain, keyed]) {
    assert.deepEqual(page.errors, []);
    await page.close();
  }
  return { without, held };
}

// What each game's page must show beyond drawing without errors.
const CHECKS = {
  rubblons: async () => {
    const { without, held } = await withAndWithoutKey('rubblons', 'ArrowLeft');
    const turned = differences(without, held);
    assert.ok(turned.length > 0, 'the ship turns on Left');
    for (const { x, y } of turned)  // and nothing else changes: the field is the seed's
      assert.ok(Math.abs(x - 200) <= 10 && Math.abs(y - 200) <= 10, `change at ${x},${y}`);
  },
  gallery: async () => {
    const { without, held } = await withAndWithoutKey('gallery', 'ArrowUp');
    const turned = differences(without, held);
    assert.ok(turned.length > 0, 'the barrel turns on Up');
    for (const { x, y } of turned)  // and only the rifle, in the lower-right corner, changes
      assert.ok(x >= 340 && y >= 340, `change at ${x},${y}`);
  },
  lander: async () => {
    const { without, held } = await withAndWithoutKey('lander', 'ArrowUp');
    assert.equal(count(without, 'r'), 0, 'no flame while no engine fires');
    assert.ok(count(held, 'r') >= 5, 'the bottom flame shows on Up');
  },
  catcher: async () => {
    const { without, held } = await withAndWithoutKey('catcher', 'ArrowLeft');
    const moved = differences(without, held);
    assert.ok(moved.length > 0, 'the paddle moves on Left');
    for (const { y } of moved) assert.ok(y >= 370, `change at row ${y}`);
  },
  showcase: async () => {
    const page = await openPage(pages.browser, pages.server, 'showcase');
    const frame = await frameAt(page, 30);
    assert.ok(count(frame, 'w', [10, 56, 40, 66]) >= 15, 'the label "lines" shows');
    assert.ok(count(frame, 'r', [100, 45, 130, 75]) >= 10, 'the first line is red');
    assert.ok(count(frame, '.', [315, 345, 321, 354]) >= 4, 'the digit on the white disc is black');
    await page.close();
  },
};

describe('the pages', () => {
  test('the index links a page for each program, and each draws without a console error', async () => {
    const programs = programsIn(ROOT);
    assert.deepEqual(Object.keys(CHECKS).filter(p => !programs.includes(p)), []);
    for (const program of programs) {
      const page = await openPage(pages.browser, pages.server, program);
      const frame = await frameAt(page, 30);
      assert.ok(count(frame, 'w') + count(frame, 'r') > 100, `${program} draws`);
      assert.deepEqual(page.errors, [], program);
      await page.close();
      if (CHECKS[program]) await CHECKS[program]();
    }
  });

  test('the shooter fires once per press of space, however long it is held', async () => {
    const plain = await openPage(pages.browser, pages.server, 'rubblons', SEED);
    const without = await frameAt(plain, 26);
    const firing = await openPage(pages.browser, pages.server, 'rubblons', SEED);
    for (const frame of [12, 15, 18]) {  // the second and third key-downs are repeats
      await frameAt(firing, frame);
      await firing.keyboard.down(' ');
    }
    const fired = differences(without, await frameAt(firing, 26));
    await firing.keyboard.up(' ');
    assert.ok(fired.length > 0, 'a bullet flies');
    const ys = fired.map(p => p.y);
    assert.ok(fired.every(p => Math.abs(p.x - 200) <= 3), 'straight up from the ship');
    assert.ok(Math.max(...ys) - Math.min(...ys) <= 3 && Math.max(...ys) < 190, 'one bullet, ahead of the ship');
    await plain.close();
    await firing.close();
  });

  test('the address\'s seed replays a field, another seed makes another, a bad one is refused', async () => {
    const frames = [];
    for (const query of [SEED, SEED, '?seed=8']) {
      const page = await openPage(pages.browser, pages.server, 'rubblons', query);
      frames.push(await frameAt(page, 20));
      await page.close();
    }
    assert.equal(differences(frames[0], frames[1]).length, 0);
    assert.ok(differences(frames[0], frames[2]).length > 100);

    const page = await openPage(pages.browser, pages.server, 'rubblons', '?seed=x');
    await page.waitForFunction(() => document.getElementById('messages').textContent !== '');
    assert.match(await page.$eval('#messages', m => m.textContent),
                 /^ERROR: the seed "x" is not a whole number from 0 to 4294967295\. Usage: rubblons \[--seed N\] [^\n]*\n$/);
    await page.close();
  });

  test('the canvas fills the window at the screen\'s pixel ratio and the picture keeps its shape', async () => {
    for (const viewport of [{ width: 800, height: 500, deviceScaleFactor: 1 },
                            { width: 300, height: 450, deviceScaleFactor: 2 }]) {
      const page = await openPage(pages.browser, pages.server, 'lander', SEED, viewport);
      const frame = await frameAt(page, 20);
      assert.equal(frame.width, viewport.width * viewport.deviceScaleFactor);
      assert.equal(frame.height, viewport.height * viewport.deviceScaleFactor);
      const side = Math.min(frame.width, frame.height);  // the square world, centred
      const left = (frame.width - side) / 2, top = (frame.height - side) / 2;
      const inside = [left, top, left + side - 1, top + side - 1];
      const lit = count(frame, 'w') + count(frame, 'r');
      assert.ok(lit > 200, `the lander draws (${lit} pixels)`);
      assert.equal(count(frame, 'w', inside) + count(frame, 'r', inside), lit, 'nothing in the bars');
      await page.close();
    }
  });

  test('p pauses a page: the picture stands still, dimmed, until p again', async () => {
    const page = await openPage(pages.browser, pages.server, 'lander', SEED);
    await frameAt(page, 15);
    await page.keyboard.press('p');
    const paused = await frameAt(page, 25);
    const later = await frameAt(page, 55);
    assert.equal(differences(paused, later).length, 0, 'nothing moves while paused');
    assert.ok(count(paused, 'w', [0, 0, 399, 150]) < 30, 'the status at the top is dimmed');
    await page.keyboard.press('p');
    const going = await frameAt(page, 85);
    assert.ok(differences(later, going).length > 0, 'p again lets it go on');
    assert.deepEqual(page.errors, []);
    await page.close();
  });

  test('the page is quiet until the first key, then its audio runs; m stops every sound', async () => {
    // The page's audio as the compiler's audio library keeps it: its context's state and the sources playing.
    const audio = () => {
      const context = typeof AL !== 'undefined' && AL.currentCtx;
      if (!context) return { state: 'none', playing: 0 };
      const playing = Object.values(context.sources).filter(s => s.state === 0x1012).length;
      return { state: context.audioCtx.state, playing };
    };
    // The example sounds its first miss by frame 200, with no key yet: the page stays quiet.
    const example = await openPage(pages.browser, pages.server, 'catcher', SEED);
    await frameAt(example, 200);
    assert.notEqual((await example.evaluate(audio)).state, 'running', 'no audio before a key');
    await example.keyboard.press('ArrowLeft');
    await example.waitForFunction(`(${audio})().state === 'running'`, { timeout: 5000 });
    assert.deepEqual(example.errors, []);
    await example.close();

    const page = await openPage(pages.browser, pages.server, 'rubblons', SEED);
    await frameAt(page, 30);
    assert.notEqual((await page.evaluate(audio)).state, 'running', 'no audio before a key');
    await page.keyboard.down('ArrowUp');  // the first key: thrust, and its hum
    await page.waitForFunction(`(${audio})().state === 'running' && (${audio})().playing === 1`,
                               { timeout: 5000 });
    await page.keyboard.press('m');
    await frameAt(page, (await page.evaluate(() => Module.frames)) + 5);
    assert.deepEqual(await page.evaluate(audio), { state: 'running', playing: 0 }, 'Up still held, muted');
    await page.keyboard.up('ArrowUp');
    assert.deepEqual(page.errors, []);
    await page.close();
  });

  test('the shooter runs at 29 to 31 frames a second over 5 seconds', async () => {
    const page = await openPage(pages.browser, pages.server, 'rubblons');
    await frameAt(page, 10);
    const count = () => page.evaluate(() => [Module.frames, performance.now()]);
    const [frames0, ms0] = await count();
    await new Promise(resolve => setTimeout(resolve, 5000));
    const [frames1, ms1] = await count();
    const rate = (frames1 - frames0) / ((ms1 - ms0) / 1000);
    assert.ok(rate >= 29 && rate <= 31, `${rate.toFixed(2)} frames a second`);
    await page.close();
  });
});
