// Measures, in headless Chromium on a phone's screen (844 x 390 CSS pixels
// at 3 device pixels each), the time from a touch on the lander's bottom
// engine to the end of the first frame that shows its flame, beside the same
// for the Up key: from the input event's time stamp to the moment that
// frame's drawing returns (the browser shows it at its next refresh after
// that). Median, lowest and highest of `samples` of each; r starts a new
// landing between them.
//   node measure_touch.js BUILD_WEB_DIR [samples]
'use strict';
const path = require('path');
const { serve, startBrowser, openPage, frameAt } = require('./browser');

const ROOT = path.resolve(process.argv[2] || 'build-web');
const SAMPLES = Number(process.argv[3] || 15);
const PHONE = { width: 844, height: 390, deviceScaleFactor: 3, isMobile: true, hasTouch: true };
const FLAME_PIXELS = 5;  // red pixels that make a flame
const SETTLE_FRAMES = 10;

const median = values => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];

// From now on the page times each input event to the end of the first frame with a flame.
function watchFlames(page) {
  return page.evaluate(flamePixels => {
    window.delays = [];
    let inputAt = null;
    window.addEventListener('pointerdown', event => (inputAt = event.timeStamp), true);
    window.addEventListener('keydown', event => event.key === 'ArrowUp' && (inputAt = event.timeStamp), true);
    const counted = Module.postMainLoop;
    Module.postMainLoop = () => {
      counted();
      if (inputAt === null) return;
      const drawnAt = performance.now();
      const gl = Module.ctx, width = gl.drawingBufferWidth, height = gl.drawingBufferHeight;
      const rgba = new Uint8Array(width * height * 4);
      gl.readPixels(0, 0, width, height, gl.RGBA, gl.UNSIGNED_BYTE, rgba);
      let red = 0;
      for (let i = 0; i < rgba.length; i += 4) red += rgba[i] > 150 && rgba[i + 1] < 100 && rgba[i + 2] < 100;
      if (red < flamePixels) return;
      window.delays.push(drawnAt - inputAt);
      inputAt = null;
    };
  }, FLAME_PIXELS);
}

// Fires the engine `SAMPLES` times with `press` and `release`; the delays measured, in ms.
async function sample(page, press, release) {
  await page.evaluate(() => (window.delays = []));
  for (let i = 1; i <= SAMPLES; i++) {
    await press();
    await page.waitForFunction(n => window.delays.length === n, {}, i);
    await release();
    await page.keyboard.press('r');
    await page.evaluate(settle => new Promise(resolve => {
      const until = Module.frames + settle;
      (function wait() { Module.frames >= until ? resolve() : requestAnimationFrame(wait); })();
    }), SETTLE_FRAMES);
  }
  return page.evaluate(() => window.delays);
}

(async () => {
  const server = await serve(ROOT);
  const browser = await startBrowser();
  const page = await openPage(browser, server, 'lander', '?seed=7', PHONE);
  await frameAt(page, 30);
  await watchFlames(page);
  const engine = await page.$eval('#touch button[aria-label="Bottom engine"]', button => {
    const box = button.getBoundingClientRect();
    return { x: box.x + box.width / 2, y: box.y + box.height / 2 };
  });
  let finger;
  const touch = await sample(page, async () => (finger = await page.touchscreen.touchStart(engine.x, engine.y)),
                             () => finger.end());
  const key = await sample(page, () => page.keyboard.down('ArrowUp'), () => page.keyboard.up('ArrowUp'));
  for (const [what, delays] of [['touch', touch], ['key', key]])
    console.log(`${what} to the frame with its flame: median ${median(delays).toFixed(1)} ms ` +
                `(${Math.min(...delays).toFixed(1)} to ${Math.max(...delays).toFixed(1)}, ${SAMPLES} samples)`);
  await page.close();
  await browser.close();
  server.close();
})();
