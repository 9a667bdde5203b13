// SPDX-FileCopyrightText: 2026 The acronym authors
// SPDX-License-Identifier: MIT

// The editor's page that `acronym --html-editor` writes, in headless Chromium: the tables that
// the program's own tests read (puzzle files and editor steps), the pages and files that it
// downloads compared with the program's, and a puzzle made and played by keyboard alone.
import assert from "node:assert/strict";
import { execFileSync } from "node:child_process";
import { readFileSync, readdirSync, statSync, writeFileSync } from "node:fs";
import { join, resolve } from "node:path";
import { test } from "node:test";
import { acronym, assertSealed, drawnIn, folder, open, root, sideways, table, violations, withDataAddresses } from "./browser.mjs";

const editorPage = join(folder, "editor.html");
acronym(["--html-editor", editorPage]);

// A file of the shared table as bytes: its text in its encoding after the byte-order mark that
// editors write, each "\xHH" as that byte, then its generated pairs and what follows them.
const windows1251 = new Map([...new TextDecoder("windows-1251").decode(Uint8Array.from({ length: 128 }, (_, at) => 128 + at))].map((character, at) => [character, 128 + at]));
function encoded(text, encoding) {
  if (encoding.startsWith("UTF-16")) {
    const bytes = Buffer.from(text, "utf16le");
    return encoding === "UTF-16BE" ? bytes.swap16() : bytes;
  }
  if (encoding === "windows-1251") {
    return Buffer.from([...text].map((character) => (character < "\x80" ? character.charCodeAt(0) : windows1251.get(character))));
  }
  return Buffer.from(text, "utf8");
}
function bytesOf(file, pictures = {}) {
  const encoding = file.encoding ?? "UTF-8";
  const marks = { "UTF-8 with BOM": [0xef, 0xbb, 0xbf], "UTF-16LE": [0xff, 0xfe], "UTF-16BE": [0xfe, 0xff] };
  const parts = [Buffer.from(marks[encoding] ?? [])];
  const text = withDataAddresses(file.text, pictures);
  text.split(/\\x([0-9a-f]{2})/).forEach((part, index) => parts.push(index % 2 ? Buffer.from([Number.parseInt(part, 16)]) : encoded(part, encoding)));
  const pairs = Array.from({ length: file.pairs ?? 0 }, (_, pair) => `дума${pair} = обяснение ${pair}\n`).join("");
  return Buffer.concat([...parts, Buffer.from(pairs + (file.then ?? ""))]);
}

// Opens a file by «Отвори файл…», and waits for a whole puzzle unless it is not one.
async function openIn(tab, path, whole = true) {
  const chooser = tab.waitForFileChooser();
  await tab.click("#open");
  await (await chooser).accept([path]);
  if (whole) {
    await tab.waitForFunction(() => document.getElementById("problem-count").textContent.startsWith("Няма"));
  }
}

// Presses a command's button and takes what it downloads.
async function downloaded(tab, saving, id) {
  const file = saving.next();
  await tab.click(`#${id}`);
  return file;
}

// The program's page for a puzzle file with these picture files beside it, and its --check report.
function programPage(bytes, pictures = {}) {
  const puzzle = join(folder, "puzzle.acronym");
  writeFileSync(puzzle, bytes);
  for (const [name, picture] of Object.entries(pictures)) writeFileSync(join(folder, name), picture);
  acronym([puzzle, "--html", join(folder, "program.html")]);
  return { page: readFileSync(join(folder, "program.html")), check: acronym(["--check", puzzle]) };
}

// The field or button with this accessible name: its label's, or its own.
const fieldNamed = (tab, name) =>
  tab.evaluateHandle((name) => [...document.querySelectorAll("input, textarea, button")].find((field) => field.labels?.[0]?.textContent === name || field.getAttribute("aria-label") === name), name);

// A zip's entries, each with its bytes.
function entriesOf(zip) {
  writeFileSync(join(folder, "entries.zip"), zip);
  const names = execFileSync("unzip", ["-Z1", join(folder, "entries.zip")], { encoding: "utf8" }).split("\n").filter(Boolean);
  return Object.fromEntries(names.map((name) => [name, execFileSync("unzip", ["-p", join(folder, "entries.zip"), name])]));
}

