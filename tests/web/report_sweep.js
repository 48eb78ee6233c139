#!/usr/bin/env node
// The browser edition's module against the native csp-report, entry set by
// entry set: every report's saved bytes and shown text, every refusal and
// usage error and every warning must be the same.
//   node tests/web/report_sweep.js build-web/web build/apps/csp-report/csp-report
'use strict';
const { spawnSync } = require('child_process');
const path = require('path');

const [modulePath, nativeCommand] = process.argv.slice(2);
if (!modulePath || !nativeCommand) {
  console.error('usage: report_sweep.js MODULE CSP_REPORT');
  process.exit(2);
}

const product = (...lists) => lists.reduce((sets, list) => sets.flatMap(set => list.map(item => [...set, item])), [[]]);
const withNames = (names, values) => values.map(set => set.flatMap((value, i) => value === undefined ? [] : [[names[i], value]]));

function casesOf(module) {
  const words = program => Object.fromEntries(module.entries(program).map(e => [e.name, e.words]));
  const tabrell = words('tabrell'), verrick = words('verrick'), ombrel = words('ombrel');
  const shapes = [...Array(16).keys()].map(String).concat(['16', 'x']);
  const cases = [];
  const add = (program, sets) => sets.forEach(entries => cases.push({ program, entries }));

  // Every table of the main page's choices, and the follow-up pages' answers.
  add('tabrell', withNames(['shape', 'live-load', 'conditions', 'criteria'],
    product(shapes, tabrell['live-load'], tabrell.conditions, tabrell.criteria)));
  add('tabrell', withNames(['shape', 'conditions', 'design', 'base', 'trench', 'load-reduction'],
    product(['0', '4', '8', '11', '13', '15'], tabrell.conditions, [undefined, ...tabrell.design],
      [undefined, ...tabrell.base], [undefined, ...tabrell.trench], [undefined, '0.86', '0.5'])));
  // Typed values refused, read in part or taken whole.
  const typed = ['', '0', '-1', '0.86', '1.00.86', '12,5', '120 pcf', 'abc', '1e400', '1e-400', ' 7 ', '10001'];
  add('tabrell', withNames(['soil-density'], typed.map(t => [t])));
  add('tabrell', withNames(['conditions', 'load-reduction'], product(['embankment-astm', 'trench-astm'], typed)));

  // The design-check grid: shapes, profiles, sizes, thicknesses, loads, methods and covers.
  add('verrick', withNames(['shape', 'profile', 'live-load', 'method', 'cover'],
    product(verrick.shape, ['0', '1', '2', '3', '4', '5', '6', '7', '8'], verrick['live-load'], verrick.method,
      ['1.5', '6', '25'])));
  add('verrick', withNames(['shape', 'profile', 'size', 'thickness', 'cover'],
    product(['pipe-arch', 'underpass'], ['0', '1', '2', '3'], ['0', '3', '7', '40'], ['0', '2', '4', '9'], ['2', '10'])));
  add('verrick', withNames(['span', 'thickness', 'method', 'cover', 'reduction'],
    product(['12', '60', '144', '0', '60,5'], ['0', '3'], verrick.method.slice(-1), ['1.5', '12'],
      [undefined, '0.86', '1.00.86'])));
  for (const name of ['soil-density', 'cover', 'span']) add('verrick', withNames([name], typed.map(t => [t])));
  add('verrick', withNames(['shape', 'corner-pressure'], product(['pipe-arch', 'round'], typed)));

  // The service-life grid.
  add('ombrel', withNames(['gage', 'abrasion', 'resistivity', 'ph'],
    product(ombrel.gage, ombrel.abrasion, ['1500', '8000', '60000'], ['5', '7.3', '9'])));
  add('ombrel', withNames(['resistivity', 'ph'], product(typed, ['7', '5,5', ''])));

  // Sites of every shape, and the selection's own entries as typed.
  add('select', withNames(['span', 'min-cover', 'max-cover', 'method', 'life'],
    product(['48', '96'], ['2'], ['8', '20'], ['astm-asd', 'aisi'], ['50', '100'])));
  add('select', withNames(['shape', 'span', 'rise', 'max-cover', 'abrasion', 'life'],
    product(['pipe-arch', 'underpass'], ['60'], ['40'], ['10'], ['1', '4'], ['75'])));
  for (const name of ['min-cover', 'life', 'rise']) add('select', withNames([name], typed.map(t => [t])));
  return cases;
}

// What csp-report prints, said from the module's answer.
function expected(program, result) {
  const prefix = `csp-report ${program}: `;
  const entry = result.entry ? `--${result.entry}: ` : '';
  if (result.kind === 'usage')
    return { status: 2, stderr: `${prefix}${entry}${result.message}\nTry 'csp-report ${program} --help' for more information.\n` };
  const warnings = result.warnings.map(w => `${prefix}warning: --${w.entry} '${w.text}' is read as ${w.readAs}\n`).join('');
  if (result.kind === 'refused') return { status: 1, stderr: `${warnings}${prefix}${entry}${result.message}\n` };
  // A selection where no alternative meets both the structure and the
  // life writes its report and exits 1.
  if (program === 'select' && result.kind === 'success' && !result.display.includes('> the lightest alternative that meets'))
    return { status: 1, stderr: warnings };
  return { status: 0, stderr: warnings };
}

function runNative(program, entries, extra) {
  const args = [program, ...entries.flatMap(([name, text]) => [`--${name}=${text}`]), ...extra];
  return spawnSync(nativeCommand, args, { maxBuffer: 1 << 26 });
}

const programs = ['tabrell', 'verrick', 'ombrel', 'select'];
Promise.all(programs.map(p => require(path.resolve(modulePath, `${p}-module.js`))())).then(loaded => {
  // Each page's module carries its own program.
  const of = Object.fromEntries(programs.map((p, i) => [p, loaded[i]]));
  const module = { entries: p => of[p].entries(p), produce: (p, entries) => of[p].produce(p, entries) };
  const cases = casesOf(module);
  let failures = 0, reports = 0;
  const fail = (c, what, got, want) => {
    if (++failures <= 10) console.error(`DIFFERS ${c.program} ${JSON.stringify(c.entries)}: ${what}\n  native: ${JSON.stringify(got)}\n  module: ${JSON.stringify(want)}`);
  };
  cases.forEach((c, index) => {
    const result = module.produce(c.program, c.entries);
    const want = expected(c.program, result);
    const saved = runNative(c.program, c.entries, ['-o', '-']);
    if (saved.status !== want.status) return fail(c, 'exit status', saved.status, want.status);
    if (saved.stderr.toString() !== want.stderr) return fail(c, 'messages', saved.stderr.toString(), want.stderr);
    if (result.kind !== 'success') return;
    ++reports;
    if (!Buffer.from(result.saved).equals(saved.stdout)) return fail(c, 'saved bytes', saved.stdout.length, result.saved.length);
    if (index % 7 === 0) {
      const shown = runNative(c.program, c.entries, []);
      if (shown.stdout.toString() !== result.display) fail(c, 'shown report', shown.stdout.toString().slice(0, 200), result.display.slice(0, 200));
    }
  });
  console.log(`${cases.length} entry sets, ${reports} reports, ${cases.length - reports} refusals and usage errors: ${failures} differ`);
  process.exit(failures ? 1 : 0);
});
