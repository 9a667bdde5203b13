// SPDX-FileCopyrightText: 2026 The acronym authors
// SPDX-License-Identifier: MIT
//
// The crossword of a puzzle, as the program plays it: a row for each letter of the answer, a box
// for each letter of its word, and the key column of the rows' first boxes.
"use strict";

// The text as characters, each a letter or another character with the marks that follow it.
function crosswordClusters(text) {
  const cells = [];
  for (const character of text.normalize("NFC")) {
    if (/^\p{M}$/u.test(character) && cells.length > 0) {
      cells[cells.length - 1].text += character;
    } else {
      cells.push({ text: character, box: /^\p{L}$/u.test(character) });
    }
  }
  return cells;
}

const crosswordBlanks = /^[\s\u0085]+|[\s\u0085]+$/gu;

// The letters of typed text, one for each box that they fill.
function crosswordLetters(typed) {
  return crosswordClusters(typed)
    .filter((cell) => cell.box)
    .map((cell) => cell.text);
}

// The rows in the order of the answer's letters: number, word, explanation, picture and cells,
// with `letters` the boxes' letters and `lead` the cells before the first box.
function crosswordRows(exercise) {
  return exercise.words
    .map((word) => {
      const explanation = exercise.explanations.find((row) => row.key === word.key);
      const cells = crosswordClusters(word.text.replace(crosswordBlanks, ""));
      const lead = cells.findIndex((cell) => cell.box);
      return {
        number: word.key + 1,
        word: word.text,
        explanation: explanation?.text ?? "",
        picture: explanation?.picture,
        cells,
        letters: cells.filter((cell) => cell.box).map((cell) => cell.text),
        lead: lead < 0 ? cells.length : lead,
      };
    })
    .sort((one, other) => one.number - other.number);
}

// The columns that the rows take with every first box in the key column: `lead` before it, and
// `count` in all, at least one.
function crosswordColumns(rows) {
  const lead = Math.max(0, ...rows.map((row) => row.lead));
  return { lead, count: lead + Math.max(1, ...rows.map((row) => row.cells.length - row.lead)) };
}

// A game of the crossword: each row's boxes, the rows solved and the wrong tries. A step returns
// its verdict ("none", "wrong" or "right") and what a screen reader says of it.
class CrosswordGame {
  constructor(rows) {
    this.rows = rows;
    this.entered = rows.map((row) => row.letters.map(() => ""));
    this.checked = this.entered.map((letters) => letters.join("\n"));
    // A word without a letter has nothing to write: it stands solved.
    this.solved = rows.map((row) => row.letters.length === 0);
    this.wrongTries = 0;
  }

  // The learner's text in a row's field: its letters fill the boxes from the first.
  type(row, typed) {
    if (this.solved[row]) {
      return { verdict: "none", said: "" };
    }
    const letters = crosswordLetters(typed).slice(0, this.rows[row].letters.length);
    this.entered[row] = this.rows[row].letters.map((_, box) => letters[box] ?? "");
    return this.check(row);
  }

  // Writes the row's first missing or wrong letter, at the cost of a wrong try.
  hint(row) {
    const { letters, number } = this.rows[row];
    const entered = this.entered[row];
    const box = letters.findIndex((letter, at) => entered[at].toLowerCase() !== letter.toLowerCase());
    if (this.solved[row] || box < 0) {
      return { verdict: "none", said: "" };
    }
    ++this.wrongTries;
    entered[box] = letters[box];
    const checked = this.check(row);
    return checked.verdict !== "none" ? checked : { verdict: "none", said: `Ред ${number}: буква ${box + 1} е «${letters[box]}».` };
  }

  check(row) {
    const entered = this.entered[row];
    if (entered.includes("") || entered.join("\n") === this.checked[row]) {
      return { verdict: "none", said: "" };
    }
    this.checked[row] = entered.join("\n");
    const { letters, number, word } = this.rows[row];
    if (letters.some((letter, box) => entered[box].toLowerCase() !== letter.toLowerCase())) {
      ++this.wrongTries;
      return { verdict: "wrong", said: `Ред ${number}: думата не е вярна.` };
    }
    // A solved row shows its word as it is written.
    this.entered[row] = letters.slice();
    this.solved[row] = true;
    return { verdict: "right", said: `${word.trim()}: буква ${letters[0]}, ${number} от ${this.rows.length}` };
  }

  // Starts anew with the rows of these numbers solved, for a game that comes back where it was
  // left.
  resume(numbers, wrongTries) {
    Object.assign(this, new CrosswordGame(this.rows));
    this.rows.forEach((row, at) => {
      if (numbers.includes(row.number)) {
        this.entered[at] = row.letters.slice();
        this.checked[at] = row.letters.join("\n");
        this.solved[at] = true;
      }
    });
    this.wrongTries = wrongTries;
  }

  keyColumn() {
    return this.rows.map((row, at) => (this.solved[at] ? (row.letters[0] ?? "") : ""));
  }

  solvedNumbers() {
    return this.rows.filter((_, at) => this.solved[at]).map((row) => row.number);
  }

  finished() {
    return this.solved.every(Boolean);
  }
}
