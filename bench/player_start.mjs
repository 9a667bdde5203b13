#!/usr/bin/env node
// SPDX-FileCopyrightText: 2026 The acronym authors
// SPDX-License-Identifier: MIT
//
// How long a link takes to become a board to play: the player's page served over loopback HTTP,
// opened at a link in Debian's Chromium on a phone's screen (360 × 640) with its processor slowed
// down four times, from the start of the navigation to the last word in its list. Prints the
// median and the slowest of 10 openings. Run after a build, with the web tests' packages
// installed (scripts/setup test):
//
//     node bench/player_start.mjs [--build build/default] [--puzzle FILE] [--slowdown 4]
import { execFileSync } from "node:child_process";
import { mkdtempSync, readFileSync } from "node:fs";
import { createServer } from "node:http";
import { createRequire } from "node:module";
import { tmpdir } from "node:os";
import { join, resolve } from "node:path";
import { parseArgs } from "node:util";

const root = new URL("../", import.meta.url).pathname;
const puppeteer = createRequire(join(root, "tests/web/package.json"))("puppeteer-core");
const { values: options } = parseArgs({ options: { build: { type: "string", default: "build/default" }, puzzle: { type: "string", default: join(root, "puzzles/khan.acronym") }, slowdown: { type: "string", default: "4" } } });
const program = join(resolve(root, options.build), "app/acronym");

const folder = mkdtempSync(join(tmpdir(), "acronym-player-"));
execFileSync(program, ["--html-player", join(folder, "player.html")]);
const server = createServer((request, response) => {
  response.writeHead(200, { "Content-Type": "text/html; charset=utf-8" });
  response.end(readFileSync(join(folder, "player.html")));
});
await new Promise((listening) => server.listen(0, "127.0.0.1", listening));
const link = execFileSync(program, [options.puzzle, "--link", "--player", `http://127.0.0.1:${server.address().port}/player.html`], { encoding: "utf8" }).trim();

const browser = await puppeteer.launch({ executablePath: "/usr/bin/chromium", args: ["--no-sandbox", "--disable-gpu", "--no-first-run", "--disable-background-networking", "--disable-component-update"] });
try {
  const times = [];
  for (let run = 0; run < 10; ++run) {
    const tab = await browser.newPage();
    await tab.setViewport({ width: 360, height: 640, isMobile: true, hasTouch: true });
    await tab.emulateCPUThrottling(Number(options.slowdown));
    await tab.goto(link);
    await tab.waitForFunction(() => document.querySelectorAll("#words [role=option]").length > 0);
    times.push(await tab.evaluate(() => performance.now()));
    await tab.close();
  }
  times.sort((a, b) => a - b);
  console.log(`from a link of ${link.length} characters to a board, ${options.slowdown}x slower, 360 × 640: median ${((times[4] + times[5]) / 2).toFixed(0)} ms, slowest ${times.at(-1).toFixed(0)} ms`);
} finally {
  await browser.close();
  server.close();
}
