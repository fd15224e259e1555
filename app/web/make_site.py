#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Writes the web edition's site: the page (with the start screen as the program first makes it,
and the pictures as PNG data, in it), the program's .js and .wasm, the icons, Amiri as WOFF2
subset to the characters of the texts (with its licence), the manifest and the service worker.
Prints what a first visit downloads, gzip -9 compressed, and fails above the budgets: 350 kB in
all, 150 kB for the .js and .wasm together."""
import argparse, base64, gzip, hashlib, json, pathlib, re, shutil, struct, subprocess, sys, zlib

TOTAL_BUDGET = 350 * 1024
PROGRAM_BUDGET = 150 * 1024
ICON_SIZES = (32, 48, 64, 128, 256)


def png(width, height, rows):
    """A PNG of RGBA rows (bytes, 4 per pixel), written the same every time."""
    def chunk(kind, data):
        return struct.pack('>I', len(data)) + kind + data + struct.pack('>I', zlib.crc32(kind + data))
    raw = b''.join(b'\0' + row for row in rows)
    return (b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', struct.pack('>IIBBBBB', width, height, 8, 6, 0, 0, 0))
            + chunk(b'IDAT', zlib.compress(raw, 9)) + chunk(b'IEND', b''))


def xpm_to_png(text):
    """The pictures' XPM: one or more characters per pixel, colours #RRGGBB or None."""
    strings = re.findall(r'"((?:[^"\\]|\\.)*)"', re.sub(r'/\*.*?\*/', '', text, flags=re.S))
    width, height, count, per = map(int, strings[0].split()[:4])
    colours = {}
    for line in strings[1:1 + count]:
        key, words = line[:per], line[per:].split()
        value = words[words.index('c') + 1]
        colours[key] = b'\0\0\0\0' if value.lower() == 'none' else bytes.fromhex(value[1:7]) + b'\xff'
    rows = [b''.join(colours[line[i:i + per]] for i in range(0, width * per, per))
            for line in strings[1 + count:1 + count + height]]
    return png(width, height, rows)


