// SPDX-FileCopyrightText: 2026 The acronym authors
// SPDX-License-Identifier: MIT
"use strict";

// The board as the desktop program holds it: the rows still in play, each with its key (the slot
// that its word's first letter goes into), one slot per letter, and the two selections (-1: none).
function startingBoard(exercise) {
  return {
    words: exercise.words.slice(),
    explanations: exercise.explanations.slice(),
    slots: new Array(exercise.slots).fill(" "),
    word: -1,
    explanation: -1,
  };
}

// «Избрах»: with both lists selected, a pair whose keys are equal writes the word's first
// character into its slot and leaves the board; any pair clears both selections.
function checkChoice(board) {
  if (board.word < 0 || board.explanation < 0) {
    return { board, outcome: "none" };
  }
  const chosen = board.words[board.word];
  const after = { ...board, word: -1, explanation: -1 };
  if (chosen.key !== board.explanations[board.explanation].key) {
    return { board: after, outcome: "wrong", word: chosen.text };
  }
  const letter = chosen.text === "" ? "" : String.fromCodePoint(chosen.text.codePointAt(0));
  after.slots = board.slots.slice();
  after.slots[chosen.key] = letter;
  after.words = board.words.filter((_, row) => row !== board.word);
  after.explanations = board.explanations.filter((_, row) => row !== board.explanation);
  return { board: after, outcome: "right", word: chosen.text, slot: chosen.key, letter };
}

// What a screen reader hears after a judged pair, in the desktop program's words.
function announcement(result, slotCount) {
  const word = result.word.trim();
  return result.outcome === "right"
    ? `${word}: буква ${result.letter}, ${result.slot + 1} от ${slotCount}`
    : `${word}: двойката не е вярна.`;
}

// A single-select listbox: a click or the arrow keys, Home and End select a row, Space selects
// the current one. The current row is told to assistive technology as the active descendant.
class ListBox {
  constructor(element) {
    this.element = element;
    this.rows = [];
    this.current = -1;
    this.selected = -1;
    this.selectedChanged = () => {};
    element.addEventListener("click", (event) => {
      const option = event.target.closest("[role=option]");
      if (option) {
        this.select(this.rows.indexOf(option));
      }
    });
    element.addEventListener("keydown", (event) => this.press(event));
    element.addEventListener("focus", () => {
      if (this.current < 0 && this.rows.length > 0) {
        this.moveTo(Math.max(this.selected, 0));
      }
    });
  }

  // Each row's text, after its picture where `pictures` give one. A picture repeats what its
  // text says, and so is nothing to read out.
  show(texts, pictures = []) {
    // In a list with pictures, a row without one keeps a picture's place, so that every text
    // starts where the others do.
    const pictured = pictures.some(Boolean);
    this.rows = texts.map((text, row) => {
      const option = document.createElement("li");
      option.id = `${this.element.id}-${row}`;
      option.setAttribute("role", "option");
      option.textContent = text;
      if (pictures[row]) {
        option.prepend(Object.assign(document.createElement("img"), { src: pictures[row], alt: "", className: "thumb" }));
      } else if (pictured) {
        option.prepend(Object.assign(document.createElement("span"), { className: "thumb" }));
      }
      return option;
    });
    this.element.replaceChildren(...this.rows);
    // No row is current, and none is named as the active one: the old ones are gone.
    this.moveTo(-1);
    this.select(-1);
  }

  press(event) {
    const last = this.rows.length - 1;
    const moves = {
      ArrowDown: Math.min(this.current + 1, last),
      ArrowUp: Math.max(this.current - 1, 0),
      Home: 0,
      End: last,
    };
    if (event.key in moves) {
      this.select(moves[event.key]);
    } else if (event.key === " " && this.current >= 0) {
      this.select(this.current);
    } else {
      return;
    }
    event.preventDefault();
  }

  select(row) {
    this.selected = row;
    this.rows.forEach((option, index) => {
      option.setAttribute("aria-selected", String(index === row));
    });
    if (row >= 0) {
      this.moveTo(row);
    }
    this.selectedChanged(row);
  }

  moveTo(row) {
    this.rows[this.current]?.classList.remove("current");
    this.current = row;
    const option = this.rows[row];
    if (option) {
      option.classList.add("current");
      option.scrollIntoView({ block: "nearest" });
      this.element.setAttribute("aria-activedescendant", option.id);
    } else {
      this.element.removeAttribute("aria-activedescendant");
    }
  }
}

// Those who follow the games on the page. Each may have any of started(games), switched(game),
// judged(pair, progress), reset(game) and finished(progress). A game is "matching" or
// "crossword". A judged pair is its outcome and the keys of the chosen word and explanation, or
// in the crossword the row's key, the typed word and the right one; progress is the game, its
// slots filled, the wrong tries and the slots in all.
const gameWatchers = [];

