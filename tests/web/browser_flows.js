#!/usr/bin/env node
// The pages in Debian's chromium and firefox-esr, opened from file:// with
// every network request refused, driven by the keyboard as a person would:
// through the pages to Results, Save As against csp-report -o, a refusal,
// Escape and Back, the link round trip, printing to PDF, and axe-core.
//   node tests/web/browser_flows.js build-web/web build/apps/csp-report/csp-report [chromium|firefox]...
'use strict';
const fs = require('fs');
const os = require('os');
const path = require('path');
const { spawnSync } = require('child_process');
const puppeteer = require('puppeteer-core');

const [pagesDir, cspReport, ...only] = process.argv.slice(2);
if (!pagesDir || !cspReport) {
  console.error('usage: browser_flows.js PAGES_DIR CSP_REPORT [chromium|firefox]...');
  process.exit(2);
}
const browsers = [
  { name: 'chromium', options: { browser: 'chrome', executablePath: '/usr/bin/chromium', args: ['--no-sandbox'] } },
  { name: 'firefox', options: { browser: 'firefox', executablePath: '/usr/bin/firefox-esr' } },
].filter((b) => only.length === 0 || only.includes(b.name));

const axeSource = fs.readFileSync(require.resolve('axe-core/axe.min.js'), 'utf8');
const scratch = fs.mkdtempSync(path.join(os.tmpdir(), 'csp-web-'));
let failures = 0;
const check = (ok, what) => {
  if (!ok) { ++failures; console.error(`FAILED ${what}`); }
};

function native(program, args) {
  return spawnSync(cspReport, [program, ...args], { maxBuffer: 1 << 26 });
}

const pause = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

async function open(browser, blocked, program, fragment = '') {
  const page = await browser.newPage();
  await page.setViewport({ width: 1100, height: 900 });
  await page.setRequestInterception(true);
  page.on('request', (request) => {
    const url = request.url();
    if (url.startsWith('file://') || url.startsWith('blob:')) request.continue();
    else { blocked.push(url); request.abort(); }
  });
  page.on('pageerror', (error) => check(false, `${program}: page error ${error.message}`));
  // Each flow starts from the presets, but for a reload that keeps them.
  await page.evaluateOnNewDocument(() => {
    try { if (!sessionStorage.getItem('keep')) localStorage.clear(); } catch (e) { /* a document without storage */ }
  });
  const file = 'file://' + path.resolve(pagesDir, `${program}.html`) + fragment;
  await page.goto(file);
  await page.waitForSelector('body[data-ready]', { timeout: 15000 });
  // Each download the page starts, kept as the bytes it offers.
  await page.evaluate(() => {
    window.offered = [];
    const make = URL.createObjectURL;
    URL.createObjectURL = (blob) => { window.offered.push(blob); return make.call(URL, blob); };
  });
  return page;
}

const state = (page) => page.evaluate(() => ({
  focus: document.activeElement ? document.activeElement.id : '',
  selected: document.activeElement && document.activeElement.type === 'text'
    ? document.activeElement.value.slice(document.activeElement.selectionStart, document.activeElement.selectionEnd) : null,
  value: document.activeElement && 'value' in document.activeElement ? document.activeElement.value : null,
  title: (document.querySelector('#page:not([hidden]) h1, #results:not([hidden]) h1') || {}).textContent,
  dialog: document.getElementById('message').open ? document.getElementById('message-body').textContent : null,
  hash: decodeURIComponent(location.hash),
  report: document.getElementById('results').hidden ? null : document.getElementById('report').textContent,
}));

async function keys(page, list) {
  for (const key of list) {
    if (key.startsWith('type:')) {
      await page.keyboard.type(key.slice(5));
    } else if (key === 'Shift+Tab') {
      await page.keyboard.down('Shift');
      await page.keyboard.press('Tab');
      await page.keyboard.up('Shift');
    } else {
      await page.keyboard.press(key);
    }
    await pause(40);
  }
}

async function lastOffered(page) {
  return Buffer.from(await page.evaluate(async () => {
    const blob = window.offered[window.offered.length - 1];
    return blob ? Array.from(new Uint8Array(await blob.arrayBuffer())) : [];
  }));
}

