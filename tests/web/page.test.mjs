// SPDX-FileCopyrightText: 2026 The acronym authors
// SPDX-License-Identifier: MIT

// Plays the page that `acronym --html` writes in headless Chromium, by the games that the window
// plays too (../games/games.json). ACRONYM names the program; build/default's by default.
import assert from "node:assert/strict";
import { execFileSync } from "node:child_process";
import { readFileSync, statSync, writeFileSync } from "node:fs";
import { join, resolve } from "node:path";
import { test } from "node:test";
import { acronym, assertSealed, board, drawnIn, folder, mouse, open, root, sideways, table, violations } from "./browser.mjs";

const games = table("games/games.json");

// Writes the page of a puzzle file (the built-in puzzle without one); returns its path.
function pageOf(puzzle, name = "built-in.html") {
  const page = join(folder, name);
  acronym([...(puzzle ? [puzzle] : []), "--html", page]);
  return page;
}

// Selects a row by keyboard from its list's Tab stop: Home, then Down to it.
const keyboard = {
  async select(tab, list, text) {
    await tabTo(tab, list);
    const texts = await tab.$$eval(`#${list} [role=option]`, (rows) => rows.map((row) => row.textContent));
    await tab.keyboard.press("Home");
    for (let row = 0; row < texts.indexOf(text); ++row) await tab.keyboard.press("ArrowDown");
  },
  async press(tab, id) {
    await tabTo(tab, id);
    await tab.keyboard.press(id === "choose" ? "Enter" : " ");
  },
  closeEnd: (tab) => tab.keyboard.press("Escape"),
};

// Tab stops: the two lists, «Избрах», the slots and «Чисти», in that order. Tab goes on to a
// stop further down and Shift+Tab back to one above, so that the focus never leaves the page for
// the browser's own controls, which Firefox would keep it in.
const stops = ["words", "explanations", "choose", "slots", "reset"];
async function tabTo(tab, id) {
  for (let presses = 0; presses < stops.length; ++presses) {
    const at = stops.indexOf(await tab.evaluate(() => document.activeElement.id));
    if (stops[at] === id) return;
    const back = at > stops.indexOf(id);
    if (back) await tab.keyboard.down("Shift");
    await tab.keyboard.press("Tab");
    if (back) await tab.keyboard.up("Shift");
  }
  assert.fail(`Tab never reaches #${id}`);
}

async function playTable(player) {
  for (const game of games.games) {
    const { tab, trouble } = await open(pageOf(game.puzzle && join(root, "tests/games", game.puzzle), "game.html"));
    let said = "";
    for (const [index, step] of game.steps.entries()) {
      if (step.reset) {
        await player.press(tab, "reset");
        said = "";
      } else {
        await player.select(tab, "words", step.choose[0]);
        await player.select(tab, "explanations", step.choose[1]);
        await player.press(tab, "choose");
        said = step.said ?? said;
      }
      const end = await tab.$eval("#done", (done) => done.open && done.querySelector("p").textContent);
      assert.equal(end, step.rows === 0 && game.end, `${game.name}, step ${index + 1}: the message at the end`);
      if (end) await player.closeEnd(tab);
      assert.deepEqual(await board(tab), { slots: step.slots, rows: step.rows, selected: 0, said }, `${game.name}, step ${index + 1}`);
    }
    await player.press(tab, "reset");
    assert.equal((await board(tab)).rows, game.steps[0].rows, `${game.name}: «Чисти» brings every row back`);
    assert.deepEqual(trouble, [], game.name);
    await tab.close();
  }
}

test("plays the games with the mouse", () => playTable(mouse));
test("plays the games with the keyboard alone", () => playTable(keyboard));

