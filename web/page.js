// Draws the pages the engine describes and hands back what the user does.
// Every list, preset, check, message and page order comes from the module;
// this script knows only how a page is put on the screen.
'use strict';

(function () {
  const program = document.body.dataset.program;
  const form = document.getElementById('page');
  const resultsView = document.getElementById('results');
  const dialog = document.getElementById('message');
  let pages = null;       // the module's pages of this program
  let shownPage = '';     // the id of the page on the screen
  let afterDialog = null; // what to do when the open box closes
  let ignoredPops = 0;    // history moves this script made itself

  // --- the link ---------------------------------------------------------------

  function linkEntries() { return parseLink(location.hash.replace(/^#/, '')); }

  function parseLink(text) {
    if (!text) return [];
    return text.split('&').filter((part) => part.length > 0).map((part) => {
      const at = part.indexOf('=');
      const decode = (s) => { try { return decodeURIComponent(s.replace(/\+/g, ' ')); } catch (e) { return s; } };
      return at < 0 ? [decode(part), ''] : [decode(part.slice(0, at)), decode(part.slice(at + 1))];
    });
  }

  function linkText() {
    const entries = pages.linkEntries();
    return entries.map(([name, value]) => name + '=' + encodeURIComponent(value)).join('&');
  }

  function currentUrl() {
    const link = linkText();
    return location.pathname + location.search + (link ? '#' + link : '');
  }

  // The last entries are kept in the browser, for the next visit; a link's
  // entries win over them, and Reset forgets them.
  const keptKey = 'csp-suite-' + program + '-entries';
  function keptEntries() {
    try { return parseLink(localStorage.getItem(keptKey) || ''); } catch (e) { return []; }
  }
  function keepEntries() {
    try { localStorage.setItem(keptKey, linkText()); } catch (e) { /* a browser that keeps nothing */ }
  }

  // A link to the Results view: the entries and "view=results".
  function resultsLink() {
    const link = linkText();
    return location.href.replace(/#.*$/, '') + '#' + (link ? link + '&' : '') + 'view=results';
  }

  // Each page is one step of the browser's history; the fragment follows
  // the entries as they change.
  function followHistory() {
    keepEntries();
    const depth = pages.depth();
    const at = (history.state && typeof history.state.depth === 'number') ? history.state.depth : 0;
    if (depth > at) {
      for (let d = at + 1; d <= depth; ++d) history.pushState({ depth: d }, '', currentUrl());
    } else if (depth < at) {
      ignoredPops += 1;
      history.go(depth - at);
    } else {
      history.replaceState({ depth }, '', currentUrl());
    }
  }

  window.addEventListener('popstate', (event) => {
    // A fragment of the user's own (typed, or a link followed in this tab)
    // is no step of ours: it fills the pages as opening the link would.
    if (!event.state && location.hash.replace(/^#/, '') !== linkText()) {
      ignoredPops = 0;
      if (dialog.open) dialog.close();
      while (pages.depth() > 0) pages.back();
      start();
      return;
    }
    if (ignoredPops > 0) {
      ignoredPops -= 1;
      history.replaceState({ depth: pages.depth() }, '', currentUrl());
      return;
    }
    const target = (event.state && typeof event.state.depth === 'number') ? event.state.depth : 0;
    if (dialog.open) dialog.close();
    if (target > pages.depth()) {
      // Forward: on through the pages by their default buttons, as Enter
      // would, to the page it returns to; a page that refuses stays, with
      // its box, and the history steps back to it.
      let answer = 'page';
      while (pages.depth() < target && !pages.showingResults() && answer === 'page') {
        answer = pages.press(pages.page().defaultButton);
      }
      show();
      if (typeof answer !== 'string') openBox(answer, null);
      if (pages.depth() < target) {
        ignoredPops += 1;
        history.go(pages.depth() - target);
      } else {
        history.replaceState({ depth: pages.depth() }, '', currentUrl());
      }
      return;
    }
    while (pages.depth() > target) pages.back();
    show();
    history.replaceState({ depth: pages.depth() }, '', currentUrl());
  });

  // --- boxes with one OK button ---------------------------------------------------

  function openBox(box, then) {
    document.getElementById('message-title').textContent = box.title;
    const body = document.getElementById('message-body');
    body.replaceChildren();
    for (const [label, text] of box.rows) {
      if (label) {
        const row = document.createElement('div');
        row.className = 'detail';
        const l = document.createElement('span');
        l.textContent = label;
        const t = document.createElement('span');
        t.textContent = text;
        row.append(l, t);
        body.append(row);
      } else {
        const p = document.createElement('p');
        p.textContent = text;
        body.append(p);
      }
    }
    afterDialog = then || null;
    dialog.showModal();
    document.getElementById('message-ok').focus();
  }

  document.getElementById('message-ok').addEventListener('click', () => dialog.close());
  dialog.addEventListener('close', () => {
    const then = afterDialog;
    afterDialog = null;
    if (then) then();
  });

  function focusControl(id) {
    const element = document.getElementById('c-' + id) || form.querySelector('[name="c-' + id + '"]:checked');
    if (!element) return false;
    element.focus();
    if (element.select && element.type === 'text') element.select();
    return true;
  }

  // --- a page -------------------------------------------------------------------

  // Alt+letter, as the desktop's: the letter comes from the module's one
  // mnemonic rule.
  function giveAccessKey(element, letter) {
    if (letter) element.accessKey = letter.toLowerCase();
  }

  function pressButton(id) {
    const answer = pages.press(id);
    if (typeof answer === 'string') {
      if (answer === 'end') { location.href = 'index.html'; return; }
      show();
      followHistory();
      return;
    }
    const page = pages.page();
    openBox(answer, () => {
      if (answer.kind === 'message') {
        show();
        followHistory();
      }
      if (!focusControl(answer.focus) && answer.kind === 'message') focusControl(page.focus);
      if (answer.kind === 'details') {
        const more = document.getElementById('c-more-info');
        if (more) more.focus();
      }
    });
  }

  function makeButton(id, text, isDefault, mnemonic) {
    const button = document.createElement('button');
    button.type = 'button';
    button.id = 'b-' + id;
    button.textContent = text;
    giveAccessKey(button, mnemonic);
    if (isDefault) button.classList.add('default');
    button.addEventListener('click', () => pressButton(id));
    return button;
  }

  function fillList(select, control) {
    const same = select.options.length === control.items.length &&
      control.items.every((item, i) => select.options[i].text === item);
    if (!same) {
      select.replaceChildren();
      control.items.forEach((item, i) => {
        const option = document.createElement('option');
        option.value = String(i);
        option.text = item;
        select.append(option);
      });
    }
    select.selectedIndex = control.selected;
    select.disabled = control.disabled;
  }

  function controlRow(control) {
    if (control.kind === 'note') {
      const p = document.createElement('p');
      p.className = 'note';
      p.id = 'c-' + control.id;
      p.textContent = control.text;
      return p;
    }
    if (control.kind === 'radio') {
      const set = document.createElement('fieldset');
      if (control.items.every((item) => item.length < 16)) set.classList.add('side');
      const legend = document.createElement('legend');
      legend.textContent = control.label;
      set.append(legend);
      control.items.forEach((item, i) => {
        const label = document.createElement('label');
        const radio = document.createElement('input');
        radio.type = 'radio';
        radio.name = 'c-' + control.id;
        radio.value = String(i);
        radio.id = 'c-' + control.id + '-' + i;
        radio.checked = i === control.selected;
        giveAccessKey(radio, control.itemMnemonics[i]);
        radio.addEventListener('change', () => changed(control.id, radio.value));
        const text = document.createElement('span');
        text.textContent = item;
        label.append(radio, text);
        set.append(label);
      });
      const holder = document.createElement('div');
      holder.className = 'control';
      set.append(holder);
      addHelp(set, holder, control);
      return set;
    }
    const { row, label, holder } = labelledRow('c-' + control.id, control.label);
    let element;
    if (control.kind === 'list') {
      element = document.createElement('select');
      fillList(element, control);
      element.addEventListener('change', () => changed(control.id, element.value));
    } else if (control.kind === 'button') {
      element = makeButton(control.id, control.text, false, control.mnemonic);
      element.id = 'c-' + control.id;
      label.textContent = '';
    } else {
      element = document.createElement('input');
      element.type = 'text';
      element.value = control.text;
      element.autocomplete = 'off';
      element.spellcheck = false;
      if (control.kind === 'shown') {
        element.readOnly = true;
        element.tabIndex = -1;
      } else {
        element.inputMode = 'decimal';
        element.disabled = control.disabled;
        element.addEventListener('input', () => changed(control.id, element.value));
        element.addEventListener('focus', () => element.select());
      }
    }
    element.id = 'c-' + control.id;
    if (control.kind !== 'button') giveAccessKey(element, control.mnemonic);
    holder.append(element);
    if (control.unit) {
      const unit = document.createElement('span');
      unit.className = 'unit';
      unit.id = 'u-' + control.id;
      unit.textContent = control.unit;
      element.setAttribute('aria-describedby', unit.id);
      holder.append(unit);
    }
    addHelp(row, holder, control);
    return row;
  }

  // What an entry means, as csp-report's help says it: shown under the
  // control by its "?" button, or by Shift+F1 on the control.
  function addHelp(row, holder, control) {
    if (!control.help) return;
    const button = document.createElement('button');
    button.type = 'button';
    button.className = 'help';
    button.tabIndex = -1;  // Shift+F1 from the control itself
    button.textContent = '?';
    button.setAttribute('aria-label', 'What is ' + (control.label || control.id) + '?');
    button.setAttribute('aria-controls', 'h-' + control.id);
    button.setAttribute('aria-expanded', 'false');
    button.addEventListener('click', () => toggleHelp(control.id));
    const text = document.createElement('p');
    text.className = 'help-text';
    text.id = 'h-' + control.id;
    text.hidden = true;
    text.textContent = control.help;
    holder.append(button);
    row.append(text);
  }

  function toggleHelp(id) {
    const text = document.getElementById('h-' + id);
    const button = text && form.querySelector('button.help[aria-controls="h-' + id + '"]');
    if (!text || !button) return false;
    text.hidden = !text.hidden;
    button.setAttribute('aria-expanded', String(!text.hidden));
    return true;
  }

  // The control an element belongs to: "c-soil-density", or a radio button
  // of "c-trench".
  function controlOf(element) {
    if (!element) return '';
    if (element.type === 'radio') return element.name.replace(/^c-/, '');
    return element.id && element.id.startsWith('c-') ? element.id.slice(2) : '';
  }

  // A label beside the place for the control it names (id).
  function labelledRow(id, text) {
    const row = document.createElement('div');
    row.className = 'row';
    const label = document.createElement('label');
    label.htmlFor = id;
    label.textContent = text;
    const holder = document.createElement('div');
    holder.className = 'control';
    row.append(label, holder);
    return { row, label, holder };
  }

  // A change may rebuild the lists that follow it; the control in use
  // keeps its place and focus.
  function changed(id, value) {
    pages.change(id, value);
    const page = pages.page();
    refreshPage(page);
    history.replaceState(history.state, '', currentUrl());
    keepEntries();
    if (page.liveResults) showLiveResults();
  }

  // A page whose Results follow each change shows them under it as soon as
  // its entries are accepted; the default button still opens the Results
  // view, to save, print and link them.
  function showLiveResults() {
    const section = document.getElementById('live');
    const page = pages.page();
    section.hidden = !page.liveResults || pages.depth() !== 0;
    if (section.hidden) return;
    const status = document.getElementById('live-status');
    const answer = pages.press(page.defaultButton);
    if (!pages.showingResults()) {
      while (pages.depth() > 0) pages.back();
      status.textContent = typeof answer === 'string' ? '' : answer.rows.map((row) => row[1]).join(' ');
      section.classList.add('stale');
      return;
    }
    const results = pages.results();
    pages.press('ok');
    const lines = results.display.replace(/\n$/, '').split('\n');
    fillReport(document.getElementById('live-report'), lines);
    // The line a report marks with "> " and what the mark means, said to a
    // screen reader.
    const marked = lines.filter((line) => line.startsWith('> ')).map((line) => line.slice(2).trim().replace(/\s+/g, ' '));
    status.textContent = marked.length > 1 ? marked[marked.length - 1] + ': ' + marked[0] : '';
    section.classList.remove('stale');
  }

  function refreshPage(page) {
    for (const control of page.controls) {
      const element = document.getElementById('c-' + control.id);
      if (!element) continue;
      if (control.kind === 'list') fillList(element, control);
      if ((control.kind === 'field' || control.kind === 'shown') && document.activeElement !== element) {
        element.value = control.text;
      }
      if (control.kind === 'field') element.disabled = control.disabled;
    }
  }

  function buildPage(page) {
    form.replaceChildren();
    form.className = page.twoColumns ? 'two' : '';
    const title = document.createElement('h1');
    title.id = 'page-title';
    title.textContent = page.title;
    form.setAttribute('aria-labelledby', 'page-title');
    const fields = document.createElement('div');
    fields.className = 'fields';
    for (const control of page.controls) fields.append(controlRow(control));
    const buttons = document.createElement('div');
    buttons.className = 'buttons';
    for (const [id, text, mnemonic] of page.buttons) buttons.append(makeButton(id, text, id === page.defaultButton, mnemonic));
    form.append(title, fields, buttons);
  }

  function show() {
    if (pages.showingResults()) { showResults(); return; }
    const page = pages.page();
    resultsView.hidden = true;
    form.hidden = false;
    document.title = page.id === 'main' ? page.title : page.title + ' - ' + pages.title();
    const fresh = page.id !== shownPage;
    shownPage = page.id;
    buildPage(page);
    if (fresh || !form.contains(document.activeElement)) focusControl(page.focus);
    if (page.notice) openBox({ title: pages.title(), rows: [['', page.notice]] }, null);
    if (page.liveResults) showLiveResults();
    else document.getElementById('live').hidden = true;
  }

  // --- the Results view -------------------------------------------------------------

  // A report line that is the csp-report command of one of the suite's
  // pages opens that page on its Results.
  const suitePages = ['tabrell', 'verrick', 'ombrel', 'select'];
  function commandLink(line) {
    const match = /^(\s*)csp-report ([a-z]+)((?: --[a-z-]+ (?:'(?:[^']|'\\'')*'|\S+))*)\s*$/.exec(line);
    if (!match || !suitePages.includes(match[2])) return null;
    const entries = [];
    for (const [, name, value] of match[3].matchAll(/--([a-z-]+) ('(?:[^']|'\\'')*'|\S+)/g)) {
      const plain = value.startsWith("'") ? value.slice(1, -1).replace(/'\\''/g, "'") : value;
      entries.push(name + '=' + encodeURIComponent(plain));
    }
    entries.push('view=results');
    return { indent: match[1], href: match[2] + '.html#' + entries.join('&'), text: line.slice(match[1].length) };
  }

  // The report's lines in a block, its commands as links.
  function fillReport(pre, lines) {
    pre.replaceChildren();
    let text = '';
    for (const line of lines) {
      const link = commandLink(line);
      if (!link) { text += line + '\n'; continue; }
      const a = document.createElement('a');
      a.href = link.href;
      a.textContent = link.text;
      pre.append(text + link.indent, a);
      text = '\n';
    }
    pre.append(text);
  }

  // --- the job block and the printout ---------------------------------------------

  // The job block is typed once for the whole suite and kept in the
  // browser: {project, structure, designedBy, checkedBy}.
  const jobKey = 'csp-suite-job';
  function keptJob() {
    try {
      const kept = JSON.parse(localStorage.getItem(jobKey) || '{}');
      return kept && typeof kept === 'object' ? kept : {};
    } catch (e) { return {}; }
  }

  function buildJobFields() {
    const holder = document.getElementById('job-fields');
    const kept = keptJob();
    for (const field of window.cspModule.jobFields()) {
      const { row, holder: control } = labelledRow('job-' + field.key, field.label);
      const input = document.createElement('input');
      input.type = 'text';
      input.id = 'job-' + field.key;
      input.maxLength = field.width;
      input.autocomplete = 'off';
      input.value = typeof kept[field.key] === 'string' ? kept[field.key] : '';
      input.addEventListener('input', () => {
        const job = keptJob();
        job[field.key] = input.value;
        try { localStorage.setItem(jobKey, JSON.stringify(job)); } catch (e) { /* a browser that keeps nothing */ }
        if (!resultsView.hidden) buildPrintout();
      });
      control.append(input);
      holder.append(row);
    }
  }

  // The printed page: A4's width and Letter's height inside the half-inch
  // margins, so that the sheet prints whole on either; a little of the
  // height is kept for the browser's rounding.
  const printWidthPoints = (8.27 - 1) * 72;
  const printHeightPoints = (11 - 1) * 72 - 12;

  // The calculation sheet's pages, as the module lays them out, in blocks
  // one printed page high; the footer stands on each page's last line.
  function buildPrintout() {
    const results = pages.results();
    const lines = results.display.replace(/\n$/, '').split('\n');
    const widest = Math.max(window.cspModule.sheetWidth, ...lines.map((line) => line.length));
    const fontPoints = Math.max(5, Math.min(10, printWidthPoints / (widest * 0.6)));
    const linePoints = fontPoints * 1.15;
    const linesPerPage = Math.floor(printHeightPoints / linePoints);
    const today = new Date();
    const sheet = pages.sheet(keptJob(), today.getFullYear(), today.getMonth() + 1, today.getDate(),
      linesPerPage, printWidthPoints / linePoints);
    const printout = document.getElementById('printout');
    printout.style.fontSize = fontPoints.toFixed(2) + 'pt';
    printout.style.lineHeight = linePoints.toFixed(3) + 'pt';
    const linesHigh = (count) => (count * linePoints).toFixed(3) + 'pt';
    printout.replaceChildren(...sheet.map((page) => {
      const section = document.createElement('section');
      section.className = 'sheet-page';
      section.style.height = linesHigh(page.footerLine + 1);
      const text = document.createElement('pre');
      text.textContent = page.lines.join('\n');
      section.append(text);
      if (page.picture) {
        const box = document.createElement('div');
        box.className = 'sheet-picture';
        box.style.marginTop = linesHigh(page.picture.firstLine - page.lines.length);
        box.style.height = linesHigh(page.picture.lines);
        const svg = new DOMParser().parseFromString(results.picture, 'image/svg+xml').documentElement;
        if (svg && svg.nodeName === 'svg') {
          // The screen's picture keeps the ids its name is read from.
          svg.querySelectorAll('[id]').forEach((element) => element.removeAttribute('id'));
          svg.removeAttribute('aria-labelledby');
          box.append(document.importNode(svg, true));
        }
        section.append(box);
      }
      const footer = document.createElement('pre');
      footer.className = 'sheet-footer';
      footer.textContent = page.footer;
      section.append(footer);
      return section;
    }));
  }
  // The date is the day it prints.
  window.addEventListener('beforeprint', () => { if (!resultsView.hidden) buildPrintout(); });

  function download(bytes, type, name) {
    const url = URL.createObjectURL(new Blob([bytes], { type }));
    const a = document.createElement('a');
    a.href = url;
    a.download = name;
    document.body.append(a);
    a.click();
    a.remove();
    setTimeout(() => URL.revokeObjectURL(url), 60000);
  }

  let resultsShown = 0;

  function showPicture(box, picture) {
    const svg = new DOMParser().parseFromString(picture, 'image/svg+xml').documentElement;
    if (!svg || svg.nodeName !== 'svg') return;
    svg.setAttribute('role', 'img');
    const title = svg.querySelector('title');
    const desc = svg.querySelector('desc');
    if (title) { title.id = 'picture-title'; svg.setAttribute('aria-labelledby', 'picture-title'); }
    if (desc) { desc.id = 'picture-desc'; svg.setAttribute('aria-describedby', 'picture-desc'); }
    box.append(document.importNode(svg, true));
  }

  function showResults() {
    const results = pages.results();
    shownPage = '';
    form.hidden = true;
    document.getElementById('live').hidden = true;
    resultsView.hidden = false;
    document.getElementById('results-title').textContent = results.title;
    document.title = results.title + ' - ' + pages.title();
    const lines = results.display.replace(/\n$/, '').split('\n');
    const parts = results.pageBreakLine > 0 && results.pageBreakLine < lines.length
      ? [lines.slice(0, results.pageBreakLine), lines.slice(results.pageBreakLine)] : [lines];
    const report = document.getElementById('report');
    report.replaceChildren(...parts.map((part) => {
      const pre = document.createElement('pre');
      pre.className = 'page';
      fillReport(pre, part);
      return pre;
    }));
    buildPrintout();

    // The report shows first; the picture beside it is drawn once the
    // report is on the screen, so that the report never waits for it.
    const box = document.getElementById('picture-box');
    box.replaceChildren();
    const shownResults = ++resultsShown;
    requestAnimationFrame(() => setTimeout(() => {
      if (shownResults === resultsShown && !resultsView.hidden) showPicture(box, results.picture);
    }));

    const buttons = document.getElementById('results-buttons');
    const saveAs = () => download(results.saved, 'text/plain', results.fileName);
    const actions = [
      ['ok', results.okText, () => { pages.press('ok'); show(); followHistory(); }],
      ['save', results.saveAsText, saveAs],
      ['print', results.printText, () => window.print()],
      ['save-picture', 'Save Picture...',
        () => download(results.savedPicture, 'image/svg+xml', results.fileName.replace(/\.txt$/, '.svg'))],
      ['copy-link', 'Copy Link', () => copyText(resultsLink())],
    ];
    buttons.replaceChildren(...actions.map(([id, text, act]) => {
      const button = document.createElement('button');
      button.type = 'button';
      button.id = 'b-' + id;
      button.textContent = text;
      if (id === 'ok') button.classList.add('default');
      button.addEventListener('click', act);
      return button;
    }));
    const letters = window.cspModule.mnemonics(actions.map(([, text]) => text));
    buttons.querySelectorAll('button').forEach((button, i) => giveAccessKey(button, letters[i]));
    resultsView.dataset.escape = results.escapeButton;
    document.getElementById('command').textContent = results.commandLine;
    document.getElementById('results-link').textContent = resultsLink();
    report.focus();
  }

  // The clipboard where the browser lends it, else a selected copy.
  function copyText(text) {
    const fallback = () => {
      const area = document.createElement('textarea');
      area.value = text;
      area.setAttribute('readonly', '');
      area.style.cssText = 'position:absolute;left:-10000px';
      document.body.append(area);
      area.select();
      try { document.execCommand('copy'); } catch (e) { /* the link stays on the page to copy by hand */ }
      area.remove();
    };
    window.copiedText = text;
    if (navigator.clipboard && navigator.clipboard.writeText) navigator.clipboard.writeText(text).catch(fallback);
    else fallback();
  }

  // --- keys ---------------------------------------------------------------------

  document.addEventListener('keydown', (event) => {
    if (dialog.open) return;  // the box's own OK and Escape
    if (event.key === 'F1' && event.shiftKey) {
      event.preventDefault();
      toggleHelp(controlOf(document.activeElement));
      return;
    }
    if (event.key === 'F1') {
      event.preventDefault();
      openBox(pages.about(), null);
      return;
    }
    const onButton = event.target instanceof HTMLButtonElement;
    // Enter in a job field only ends the typing.
    if (event.key === 'Enter' && event.target.closest && event.target.closest('#job')) return;
    if (event.key === 'Enter' && !onButton && !event.altKey && !event.ctrlKey) {
      event.preventDefault();
      if (!resultsView.hidden) document.getElementById('b-ok').click();
      else pressButton(pages.page().defaultButton);
    } else if (event.key === 'Escape') {
      event.preventDefault();
      if (!resultsView.hidden) document.getElementById('b-' + resultsView.dataset.escape).click();
      else pressButton(pages.page().escapeButton);
    }
  });
  form.addEventListener('submit', (event) => event.preventDefault());

  document.getElementById('about-button').addEventListener('click', () => openBox(pages.about(), null));
  document.getElementById('reset-button').addEventListener('click', () => {
    try { localStorage.removeItem(keptKey); } catch (e) { /* nothing kept */ }
    if (dialog.open) dialog.close();
    while (pages.depth() > 0) pages.back();
    pages.load([]);
    shownPage = '';
    show();
    history.replaceState({ depth: pages.depth() }, '', currentUrl());
  });

  // --- start --------------------------------------------------------------------------

  function start() {
    const given = linkEntries();
    const toResults = given.some(([name, value]) => name === 'view' && value === 'results');
    const entries = given.filter(([name]) => name !== 'view');
    const leftOut = pages.load(given.length > 0 ? entries : keptEntries());
    // A link to the Results goes through the pages by their default
    // buttons, as Enter would, and stops at a page that refuses.
    if (toResults && leftOut.length === 0) {
      for (let step = 0; step < 8 && !pages.showingResults(); ++step) {
        const answer = pages.press(pages.page().defaultButton);
        if (typeof answer !== 'string' || answer !== 'page') break;
      }
    }
    shownPage = '';
    show();
    history.replaceState({ depth: pages.depth() }, '', currentUrl());
    keepEntries();
    if (leftOut.length > 0) {
      const page = pages.page();
      openBox({ title: pages.title(), rows: leftOut.map((line) => ['', line]) }, () => focusControl(page.focus));
    }
    document.body.dataset.ready = String(Math.round(performance.now()));
    setTimeout(loadReportFont);
  }

  // The first report would wait for its fixed-pitch face to be found and
  // loaded; a hidden line in that face, laid out once the page is ready,
  // has it at hand.
  function loadReportFont() {
    const sample = document.createElement('div');
    sample.className = 'report';
    sample.setAttribute('aria-hidden', 'true');
    sample.style.cssText = 'position:absolute;left:-10000px;top:0;visibility:hidden';
    const line = document.createElement('pre');
    line.textContent = 'Input Data: 0.109 in. 2-2/3 x 1/2';
    sample.append(line);
    document.body.append(sample);
    void sample.offsetHeight;
    sample.remove();
  }

  window.addEventListener('hashchange', () => {
    if (location.hash.replace(/^#/, '') === linkText()) return;
    while (pages.depth() > 0) pages.back();
    start();
  });

  // The module would fetch its own embedded WebAssembly as a data: URL;
  // without fetch it decodes it in place, and the page makes no request.
  const fetchOfPage = window.fetch;
  let loading;
  try {
    window.fetch = undefined;
    loading = createCspModule();
  } finally {
    window.fetch = fetchOfPage;
  }
  loading.then((module) => {
    pages = new module.Pages(program);
    window.cspModule = module;
    buildJobFields();
    start();
  });
})();
