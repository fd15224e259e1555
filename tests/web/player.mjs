// SPDX-License-Identifier: MIT
// A player at the page: what the tests see of the windows (boxes, texts, the focus, what a
// screen reader is told) and how they act (click, tap, pen, keys). Controls are found by the
// names of their window's design (data-name).

// Debian's Chromium, headless, with nothing reaching out to the network.
export function launch(puppeteer, profile) {
  return puppeteer.launch({
    executablePath: process.env.VELKARO_CHROMIUM || '/usr/bin/chromium',
    headless: true,
    userDataDir: profile,
    args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking',
      '--disable-component-update', '--disable-sync'],
  });
}

async function newPage(browser, viewport) {
  const context = await browser.createBrowserContext();
  const page = await context.newPage();
  await page.setViewport({width: viewport.width, height: viewport.height, hasTouch: viewport.hasTouch,
    isMobile: viewport.isMobile, deviceScaleFactor: 1});
  return page;
}

// A fresh page (a browser context of its own) at the start screen.
export async function open(browser, url, viewport) {
  const page = await newPage(browser, viewport);
  await page.goto(url);
  await waitForStart(page);
  return page;
}

// A fresh page whose program is held back (its .wasm is not answered) until release().
export async function openHeld(browser, url, viewport) {
  const page = await newPage(browser, viewport);
  const held = [];
  let released = false;
  await page.setRequestInterception(true);
  page.on('request', (request) => (request.url().endsWith('.wasm') && !released ? held.push(request) : request.continue()));
  await page.goto(url);
  const release = async () => {
    released = true;
    for (const request of held) await request.continue();
  };
  return {page, release};
}

// The page draws the start screen before its program runs: the program has started once it marks so.
export const waitForStart = (page) => page.waitForFunction(() => performance.getEntriesByName('velkaro-started').length);

