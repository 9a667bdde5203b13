// SPDX-FileCopyrightText: 2026 The acronym authors
// SPDX-License-Identifier: MIT
//
// The program's worksheet and answer key, for the editor's page to print on A4: the same texts,
// tables and boxes. Teachers' texts go in as text.
"use strict";

// How to solve the worksheet, for an exercise that brings no instructions of its own.
const paperInstructions = [
  "Прочети всяко пояснение и намери думата, която му отговаря.",
  "Запиши първата буква на думата в кутийката с номера на пояснението.",
  "Буквите в кутийките, прочетени поред, образуват отговора.",
];

const boxesPerRow = 10;

// How to fill the crossword in on paper.
const crosswordInstructions = [
  "Прочети всяко пояснение и напиши думата в кутийките на реда му, по една буква в кутийка.",
  "Буквите в сивата колона, прочетени отгоре надолу, дават отговора.",
];

function element(name, text, attributes = {}) {
  const made = document.createElement(name);
  if (text !== undefined) {
    made.textContent = text;
  }
  for (const [attribute, value] of Object.entries(attributes)) {
    made.setAttribute(attribute, value);
  }
  return made;
}

// A table whose head row is repeated at the top of every page that it reaches. `head` holds
// each column's heading and its share of the width, in per cent; `rows` the cells' texts, or
// nodes.
function sheetTable(head, rows, centred = []) {
  const table = element("table");
  const headRow = table.createTHead().insertRow();
  for (const [heading, width] of head) {
    const cell = element("th", heading);
    cell.style.width = `${width}%`; // the page's policy allows no style attribute, only the CSSOM
    headRow.append(cell);
  }
  const body = table.createTBody();
  for (const cells of rows) {
    const row = body.insertRow();
    cells.forEach((content, column) => {
      const cell = element("td", undefined, centred.includes(column) ? { class: "centred" } : {});
      cell.append(content);
      row.append(cell);
    });
  }
  return table;
}

// Explanation `row`'s text, after its picture, about 3 cm high, where it has one.
function explanationOf(exercise, row) {
  const text = trimmed(exercise.rows.explanations[row] ?? "");
  const picture = exercise.pictures?.[row];
  if (!picture?.bytes.length) {
    return text;
  }
  const cell = document.createDocumentFragment();
  cell.append(element("img", undefined, { src: dataAddress(picture), alt: "", class: "sheet-picture" }), ` ${text}`);
  return cell;
}

// Box k of the acronym is numbered k + 1: the learner counts from one.
function boxNumber(key) {
  return String(Number.parseInt(key, 10) + 1);
}

// The worksheet; with a `code`, the QR code of the puzzle's link ({ url, modules }: a picture and
// its modules, the quiet zone included), it ends in «Играй на телефон» and the code, half a
// millimetre a module and 4 to 8 cm a side.
function worksheet(exercise, code) {
  const { rows } = exercise;
  const sheet = [element("h1", trimmed(exercise.title))];
  for (const paragraph of exercise.instructions.length > 0 ? exercise.instructions : paperInstructions) {
    sheet.push(element("p", trimmed(paragraph)));
  }
  sheet.push(element("h2", "Думи"), sheetTable([["Дума", 100]], rows.words.map((word) => [trimmed(word)])));
  sheet.push(
    element("h2", "Пояснения"),
    sheetTable(
      [
        ["Кутийка", 12],
        ["Пояснение", 88],
      ],
      rows.explanations.map((_, row) => [boxNumber(rows.explanationKeys[row]), explanationOf(exercise, row)]),
      [0],
    ),
  );
  // The boxes, ten to a row, each with its number at its top and room below for a letter.
  sheet.push(element("h2", "Отговор"), element("p", "Първата буква на всяка дума отива в кутийката с номера на нейното пояснение."));
  const boxes = element("table", undefined, { class: "boxes" });
  for (let first = 0; first < rows.words.length; first += boxesPerRow) {
    const numbers = boxes.insertRow();
    for (let box = first; box < Math.min(first + boxesPerRow, rows.words.length); ++box) {
      const cell = element("td", undefined, { class: "box" });
      cell.append(element("small", String(box + 1)));
      numbers.append(cell);
    }
  }
  sheet.push(boxes);
  if (code) {
    const image = element("img", undefined, { src: code.url, alt: "QR код на връзката", class: "sheet-code" });
    image.style.width = `${Math.min(Math.max(code.modules * 0.05, 4), 8)}cm`;
    sheet.push(element("h2", "Играй на телефон"), element("p", "Снимай кода с телефона си."), image);
  }
  return sheet;
}

function answerKey(exercise) {
  const { rows } = exercise;
  const answer = element("p");
  answer.append(element("b", "Отговор:"), ` ${trimmed(exercise.answer)}`);
  // Box k holds the first letter of the word whose key is k; its explanation has the same key.
  const pairs = rows.words.map((_, box) => {
    const word = rows.words[rows.wordKeys.findIndex((key) => Number.parseInt(key, 10) === box)] ?? "";
    const explanation = explanationOf(exercise, rows.explanationKeys.findIndex((key) => Number.parseInt(key, 10) === box));
    return [String(box + 1), trimmed(firstCharacter(word)), trimmed(word), explanation];
  });
  const head = [
    ["Кутийка", 12],
    ["Буква", 10],
    ["Дума", 23],
    ["Пояснение", 55],
  ];
  return [element("h1", `${trimmed(exercise.title)} — отговори`), answer, sheetTable(head, pairs, [0, 1])];
}

// The crossword on paper, or `filled` in for the teacher: a row for each letter of the answer with
// its number, its explanation and a box for each letter of its word, the first boxes in one shaded
// column. Boxes of 7 mm, smaller where the longest row would not fit.
function crosswordSheet(exercise, filled) {
  const { rows } = exercise;
  const keyed = (texts, keys) => texts.map((text, row) => ({ key: Number.parseInt(keys[row], 10), text, picture: row }));
  const lines = crosswordRows({ words: keyed(rows.words, rows.wordKeys), explanations: keyed(rows.explanations, rows.explanationKeys) });
  const { lead, count } = crosswordColumns(lines);
  const sheet = [element("h1", `${trimmed(exercise.title)} — кръстословица${filled ? ", отговори" : ""}`)];
  if (filled) {
    const answer = element("p");
    answer.append(element("b", "Отговор:"), ` ${trimmed(exercise.answer)}`);
    sheet.push(answer);
  } else {
    sheet.push(...crosswordInstructions.map((paragraph) => element("p", paragraph)));
  }
  const cells = lines.map((line) => {
    const boxes = element("div", undefined, { class: "crossword-boxes" });
    boxes.style.setProperty("--side", `${Math.min(7, 148 / count).toFixed(2)}mm`);
    boxes.append(
      ...Array.from({ length: lead - line.lead }, () => element("span")),
      ...line.cells.map((cell, index) => {
        if (!cell.box) {
          return element("span", cell.text, { class: "apart" });
        }
        return element("span", filled ? cell.text : "", { class: index === line.lead ? "box key" : "box" });
      }),
    );
    const explanation = document.createDocumentFragment();
    explanation.append(explanationOf(exercise, line.picture), boxes);
    return [String(line.number), explanation];
  });
  const table = sheetTable(
    [
      ["Ред", 8],
      ["Пояснение", 92],
    ],
    cells,
    [0],
  );
  table.classList.add("crossword");
  return [...sheet, table];
}
