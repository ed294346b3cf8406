// Writes apca.json beside this script: apca-w3's lightness contrast (Lc) for the text and
// background pairs that tst_contrast checks against, so the test needs no network.
//
//   npm install --prefix /tmp/apca apca-w3@0.1.9
//   node tests/data/colour/make-apca.mjs /tmp/apca
import { createRequire } from "node:module";
import { readFileSync, writeFileSync } from "node:fs";
import { dirname, join, resolve } from "node:path";
import { fileURLToPath } from "node:url";

const prefix = process.argv[2];
if (!prefix) {
    console.error("usage: node make-apca.mjs <npm prefix holding apca-w3>");
    process.exit(2);
}
const require = createRequire(join(resolve(prefix), "package.json"));
const { APCAcontrast, sRGBtoY } = require("apca-w3");
const version = JSON.parse(
    readFileSync(join(resolve(prefix), "node_modules", "apca-w3", "package.json"), "utf8")).version;

// Text on background: both polarities, pairs near the readings' thresholds, colours in the
// dark soft clamp, and pairs too close to tell apart.
const pairs = [
    ["#000000", "#ffffff"], ["#ffffff", "#000000"], ["#888888", "#ffffff"],
    ["#ffffff", "#888888"], ["#767676", "#ffffff"], ["#595959", "#ffffff"],
    ["#1e3a8a", "#f8fafc"], ["#f8fafc", "#1e3a8a"], ["#e91e63", "#ffffff"],
    ["#ffff00", "#000000"], ["#0000ff", "#000000"], ["#050505", "#0a0a0a"],
    ["#101010", "#303030"], ["#777777", "#787878"], ["#123456", "#123456"],
    ["#3366cc", "#c0ffee"], ["#ff7f50", "#2f4f4f"], ["#aaaaaa", "#ffffff"],
];
const rgb = (hex) => [1, 3, 5].map((i) => parseInt(hex.slice(i, i + 2), 16));
const out = {
    generator: `apca-w3 ${version}`,
    lc: pairs.map(([text, background]) => ({
        text, background, lc: APCAcontrast(sRGBtoY(rgb(text)), sRGBtoY(rgb(background))),
    })),
};
writeFileSync(join(dirname(fileURLToPath(import.meta.url)), "apca.json"),
    JSON.stringify(out, null, 1) + "\n");
