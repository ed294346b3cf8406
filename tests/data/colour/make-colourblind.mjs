// Writes colourblind.json beside this script: protanopia, deuteranopia and tritanopia at
// severity 1.0 as Machado, Oliveira and Fernandes (2009) model them, for tst_colourblind.
//
//   npm install --prefix /tmp/culori culori
//   node tests/data/colour/make-colourblind.mjs /tmp/culori
//
// The matrices are culori's (its filterDeficiency* filters, read by filtering the three unit
// colours); they are applied to linear light, decoded and encoded by culori's lrgb conversion,
// and clamped to the gamut before encoding. culori's own filters multiply the encoded values,
// so their results are written too, for comparison only.
import { createRequire } from "node:module";
import { readFileSync, writeFileSync } from "node:fs";
import { dirname, join, resolve } from "node:path";
import { fileURLToPath } from "node:url";

const prefix = process.argv[2];
if (!prefix) {
    console.error("usage: node make-colourblind.mjs <npm prefix holding culori>");
    process.exit(2);
}
const require = createRequire(join(resolve(prefix), "package.json"));
const culori = require("culori");
const version = JSON.parse(readFileSync(
    join(resolve(prefix), "node_modules", "culori", "package.json"), "utf8")).version;

const filters = {
    protanopia: culori.filterDeficiencyProt(1),
    deuteranopia: culori.filterDeficiencyDeuter(1),
    tritanopia: culori.filterDeficiencyTrit(1),
};
const matrixOf = (filter) => {
    const columns = [[1, 0, 0], [0, 1, 0], [0, 0, 1]].map(([r, g, b]) =>
        filter({ mode: "rgb", r, g, b }));
    return ["r", "g", "b"].map((row) => columns.map((c) => c[row]));
};
const toLrgb = culori.converter("lrgb");
const toRgb = culori.converter("rgb");
const clamp = (v) => Math.min(1, Math.max(0, v));
const hex = ({ r, g, b }) =>
    "#" + [r, g, b].map((v) => Math.round(clamp(v) * 255).toString(16).padStart(2, "0")).join("");

// Primaries and secondaries, greys (unchanged), and colours that the three tell apart.
const colours = [
    "#ff0000", "#00ff00", "#0000ff", "#ffff00", "#00ffff", "#ff00ff", "#000000", "#ffffff",
    "#808080", "#e91e63", "#4169e1", "#663399", "#ff7f50", "#c0ffee", "#2f4f4f", "#228b22",
    "#ffa500", "#8b4513", "#010203", "#7f7f00",
];
const out = { generator: `culori ${version}`, simulations: [] };
for (const [name, filter] of Object.entries(filters)) {
    const m = matrixOf(filter);
    for (const colour of colours) {
        const { r, g, b } = toLrgb(culori.parse(colour));
        const [lr, lg, lb] = m.map(([x, y, z]) => clamp(x * r + y * g + z * b));
        out.simulations.push({
            deficiency: name, colour,
            linear: hex(toRgb({ mode: "lrgb", r: lr, g: lg, b: lb })),
            encoded: hex(filter(colour)),
        });
    }
}
writeFileSync(join(dirname(fileURLToPath(import.meta.url)), "colourblind.json"),
    JSON.stringify(out, null, 1) + "\n");
