// A pad of the standard mapping, stubbed into the page, plays the lander in
// headless Chromium: node gamepad_test.js BUILD_WEB_DIR
'use strict';
const { test } = require('node:test');
const assert = require('node:assert/strict');
const path = require('path');
const { serve, startBrowser, openPage, frameAt } = require('./browser');

const ROOT = path.resolve(process.argv[2] || 'build-web');

// The page's gamepads: window.pad, while window.plugged, as the browser shows a pad.
function plugIn() {
  window.pad = { id: 'Test pad', index: 0, connected: true, mapping: 'standard', timestamp: 0, axes: [0, 0, 0, 0],
                 buttons: Array.from({ length: 17 }, () => ({ pressed: false, value: 0 })) };
  window.plugged = true;
  navigator.getGamepads = () => [window.plugged ? window.pad : null];
}

// The red pixels of frame `n`: the lander's flames, while an engine fires.
async function flame(page, n) {
  return [...(await frameAt(page, n)).pixels].filter(p => p === 'r').length;
}

test('a pad plugged in mid-game flies the lander, and pulled out pauses it; Start goes on', async () => {
  const server = await serve(ROOT), browser = await startBrowser();
  const page = await openPage(browser, server, 'lander', '?seed=7');
  await frameAt(page, 10);
  await page.evaluate(plugIn);
  const stick = (y, n) => page.evaluate(y => { window.pad.axes[1] = y; }, y).then(() => flame(page, n));
  assert.ok(await stick(-0.6, 20) >= 5, 'the stick up beyond half its travel fires the bottom engine');
  assert.ok(await stick(-0.45, 30) >= 5, 'it goes on firing until the stick is back under 40%');
  assert.equal(await stick(-0.35, 40), 0, 'under 40% it stops');
  await page.evaluate(() => { window.pad.buttons[12].pressed = true; });
  assert.ok(await flame(page, 50) >= 5, 'the d-pad\'s Up fires it');
  await page.evaluate(() => { window.plugged = false; });
  const paused = await frameAt(page, 60);
  assert.equal((await frameAt(page, 80)).pixels, paused.pixels, 'pulled out, the picture stands still');
  await page.evaluate(plugIn);
  await page.evaluate(() => { window.pad.buttons[9].pressed = true; });
  const going = await frameAt(page, 100);
  assert.notEqual(going.pixels, paused.pixels, 'Start on a pad plugged in again goes on');
  assert.equal(await flame(page, 110), 0, 'and nothing holds Up any more');
  assert.deepEqual(page.errors, ['gamepad connected: Test pad', 'gamepad disconnected: Test pad',
                                 'gamepad connected: Test pad']);
  await browser.close();
  server.close();
});
