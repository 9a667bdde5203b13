// SPDX-FileCopyrightText: 2026 The acronym authors
// SPDX-License-Identifier: MIT
//
// The teacher's table of the result lines that learners sent (results/result_line.js), for the
// editor's page, by the program's rules (results/results.cpp).
"use strict";

const resultFieldCount = 8; // name, puzzle, pairs and wrong tries, score, time, when, id, code
const resultJoinsAtMost = 3;

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