async function axe(page, where) {
  await page.evaluate(axeSource);
  const violations = await page.evaluate(async () => (await window.axe.run(document, {
    runOnly: { type: 'tag', values: ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa'] },
  })).violations.map((v) => `${v.id}: ${v.nodes.map((n) => n.target.join(' ')).join(', ')}`));
  check(violations.length === 0, `${where}: axe ${violations.join('; ')}`);
}

function pdfText(file) {
  const pages = Number(/Pages:\s+(\d+)/.exec(spawnSync('pdfinfo', [file]).stdout.toString())[1]);
  const text = spawnSync('pdftotext', ['-layout', file, '-']).stdout.toString();
  return { pages, parts: text.split('\f').filter((part) => part.trim().length > 0) };
}

// Enter through the pages to Results, as the table says.
const keyboardFlows = [
  { program: 'verrick', keys: ['Enter', 'type:60', 'Enter'], args: ['--span', '60'], printed: 3 },
  { program: 'tabrell', keys: ['Enter', 'Enter', 'type:0.86', 'Enter'], args: ['--load-reduction', '0.86'], printed: 2 },
  { program: 'ombrel', keys: ['Enter'], args: [], printed: 2 },
  { program: 'select', title: 'Pipe Selection', keys: ['Enter'], args: ['--span', '60'], fragment: '#span=60', printed: 2 },
];

// The job block as the flows type it into the Results view.
const job = { project: 'Mill Creek crossing', structure: 'Culvert C-12 (Zo\u00eb Road)', designedBy: 'A. Engineer', checkedBy: 'B. Checker' };
const squeeze = (text) => text.replace(/\s+/g, ' ').trim();
function today() {
  const now = new Date();
  return `${now.getFullYear()}-${String(now.getMonth() + 1).padStart(2, '0')}-${String(now.getDate()).padStart(2, '0')}`;
}

// Whether a page fits its window: nothing runs off the side, and each list
// shows its whole entry.
function fitsScript() {
  const wide = [...document.querySelectorAll('#page label, #page select, #page input, button')]
    .filter((element) => element.offsetParent !== null)
    .filter((element) => element.getBoundingClientRect().right > document.documentElement.clientWidth + 0.5);
  // A list shows its whole entry: the chosen text fits inside the box
  // beside its arrow, or the box already takes the page's whole width (a
  // wider face than the page's may still not fit an entry in 400 pixels).
  const measure = document.createElement('canvas').getContext('2d');
  for (const select of document.querySelectorAll('#page select')) {
    if (select.offsetParent === null || select.selectedIndex < 0) continue;
    const style = getComputedStyle(select);
    measure.font = `${style.fontSize} ${style.fontFamily}`;
    const text = measure.measureText(select.options[select.selectedIndex].text).width;
    const whole = document.querySelector('#page .fields').clientWidth;
    if (text + 28 > select.clientWidth && select.getBoundingClientRect().width < 0.9 * whole) {
      wide.push(`${select.id} shows part of its entry`);
    }
  }
  return { sideways: document.documentElement.scrollWidth > document.documentElement.clientWidth,
    wide: wide.map((element) => (typeof element === 'string' ? element : element.id || element.textContent)) };
}

async function flows(browser, name) {
  const blocked = [];
  for (const flow of keyboardFlows) {
    const where = `${name} ${flow.program}`;
    const page = await open(browser, blocked, flow.program, flow.fragment);
    const first = await state(page);
    check(first.focus !== '' && first.focus !== 'report', `${where}: focus on the first control (${first.focus})`);
    // Alt+letters as the desktop gives them: Next's N, no letter twice.
    const keysGiven = await page.evaluate(() => [...document.querySelectorAll('[accesskey]')].map((e) => e.accessKey));
    check(keysGiven.includes('n') && new Set(keysGiven).size === keysGiven.length,
      `${where}: one Alt+letter each, Next's N among them (${keysGiven.join('')})`);
    await axe(page, `${where} main page`);
    await keys(page, flow.keys);
    const shown = await state(page);
    const want = native(flow.program, flow.args);
    check(shown.report === want.stdout.toString(), `${where}: the report shown is csp-report's`);
    await page.waitForSelector('#picture-box svg', { timeout: 5000 });
    await axe(page, `${where} Results`);

    // The job block, typed field after field; it is the printout's alone.
    await page.focus('#job-project');
    await keys(page, [`type:${job.project}`, 'Tab', `type:${job.structure}`, 'Tab', `type:${job.designedBy}`, 'Tab',
      `type:${job.checkedBy}`, 'Enter']);
    check((await state(page)).report !== null, `${where}: Enter in a job field stays on the Results`);
    await axe(page, `${where} Results with the job typed`);

    await page.focus('#b-save');
    await page.keyboard.press('Enter');
    const saved = native(flow.program, [...flow.args, '-o', '-']).stdout;
    check((await lastOffered(page)).equals(saved), `${where}: Save As offers the csp-report -o bytes`);

    // The picture follows the report, with its title and description as
    // what a screen reader reads, and Save Picture offers csp-report's.
    const picture = native(flow.program, [...flow.args, '-o', os.devNull, '--svg', '-']).stdout.toString();
    const spoken = await page.evaluate(() => {
      const svg = document.querySelector('#picture-box svg');
      const text = (id) => (document.getElementById(svg.getAttribute(id)) || {}).textContent;
      return { role: svg.getAttribute('role'), name: text('aria-labelledby'), description: text('aria-describedby') };
    });
    const element = (name) => new RegExp(`<${name}[^>]*>([^<]*)</${name}>`).exec(picture)[1]
      .replace(/&amp;/g, '&').replace(/&lt;/g, '<').replace(/&gt;/g, '>').replace(/&quot;/g, '"');
    check(spoken.role === 'img' && spoken.name === element('title') && spoken.description === element('desc'),
      `${where}: the picture is read as its title and description (${JSON.stringify(spoken)})`);
    // In a 1280-pixel window the picture's smallest text reads at 11 CSS
    // pixels or more.
    await page.setViewport({ width: 1280, height: 900 });
    await pause(100);
    const smallest = await page.evaluate(() => Math.min(...[...document.querySelectorAll('#picture-box svg text')]
      .map((t) => { const m = t.getScreenCTM(); return parseFloat(getComputedStyle(t).fontSize) * Math.hypot(m.a, m.b); })));
    check(smallest >= 11, `${where}: the picture's smallest text is ${smallest.toFixed(1)} px at 1280 pixels`);
    await page.setViewport({ width: 1100, height: 900 });
    await page.click('#b-save-picture');
    check((await lastOffered(page)).toString() === picture, `${where}: Save Picture offers the csp-report --svg bytes`);

    // Printed, every page starts with the job block and ends with its
    // "Page n of m"; the report prints whole and in order, Verrick's
    // second part from the top of its page, and the picture after it.
    const versionLine = await page.evaluate((name) => new window.cspModule.Pages(name).about().rows
      .map(([, text]) => text).find((text) => / Version /.test(text)), flow.program);
    const heading = [`Project: ${job.project} Date: ${today()}`, `Structure: ${job.structure} ${versionLine}`,
      `Designed by: ${job.designedBy} Checked by: ${job.checkedBy}`];
    const reportLines = want.stdout.toString().split('\n').map(squeeze).filter((line) => line.length > 0);
    const breakAt = await page.evaluate(() => document.querySelectorAll('#report pre')[0].textContent.split('\n').length - 1);
    const pageTwoLine = squeeze(want.stdout.toString().split('\n').slice(breakAt).find((line) => line.trim().length > 0) || '');
    const pictureText = /<text[^>]*>([^<]+)<\/text>/.exec(picture)[1].replace(/&amp;/g, '&');
    for (const format of ['A4', 'Letter']) {
      const file = path.join(scratch, `${flow.program}-${format}.pdf`);
      await page.pdf({ path: file, format });
      const printed = pdfText(file);
      check(printed.pages === flow.printed, `${where}: ${printed.pages} ${format} pages printed, not ${flow.printed}`);
      const body = [];
      const starts = [];
      printed.parts.forEach((part, i) => {
        const lines = part.split('\n').map(squeeze).filter((line) => line.length > 0);
        const footer = `Page ${i + 1} of ${printed.parts.length}`;
        check(heading.every((line, at) => lines[at] === line) && lines[lines.length - 1] === footer,
          `${where}: ${format} page ${i + 1} has the job block and ${footer} (${lines.slice(0, 3).join(' / ')} ... ${lines[lines.length - 1]})`);
        starts.push(body.length);
        body.push(...lines.slice(4, -1));
      });
      const missing = reportLines.findIndex((line, i) => body[i] !== line);
      check(missing < 0, `${where}: the report prints whole and in order on ${format} (line ${missing}: ${reportLines[missing]} / ${body[missing]})`);
      if (flow.program === 'verrick') {
        check(body[starts[1]] === pageTwoLine, `${where}: page 2 starts at the page-break line on ${format}`);
      }
      check(squeeze(printed.parts[printed.parts.length - 1]).includes(squeeze(pictureText)),
        `${where}: the picture ("${pictureText}") prints on the last ${format} page`);
    }

    // OK, by Enter or by Escape, goes to the main page with the entries
    // kept; Escape never starts a download.
    const offeredBefore = await page.evaluate(() => window.offered.length);
    await page.focus('#report');
    await page.keyboard.press(flow.program === 'ombrel' ? 'Enter' : 'Escape');
    check(await page.evaluate(() => window.offered.length) === offeredBefore, `${where}: Escape in Results downloads nothing`);
    const back = await state(page);
    check(back.report === null && back.title === (flow.title || flow.program[0].toUpperCase() + flow.program.slice(1)),
      `${where}: OK goes back to the main page`);
    check(flow.args.length === 0 || back.hash.includes(`${flow.args[0].slice(2)}=${flow.args[1]}`),
      `${where}: the link keeps ${flow.args.join(' ')} (${back.hash})`);
    await page.close();
  }

  // The selection follows the entries as they are typed; Shift+F1 says
  // what an entry means, F1 stays the About box; each alternative's
  // commands open their programs on the same Results.
  {
    const page = await open(browser, blocked, 'select', '#span=60');
    const live = () => page.evaluate(() => ({
      shown: !document.getElementById('live').hidden,
      stale: document.getElementById('live').classList.contains('stale'),
      report: document.getElementById('live-report').textContent,
      status: document.getElementById('live-status').textContent,
    }));
    await page.focus('#c-max-cover');
    await keys(page, ['type:12']);
    let now = await live();
    check(now.shown && !now.stale && now.report === native('select', ['--span', '60', '--max-cover', '12']).stdout.toString(),
      `${name}: the selection's Results follow the typing (${now.status})`);
    check(now.status.startsWith('the lightest alternative that meets both structure and life: '),
      `${name}: the live status names the lightest alternative (${now.status})`);
    await keys(page, ['type:,']);
    now = await live();
    check(now.stale && now.status.includes("'12,'"), `${name}: a refused entry greys the Results and says why (${now.status})`);
    await keys(page, ['Backspace']);
    await page.focus('#c-abrasion');
    await page.keyboard.down('Shift');
    await page.keyboard.press('F1');
    await page.keyboard.up('Shift');
    const help = await page.evaluate(() => ({ shown: !document.getElementById('h-abrasion').hidden,
      text: document.getElementById('h-abrasion').textContent, dialog: document.getElementById('message').open }));
    check(help.shown && !help.dialog && help.text.includes('4: Severe Abrasion') && help.text.includes('(default 1)'),
      `${name}: Shift+F1 says what the abrasion levels mean (${help.text})`);
    await axe(page, `${name} select page with its help and live Results`);
    await page.keyboard.press('F1');
    check((await state(page)).dialog !== null, `${name}: F1 opens the About box`);
    await keys(page, ['Escape', 'Enter']);
    const links = await page.evaluate(() => [...document.querySelectorAll('#report a')].map((a) => [a.textContent, a.getAttribute('href')]));
    check(links.length > 0 && links.every(([text, href]) => text.startsWith('csp-report ') && href.endsWith('&view=results')),
      `${name}: the report's commands are links (${links.length})`);
    for (const [text, href] of links.slice(0, 2)) {
      const [, program, ...args] = text.split(' ');
      const opened = await open(browser, blocked, program, href.slice(href.indexOf('#')));
      check((await state(opened)).report === native(program, args).stdout.toString(), `${name}: ${text} opens its Results`);
      await opened.close();
    }
    await page.close();
  }

  // A refusal shows its box, keeps the page and the text as typed.
  {
    const page = await open(browser, blocked, 'verrick');
    await keys(page, ['Tab', 'Tab', 'Tab', 'Tab', 'type:12,5', 'Enter']);
    const refused = await state(page);
    const message = native('verrick', ['--cover', '12,5']).stderr.toString().replace(/^csp-report verrick: --cover: /, '').trim();
    check(refused.dialog === message, `${name}: the refusal box says "${message}" (${refused.dialog})`);
    await axe(page, `${name} verrick refusal box`);
    await keys(page, ['Enter']);
    const after = await state(page);
    check(after.dialog === null && after.title === 'Verrick' && after.focus === 'c-cover' && after.selected === '12,5',
      `${name}: after the box, the cover is focused with its text selected as typed (${JSON.stringify(after)})`);
    // Back and Forward step through the pages as < Backup and Next do.
    {
      const walk = await open(browser, blocked, 'verrick', '#cover=3&span=60');
      await keys(walk, ['Enter']);
      await walk.goBack();
      await pause(200);
      const backTitle = (await state(walk)).title;
      await walk.goForward();
      await pause(300);
      const forwardTitle = (await state(walk)).title;
      await keys(walk, ['Enter']);
      await walk.goBack();
      await pause(200);
      await walk.goForward();
      await pause(300);
      const again = await state(walk);
      check(backTitle === 'Verrick' && forwardTitle === 'Round Pipe Properties' &&
        again.report === native('verrick', ['--cover', '3', '--span', '60']).stdout.toString(),
        `${name}: Back and Forward go through the pages (${backTitle}, ${forwardTitle}, ${again.title})`);
      await walk.close();
    }
    // Back from the properties page keeps the main page's entries.
    await keys(page, ['type:6', 'Shift+Tab', 'Shift+Tab', 'type:110', 'Enter']);
    check((await state(page)).title === 'Round Pipe Properties', `${name}: Enter goes on to the properties page`);
    await axe(page, `${name} verrick properties page`);
    await page.goBack();
    await pause(200);
    const main = await page.evaluate(() => [document.getElementById('c-soil-density').value, document.getElementById('c-cover').value]);
    check(main[0] === '110' && main[1] === '6', `${name}: Back keeps the main page's entries (${main})`);
    await page.close();
  }

  // Escape on a follow-up page ends the sequence, as on the desktop.
  {
    const page = await open(browser, blocked, 'tabrell');
    await keys(page, ['Enter']);
    const followUp = await state(page);
    await axe(page, `${name} tabrell ${followUp.title}`);
    await keys(page, ['Escape']);
    check((await state(page)).title === 'Tabrell', `${name}: Escape on ${followUp.title} goes back to the main page`);
    await page.close();
  }

  // A link fills the pages; an unusable entry in it is named.
  {
    const args = ['--shape', 'pipe-arch', '--profile', '3', '--size', '5', '--cover', '6'];
    const page = await open(browser, blocked, 'verrick', '#shape=pipe-arch&profile=3&size=5&cover=6');
    await keys(page, ['Enter', 'Enter']);
    const shown = await state(page);
    check(shown.report === native('verrick', args).stdout.toString(), `${name}: the link reproduces the check`);
    const command = await page.evaluate(() => document.getElementById('command').textContent);
    check(['--shape pipe-arch', '--profile 3', '--size 5', '--cover 6', ' -o verrick-'].every((part) => command.includes(part)),
      `${name}: the command line (${command})`);
    await page.close();

    // A value typed with its unit reads as the number, and names the file
    // by the number.
    const withUnit = await open(browser, blocked, 'verrick', '#cover=8%20ft&span=60');
    await keys(withUnit, ['Enter', 'Enter']);
    check((await state(withUnit)).report === native('verrick', ['--cover', '8 ft', '--span', '60']).stdout.toString(),
      `${name}: a cover typed with its unit is checked as csp-report checks it`);
    const unitCommand = await withUnit.evaluate(() => document.getElementById('command').textContent);
    check(unitCommand.includes('-o verrick-60in-8ft.txt'), `${name}: the file is named by the number (${unitCommand})`);
    await withUnit.close();

    // The last entries are kept for the next visit, and Reset forgets
    // them; Copy Link gives a link that opens straight on the same Results.
    const kept = await open(browser, blocked, 'verrick');
    await kept.evaluate(() => {
      const cover = document.getElementById('c-cover');
      cover.value = '8';
      cover.dispatchEvent(new Event('input'));
      const project = document.getElementById('job-project');
      project.value = 'Kept job';
      project.dispatchEvent(new Event('input'));
      sessionStorage.setItem('keep', '1');
      history.replaceState(history.state, '', location.pathname);
    });
    // The browser stores what the page keeps a moment after it is written;
    // Chromium's moment is longer on a busy machine.
    await pause(2000);
    await kept.reload();
    await kept.waitForSelector('body[data-ready]');
    check(await kept.evaluate(() => document.getElementById('c-cover').value) === '8', `${name}: the entries are kept after a reload`);
    check(await kept.evaluate(() => document.getElementById('job-project').value) === 'Kept job', `${name}: the job is kept after a reload`);
    await keys(kept, ['Enter', 'Enter']);
    await kept.click('#b-copy-link');
    const copied = await kept.evaluate(() => window.copiedText);
    check(copied && copied.includes('view=results') && copied.includes('cover=8') &&
      (await kept.evaluate(() => document.getElementById('results-link').textContent)) === copied,
      `${name}: Copy Link copies the link the Results show (${copied})`);
    await kept.click('#reset-button');
    check(await kept.evaluate(() => document.getElementById('c-cover').value) === '1.5', `${name}: Reset goes back to the presets`);
    await kept.close();
    const linked = await open(browser, blocked, 'verrick', copied.slice(copied.indexOf('#')));
    const onResults = await state(linked);
    check(onResults.report === native('verrick', ['--cover', '8']).stdout.toString(), `${name}: the copied link opens on the same Results`);
    await axe(linked, `${name} verrick Results with Copy Link`);
    await linked.close();

    // A fragment changed in the open tab fills the pages as the link would.
    const retyped = await open(browser, blocked, 'verrick');
    await retyped.evaluate(() => { location.hash = '#cover=8&span=60&thickness=1'; });
    await pause(300);
    const refilled = await retyped.evaluate(() => [document.getElementById('c-cover').value, location.hash]);
    check(refilled[0] === '8' && refilled[1].includes('cover=8'), `${name}: a changed fragment fills the pages (${refilled})`);
    await keys(retyped, ['Enter', 'Enter']);
    check((await state(retyped)).report === native('verrick', ['--cover', '8', '--span', '60', '--thickness', '1']).stdout.toString(),
      `${name}: the changed fragment's check`);
    await retyped.close();

    const odd = await open(browser, blocked, 'ombrel', '#colour=red&ph=6');
    const told = await state(odd);
    check(told.dialog !== null && told.dialog.includes("'colour'"), `${name}: the link's unknown entry is named (${told.dialog})`);
    await keys(odd, ['Enter']);
    check(await odd.evaluate(() => document.getElementById('c-ph').value) === '6', `${name}: the rest of the link is used`);
    await odd.keyboard.press('Tab');
    await odd.click('#c-more-info');
    await pause(100);
    await axe(odd, `${name} Abrasion Level Details box`);
    await odd.close();

    // A word in any case is the page's word, and a list entry is given by
    // what it is, as csp-report takes it: the 6 x 2 plate and its 0.111
    // wall, kept by value in the link.
    const loose = await open(browser, blocked, 'verrick', '#SHAPE=Pipe-Arch&profile=6x2&cover=6&thickness=0.111');
    check((await state(loose)).dialog === null, `${name}: the link's values are taken without a box`);
    await keys(loose, ['Enter', 'Enter']);
    const byValue = await state(loose);
    check(byValue.report === native('verrick', ['--shape', 'pipe-arch', '--profile', '6x2', '--cover', '6',
      '--thickness', '0.111']).stdout.toString(), `${name}: the link's shape word and list values are taken`);
    check(byValue.hash.includes('profile=6x2') && byValue.hash.includes('thickness=0.111'),
      `${name}: the link keeps list values by value (${byValue.hash})`);
    await loose.close();
  }
  // axe on every page and box the programs show, each reached by Enter
  // from a link that brings it, and on the About box (F1).
  {
    const walks = [['tabrell', '#conditions=trench-aisi&shape=0'], ['tabrell', '#conditions=trench-astm&shape=5'],
      ['verrick', '#shape=pipe-arch&method=aisi&cover=6'], ['verrick', '#method=aisi&cover=6&span=48']];
    const seen = new Set();
    for (const [program, fragment] of walks) {
      const page = await open(browser, blocked, program, fragment);
      for (let step = 0; step < 8; ++step) {
        const at = await state(page);
        if (at.report !== null || at.dialog !== null) break;
        if (!seen.has(at.title)) {
          seen.add(at.title);
          await axe(page, `${name} ${program} ${at.title}`);
        }
        await keys(page, ['Enter']);
      }
      await page.close();
    }
    check(['Select Design', 'Trench Details', 'Design Properties', 'Load Reduction Factor'].every((title) => seen.has(title)),
      `${name}: the walks reach every follow-up page (${[...seen].join(', ')})`);
    const page = await open(browser, blocked, 'ombrel');
    await keys(page, ['F1']);
    check((await state(page)).dialog !== null, `${name}: F1 opens the About box`);
    await axe(page, `${name} About box`);
    await page.close();
  }

  // At 200% zoom on a 1280-pixel screen, and on a tablet held upright, the
  // page is 640 or 600 CSS pixels wide: every control and button fits
  // without scrolling sideways, and the picture goes below the report.
  for (const [width, scale] of [[640, 2], [600, 1], [400, 1]]) {
    const where = `${name} ${width} px wide at ${scale * 100}%`;
    const page = await open(browser, blocked, 'verrick');
    await page.setViewport({ width, height: 800, deviceScaleFactor: scale });
    const fits = () => page.evaluate(fitsScript);
    const main = await fits();
    check(!main.sideways && main.wide.length === 0, `${where}: the main page fits (${JSON.stringify(main)})`);
    await keys(page, ['Enter']);
    const properties = await fits();
    check(!properties.sideways && properties.wide.length === 0, `${where}: the properties page fits (${JSON.stringify(properties)})`);
    await keys(page, ['Enter']);
    await page.waitForSelector('#picture-box svg', { timeout: 5000 });
    const results = await fits();
    const below = await page.evaluate(() => document.getElementById('picture-box').getBoundingClientRect().top >=
      document.getElementById('report').getBoundingClientRect().bottom - 0.5);
    check(!results.sideways && results.wide.length === 0 && below,
      `${where}: Results fit with the picture below the report (${JSON.stringify(results)}, below ${below})`);
    if (process.env.CSP_WEB_SCREENSHOTS) await page.screenshot({ path: path.join(process.env.CSP_WEB_SCREENSHOTS, `${name}-${width}.png`), fullPage: true });
    await page.close();
    // Tabrell's lists hold the longest entries, the selection's page the
    // most controls and its Results as they are typed.
    for (const program of ['tabrell', 'select']) {
      const other = await open(browser, blocked, program);
      await other.setViewport({ width, height: 800, deviceScaleFactor: scale });
      await pause(100);
      const fit = await other.evaluate(fitsScript);
      check(!fit.sideways && fit.wide.length === 0, `${where}: ${program}'s main page fits (${JSON.stringify(fit)})`);
      await other.close();
    }
  }
  check(blocked.length === 0, `${name}: no network request (${blocked.join(', ')})`);
}

(async () => {
  for (const { name, options } of browsers) {
    const browser = await puppeteer.launch({ ...options, headless: true });
    try {
      await flows(browser, name);
    } catch (error) {
      check(false, `${name}: ${error.stack}`);
    } finally {
      await browser.close();
    }
    console.log(`${name}: browser flows done`);
  }
  fs.rmSync(scratch, { recursive: true, force: true });
  console.log(`browser flows: ${failures} failed`);
  process.exit(failures ? 1 : 0);
})();
