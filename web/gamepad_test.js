// A stubbed pad of the standard mapping flies the lander in headless Chromium: node gamepad_test.js BUILD_WEB_DIR
'use strict';
const { test } = require('node:test');
const assert = require('node:assert/strict');
const { serve, startBrowser, openPage, frameAt } = require('./browser');

// The page's one pad while window.plugged, its Start held if `start`.
function plugIn(start) {
  const buttons = Array.from({ length: 17 }, (_, i) => ({ pressed: start && i === 9, value: 0 }));
  window.pad = { id: 'Test pad', index: 0, connected: true, mapping: 'standard', axes: [0, 0, 0, 0], buttons };
  window.plugged = true;
  navigator.getGamepads = () => [window.plugged ? window.pad : null];
}

test('a pad plugged in mid-game flies the lander; pulled out, the game stands still until Start', async () => {
  const server = await serve(require('path').resolve(process.argv[2])), browser = await startBrowser();
  const page = await openPage(browser, server, 'lander', '?seed=7'), notices = [];
  page.on('console', message => message.type() === 'info' && notices.push(message.text()));
  const after = async (change, n) => (await page.evaluate(change), frameAt(page, n));
  const flame = frame => [...frame.pixels].filter(p => p === 'r').length;  // red: the engines' flames
  await frameAt(page, 10);
  assert.ok(flame(await after(`(${plugIn})(false); window.pad.axes[1] = -0.51`, 20)) >= 5, 'stick up: Up');
  assert.equal(flame(await after('window.pad.axes[1] = -0.39', 30)), 0, 'let go within 0.4');
  assert.ok(flame(await after('window.pad.buttons[12].pressed = true', 40)) >= 5, 'the d-pad\'s Up');
  const paused = await after('window.plugged = false', 50);
  assert.equal((await frameAt(page, 70)).pixels, paused.pixels, 'pulled out, the picture stands still');
  const going = await after(`(${plugIn})(true)`, 90);
  assert.ok(going.pixels !== paused.pixels && flame(going) === 0, 'Start goes on, with nothing held');
  assert.deepEqual(notices.filter(line => line.startsWith('gamepad')),
                   ['connected', 'disconnected', 'connected'].map(what => `gamepad ${what}: Test pad`));
  assert.deepEqual(page.errors, []);
  assert.ok(await page.$eval('#about', about => about.hidden || !about.open), 'the caption stays folded over the field');
  await browser.close(), server.close();
});