// What the page reads from bytes, with these picture files: the facts that the table names and the
// page that it writes, or its refusal. It comes as JSON: WebDriver BiDi gives an array met twice
// only once.
const readIn = async (tab, bytes, pictures = {}) =>
  JSON.parse(
    await tab.evaluate(
      async (bytes, pictures) => {
        try {
          const files = new Map(Object.entries(pictures).map(([name, picture]) => [name, Uint8Array.from(atob(picture), (character) => character.charCodeAt(0))]));
          const read = await checkedPuzzle(Uint8Array.from(bytes), "t.txt", files);
          const { exercise } = read;
          const pieces = gamePieces();
          const types = exercise.pictures.map((picture) => picture.type.slice(6) || "-");
          return JSON.stringify({ read: read.encoding, ...exercise, ...exercise.rows, pictures: types, page: webPage(exercise, pieces) });
        } catch (error) {
          return JSON.stringify({ refused: [error.line, error.reason] });
        }
      },
      [...bytes],
      Object.fromEntries(Object.entries(pictures).map(([name, picture]) => [name, picture.toString("base64")])),
    ),
  );

test("is one page under 180 KiB that loads nothing and logs nothing", async () => {
  const html = readFileSync(editorPage, "utf8");
  assert.ok(statSync(editorPage).size < 180 * 1024, `${statSync(editorPage).size} bytes`);
  assertSealed(html);
  const { tab, trouble } = await open(editorPage);
  assert.equal(await tab.evaluate(() => document.activeElement.id), "field-title");
  assert.deepEqual(trouble, []);
  await tab.close();
});

test("reads the shared puzzle files as the program does, and writes the program's pages for them", async () => {
  const { tab, trouble } = await open(editorPage);
  for (const file of table("puzzle/puzzle_files.json").files) {
    const pictures = await drawnIn(tab, file.files);
    const bytes = bytesOf(file, pictures);
    const read = await readIn(tab, bytes, pictures);
    for (const fact of ["refused", "read", "answer", "title", "instructions", "words", "wordKeys", "explanations", "explanationKeys", "pictures"].filter((fact) => fact in file)) {
      assert.deepEqual(read[fact], file[fact], `${file.name}: ${fact}`);
    }
    if (!read.refused) {
      assert.equal(read.page, programPage(bytes, pictures).page.toString("utf8"), `${file.name}: the page`);
    }
  }
  assert.deepEqual(trouble, []);
  await tab.close();
});

// A key as the table names it: "Ctrl+Shift+Z", "Alt+ArrowUp", "Backspace".
async function press(tab, key) {
  const parts = key.split("+");
  const modifiers = parts.slice(0, -1).map((modifier) => ({ Ctrl: "Control" })[modifier] ?? modifier);
  for (const modifier of modifiers) await tab.keyboard.down(modifier);
  const named = { Space: " " }[parts.at(-1)] ?? parts.at(-1);
  await tab.keyboard.press(named.length === 1 ? named.toLowerCase() : named);
  for (const modifier of modifiers.reverse()) await tab.keyboard.up(modifier);
}

// The form as a teacher sees it, in the table's terms.
const form = (tab, names) =>
  tab.evaluate((names) => {
    const texts = (selector) => [...document.querySelectorAll(selector)].map((node) => node.textContent);
    return {
      fields: Object.fromEntries(names.map((name) => [name, [...document.querySelectorAll("input, textarea")].find((field) => field.labels?.[0]?.textContent === name || field.getAttribute("aria-label") === name)?.value])),
      letters: texts(".letter").join(""),
      verdicts: texts(".verdict"),
      spelled: document.getElementById("spelled").textContent,
      problems: texts("#problems li"),
      saved: draftText(editorWindow.draft),
      refusal: document.getElementById("message").textContent,
    };
  }, names);

