// Writes schemes.json beside this script: colorjs.io's tints, shades and tones (mixes with
// white, black and the colour's grey in OKLCH) and hue harmonies (turns of the OKLCH hue), each
// brought into sRGB by its CSS Color 4 gamut mapping, for tst_colourschemes.
//
//   npm install --prefix /tmp/colorjs colorjs.io
//   node tests/data/colour/make-schemes.mjs /tmp/colorjs
import { createRequire } from "node:module";
import { readFileSync, writeFileSync } from "node:fs";
import { dirname, join, resolve } from "node:path";
import { fileURLToPath } from "node:url";

const prefix = process.argv[2];
if (!prefix) {
    console.error("usage: node make-schemes.mjs <npm prefix holding colorjs.io>");
    process.exit(2);
}
const require = createRequire(join(resolve(prefix), "package.json"));
const ColorModule = require("colorjs.io");
const Color = ColorModule.default ?? ColorModule;
const version = JSON.parse(readFileSync(
    join(resolve(prefix), "node_modules", "colorjs.io", "package.json"), "utf8")).version;

// Vivid colours whose tints and turns leave sRGB (blue, magenta, lime), greys, near-black and
// near-white, and everyday colours.
const colours = [
    "#0000ff", "#ff00ff", "#00ff00", "#ff0000", "#ffff00", "#00ffff", "#e91e63", "#4169e1",
    "#663399", "#ff7f50", "#c0ffee", "#2f4f4f", "#808080", "#000000", "#ffffff", "#0a0a0a",
    "#fefefe", "#123456", "#79053e", "#f0e604",
];
const steps = 5;
const turns = {
    complementary: [0, 180], analogous: [0, -30, 30], triadic: [0, 120, 240],
    "split-complementary": [0, 150, 210], tetradic: [0, 90, 180, 270],
};

const hex = (c) => {
    const srgb = c.toGamut({ method: "css", space: "srgb" }).to("srgb");
    return "#" + srgb.coords.map((v) => Math.round(Math.min(1, Math.max(0, v)) * 255)
        .toString(16).padStart(2, "0")).join("");
};
const mixes = (colour, end) => Array.from({ length: steps }, (_, i) =>
    hex(Color.mix(colour, end, (i + 1) / (steps + 1), { space: "oklch" })));

const out = {
    generator: `colorjs.io ${version}`,
    steps,
    schemes: colours.map((text) => {
        const colour = new Color(text);
        const [l, c, h] = colour.to("oklch").coords;
        const entry = {
            colour: text,
            tints: mixes(colour, new Color("white")),
            shades: mixes(colour, new Color("black")),
            // The grey keeps the colour's hue (none for a grey: the mix would have none).
            tones: mixes(colour, new Color("oklch", [l, 0, Number.isNaN(h) ? 0 : h])),
        };
        for (const [name, degrees] of Object.entries(turns))
            entry[name] = degrees.map((d) => d === 0 ? text
                : hex(new Color("oklch", [l, c, ((Number.isNaN(h) ? 0 : h) + d + 360) % 360])));
        return entry;
    }),
};
writeFileSync(join(dirname(fileURLToPath(import.meta.url)), "schemes.json"),
    JSON.stringify(out, null, 1) + "\n");
