// SPDX-FileCopyrightText: 2026 The acronym authors
// SPDX-License-Identifier: MIT
//
// The program's reader of puzzle files, for the editor's page: the same rules, refusing the
// same lines with the program's Bulgarian reasons.
"use strict";

const maxFileBytes = 1024 * 1024;
const maxPicturedFileBytes = 8 * 1024 * 1024; // for a file with picture lines
const minPairs = 2;
const maxPairs = 40;

// The title of a file that gives none.
const defaultTitle = "Акроним";

// A message with its places %1, %2, ... filled in one pass, as the program fills them.
function filledIn(message, ...values) {
  return message.replace(/%([1-9])/g, (place, number) => String(values[number - 1] ?? place));
}

// What the program counts as blank around a text (Unicode's separators, and the controls from
// TAB to CR and NEL), which differs from the browser's trim().
const blankEnds = /^[\t-\r \x85\xa0\u1680\u2000-\u200a\u2028\u2029\u202f\u205f\u3000]+|[\t-\r \x85\xa0\u1680\u2000-\u200a\u2028\u2029\u202f\u205f\u3000]+$/g;
function trimmed(text) {
  return text.replace(blankEnds, "");
}

function caseFolded(text) {
  return text.toLowerCase();
}

// The first Unicode character of a text; empty for empty text.
function firstCharacter(text) {
  return text === "" ? "" : String.fromCodePoint(text.codePointAt(0));
}

// A puzzle file that cannot be played, with its line (0 for the file as a whole) and the reason.
class PuzzleError extends Error {
  constructor(fileName, line, reason) {
    super(`${line > 0 ? `${fileName}:${line}` : fileName}: ${reason}`);
    this.line = line;
    this.reason = reason;
  }
}

// The text's control characters, tabs aside, have no place in a row.
function hasControlCharacter(text) {
  return /[\0-\x08\n-\x1f\x7f]/.test(text);
}

function firstLetters(pairs) {
  return pairs.map((pair) => firstCharacter(pair.word)).join("");
}

function withoutBlanks(text) {
  return text.replace(/[ \t]/g, "");
}

// Positions 0 to N-1 of `texts`, in Bulgarian alphabetical order of their texts, case aside;
// equal texts keep their order.
function alphabetical(texts) {
  const collator = new Intl.Collator("bg", { sensitivity: "accent" });
  return texts.map((_, position) => position).sort((left, right) => collator.compare(texts[left], texts[right]));
}

// The keys that a line may start with, before a colon.
const lineKeys = new Map([
  ["answer", "answer"],
  ["отговор", "answer"],
  ["title", "title"],
  ["заглавие", "title"],
  ["instructions", "instructions"],
  ["указания", "instructions"],
  ["picture", "picture"],
  ["картина", "picture"],
]);

// The key of a line's text, trimmed and normalised, and the value after its colon.
function lineKeyOf(content) {
  const colon = content.indexOf(":");
  const key = colon > 0 ? lineKeys.get(caseFolded(trimmed(content.slice(0, colon)))) : undefined;
  return { key, value: key ? trimmed(content.slice(colon + 1)) : "" };
}

function contentOf(line) {
  return trimmed(line).normalize("NFC");
}

// A file of over 1 MiB is taken only for its pictures.
function tooLarge(bytes, lines) {
  return bytes.length > maxFileBytes && !lines.some((line) => lineKeyOf(contentOf(line)).key === "picture");
}

// Why a pair cannot stand for letter `number` (from 1) of the answer.
function wrongLetter(word, letter, number) {
  return filledIn("«%1» не започва с «%2», буква %3 от отговора", word, letter.toUpperCase(), number);
}

// Reads a file line by line; each read either takes the line or throws PuzzleError.
class Parser {
  constructor(fileName, files, checked) {
    this.fileName = fileName;
    this.files = files; // a Map of the picture files given, by name
    this.checked = checked; // what was found of pictures before, by their lines
    // The pair line that a picture line may follow: the last line read, unless it was blank or a
    // comment, was that pair's or its picture's. `pair` is none for a pair line that was refused.
    this.last = { pairLine: 0, pictureLine: 0, pair: undefined };
    this.pairs = [];
    this.pairWords = []; // every pair line with a word, refused ones too
    this.pairLines = 0;
    this.wordLines = new Map();
    this.explanationLines = new Map();
    this.answer = { text: "", line: 0 };
    this.title = { text: "", line: 0 };
    this.instructions = [];
  }

  fail(line, reason) {
    throw new PuzzleError(this.fileName, line, reason);
  }