// Each row's picture as "320×200 png", "" for none, as the browser decodes it.
const sizesIn = (tab) =>
  tab.evaluate(() =>
    Promise.all(
      editorWindow.draft.rows.map(async ({ picture }) => {
        if (picture === "") return "";
        const image = await createImageBitmap(new Blob([readPictureName(picture).bytes]));
        return `${image.width}×${image.height} ${picture.slice(11, picture.indexOf(";"))}`;
      }),
    ),
  );

// Gives the focused picture control a file by the keyboard, and waits until the editor has taken
// it in or refused it.
async function givePicture(tab, path) {
  const before = await form(tab, []);
  const chooser = tab.waitForFileChooser();
  await tab.keyboard.press(" ");
  await (await chooser).accept([path]);
  await tab.waitForFunction((before) => draftText(editorWindow.draft) !== before.saved || document.getElementById("message").textContent !== before.refusal, {}, before);
}

test("follows the shared editor steps by keyboard, as the program's editor does", async () => {
  for (const session of table("editor/editor_steps.json").sessions) {
    const { tab, trouble } = await open(editorPage);
    const pictures = await drawnIn(tab, session.files);
    for (const [name, bytes] of Object.entries(pictures)) writeFileSync(join(folder, name), bytes);
    for (const [index, step] of session.steps.entries()) {
      if (step.in) {
        const field = await fieldNamed(tab, step.in);
        await field.evaluate((field) => {
          field.focus();
          if (field.type === "text" || field.localName === "textarea") field.setSelectionRange(field.value.length, field.value.length);
        });
      }
      if (step.picture) await givePicture(tab, join(folder, step.picture));
      for (const key of step.keys ?? []) await press(tab, key);
      if (step.type) await tab.keyboard.type(step.type);
      const seen = { ...(await form(tab, Object.keys(step.fields ?? {}))), ...(step.sizes && { sizes: await sizesIn(tab) }) };
      const expected = { ...step, saved: step.saved && withDataAddresses(step.saved, pictures) };
      for (const expectation of ["fields", "letters", "verdicts", "spelled", "problems", "saved", "refusal", "sizes"].filter((key) => key in step)) {
        assert.deepEqual(seen[expectation], expected[expectation], `${session.name}, step ${index + 1}: ${expectation}`);
      }
    }
    assert.deepEqual(trouble, [], session.name);
    await tab.close();
  }
});

// Tab from where the focus is to the field or button with this accessible name.
async function tabTo(tab, name) {
  for (let presses = 0; presses < 40; ++presses) {
    if (await tab.evaluate((name) => document.activeElement.getAttribute("aria-label") === name || document.activeElement.labels?.[0]?.textContent === name || document.activeElement.textContent === name, name)) return;
    await tab.keyboard.press("Tab");
  }
  assert.fail(`Tab never reaches «${name}»`);
}

test("makes a puzzle from nothing by keyboard alone, saves it and its page, and plays it", async () => {
  const { tab, trouble, downloads: saving } = await open(editorPage);
  const typed = [
    ["Заглавие", "Физика"],
    ["Отговор", "ТОК"],
    ["Дума 1", "Ток"],
    ["Пояснение 1", "движение на заредени частици"],
    ["Дума 2", "Ом"],
    ["Пояснение 2", "единица за съпротивление"],
    ["Дума 3", "Кулон"],
    ["Пояснение 3", "единица за заряд"],
  ];
  for (const [name, text] of typed) {
    await tabTo(tab, name);
    await tab.keyboard.type(text);
  }
  await tab.focus("#new");
  await tabTo(tab, "Запази файла");
  const file = saving.next();
  await tab.keyboard.press("Enter");
  const saved = await file;
  assert.equal(saved.name, "Физика.acronym");
  const { page, check } = programPage(saved.bytes);
  assert.equal(check, "answer: ТОК\npairs: 3\nencoding: UTF-8\n");
  await tabTo(tab, "Запази уеб страницата");
  const webPage = saving.next();
  await tab.keyboard.press("Enter");
  assert.deepEqual((await webPage).bytes, page);
  await tabTo(tab, "Играй");
  await tab.keyboard.press("Enter");
  const options = await tab.$$eval("#words [role=option]", (rows) => rows.map((row) => row.textContent));
  assert.deepEqual(options, ["Кулон", "Ом", "Ток"]);
  assert.equal(await tab.evaluate(() => document.activeElement.id), "words");
  await tab.click("#back");
  assert.equal(await tab.$eval("#field-title", (field) => field.value), "Физика");
  assert.deepEqual(trouble, []);
  await tab.close();
});