const selector = (target) => (/^[.#]/.test(target) ? target : `[data-name=${target}]`);

// The middle of a shown element, in the viewport's pixels.
async function middle(page, target) {
  const handle = await page.waitForSelector(selector(target), {visible: true});
  const box = await handle.boundingBox();
  return {x: box.x + box.width / 2, y: box.y + box.height / 2};
}

export async function click(page, target) {
  const {x, y} = await middle(page, target);
  await page.mouse.click(x, y);
}

export async function tap(page, target) {
  const {x, y} = await middle(page, target);
  await page.touchscreen.tap(x, y);
}

// The Tab key until the control has the focus, then Space.
export async function keyPress(page, name) {
  for (let i = 0; i < 8 && (await focused(page)) != name; i++) await page.keyboard.press('Tab');
  if ((await focused(page)) != name) throw new Error(`Tab never reaches ${name}`);
  await page.keyboard.press('Space');
}

export async function key(page, keys) {
  const parts = keys.split('+');
  for (const part of parts.slice(0, -1)) await page.keyboard.down(part);
  await page.keyboard.press(parts.at(-1));
  for (const part of parts.slice(0, -1).reverse()) await page.keyboard.up(part);
}

// Ways of reaching the Wrong button where it stands now.
export async function mouseOnto(page) {
  const {x, y} = await middle(page, 'cmdWrong');
  await page.mouse.move(x, y, {steps: 2});
}
export async function tapAt(page) {
  const {x, y} = await middle(page, 'cmdWrong');
  await page.touchscreen.tap(x, y);
}
async function pen(page, types) {
  const {x, y} = await middle(page, 'cmdWrong');
  const session = await page.createCDPSession();
  for (const type of types)
    await session.send('Input.dispatchMouseEvent', {type, x, y, pointerType: 'pen',
      button: type == 'mouseMoved' ? 'none' : 'left', clickCount: type == 'mouseMoved' ? 0 : 1});
  await session.detach();
}
export const penHover = (page) => pen(page, ['mouseMoved']);
export const penDown = (page) => pen(page, ['mousePressed', 'mouseReleased']);

// Counts the clicks that reach a control from now on.
export function countClicks(page, name) {
  return page.$eval(selector(name), (e) => {
    window.velkaroClicks = 0;
    e.addEventListener('click', () => window.velkaroClicks++);
  });
}
export const clicks = (page) => page.evaluate(() => window.velkaroClicks);

// A control's box in CSS pixels of the unscaled window, from the inside of its window's client
// area or of the named container: left, top, width, height.
export function box(page, name, within) {
  return page.$eval(selector(name), (e, within) => {
    const outer = within ? document.querySelector(`[data-name=${within}]`) : e.closest('.vk-client');
    const scale = outer.getBoundingClientRect().width / outer.offsetWidth;
    const a = e.getBoundingClientRect(), b = outer.getBoundingClientRect();
    return [a.left - b.left, a.top - b.top, a.width, a.height].map((v) => Math.round(v / scale));
  }, within);
}

export function clientSize(page, name) {
  return page.$eval(selector(name), (e) => {
    const client = e.closest('.vk-client');
    return [client.offsetWidth, client.offsetHeight];
  });
}

// The shown window and its client area in the viewport, and whether the page scrolls.
export function fit(page) {
  return page.evaluate(() => {
    const w = [...document.querySelectorAll('.vk-window')].find((e) => getComputedStyle(e).visibility == 'visible');
    const d = document.documentElement;
    return {window: w.getBoundingClientRect().toJSON(), client: w.querySelector('.vk-client').getBoundingClientRect().toJSON(),
      scrolls: d.scrollWidth > d.clientWidth || d.scrollHeight > d.clientHeight || scrollX != 0 || scrollY != 0};
  });
}

export const title = (page) => page.evaluate(() => document.title);

// Every element of the desk that holds the windows, in the page's order: its tag, attributes, style
// declarations as the browser holds them, and its own text.
export function deskElements(page) {
  return page.evaluate(() => [...document.querySelectorAll('#desk, #desk *')].map((e) => [e.tagName,
    ...[...e.attributes].filter((a) => a.name != 'style').map((a) => `${a.name}=${a.value}`).sort(),
    ...[...e.style].map((name) => `${name}: ${e.style.getPropertyValue(name)}`).sort(),
    [...e.childNodes].filter((n) => n.nodeType == Node.TEXT_NODE).map((n) => n.data).join('')].join(' ')));
}

// What a control shows: a label's caption, a button's.
export function texts(page, names) {
  return page.evaluate((names) => names.map((name) => {
    const e = document.querySelector(`[data-name=${name}]`);
    return (e.querySelector('.vk-button-caption') || e).textContent;
  }), names);
}
export const text = async (page, name) => (await texts(page, [name]))[0];

// The controls the player sees in the main window, in the page's order.
export function shown(page) {
  return page.evaluate(() => [...document.querySelectorAll('.vk-single [data-name]')]
    .filter((e) => e.checkVisibility({visibilityProperty: true})).map((e) => e.dataset.name));
}

export const focused = (page) => page.evaluate(() => document.activeElement?.dataset?.name || document.activeElement?.className);

// Answers the seven questions as a player thinking of the number does, reading each page.
export async function playTruthfully(page, number, press) {
  for (let k = 1; k <= 7; k++) {
    const pageTitle = await title(page);
    if (pageTitle != `صفحة ${k} من 7`) throw new Error(`page ${k} is titled ${pageTitle}`);
    const [question, list] = await texts(page, ['lblQu1', 'lblNoList']);
    const range = question.match(/من (\d+) إلى (\d+)/);
    const yes = range ? number >= +range[1] && number <= +range[2] : list.split(' ').includes(String(number));
    await press(page, yes ? 'cmdYes' : 'cmdNo');
  }
}

export async function closeWindow(page, press = click) {
  await press(page, '.vk-single .vk-close');
  await page.waitForSelector('[data-name=Label7]', {visible: true});
}

// The end page: its heading and its button, when no window shows.
export function endPage(page) {
  return page.evaluate(() => {
    const end = document.getElementById('end');
    const windows = [...document.querySelectorAll('.vk-window')].filter((e) => getComputedStyle(e).visibility == 'visible');
    return end.hidden || windows.length ? null : [end.querySelector('h1').textContent, end.querySelector('button').textContent];
  });
}

// What the accessibility tree holds, one line per node: role "name" (description); a live
// region with the text it holds as its name.
export async function accessibilityTree(page) {
  const session = await page.createCDPSession();
  const {nodes} = await session.send('Accessibility.getFullAXTree');
  await session.detach();
  const byId = new Map(nodes.map((n) => [n.nodeId, n]));
  const spoken = (n) => (n.ignored ? '' : n.role?.value == 'StaticText' ? n.name?.value || '' : '') +
    (n.childIds || []).map((id) => byId.get(id)).filter(Boolean).map(spoken).join('');
  return nodes.filter((n) => !n.ignored).map((n) => {
    const role = n.role?.value;
    const name = role == 'status' ? spoken(n) : n.name?.value || '';
    const description = n.description?.value;
    return `${role} "${name}"${description ? ` (${description})` : ''}`;
  }).join('\n');
}
