// Writes names.json beside this script: for a spread of colours, the nearest colour name by
// colorjs.io's deltaEOK among the CSS names (colorjs.io's own keyword list) and the survey names
// of src/colour/xkcdnames.inc, with that distance, so tst_colournames checks against a search
// it did not make.
//
//   npm install --prefix /tmp/colorjs colorjs.io
//   node tests/data/colour/make-names.mjs /tmp/colorjs
import { createRequire } from "node:module";
import { readFileSync, writeFileSync } from "node:fs";
import { dirname, join, resolve } from "node:path";
import { fileURLToPath, pathToFileURL } from "node:url";

const prefix = process.argv[2];
if (!prefix) {
    console.error("usage: node make-names.mjs <npm prefix holding colorjs.io>");
    process.exit(2);
}
const here = dirname(fileURLToPath(import.meta.url));
const home = join(resolve(prefix), "node_modules", "colorjs.io");
const require = createRequire(join(resolve(prefix), "package.json"));
const ColorModule = require("colorjs.io");
const Color = ColorModule.default ?? ColorModule;
const version = JSON.parse(readFileSync(join(home, "package.json"), "utf8")).version;
const keywords = (await import(pathToFileURL(join(home, "src", "keywords.js")).href)).default;

const names = [];
for (const [name, rgb] of Object.entries(keywords))
    names.push([name, new Color("srgb", rgb)]);
const table = readFileSync(join(here, "..", "..", "..", "src", "colour", "xkcdnames.inc"), "utf8");
for (const m of table.matchAll(/\{ "([^"]+)", 0x([0-9a-f]{6}) \}/g))
    names.push([m[1], new Color("#" + m[2])]);

// A fixed pseudo-random spread, and colours near the ends of the scale.
const hexes = ["#000000", "#ffffff", "#010101", "#fefefe", "#7f7f7f", "#e91e63", "#e50000"];
let seed = 12345;
while (hexes.length < 500) {
    seed = (seed * 1103515245 + 12345) % 2147483648;
    hexes.push("#" + (seed >> 7).toString(16).padStart(6, "0").slice(-6));
}
const colours = hexes.map((hex) => {
    const c = new Color(hex);
    let best = null;
    for (const [name, named] of names) {
        const d = c.deltaEOK(named);
        if (best === null || d < best.distance)
            best = { hex, name, distance: d };
    }
    return best;
});

// One colour a line: [hex, nearest name, distance].
const lines = colours.map((c) => "  " + JSON.stringify([c.hex, c.name, c.distance]));
writeFileSync(join(here, "names.json"),
    `{"source": "colorjs.io ${version}, deltaEOK", "names": ${names.length}, "colours": [\n`
        + lines.join(",\n") + "\n]}\n");
console.log(`names.json: ${colours.length} colours among ${names.length} names`);