test("opens files in every encoding and downloads what the program writes for them", async () => {
  const shipped = readdirSync(join(root, "puzzles")).map((name) => join("puzzles", name));
  const utf16 = join(folder, "utf16.acronym");
  writeFileSync(utf16, Buffer.concat([Buffer.from([0xff, 0xfe]), Buffer.from(readFileSync(join(root, "puzzles/khan.acronym"), "utf8").replaceAll("\n", "\r\n"), "utf16le")]));
  const { tab, trouble, downloads: saving } = await open(editorPage, { answer: (dialog) => dialog.type() === "confirm" && dialog.accept() });
  for (const path of [...shipped, "tests/app/windows_1251.txt", utf16]) {
    const bytes = readFileSync(resolve(root, path));
    await openIn(tab, resolve(root, path));
    const program = programPage(bytes);
    assert.deepEqual((await downloaded(tab, saving, "save-page")).bytes, program.page, `${path}: the page`);
    acronym([resolve(root, path), "--scorm", join(folder, "program.zip")]);
    const scorm = await downloaded(tab, saving, "save-scorm");
    assert.deepEqual(entriesOf(scorm.bytes), entriesOf(readFileSync(join(folder, "program.zip"))), `${path}: the package`);
    // The file is the same puzzle to the program: it writes the same page for it.
    const saved = await downloaded(tab, saving, "save");
    assert.deepEqual(programPage(saved.bytes).page, program.page, `${path}: the file`);
  }
  assert.deepEqual(trouble, []);
  await tab.close();
});

