// A small web server for one folder on the loopback interface: the site for
// `make web-serve` and the end-to-end test, and a test's folder for
// run-test. Files are sent with the types a web server gives them, gzip
// when the browser takes it, and nothing is cached.
'use strict';

const fs = require('node:fs');
const http = require('node:http');
const path = require('node:path');
const zlib = require('node:zlib');

const types = {
    '.html': 'text/html; charset=utf-8',
    '.js': 'text/javascript; charset=utf-8',
    '.wasm': 'application/wasm',
    '.svg': 'image/svg+xml',
    '.png': 'image/png',
    '.ico': 'image/x-icon',
    '.txt': 'text/plain; charset=utf-8',
    '.pdf': 'application/pdf',
};

// options.pages: { '/path': text } served as HTML; options.post: { '/path':
// (query, body, respond) => ... }. Resolves to { url, close }.
function serve(folder, options = {}, port = 0, host = '127.0.0.1') {
    const root = path.resolve(folder);
    const server = http.createServer((request, response) => {
        const url = new URL(request.url, 'http://localhost');
        const respond = (status, body, type = 'text/plain; charset=utf-8') => {
            response.writeHead(status, { 'Content-Type': type, 'Cache-Control': 'no-store' });
            response.end(body);
        };
        if (request.method === 'POST') {
            const handler = options.post?.[url.pathname];
            if (!handler)
                return respond(404, 'not found');
            const chunks = [];
            request.on('data', chunk => chunks.push(chunk));
            request.on('end', () => handler(url.search.slice(1), Buffer.concat(chunks), respond));
            return;
        }
        if (request.method !== 'GET' && request.method !== 'HEAD')
            return respond(405, 'not allowed');
        const page = options.pages?.[url.pathname];
        if (page !== undefined)
            return respond(200, page, types['.html']);
        let relative = decodeURIComponent(url.pathname);
        if (relative.endsWith('/'))
            relative += 'index.html';
        const file = path.join(root, relative);
        if (file !== root && !file.startsWith(root + path.sep))
            return respond(403, 'forbidden');
        fs.stat(file, (error, stat) => {
            if (error || !stat.isFile())
                return respond(404, 'not found');
            const headers = {
                'Content-Type': types[path.extname(file)] || 'application/octet-stream',
                'Cache-Control': 'no-store',
            };
            let body = fs.createReadStream(file);
            if (/\bgzip\b/.test(request.headers['accept-encoding'] || '')) {
                headers['Content-Encoding'] = 'gzip';
                body = body.pipe(zlib.createGzip({ level: 9 }));
            }
            response.writeHead(200, headers);
            if (request.method === 'HEAD')
                return response.end();
            body.pipe(response);
        });
    });
    return new Promise((resolve, reject) => {
        server.on('error', reject);
        server.listen(port, host, () => resolve({
            url: `http://${host}:${server.address().port}`,
            close: () => server.close(),
        }));
    });
}

module.exports = { serve };

// `node web/serve.js SITE [PORT]`: `make web-serve`.
if (require.main === module) {
    const [site, port = '8080'] = process.argv.slice(2);
    if (!site) {
        console.error('usage: node web/serve.js SITE [PORT]');
        process.exit(2);
    }
    serve(site, {}, Number(port)).then(server => {
        console.log(`TFCC Application: ${server.url}/ (Ctrl+C ends)`);
    }, error => {
        console.error(`cannot serve ${site} on port ${port}: ${error.message}`);
        process.exit(1);
    });
}
