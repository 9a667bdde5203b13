// SPDX-FileCopyrightText: 2026 The acronym authors
// SPDX-License-Identifier: MIT
//
// The teacher's table of the result lines that learners sent (results/result_line.js), for the
// editor's page, by the program's rules (results/results.cpp).
"use strict";

const resultFieldCount = 8; // name, puzzle, pairs and wrong tries, score, time, when, id, code
const resultJoinsAtMost = 3;

// The fields of a whole result line, from its marker on, and whether it checks; none for other
// text. What follows the check code on its line (a word, an emoji, a messenger's note) is not the
// line's.
function readResult(text) {
  const parts = text.slice(resultMarker.length).split("|");
  if (parts.length < resultFieldCount) {
    return undefined;
  }
  const fields = parts.slice(0, resultFieldCount).map(resultNormalized);
  const sent = /^[0-9A-Z]{4}-[0-9A-Z]{4}(?![0-9A-Z])/.exec(fields.pop())?.[0];
  return sent === undefined ? undefined : { fields, checks: resultLineOf(fields).endsWith(sent) };
}

// What a line after a broken result line may carry of the result: the line without a mail's
// quoting ("> ", "> > "), the line as it is, and the line after a chat's time and sender where a
// message of its own began. A line that is all a chat's (a message's heading) is passed over by
// the joining itself.
function resultContinuations(line) {
  const quoted = /^(?:[ \t]*>)+ ?/.exec(line);
  const sent = /^[^|]{0,80}?\d[^|]{0,80}?: /u.exec(line);
  return [...(quoted ? [line.slice(quoted[0].length)] : []), line, ...(sent ? [line.slice(sent[0].length)] : [])];
}

// The result line that starts with `text`, the last one on line `at` of `lines`, and the last
// line that it took: as it is, or joined to the lines after it where it was broken: with a space
// where the break was at one, without where it broke a word, the continuation as
// resultContinuations gives it, or passing a line over. A joining that checks is taken; where
// none does, the first that reads.
function joinedResult(lines, at, text) {
  let taken = readResult(text);
  let joinings = [text];
  let last = at;
  for (let next = at + 1; !taken && next <= at + resultJoinsAtMost && next < lines.length && !lines[next].includes(resultMarker); ++next) {
    joinings = joinings.flatMap((joining) => [...resultContinuations(lines[next]).flatMap((rest) => [`${joining} ${rest}`, joining + rest]), joining]);
    for (const joining of joinings) {
      const whole = readResult(joining);
      if (whole && (!taken || (whole.checks && !taken.checks))) {
        taken = whole;
      }
    }
    if (taken) {
      last = next;
    }
  }
  return { taken, last };
}

// Each result line in the pasted text. A line may hold several, each from its marker on; the last
// one on a line may go on over the lines after it. `unreadable` counts the markers that begin
// nothing readable.
function foundResults(pasted) {
  const lines = pasted.split(/\r\n|[\r\n\u2028\u2029]/);
  const found = [];
  let unreadable = 0;
  for (let at = 0; at < lines.length; ++at) {
    const starts = lines[at].split(resultMarker).slice(1);
    let last = at;
    starts.forEach((start, each) => {
      const text = resultMarker + start;
      const { taken, last: through } = each === starts.length - 1 ? joinedResult(lines, at, text) : { taken: readResult(text), last: at };
      last = through;
      if (taken) {
        found.push(taken);
      } else {
        ++unreadable;
      }
    });
    at = last;
  }
  return { found, unreadable };
}

function resultRowOf({ fields, checks }) {
  const crossword = fields[2].startsWith(crosswordMark);
  const pairs = /^(\d+ от \d+), (\d+) грешк[аи]$/.exec(crossword ? fields[2].slice(crosswordMark.length) : fields[2]);
  const score = /^(\d+) от 100$/.exec(fields[3]);
  return { name: fields[0], puzzle: fields[1], game: crossword ? "Кръстословица" : "Свържи", pairs: pairs ? pairs[1] : fields[2], wrongTries: pairs ? pairs[2] : "", score: score ? score[1] : fields[3], time: fields[4], when: fields[5], id: fields[6], tries: 1, checks, titleShared: false };
}

