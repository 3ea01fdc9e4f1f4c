// A stubbed pad of the standard mapping flies the lander in headless Chromium: node gamepad_test.js BUILD_WEB_DIR
'use strict';
const { test } = require('node:test');
const assert = require('node:assert/strict');
const { serve, startBrowser, openPage, frameAt } = require('./browser');

// The page's one pad, window.pad, while window.plugged; `pressed` its buttons held down.
function plugIn(pressed) {
  const buttons = Array.from({ length: 17 }, (_, i) => ({ pressed: pressed.includes(i), value: 0 }));
  window.pad = { id: 'Test pad', index: 0, connected: true, mapping: 'standard', axes: [0, 0, 0, 0], buttons };
  window.plugged = true;
  navigator.getGamepads = () => [window.plugged ? window.pad : null];
}

test('a pad plugged in mid-game flies the lander; pulled out, the game stands still until Start', async () => {
  const server = await serve(require('path').resolve(process.argv[2])), browser = await startBrowser();
  const page = await openPage(browser, server, 'lander', '?seed=7');
  const after = async (change, n) => (await page.evaluate(change), frameAt(page, n));
  const flame = frame => [...frame.pixels].filter(p => p === 'r').length;  // red: the engines' flames
  await frameAt(page, 10);
  assert.ok(flame(await after(`(${plugIn})([]); window.pad.axes[1] = -0.6`, 20)) >= 5, 'stick up beyond 0.5: Up');
  assert.ok(flame(await after('window.pad.axes[1] = -0.45', 30)) >= 5, 'held until within 0.4');
  assert.equal(flame(await after('window.pad.axes[1] = -0.35', 40)), 0);
  assert.ok(flame(await after('window.pad.buttons[12].pressed = true', 50)) >= 5, 'the d-pad\'s Up');
  const paused = await after('window.plugged = false', 60);
  assert.equal((await frameAt(page, 80)).pixels, paused.pixels, 'pulled out, the picture stands still');
  const going = await after(`(${plugIn})([9])`, 100);
  assert.notEqual(going.pixels, paused.pixels, 'Start goes on');
  assert.equal(flame(going), 0, 'and nothing holds Up');
  assert.deepEqual(page.errors, ['gamepad connected: Test pad', 'gamepad disconnected: Test pad',
                                 'gamepad connected: Test pad']);
  await browser.close();
  server.close();
});
