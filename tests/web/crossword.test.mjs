// SPDX-FileCopyrightText: 2026 The acronym authors
// SPDX-License-Identifier: MIT

// The crossword on the game's page: the shared table of crosswords (../games/crosswords.json)
// played by the page's own rules, then whole games by the keyboard alone and on a phone.
import assert from "node:assert/strict";
import { writeFileSync } from "node:fs";
import { join } from "node:path";
import { test } from "node:test";
import { acronym, folder, open, root, sideways, table, violations } from "./browser.mjs";

const crosswords = table("games/crosswords.json");

function pageOf(puzzle, name) {
  const page = join(folder, name);
  acronym([...(puzzle ? [join(root, "tests/games", puzzle)] : []), "--html", page]);
  return page;
}

test("makes and plays the shared crosswords by the page's rules", async () => {
  for (const game of crosswords.games) {
    const { tab } = await open(pageOf(game.puzzle, "table.html"));
    const seen = await tab.evaluate(
      (steps, words) => {
        const rowOf = (word) => crosswordRows({ words: [{ text: word, key: 0 }], explanations: [] })[0];
        const rows = words.map((word) => ({ cells: rowOf(word).cells.map((cell) => (cell.box ? "□" : cell.text)).join(""), lead: rowOf(word).lead }));
        const played = new CrosswordGame(crosswordRows(JSON.parse(document.getElementById("exercise").textContent)));
        return {
          rows,
          steps: steps.map((step) => {
            const row = (step.type?.[0] ?? step.hint) - 1;
            let outcome = { verdict: "none", said: "" };
            if (step.type) outcome = played.type(row, step.type[1]);
            else if (step.hint) outcome = played.hint(row);
            else played.resume(step.resume, step.wrongTries);
            const entered = step.entered && { entered: played.entered[row].map((letter) => letter || "_").join("") };
            return { ...outcome, keys: played.keyColumn().map((letter) => letter || " ").join(""), wrongTries: played.wrongTries, finished: played.finished(), ...entered };
          }),
        };
      },
      game.steps,
      crosswords.rows.map((row) => row.word),
    );
    assert.deepEqual(seen.rows, crosswords.rows.map(({ cells, lead }) => ({ cells, lead })));
    const expected = game.steps.map((step) => ({ verdict: step.verdict, said: step.said ?? "", keys: step.keys, wrongTries: step.wrongTries, finished: Boolean(step.finished), ...(step.entered && { entered: step.entered }) }));
    assert.deepEqual(seen.steps, expected, game.name);
    await tab.close();
  }
});

// The built-in puzzle's words, in the order of the answer's letters.
const words = ["хазари", "Аспарух", "нобили", "таран", "Евридика", "рицар", "византийци", "Елена", "Лакедемон"];

test("plays the built-in crossword by the keyboard alone, to a result line that checks", async () => {
  const { tab, trouble } = await open(pageOf("", "crossword.html"));
  await tab.evaluate(() => {
    window.heard = [];
    new MutationObserver(() => window.heard.push(document.getElementById("cw-said").textContent)).observe(document.getElementById("cw-said"), { childList: true });
  });
  // The choice of game comes first in the page; the first row's field after it.
  await tab.keyboard.press("Tab");
  await tab.keyboard.press("Tab");
  await tab.keyboard.press("Enter");
  assert.deepEqual(await tab.evaluate(() => [document.getElementById("matching").hidden, document.getElementById("crossword").hidden]), [true, false]);
  assert.deepEqual(await violations(tab), []);
  await tab.keyboard.press("Tab");
  assert.equal(await tab.evaluate(() => document.activeElement.getAttribute("aria-label")), "Дума 1: полуномадска народност, севернокавказки произход, 6 букви");
  await tab.keyboard.type("хазарр");
  await tab.keyboard.press("Backspace");
  await tab.keyboard.type("и");
  for (const word of words.slice(1)) {
    await tab.keyboard.press("ArrowDown");
    await tab.keyboard.type(word.toLowerCase());
  }
  assert.equal(await tab.$eval("#cw-key", (key) => key.textContent), "Отговорът: х А н т Е р в Е Л");
  assert.deepEqual(await tab.evaluate(() => window.heard), ["Ред 1: думата не е вярна.", ...words.map((word, row) => `${word}: буква ${word[0]}, ${row + 1} от 9`)]);
  assert.equal(await tab.$eval("#done-text", (end) => end.textContent), "Браво! Акронимът е готов: «хан Тервел».\nГрешни опити: 1.");
  await tab.type("#send-name", "Мария Иванова");
  const line = await tab.$eval("#send-line", (shown) => shown.textContent);
  writeFileSync(join(folder, "crossword.txt"), `${line}\n`);
  assert.match(acronym(["--results", join(folder, "crossword.txt")]), /\nМария Иванова +История - акроним +Кръстословица +9 от 9 +1 +90 .* вярна\n$/);
  await tab.keyboard.press("Escape");
  assert.deepEqual(await violations(tab), []);
  assert.deepEqual(trouble, []);
  await tab.close();
});

test("fits a phone: words with blanks, a hyphen and twenty letters, and a hint", async () => {
  const { tab, trouble } = await open(pageOf("crossword.acronym", "phone.html"), { viewport: { width: 360, height: 640, hasTouch: true, isMobile: true } });
  await tab.tap("#show-crossword");
  const rows = await tab.$$eval("#cw-rows li", (items) =>
    items.map((item) => ({
      boxes: item.querySelectorAll(".cw-box").length,
      shown: [...item.querySelectorAll(".cw-cell")].map((cell) => cell.textContent).join(""),
      right: Math.max(...[...item.querySelectorAll(".cw-box")].map((box) => box.getBoundingClientRect().right)),
    })),
  );
  assert.deepEqual(rows.map(({ boxes, shown }) => [boxes, shown]), [[13, " "], [14, " "], [12, " "], [14, " "], [20, " "], [5, ""], [19, "- "]]);
  assert.ok(rows.every((row) => row.right <= 360), JSON.stringify(rows));
  assert.equal(await sideways(tab), 0);
  // A blank and a hyphen are passed over: the letters alone solve the row.
  await tab.tap("#cw-field-7");
  await tab.keyboard.type("гръкоперсийскивойни");
  assert.equal(await tab.$eval("#cw-said", (said) => said.textContent), "Гръко-персийски войни: буква Г, 7 от 7");
  await tab.tap("#cw-field-4");
  await tab.tap("#cw-hint");
  assert.deepEqual(await tab.evaluate(() => [document.querySelector("#cw-rows li:nth-child(4) .cw-box").textContent, document.getElementById("cw-said").textContent, document.activeElement.id]), ["Р", "Ред 4: буква 1 е «Р».", "cw-field-4"]);
  assert.deepEqual(trouble, []);
  await tab.close();
});
