// SPDX-FileCopyrightText: 2026 The acronym authors
// SPDX-License-Identifier: MIT
//
// Results that travel as lines of text, for the pages: the line that a learner sends at the end
// of a game, and the table that a teacher makes of the lines that came. The program's rules.
"use strict";

const resultMarker = "Резултат:";
const resultFieldCount = 8; // name, puzzle, pairs and wrong tries, score, time, when, id, code
const resultJoinsAtMost = 3;

// The text with every run of blanks, of whatever kind, as one space, trimmed, in NFC.
function resultNormalized(text) {
  return text.replace(/[\p{Z}\t\n\v\f\r\u0085]+/gu, " ").trim().normalize("NFC");
}

// A hash of the text's UTF-8 (64-bit FNV-1a), its first 40 bits as eight letters and digits that
// cannot be taken for one another: "7KQ2-M9XA".
function checkCode(text) {
  let hash = 0xcbf29ce484222325n;
  for (const byte of new TextEncoder().encode(text)) {
    hash = ((hash ^ BigInt(byte)) * 0x100000001b3n) & 0xffffffffffffffffn;
  }
  const digits = "0123456789ABCDEFGHJKMNPQRSTVWXYZ";
  let code = "";
  for (let shift = 59n; shift >= 24n; shift -= 5n) {
    code += digits[Number((hash >> shift) & 31n)] + (shift === 44n ? "-" : "");
  }
  return code;
}

function resultLineOf(fields) {
  const before = `${resultMarker} ${fields.join(" | ")}`;
  return `${before} | ${checkCode(before)}`;
}

// The score that a learning platform records: 100 × pairs ÷ (pairs + wrong tries), rounded.
function resultScore(pairs, wrongTries) {
  return pairs + wrongTries === 0 ? 0 : Math.round((100 * pairs) / (pairs + wrongTries));
}

// A finished game as one line: { name, puzzle, pairs, total, wrongTries, seconds, when, id }.
// A "|" in a name or a title becomes "/", and blanks of any kind are one space.
function resultLine(result) {
  const field = (text) => resultNormalized(text.replaceAll("|", "/"));
  const time = `${Math.floor(result.seconds / 60)}:${String(result.seconds % 60).padStart(2, "0")}`;
  const errors = result.wrongTries === 1 ? "грешка" : "грешки";
  return resultLineOf([field(result.name), field(result.puzzle), `${result.pairs} от ${result.total}, ${result.wrongTries} ${errors}`, `${resultScore(result.pairs, result.wrongTries)} от 100`, time, field(result.when), field(result.id)]);
}

// The fields of a whole result line, from its marker on, and whether it checks; none for other
// text.
function readResult(text) {
  const fields = text.slice(resultMarker.length).split("|").map(resultNormalized);
  if (fields.length !== resultFieldCount || !/^[0-9A-Z]{4}-[0-9A-Z]{4}$/.test(fields.at(-1))) {
    return undefined;
  }
  const sent = fields.pop();
  return { fields, checks: resultLineOf(fields).endsWith(sent) };
}

// Each result line in the pasted text, a broken one joined to the lines after it: with a space
// where the messenger broke it at one, without where it broke a word. Where no joining checks,
// the one with spaces stands.
function foundResults(pasted) {
  const lines = pasted.split(/\r\n|\r|\n/);
  const found = [];
  for (let at = 0; at < lines.length; ++at) {
    const start = lines[at].indexOf(resultMarker);
    if (start < 0) {
      continue;
    }
    let joinings = [lines[at].slice(start)];
    let taken = readResult(joinings[0]);
    for (let next = at + 1; !taken && next <= at + resultJoinsAtMost && next < lines.length && !lines[next].includes(resultMarker); ++next) {
      joinings = joinings.flatMap((joined) => [`${joined} ${lines[next]}`, joined + lines[next]]);
      for (const joined of joinings) {
        const whole = readResult(joined);
        if (whole && (!taken || (whole.checks && !taken.checks))) {
          taken = whole;
        }
      }
      if (taken) {
        at = next;
      }
    }
    if (taken) {
      found.push(taken);
    }
  }
  return found;
}

function resultRowOf({ fields, checks }) {
  const pairs = /^(\d+ от \d+), (\d+) грешк[аи]$/.exec(fields[2]);
  const score = /^(\d+) от 100$/.exec(fields[3]);
  return { name: fields[0], puzzle: fields[1], pairs: pairs ? pairs[1] : fields[2], wrongTries: pairs ? pairs[2] : "", score: score ? score[1] : fields[3], time: fields[4], when: fields[5], tries: 1, checks };
}

// The teacher's table of the result lines in pasted text: a learner's best checking line for
// one puzzle, with the number of checking lines sent for it, and each line that does not check
// on a row of its own; in Bulgarian alphabetical order of the names, then of the puzzles.
function resultTable(pasted) {
  const rows = [];
  const best = new Map(); // a learner's row for a puzzle, by name and identifier
  const met = new Set(); // lines already counted
  const seconds = (time) => Number(time.split(":")[0]) * 60 + Number(time.split(":")[1] ?? 0);
  for (const line of foundResults(pasted)) {
    const whole = line.fields.join("|");
    if (met.has(whole)) {
      continue;
    }
    met.add(whole);
    const row = resultRowOf(line);
    const learner = `${caseFolded(line.fields[0])}|${line.fields[6]}`;
    if (!line.checks || !best.has(learner)) {
      if (line.checks) {
        best.set(learner, rows.length);
      }
      rows.push(row);
      continue;
    }
    const kept = rows[best.get(learner)];
    const score = Number(row.score) - Number(kept.score);
    const tries = kept.tries + 1;
    rows[best.get(learner)] = { ...(score > 0 || (score === 0 && seconds(row.time) < seconds(kept.time)) ? row : kept), tries };
  }
  const collator = new Intl.Collator("bg", { sensitivity: "accent" });
  return rows.sort((left, right) => collator.compare(left.name, right.name) || collator.compare(left.puzzle, right.puzzle) || Number(right.checks) - Number(left.checks));
}

const resultHeading = ["Име", "Пъзел", "Двойки", "Грешки", "Точки", "Време", "Кога", "Опити", "Проверка"];

function resultCells(row) {
  return [row.name, row.puzzle, row.pairs, row.wrongTries, row.score, row.time, row.when, String(row.tries), row.checks ? "вярна" : "променена"];
}

// The table as a spreadsheet set to Bulgarian reads it: UTF-8 with a byte-order mark, ";" between
// fields, CR LF after each row. A cell that a spreadsheet would take for a formula starts with "'".
function resultCsv(rows) {
  const line = (cells) =>
    `${cells
      .map((cell) => (/^[=+\-@]/.test(cell) ? `'${cell}` : cell))
      .map((cell) => (/[;"\r\n]/.test(cell) ? `"${cell.replaceAll('"', '""')}"` : cell))
      .join(";")}\r\n`;
  return `\ufeff${[resultHeading, ...rows.map(resultCells)].map(line).join("")}`;
}
