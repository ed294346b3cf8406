// Writes reference.json beside this script: colorjs.io's values for the colours and pasted texts
// that tst_cssnotation checks against, and the WCAG 2.1 contrasts that tst_contrast checks
// against, so the tests need no network.
//
//   npm install --prefix /tmp/colorjs colorjs.io
//   node tests/data/colour/make-reference.mjs /tmp/colorjs
//
// Hues of achromatic colours are null (colorjs.io leaves them missing). CMYK is not a colorjs.io space: it
// is the device formula applied to colorjs.io's sRGB coordinates.
import { createRequire } from "node:module";
import { readFileSync, writeFileSync } from "node:fs";
import { dirname, join, resolve } from "node:path";
import { fileURLToPath, pathToFileURL } from "node:url";

const prefix = process.argv[2];
if (!prefix) {
    console.error("usage: node make-reference.mjs <npm prefix holding colorjs.io>");
    process.exit(2);
}
const home = join(resolve(prefix), "node_modules", "colorjs.io");
const require = createRequire(join(resolve(prefix), "package.json"));
const ColorModule = require("colorjs.io");
const Color = ColorModule.default ?? ColorModule;
const version = JSON.parse(readFileSync(join(home, "package.json"), "utf8")).version;
const keywords = (await import(pathToFileURL(join(home, "src", "keywords.js")).href)).default;

// Greys, primaries, secondaries, near-black and near-white, and colours whose small channels
// make oklch and lab sensitive.
const colours = [
    "#000000", "#ffffff", "#808080", "#7f7f7f", "#010101", "#fefefe", "#0a0a0a", "#f5f5f5",
    "#ff0000", "#00ff00", "#0000ff", "#ffff00", "#00ffff", "#ff00ff",
    "#e91e63", "#4169e1", "#563412", "#0c0b0a", "#010000", "#000001", "#fffffe", "#800000",
    "#008000", "#663399", "#ff7f50", "#c0ffee", "#e6e6fa", "#2f4f4f", "#f0e604", "#fc0000",
    "#05fb04", "#ddfb0a", "#0f0f10", "#fe0102",
    // Its oklch hue, 359.9992, prints as 0 at two decimals.
    "#79053e",
];

// Texts in CSS syntax, clipped to sRGB channel by channel; several are far outside sRGB.
const texts = [
    "hsl(340 82% 52%)", "hsl(340deg, 82%, 52%)", "hsla(340, 82%, 52%, 0.5)", "HSL(340 82 52)",
    "hsl(0.9444turn 82% 52%)", "hsl(5.934rad 82% 52%)", "hsl(377.78grad 82% 52%)",
    "hsl(-20 82% 52%)", "hsl(700 82% 52% / 0.1)", "hsl(none 0% 40%)", "hsl(120 150% 50%)",
    "hwb(340 12% 9%)", "hwb(90 60% 60%)", "hwb(200 0% 0% / 50%)", "hwb(none 100% 0%)",
    "rgb(50% 25% 75%)", "rgb(233 30 99 / 50%)", "rgb(300 -20 99)", "rgba(233, 30, 99, .25)",
    "rgb(127.5 0.49 254.5)", "rgb(none 128 none)",
    "lab(50 80 -40)", "lab(60% 50 30)", "lab(100 0 0)", "lab(0 0 0)", "lab(40 120 -120)",
    "lab(75 -100% 100%)", "lab(3 1 -2)", "lch(50 80 300)", "lch(90 130 140)", "lch(20% 50% 0.5turn)",
    "oklab(0.6 0.1 -0.1)", "oklab(40% -50% 25%)", "oklch(70% 0.4 150)", "oklch(0.5 0.3 20)",
    "oklch(60% 0.15 none)", "oklch(100% 0 0)", "oklch(95% 0.3 200)", "oklch(0.2 0.1 270)",
    "oklch(62.8% 0.2577 29.23)", "oklch(50% 100% 1rad)", "oklch(0.1 0.05 60 / 40%)",
    "#e91e6380", "#f008", "#ABC", "rebeccapurple", "RGB(10 20 30)", "darkSlateGrey",
];

// Pairs whose channels lie in the linear segment of the sRGB curve (1 to 10 of 255, below
// 0.04045), against the ends of the scale and each other, and 11, the first value past it.
const contrasts = [
    ["#010101", "#ffffff"], ["#050505", "#ffffff"], ["#0a0a0a", "#ffffff"], ["#0a0000", "#ffffff"],
    ["#000a00", "#ffffff"], ["#00000a", "#ffffff"], ["#010203", "#000000"], ["#0a0501", "#000000"],
    ["#0a0a0a", "#010101"], ["#0b0b0b", "#ffffff"], ["#0a0b09", "#fefefe"],
];

const missing = v => v === null || Number.isNaN(v);
const round = (v, places = 10) => (missing(v) ? null : Number(v.toFixed(places)));
const hex8 = c => {
    const srgb = c.to("srgb").toGamut({ method: "clip" });
    return "#" + srgb.coords.map(v => Math.round((missing(v) ? 0 : v) * 255).toString(16).padStart(2, "0")).join("");
};

const out = { generator: `colorjs.io ${version}`, colours: [], texts: [], names: {}, contrasts: [] };
for (const hex of colours) {
    const c = new Color(hex);
    const [r, g, b] = c.to("srgb").coords;
    const k = 1 - Math.max(r, g, b);
    const cmyk = k === 1 ? [0, 0, 0, 100] : [...[r, g, b].map(v => (100 * (1 - v - k)) / (1 - k)), 100 * k];
    out.colours.push({
        hex,
        hsl: c.to("hsl").coords.map(v => round(v)),
        hwb: c.to("hwb").coords.map(v => round(v)),
        hsv: c.to("hsv").coords.map(v => round(v)),
        lab: c.to("lab").coords.map(v => round(v)),
        oklch: c.to("oklch").coords.map(v => round(v)),
        cmyk: cmyk.map(v => round(v)),
    });
}
for (const text of texts)
    out.texts.push({ text, hex: hex8(new Color(text)) });
for (const [name, coords] of Object.entries(keywords))
    out.names[name] = "#" + coords.map(v => Math.round(v * 255).toString(16).padStart(2, "0")).join("");
for (const [a, b] of contrasts)
    out.contrasts.push({ a, b, ratio: round(new Color(a).contrast(new Color(b), "WCAG21"), 12) });
writeFileSync(join(dirname(fileURLToPath(import.meta.url)), "reference.json"), JSON.stringify(out, null, 1) + "\n");
