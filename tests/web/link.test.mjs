// SPDX-FileCopyrightText: 2026 The acronym authors
// SPDX-License-Identifier: MIT

// Links that carry a puzzle: the program's and the editor page's, which must carry the shared
// table's texts, played by the player's page served over loopback HTTP, whose server must never see
// the puzzle; the links that the player refuses, each with its reason.
import assert from "node:assert/strict";
import { execFileSync, spawnSync } from "node:child_process";
import { readFileSync, writeFileSync } from "node:fs";
import { createServer } from "node:http";
import { join } from "node:path";
import { after, test } from "node:test";
import { acronym, board, drawnIn, folder, mouse, newContext, open, program, root, sideways, table, violations } from "./browser.mjs";

const links = table("web/puzzle_links.json");
// The player's page served over loopback HTTP, and what its server was asked for.
acronym(["--html-player", join(folder, "player.html")]);
const served = [];
const server = createServer((request, response) => {
  served.push(request.url);
  response.writeHead(200, { "Content-Type": "text/html; charset=utf-8" });
  response.end(readFileSync(join(folder, "player.html")));
});
await new Promise((listening) => server.listen(0, "127.0.0.1", listening));
const player = `http://127.0.0.1:${server.address().port}/player.html`;
after(() => server.close());

// The player's page at `link`, with every request besides its own noted, once it has either
// played its puzzle or said why not, within `timeout` milliseconds.
async function playerAt(link, timeout = 5000) {
  const { context } = await newContext();
  const tab = await context.newPage();
  const trouble = [];
  tab.on("request", (request) => request.url() !== link && !request.url().startsWith("data:") && trouble.push(`request ${request.url()}`));
  tab.on("console", (message) => message.type() === "error" && trouble.push(message.text()));
  tab.on("pageerror", (error) => trouble.push(error.message));
  await tab.setViewport({ width: 1000, height: 800 });
  await tab.goto(link);
  await tab.waitForFunction(() => document.querySelectorAll("#words [role=option]").length > 0 || !document.getElementById("link-problem").hidden, { timeout });
  return { tab, trouble };
}

// The editor's page, where the pages' writer of links lives.
async function editorTab() {
  acronym(["--html-editor", join(folder, "link-editor.html")]);
  return (await open(join(folder, "link-editor.html"))).tab;
}

test("carries the shared texts in the program's links and the editor page's, and the player plays both", async () => {
  const editor = await editorTab();
  for (const puzzle of links.links) {
    const pictures = await drawnIn(editor, puzzle.files);
    for (const [name, bytes] of Object.entries(pictures)) writeFileSync(join(folder, name), bytes);
    const path = puzzle.file ? join(root, puzzle.file) : join(folder, "linked.acronym");
    if (!puzzle.file) writeFileSync(path, puzzle.text);
    const run = spawnSync(program, [path, "--link", "--player", player], { encoding: "utf8", env: { ...process.env, LANG: "bg_BG.UTF-8" } });
    const programs = run.stdout.trim();
    // A puzzle with pictures is told that they stay out.
    assert.equal(run.stderr.includes("Картините не влизат във връзката."), Boolean(puzzle.files), puzzle.name);
    const { text, pages, exercise } = await editor.evaluate(
      async (bytes, pictures, player) => {
        const files = new Map(Object.entries(pictures).map(([name, picture]) => [name, Uint8Array.from(atob(picture), (character) => character.charCodeAt(0))]));
        const { exercise } = parsePuzzle(Uint8Array.from(bytes), "p.acronym", files);
        const text = linkText(exercise);
        return { text, pages: await puzzleLink(player, text), exercise: { title: exercise.title, words: exercise.rows.words } };
      },
      [...readFileSync(path)],
      Object.fromEntries(Object.entries(pictures).map(([name, picture]) => [name, picture.toString("base64")])),
      player,
    );
    assert.equal(text, puzzle.carries, `${puzzle.name}: the page's text`);
    for (const link of [programs, pages]) {
      const carried = await editor.evaluate(async (link) => new TextDecoder().decode(await linkedBytes(link.slice(link.indexOf("#") + 1))), link);
      assert.equal(carried, puzzle.carries, `${puzzle.name}: ${link === pages ? "the page's" : "the program's"} link`);
      const { tab, trouble } = await playerAt(link);
      const shown = await tab.evaluate(() => ({ title: document.querySelector("h1").textContent, words: [...document.querySelectorAll("#words [role=option]")].map((row) => row.textContent) }));
      assert.deepEqual(shown, { title: exercise.title, words: exercise.words }, puzzle.name);
      assert.deepEqual(trouble, [], puzzle.name);
      await tab.close();
    }
  }
  assert.ok(served.length > 0 && served.every((url) => url === "/player.html"), `${served}`);
  await editor.close();
});