// Plays the exercise's matching game on the page's board, from its start; `tell` passes what
// happens to the watchers. Returns the game, which can resume from a progress.
function playMatching(exercise, tell) {
  const byId = (id) => document.getElementById(id);
  const words = new ListBox(byId("words"));
  const explanations = new ListBox(byId("explanations"));
  const slots = byId("slots");
  const said = byId("said");
  const done = byId("done");
  let board;
  let wrongTries;

  byId("title").textContent = exercise.title;
  // The chosen explanation's picture, large beside the lists.
  const picture = byId("picture");
  const pictured = exercise.explanations.some((row) => row.picture);
  document.querySelector(".board").classList.toggle("pictured", pictured);
  document.documentElement.classList.toggle("pictured-page", pictured);
  // The picture repeats what its explanation says: a screen reader has it from the list.
  const large = Object.assign(document.createElement("img"), { id: "picture-image", alt: "" });
  explanations.selectedChanged = (row) => {
    const shown = board?.explanations[row]?.picture;
    picture.hidden = !shown;
    if (shown) {
      large.src = shown;
      picture.replaceChildren(large);
    }
  };
  byId("instructions").replaceChildren(
    ...exercise.instructions.map((text) => {
      const paragraph = document.createElement("p");
      paragraph.textContent = text;
      return paragraph;
    }),
  );

  const show = () => {
    words.show(board.words.map((row) => row.text));
    explanations.show(
      board.explanations.map((row) => row.text),
      board.explanations.map((row) => row.picture),
    );
    slots.replaceChildren(
      ...board.slots.map((letter) => {
        const slot = document.createElement("li");
        slot.textContent = letter;
        return slot;
      }),
    );
  };
  const start = () => {
    board = startingBoard(exercise);
    wrongTries = 0;
    said.replaceChildren();
    byId("result").hidden = true;
    show();
  };
  // The slots whose words have left the board.
  const progress = () => {
    const left = new Set(board.words.map((row) => row.key));
    const filled = exercise.words.map((row) => row.key).filter((key) => !left.has(key));
    return { game: "matching", filled: filled.sort((a, b) => a - b), wrongTries, slots: exercise.slots };
  };

  byId("choose").addEventListener("click", () => {
    const pair = { wordKey: board.words[words.selected]?.key, explanationKey: board.explanations[explanations.selected]?.key };
    const result = checkChoice({ ...board, word: words.selected, explanation: explanations.selected });
    if (result.outcome === "none") {
      return;
    }
    board = result.board;
    show();
    wrongTries += result.outcome === "wrong" ? 1 : 0;
    // A new text node is spoken even when it repeats the last one.
    said.replaceChildren(document.createTextNode(announcement(result, board.slots.length)));
    tell("judged", { ...pair, outcome: result.outcome }, progress());
    if (result.outcome === "right" && board.words.length === 0) {
      tell("finished", progress());
      byId("done-text").textContent =
        `Браво! Акронимът е готов: «${exercise.answer}».\nГрешни опити: ${wrongTries}.`;
      byId("result").hidden = false;
      done.showModal();
    }
  });
  // Until «Чисти», the finished board offers its message again.
  byId("result").addEventListener("click", () => done.showModal());
  byId("reset").addEventListener("click", () => {
    start();
    tell("reset", "matching");
  });
  byId("done-close").addEventListener("click", () => done.close());
  start();

  return {
    // Puts back a game where a learner left it: the pairs of these slots made, so many wrong
    // tries. Slots that the board does not have are passed over.
    resume({ filled, wrongTries: tries }) {
      start();
      for (const slot of filled) {
        const word = board.words.findIndex((row) => row.key === slot);
        const explanation = board.explanations.findIndex((row) => row.key === slot);
        if (word >= 0 && explanation >= 0) {
          board = checkChoice({ ...board, word, explanation }).board;
        }
      }
      wrongTries = tries;
      show();
    },
  };
}

// Plays both games of the exercise, the matching game shown first, and tells the watchers what
// happens. Returns the games, which can resume where a learner left them.
function play(exercise, watchers = []) {
  const tell = (what, ...details) => watchers.forEach((watcher) => watcher[what]?.(...details));
  const games = { matching: playMatching(exercise, tell), crossword: playCrossword(exercise, tell) };
  const show = (shown) => {
    for (const name of Object.keys(games)) {
      document.getElementById(name).hidden = name !== shown;
      document.getElementById(`show-${name}`).setAttribute("aria-pressed", String(name === shown));
    }
    tell("switched", shown);
  };
  for (const name of Object.keys(games)) {
    document.getElementById(`show-${name}`).addEventListener("click", () => show(name));
  }
  const played = {
    // Both boards as a learner left them, each a progress, and the game that was shown.
    resume({ boards, shown }) {
      for (const [name, progress] of Object.entries(boards)) {
        games[name].resume(progress);
      }
      show(shown);
    },
  };
  tell("started", played);
  return played;
}

const crcTable = Array.from({ length: 256 }, (_, byte) => {
  let crc = byte;
  for (let bit = 0; bit < 8; ++bit) {
    crc = crc & 1 ? 0xedb88320 ^ (crc >>> 1) : crc >>> 1;
  }
  return crc >>> 0;
});

function crc32(bytes) {
  let crc = 0xffffffff;
  for (const byte of bytes) {
    crc = crcTable[(crc ^ byte) & 0xff] ^ (crc >>> 8);
  }
  return (crc ^ 0xffffffff) >>> 0;
}

// The identifier of the SCORM package of the puzzle that `data` carries, as the page carries it:
// the same puzzle, the same name. A result line names its puzzle by it too.
function packageIdentifier(data) {
  return `acronym-${crc32(new TextEncoder().encode(data)).toString(16).padStart(8, "0")}`;
}

// A page that the program writes carries its exercise, and plays it once the whole script has
// run; the editor's page plays its own.
document.addEventListener("DOMContentLoaded", () => {
  const carried = document.getElementById("exercise");
  if (carried) {
    play(JSON.parse(carried.textContent), gameWatchers);
  }
});
