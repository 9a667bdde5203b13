// SPDX-FileCopyrightText: 2026 The acronym authors
// SPDX-License-Identifier: MIT
//
// The editor's page: the program's puzzle editor in a browser. The rows follow the answer as it
// is typed, each row shows whether its word starts with its letter, and the problems are listed
// at every keystroke. Ctrl+Z undoes any change, whichever field has the focus. The puzzle being
// made is kept in this browser's storage; files and pages are downloads; nothing is sent.
"use strict";

// One versioned key: what is being made, the file it came from, and the text that the file holds
// as it was last saved. The draft's pictures are kept in IndexedDB, each once, under an id of its
// own that the rows name (`kept`), so that the key stays small and keeping it at every keystroke
// costs nothing. (Before, the key kept the pictures in its rows, or was marked `pictures:
// "indexedDB"` with the whole record kept there under its name; both are still read.)
const storageKey = "acronym.editor.1";
const keptPicture = "picture:"; // before a picture's id, as IndexedDB keeps it

// Where the address of a player that the teacher gave is kept, and whether the worksheet ends in
// the link's QR code.
const playerKey = "acronym.player.1";
const sheetCodeKey = "acronym.sheet-qr.1";

// The QR code (Debian's qrcode-generator) that holds the whole of `text`, at the highest level of
// error correction that lets it fit; none when it is too long for any.
function qrCodeOf(text) {
  for (const level of ["H", "Q", "M", "L"]) {
    try {
      const code = qrcode(0, level);
      code.addData(text, "Byte");
      code.make();
      return code;
    } catch {
      // Too long at this level: a lower one holds more.
    }
  }
  return null;
}

// A phone's photo is a few MiB; what is far larger is no photo that a puzzle needs.
const maxChosenBytes = 64 * 1024 * 1024;

// IndexedDB's one store of what is kept, as a promise: `use` gets the store, and its request's
// result is the promise's.
function inDatabase(mode, use) {
  return new Promise((resolve, reject) => {
    const opening = indexedDB.open("acronym.editor", 1);
    opening.onupgradeneeded = () => opening.result.createObjectStore("kept");
    opening.onerror = () => reject(opening.error);
    opening.onsuccess = () => {
      const transaction = opening.result.transaction("kept", mode);
      const request = use(transaction.objectStore("kept"));
      transaction.oncomplete = () => resolve(request.result);
      transaction.onerror = transaction.onabort = () => reject(transaction.error);
    };
  });
}

// The bytes of files that a teacher gives, each with its name; one too large is refused.
async function bytesOfFiles(files) {
  return Promise.all(
    [...files].map(async (file) => {
      if (formatOf(new Uint8Array(await file.slice(0, 16).arrayBuffer())) === "") {
        return { name: file.name, bytes: await readPuzzleFile(file), picture: false };
      }
      if (file.size > maxChosenBytes) {
        throw new PuzzleError(file.name, 0, "е по-голям от 64 MiB");
      }
      return { name: file.name, bytes: new Uint8Array(await file.arrayBuffer()), picture: true };
    }),
  );
}

// Which field a change was typed into, so that one field's keystrokes undo together; changes of
// the rows' shape are never merged.
const structure = "rows";

// A name that file systems accept: their refused characters become '-'.
function fileNameOf(title, suffix) {
  return `${trimmed(title).replace(/[\\/:*?"<>|\0-\x1f]/g, "-") || "пъзел"}.${suffix}`;
}

function download(name, content, type) {
  const url = URL.createObjectURL(new Blob([content], { type }));
  element("a", undefined, { href: url, download: name }).click();
  setTimeout(() => URL.revokeObjectURL(url), 60_000);
}

// Shows `text` in `node`, touching the page only when it changes: a keystroke then lays out
// again only what it changed.
function showText(node, text) {
  if (node.textContent !== text) {
    node.textContent = text;
  }
}

// The rows as the answer's letters shape them: how many, and which have a letter.
function shapeOf(draft) {
  return draft.rows.map((row) => row.lettered).join();
}

function lengthOf(draft) {
  return [draft.title, draft.instructions.join("\n"), draft.answer, ...draft.rows.flatMap((row) => [row.word, row.explanation])].join("").length;
}