test("is one small, Bulgarian page that loads nothing and shows the teacher's texts as written", async () => {
  const texts = (tab) => tab.evaluate(() => [document.querySelector("h1"), ...document.querySelectorAll("#instructions p")].map((node) => node.textContent));
  const cases = [
    { puzzle: "", size: 40, shows: ["История - акроним"] },
    { puzzle: "tests/games/markup.acronym", size: 40, shows: ["<img src=x onerror=alert(1)> &amp; @TITLE@", "</script><script>alert(2)</script>"] },
    { puzzle: "tests/app/windows_1251.txt", size: 40, shows: ["Първите български столици", "Свържи всяка столица с нейното описание."] },
    { puzzle: join(folder, "forty.txt"), size: 64, shows: ["Акроним"] },
  ];
  const pairs = Array.from({ length: 40 }, (_, pair) => `дума ${pair} от едно дълго изречение = пояснение ${pair}, ${"достатъчно дълго, за да заеме два реда. ".repeat(3)}`);
  writeFileSync(join(folder, "forty.txt"), pairs.join("\n"));
  for (const { puzzle, size, shows } of cases) {
    const path = pageOf(puzzle && resolve(root, puzzle), "texts.html");
    const html = readFileSync(path, "utf8");
    assert.ok(statSync(path).size < size * 1024, `${puzzle}: ${statSync(path).size} bytes`);
    assertSealed(html);
    const { tab, trouble } = await open(path);
    assert.deepEqual((await texts(tab)).slice(0, shows.length), shows, puzzle);
    assert.equal(await tab.$$eval("img:not(#picture-image), b", (nodes) => nodes.length), 0, puzzle);
    assert.deepEqual(trouble, [], puzzle);
    await tab.close();
  }
});

test("fits a phone: no sideways scroll, and rows and buttons a finger can hit", async () => {
  const { tab } = await open(pageOf(""), { viewport: { width: 360, height: 640, hasTouch: true, isMobile: true } });
  assert.equal(await sideways(tab), 0);
  const low = await tab.$$eval("[role=option], button:not(dialog button, [hidden])", (nodes) =>
    nodes.filter((node) => node.getClientRects().length > 0 && node.getBoundingClientRect().height < 44).map((node) => node.textContent),
  );
  assert.deepEqual(low, []);
  await tab.tap("#words [role=option]");
  assert.equal(await tab.$eval("#words [aria-selected=true]", (row) => row.textContent), "Аспарух");
  await tab.close();
});

test("axe-core finds no WCAG 2.1 AA violation, before a game and during it", async () => {
  const { tab } = await open(pageOf(""));
  assert.deepEqual(await violations(tab), []);
  await mouse.select(tab, "words", "таран");
  await tab.focus("#words");
  assert.deepEqual(await violations(tab), []);
  await tab.close();
});

test("shows a puzzle's pictures from inside itself, the chosen one large, and plays it to its end", async () => {
  acronym(["--html-editor", join(folder, "editor.html")]);
  const drawing = await open(join(folder, "editor.html"));
  const pictures = await drawnIn(drawing.tab, { "ram.jpg": { draw: "jpeg", turned: 6 }, "coin.png": { draw: "png" }, "rider.webp": { draw: "webp" } });
  await drawing.tab.close();
  for (const [name, bytes] of Object.entries(pictures)) writeFileSync(join(folder, name), bytes);
  const puzzle = join(folder, "pictures.acronym");
  writeFileSync(puzzle, "таран = стенобойна машина\nкартина: ram.jpg\nмонета = пари от метал\nкартина: coin.png\nконник = релефът от Мадара\nкартина: rider.webp\nщит = защита в бой\n");
  const { tab, trouble } = await open(pageOf(puzzle, "pictures.html"));
  assertSealed(readFileSync(join(folder, "pictures.html"), "utf8"));
  const thumbs = await tab.$$eval("#explanations img", (images) => images.map((image) => [image.alt, image.complete && image.naturalWidth]));
  assert.deepEqual(thumbs, [["", 320], ["", 320], ["", 200]]);
  // Every text starts in one column: after a picture, a photo taken turned, or none.
  const starts = await tab.$$eval("#explanations [role=option]", (rows) =>
    rows.map((row) => {
      const text = document.createRange();
      text.selectNodeContents(row.lastChild);
      return Math.round(text.getBoundingClientRect().left);
    }),
  );
  assert.equal(new Set(starts).size, 1, `${starts}`);
  await mouse.select(tab, "explanations", "релефът от Мадара");
  const large = await tab.$eval("#picture-image", (image) => [image.naturalWidth, Math.max(image.getBoundingClientRect().width, image.getBoundingClientRect().height)]);
  assert.ok(large[0] === 320 && large[1] >= 200, `the chosen picture: ${large}`);
  await tab.screenshot({ path: join(folder, "pictures.png") });
  for (const [word, explanation] of [["конник", "релефът от Мадара"], ["монета", "пари от метал"], ["таран", "стенобойна машина"], ["щит", "защита в бой"]]) {
    await mouse.select(tab, "words", word);
    await mouse.select(tab, "explanations", explanation);
    await mouse.press(tab, "choose");
  }
  assert.equal(await tab.$eval("#done-text", (end) => end.textContent), "Браво! Акронимът е готов: «тмкщ».\nГрешни опити: 0.");
  await mouse.closeEnd(tab);
  assert.deepEqual([await violations(tab), trouble], [[], []]);
  // On a phone, the chosen picture and «Избрах» are in sight where the learner chose.
  await tab.setViewport({ width: 360, height: 640 });
  await mouse.press(tab, "reset");
  await mouse.select(tab, "explanations", "пари от метал");
  const [choose, shown] = await tab.evaluate(() => ["choose", "picture-image"].map((id) => document.getElementById(id).getBoundingClientRect().toJSON()));
  assert.ok(choose.top >= 0 && choose.bottom <= 640 && Math.min(shown.bottom, 640) - Math.max(shown.top, 0) >= 150, `«Избрах» ${choose.top}–${choose.bottom}, the picture ${shown.top}–${shown.bottom}`);
  assert.deepEqual([await sideways(tab), await violations(tab)], [0, []]);
  await tab.close();
});

