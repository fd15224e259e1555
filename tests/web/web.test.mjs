// SPDX-License-Identifier: MIT
// The web edition in headless Chromium, played as a player would: by mouse, by touch and by
// keyboard, on the desktop and on a phone held upright (VELKARO_VIEWPORT picks one row of the
// table; every row when unset). The site is VELKARO_SITE, served on 127.0.0.1.
import {test, describe, before, after} from 'node:test';
import assert from 'node:assert/strict';
import {mkdtempSync, rmSync} from 'node:fs';
import {tmpdir} from 'node:os';
import {join} from 'node:path';
import puppeteer from 'puppeteer-core';
import {serve} from './serve.mjs';
import * as ui from './player.mjs';

const VIEWPORTS = [
  {name: 'desktop', width: 1280, height: 800, hasTouch: false, isMobile: false, press: ui.click},
  {name: 'phone', width: 360, height: 740, hasTouch: true, isMobile: true, press: ui.tap},
];

// The windows' boxes as designed, in twips: left, top, width, height.
const MAIN_CLIENT = [6000, 4545];
const BOXES = {
  start: {lblMain: [1133, 0, 3735, 855], cmdStart: [2093, 1680, 1815, 2040]},
  card: {lblQu1: [1388, 240, 3225, 480], lblNoList: [360, 960, 5175, 2295],
    cmdYes: [2400, 3720, 1080, 735], cmdNo: [709, 3720, 1080, 735]},
  number: {cmdYes: [2400, 3720, 1080, 735], cmdWrong: [709, 3720, 1095, 735]},
  about: {Frame1: [600, 1560, 4095, 975], Label1: [1080, 120, 3135, 735], Label5: [360, 1080, 4455, 615]},
  frame: {Label9: [720, 240, 2895, 255], Label8: [1320, 600, 1575, 255]},
};
// At 96 pixels to the inch a pixel is 15 twips; both edges of a box are rounded.
const pixels = ([l, t, w, h]) => {
  const x = Math.round(l / 15), y = Math.round(t / 15);
  return [x, y, Math.round((l + w) / 15) - x, Math.round((t + h) / 15) - y];
};

const INSTRUCTION = 'هل تريدني أن أعرف ما يدور في ذهنك ؟ فكر في رقم من 0 إلى 90 ثم اضغط الزر';
const CARD_QUESTION = 'هل رقمك موجود ضمن هذه الأرقام؟';
const CARD1 = '1 3 5 7 9 11 13 15 17 19 21 23 25 27 29 31 33 35 37 39 41 43 45 47 49 51 53 55 57 59 61 ' +
  '63 65 67 69 71 73 75 77 79 81 83 85 87 89 90';

const rows = process.env.VELKARO_VIEWPORT ? VIEWPORTS.filter((v) => v.name == process.env.VELKARO_VIEWPORT) : VIEWPORTS;
assert.ok(rows.length, `no viewport named ${process.env.VELKARO_VIEWPORT}`);

