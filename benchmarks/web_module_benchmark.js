#!/usr/bin/env node
// How soon the browser edition's module is ready, and what one report
// costs in it: node benchmarks/web_module_benchmark.js build-web/web/csp-module.js
'use strict';
const fs = require('fs');
const path = require('path');
const zlib = require('zlib');

const modulePath = path.resolve(process.argv[2] || 'build-web/web/csp-module.js');
const bytes = fs.readFileSync(modulePath);
const started = process.hrtime.bigint();
require(modulePath)().then(module => {
  const ms = since => Number(process.hrtime.bigint() - since) / 1e6;
  console.log(`module: ${bytes.length} bytes, ${zlib.gzipSync(bytes).length} gzipped, ready in ${ms(started).toFixed(1)} ms`);
  const reports = [
    ['tabrell', []],
    ['verrick', [['shape', 'pipe-arch'], ['profile', '3'], ['size', '5'], ['cover', '6']]],
    ['verrick', [['span', '60'], ['cover', '12']]],
    ['ombrel', []],
  ];
  for (const [program, entries] of reports) {
    const runs = 500;
    const start = process.hrtime.bigint();
    for (let i = 0; i < runs; ++i) module.produce(program, entries);
    console.log(`${program} ${JSON.stringify(entries)}: ${(ms(start) / runs).toFixed(3)} ms a report`);
  }
});
