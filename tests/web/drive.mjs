// Plays the browser build in Debian's headless Chromium as a person would:
// the page served on 127.0.0.1, real key presses and pointer moves, screenshots
// of the canvas, then the page closed. Writes its pictures into OUT_DIR and
// fails on any error the page or its console reports.
//
//   node drive.mjs BUILD_WEB_DIR OUT_DIR
import { chromium } from 'playwright-core';
import http from 'node:http';
import fs from 'node:fs';
import path from 'node:path';

const [webDir, outDir] = process.argv.slice(2);
if (!webDir || !outDir) {
  console.error('usage: node drive.mjs BUILD_WEB_DIR OUT_DIR');
  process.exit(2);
}
const types = { '.html': 'text/html', '.png': 'image/png', '.js': 'text/javascript', '.wasm': 'application/wasm',
                '.data': 'application/octet-stream' };
const sleep = (ms) => new Promise((r) => setTimeout(r, ms));

// Any static server will do; this one serves only the build's own files.
const server = http.createServer((req, res) => {
  const name = path.basename(new URL(req.url, 'http://x').pathname) || 'index.html';
  const file = path.join(webDir, name);
  if (!types[path.extname(name)] || !fs.existsSync(file)) {
    res.writeHead(404).end();
    return;
  }
  res.writeHead(200, { 'Content-Type': types[path.extname(name)] });
  fs.createReadStream(file).pipe(res);
});
await new Promise((r) => server.listen(0, '127.0.0.1', r));
const url = `http://127.0.0.1:${server.address().port}/index.html`;

const problems = [];
const log = [];
const browser = await chromium.launch({
  executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
  // WebGL without a GPU: SwiftShader through ANGLE.
  args: ['--use-angle=swiftshader', '--enable-unsafe-swiftshader', '--no-sandbox',
         '--autoplay-policy=no-user-gesture-required'],
});
let code = 1;
try {
  const page = await browser.newPage({ viewport: { width: 800, height: 628 } });
  page.on('console', (m) => {
    log.push(`${m.type()}: ${m.text()}`);
    if (m.type() === 'error') problems.push(`console error: ${m.text()}`);
  });
  page.on('pageerror', (e) => problems.push(`page error: ${e.message}`));
  page.on('requestfailed', (r) => problems.push(`request failed: ${r.url()}`));

  const started = Date.now();
  await page.goto(url);
  // Running: the loader's status line is gone once main() has run.
  await page.waitForFunction(() => window.Module && Module.calledRun && !document.getElementById('status').offsetParent,
                             null, { timeout: 60000 });
  const loaded = Date.now() - started;
  const canvas = page.locator('#canvas');
  const box = await canvas.boundingBox();
  if (Math.round(box.width) !== 800 || Math.round(box.height) !== 600)
    problems.push(`canvas shown at ${box.width}x${box.height}, not 800x600`);
  const shot = (name) => canvas.screenshot({ path: path.join(outDir, name) });

  await sleep(1500);
  await shot('start-a.png');
  await sleep(350);
  await shot('start-b.png');

  // As the desktop test plays: pointer on the right, F1, then to and fro.
  await page.mouse.move(box.x + 700, box.y + 300);
  await page.keyboard.press('F1');
  await sleep(500);
  await shot('play-a.png');
  // At least the desktop test's 3 s of frames, however slowly a loaded machine draws them.
  await page.evaluate(() => {
    window.framesSeen = 0;
    const count = () => { window.framesSeen++; requestAnimationFrame(count); };
    requestAnimationFrame(count);
  });
  const sweep = [720, 740, 760, 780, 760, 740];
  for (let i = 0; i < 6 || (await page.evaluate(() => window.framesSeen)) < 180; ++i) {
    if (i >= 60) throw new Error('the page drew fewer than 180 frames in 30 s');
    await page.mouse.move(box.x + sweep[i % 6], box.y + 300, { steps: 4 });
    await sleep(500);
  }
  await shot('play-b.png');
  await page.screenshot({ path: path.join(outDir, 'page.png') });
  // M toggles the sound, which the first key started.
  await page.keyboard.press('m');
  await sleep(200);

  await page.close({ runBeforeUnload: true });
  await sleep(200);
  console.log(`ok: page running ${loaded} ms after it was asked for`);
  code = problems.length ? 1 : 0;
} catch (e) {
  problems.push(`driver: ${e.message}`);
} finally {
  await browser.close();
  server.close();
  fs.writeFileSync(path.join(outDir, 'console.log'), log.join('\n') + '\n');
}
for (const p of problems) console.error(`FAIL: ${p}`);
process.exit(problems.length ? 1 : code);
