// SPDX-License-Identifier: MIT
// Screenshots of the web edition for docs/: the start screen, page 1 and the number screen, on
// the desktop (the window and a margin around it) and on a phone (the whole screen).
// Usage: node screenshots.mjs SITE_FOLDER OUT_FOLDER (run beside the tests' node_modules).
import {mkdtempSync, rmSync} from 'node:fs';
import {tmpdir} from 'node:os';
import {join} from 'node:path';
import puppeteer from 'puppeteer-core';
import {serve} from './serve.mjs';
import * as ui from './player.mjs';

const [site, out] = process.argv.slice(2);
const server = await serve(site);
const profile = mkdtempSync(join(tmpdir(), 'velkaro-shots-'));
const browser = await ui.launch(puppeteer, profile);
const viewports = [
  {name: 'desktop', width: 1280, height: 800, hasTouch: false, isMobile: false, press: ui.click},
  {name: 'phone', width: 360, height: 740, hasTouch: true, isMobile: true, press: ui.tap},
];
for (const viewport of viewports) {
  const page = await ui.open(browser, server.url, viewport);
  const shot = async (screen) => {
    const {window} = await ui.fit(page);
    const margin = 12;
    const clip = viewport.name == 'phone' ? undefined : {x: window.left - margin, y: window.top - margin,
      width: window.width + 2 * margin, height: window.height + 2 * margin};
    await page.screenshot({path: join(out, `web-${viewport.name}-${screen}.png`), clip});
  };
  await shot('start');
  await viewport.press(page, 'cmdStart');
  await shot('card');
  await ui.playTruthfully(page, 37, viewport.press);
  await shot('number');
}
await browser.close();
await server.close();
rmSync(profile, {recursive: true, force: true});