test("ends a game that no LMS plays with a result line that checks, copied for the learner to send", async () => {
  const { tab, trouble } = await open(pageOf());
  await tab.evaluateOnNewDocument(() => Object.defineProperty(navigator, "clipboard", { value: { writeText: async (text) => (window.copied = text) } }));
  await tab.reload();
  for (const step of games.games[0].steps) {
    if (step.reset) {
      await mouse.press(tab, "reset");
      continue;
    }
    await mouse.select(tab, "words", step.choose[0]);
    await mouse.select(tab, "explanations", step.choose[1]);
    await mouse.press(tab, "choose");
  }
  assert.equal(await tab.$eval("#send", (send) => send.hidden), false);
  // Without a name nothing goes: the field says that it needs one, and takes the focus.
  await tab.click("#send-result");
  assert.deepEqual(await tab.evaluate(() => [document.activeElement.id, document.activeElement.getAttribute("aria-invalid"), window.copied ?? "none"]), ["send-name", "true", "none"]);
  await tab.keyboard.type("Иван Петров");
  await tab.keyboard.press("Tab");
  await tab.keyboard.press("Enter");
  await tab.waitForFunction(() => document.getElementById("send-said").textContent === "Копирано");
  assert.deepEqual(await violations(tab), []);
  const line = await tab.evaluate(() => window.copied);
  assert.match(line, /^Резултат: Иван Петров \| История - акроним \| 9 от 9, 1 грешка \| 90 от 100 \| \d+:\d\d \| \d\d\.\d\d\.\d{4} \d\d:\d\d \| (acronym-[0-9a-f]{8}) \| [0-9A-Z]{4}-[0-9A-Z]{4}$/);
  assert.equal(await tab.evaluate(() => localStorage.getItem("acronym.name.1")), "Иван Петров");
  // The program finds that it checks.
  writeFileSync(join(folder, "sent.txt"), `Иван: ${line}\n`);
  assert.match(acronym(["--results", join(folder, "sent.txt")]), /\n\S.* 90 .* вярна\n$/);
  assert.equal(await tab.$eval("#send-line", (shown) => shown.textContent), line);
  // Closed, the message comes back from «Резултат» until «Чисти».
  await tab.keyboard.press("Escape");
  await mouse.press(tab, "result");
  assert.deepEqual(await tab.evaluate(() => [document.getElementById("done").open, document.getElementById("send-line").textContent]), [true, line]);
  await tab.keyboard.press("Escape");
  await mouse.press(tab, "reset");
  assert.equal(await tab.$eval("#result", (result) => result.hidden), true);
  // The puzzle is named as its SCORM package is.
  acronym(["--scorm", join(folder, "package.zip")]);
  const manifest = execFileSync("unzip", ["-p", join(folder, "package.zip"), "imsmanifest.xml"], { encoding: "utf8" });
  assert.ok(manifest.includes(`identifier="${line.split(" | ")[6]}"`), line);
  assert.deepEqual(trouble, []);
  await tab.close();
});