class EditorWindow {
  constructor(pieces, manifestPieces) {
    this.pieces = pieces;
    this.manifestPieces = manifestPieces;
    this.draft = emptyDraft();
    this.done = []; // changes to undo: { before, after, field, run }
    this.undone = [];
    this.lastField = structure;
    this.lastTyping = false;
    this.run = 0;
    this.fileName = "";
    this.savedText = draftText(this.draft);
    this.rows = [];
    this.lastRow = -1; // the row whose field had the focus last
    this.problems = [];
    this.reads = 0; // pictures chosen, each read under a mark of its own
    this.ids = new Map(); // each picture's id, by its data: address
    this.stored = new Set(); // the ids that IndexedDB has
    const byId = (id) => document.getElementById(id);
    this.fields = { title: byId("field-title"), instructions: byId("field-instructions"), answer: byId("field-answer") };
    this.rowList = byId("rows");
    this.message = byId("message");
    this.wire(byId);
    this.restore();
  }

  wire(byId) {
    this.fields.title.addEventListener("input", () => this.change({ ...this.draft, title: this.fields.title.value }, "title"));
    this.fields.instructions.addEventListener("input", () => {
      const text = this.fields.instructions.value;
      this.change({ ...this.draft, instructions: text === "" ? [] : text.split("\n") }, "instructions");
    });
    this.fields.answer.addEventListener("input", () => this.change(withAnswer(this.draft, this.fields.answer.value), "answer"));
    for (const field of Object.values(this.fields)) {
      field.addEventListener("focus", () => (this.lastRow = -1));
    }
    const commands = {
      new: () => this.mayDiscard() && this.start(emptyDraft(), ""),
      open: () => this.mayDiscard() && byId("file").click(),
      save: () => this.save(),
      "save-page": () => this.withPuzzle((exercise) => download(fileNameOf(exercise.title, "html"), webPage(exercise, this.pieces), "text/html")),
      "save-scorm": () => this.withPuzzle((exercise) => download(fileNameOf(exercise.title, "zip"), scormPackage(exercise, this.manifestPieces, this.pieces), "application/zip")),
      play: () => this.withPuzzle((exercise) => this.play(exercise)),
      "print-sheet": () => this.withPuzzle(async (exercise) => this.print(worksheet(exercise, await this.sheetCode(exercise)))),
      "print-answers": () => this.withPuzzle((exercise) => this.print(answerKey(exercise))),
      "print-crossword": () => this.withPuzzle((exercise) => this.print(crosswordSheet(exercise, false))),
      "print-crossword-answers": () => this.withPuzzle((exercise) => this.print(crosswordSheet(exercise, true))),
      "add-row": () => this.addRow(),
      "remove-row": () => this.removeRow(),
      "row-up": () => this.moveRow(-1),
      "row-down": () => this.moveRow(1),
      undo: () => this.step(true),
      redo: () => this.step(false),
      back: () => this.stopPlaying(),
      "share-open": () => this.withPuzzle((exercise) => this.share(exercise)),
      "share-back": () => this.showView("editor", "share-open"),
      "copy-link": () => this.copyLink(),
      "save-qr": () => this.saveCode(),
      "results-open": () => this.showResults(true),
      "results-back": () => this.showResults(false),
      "save-csv": () => download("резултати.csv", resultCsv(resultTable(byId("pasted").value).rows), "text/csv;charset=utf-8"),
    };
    const heading = element("tr");
    heading.append(...resultHeading.map((name) => element("th", name, { scope: "col" })));
    byId("result-table").tHead.replaceChildren(heading);
    byId("pasted").addEventListener("input", () => this.showResultTable());
    byId("player-address").addEventListener("input", () => this.showLink());
    byId("sheet-qr").addEventListener("change", (event) => {
      try {
        localStorage.setItem(sheetCodeKey, String(event.target.checked));
      } catch {
        // A browser that keeps nothing asks again next time.
      }
    });
    for (const [id, command] of Object.entries(commands)) {
      byId(id).addEventListener("click", command);
    }
    byId("file").addEventListener("change", (event) => {
      this.open([...event.target.files]);
      event.target.value = "";
    });
    document.addEventListener("dragover", (event) => event.preventDefault());
    document.addEventListener("drop", (event) => {
      event.preventDefault();
      if (event.dataTransfer.files.length > 0 && byId("playing").hidden) {
        this.open([...event.dataTransfer.files], true);
      }
    });
    document.addEventListener("keydown", (event) => this.press(event), true);
    window.addEventListener("beforeunload", (event) => {
      if (this.unsaved()) {
        event.preventDefault();
        event.returnValue = "";
      }
    });
  }

