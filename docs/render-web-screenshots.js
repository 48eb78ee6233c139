#!/usr/bin/env node
// The README's screenshots of the browser edition, in Debian's chromium:
//   NODE_PATH=tests/web/node_modules node docs/render-web-screenshots.js build-web/web
'use strict';
const path = require('path');
const puppeteer = require('puppeteer-core');

const pagesDir = path.resolve(process.argv[2] || 'build-web/web');
const shots = [
  { file: 'web-tabrell.png', program: 'tabrell', keys: [], size: [760, 400] },
  { file: 'web-verrick.png', program: 'verrick', keys: [], size: [1080, 360] },
  { file: 'web-ombrel.png', program: 'ombrel', keys: [], size: [760, 340] },
  { file: 'web-results.png', program: 'verrick', keys: ['Enter', 'Enter'], size: [1280, 860],
    fragment: '#span=60&cover=12' },
];

(async () => {
  const browser = await puppeteer.launch({ executablePath: '/usr/bin/chromium', args: ['--no-sandbox'], headless: true });
  for (const shot of shots) {
    const page = await browser.newPage();
    await page.setViewport({ width: shot.size[0], height: shot.size[1] });
    await page.goto('file://' + path.join(pagesDir, `${shot.program}.html`) + (shot.fragment || ''));
    await page.waitForSelector('body[data-ready]');
    for (const key of shot.keys) await page.keyboard.press(key);
    await page.screenshot({ path: path.join(__dirname, shot.file) });
    await page.close();
  }
  await browser.close();
})();
