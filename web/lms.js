// SPDX-FileCopyrightText: 2026 The acronym authors
// SPDX-License-Identifier: MIT
//
// The page's report to a learning platform (an LMS such as Moodle) that plays it as a SCORM 1.2
// SCO: each judged pair, the board to come back to, and the score at the end. What the LMS
// refuses is let go: the learner plays on. Without an LMS, the end of a game offers the learner a
// result line to send the teacher.
"use strict";

// The LMS's API object, looked for as a SCORM 1.2 SCO looks for it: up through the parent frames,
// then through the opener's, a bounded number of steps. A frame of another site has none for us.
function findLmsApi(start) {
  const inFrames = (from) => {
    let frame = from;
    for (let steps = 0; frame && steps < 8; ++steps) {
      try {
        if (frame.API) {
          return frame.API;
        }
      } catch {
        return null;
      }
      if (frame.parent === frame) {
        return null;
      }
      frame = frame.parent;
    }
    return null;
  };
  let api = inFrames(start);
  try {
    api = api ?? (start.opener ? inFrames(start.opener) : null);
  } catch {
    api = null;
  }
  return api;
}

const twoDigits = (number) => String(number).padStart(2, "0");

// The boards to come back to, as cmi.suspend_data keeps them: each game's filled slots and wrong
// tries, then the game shown: "0,3,8;1|2;0|c" (c for the crossword, m for the matching game). A
// board not begun is empty. Data kept before the crossword, "0,3,8;1", is the matching game's.
function suspendData({ boards, shown }) {
  const board = (progress) => (progress ? `${progress.filled.join(",")};${progress.wrongTries}` : "");
  return `${board(boards.matching)}|${board(boards.crossword)}|${shown === "crossword" ? "c" : "m"}`;
}

function progressFrom(data) {
  const board = (text) => {
    const [, filled, tries] = /^((?:\d{1,2}(?:,\d{1,2})*)?);(\d{1,4})$/.exec(text) ?? [];
    return tries === undefined ? null : { filled: filled === "" ? [] : filled.split(",").map(Number), wrongTries: Number(tries) };
  };
  const [matching, crossword, shown, ...more] = (data ?? "").split("|");
  if (shown === undefined) {
    const old = board(matching);
    return old && { boards: { matching: old }, shown: "matching" };
  }
  const boards = {};
  for (const [name, text] of [["matching", matching], ["crossword", crossword]]) {
    if (text !== "") {
      boards[name] = board(text);
    }
  }
  return more.length > 0 || !/^[cm]$/.test(shown) || Object.values(boards).includes(null) ? null : { boards, shown: shown === "c" ? "crossword" : "matching" };
}

// Speaks SCORM 1.2's data model for a game, as its watcher.
class LmsReport {
  constructor(api) {
    this.api = api;
    this.began = Date.now();
    this.open = false;
    this.kept = { boards: {}, shown: "matching" };
  }

  call(name, ...values) {
    try {
      return String(this.api[name](...values));
    } catch {
      return "";
    }
  }

  set(element, value) {
    this.call("LMSSetValue", element, String(value));
  }

  // CMITimespan: hours, minutes and seconds since the page was opened.
  sessionTime() {
    const seconds = Math.min(Math.floor((Date.now() - this.began) / 1000), 9999 * 3600 + 3599);
    return `${twoDigits(Math.floor(seconds / 3600))}:${twoDigits(Math.floor(seconds / 60) % 60)}:${twoDigits(seconds % 60)}`;
  }

  started(game) {
    this.open = this.call("LMSInitialize", "") === "true";
    if (!this.open) {
      return;
    }
    addEventListener("pagehide", () => this.leave());
    if (this.call("LMSGetValue", "cmi.core.lesson_status") !== "passed") {
      this.set("cmi.core.lesson_status", "incomplete");
    }
    this.interactions = Number.parseInt(this.call("LMSGetValue", "cmi.interactions._count"), 10) || 0;
    const progress = this.call("LMSGetValue", "cmi.core.entry") === "resume" ? progressFrom(this.call("LMSGetValue", "cmi.suspend_data")) : null;
    if (progress) {
      this.kept = progress;
      game.resume(progress);
    }
    this.call("LMSCommit", "");
  }

  keep() {
    this.set("cmi.suspend_data", suspendData(this.kept));
    this.set("cmi.core.exit", "suspend");
    this.call("LMSCommit", "");
  }

  switched(shown) {
    if (this.open && this.kept.shown !== shown) {
      this.kept.shown = shown;
      this.keep();
    }
  }

