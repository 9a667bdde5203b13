// SPDX-FileCopyrightText: 2026 The acronym authors
// SPDX-License-Identifier: MIT
//
// The program's puzzle editor without its window, for the editor's page: a draft is what a
// puzzle file says, whether or not the reader accepts it yet. Every operation returns a new
// draft. A draft is { title, instructions: [paragraph], answer, rows: [row], comments: [line] };
// a row is { word, explanation, lettered, notes: [its file's comment lines before it], picture:
// its explanation's, a data: address or a file still to be read, or "", and checked: what the
// reader found of a data: picture when it came, "" when it takes it }. While the answer has
// letters, its lettered rows stand for them in order.
"use strict";

// A row without a letter carries this comment line before it in its file.
const noLetter = "#~ без буква";

function emptyDraft() {
  return { title: "", instructions: [], answer: "", rows: [], comments: [] };
}

function emptyRow(lettered = true) {
  return { word: "", explanation: "", lettered, notes: [], picture: "" };
}

// A copy to change: its own lists and rows, the texts shared, which no one changes in place.
function copyOf(draft) {
  return { ...draft, instructions: [...draft.instructions], comments: [...draft.comments], rows: draft.rows.map((row) => ({ ...row, notes: [...row.notes] })) };
}

// Drafts are the same when their texts are: what was found of a picture aside.
function sameDraft(one, other) {
  const sameList = (first, second) => first.length === second.length && first.every((text, at) => text === second[at]);
  const sameRow = (row, at) => {
    const another = other.rows[at];
    return row.word === another.word && row.explanation === another.explanation && row.lettered === another.lettered && sameList(row.notes, another.notes) && row.picture === another.picture;
  };
  return one.title === other.title && one.answer === other.answer && sameList(one.instructions, other.instructions) && sameList(one.comments, other.comments) && one.rows.length === other.rows.length && one.rows.every(sameRow);
}

function isEmptyRow(row) {
  return trimmed(row.word) === "" && trimmed(row.explanation) === "" && row.notes.length === 0 && row.picture === "";
}

// The answer's letters, blanks aside.
function lettersOf(answer) {
  return [...answer].filter((character) => trimmed(character) !== "");
}

function letteredRows(draft) {
  return draft.rows.flatMap((row, index) => (row.lettered ? [index] : []));
}

function firstLetter(word) {
  return firstCharacter(trimmed(word));
}

// Where each line of draftText comes from: a row's index, or one of these.
// A picture line's key is `picture`; the line's place is its row's.
const place = { elsewhere: -1, title: -2, answer: -3, instructions: -4, picture: -5 };

// The draft's file. With `checked`, a data: picture that was checked is written short, and what
// was found of it is given by the picture line's number.
function written(draft, checked) {
  const file = { lines: [], places: [] };
  const add = (line, where) => {
    file.lines.push(line);
    file.places.push(where);
  };
  draft.comments.forEach((comment) => add(comment, place.elsewhere));
  if (trimmed(draft.title) !== "") {
    add(`заглавие: ${trimmed(draft.title)}`, place.title);
  }
  if (trimmed(draft.answer) !== "") {
    add(`отговор: ${trimmed(draft.answer)}`, place.answer);
  }
  for (const paragraph of draft.instructions) {
    if (trimmed(paragraph) !== "") {
      add(`указания: ${trimmed(paragraph)}`, place.instructions);
    }
  }
  add("", place.elsewhere);
  const lettersCount = lettersOf(draft.answer).length > 0;
  draft.rows.forEach((row, index) => {
    row.notes.forEach((note) => add(note, index));
    if (lettersCount && !row.lettered) {
      add(noLetter, index);
    }
    add(`${trimmed(row.word)} = ${trimmed(row.explanation)}`, index);
    if (checked && row.checked !== undefined) {
      add("картина: data:", index);
      checked.set(file.lines.length, row.checked);
    } else if (row.picture !== "") {
      add(`картина: ${row.picture}`, index);
    }
  });
  return file;
}

