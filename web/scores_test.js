// The high scores in the browser, in headless Chromium: node scores_test.js BUILD_WEB_DIR
// Two rounds of the gallery, a minute each, with the page reloaded between them.
'use strict';
const { test } = require('node:test');
const assert = require('node:assert/strict');
const path = require('path');
const { serve, startBrowser, openPage, frameAt } = require('./browser');

const ROOT = path.resolve(process.argv[2] || 'build-web');
const ROUND_END = 1801;  // the frame after a round's 1800
const KEY = 'arcade-kit/gallery.scores';
const RESULT = /^0 \d{4}-\d\d-\d\d \d\d:\d\d 7$/;  // no keys, no birds hit, seed 7

// Waits on this side until the page has drawn `n` frames: one call to the
// page for the whole minute would outlast the browser connection's timeout.
async function untilFrame(page, n) {
  while (await page.evaluate(() => typeof Module === 'undefined' ? 0 : Module.frames) < n)
    await new Promise(resolve => setTimeout(resolve, 500));
}

// The results kept in the page's storage, as lines.
async function kept(page) {
  const text = await page.evaluate(key => localStorage.getItem(key), KEY);
  assert.ok(text !== null, 'a table is kept');
  const lines = text.split('\n');
  assert.equal(lines.shift(), 'arcade-kit scores 1');
  assert.equal(lines.pop(), '', 'the last line is whole');
  return lines;
}

test('a round\'s result stays in the gallery\'s table after the page is reloaded', { timeout: 240000 }, async () => {
  const server = await serve(ROOT);
  const browser = await startBrowser();
  try {
    const page = await openPage(browser, server, 'gallery', '?seed=7');
    await untilFrame(page, ROUND_END - 30);
    assert.equal(await page.evaluate(key => localStorage.getItem(key), KEY), null, 'nothing kept before the end');
    await frameAt(page, ROUND_END);
    const first = await kept(page);
    assert.equal(first.length, 1);
    assert.match(first[0], RESULT);

    await page.reload();
    await untilFrame(page, ROUND_END - 30);
    const frame = await frameAt(page, ROUND_END);
    const both = await kept(page);
    assert.equal(both.length, 2, 'the second round is added to the first');
    for (const line of both) assert.match(line, RESULT);
    let white = 0;  // the second result's row, third below the summary: "High scores", 1., 2.
    for (let y = 138; y <= 150; y++)
      for (let x = 60; x <= 300; x++) white += frame.pixels[y * frame.width + x] === 'w' ? 1 : 0;
    assert.ok(white > 20, `the second row is drawn (${white} pixels)`);
    assert.deepEqual(page.errors, []);
  } finally {
    await browser.close();
    server.close();
  }
});
