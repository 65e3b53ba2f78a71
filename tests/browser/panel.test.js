// The live panel page in a real browser: Debian's chromium, driven by
// playwright-core, against `gaugebench serve dist's panel.cfg` on a free
// loopback port. Each test is one thing a designer does on the page.
//
// GAUGEBENCH, GAUGE_MODULES and PANEL_CFG name the bench, the modules and
// the panel; CHROMIUM the browser (default /usr/bin/chromium); SCREENSHOT
// where the picture for docs/bench.md goes.
'use strict';
const { test, before, after } = require('node:test');
const assert = require('node:assert/strict');
const { spawn } = require('node:child_process');
const { chromium } = require('playwright-core');

const step = { timeout: 30000 };
let server;
let browser;
let page;

function startServer() {
  process.on('exit', () => server.kill('SIGKILL'));  // whatever ends the run, the server goes with it
  server = spawn(process.env.GAUGEBENCH, ['serve', process.env.PANEL_CFG, '--gauges', process.env.GAUGE_MODULES],
    { stdio: ['ignore', 'pipe', 'inherit'] });
  return new Promise((resolve, reject) => {
    let out = '';
    const timer = setTimeout(() => reject(new Error(`serve printed no address: ${out}`)), 20000);
    server.stdout.on('data', (chunk) => {
      out += chunk;
      const m = out.match(/ on (http:\/\/127\.0\.0\.1:\d+\/)/);
      if (m) {
        clearTimeout(timer);
        resolve(m[1]);
      }
    });
    server.on('exit', (code) => reject(new Error(`serve ended (${code}): ${out}`)));
  });
}

// A point of a window's picture, in the window's pixels.
async function clickAt(section, x, y) {
  const box = await page.locator(`#window-${section} img`).boundingBox();
  await page.mouse.click(box.x + x, box.y + y);
}

function element(n) { return page.locator(`#gauge-elements li[data-element="${n}"]`); }

async function setVariable(name, value) {
  await page.fill('#var-name', name);
  await page.fill('#var-value', value);
  await page.click('#set-button');
}

before(async () => {
  const url = await startServer();
  browser = await chromium.launch({
    executablePath: process.env.CHROMIUM || '/usr/bin/chromium', headless: true, args: ['--no-sandbox'], timeout: 60000,
  });
  page = await browser.newPage({ viewport: { width: 1440, height: 860 }, acceptDownloads: true });
  page.setDefaultTimeout(10000);
  await page.goto(url);
  await page.waitForFunction(() => document.querySelector('#window-Window00 img')?.src.startsWith('blob:'));
});

after(async () => {
  if (browser) await browser.close();
  if (server) server.kill('SIGTERM');
});

test('the NAV1 standby fraction knob steps the standby frequency a frame later', step, async () => {
  await clickAt('Window00', 10 + 225, 100 + 20);  // the radio stack at (10, 100); the knob's up half
  await assert.doesNotReject(element(6).filter({ hasText: '"108.02"' }).waitFor());
  assert.match(await page.textContent('#gauge-title'), /halbrook!halbrook \(gauge14\)/);
});

test('the swap sends its event to the log and the active text follows', step, async () => {
  await clickAt('Window00', 10 + 110, 100 + 20);
  await page.locator('#log li', { hasText: 'event 0x100AC=0x802' }).waitFor();
  await element(5).filter({ hasText: '"108.02"' }).waitFor();
  await element(6).filter({ hasText: '"108.00"' }).waitFor();  // the old active, 0, kept in range as the new standby
});

test('hovering the altitude readout shows its help id as a tooltip', step, async () => {
  const box = await page.locator('#window-Window00 img').boundingBox();
  await page.mouse.move(box.x + 300, box.y + 20);
  await page.mouse.move(box.x + 302, box.y + 22);
  await page.locator('#tooltip:not([hidden])', { hasText: 'tarnwick!Altitiude: help 0xAB07 (43783)' }).waitFor();
  await page.mouse.move(box.x + 235, box.y + 120);  // a knob: its cursor, no help
  await page.waitForFunction(() => document.querySelector('#window-Window00 img').style.cursor === 'n-resize');
  assert.equal(await page.isHidden('#tooltip'), true);
});

test('an altitude set by name shows in the readout and lights the alert', step, async () => {
  await setVariable('selected_altitude', '13000');
  await setVariable('altitude', '12500');
  await clickAt('Window00', 300, 20);  // the altitude readout
  await element(1).filter({ hasText: '"12500"' }).waitFor();
  await clickAt('Window00', 310, 125);  // the alert light
  await page.locator('#gauge-elements li[data-element="1"][data-hidden="false"]').waitFor();
  await setVariable('0x4A', '13000');
  await page.locator('#gauge-elements li[data-element="1"][data-hidden="true"]').waitFor();
  await setVariable('altitude', 'high');
  await page.locator('#set-error', { hasText: 'bad value "high"' }).waitFor();
  await setVariable('altitude', '12500');
});

test('the FMC button opens and closes window 110', step, async () => {
  const fmc = page.locator('#window-Window01');
  assert.equal(await fmc.isHidden(), true);
  await clickAt('Window00', 10 + 200, 100 + 130);
  await fmc.waitFor({ state: 'visible' });
  await page.locator('#log li', { hasText: 'window:110 Window01 (ident 110) opened' }).waitFor();
  await page.locator('nav button.open', { hasText: 'FMC' }).waitFor();
  if (process.env.SCREENSHOT) {
    await setVariable('nav1', 'bcd:1090');
    await page.waitForTimeout(400);
    await page.screenshot({ path: process.env.SCREENSHOT });
  }
  await clickAt('Window00', 10 + 200, 100 + 130);
  await fmc.waitFor({ state: 'hidden' });
});

test('the saved script replays the session', step, async () => {
  const [download] = await Promise.all([page.waitForEvent('download'), page.click('#save-script')]);
  const chunks = [];
  for await (const chunk of await download.createReadStream()) chunks.push(chunk);
  const script = Buffer.concat(chunks).toString();
  assert.match(script, /^gauge Window00 gauge14$/m);
  assert.match(script, /^click 22\d (19|20|21)$/m);  // the knob, wherever the browser rounds the pointer
  assert.match(script, /^set 0x6D 13000$/m);
});