// The key that starts a line, as the puzzle reader knows them, or none; and the key's value.
function keyOf(line) {
  const colon = line.indexOf(":");
  const key = caseFolded(trimmed(line.slice(0, Math.max(colon, 0))));
  const named = [
    [["title", "заглавие"], place.title],
    [["answer", "отговор"], place.answer],
    [["instructions", "указания"], place.instructions],
    [["picture", "картина"], place.picture],
  ].find(([names]) => colon > 0 && names.includes(key));
  return named ? { key: named[1], value: trimmed(line.slice(colon + 1)) } : { key: place.elsewhere, value: "" };
}

// The draft with as many lettered rows as the answer has letters: the last ones lose their
// letters, or empty rows come at the end.
function balanced(draft) {
  const letters = lettersOf(draft.answer).length;
  const lettered = letteredRows(draft);
  while (letters > 0 && lettered.length > letters) {
    draft.rows[lettered.pop()].lettered = false;
  }
  for (let missing = lettered.length; missing < letters; ++missing) {
    draft.rows.push(emptyRow());
  }
  return draft;
}

// The draft with another answer. A letter typed in brings an empty row at its place; a letter
// taken out takes its row along when the row is empty, and leaves it without a letter otherwise.
function withAnswer(draft, answer) {
  draft = copyOf(draft);
  const before = lettersOf(draft.answer);
  const after = lettersOf(answer);
  draft.answer = answer;
  const shorter = Math.min(before.length, after.length);
  let same = 0; // letters alike at the start
  while (same < shorter && before[same] === after[same]) {
    ++same;
  }
  let sameEnd = 0; // and at the end, after those
  while (sameEnd < shorter - same && before[before.length - 1 - sameEnd] === after[after.length - 1 - sameEnd]) {
    ++sameEnd;
  }
  const lettered = letteredRows(draft);
  for (let gone = before.length - sameEnd - 1; gone >= same; --gone) {
    const row = draft.rows[lettered[gone]];
    if (isEmptyRow(row)) {
      draft.rows.splice(lettered[gone], 1);
    } else {
      row.lettered = false;
    }
  }
  const kept = letteredRows(draft);
  let at = same > 0 ? kept[same - 1] + 1 : kept.length === 0 ? draft.rows.length : kept[0];
  for (let added = same; added < after.length - sameEnd; ++added) {
    draft.rows.splice(at++, 0, emptyRow());
  }
  return draft;
}

// An empty row before `row`; it has no letter while the answer has any.
function withRowAdded(draft, row) {
  draft = copyOf(draft);
  draft.rows.splice(row, 0, emptyRow(lettersOf(draft.answer).length === 0));
  return draft;
}

// Without `row`; a lettered row takes its letter out of the answer.
function withRowRemoved(draft, row) {
  draft = copyOf(draft);
  const letter = letteredRows(draft).indexOf(row);
  if (letter >= 0 && letter < lettersOf(draft.answer).length) {
    // The answer loses its letter number `letter`, counting letters only.
    let seen = -1;
    const index = [...draft.answer].findIndex((character) => trimmed(character) !== "" && ++seen === letter);
    const characters = [...draft.answer];
    characters.splice(index, 1);
    draft.answer = characters.join("");
  }
  draft.rows.splice(row, 1);
  return draft;
}

// `row` swapped with the row `by` places away (-1 or 1); letters stay in their places.
function withRowMoved(draft, row, by) {
  draft = copyOf(draft);
  const other = draft.rows[row + by];
  if (other) {
    const moved = draft.rows[row];
    for (const part of ["word", "explanation", "notes", "picture", "checked", "reading"]) {
      [moved[part], other[part]] = [other[part], moved[part]];
    }
  }
  return draft;
}

// The letter that `row` stands for: its letter of the answer, or its word's first letter while
// there is no answer; empty for a row without a letter.
function letterOf(draft, row) {
  const letters = lettersOf(draft.answer);
  if (letters.length === 0) {
    return firstLetter(draft.rows[row].word);
  }
  const letter = letteredRows(draft).indexOf(row);
  return letter >= 0 && letter < letters.length ? letters[letter] : "";
}

