// The layout's facts as the page under test was built with them: the
// layout_facts.json that the web build writes next to the page, from the
// layout (WAVES_LAYOUT_FACTS names another file).
import { readFileSync } from 'node:fs';
import { dirname, join } from 'node:path';

// The facts the web build wrote beside the page at pagePath.
export function layoutFactsBeside(pagePath) {
  return JSON.parse(readFileSync(join(dirname(pagePath), 'layout_facts.json'), 'utf8'));
}

export const layoutFacts = process.env.WAVES_LAYOUT_FACTS
  ? JSON.parse(readFileSync(process.env.WAVES_LAYOUT_FACTS, 'utf8'))
  : process.env.WAVES_PAGE ? layoutFactsBeside(process.env.WAVES_PAGE) : null;

// The window as laid out, in CSS px: { width, height }.
export const windowSize = layoutFacts && Object.freeze({ ...layoutFacts.window });
