#!/usr/bin/env node
// How big each page is, how soon it is ready for input after opening, and
// how soon a report shows after the last Enter and its picture after it,
// in Debian's chromium:
//   NODE_PATH=tests/web/node_modules node benchmarks/web_page_benchmark.js build-web/web
'use strict';
const fs = require('fs');
const path = require('path');
const zlib = require('zlib');
const puppeteer = require('puppeteer-core');

const pagesDir = path.resolve(process.argv[2] || 'build-web/web');
// The keys that lead to Results; the last Enter is timed.
const flows = { tabrell: ['Enter', 'Enter'], verrick: ['Enter'], ombrel: [], select: [] };
// The selection's site: a round pipe over a 2 to 30 ft cover range, all
// eight profiles walked.
const sites = { select: '#span=60&min-cover=2&max-cover=30' };
const runs = 9;

(async () => {
  const browser = await puppeteer.launch({ executablePath: '/usr/bin/chromium', args: ['--no-sandbox'], headless: true });
  for (const [program, before] of Object.entries(flows)) {
    const file = path.join(pagesDir, `${program}.html`);
    const bytes = fs.readFileSync(file);
    const ready = [], report = [], picture = [];
    for (let run = 0; run < runs; ++run) {
      const page = await browser.newPage();
      await page.goto('file://' + file + (sites[program] || ''));
      await page.waitForSelector('body[data-ready]');
      ready.push(Number(await page.evaluate(() => document.body.dataset.ready)));
      for (const key of before) await page.keyboard.press(key);
      const [shown, drawn] = await page.evaluate(() => new Promise((resolve) => {
        const start = performance.now();
        document.activeElement.dispatchEvent(new KeyboardEvent('keydown', { key: 'Enter', bubbles: true, cancelable: true }));
        void document.getElementById('report').offsetHeight;  // laid out
        const shown = performance.now() - start;
        // The picture beside it follows once the report is on the screen.
        const box = document.getElementById('picture-box');
        const drawn = () => requestAnimationFrame(() => resolve([shown, performance.now() - start]));
        if (box.querySelector('svg')) drawn();
        else new MutationObserver((_, observer) => { observer.disconnect(); void box.offsetHeight; drawn(); })
          .observe(box, { childList: true });
      }));
      report.push(shown);
      picture.push(drawn);
      await page.close();
    }
    const median = (values) => values.sort((a, b) => a - b)[Math.floor(values.length / 2)].toFixed(1);
    console.log(`${program}.html: ${bytes.length} bytes (${zlib.gzipSync(bytes).length} gzipped); ` +
      `ready ${median(ready)} ms after opening (median of ${runs}); report shown ${median(report)} ms after the last Enter, ` +
      `its picture drawn by ${median(picture)} ms`);
    if (sites[program]) {
      // The door alone, as each change of a live page runs it.
      const page = await browser.newPage();
      await page.goto('file://' + file);
      await page.waitForSelector('body[data-ready]');
      const door = await page.evaluate((program, link, runs) => {
        const entries = link.slice(1).split('&').map((part) => part.split('='));
        const times = [];
        for (let run = 0; run < runs + 2; ++run) {
          const start = performance.now();
          window.cspModule.produce(program, entries);
          if (run >= 2) times.push(performance.now() - start);
        }
        return times;
      }, program, sites[program], runs);
      console.log(`${program}: the door for ${sites[program]} takes ${median(door)} ms (median of ${runs})`);
      await page.close();
    }
  }
  await browser.close();
})();