def amiri(style):
    for folder in ('/usr/share/fonts/opentype/fonts-hosny-amiri', '/usr/share/fonts/truetype/fonts-hosny-amiri'):
        path = pathlib.Path(folder, f'Amiri-{style}.ttf')
        if path.exists():
            return path
    sys.exit(f'make_site: Amiri-{style}.ttf not found (Debian package fonts-hosny-amiri)')


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument('--source', required=True, type=pathlib.Path)
    parser.add_argument('--program', required=True, type=pathlib.Path, help='velkaro.js; velkaro.wasm beside it')
    parser.add_argument('--out', required=True, type=pathlib.Path)
    parser.add_argument('--texts', required=True, nargs='+', type=pathlib.Path, help='files holding every text shown')
    parser.add_argument('--name', required=True)
    parser.add_argument('--summary-ar', required=True)
    parser.add_argument('--version', required=True)
    parser.add_argument('--node', default='node', help='Node.js, which runs the program to write the start screen')
    args = parser.parse_args()
    src, out = args.source, args.out
    if out.exists():
        shutil.rmtree(out)
    for folder in ('icons', 'fonts'):
        (out / folder).mkdir(parents=True)

    page = (src / 'app/web/index.html').read_text()
    css = (src / 'ui/forms/web/forms.css').read_text()
    page = page.replace('@FORMS_CSS@', css.strip()).replace('@NAME@', args.name)
    # The pictures are small: written into the page as PNG data, they are there for the first
    # frame without a request each.
    pictures = {}
    for picture in sorted((src / 'assets/pictures').iterdir()):
        if picture.suffix == '.xpm':
            pictures[picture.stem] = xpm_to_png(picture.read_text())
        elif picture.suffix == '.png':
            pictures[picture.stem] = picture.read_bytes()
    pictures = json.dumps({name: 'data:image/png;base64,' + base64.b64encode(data).decode()
                           for name, data in pictures.items()})
    page = page.replace('@PICTURES@', pictures)
    # The start screen as the program first makes it goes into the page, drawn before the program
    # runs: the program itself run under Node (start_screen.mjs) says what it is.
    (out.parent / 'pictures.json').write_text(pictures)
    start = json.loads(subprocess.run([args.node, str(src / 'app/web/start_screen.mjs'), str(args.program),
                                       str(out.parent / 'pictures.json')],
                                      check=True, capture_output=True, text=True).stdout)
    assert '</script' not in start['html'] and start['html'].startswith('<div')
    page = page.replace('@START_SCREEN@', start['html'])
    page = page.replace('@START_WIDTH@', str(start['size'][0])).replace('@START_HEIGHT@', str(start['size'][1]))
    (out / 'index.html').write_text(page.replace('@SUMMARY_AR@', args.summary_ar))
    # The program's JavaScript runs only once the start screen has been drawn: it stays a file of
    # its own, fetched then beside the .wasm, and the page the first frame waits for stays short.
    shutil.copy(args.program, out / 'velkaro.js')
    shutil.copy(args.program.with_suffix('.wasm'), out / 'velkaro.wasm')
    for size in ICON_SIZES:
        shutil.copy(src / f'assets/linux/icons/{size}.png', out / f'icons/{size}.png')
    shutil.copy(src / 'assets/linux/icons/scalable.svg', out / 'icons/scalable.svg')

    text = ''.join(path.read_text() for path in args.texts)
    (out.parent / 'subset-text.txt').write_text(text)
    for style in ('Regular', 'Bold'):
        subprocess.run(['pyftsubset', str(amiri(style)), f'--text-file={out.parent / "subset-text.txt"}',
                        '--layout-features=*', '--flavor=woff2', '--no-hinting', '--desubroutinize',
                        f'--output-file={out / "fonts" / ("amiri-" + style.lower() + ".woff2")}'], check=True)
    shutil.copy('/usr/share/doc/fonts-hosny-amiri/copyright', out / 'fonts/Amiri-LICENSE.txt')

    manifest = {
        'name': args.name, 'short_name': args.name, 'description': args.summary_ar,
        'lang': 'ar', 'dir': 'rtl', 'start_url': './', 'scope': './', 'display': 'standalone',
        'background_color': '#2f6d6d', 'theme_color': '#1e3f73',
        'icons': [{'src': f'icons/{size}.png', 'sizes': f'{size}x{size}', 'type': 'image/png'}
                  for size in ICON_SIZES]
        + [{'src': 'icons/scalable.svg', 'sizes': 'any', 'type': 'image/svg+xml'}],
    }
    (out / 'manifest.webmanifest').write_text(json.dumps(manifest, ensure_ascii=False, indent=1) + '\n')

    files = sorted(p.relative_to(out).as_posix() for p in out.rglob('*') if p.is_file())
    digest = hashlib.sha256()
    for name in files:
        digest.update(name.encode() + b'\0' + (out / name).read_bytes())
    worker = (src / 'app/web/sw.js').read_text()
    worker = worker.replace('@VERSION@', f'{args.version}-{digest.hexdigest()[:12]}')
    (out / 'sw.js').write_text(worker.replace('@FILES@', json.dumps(['./'] + [f for f in files if f != 'index.html'])))

    # Everything the first visit downloads: the page, and every file the service worker keeps.
    sizes = {p.relative_to(out).as_posix(): len(gzip.compress(p.read_bytes(), 9, mtime=0))
             for p in sorted(out.rglob('*')) if p.is_file()}
    program = sizes['velkaro.js'] + sizes['velkaro.wasm']
    total = sum(sizes.values())
    report = ''.join(f'  {size:7d}  {name}\n' for name, size in sizes.items())
    report += f'first visit, gzip -9: {total} bytes ({total / 1024:.1f} kB; budget 350 kB)\n'
    report += f'.js + .wasm, gzip -9: {program} bytes ({program / 1024:.1f} kB; budget 150 kB)\n'
    print(report, end='')
    (out.parent / 'site-sizes.txt').write_text(report)
    if total > TOTAL_BUDGET or program > PROGRAM_BUDGET:
        sys.exit('make_site: over budget')


if __name__ == '__main__':
    main()