  readLine(line, text) {
    const content = contentOf(text);
    if (content === "" || content.startsWith("#")) {
      return;
    }
    if (hasControlCharacter(content)) {
      this.fail(line, "съдържа управляващ знак");
    }
    const { key, value } = lineKeyOf(content);
    if (key !== "picture") {
      this.last = { pairLine: 0, pictureLine: 0, pair: undefined };
    }
    if (key === "answer") {
      this.readOnce(this.answer, line, value, "втори отговор; първият е на ред %1", "отговорът е празен");
    } else if (key === "title") {
      this.readOnce(this.title, line, value, "второ заглавие; първото е на ред %1", "заглавието е празно");
    } else if (key === "instructions") {
      if (value === "") {
        this.fail(line, "указанието е празно");
      }
      this.instructions.push(value);
    } else if (key === "picture") {
      this.readPicture(line, value);
    } else {
      this.readPair(line, content);
    }
  }

  // The problems of the puzzle as a whole, once every line has been read.
  wholeProblems(lastLine) {
    const problems = [];
    if (this.pairs.length < minPairs) {
      problems.push({ line: lastLine, reason: filledIn("задачата трябва да има поне %1 двойки, а тази има %2", minPairs, this.pairs.length) });
    }
    if (this.answer.line === 0) {
      return problems;
    }
    const letters = [...withoutBlanks(this.answer.text)];
    if (letters.length === this.pairLines) {
      // Each pair can be held to its own letter: name the pairs that miss theirs.
      for (const pair of this.pairWords) {
        const letter = letters[pair.position];
        if (!caseFolded(pair.word).startsWith(caseFolded(letter))) {
          problems.push({ line: pair.line, reason: wrongLetter(pair.word, letter, pair.position + 1) });
        }
      }
    } else {
      const spelt = firstLetters(this.pairs);
      if (caseFolded(withoutBlanks(spelt)) !== caseFolded(withoutBlanks(this.answer.text))) {
        problems.push({ line: this.answer.line, reason: filledIn("първите букви на думите образуват «%1», а не «%2»", spelt, this.answer.text) });
      }
    }
    return problems;
  }

  finish(lastLine) {
    const problems = this.wholeProblems(lastLine);
    if (problems.length > 0) {
      this.fail(problems[0].line, problems[0].reason);
    }
    const rows = { words: [], explanations: [], wordKeys: [], explanationKeys: [] };
    for (const pair of alphabetical(this.pairs.map((pair) => pair.word))) {
      rows.words.push(this.pairs[pair].word);
      rows.wordKeys.push(String(pair));
    }
    const pictured = this.pairs.some((pair) => pair.picture);
    const pictures = [];
    for (const pair of alphabetical(this.pairs.map((pair) => pair.explanation))) {
      rows.explanations.push(this.pairs[pair].explanation);
      rows.explanationKeys.push(String(pair));
      if (pictured) {
        pictures.push(this.pairs[pair].picture ?? { bytes: new Uint8Array(), type: "" });
      }
    }
    const title = this.title.line > 0 ? this.title.text : defaultTitle;
    return {
      rows,
      answer: this.answer.line > 0 ? this.answer.text : firstLetters(this.pairs),
      title,
      caption: title,
      instructions: this.instructions,
      path: "",
      pictures,
    };
  }

  // `second` has a place for the first one's line.
  readOnce(once, line, value, second, empty) {
    if (once.line > 0) {
      this.fail(line, filledIn(second, once.line));
    }
    if (value === "") {
      this.fail(line, empty);
    }
    Object.assign(once, { text: value, line });
  }

  // A picture belongs to the pair whose line it follows, with nothing but blank and comment lines
  // between them.
  readPicture(line, value) {
    if (this.last.pairLine === 0) {
      this.fail(line, "картината трябва да е веднага след реда на своята двойка");
    }
    if (this.last.pictureLine > 0) {
      this.fail(line, filledIn("втора картина за двойката на ред %1", this.last.pairLine));
    }
    this.last.pictureLine = line;
    const known = this.checked?.get(line);
    if (known !== undefined) {
      if (known !== "") {
        this.fail(line, known);
      }
      return;
    }
    if (value === "") {
      this.fail(line, "редът не посочва картина");
    }
    const name = readPictureName(value);
    if (typeof name === "string") {
      this.fail(line, name);
    }
    let bytes = name.bytes;
    if (name.file !== undefined) {
      bytes = !this.files ? filledIn("файлът на картината «%1» не е даден", name.file) : (this.files.get(name.file) ?? filledIn("файлът на картината «%1» не може да се прочете: %2", name.file, "няма такъв файл"));
    }
    if (typeof bytes === "string") {
      this.fail(line, bytes);
    }
    const picture = pictureOf(bytes);
    if (typeof picture === "string") {
      this.fail(line, picture);
    }
    picture.line = line;
    if (this.last.pair) {
      this.last.pair.picture = picture;
    }
  }

