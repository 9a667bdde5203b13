#!/usr/bin/env node
// SPDX-FileCopyrightText: 2026 The acronym authors
// SPDX-License-Identifier: MIT
//
// How long a keystroke takes in the editor's page with a puzzle of nine pictures, for each of 20
// letters typed into «Пояснение 5», in Debian's Chromium with its processor slowed down six
// times, as a school's slow laptop is: the page's own work (from the typed text's input event to
// the page laid out anew after all that it changed), and the whole (from the key's event, so with
// the browser's own editing of the field, which any page pays). Prints the medians and the
// slowest. Run after a build, with the web tests' packages installed (scripts/setup test):
//
//     node bench/editor_keystroke.mjs [--build build/default] [--pictures FOLDER] [--slowdown 6]
//
// FOLDER holds pictured.acronym and its pictures; by default bench/pictured_puzzle draws nine
// 1024 × 768 JPEGs with a camera's grain, about 270 KiB each, as a phone's photos are.
import { execFileSync } from "node:child_process";
import { mkdtempSync, readdirSync } from "node:fs";
import { createRequire } from "node:module";
import { tmpdir } from "node:os";
import { join, resolve } from "node:path";
import { parseArgs } from "node:util";

const root = new URL("../", import.meta.url).pathname;
const puppeteer = createRequire(join(root, "tests/web/package.json"))("puppeteer-core");
const { values: options } = parseArgs({ options: { build: { type: "string", default: "build/default" }, pictures: { type: "string" }, slowdown: { type: "string", default: "6" } } });
const build = resolve(root, options.build);

const folder = mkdtempSync(join(tmpdir(), "acronym-keystroke-"));
const pictures = options.pictures ?? join(folder, "pictures");
if (!options.pictures) {
  execFileSync(join(build, "bench/pictured_puzzle"), [pictures, "--format", "jpeg", "--grain"]);
}
const page = join(folder, "editor.html");
execFileSync(join(build, "app/acronym"), ["--html-editor", page]);

const browser = await puppeteer.launch({ executablePath: "/usr/bin/chromium", args: ["--no-sandbox", "--disable-gpu", "--no-first-run", "--disable-background-networking", "--disable-component-update"] });
try {
  const tab = await browser.newPage();
  await tab.setViewport({ width: 1366, height: 768 });
  await tab.goto(`file://${page}`);
  const chooser = tab.waitForFileChooser();
  await tab.click("#open");
  await (await chooser).accept(readdirSync(pictures).map((name) => join(pictures, name)));
  await tab.waitForFunction(() => document.querySelectorAll(".thumb:not([hidden])").length === 9 && document.getElementById("problem-count").textContent.startsWith("Няма"), { timeout: 60_000 });
  // Each key's times: from its input event, and from its key event, to the page laid out after
  // the input has been handled.
  await tab.evaluate(() => {
    window.keystrokes = [];
    let pressed = 0;
    let typed = 0;
    addEventListener("keydown", (event) => (pressed = event.timeStamp), true);
    addEventListener("input", () => (typed = performance.now()), true);
    document.addEventListener("input", () => {
      document.body.getBoundingClientRect();
      window.keystrokes.push([performance.now() - typed, performance.now() - pressed]);
    });
  });
  await tab.focus("::-p-aria(Пояснение 5)");
  await tab.emulateCPUThrottling(Number(options.slowdown));
  // One key at a time: the next is pressed once the page has handled the last and rested.
  for (const [typed, letter] of [..."abcdefghijklmnopqrst"].entries()) {
    await tab.keyboard.type(letter);
    await tab.waitForFunction((typed) => window.keystrokes.length > typed, { timeout: 120_000 }, typed);
    await new Promise((done) => setTimeout(done, 500));
  }
  await tab.emulateCPUThrottling(1);
  const keystrokes = await tab.evaluate(() => window.keystrokes);
  const report = (which) => {
    const times = keystrokes.map((times) => times[which]).sort((a, b) => a - b);
    return `median ${((times[times.length / 2 - 1] + times[times.length / 2]) / 2).toFixed(1)} ms, slowest ${times.at(-1).toFixed(1)} ms`;
  };
  console.log(`keystroke in «Пояснение 5», ${keystrokes.length} letters, ${options.slowdown}x slower`);
  console.log(`  the page's work:      ${report(0)}`);
  console.log(`  from the key's event: ${report(1)}`);
} finally {
  await browser.close();
}