test("refuses a file with the line and the reason that the program gives", async () => {
  const { tab } = await open(editorPage, { answer: (dialog) => dialog.type() === "confirm" && dialog.accept() });
  await openIn(tab, join(root, "tests/app/bad_puzzle.txt"), false);
  let refusal = "";
  try {
    acronym(["--check", join(root, "tests/app/bad_puzzle.txt")], "bg_BG.UTF-8");
  } catch (error) {
    refusal = error.stderr.replace(/^acronym: .*\//, "").trim();
  }
  assert.match(refusal, /^bad_puzzle\.txt:4: очаква се/);
  await tab.waitForFunction((refusal) => document.getElementById("message").textContent.includes(refusal), {}, refusal);
  await tab.close();
});

test("keeps the puzzle being made, and asks before it is left unsaved", async () => {
  let asked;
  const leaving = new Promise((resolve) => (asked = resolve));
  const { tab } = await open(editorPage, { answer: (dialog) => dialog.type() === "beforeunload" && (asked(), dialog.accept()) });
  await tab.type("#field-answer", "ТО");
  await tab.type("::-p-aria(Дума 1)", "Ток");
  await tab.reload();
  assert.equal(await tab.$eval("#field-answer", (field) => field.value), "ТО");
  assert.equal(await tab.$eval("::-p-aria(Дума 1)", (field) => field.value), "Ток");
  await tab.click("#field-title");
  await tab.close({ runBeforeUnload: true });
  await leaving;
});

test("takes pictures with their puzzle or after it, saves what the program writes, and keeps them", async () => {
  const { tab, trouble, downloads: saving } = await open(editorPage, { answer: (dialog) => ["confirm", "beforeunload"].includes(dialog.type()) && dialog.accept() });
  const pictures = await drawnIn(tab, { "coin.png": { draw: "png" }, "ram.jpg": { draw: "jpeg" }, "photo.jpg": { draw: "jpeg", size: [4000, 3000] } });
  for (const [name, bytes] of Object.entries(pictures)) writeFileSync(join(folder, name), bytes);
  const pairs = (first, second) => `заглавие: Монети\nотговор: АБ\n\nАз = първа буква\nкартина: ${first}\nБуки = втора буква\nкартина: ${second}\n`;
  // Embedded, as the editors save it: the same file back, and the program's page.
  const embedded = join(folder, "embedded.acronym");
  writeFileSync(embedded, withDataAddresses(pairs("@data:coin.png@", "@data:ram.jpg@"), pictures));
  await openIn(tab, embedded);
  assert.deepEqual((await downloaded(tab, saving, "save-page")).bytes, programPage(readFileSync(embedded)).page);
  assert.deepEqual((await downloaded(tab, saving, "save")).bytes, readFileSync(embedded));
  // Beside it: a row names the file that it needs until the file comes, alone or with the puzzle.
  const beside = join(folder, "beside.acronym");
  writeFileSync(beside, pairs("coin.png", "ram.jpg"));
  const problems = () => tab.$$eval("#problems li", (items) => items.map((item) => item.textContent));
  await openIn(tab, beside, false);
  await tab.waitForFunction(() => document.querySelectorAll("#problems li").length === 2);
  assert.deepEqual(await problems(), ["Ред 1: файлът на картината «coin.png» не е даден", "Ред 2: файлът на картината «ram.jpg» не е даден"]);
  const chooser = tab.waitForFileChooser();
  await tab.click("#open");
  await (await chooser).accept([join(folder, "coin.png")]);
  await tab.waitForFunction(() => document.querySelectorAll("#problems li").length === 1);
  const together = tab.waitForFileChooser();
  await tab.click("#open");
  await (await together).accept([beside, join(folder, "coin.png"), join(folder, "ram.jpg")]);
  await tab.waitForFunction(() => document.getElementById("problem-count").textContent.startsWith("Няма"));
  assert.deepEqual((await downloaded(tab, saving, "save")).bytes, readFileSync(embedded));
  // A photo comes in shrunk, and stays after the page is opened again: the pictures in
  // IndexedDB, the text alone in localStorage, small whatever the pictures.
  await (await fieldNamed(tab, "Картина 2")).focus();
  await givePicture(tab, join(folder, "photo.jpg"));
  assert.deepEqual(await sizesIn(tab), ["320×200 png", "1024×768 jpeg"]);
  assert.ok(await tab.evaluate(() => localStorage.getItem(storageKey).length < 2_000));
  await tab.reload();
  await tab.waitForFunction(() => document.querySelectorAll(".thumb:not([hidden])").length === 2);
  assert.deepEqual(await sizesIn(tab), ["320×200 png", "1024×768 jpeg"]);
  const photo = await tab.evaluate(() => readPictureName(document.querySelectorAll(".thumb")[1].src).bytes.length);
  assert.ok(photo <= 512 * 1024, `${photo} bytes`);
  // A browser that keeps no pictures says so, and keeps the text.
  await tab.evaluateOnNewDocument(() => {
    indexedDB.open = () => {
      throw new DOMException("refused", "SecurityError");
    };
  });
  await tab.reload();
  await tab.waitForFunction(() => document.getElementById("kept").textContent.startsWith("Браузърът отказа"));
  assert.equal(await tab.$eval("::-p-aria(Дума 2)", (field) => field.value), "Буки");
  assert.deepEqual(trouble, []);
  await tab.close();
});

test("puts a picture on its row, which says that it is being read, wherever the row moves meanwhile", async () => {
  const { tab, trouble } = await open(editorPage);
  writeFileSync(join(folder, "coin.png"), (await drawnIn(tab, { "coin.png": { draw: "png" } }))["coin.png"]);
  // The picture is read once the test lets it go, as a large one is read a while.
  await tab.evaluate(() => {
    const fitted = fittedPicture;
    window.fittedPicture = async (bytes) => {
      await new Promise((go) => (window.letGo = go));
      return fitted(bytes);
    };
  });
  await tab.type("#field-answer", "ТО");
  await tab.type("::-p-aria(Дума 2)", "Ом");
  await (await fieldNamed(tab, "Картина 2")).uploadFile(join(folder, "coin.png"));
  await tab.waitForFunction(() => window.letGo && document.getElementById("picture-1").textContent === "Картината се чете…");
  await (await fieldNamed(tab, "Дума 2")).focus();
  await press(tab, "Alt+ArrowUp");
  await tab.evaluate(() => window.letGo());
  await tab.waitForFunction(() => editorWindow.draft.rows[0].picture !== "");
  const rows = await tab.evaluate(() => editorWindow.draft.rows.map((row) => [row.word, row.picture.slice(0, 15), document.getElementById(`picture-${editorWindow.draft.rows.indexOf(row)}`).textContent]));
  assert.deepEqual(rows, [["Ом", "data:image/png;", "има картина"], ["", "", ""]]);
  assert.deepEqual(trouble, []);
  await tab.close();
});

test("prints the worksheet with the program's words, explanations and boxes, and not the answer", async () => {
  const khan = join(root, "puzzles/khan.acronym");
  const { tab } = await open(editorPage, { answer: (dialog) => dialog.type() === "confirm" && dialog.accept() });
  await openIn(tab, khan);
  await tab.evaluate(() => (window.print = () => {}));
  await tab.click("#print-sheet");
  writeFileSync(join(folder, "page.pdf"), await tab.pdf({ format: "A4" }));
  acronym([khan, "--worksheet", join(folder, "program.pdf")]);
  const text = (pdf) => execFileSync("pdftotext", ["-layout", join(folder, pdf), "-"], { encoding: "utf8" }).replace(/\s+/g, " ");
  const [page, program] = [text("page.pdf"), text("program.pdf")];
  const { words, explanations } = (await readIn(tab, readFileSync(khan))).rows;
  for (const word of words) {
    assert.ok(page.includes(` ${word} `) && program.includes(` ${word} `), word);
  }
  // Each explanation after the number of its box, and the boxes numbered 1 to 9 in a row.
  for (const explanation of explanations) {
    const box = (text) => text.match(new RegExp(`(\\d+) ${explanation}`))?.[1];
    assert.equal(box(page), box(program), explanation);
  }
  assert.ok(page.includes(" 1 2 3 4 5 6 7 8 9 ") && program.includes(" 1 2 3 4 5 6 7 8 9 "));
  assert.ok(!page.includes("Тервел"));
  // A pair's picture stands before its explanation on both sheets, as the program prints it.
  const pictures = await drawnIn(tab, { "coin.png": { draw: "png" } });
  const pictured = bytesOf({ text: "а = б\nкартина: @data:coin.png@\nв = г\n" }, pictures);
  const shown = await tab.evaluate((bytes) => {
    const { exercise } = parsePuzzle(Uint8Array.from(bytes), "t.txt");
    const cells = (sheet) => sheet.flatMap((part) => [...(part.querySelectorAll?.("td") ?? [])]);
    return [worksheet(exercise), answerKey(exercise)].map((sheet) => cells(sheet).filter((cell) => cell.querySelector("img.sheet-picture[src^='data:image/png']")).map((cell) => cell.textContent));
  }, [...pictured]);
  assert.deepEqual(shown, [[" б"], [" б"]]);
  await tab.close();
});

test("prints the crossword as the program does, with no word, and its answers filled in", async () => {
  const puzzle = join(root, "tests/games/crossword.acronym");
  const { tab } = await open(editorPage, { answer: (dialog) => dialog.type() === "confirm" && dialog.accept() });
  await openIn(tab, puzzle);
  await tab.evaluate(() => (window.print = () => {}));
  const { words, explanations, explanationKeys } = (await readIn(tab, readFileSync(puzzle))).rows;
  for (const [button, option] of [
    ["#print-crossword", "--crossword"],
    ["#print-crossword-answers", "--crossword-answers"],
  ]) {
    await tab.click(button);
    writeFileSync(join(folder, "page.pdf"), await tab.pdf({ format: "A4" }));
    acronym([puzzle, option, join(folder, "program.pdf")]);
    // Each row on a line of its own, its blanks gone: number, explanation, then its boxes' letters.
    const lines = (pdf) => execFileSync("pdftotext", ["-layout", join(folder, pdf), "-"], { encoding: "utf8" }).split("\n").map((line) => line.replace(/\s+/g, ""));
    for (const sheet of [lines("page.pdf"), lines("program.pdf")]) {
      explanations.forEach((explanation, row) => {
        assert.ok(sheet.includes(`${Number(explanationKeys[row]) + 1}${explanation.replace(/\s+/g, "")}`), `${option}: ${explanation}`);
      });
      for (const word of words) {
        assert.equal(sheet.includes(word.replace(/\s+/g, "")), option === "--crossword-answers", `${option}: ${word}`);
      }
    }
  }
  await tab.close();
});

test("has no axe-core violation empty, with problems and whole, and fits 1366 and 360 pixels", async () => {
  for (const viewport of [
    { width: 1366, height: 768 },
    { width: 360, height: 640, isMobile: true, hasTouch: true },
  ]) {
    const { tab } = await open(editorPage, { viewport, answer: (dialog) => dialog.type() === "confirm" && dialog.accept() });
    assert.deepEqual(await violations(tab), [], "empty");
    await tab.type("#field-answer", "ТОК");
    await tab.type("::-p-aria(Дума 1)", "Волт");
    assert.deepEqual(await violations(tab), [], "with problems");
    await openIn(tab, join(root, "puzzles/khan.acronym"));
    assert.deepEqual(await violations(tab), [], "whole");
    assert.equal(await sideways(tab), 0);
    await tab.close();
  }
});

test("reads the shared result lines as the program does, and its «Резултати» gives the program's table and CSV", async () => {
  const { tab, trouble, downloads: saving } = await open(editorPage);
  const shared = table("results/result_lines.json");
  const seen = await tab.evaluate((shared) => ({ lines: shared.lines.map((game) => resultLine(game.result)), rows: shared.pastes.map((paste) => resultTable(paste.text).rows.map(resultCells)), unreadable: shared.pastes.map((paste) => resultTable(paste.text).unreadable), csv: shared.pastes.map((paste) => resultCsv(resultTable(paste.text).rows)) }), shared);
  assert.deepEqual(seen.lines, shared.lines.map((game) => game.line));
  assert.deepEqual(seen.rows, shared.pastes.map((paste) => paste.rows));
  assert.deepEqual(seen.unreadable, shared.pastes.map((paste) => paste.unreadable ?? 0));
  shared.pastes.forEach((paste, index) => paste.csv && assert.equal(seen.csv[index], paste.csv, paste.name));
  // One paste of every text, and the download beside the program's --csv.
  const pasted = shared.pastes.map((paste) => paste.text).join("\n");
  writeFileSync(join(folder, "pasted.txt"), pasted);
  acronym(["--results", join(folder, "pasted.txt"), "--csv", join(folder, "program.csv")]);
  await tab.click("#results-open");
  await tab.$eval("#pasted", (field, text) => {
    field.value = text;
    field.dispatchEvent(new InputEvent("input", { inputType: "insertFromPaste" }));
  }, pasted);
  const rows = await tab.$$eval("#result-table tbody tr", (rows) => rows.map((row) => [...row.cells].map((cell) => cell.textContent)));
  assert.deepEqual(rows, await tab.evaluate((text) => resultTable(text).rows.map(resultCells), pasted));
  assert.equal(rows.length, 11);
  assert.match(await tab.$eval("#result-count", (count) => count.textContent), / 4 реда «Резултат:» не можаха да се прочетат\.$/);
  assert.deepEqual((await downloaded(tab, saving, "save-csv")).bytes, readFileSync(join(folder, "program.csv")));
  assert.deepEqual(await violations(tab), []);
  await tab.setViewport({ width: 360, height: 640 });
  assert.equal(await sideways(tab), 0);
  assert.deepEqual(trouble, []);
  await tab.close();
});