test("writes QR codes that hold exactly the link: a picture, a drawing, and the worksheet's", async () => {
  const khan = join(root, "puzzles/khan.acronym");
  const link = acronym([khan, "--link", "--player", player]);
  acronym([khan, "--player", player, "--qr", join(folder, "qr.png")]);
  acronym([khan, "--player", player, "--qr", join(folder, "qr.svg")]);
  // zbarimg reads pictures: the drawing is shown by the browser first.
  const { context } = await newContext();
  const tab = await context.newPage();
  await tab.setViewport({ width: 900, height: 900 });
  await tab.setContent(`<img src="data:image/svg+xml;base64,${readFileSync(join(folder, "qr.svg")).toString("base64")}" style="width:900px">`);
  await tab.screenshot({ path: join(folder, "qr-drawn.png") });
  await tab.close();
  // The worksheet ends in the code when the teacher asks for it, on the page that it ends.
  acronym([khan, "--player", player, "--worksheet", join(folder, "coded.pdf"), "--worksheet-qr"]);
  execFileSync("pdftoppm", ["-r", "300", "-f", "2", "-l", "2", "-png", "-singlefile", join(folder, "coded.pdf"), join(folder, "coded")]);
  for (const picture of ["qr.png", "qr-drawn.png", "coded.png"]) {
    assert.equal(execFileSync("zbarimg", ["--quiet", "--raw", join(folder, picture)], { encoding: "utf8" }), link, picture);
  }
});

test("gives the puzzle being made in the editor's page as a link whose QR code carries what «Запази файла» saves, less comments and pictures", async () => {
  const puzzle = links.links.find((puzzle) => puzzle.files);
  acronym(["--html-editor", join(folder, "share-editor.html")]);
  const { tab, trouble, downloads } = await open(join(folder, "share-editor.html"));
  for (const [name, bytes] of Object.entries(await drawnIn(tab, puzzle.files))) writeFileSync(join(folder, name), bytes);
  writeFileSync(join(folder, "shared.acronym"), puzzle.text);
  const chooser = tab.waitForFileChooser();
  await tab.click("#open");
  await (await chooser).accept([join(folder, "shared.acronym"), ...Object.keys(puzzle.files).map((name) => join(folder, name))]);
  await tab.waitForFunction(() => document.getElementById("problem-count").textContent.startsWith("Няма"));
  const saving = downloads.next();
  await tab.click("#save");
  const saved = (await saving).bytes.toString("utf8");
  await tab.click("#share-open");
  await tab.waitForFunction(() => document.querySelector("#qr img")?.complete);
  assert.equal(await tab.$eval("#share-pictures", (note) => note.hidden), false);
  await (await tab.$("#qr img")).screenshot({ path: join(folder, "editor-qr.png") });
  const link = execFileSync("zbarimg", ["--quiet", "--raw", join(folder, "editor-qr.png")], { encoding: "utf8" }).trim();
  const carried = await tab.evaluate(async (link) => new TextDecoder().decode(await linkedBytes(link.slice(link.indexOf("#") + 1))), link);
  assert.equal(carried, saved.split("\n").filter((line) => !/^(#|картина:)/.test(line)).join("\n"));
  assert.deepEqual([await violations(tab), trouble], [[], []]);
  await tab.close();
});

test("says why it cannot play a link, within a second, and shows nothing else", async () => {
  const editor = await editorTab();
  for (const refused of links.refused) {
    const fragment = await editor.evaluate(async (refused, khan) => {
      const packed = async (text) => (await puzzleLink("", text)).slice(1);
      if (refused.fragment) return refused.fragment;
      if (refused.text) return packed(refused.text);
      if (refused.inflates) return packed("#".repeat(refused.inflates));
      const whole = await packed(khan);
      return whole.slice(0, whole.length / 2);
    }, refused, readFileSync(join(root, "puzzles/khan.acronym"), "utf8"));
    const { tab, trouble } = await playerAt(`${player}#${fragment}`, 1000);
    const shown = await tab.evaluate(() => [document.getElementById("link-problem").textContent, document.querySelector("main").hidden]);
    assert.deepEqual(shown, [refused.says, true], refused.name);
    assert.deepEqual(trouble, [], refused.name);
    await tab.close();
  }
  await editor.close();
});

test("plays a link to its end, and its result line is the --html page's, which the program reads as checking", async () => {
  const khan = join(root, "puzzles/khan.acronym");
  const link = acronym([khan, "--link", "--player", player]).trim();
  const { tab, trouble } = await playerAt(link);
  await tab.evaluateOnNewDocument(() => Object.defineProperty(navigator, "clipboard", { value: { writeText: async (text) => (window.copied = text) } }));
  await tab.reload();
  await tab.waitForSelector("#words [role=option]");
  const pairs = readFileSync(khan, "utf8").split("\n").filter((line) => !line.startsWith("#") && / = /.test(line)).map((line) => line.split(" = ").map((text) => text.trim()));
  for (const [word, explanation] of pairs) {
    await mouse.select(tab, "words", word);
    await mouse.select(tab, "explanations", explanation);
    await mouse.press(tab, "choose");
  }
  assert.equal((await board(tab)).rows, 0);
  await tab.type("#send-name", "Иван Петров");
  await tab.click("#send-result");
  const line = await tab.evaluate(() => window.copied);
  writeFileSync(join(folder, "from-link.txt"), `${line}\n`);
  assert.match(acronym(["--results", join(folder, "from-link.txt")]), / вярна\n$/);
  acronym([khan, "--html", join(folder, "khan.html")]);
  const page = await open(join(folder, "khan.html"));
  assert.equal(line.split(" | ")[6], await page.tab.evaluate(() => packageIdentifier(document.getElementById("exercise").textContent)));
  await page.tab.close();
  assert.deepEqual([await violations(tab), trouble], [[], []]);
  await tab.setViewport({ width: 360, height: 640 });
  assert.equal(await sideways(tab), 0);
  await tab.close();
});
