// Times two whole processes, one after the other, several rounds: tesserin-cli --batch over every
// date of the range in both readings (56,544 lines, output to /dev/null) and pillars.mjs, which
// has lunar-javascript compute the three pillars of the 27,759 solar dates of 1950-2025.
// Prints the median wall-clock time of each and the ratio.
//   npm install && node compare.mjs [path/to/tesserin-cli] [rounds]
import { spawnSync } from 'node:child_process';
import { mkdtempSync, openSync, closeSync, writeFileSync, rmSync } from 'node:fs';
import { loadavg, tmpdir } from 'node:os';
import { join, dirname } from 'node:path';
import { fileURLToPath } from 'node:url';

const here = dirname(fileURLToPath(import.meta.url));
const cli = process.argv[2] ?? join(here, '../../build/native/src/tesserin-cli');
const rounds = Number(process.argv[3] ?? 11);

const dir = mkdtempSync(join(tmpdir(), 'tesserin-compare-'));
const inputPath = join(dir, 'dates.tsv');
const lines = [];
for (const mode of ['lunar', 'solar'])
  for (let year = 1950; year <= 2025; ++year)
    for (let month = 1; month <= 12; ++month)
      for (let day = 1; day <= 31; ++day) lines.push(`${year}\t${month}\t${day}\t${mode}\n`);
writeFileSync(inputPath, lines.join(''));

function timed(command, args, stdin, stdout) {
  const start = process.hrtime.bigint();
  const run = spawnSync(command, args, { stdio: [stdin, stdout, 'inherit'] });
  const ms = Number(process.hrtime.bigint() - start) / 1e6;
  if (run.status !== 0) throw new Error(`${command} failed with status ${run.status}`);
  return ms;
}

const median = (xs) => [...xs].sort((a, b) => a - b)[Math.floor(xs.length / 2)];
const batch = [];
const library = [];
const devNull = openSync('/dev/null', 'w');
try {
  for (let round = 0; round < rounds; ++round) {
    const input = openSync(inputPath, 'r');
    batch.push(timed(cli, ['--batch'], input, devNull));
    closeSync(input);
    library.push(timed(process.execPath, [join(here, 'pillars.mjs')], 'ignore', devNull));
  }
} finally {
  closeSync(devNull);
  rmSync(dir, { recursive: true });
}

console.log(`load average (1, 5, 15 min): ${loadavg().map((x) => x.toFixed(2)).join(' ')}`);
console.log(`tesserin-cli --batch, 56,544 readings: median ${median(batch).toFixed(1)} ms (${batch.map((x) => x.toFixed(0)).join(' ')})`);
console.log(`lunar-javascript, 27,759 pillars:     median ${median(library).toFixed(1)} ms (${library.map((x) => x.toFixed(0)).join(' ')})`);
console.log(`ratio: ${(median(library) / median(batch)).toFixed(1)} times`);