// Whether the row's word starts with its letter, case aside.
function startsRight(draft, row) {
  const letter = letterOf(draft, row);
  return letter !== "" && caseFolded(trimmed(draft.rows[row].word)).startsWith(caseFolded(letter));
}

// The words' first letters so far, wrong ones included, a "_" for each one still missing.
function spelled(draft) {
  const lettersCount = lettersOf(draft.answer).length > 0;
  return draft.rows
    .filter((row) => !lettersCount || row.lettered)
    .map((row) => (trimmed(row.word) === "" ? "_" : firstLetter(row.word)))
    .join("");
}

// The draft as a puzzle file: its comments, title, answer and instructions, then one pair a
// line. A row without a letter is marked by a comment line of its own.
function draftText(draft) {
  return `${written(draft).lines.join("\n")}\n`;
}

// A draft from a file's decoded lines; it need not be a puzzle that the reader accepts. Every
// line is kept: a line that the draft has no place for becomes a comment.
function readDraft(lines) {
  const draft = emptyDraft();
  let notes = [];
  let letterless = false;
  let afterRow = false; // nothing but blank and comment lines since the last row's
  for (const line of lines) {
    const content = trimmed(line);
    const { key, value } = keyOf(content);
    if (key !== place.elsewhere) {
      afterRow = afterRow && key === place.picture && draft.rows.at(-1).picture === "";
    }
    if (content === noLetter) {
      letterless = true;
    } else if (content.startsWith("#")) {
      (draft.rows.length > 0 ? notes : draft.comments).push(line);
    } else if (key === place.title && draft.title === "") {
      draft.title = value;
    } else if (key === place.answer && draft.answer === "") {
      draft.answer = value;
    } else if (key === place.instructions) {
      draft.instructions.push(value);
    } else if (key === place.picture && afterRow && value !== "") {
      draft.rows.at(-1).picture = value;
    } else if (key !== place.elsewhere) {
      // A second title or answer, or a picture of no row, has no place in a draft: it is kept as
      // a comment.
      (draft.rows.length > 0 ? notes : draft.comments).push(`# ${content}`);
    } else if (content !== "") {
      const equals = content.indexOf("=");
      draft.rows.push({
        word: equals < 0 ? content : trimmed(content.slice(0, equals)),
        explanation: equals < 0 ? "" : trimmed(content.slice(equals + 1)),
        lettered: !letterless,
        notes,
        picture: "",
      });
      notes = [];
      letterless = false;
      afterRow = true;
    }
  }
  draft.comments.push(...notes);
  return balanced(draft);
}

// A problem as the editor lists it, named by its place: "Ред 2: ...", "Отговор: ...".
function named(where, reason) {
  if (where >= 0) {
    return filledIn("Ред %1: %2", where + 1, reason);
  }
  const names = { [place.title]: "Заглавие: %1", [place.answer]: "Отговор: %1", [place.instructions]: "Указания: %1" };
  return names[where] ? filledIn(names[where], reason) : reason;
}

// What the puzzle reader finds wrong with the draft, each problem named by its place, as the
// form reads: the fields, the rows, then the puzzle's as a whole. None when the game plays it.
function problemsOf(draft) {
  const checked = new Map();
  const file = written(withPicturesChecked(draft), checked);
  const found = findProblems(new TextEncoder().encode(file.lines.join("\n")), undefined, checked).map((problem) => ({
    where: problem.line > 0 ? file.places[problem.line - 1] : place.elsewhere,
    reason: problem.reason,
  }));
  // The reader holds words to their letters only while the rows are as many as the letters;
  // the editor knows each row's letter whatever else the row lacks.
  letteredRows(draft).forEach((row, letter) => {
    const word = trimmed(draft.rows[row].word);
    if (word !== "" && letterOf(draft, row) !== "" && !startsRight(draft, row)) {
      const reason = wrongLetter(word, letterOf(draft, row), letter + 1);
      if (!found.some((problem) => problem.where === row && problem.reason === reason)) {
        found.push({ where: row, reason });
      }
    }
  });
  const fields = [place.title, place.instructions, place.answer];
  const order = (where) => (where >= 0 ? where : where === place.elsewhere ? Number.MAX_SAFE_INTEGER : fields.indexOf(where) - 3);
  return found.sort((left, right) => order(left.where) - order(right.where)).map((problem) => named(problem.where, problem.reason));
}