  // The editor's keys, whichever field has the focus: undo and redo, and the rows' commands.
  press(event) {
    if (document.getElementById("editor").hidden) {
      return;
    }
    const control = event.ctrlKey || event.metaKey;
    // A letter by its name, or by its place on the keyboard where the layout's letters are not Latin.
    const letter = (name) => event.key.toLowerCase() === name || (!/^[a-z]$/i.test(event.key) && event.code === `Key${name.toUpperCase()}`);
    const keys = [
      [control && !event.altKey && letter("z"), () => this.step(!event.shiftKey)],
      [control && !event.altKey && !event.shiftKey && letter("y"), () => this.step(false)],
      [event.altKey && !control && event.key === "Insert", () => this.addRow()],
      [event.altKey && !control && event.key === "Delete", () => this.removeRow()],
      [event.altKey && !control && event.key === "ArrowUp", () => this.moveRow(-1)],
      [event.altKey && !control && event.key === "ArrowDown", () => this.moveRow(1)],
    ];
    const found = keys.find(([matches]) => matches);
    if (found) {
      event.preventDefault();
      found[1]();
    }
  }

  change(after, field) {
    if (sameDraft(after, this.draft)) {
      return;
    }
    if (shapeOf(after) !== shapeOf(this.draft)) {
      field = structure;
    }
    const typing = lengthOf(after) > lengthOf(this.draft);
    if (field === structure || field !== this.lastField || typing !== this.lastTyping) {
      ++this.run;
    }
    this.lastField = field;
    this.lastTyping = typing;
    const last = this.done.at(-1);
    if (last && last.run === this.run) {
      last.after = after;
    } else {
      this.done.push({ before: this.draft, after, run: this.run });
    }
    this.undone = [];
    this.show(after);
  }

  // What is typed after an undo or a redo is a step of its own.
  step(back) {
    this.lastField = structure;
    const [from, to] = back ? [this.done, this.undone] : [this.undone, this.done];
    const taken = from.pop();
    if (taken) {
      to.push(taken);
      this.show(back ? taken.before : taken.after);
    }
  }

  show(draft) {
    this.draft = draft;
    const texts = { title: draft.title, instructions: draft.instructions.join("\n"), answer: draft.answer };
    for (const [name, field] of Object.entries(this.fields)) {
      if (field.value !== texts[name]) {
        field.value = texts[name];
      }
    }
    while (this.rows.length > draft.rows.length) {
      this.rows.pop().item.remove();
    }
    while (this.rows.length < draft.rows.length) {
      this.addRowElements();
    }
    draft.rows.forEach((_, row) => this.showRow(row));
    showText(document.getElementById("spelled"), spelled(draft));
    this.showProblems(problemsOf(draft));
    this.keep();
  }

  showProblems(problems) {
    this.problems = problems;
    if (problems.join("\n") === this.shownProblems) {
      return;
    }
    this.shownProblems = problems.join("\n");
    document.getElementById("problems").replaceChildren(...problems.map((problem) => element("li", problem)));
    // The count is told when it changes, not at every keystroke.
    showText(document.getElementById("problem-count"), problems.length > 0 ? `Проблеми: ${problems.length}` : "Няма проблеми: пъзелът може да се играе.");
    document.getElementById("blocked").hidden = problems.length === 0;
    for (const button of document.querySelectorAll(".needs-puzzle")) {
      button.setAttribute("aria-disabled", String(problems.length > 0));
      if (problems.length > 0) {
        button.setAttribute("aria-describedby", "blocked");
      } else {
        button.removeAttribute("aria-describedby");
      }
    }
  }

