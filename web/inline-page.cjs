// Puts a program's page together as one file: the template with its style
// sheet, the engines' module (WebAssembly embedded) and the page script
// written into it, so that the page needs nothing beside it.
// node inline-page.cjs TEMPLATE STYLE MODULE SCRIPT PROGRAM TITLE ABOUT OUTPUT
'use strict';
const fs = require('fs');

const [template, style, moduleFile, script, program, title, about, output] = process.argv.slice(2);
// Inside a script element only "</script" would end it early.
const scriptText = (file) => fs.readFileSync(file, 'utf8').replace(/<\/script/gi, '<\\/script');
const parts = {
  '@STYLE@': fs.readFileSync(style, 'utf8'),
  '@MODULE@': scriptText(moduleFile),
  '@SCRIPT@': scriptText(script),
  '@PROGRAM@': program,
  '@TITLE@': title,
  '@ABOUT@': about,
};
const page = fs.readFileSync(template, 'utf8').replace(/@[A-Z]+@/g, (key) => (key in parts ? parts[key] : key));
fs.writeFileSync(output, page);
