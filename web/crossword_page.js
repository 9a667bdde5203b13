// SPDX-FileCopyrightText: 2026 The acronym authors
// SPDX-License-Identifier: MIT
//
// The crossword on the page: a row for each letter of the answer, each with a text field that
// takes the word and draws it in boxes, the key column shaded.
"use strict";

// Plays the exercise's crossword in the page's crossword section; `tell` passes what happens to
// the game's watchers, as the matching game does. Returns the game, which can resume.
function playCrossword(exercise, tell) {
  const byId = (id) => document.getElementById(id);
  const list = byId("cw-rows");
  const said = byId("cw-said");
  const rows = crosswordRows(exercise);
  const { lead, count } = crosswordColumns(rows);
  list.style.setProperty("--columns", count);
  let game;
  let focused = 0;
  const fields = [];
  const boxes = [];
  const progress = () => ({
    game: "crossword",
    filled: game.solvedNumbers().map((number) => number - 1),
    wrongTries: game.wrongTries,
    slots: rows.length,
  });

  // A row's boxes as the game has them, with the box where the next letter goes marked while the
  // row has the focus.
  const draw = (at) => {
    const field = fields[at];
    const current = document.activeElement === field && !game.solved[at] ? Math.min(field.selectionStart ?? 0, boxes[at].length - 1) : -1;
    boxes[at].forEach((box, index) => {
      box.textContent = game.entered[at][index];
      box.classList.toggle("current", index === current);
    });
    const row = field.closest("li");
    row.classList.toggle("solved", game.solved[at]);
    field.readOnly = game.solved[at];
  };
  const showKey = () => {
    const keys = game.keyColumn();
    byId("cw-key").textContent = `Отговорът: ${keys.map((letter) => letter || "·").join(" ")}`;
    const missing = keys.filter((letter) => !letter).length;
    byId("cw-answer").textContent = `Отговорът досега: ${keys.filter(Boolean).join(" ")}${missing ? `, още ${missing} ${missing === 1 ? "буква" : "букви"}` : ""}.`;
  };
  const say = (text) => said.replaceChildren(document.createTextNode(text));

  const judge = (at, outcome) => {
    const field = fields[at];
    if (outcome.verdict === "none") {
      if (outcome.said) {
        say(outcome.said);
      }
      return;
    }
    say(outcome.said);
    const right = outcome.verdict === "right";
    field.toggleAttribute("aria-invalid", !right);
    field.closest("li").classList.toggle("wrong", !right);
    if (right) {
      field.value = rows[at].word.trim();
    }
    const { letters, number } = rows[at];
    tell("judged", { outcome: outcome.verdict, wordKey: number - 1, typed: game.entered[at].join(""), word: letters.join("") }, progress());
    showKey();
    if (game.finished()) {
      tell("finished", progress());
      byId("done-text").textContent = `Браво! Акронимът е готов: «${exercise.answer}».\nГрешни опити: ${game.wrongTries}.`;
      byId("cw-result").hidden = false;
      byId("done").showModal();
    }
  };

  // The field keeps the letters alone, one for each box; a letter typed into a full row takes the
  // place of the one after the cursor.
  const typed = (at) => {
    const field = fields[at];
    const count = boxes[at].length;
    let caret = crosswordLetters(field.value.slice(0, field.selectionStart ?? field.value.length)).length;
    const letters = crosswordLetters(field.value);
    letters.splice(caret, Math.max(0, letters.length - count));
    caret = Math.min(caret, count);
    field.value = letters.slice(0, count).join("");
    field.setSelectionRange(caret, caret);
    field.removeAttribute("aria-invalid");
    field.closest("li").classList.remove("wrong");
    const outcome = game.type(at, field.value);
    draw(at);
    judge(at, outcome);
  };

  const show = () => {
    const pictured = rows.some((row) => row.picture);
    list.replaceChildren(
      ...rows.map((row, at) => {
        const item = document.createElement("li");
        const clue = document.createElement("p");
        clue.className = "cw-clue";
        clue.append(Object.assign(document.createElement("span"), { className: "cw-number", textContent: `${row.number}.` }));
        if (row.picture) {
          clue.append(Object.assign(document.createElement("img"), { src: row.picture, alt: "", className: "thumb" }));
        } else if (pictured) {
          clue.append(Object.assign(document.createElement("span"), { className: "thumb" }));
        }
        clue.append(row.explanation);
        const word = document.createElement("div");
        word.className = "cw-word";
        const field = Object.assign(document.createElement("input"), {
          type: "text",
          className: "cw-field",
          id: `cw-field-${row.number}`,
          autocomplete: "off",
          spellcheck: false,
        });
        field.setAttribute("autocapitalize", "off");
        field.setAttribute("autocorrect", "off");
        field.setAttribute("aria-label", `Дума ${row.number}: ${row.explanation}, ${row.letters.length} ${row.letters.length === 1 ? "буква" : "букви"}`);
        fields[at] = field;
        boxes[at] = [];
        const cells = row.cells.map((cell, index) => {
          const shown = document.createElement("span");
          shown.className = cell.box ? "cw-box" : "cw-cell";
          if (cell.box) {
            boxes[at].push(shown);
          } else {
            shown.textContent = cell.text;
          }
          if (index === row.lead) {
            shown.classList.add("cw-key");
          }
          return shown;
        });
        cells[0]?.style.setProperty("grid-column-start", String(lead - row.lead + 1));
        word.append(field, ...cells);
        field.addEventListener("input", (event) => event.isComposing || typed(at));
        field.addEventListener("compositionend", () => typed(at));
        field.addEventListener("focus", () => {
          focused = at;
          draw(at);
        });
        field.addEventListener("blur", () => draw(at));
        field.addEventListener("keyup", () => draw(at));
        field.addEventListener("click", (event) => {
          // A box pressed puts the cursor there, as far as the letters go.
          const box = boxes[at].findIndex((shown) => event.clientX < shown.getBoundingClientRect().right);
          const place = Math.min(box < 0 ? boxes[at].length : box, field.value.length);
          if (!game.solved[at]) {
            field.setSelectionRange(place, place);
          }
          draw(at);
        });
        field.addEventListener("keydown", (event) => {
          const to = { ArrowUp: at - 1, ArrowDown: at + 1, Enter: at + 1 }[event.key];
          if (to !== undefined && fields[to]) {
            event.preventDefault();
            const place = Math.min(field.selectionStart ?? 0, fields[to].value.length);
            fields[to].focus();
            fields[to].setSelectionRange(place, place);
            draw(to);
          }
        });
        item.append(clue, word);
        return item;
      }),
    );
    rows.forEach((_, at) => {
      fields[at].value = game.solved[at] ? rows[at].word.trim() : game.entered[at].join("");
      draw(at);
    });
    showKey();
  };

  const start = () => {
    game = new CrosswordGame(rows);
    say("");
    byId("cw-result").hidden = true;
    show();
  };

  byId("cw-hint").addEventListener("click", () => {
    const at = game.solved[focused] ? game.solved.indexOf(false) : focused;
    if (at < 0) {
      return;
    }
    const outcome = game.hint(at);
    const field = fields[at];
    field.value = game.entered[at].join("");
    field.focus();
    const empty = game.entered[at].indexOf("");
    const place = empty < 0 ? field.value.length : empty;
    field.setSelectionRange(place, place);
    draw(at);
    judge(at, outcome);
  });
  byId("cw-result").addEventListener("click", () => byId("done").showModal());
  byId("cw-reset").addEventListener("click", () => {
    start();
    tell("reset", "crossword");
  });
  start();

  return {
    resume({ filled, wrongTries }) {
      game.resume(
        filled.map((slot) => slot + 1),
        wrongTries,
      );
      show();
    },
  };
}