  addRowElements() {
    const row = this.rows.length;
    const cells = {
      item: element("li"),
      number: element("span", String(row + 1), { class: "number", "aria-hidden": "true" }),
      letter: element("span", "", { class: "letter", id: `letter-${row}` }),
      word: element("input", undefined, { type: "text", autocomplete: "off", "aria-label": `Дума ${row + 1}`, "aria-describedby": `letter-${row} verdict-${row}` }),
      explanation: element("input", undefined, { type: "text", autocomplete: "off", "aria-label": `Пояснение ${row + 1}` }),
      verdict: element("span", "", { class: "verdict", id: `verdict-${row}` }),
      pictureCell: element("div", undefined, { class: "row-picture" }),
      choose: element("label", "Избери…", { class: "choose" }),
      picture: element("input", undefined, { type: "file", accept: "image/jpeg,image/png,image/webp", "aria-label": `Картина ${row + 1}`, "aria-describedby": `picture-${row}` }),
      thumb: element("img", undefined, { class: "thumb", alt: "", hidden: "" }),
      pictureNote: element("span", "", { class: "picture-note", id: `picture-${row}` }),
      unpicture: element("button", "×", { type: "button", "aria-label": `Махни картина ${row + 1}`, title: `Махни картина ${row + 1}`, hidden: "" }),
    };
    cells.picture.addEventListener("change", () => {
      const [file] = cells.picture.files;
      cells.picture.value = "";
      if (file) this.choosePicture(row, file);
    });
    cells.item.addEventListener("drop", (event) => {
      event.preventDefault();
      event.stopPropagation();
      const [file] = event.dataTransfer.files;
      if (file && document.getElementById("playing").hidden) this.choosePicture(row, file);
    });
    cells.unpicture.addEventListener("click", () => {
      this.setPicture(row, "");
      cells.picture.focus();
    });
    for (const part of ["picture", "unpicture"]) {
      cells[part].addEventListener("focus", () => (this.lastRow = row));
    }
    // The file input itself is hidden behind its label, which looks like the other buttons.
    cells.choose.append(cells.picture);
    cells.pictureCell.append(cells.choose, cells.thumb, cells.pictureNote, cells.unpicture);
    for (const part of ["word", "explanation"]) {
      cells[part].addEventListener("input", () => {
        const after = copyOf(this.draft);
        after.rows[row][part] = cells[part].value;
        this.change(after, `${part} ${row}`);
      });
      cells[part].addEventListener("focus", () => (this.lastRow = row));
    }
    cells.item.append(cells.number, cells.letter, cells.word, cells.explanation, cells.pictureCell, cells.verdict);
    this.rowList.append(cells.item);
    this.rows.push(cells);
  }

  showRow(row) {
    const cells = this.rows[row];
    const text = this.draft.rows[row];
    for (const part of ["word", "explanation"]) {
      if (cells[part].value !== text[part]) {
        cells[part].value = text[part];
      }
    }
    const letter = letterOf(this.draft, row);
    showText(cells.letter, letter === "" ? "—" : letter.toUpperCase());
    // A row without a letter says so; an empty word has nothing to judge yet.
    let verdict = "";
    if (letter === "" && trimmed(this.draft.answer) !== "") {
      verdict = "без буква";
    } else if (trimmed(text.word) !== "") {
      verdict = startsRight(this.draft, row) ? "✓" : `✗ не е «${letter.toUpperCase()}»`;
    }
    showText(cells.verdict, verdict);
    if (cells.shown !== text.picture || cells.reading !== text.reading) {
      // A data: address shows; a file still to be read is named; a picture being read says so.
      cells.shown = text.picture;
      cells.reading = text.reading;
      const name = text.picture === "" ? undefined : readPictureName(text.picture);
      const shows = name?.bytes !== undefined && !text.reading;
      cells.thumb.hidden = !shows;
      if (shows) {
        cells.thumb.src = text.picture;
      } else {
        cells.thumb.removeAttribute("src");
      }
      cells.pictureNote.textContent = text.reading ? "Картината се чете…" : text.picture === "" ? "" : shows ? "има картина" : (name.file ?? "");
      cells.pictureNote.classList.toggle("unseen", shows);
      cells.unpicture.hidden = text.picture === "" || Boolean(text.reading);
    }
  }

  // Every draft that the editor holds: the one shown, and those that undo and redo bring back.
  drafts() {
    return [this.draft, ...[...this.done, ...this.undone].flatMap((step) => [step.before, step.after])];
  }

  // Takes the mark of a picture being read off every row that has it, wherever the row has gone;
  // `read` changes each such row before.
  unmark(mark, read = () => {}) {
    for (const row of this.drafts().flatMap((draft) => draft.rows)) {
      if (row.reading === mark) {
        read(row);
        delete row.reading;
      }
    }
  }

