// The year, month and day pillars of every solar date from 1950-01-01 to 2025-12-31 (27,759
// dates) with lunar-javascript, in one process; prints how many dates and a checksum of the
// pillar texts so that nothing is optimised away.
import lunar from 'lunar-javascript';

const { Solar } = lunar;
let dates = 0;
let checksum = 0;
for (let t = Date.UTC(1950, 0, 1); t <= Date.UTC(2025, 11, 31); t += 86400000) {
  const d = new Date(t);
  const eight = Solar.fromYmd(d.getUTCFullYear(), d.getUTCMonth() + 1, d.getUTCDate()).getLunar().getEightChar();
  const text = eight.getYear() + eight.getMonth() + eight.getDay();
  for (let i = 0; i < text.length; ++i) checksum = (checksum * 31 + text.charCodeAt(i)) >>> 0;
  ++dates;
}
console.log(`${dates} dates, checksum ${checksum}`);
