// Validates glTF files with the Khronos validator and exits non-zero when
// any has an error (or cannot be validated at all).
//   node validate.mjs <folder holding node_modules/gltf-validator> <file>...
import { readFile } from 'node:fs/promises';
import { createRequire } from 'node:module';
import { dirname, join, resolve } from 'node:path';

const [prefix, ...files] = process.argv.slice(2);
if (!prefix || files.length === 0) {
  console.error('usage: node validate.mjs <npm prefix> <file>...');
  process.exit(2);
}

let validator;
try {
  validator = createRequire(join(resolve(prefix), 'package.json'))('gltf-validator');
} catch (error) {
  console.error(`gltf-validator is not installed under ${prefix}: ${error.message}`);
  process.exit(1);
}

let failed = false;
for (const file of files) {
  const report = await validator.validateBytes(new Uint8Array(await readFile(file)), {
    uri: file,
    externalResourceFunction: async (uri) =>
      new Uint8Array(await readFile(join(dirname(file), decodeURIComponent(uri)))),
  });
  const { numErrors, numWarnings, messages } = report.issues;
  console.log(`${file}: ${numErrors} errors, ${numWarnings} warnings`);
  for (const m of messages) console.log(`  ${m.severity} ${m.code} ${m.pointer ?? ''}: ${m.message}`);
  if (numErrors > 0) failed = true;
}
process.exit(failed ? 1 : 0);
