// How Debian's Chromium runs for the tests: headless, as root in a build
// root where its sandbox cannot start, drawing in software, and asking
// nothing of the network or of a profile.
'use strict';

module.exports = [
    '--headless',
    '--no-sandbox',
    '--disable-gpu',
    '--disable-dev-shm-usage',
    '--disable-background-networking',
    '--disable-component-update',
    '--disable-sync',
    '--no-first-run',
    '--no-default-browser-check',
];
