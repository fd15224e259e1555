// SPDX-License-Identifier: MIT
// Serves a folder on 127.0.0.1, as any static host would: the files as they are, with their
// types, gzip-compressed when the browser asks for it. `node serve.mjs FOLDER [PORT]` prints the
// address (scripts/play-web); the web tests and the benchmark import serve().
import {createServer} from 'node:http';
import {readFile} from 'node:fs/promises';
import {extname, join, normalize, resolve} from 'node:path';
import {gzipSync} from 'node:zlib';

const TYPES = {
  '.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.mjs': 'text/javascript',
  '.css': 'text/css', '.wasm': 'application/wasm', '.png': 'image/png', '.svg': 'image/svg+xml',
  '.woff2': 'font/woff2', '.webmanifest': 'application/manifest+json', '.txt': 'text/plain; charset=utf-8',
};

// Resolves to {url, close()} once the server listens; port 0 takes a free one.
export function serve(folder, port = 0) {
  const root = resolve(folder);
  // Each file is compressed once, as static hosts keep their compressed copies.
  const compressed = new Map();
  const server = createServer(async (request, response) => {
    let path = decodeURIComponent(new URL(request.url, 'http://x').pathname);
    if (path.endsWith('/')) path += 'index.html';
    const file = normalize(join(root, path));
    if (!file.startsWith(root)) return response.writeHead(403).end();
    let body;
    try {
      body = await readFile(file);
    } catch {
      return response.writeHead(404).end();
    }
    const headers = {'Content-Type': TYPES[extname(file)] || 'application/octet-stream', 'Cache-Control': 'no-cache'};
    if (/\bgzip\b/.test(request.headers['accept-encoding'] || '') && !/\.(png|woff2)$/.test(file)) {
      const key = file + '\0' + body.length;
      if (!compressed.has(key) || !compressed.get(key).original.equals(body))
        compressed.set(key, {original: body, gzip: gzipSync(body, {level: 9})});
      body = compressed.get(key).gzip;
      headers['Content-Encoding'] = 'gzip';
    }
    response.writeHead(200, headers).end(body);
  });
  return new Promise((done) => server.listen(port, '127.0.0.1', () => done({
    url: `http://127.0.0.1:${server.address().port}/`,
    close: () => new Promise((closed) => { server.closeAllConnections(); server.close(closed); }),
  })));
}

if (import.meta.url == `file://${process.argv[1]}`) {
  const {url} = await serve(process.argv[2] || '.', Number(process.argv[3] || 8000));
  console.log(`Velkaro is served at ${url} (Ctrl+C stops it)`);
}
