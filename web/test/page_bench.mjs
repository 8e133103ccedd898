// Particles per second of Start in the page, with tracks hidden and shown, at
// the settings of the window's benchmark (bench/window_bench.cpp): 50 keV,
// 1000 µT, the narrowest slit. A benchmark, not a test: it only reports.
//   VANTOR_PAGE  the page (build-web/vantor.html)

import fs from "node:fs";
import os from "node:os";
import path from "node:path";
import { pathToFileURL } from "node:url";
import puppeteer from "puppeteer-core";

const pageUrl = pathToFileURL(path.resolve(process.env.VANTOR_PAGE ?? "../build-web/vantor.html")).href;
const profile = fs.mkdtempSync(path.join(os.tmpdir(), "vantor-chromium-"));
const browser = await puppeteer.launch({
  executablePath: process.env.CHROMIUM ?? "/usr/bin/chromium",
  userDataDir: profile,
  args: ["--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
         "--disable-background-networking", "--disable-component-update", "--disable-sync"],
});

async function rate(particles, tracksShown) {
  const page = await browser.newPage();
  await page.setViewport({ width: 1366, height: 768 });
  await page.goto(pageUrl);
  await page.waitForSelector("body[data-ready=true]", { timeout: 30000 });
  const seconds = await page.evaluate(async (particles, tracksShown) => {
    const set = (id, text) => {
      const box = document.getElementById(id);
      box.value = text;
      box.dispatchEvent(new Event("input"));
      box.dispatchEvent(new KeyboardEvent("keydown", { key: "Enter" }));
    };
    set("BField", "1000");
    set("Edit7", "50");
    set("Edit6", String(particles));
    document.getElementById("CheckBox1").click();
    if (!tracksShown) document.getElementById("CheckBox4").click();
    await new Promise((resolve) => setTimeout(resolve, 100));
    const started = performance.now();
    document.getElementById("Button3").click();
    await new Promise((resolve) => {
      const check = () => document.getElementById("Button4").textContent === "Folytatás" ? resolve() : setTimeout(check, 5);
      check();
    });
    return (performance.now() - started) / 1000;
  }, particles, tracksShown);
  await page.close();
  return particles / seconds;
}

const hidden = await rate(200000, false);
const shown = await rate(50000, true);
console.log(`page, tracks hidden: ${Math.round(hidden)} particles/s`);
console.log(`page, tracks shown:  ${Math.round(shown)} particles/s`);
await browser.close();
fs.rmSync(profile, { recursive: true, force: true });
