// The layout's facts as the page under test was built with them: the
// layout_facts.json that the web build writes next to the page, from the
// layout (WAVES_LAYOUT_FACTS names another file).
import { readFileSync } from 'node:fs';
import { dirname, join } from 'node:path';

const path = process.env.WAVES_LAYOUT_FACTS || join(dirname(process.env.WAVES_PAGE), 'layout_facts.json');

export const layoutFacts = JSON.parse(readFileSync(path, 'utf8'));

// The window as laid out, in CSS px: { width, height }.
export const windowSize = Object.freeze({ ...layoutFacts.window });
