// SPDX-FileCopyrightText: 2026 The acronym authors
// SPDX-License-Identifier: MIT
//
// The line of text that a learner sends at the end of a game, for the pages, as the program writes
// it (results/results.cpp); results/result_table.js reads such lines into the teacher's table.
"use strict";

const resultMarker = "Резултат:";

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

// A finished game as one line: { name, puzzle, pairs, total, wrongTries, seconds, when, id }, and
// `game: "crossword"` for the crossword, which the counts then name. A "|" in a name or a title
// becomes "/", and blanks of any kind are one space.
const crosswordMark = "кръстословица: ";

function resultLine(result) {
  const field = (text) => resultNormalized(text.replaceAll("|", "/"));
  const time = `${Math.floor(result.seconds / 60)}:${String(result.seconds % 60).padStart(2, "0")}`;
  const errors = result.wrongTries === 1 ? "грешка" : "грешки";
  return resultLineOf([field(result.name), field(result.puzzle), `${result.game === "crossword" ? crosswordMark : ""}${result.pairs} от ${result.total}, ${result.wrongTries} ${errors}`, `${resultScore(result.pairs, result.wrongTries)} от 100`, time, field(result.when), field(result.id)]);
}
