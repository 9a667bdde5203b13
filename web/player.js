// SPDX-FileCopyrightText: 2026 The acronym authors
// SPDX-License-Identifier: MIT
//
// The player's page: plays the puzzle that its address carries after '#', read by the program's
// rules, or the built-in puzzle without one. A link that cannot be played is said, in Bulgarian,
// and nothing else is shown.
"use strict";

// The exercise that the page's address carries, or the built-in one; throws an Error that says
// why a link cannot be played.
async function linkedExercise() {
  const fragment = location.hash.slice(1) || document.getElementById("built-in").textContent;
  const bytes = await linkedBytes(fragment);
  try {
    return parsePuzzle(bytes, "връзката").exercise;
  } catch (error) {
    throw new Error(`Пъзелът във връзката не може да се играе: ${error.line > 0 ? `ред ${error.line}: ` : ""}${error.reason}`);
  }
}

// Another link in the same tab is another puzzle.
addEventListener("hashchange", () => location.reload());

linkedExercise().then(
  (exercise) => {
    const data = exerciseData(exercise);
    document.title = exercise.caption;
    gameWatchers.push(new ResultSender(JSON.parse(data), packageIdentifier(data)));
    play(JSON.parse(data), gameWatchers);
  },
  (error) => {
    document.querySelector("main").hidden = true;
    const problem = document.getElementById("link-problem");
    problem.textContent = error.message;
    problem.hidden = false;
  },
);