  readPair(line, content) {
    this.last = { pairLine: line, pictureLine: 0, pair: undefined };
    const position = this.pairLines++;
    const equals = content.indexOf("=");
    if (equals < 0) {
      this.fail(line, "очаква се «дума = пояснение» или ключ като «заглавие:»");
    }
    const pair = { word: trimmed(content.slice(0, equals)), explanation: trimmed(content.slice(equals + 1)), line, position };
    if (pair.word !== "") {
      this.pairWords.push(pair);
    }
    if (pair.word === "") {
      this.fail(line, "думата преди «=» липсва");
    }
    if (pair.explanation === "") {
      this.fail(line, "пояснението след «=» липсва");
    }
    if (this.pairs.length === maxPairs) {
      this.fail(line, filledIn("повече от %1 двойки", maxPairs));
    }
    this.remember(this.wordLines, line, pair.word, "думата «%1» вече е на ред %2");
    this.remember(this.explanationLines, line, pair.explanation, "пояснението «%1» вече е на ред %2");
    this.pairs.push(pair);
    this.last.pair = pair;
  }

  // Texts count as the same when they differ in case alone.
  remember(lines, line, text, again) {
    const first = lines.get(caseFolded(text));
    if (first > 0) {
      this.fail(line, filledIn(again, text, first));
    }
    lines.set(caseFolded(text), line);
  }
}

// Reads a puzzle from the bytes of a file; `fileName` only names it in messages, and `files` is a
// Map of the picture files given with it, by name. Returns the exercise and the encoding that the
// text was read in; throws PuzzleError as the program refuses, but for a picture that does not
// decode, which checkedPuzzle finds.
function parsePuzzle(bytes, fileName, files) {
  const text = decodeText(bytes);
  if (text.badLine > 0) {
    throw new PuzzleError(fileName, text.badLine, text.problem);
  }
  if (tooLarge(bytes, text.lines)) {
    throw new PuzzleError(fileName, 0, "е по-голям от 1 MiB");
  }
  const parser = new Parser(fileName, files);
  text.lines.forEach((line, index) => parser.readLine(index + 1, line));
  return { exercise: parser.finish(text.lines.length), encoding: text.encoding };
}

// parsePuzzle, and then every picture decoded by the browser: one that does not decode whole is
// refused at its line.
async function checkedPuzzle(bytes, fileName, files) {
  const read = parsePuzzle(bytes, fileName, files);
  const pictures = read.exercise.pictures.filter((picture) => picture.line).sort((left, right) => left.line - right.line);
  for (const picture of pictures) {
    if (!(await decodesWhole(picture))) {
      throw new PuzzleError(fileName, picture.line, wholeProblem);
    }
  }
  return read;
}

// Every problem that keeps the bytes from being a puzzle, in the order the reader meets them:
// each refused line, then the puzzle's as a whole. A picture line in `checked` (a Map by line)
// counts as was found there: "" for a picture that pictureOf takes, or why not; it is not read
// again. None means that parsePuzzle accepts them.
function findProblems(bytes, files, checked) {
  const text = decodeText(bytes);
  if (text.badLine > 0) {
    return [{ line: text.badLine, reason: text.problem }];
  }
  if (tooLarge(bytes, text.lines)) {
    return [{ line: 0, reason: "е по-голям от 1 MiB" }];
  }
  const parser = new Parser("", files, checked);
  const problems = [];
  text.lines.forEach((line, index) => {
    try {
      parser.readLine(index + 1, line);
    } catch (error) {
      problems.push({ line: error.line, reason: error.reason });
    }
  });
  return problems.concat(parser.wholeProblems(0));
}

// Reads the bytes of a file that the teacher chose: at most 8 MiB. Throws PuzzleError for
// anything else, or when the file cannot be read.
async function readPuzzleFile(file) {
  if (file.size > maxPicturedFileBytes) {
    throw new PuzzleError(file.name, 0, "е по-голям от 8 MiB");
  }
  try {
    return new Uint8Array(await file.arrayBuffer());
  } catch (error) {
    throw new PuzzleError(file.name, 0, filledIn("не може да се прочете: %1", error.message));
  }
}