  // Takes a file that the teacher gives a row: as its picture, or refused with the reason. While
  // it is read, the row says so; the picture goes to that row wherever it has moved meanwhile.
  async choosePicture(row, file) {
    const fail = (reason) => (this.message.textContent = `«${file.name}» не може да е картина: ${reason}`);
    if (file.size > maxChosenBytes) {
      fail("файлът е по-голям от 64 MiB");
      return;
    }
    const mark = `read ${++this.reads}`;
    this.draft.rows[row].reading = mark;
    this.showRow(row);
    let picture;
    try {
      picture = await fittedPicture(new Uint8Array(await file.arrayBuffer()));
    } catch (error) {
      picture = error.message;
    }
    const at = this.draft.rows.findIndex((text) => text.reading === mark);
    this.unmark(mark);
    if (at >= 0) {
      this.showRow(at);
    }
    if (typeof picture === "string") {
      fail(picture);
    } else if (at < 0) {
      this.message.textContent = `«${file.name}» няма къде да отиде: редът му вече го няма.`;
    } else {
      this.message.textContent = "";
      this.setPicture(at, dataAddress(picture));
    }
  }

  // A picture chosen for a row: checked when it was fitted; "" takes the row's away.
  setPicture(row, picture) {
    const after = copyOf(this.draft);
    after.rows[row].picture = picture;
    if (picture === "") {
      delete after.rows[row].checked;
    } else {
      after.rows[row].checked = "";
    }
    this.change(after, structure);
  }

  start(draft, fileName) {
    this.done = [];
    this.undone = [];
    this.fileName = fileName;
    draft = withPicturesChecked(draft);
    this.savedText = this.keptText(draft);
    this.message.textContent = "";
    this.show(draft);
    this.fields.title.focus();
  }

  unsaved() {
    return this.keptText(this.draft) !== this.savedText;
  }

  // A picture's id: one for each data: address, as long as the page is open.
  idOf(picture) {
    if (!this.ids.has(picture)) {
      this.ids.set(picture, `${Date.now().toString(36)}-${this.ids.size}`);
    }
    return this.ids.get(picture);
  }

  // The id of the picture that a row keeps: its data: address's, or the one still coming back
  // from IndexedDB; none for others.
  keptId(row) {
    if (/^data:/i.test(row.picture)) {
      return this.idOf(row.picture);
    }
    return row.reading?.startsWith(keptPicture) ? row.reading.slice(keptPicture.length) : undefined;
  }

  // The draft's file with each picture that is kept named by its id: what the saved file held,
  // as small as the text.
  keptText(draft) {
    return draftText({ ...draft, rows: draft.rows.map((row) => ({ ...row, picture: this.keptId(row) === undefined ? row.picture : `${keptPicture}${this.keptId(row)}` })) });
  }

  mayDiscard() {
    return !this.unsaved() || window.confirm("Пъзелът има промени, които не са запазени във файл. Да ги изоставя ли?");
  }

  // The row that a row command acts on: the one whose field has the focus, or had it last.
  currentRow() {
    return this.lastRow < this.draft.rows.length ? this.lastRow : -1;
  }

  focusRow(row, part = "word") {
    this.rows[Math.min(row, this.rows.length - 1)]?.[part].focus();
  }

  addRow() {
    const row = this.currentRow() < 0 ? this.draft.rows.length : this.currentRow() + 1;
    this.change(withRowAdded(this.draft, row), structure);
    this.focusRow(row);
  }

  removeRow() {
    const row = this.currentRow();
    if (row < 0 || (!isEmptyRow(this.draft.rows[row]) && !window.confirm(`Да премахна ли ред ${row + 1} с думата и пояснението му?`))) {
      return;
    }
    this.change(withRowRemoved(this.draft, row), structure);
    this.focusRow(row);
  }

  moveRow(by) {
    const row = this.currentRow();
    if (row < 0 || !this.draft.rows[row + by]) {
      return;
    }
    const part = document.activeElement === this.rows[row].explanation ? "explanation" : "word";
    this.change(withRowMoved(this.draft, row, by), structure);
    this.focusRow(row + by, part);
  }