for (const viewport of rows) {
  describe(viewport.name, () => {
    let browser, site, profile;
    before(async () => {
      site = await serve(process.env.VELKARO_SITE);
      profile = mkdtempSync(join(tmpdir(), 'velkaro-web-'));
      browser = await ui.launch(puppeteer, profile);
    });
    after(async () => {
      await browser?.close();
      await site?.close();
      rmSync(profile, {recursive: true, force: true});
    });
    const open = () => ui.open(browser, site.url, viewport);

    if (viewport.name == 'desktop') {
      test('every box stands at scale 1 where its twips say', async () => {
        const page = await open();
        const check = async (screen, within) => {
          for (const [name, twips] of Object.entries(BOXES[screen]))
            assert.deepEqual(await ui.box(page, name, within), pixels(twips), `${screen}: ${name}`);
        };
        assert.deepEqual(await ui.clientSize(page, 'cmdStart'), pixels([0, 0, ...MAIN_CLIENT]).slice(2));
        await check('start');
        await ui.click(page, 'cmdStart');
        await check('card');
        await ui.playTruthfully(page, 37, ui.click);
        await check('number');
        await ui.closeWindow(page);
        await check('about');
        await check('frame', 'Frame1');
      });
    } else {
      test('the whole window shows, scaled down, without scrolling', async () => {
        const page = await open();
        const fit = await ui.fit(page);
        assert.ok(fit.window.left >= 0 && fit.window.right <= viewport.width, JSON.stringify(fit));
        assert.ok(fit.window.top >= 0 && fit.window.bottom <= viewport.height, JSON.stringify(fit));
        assert.ok(!fit.scrolls, 'the page scrolls');
        assert.ok(Math.abs(fit.client.width / fit.client.height - MAIN_CLIENT[0] / MAIN_CLIENT[1]) < 0.01);
      });
    }

    test('the page draws the start screen its program makes before the program runs, and keeps a click on it', async () => {
      const {page: early, release} = await ui.openHeld(browser, site.url, viewport);
      const windowBox = () => early.evaluate(() => document.querySelector('.vk-window').getBoundingClientRect().toJSON());
      const drawn = await ui.deskElements(early);
      const drawnBox = await windowBox();
      await viewport.press(early, 'cmdStart');
      await release();
      await ui.waitForStart(early);
      assert.equal(await ui.title(early), 'صفحة 1 من 7');
      // The window stays where the page drew it once the program places it.
      assert.deepEqual(await windowBox(), drawnBox);
      // The tab's icon, named once the start screen is drawn.
      assert.match(await early.evaluate(() => document.querySelector('link[rel=icon]')?.href), /\/icons\/32\.png$/);
      // The pictures of the buttons the page drew hidden, left to the program, are there now.
      assert.deepEqual(await early.evaluate(() => ['cmdYes', 'cmdNo'].map((name) => {
        const picture = document.querySelector(`[data-name=${name}] img`);
        return picture.complete && picture.naturalWidth > 0;
      })), [true, true]);
      // The program's own start screen: the same elements, taken over, and no other; the desk and
      // the window placed by the program rather than by the page's style (the same place, above).
      const made = await ui.deskElements(await open());
      const unplaced = (e, i) => (i < 2 ? e.replace(/ (height|left|top|transform|width): \S+/g, '') : e);
      const unseenPictures = made.map((e, i) => (/^IMG/.test(e) && / hidden=/.test(made[i - 1])
        ? e.replace(/ src=\S+/, '') : unplaced(e, i)));
      assert.deepEqual(drawn.map((e, i) => unplaced(e.replace(/ data-vk=\d+/, ''), i)), unseenPictures);
    });

    test(`a truthful game by ${viewport.hasTouch ? 'touch' : 'mouse'} names every number thought of`, async () => {
      const page = await open();
      for (const number of [0, 37, 63, 90]) {
        await viewport.press(page, 'cmdStart');
        assert.equal(await ui.title(page), 'صفحة 1 من 7');
        assert.equal(await ui.text(page, 'lblNoList'), CARD1);
        await ui.playTruthfully(page, number, viewport.press);
        assert.deepEqual(await ui.texts(page, ['lblQu1', 'lblNoList', 'cmdYes', 'cmdWrong']),
          ['رقمك هــو', String(number), 'صح', 'خطـأ']);
        await viewport.press(page, 'cmdYes');
        assert.deepEqual(await ui.shown(page), ['lblMain', 'cmdStart']);
      }
    });

    test('answers that fit no number lead to the check-yourself screen and back', async () => {
      const page = await open();
      await viewport.press(page, 'cmdStart');
      for (let page_ = 1; page_ <= 7; page_++) await viewport.press(page, 'cmdYes');
      assert.deepEqual(await ui.shown(page), ['lblNoList', 'cmdYes']);
      assert.deepEqual(await ui.texts(page, ['lblNoList', 'cmdYes']), ['راجع نفسك!', 'عودة']);
      await viewport.press(page, 'cmdYes');
      assert.deepEqual(await ui.shown(page), ['lblMain', 'cmdStart']);
      assert.equal(await ui.title(page), 'Velkaro');
    });

    test('a keyboard game: Tab and Space alone, and the focus never rests on Wrong', async () => {
      const page = await open();
      assert.equal(await ui.focused(page), 'cmdStart');
      await ui.keyPress(page, 'cmdStart');
      assert.equal(await ui.focused(page), 'cmdYes');
      await ui.playTruthfully(page, 54, ui.keyPress);
      assert.equal(await ui.text(page, 'lblNoList'), '54');
      for (const key of ['Tab', 'Tab', 'Tab', 'Shift+Tab', 'Shift+Tab', 'Shift+Tab']) {
        await ui.key(page, key);
        assert.notEqual(await ui.focused(page), 'cmdWrong', `after ${key}`);
      }
      await ui.keyPress(page, 'cmdYes');
      assert.deepEqual(await ui.shown(page), ['lblMain', 'cmdStart']);
    });

    const dodges = viewport.hasTouch
      ? [['a finger', ui.tapAt], ['a pen coming down', ui.penDown], ['a hovering pen', ui.penHover]]
      : [['the mouse', ui.mouseOnto], ['a hovering pen', ui.penHover]];
    test(`Wrong runs from ${dodges.map(([n]) => n).join(', ')} and is never pressed`, async () => {
      const page = await open();
      await viewport.press(page, 'cmdStart');
      await ui.playTruthfully(page, 12, viewport.press);
      await ui.countClicks(page, 'cmdWrong');
      const right = await ui.box(page, 'cmdWrong');
      for (const [how, reach] of dodges) {
        for (const expected of ['right', 'left']) {
          const before = await ui.box(page, 'cmdWrong');
          await reach(page, before);
          const after = await ui.box(page, 'cmdWrong');
          assert.equal(after[1], before[1], how);
          assert.ok(expected == 'right' ? after[0] > before[0] : after[0] < before[0], `${how}: ${after} ${before}`);
        }
      }
      assert.deepEqual(await ui.box(page, 'cmdWrong'), right);
      assert.equal(await ui.clicks(page), 0);
      assert.equal(await ui.text(page, 'lblNoList'), '12');
    });

    test('the greeting moves right 50 twips at a tick; a click ends; another game without reloading', async () => {
      const page = await open();
      await viewport.press(page, 'cmdStart');
      await page.evaluate(() => { window.notReloaded = true; });
      await ui.closeWindow(page, viewport.press);
      // Each place the greeting takes is its start, -3360 twips, or once it has gone out on the
      // right -3600, and a whole number of 50-twip steps, in pixels; the steps only grow.
      const places = [];
      for (let i = 0; i < 10; i++) {
        const left = (await ui.box(page, 'Label7'))[0];
        const place = [-3360, -3600].map((start) => [start, Math.round((left * 15 - start) / 50)])
          .find(([start, step]) => Math.round((start + 50 * step) / 15) == left);
        assert.ok(place, `the greeting at ${left}px`);
        places.push(place);
        await new Promise((r) => setTimeout(r, 20));
      }
      const moved = places.some(([start, step], i) => i > 0 && start == places[i - 1][0] && step > places[i - 1][1]);
      const back = places.every(([start, step], i) => i == 0 || start != places[i - 1][0] || step >= places[i - 1][1]);
      assert.ok(moved && back, JSON.stringify(places));
      await viewport.press(page, 'Label5');
      assert.deepEqual(await ui.endPage(page), ['Velkaro', 'العب مرة أخرى']);
      await viewport.press(page, '#again');
      assert.deepEqual(await ui.shown(page), ['lblMain', 'cmdStart']);
      assert.equal(await page.evaluate(() => window.notReloaded), true);
    });

    test('what a screen reader is told, page by page', async () => {
      const page = await open();
      const told = () => ui.accessibilityTree(page);
      let tree = await told();
      assert.ok(tree.includes('dialog "Velkaro"'), tree);
      assert.ok(tree.includes('button "إغلاق"'), tree);
      assert.ok(tree.includes(`button "ابدأ" (${INSTRUCTION})`), tree);
      assert.ok(tree.includes(`StaticText "${INSTRUCTION}"`), tree);
      assert.ok(!tree.includes('نعم'), tree);
      await viewport.press(page, 'cmdStart');
      tree = await told();
      assert.ok(tree.includes('dialog "صفحة 1 من 7"'), tree);
      assert.ok(tree.includes('status "صفحة 1 من 7"'), tree);
      assert.ok(tree.includes(`button "نعم" (${CARD_QUESTION} ${CARD1})`), tree);
      assert.ok(tree.includes(`button "لا" (${CARD_QUESTION} ${CARD1})`), tree);
      await ui.playTruthfully(page, 90, viewport.press);
      tree = await told();
      assert.ok(tree.includes('status "رقمك هــو. 90"'), tree);
      assert.ok(tree.includes('button "صح"') && tree.includes('button "خطـأ"'), tree);
      await ui.closeWindow(page, viewport.press);
      tree = await told();
      assert.ok(tree.includes('dialog "Velkaro"') && tree.includes('button "خروج"'), tree);
      assert.ok(/status "تمت برمجة Velkaro من قبل [^"]+ يحييكم ويتمنى لكم وقتاً ممتعاً مع هذا البرنامج"/.test(tree), tree);
      await ui.key(page, 'Space');
      tree = await told();
      assert.ok(tree.includes('heading "Velkaro"') && tree.includes('button "العب مرة أخرى"'), tree);
      assert.ok(!tree.includes('dialog'), tree);
    });

    test('after the first visit the game starts and plays without a network', async () => {
      const own = await serve(process.env.VELKARO_SITE);
      const page = await ui.open(browser, own.url, viewport);
      await page.evaluate(() => navigator.serviceWorker.ready);
      await page.waitForFunction(() => navigator.serviceWorker.controller);
      await own.close();
      await page.reload();
      await ui.waitForStart(page);
      await viewport.press(page, 'cmdStart');
      await ui.playTruthfully(page, 5, viewport.press);
      assert.equal(await ui.text(page, 'lblNoList'), '5');
    });
  });
}
