// Measures each page of build-web/ in headless Chromium: sizes of its
// WebAssembly and JavaScript, time to the first frame (median of 5 loads),
// frame rate and the share of one core that Chromium's processes use over
// `seconds` (CPU time of the browser process and all its descendants, read
// from /proc), beside the same for an empty page.
//   node measure.js BUILD_WEB_DIR [seconds]
'use strict';
const fs = require('fs');
const path = require('path');
const { execSync } = require('child_process');
const { serve, startBrowser, programsIn, openPage, frameAt } = require('./browser');

const ROOT = path.resolve(process.argv[2] || 'build-web');
const SECONDS = Number(process.argv[3] || 10);
const LOADS = 5;
const WARM_UP_MS = 5000;
const TICKS_PER_SECOND = Number(execSync('getconf CLK_TCK'));

// CPU seconds used so far by process `root` and all its descendants.
function cpuSeconds(root) {
  const stats = fs.readdirSync('/proc').filter(name => /^\d+$/.test(name)).flatMap(pid => {
    try {
      // Fields after the command's closing parenthesis: state, ppid, ... utime is 14th, stime 15th.
      const fields = fs.readFileSync(`/proc/${pid}/stat`, 'utf8').split(') ')[1].split(' ');
      return [{ pid: Number(pid), ppid: Number(fields[1]), ticks: Number(fields[11]) + Number(fields[12]) }];
    } catch {
      return [];  // the process ended while it was read
    }
  });
  const tree = new Set([root]);
  for (let grew = true; grew;) {
    grew = false;
    for (const s of stats) if (tree.has(s.ppid) && !tree.has(s.pid)) tree.add(s.pid), (grew = true);
  }
  return stats.filter(s => tree.has(s.pid)).reduce((sum, s) => sum + s.ticks, 0) / TICKS_PER_SECOND;
}

const median = values => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const sleep = ms => new Promise(resolve => setTimeout(resolve, ms));

// Frames a second and share of one core while `page` runs for SECONDS.
async function runFor(browser, page, counted) {
  const count = () => (counted ? page.evaluate(() => [Module.frames, performance.now()]) : [0, 0]);
  const [frames0, ms0] = await count();
  const cpu0 = cpuSeconds(browser.process().pid);
  await sleep(SECONDS * 1000);
  const cpu1 = cpuSeconds(browser.process().pid);
  const [frames1, ms1] = await count();
  return { fps: counted ? (frames1 - frames0) / ((ms1 - ms0) / 1000) : null, core: (cpu1 - cpu0) / SECONDS };
}

(async () => {
  const server = await serve(ROOT);
  const browser = await startBrowser();
  const empty = await browser.newPage();
  await sleep(WARM_UP_MS);  // past the browser's own start-up work
  const idle = await runFor(browser, empty, false);
  await empty.close();
  console.log(`empty page: ${(idle.core * 100).toFixed(1)}% of one core over ${SECONDS} s`);
  for (const program of programsIn(ROOT)) {
    const size = ext => fs.statSync(path.join(ROOT, 'bin', program + ext)).size;
    const firstFrames = [];
    for (let i = 0; i < LOADS; i++) {
      const page = await openPage(browser, server, program);
      await page.waitForFunction(() => typeof Module !== 'undefined' && Module.firstFrameAt !== null);
      firstFrames.push(await page.evaluate(() => Module.firstFrameAt));
      await page.close();
    }
    const page = await openPage(browser, server, program);
    await frameAt(page, 10);
    const run = await runFor(browser, page, true);
    await page.close();
    console.log(`${program}: wasm ${size('.wasm')} B, js ${size('.js')} B, ` +
                `first frame ${median(firstFrames).toFixed(0)} ms (median of ${LOADS}), ` +
                `${run.fps.toFixed(2)} frames/s and ${(run.core * 100).toFixed(1)}% of one core over ${SECONDS} s`);
  }
  await browser.close();
  server.close();
})();
