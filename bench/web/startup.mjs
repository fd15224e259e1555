// SPDX-License-Identifier: MIT
// The web edition's start-up: from navigation to the first paint that shows the start screen
// (its instruction and the Start button's picture, by the Element Timing API), against a bare
// page with one Arabic label in the same face, both served the same way from one local server,
// each visit a first visit (a fresh browser context). The two alternate; medians of RUNS (15).
// The page draws the start screen before its program runs: the time until the program has taken
// it over (the page's mark velkaro-started), when the game answers, is printed as well.
// Usage: node bench/web/startup.mjs SITE_FOLDER NODE_MODULES [RUNS]
import {cpSync, mkdirSync, mkdtempSync, readFileSync, rmSync, writeFileSync} from 'node:fs';
import {createRequire} from 'node:module';
import {tmpdir} from 'node:os';
import {dirname, join, resolve} from 'node:path';
import {fileURLToPath} from 'node:url';

const [site, modules, runs = '15'] = process.argv.slice(2);
const here = dirname(fileURLToPath(import.meta.url));
const puppeteer = createRequire(resolve(modules, 'x'))('puppeteer-core');
const {serve} = await import(join(here, '../../app/web/serve.mjs'));

const folder = mkdtempSync(join(tmpdir(), 'velkaro-bench-'));
cpSync(site, folder, {recursive: true});
cpSync(join(here, 'bare.html'), join(folder, 'bare.html'));
const server = await serve(folder);
// Each first visit opens a new window of the browser. What the browser does then for its own window
// and not for the page, on the same two cores as the page, is left out: making its address bar's
// pop-up page ahead (≈150 ms of CPU per window here), and offering to translate a page in another
// language than its own (10 to 25 ms on its main thread, which also puts the page's frame on the
// screen, so that the frame waits when the offer comes as it is drawn).
mkdirSync(join(folder, '.profile', 'Default'), {recursive: true});
writeFileSync(join(folder, '.profile', 'Default', 'Preferences'), JSON.stringify({translate: {enabled: false}}));
const browser = await puppeteer.launch({executablePath: '/usr/bin/chromium', headless: true,
  userDataDir: join(folder, '.profile'),
  args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking',
    '--disable-component-update', '--disable-sync',
    '--disable-features=PreloadTopChromeWebUI,WebUIOmniboxPopup,WebUIOmniboxFullPopup,WebUIOmniboxAimPopup']});

// The start screen's elements are marked as they arrive.
const MARK = `new MutationObserver(() => {
  for (const e of document.querySelectorAll('[data-name=lblMain], [data-name=cmdStart] img'))
    if (!e.hasAttribute('elementtiming')) e.setAttribute('elementtiming', 'start');
}).observe(document, {childList: true, subtree: true});`;

// Milliseconds from navigation to the paint of the last of `count` marked elements, and to the
// program's start where the page has one.
async function firstPaint(path, count) {
  const context = await browser.createBrowserContext();
  const page = await context.newPage();
  await page.setViewport({width: 1280, height: 800});
  await page.evaluateOnNewDocument(MARK);
  await page.goto(server.url + path);
  const ms = await page.evaluate((count) => new Promise((done) => {
    const times = [];
    new PerformanceObserver((list) => {
      for (const entry of list.getEntries()) times.push(entry.renderTime || entry.loadTime);
      if (times.length >= count) done(Math.max(...times));
    }).observe({type: 'element', buffered: true});
  }), count);
  const started = await page.evaluate(() => new Promise((done) => {
    if (!document.getElementById('desk')) return done(0);
    new PerformanceObserver((list) => {
      const mark = list.getEntriesByName('velkaro-started')[0];
      if (mark) done(mark.startTime);
    }).observe({type: 'mark', buffered: true});
  }));
  await context.close();
  return {ms, started};
}

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const results = {game: [], bare: [], started: []};
await firstPaint('', 2); // a warm-up of each, not counted
await firstPaint('bare.html', 1);
for (let i = 0; i < Number(runs); i++) {
  const order = i % 2 ? ['bare', 'game'] : ['game', 'bare'];
  for (const name of order) {
    const {ms, started} = await firstPaint(name == 'game' ? '' : 'bare.html', name == 'game' ? 2 : 1);
    results[name].push(ms);
    if (name == 'game') results.started.push(started);
  }
}
await browser.close();
await server.close();
rmSync(folder, {recursive: true, force: true});

const row = (name, values) => `${name.padEnd(34)} ${median(values).toFixed(1).padStart(7)} ms` +
  `   (min ${Math.min(...values).toFixed(1)}, max ${Math.max(...values).toFixed(1)})`;
const ratio = median(results.game) / median(results.bare);
console.log(`Navigation to first paint, medians of ${runs} first visits, alternating:`);
console.log(row('start screen (the game)', results.game));
console.log(row('bare page, one Arabic label', results.bare));
console.log(row('the program has taken it over', results.started));
console.log(`ratio ${ratio.toFixed(2)} (target within 1.25): ${ratio <= 1.25 ? 'ok' : 'MISSED'}`);
const sizes = readFileSync(join(site, '..', 'site-sizes.txt'), 'utf8').split('\n').filter((l) => /gzip/.test(l));
console.log(sizes.join('\n'));