// The draft of an exercise: its rows in the answer's order, with their pictures.
function draftOf(exercise) {
  const { rows } = exercise;
  const draft = { ...emptyDraft(), title: exercise.title, answer: exercise.answer, instructions: [...exercise.instructions], rows: rows.words.map(() => emptyRow()) };
  rows.words.forEach((word, row) => {
    draft.rows[Number.parseInt(rows.wordKeys[row], 10)].word = trimmed(word);
    const explained = draft.rows[Number.parseInt(rows.explanationKeys[row], 10)];
    explained.explanation = rows.explanations[row];
    if (exercise.pictures?.[row]?.bytes.length) {
      Object.assign(explained, { picture: dataAddress(exercise.pictures[row]), checked: "" });
    }
  });
  return draft;
}

// The draft with each picture that names one of `files` (a Map of bytes by name), when
// fittedPicture takes it, as a data: address; the others as they were.
async function withPicturesRead(draft, files) {
  draft = copyOf(draft);
  for (const row of draft.rows) {
    const name = row.picture === "" ? undefined : readPictureName(row.picture);
    // A browser gives a file's name without its folder.
    const bytes = name?.file !== undefined ? (files.get(name.file) ?? files.get(name.file.split(/[\\/]/).at(-1))) : undefined;
    const picture = bytes ? await fittedPicture(bytes) : undefined;
    if (typeof picture === "object") {
      row.picture = dataAddress(picture);
      row.checked = "";
    }
  }
  return draft;
}

// What the reader finds of a picture's data: address: "" when it takes it, or why not.
function checkedPicture(address) {
  const name = readPictureName(address);
  const picture = typeof name === "string" ? name : pictureOf(name.bytes);
  return typeof picture === "string" ? picture : "";
}

// The draft with each data: picture checked that was not yet: what the reader finds of it.
function withPicturesChecked(draft) {
  if (draft.rows.every((row) => row.checked !== undefined || !/^data:/i.test(row.picture))) {
    return draft;
  }
  draft = copyOf(draft);
  for (const row of draft.rows.filter((row) => row.checked === undefined && /^data:/i.test(row.picture))) {
    row.checked = checkedPicture(row.picture);
  }
  return draft;
}

// A picture file's bytes as a puzzle keeps them: as they are when the reader takes them and they
// are at most 1024 pixels a side, otherwise shrunk to 1024 pixels on the longer side and stored
// as JPEG, so that a phone's photo fits. Why not, for bytes that are no JPEG, PNG or WebP picture.
async function fittedPicture(bytes) {
  const side = 1024;
  const format = formatOf(bytes);
  const taken = pictureOf(bytes);
  if (format === "") {
    return taken;
  }
  const size = sizeOf(bytes, format);
  if (typeof taken === "object" && Math.max(...size) <= side && (await decodesWhole(taken))) {
    return taken;
  }
  let image;
  try {
    image = await createImageBitmap(new Blob([bytes], { type: `image/${format}` }));
  } catch {
    return wholeProblem;
  }
  const scale = Math.min(1, side / Math.max(image.width, image.height));
  const canvas = Object.assign(document.createElement("canvas"), { width: Math.round(image.width * scale), height: Math.round(image.height * scale) });
  const context = canvas.getContext("2d");
  // JPEG has no transparency: what shows through is white, as on paper.
  context.fillStyle = "#fff";
  context.fillRect(0, 0, canvas.width, canvas.height);
  context.drawImage(image, 0, 0, canvas.width, canvas.height);
  for (const quality of [0.85, 0.7, 0.5]) {
    const jpeg = new Uint8Array(await (await new Promise((done) => canvas.toBlob(done, "image/jpeg", quality))).arrayBuffer());
    if (jpeg.length <= maxPictureBytes) {
      return pictureOf(jpeg);
    }
  }
  return "картината е по-голяма от 512 KiB";
}