  // Opens a puzzle file among `files`, its pictures taken from the others. Pictures alone go to
  // the rows of the puzzle being made that name them; `asking` asks before a puzzle is left.
  async open(files, asking = false) {
    try {
      const given = await bytesOfFiles(files);
      const pictures = new Map(given.filter((file) => file.picture).map((file) => [file.name, file.bytes]));
      const puzzle = given.find((file) => !file.picture);
      if (!puzzle) {
        this.change(withPicturesChecked(await withPicturesRead(this.draft, pictures)), structure);
        return;
      }
      if (asking && !this.mayDiscard()) {
        return;
      }
      const { name, bytes } = puzzle;
      const text = decodeText(bytes);
      if (text.badLine > 0) {
        throw new PuzzleError(name, text.badLine, text.problem);
      }
      this.start(await withPicturesRead(readDraft(text.lines), pictures), name);
      const notes = [];
      if (text.encoding !== "UTF-8") {
        notes.push(`Файлът е в ${text.encoding}; ще бъде запазен в UTF-8.`);
      }
      try {
        parsePuzzle(bytes, name, pictures);
      } catch (error) {
        notes.push(`Играта още не приема файла: ${error.message}`);
      }
      this.message.textContent = notes.join("\n");
    } catch (error) {
      this.message.textContent = `Файлът не може да се отвори: ${error.message}`;
    }
  }

  save() {
    const text = draftText(this.draft);
    const name = this.fileName || fileNameOf(this.draft.title, "acronym");
    download(name, text, "text/plain;charset=utf-8");
    this.fileName = name;
    this.savedText = this.keptText(this.draft);
    this.keep();
    this.message.textContent =
      this.problems.length > 0 ? `Запазено като чернова в «${name}»: още не може да се играе. ${this.problems[0]}` : `Запазено в «${name}».`;
  }

  // Runs `use` with the puzzle as the game plays it, or says why there is none yet.
  withPuzzle(use) {
    if (this.problems.length > 0) {
      this.message.textContent = `Първо оправи проблемите на пъзела. ${this.problems[0]}`;
      return;
    }
    use(parsePuzzle(new TextEncoder().encode(draftText(this.draft)), this.fileName).exercise);
  }

  // Shows one of the page's views, and gives the focus to `focused` in it.
  showView(shown, focused) {
    for (const view of ["editor", "share", "results"]) {
      document.getElementById(view).hidden = view !== shown;
    }
    document.getElementById(focused).focus();
  }

  // «Връзка и QR код»: the link to the player's page that carries the puzzle as it stands, and
  // its QR code; a teacher's address for the player is kept in this browser.
  share(exercise) {
    this.linked = linkText(exercise);
    document.getElementById("player-address").value = this.player();
    document.getElementById("share-pictures").hidden = !hasPictures(exercise);
    document.getElementById("sheet-qr").checked = this.kept(sheetCodeKey) === "true";
    this.showView("share", "copy-link");
    this.showLink();
  }

  async showLink() {
    const player = trimmed(document.getElementById("player-address").value);
    try {
      localStorage.setItem(playerKey, player);
    } catch {
      // A browser that keeps nothing asks again next time.
    }
    const link = await puzzleLink(player, this.linked);
    document.getElementById("share-link").value = link;
    document.getElementById("link-said").textContent = "";
    this.code = qrCodeOf(link);
    const shown = document.getElementById("qr");
    if (this.code) {
      shown.replaceChildren(element("img", undefined, { src: this.code.createDataURL(8, 32), alt: "QR код на връзката" }));
    } else {
      shown.replaceChildren(element("p", `Няма QR код: връзката е дълга ${new TextEncoder().encode(link).length} знака, а QR кодът побира най-много 2953. По-кратки указания и пояснения я скъсяват.`));
    }
    document.getElementById("save-qr").hidden = !this.code;
  }

  // The player's address: the teacher's, or the page's own player when it is served over HTTP,
  // or the program's.
  player() {
    const beside = /^https?:$/.test(location.protocol) ? new URL("player.html", location.href).href : JSON.parse(document.getElementById("page-pieces").textContent).player;
    return this.kept(playerKey) ?? beside;
  }

  // What this browser keeps under `key`, or null.
  kept(key) {
    try {
      return localStorage.getItem(key);
    } catch {
      return null;
    }
  }

  // The QR code of the puzzle's link for the worksheet to end in, when the teacher asked for it.
  async sheetCode(exercise) {
    if (this.kept(sheetCodeKey) !== "true") {
      return undefined;
    }
    const code = qrCodeOf(await puzzleLink(this.player(), linkText(exercise)));
    return code ? { url: code.createDataURL(4, 16), modules: code.getModuleCount() + 8 } : undefined;
  }

