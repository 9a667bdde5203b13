// SPDX-FileCopyrightText: 2026 The acronym authors
// SPDX-License-Identifier: MIT
//
// The program's web page of an exercise, for the editor's page: the very bytes that the program
// writes for the same puzzle.
"use strict";

// How to play, for an exercise that brings no instructions of its own, as the program says it.
function playInstructions(letters) {
  return [
    "Избери дума и нейното пояснение и натисни «Избрах».",
    "Ако двете си отговарят, първата буква на думата застава на мястото си в третия списък, а двата реда изчезват. Ако не си отговарят, опитай отново.",
    `Така буква по буква се подрежда отговорът. Той има ${letters} букви.`,
  ];
}

function htmlEscaped(text) {
  return text.replace(/[&<>"]/g, (character) => ({ "&": "&amp;", "<": "&lt;", ">": "&gt;", '"': "&quot;" })[character]);
}

// The program holds an exercise's texts as UTF-8 and reads them back as Qt reads UTF-8, which
// drops a byte-order mark at a text's start.
function asProgramHolds(text) {
  return text.replace(/^\ufeff/, "");
}

// The exercise as the game's script reads it, written as the program writes it: the keys in
// alphabetical order, and every '<' escaped, so that nothing in it can end its script element.
function exerciseData(exercise) {
  const { rows } = exercise;
  const paragraphs = exercise.instructions.length > 0 ? exercise.instructions : [...playInstructions(rows.words.length), "«Чисти» започва отначало."];
  const pictures = exercise.pictures ?? [];
  const rowsOf = (texts, keys, pictured = []) =>
    texts.map((text, row) => ({ key: Number.parseInt(keys[row], 10), ...(pictured[row]?.bytes.length ? { picture: dataAddress(pictured[row]) } : {}), text: asProgramHolds(text) }));
  const data = {
    answer: asProgramHolds(exercise.answer),
    explanations: rowsOf(rows.explanations, rows.explanationKeys, pictures),
    instructions: paragraphs.map(asProgramHolds),
    slots: rows.words.length,
    title: asProgramHolds(exercise.title),
    words: rowsOf(rows.words, rows.wordKeys),
  };
  return JSON.stringify(data).replaceAll("<", "\\u003c");
}

// The program's game page split at the places that an exercise fills, for the editor's page: the
// program gives it without the game's style and script, which start this page's own.
function gamePieces() {
  const { pieces, style, script } = JSON.parse(document.getElementById("page-pieces").textContent);
  const carried = { STYLE: document.querySelector("style").textContent.slice(0, style), SCRIPT: document.querySelector("script:not([type])").textContent.slice(0, script) };
  const filled = [pieces[0]];
  for (let piece = 1; piece < pieces.length; piece += 2) {
    if (pieces[piece] in carried) {
      filled[filled.length - 1] += carried[pieces[piece]] + pieces[piece + 1];
    } else {
      filled.push(pieces[piece], pieces[piece + 1]);
    }
  }
  return filled;
}

// The exercise as one self-contained page. `pieces` is the program's page without the exercise:
// its texts, and between them the names of the places that the exercise fills.
function webPage(exercise, pieces) {
  const parts = { TITLE: htmlEscaped(asProgramHolds(exercise.caption)), EXERCISE: exerciseData(exercise) };
  return pieces.map((piece, index) => (index % 2 === 1 ? parts[piece] : piece)).join("");
}
