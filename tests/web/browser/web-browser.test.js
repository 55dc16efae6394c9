// The web view in a real browser: Debian's headless Chromium over the
// DevTools protocol (puppeteer-core, pinned in package-lock.json; it never
// downloads a browser), against `tarnctl serve` over a repository made by
// two real backups of virtual drives and a release (make-repo.sh). Prints one line per
// step, so a slow run reads apart from a hang; exits 1 on the first fault.
// Environment: TARNCTL, TARN_DRIVE_SIM, WORK_DIR (empty scratch folder),
// SHOT_DIR (where the screenshots go), CHROMIUM (default /usr/bin/chromium).
'use strict';
const { spawn, spawnSync, execFileSync } = require('node:child_process');
const fs = require('node:fs');
const path = require('node:path');
const puppeteer = require('puppeteer-core');

const work = process.env.WORK_DIR;
const shots = process.env.SHOT_DIR;
let step = 0;
function ok(what) { console.log(`ok ${++step} - ${what}`); }
function expect(what, actual, wanted) {
  const same = JSON.stringify(actual) === JSON.stringify(wanted);
  if (!same) {
    throw new Error(`${what}: got ${JSON.stringify(actual)}, wanted ${JSON.stringify(wanted)}`);
  }
  ok(what);
}

function startServer(plantFile, language = 'zh') {
  const server = spawn(process.env.TARNCTL, ['--lang', language, 'serve', '--repo',
    path.join(work, 'repo'), '--plant', path.join(work, plantFile), '--listen', '127.0.0.1:0'],
    { stdio: ['ignore', 'ignore', 'pipe'] });
  return new Promise((resolve, reject) => {
    let said = '';
    server.stderr.on('data', (chunk) => {
      said += chunk;
      const url = said.match(/http:\/\/127\.0\.0\.1:\d+\//);
      if (url) resolve({ server, url: url[0] });
    });
    server.on('exit', (code) => reject(new Error(`tarnctl serve ended (${code}): ${said}`)));
  });
}

async function main() {
  console.log('# making the repository: two backups of two virtual drives, X released');
  execFileSync(path.join(__dirname, '..', 'make-repo.sh'),
    [process.env.TARNCTL, process.env.TARN_DRIVE_SIM, work], { stdio: 'inherit' });
  const { server, url } = await startServer('plant.json');
  ok(`tarnctl serve listens at ${url}`);
  const escaping = await startServer('plant-escape.json');
  const english = await startServer('plant.json', 'en');
  const browser = await puppeteer.launch({
    executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
    headless: true,
    args: ['--no-sandbox', '--disable-gpu', '--font-render-hinting=none'],
  });
  const problems = [];
  try {
    const page = await browser.newPage();
    page.on('console', (m) => { if (m.type() === 'error') problems.push(`console: ${m.text()}`); });
    page.on('pageerror', (e) => problems.push(`page error: ${e.message}`));
    page.on('dialog', async (d) => { problems.push(`dialog: ${d.message()}`); await d.dismiss(); });
    await page.setViewport({ width: 1280, height: 800 });

    await page.goto(escaping.url, { waitUntil: 'load' });
    expect('the plant page names the plant as text',
      await page.$eval('h1', (h) => h.textContent), '廠區 廠<script>alert(1)</script>');

    await page.goto(url, { waitUntil: 'load' });
    expect('the plant page lists the axes with run state, release and drift',
      await page.$$eval('#axes tbody tr', (rows) => rows.map((r) =>
        [1, 4, 5, 6].map((i) => r.cells[i].textContent))),
      [['M01/X', '完整', '有', '1'], ['M01/Y', '完整', '沒有', '—']]);
    await page.screenshot({ path: path.join(shots, 'web-plant-desktop.png') });

    await Promise.all([page.waitForNavigation(), page.click('#axes a[href="/axis/M01/X"]')]);
    const pn100 = await page.$$eval('#params tbody tr', (rows) => {
      const row = rows.find((r) => r.cells[0].textContent === 'Pn100');
      return [...row.cells].map((c) => c.textContent);
    });
    expect('following an axis shows Pn100 in words beside its released value', pn100,
      ['Pn100', 'KVP1', '500', '400 ≠', '0.1Hz', '1 ~ 20000']);
    await page.type('#filter', 'KVP');
    expect('the filter narrows the rows to KVP',
      await page.$$eval('#params tbody tr:not([hidden]) td:first-child', (c) => c.map((x) => x.textContent)),
      ['Pn100', 'Pn103']);
    await page.screenshot({ path: path.join(shots, 'web-axis-desktop.png') });

    await page.goto(`${url}history`, { waitUntil: 'load' });
    expect('the history shows the change in words',
      await page.$$eval('#changes tbody td:nth-child(4)', (c) => c.map((x) => x.textContent)),
      ['Pn100 KVP1 400 → 500 0.1Hz']);

    await page.goto(`${url}compare?axis=M01/X&a=HEAD~1&b=HEAD`, { waitUntil: 'load' });
    expect('compare shows only the differing row',
      await page.$$eval('#differences tbody tr', (rows) => rows.map((r) => [...r.cells].map((c) => c.textContent))),
      [['Pn100', 'KVP1', '400', '500', '0.1Hz']]);

    await page.setViewport({ width: 390, height: 844, isMobile: true, hasTouch: true, deviceScaleFactor: 2 });
    await page.goto(url, { waitUntil: 'load' });
    await page.screenshot({ path: path.join(shots, 'web-plant-phone.png') });
    await page.goto(`${url}axis/M01/X`, { waitUntil: 'load' });
    await page.type('#filter', 'KVP');
    await page.screenshot({ path: path.join(shots, 'web-axis-phone.png') });
    await page.goto(`${url}history`, { waitUntil: 'load' });
    await page.screenshot({ path: path.join(shots, 'web-history-phone.png') });
    ok(`screenshots in ${shots}`);

    await page.setViewport({ width: 1280, height: 800 });
    await page.goto(english.url, { waitUntil: 'load' });
    expect('started in English, the plant page speaks it',
      await page.$$eval('#axes tbody tr', (rows) => rows.map((r) =>
        [1, 4, 5, 6].map((i) => r.cells[i].textContent))),
      [['M01/X', 'complete', 'yes', '1'], ['M01/Y', 'complete', 'no', '—']]);
    await page.goto(`${english.url}axis/M01/X`, { waitUntil: 'load' });
    await page.type('#filter', 'gain');
    await page.screenshot({ path: path.join(shots, 'web-axis-desktop-en.png') });

    expect('no console errors, page errors or dialogs', problems, []);

    const statusFile = path.join(work, 'status.prom');
    spawnSync(process.env.TARNCTL, ['status', path.join(work, 'plant.json'), '--repo',
      path.join(work, 'repo'), '--metrics', statusFile]);
    const scraped = Buffer.from(await (await fetch(`${url}metrics`)).arrayBuffer());
    expect('/metrics is byte for byte the status --metrics file',
      scraped.toString('latin1'), fs.readFileSync(statusFile).toString('latin1'));
  } finally {
    await browser.close();
    server.kill('SIGTERM');
    escaping.server.kill('SIGTERM');
    english.server.kill('SIGTERM');
  }
}

main().catch((error) => {
  console.error(`not ok ${step + 1} - ${error.message}`);
  process.exit(1);
});