  async copyLink() {
    const link = document.getElementById("share-link");
    try {
      await navigator.clipboard.writeText(link.value);
      document.getElementById("link-said").textContent = "Копирано";
    } catch {
      link.select();
      document.getElementById("link-said").textContent = "Не стана. Връзката е избрана: копирай я.";
    }
  }

  // The QR code as a PNG picture, with the quiet zone of four modules that a reader needs.
  saveCode() {
    const modules = this.code.getModuleCount();
    const canvas = Object.assign(document.createElement("canvas"), { width: (modules + 8) * 10, height: (modules + 8) * 10 });
    const context = canvas.getContext("2d");
    context.fillStyle = "#fff";
    context.fillRect(0, 0, canvas.width, canvas.height);
    context.fillStyle = "#000";
    for (let row = 0; row < modules; ++row) {
      for (let column = 0; column < modules; ++column) {
        if (this.code.isDark(row, column)) context.fillRect((column + 4) * 10, (row + 4) * 10, 10, 10);
      }
    }
    canvas.toBlob((png) => download("връзка.png", png, "image/png"));
  }

  play(exercise) {
    document.getElementById("editor").hidden = true;
    const playing = document.getElementById("playing");
    playing.hidden = false;
    document.getElementById("board-place").replaceChildren(document.getElementById("game").content.cloneNode(true));
    // The very data that the learner's page carries.
    play(JSON.parse(exerciseData(exercise)));
    document.getElementById("words").focus();
  }

  stopPlaying() {
    document.documentElement.classList.remove("pictured-page");
    document.getElementById("playing").hidden = true;
    document.getElementById("board-place").replaceChildren();
    document.getElementById("editor").hidden = false;
    document.getElementById("play").focus();
  }

  // The results view: the table of the result lines pasted into it, which never leave the page.
  showResults(shown) {
    this.showView(shown ? "results" : "editor", shown ? "pasted" : "results-open");
  }

  showResultTable() {
    const { rows, unreadable } = resultTable(document.getElementById("pasted").value);
    const lines = rows.map((row) => {
      const line = element("tr");
      line.append(...resultCells(row).map((cell) => element("td", cell)));
      return line;
    });
    document.getElementById("result-table").tBodies[0].replaceChildren(...lines);
    const count = rows.length > 0 ? `Редове в таблицата: ${rows.length}.` : unreadable > 0 ? "Таблицата е празна." : "Няма редове «Резултат:».";
    document.getElementById("result-count").textContent = unreadable > 0 ? `${count} ${unreadableNote(unreadable)}.` : count;
  }

  print(sheet) {
    document.getElementById("sheet").replaceChildren(...sheet);
    window.print();
  }

  // Keeps the draft in this browser: its text in localStorage at every change, each picture in
  // IndexedDB once, when it first comes; pictures that no row has any more are let go.
  keep() {
    if (this.migrating) {
      // A record kept as it was before stays until its pictures have come.
      return;
    }
    const rows = this.draft.rows.map((row) => {
      const { word, explanation, lettered, notes, picture } = row;
      const id = this.keptId(row);
      return id === undefined ? { word, explanation, lettered, notes, picture } : { word, explanation, lettered, notes, picture: "", kept: id };
    });
    const record = { draft: { ...this.draft, rows }, fileName: this.fileName, savedText: this.savedText, pictures: "kept" };
    try {
      localStorage.setItem(storageKey, JSON.stringify(record));
    } catch {
      // A browser that keeps nothing: the line on the page says so.
      this.refused = true;
      this.showKept();
      return;
    }
    const wanted = new Set(rows.flatMap((row) => (row.kept ? [row.kept] : [])));
    const coming = this.draft.rows.filter((row) => /^data:/i.test(row.picture) && !this.stored.has(this.idOf(row.picture)));
    for (const row of coming) {
      const id = this.idOf(row.picture);
      this.stored.add(id);
      inDatabase("readwrite", (store) => store.put(row.picture, `${keptPicture}${id}`)).then(
        () => {
          this.refused = false;
          this.showKept();
        },
        () => {
          this.stored.delete(id);
          this.refused = true;
          this.showKept();
        },
      );
    }
    if ([...this.stored].some((id) => !wanted.has(id))) {
      clearTimeout(this.tidying);
      this.tidying = setTimeout(() => this.tidy(), 1000);
    }
    this.showKept();
  }