// The teacher's table of the result lines in pasted text, { rows, unreadable }: a learner's best
// checking line for one puzzle, with the number of checking lines sent for it, and each line that
// does not check on a row of its own; in Bulgarian alphabetical order of the names, then of the
// puzzles. `unreadable` counts the lines that begin with the marker but could not be read.
function resultTable(pasted) {
  const rows = [];
  const best = new Map(); // a learner's row for a puzzle, by name and identifier
  const met = new Set(); // lines already counted
  const seconds = (time) => Number(time.split(":")[0]) * 60 + Number(time.split(":")[1] ?? 0);
  const { found, unreadable } = foundResults(pasted);
  for (const line of found) {
    const whole = line.fields.join("|");
    if (met.has(whole)) {
      continue;
    }
    met.add(whole);
    const row = resultRowOf(line);
    const learner = `${caseFolded(line.fields[0])}|${line.fields[6]}|${line.fields[2].startsWith(crosswordMark)}`;
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
  const puzzles = new Map(); // an identifier by title
  const shared = new Set(); // titles that two puzzles have
  for (const row of rows) {
    const title = caseFolded(row.puzzle);
    if (puzzles.has(title) && puzzles.get(title) !== row.id) {
      shared.add(title);
    }
    puzzles.set(title, row.id);
  }
  rows.forEach((row) => (row.titleShared = shared.has(caseFolded(row.puzzle))));
  const collator = new Intl.Collator("bg", { sensitivity: "accent" });
  rows.sort((left, right) => collator.compare(left.name, right.name) || collator.compare(left.puzzle, right.puzzle) || collator.compare(left.id, right.id) || collator.compare(left.game, right.game) || Number(right.checks) - Number(left.checks));
  return { rows, unreadable };
}

const resultHeading = ["Име", "Пъзел", "Игра", "Двойки", "Грешки", "Точки", "Време", "Кога", "Опити", "Проверка"];

// A row's cells as the table shows them: a puzzle's identifier after its title where another
// puzzle has the same title.
function resultCells(row) {
  return [row.name, row.titleShared ? `${row.puzzle} (${row.id})` : row.puzzle, row.game, row.pairs, row.wrongTries, row.score, row.time, row.when, String(row.tries), row.checks ? "вярна" : "променена"];
}

// What the table says of the lines that it could not read; empty when it read them all.
function unreadableNote(unreadable) {
  if (unreadable === 0) {
    return "";
  }
  return unreadable === 1 ? "1 ред «Резултат:» не можа да се прочете" : `${unreadable} реда «Резултат:» не можаха да се прочетат`;
}

// The table as a spreadsheet set to Bulgarian reads it: UTF-8 with a byte-order mark, ";" between
// fields, CR LF after each row; every puzzle's identifier in a column of its own, and times as
// hours, minutes and seconds ("0:04:12"). A cell that a spreadsheet would take for a formula starts
// with "'".
function resultCsv(rows) {
  const line = (cells) =>
    `${cells
      .map((cell) => (/^[=+\-@]/.test(cell) ? `'${cell}` : cell))
      .map((cell) => (/[;"\r\n]/.test(cell) ? `"${cell.replaceAll('"', '""')}"` : cell))
      .join(";")}\r\n`;
  // A spreadsheet reads "4:12" as four hours: the time goes with its hours.
  const hours = (time) => {
    const minutes = /^(\d+):(\d\d)$/.exec(time);
    return minutes ? `${Math.floor(minutes[1] / 60)}:${String(minutes[1] % 60).padStart(2, "0")}:${minutes[2]}` : time;
  };
  const cells = (row) => {
    const shown = resultCells(row);
    return [shown[0], row.puzzle, row.id, ...shown.slice(2, 6), hours(row.time), ...shown.slice(7)];
  };
  const heading = [...resultHeading.slice(0, 2), "Идентификатор", ...resultHeading.slice(2)];
  return `\ufeff${[heading, ...rows.map(cells)].map(line).join("")}`;
}