  // Each pair is a matching interaction: the word's slot matched with the explanation's, each
  // named by one character as SCORM 1.2 names them (0-9, then a-z, so 36 slots at most). Each
  // checked word of the crossword is a fill-in interaction: the word written, against the right one.
  judged({ outcome, wordKey, explanationKey, typed, word }, progress) {
    if (!this.open) {
      return;
    }
    const interaction = `cmi.interactions.${this.interactions++}`;
    const now = new Date();
    const crossword = progress.game === "crossword";
    this.set(`${interaction}.id`, `${crossword ? "crossword" : "word"}${wordKey + 1}`);
    this.set(`${interaction}.type`, crossword ? "fill-in" : "matching");
    this.set(`${interaction}.time`, `${twoDigits(now.getHours())}:${twoDigits(now.getMinutes())}:${twoDigits(now.getSeconds())}`);
    if (crossword) {
      this.set(`${interaction}.student_response`, typed.slice(0, 255));
      this.set(`${interaction}.correct_responses.0.pattern`, word.slice(0, 255));
    } else if (wordKey < 36 && explanationKey < 36) {
      this.set(`${interaction}.student_response`, `${wordKey.toString(36)}.${explanationKey.toString(36)}`);
      this.set(`${interaction}.correct_responses.0.pattern`, `${wordKey.toString(36)}.${wordKey.toString(36)}`);
    }
    this.set(`${interaction}.result`, outcome === "right" ? "correct" : "wrong");
    this.kept.boards[progress.game] = progress;
    this.keep();
  }

  reset(game) {
    if (this.open) {
      delete this.kept.boards[game];
      this.keep();
    }
  }

  finished({ slots, wrongTries }) {
    if (!this.open) {
      return;
    }
    this.set("cmi.core.score.raw", resultScore(slots, wrongTries));
    this.set("cmi.core.score.min", 0);
    this.set("cmi.core.score.max", 100);
    this.set("cmi.core.lesson_status", "passed");
    this.set("cmi.core.exit", "");
    this.set("cmi.core.session_time", this.sessionTime());
    this.call("LMSCommit", "");
  }

  leave() {
    if (this.open) {
      this.open = false;
      this.set("cmi.core.session_time", this.sessionTime());
      this.call("LMSFinish", "");
    }
  }
}

// A finished game as a line of text that the learner sends the teacher, for a page that no LMS
// plays: the learner's name is kept in this browser's storage for next time, and sent nowhere.
class ResultSender {
  constructor(exercise, identifier) {
    this.exercise = exercise;
    this.identifier = identifier;
    this.since = { matching: Date.now(), crossword: Date.now() };
    const byId = (id) => document.getElementById(id);
    this.name = byId("send-name");
    this.line = byId("send-line");
    this.said = byId("send-said");
    try {
      this.name.value = localStorage.getItem(nameKey) ?? "";
    } catch {
      // A browser that keeps nothing asks for the name each time.
    }
    this.hint = byId("send-hint");
    this.hinted = this.hint.textContent;
    this.name.addEventListener("input", () => {
      this.name.removeAttribute("aria-invalid");
      this.hint.textContent = this.hinted;
      try {
        localStorage.setItem(nameKey, this.name.value);
      } catch {
        // As above.
      }
      this.show();
    });
    byId("send-result").addEventListener("click", () => this.send());
  }

  started() {
    this.since = { matching: Date.now(), crossword: Date.now() };
  }

  reset(game) {
    this.since[game] = Date.now();
    document.getElementById("send").hidden = true;
  }

  finished({ game, slots, wrongTries }) {
    const now = new Date();
    const two = (number) => String(number).padStart(2, "0");
    this.game = {
      game,
      puzzle: this.exercise.title,
      pairs: slots,
      total: slots,
      wrongTries,
      seconds: Math.round((Date.now() - this.since[game]) / 1000),
      when: `${two(now.getDate())}.${two(now.getMonth() + 1)}.${now.getFullYear()} ${two(now.getHours())}:${two(now.getMinutes())}`,
      id: this.identifier,
    };
    this.said.textContent = "";
    this.show();
    document.getElementById("send").hidden = false;
  }

  show() {
    this.line.textContent = resultLine({ ...this.game, name: this.name.value });
  }

  // Shares the line where the device shares text, as phones do; otherwise copies it. The line
  // stays on the screen for a device that can do neither. Without a name, nothing is sent: the
  // field says that it needs one, and takes the focus.
  async send() {
    if (this.name.value.trim() === "") {
      this.name.setAttribute("aria-invalid", "true");
      this.hint.textContent = "Напиши името и класа си, за да знае учителят чий е резултатът.";
      this.name.focus();
      return;
    }
    const text = this.line.textContent;
    try {
      if (navigator.canShare?.({ text })) {
        await navigator.share({ text });
        return;
      }
      await navigator.clipboard.writeText(text);
      this.said.textContent = "Копирано";
    } catch (error) {
      if (error?.name !== "AbortError") {
        window.getSelection().selectAllChildren(this.line);
        this.said.textContent = "Не стана. Редът е избран: копирай го.";
      }
    }
  }
}

// Where the learner's name is kept.
const nameKey = "acronym.name.1";

{
  const api = findLmsApi(window);
  const carried = document.getElementById("exercise");
  if (api) {
    gameWatchers.push(new LmsReport(api));
  } else if (carried) {
    gameWatchers.push(new ResultSender(JSON.parse(carried.textContent), packageIdentifier(carried.textContent)));
  }
}