  // Lets go of the pictures that no row keeps, and of a whole record kept as it was before.
  tidy() {
    const wanted = new Set(this.draft.rows.flatMap((row) => this.keptId(row) ?? []));
    inDatabase("readwrite", (store) => {
      const keys = store.getAllKeys();
      keys.onsuccess = () => {
        for (const key of keys.result.filter((key) => key === storageKey || (key.startsWith(keptPicture) && !wanted.has(key.slice(keptPicture.length))))) {
          store.delete(key);
          this.stored.delete(key.slice(keptPicture.length));
        }
      };
      return keys;
    }).catch(() => {});
  }

  // The line that says where the puzzle is kept, and whether the browser refused its pictures.
  showKept() {
    const whole = !this.refused;
    const line = document.getElementById("kept");
    showText(line, whole ? "Пъзелът се пази в този браузър, на този компютър, и не се изпраща никъде." : "Браузърът отказа да пази картините на пъзела. Текстът му се пази в този браузър.");
    line.classList.toggle("refused", !whole);
  }

  // What this browser kept, when it is what this page keeps; otherwise an empty puzzle. The
  // pictures come after the text, each to its row, wherever the teacher has moved it meanwhile.
  restore() {
    let kept = null;
    try {
      kept = JSON.parse(localStorage.getItem(storageKey));
    } catch {
      kept = null;
    }
    if (kept?.pictures === "indexedDB") {
      this.restoreWhole(kept);
    } else if (!this.restoreFrom(kept)) {
      this.start(emptyDraft(), "");
    }
  }

  // A record kept as it was before: its text here, the whole in IndexedDB under its name.
  restoreWhole(text) {
    this.migrating = true;
    if (!this.restoreFrom(text)) {
      this.migrating = false;
      this.start(emptyDraft(), "");
      return;
    }
    const whole = (record) => {
      this.migrating = false;
      if (this.done.length > 0 || !this.restoreFrom(record)) {
        this.refused = record === undefined;
        this.keep();
      }
    };
    inDatabase("readonly", (store) => store.get(storageKey)).then(whole, () => whole(undefined));
  }

  // Starts from a record that this page kept; false when it is not one. A row kept before rows
  // had pictures has none; a row whose picture is kept apart gets it from IndexedDB.
  restoreFrom(record) {
    const texts = (value) => Array.isArray(value) && value.every((text) => typeof text === "string");
    const row = (value) => typeof value?.word === "string" && typeof value.explanation === "string" && typeof value.lettered === "boolean" && texts(value.notes) && ["string", "undefined"].includes(typeof value.picture) && ["string", "undefined"].includes(typeof value.kept);
    const draft = record?.draft;
    if (typeof draft?.title !== "string" || typeof draft.answer !== "string" || !texts(draft.instructions) || !texts(draft.comments) || !Array.isArray(draft.rows) || !draft.rows.every(row) || typeof record.savedText !== "string") {
      return false;
    }
    const kept = new Set();
    for (const value of draft.rows) {
      value.picture ??= "";
      if (value.kept) {
        value.reading = `${keptPicture}${value.kept}`;
        kept.add(value.kept);
      }
      delete value.kept;
    }
    this.start(draft, String(record.fileName ?? ""));
    this.savedText = record.savedText;
    for (const id of kept) {
      inDatabase("readonly", (store) => store.get(`${keptPicture}${id}`)).then(
        (picture) => this.restorePicture(id, picture),
        () => this.restorePicture(id, undefined),
      );
    }
    this.keep();
    return true;
  }

  // A kept picture back from IndexedDB, into the rows that have it, in every draft; not a change
  // to undo. Without it, the rows lose it and the page says that the browser refused.
  restorePicture(id, picture) {
    const found = typeof picture === "string" && /^data:/i.test(picture);
    if (found) {
      this.ids.set(picture, id);
      this.stored.add(id);
    }
    const checked = found ? checkedPicture(picture) : undefined;
    this.unmark(`${keptPicture}${id}`, (row) => {
      if (found) {
        Object.assign(row, { picture, checked });
      }
    });
    this.refused ||= !found;
    this.show(this.draft);
  }
}

// The editor on the page; its tests read its draft.
const editorWindow = new EditorWindow(gamePieces(), JSON.parse(document.getElementById("manifest-pieces").textContent));
