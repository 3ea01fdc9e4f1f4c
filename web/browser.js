// Shared by the browser tests and the measuring script: serves build-web/ on
// a loopback port, starts Debian's headless Chromium, and opens and reads the
// kit's pages.
'use strict';
const fs = require('fs');
const http = require('http');
const os = require('os');
const path = require('path');
const puppeteer = require('puppeteer-core');

const CHROMIUM = '/usr/bin/chromium';
// WebGL through SwiftShader, and no connections of Chromium's own.
const CHROMIUM_FLAGS = [
  '--no-sandbox', '--use-angle=swiftshader', '--enable-unsafe-swiftshader',
  '--disable-quic', '--no-first-run', '--disable-background-networking',
  '--disable-component-update', '--disable-sync',
];
// A page that stalls fails its test in this time instead of hanging it.
const PROTOCOL_TIMEOUT_MS = 30000;
const TYPES = { '.html': 'text/html', '.js': 'text/javascript', '.wasm': 'application/wasm' };

// Serves the files under `root` on 127.0.0.1 at a free port; resolves to the server.
function serve(root) {
  const server = http.createServer((request, response) => {
    const file = path.join(root, decodeURIComponent(new URL(request.url, 'http://x').pathname));
    fs.readFile(file, (error, data) => {
      if (error || !file.startsWith(root)) {
        response.writeHead(404);
        return response.end();
      }
      response.writeHead(200, { 'Content-Type': TYPES[path.extname(file)] || 'application/octet-stream' });
      response.end(data);
    });
  });
  return new Promise(resolve => server.listen(0, '127.0.0.1', () => resolve(server)));
}

// Starts Chromium with a profile of its own, removed when the browser closes.
async function startBrowser() {
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'kit-chromium-'));
  const browser = await puppeteer.launch({
    executablePath: CHROMIUM, headless: true, userDataDir: profile, args: CHROMIUM_FLAGS,
    protocolTimeout: PROTOCOL_TIMEOUT_MS,
  });
  const close = browser.close.bind(browser);
  browser.close = async () => {
    await close();
    fs.rmSync(profile, { recursive: true, force: true, maxRetries: 5 });
  };
  return browser;
}

// Serves `root` and starts Chromium before the tests of the suite being
// declared, and ends both after them: { server, browser }, set once started.
function servedPages(root) {
  const { before, after } = require('node:test');
  const pages = {};
  before(async () => {
    pages.server = await serve(root);
    pages.browser = await startBrowser();
  });
  after(async () => {
    await pages.browser.close();
    pages.server.close();
  });
  return pages;
}

// The programs the index links to, in its order.
function programsIn(root) {
  const index = fs.readFileSync(path.join(root, 'index.html'), 'utf8');
  return [...index.matchAll(/href="(\w+)\.html"/g)].map(match => match[1]);
}

// The world's size of each program, in units; a page opened in a browser
// window of that size shows the world one unit a pixel.
const WORLD_SIZES = { showcase: { width: 600, height: 400 } };
const DEFAULT_WORLD = { width: 400, height: 400 };

// Opens a program's page (`query` like '?seed=5') in a browser window of the
// world's size, or of `viewport` ({width, height, deviceScaleFactor});
// page.errors collects its console errors and uncaught exceptions.
async function openPage(browser, server, program, query = '', viewport = null) {
  const page = await browser.newPage();
  await page.setViewport(viewport || WORLD_SIZES[program] || DEFAULT_WORLD);
  page.errors = [];
  page.on('console', message => message.type() === 'error' && page.errors.push(message.text()));
  page.on('pageerror', error => page.errors.push(error.message));
  await page.goto(`http://127.0.0.1:${server.address().port}/${program}.html${query}`);
  return page;
}

// Resolves, right after the page's frame `n` is drawn, to that frame's
// pixels: one letter per pixel, rows from the top, 'r' red, 'w' any other
// bright colour, '.' dark.
function frameAt(page, n) {
  return page.evaluate(n => new Promise((resolve, reject) => {
    if (Module.frames >= n) return reject(new Error(`frame ${n} was drawn already`));
    const counted = Module.postMainLoop;
    Module.postMainLoop = () => {
      counted();
      if (Module.frames < n) return;
      Module.postMainLoop = counted;
      const gl = Module.ctx, width = gl.drawingBufferWidth, height = gl.drawingBufferHeight;
      const rgba = new Uint8Array(width * height * 4);
      gl.readPixels(0, 0, width, height, gl.RGBA, gl.UNSIGNED_BYTE, rgba);
      let pixels = '';
      for (let y = height - 1; y >= 0; y--) {
        for (let x = 0; x < width; x++) {
          const [r, g, b] = rgba.subarray((y * width + x) * 4, (y * width + x) * 4 + 3);
          pixels += r > 150 && g < 100 && b < 100 ? 'r' : Math.max(r, g, b) > 100 ? 'w' : '.';
        }
      }
      resolve({ width, height, pixels });
    };
  }), n);
}

module.exports = { serve, startBrowser, servedPages, programsIn, openPage, frameAt };
