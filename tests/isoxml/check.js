// Reads TaskData files with the isoxml package, a reader independent of this
// program: each must parse and hold at least one guidance line (a version 4
// pattern or a version 3 guidance line string). Files after --strict must
// also parse without a single warning.
const fs = require('fs');
const path = require('path');
const JSZip = require('jszip');
const { ISOXMLManager } = require('isoxml');

async function read(file) {
  const manager = new ISOXMLManager();
  let zip = fs.readFileSync(file);
  if (!file.toLowerCase().endsWith('.zip')) {
    // A TASKDATA.XML travels with the further files beside it, as on a card.
    const folder = new JSZip();
    for (const name of fs.readdirSync(path.dirname(file)))
      if (name.toUpperCase().endsWith('.XML'))
        folder.file('TASKDATA/' + name, fs.readFileSync(path.join(path.dirname(file), name)));
    zip = await folder.generateAsync({ type: 'uint8array' });
  }
  await manager.parseISOXMLFile(new Uint8Array(zip), 'application/zip');
  return manager;
}

function guidanceLines(root) {
  let count = 0;
  for (const field of root.attributes.Partfield || []) {
    for (const group of field.attributes.GuidanceGroup || [])
      count += (group.attributes.GuidancePattern || []).length;
    for (const string of field.attributes.LineString || [])
      count += String(string.attributes.LineStringType) === '5' ? 1 : 0;
  }
  return count;
}

(async () => {
  let strict = false;
  let failed = false;
  for (const file of process.argv.slice(2)) {
    if (file === '--strict') {
      strict = true;
      continue;
    }
    try {
      const manager = await read(file);
      const warnings = manager.getWarnings();
      const lines = guidanceLines(manager.rootElement);
      console.log(`${file}: ${lines} guidance lines, ${warnings.length} warnings`);
      warnings.forEach((warning) => console.log(`  ${warning}`));
      failed ||= lines === 0 || (strict && warnings.length > 0);
    } catch (error) {
      console.log(`${file}: ${error.message}`);
      failed = true;
    }
  }
  process.exit(failed ? 1 : 0);
})();
