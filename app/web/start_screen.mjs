// SPDX-License-Identifier: MIT
// The start screen as the program first makes it, for the page to show before the program runs:
// runs the built program under Node over a small stand-in for the page's DOM and prints, as JSON,
// the desk's HTML (each element the program made marked data-vk with the order it made it in,
// which is the order it takes them over in) and the outer size of the first window in pixels.
// The stand-in lays nothing out: every caption fits as it is, and the page's own layout of the
// start screen is compared with the program's by the web tests.
// Usage: node start_screen.mjs velkaro.js PICTURES.json
import {readFileSync} from 'node:fs';
import vm from 'node:vm';

const [program, pictures] = process.argv.slice(2);

const escape = (text, quote) => text.replace(/&/g, '&amp;').replace(/</g, '&lt;').replace(/>/g, '&gt;')
  .replace(quote ? /"/g : /$^/, '&quot;');

// An element's inline style, in the order its declarations were set; an empty value removes one.
function newStyle() {
  const declarations = new Map();
  const set = (name, value) => {
    declarations.delete(name);
    if (value !== '' && value != null) declarations.set(name, String(value));
  };
  const css = (name) => name.replace(/[A-Z]/g, (letter) => '-' + letter.toLowerCase());
  const text = () => [...declarations].map(([name, value]) => `${name}: ${value};`).join(' ');
  return new Proxy({}, {
    get: (_, name) => name == 'setProperty' ? set : name == 'cssText' ? text() : declarations.get(css(name)) ?? '',
    set: (_, name, value) => { set(css(name), value); return true; },
  });
}

class Text {
  constructor(data) { this.data = data; this.parentNode = null; }
  get textContent() { return this.data; }
  html() { return escape(this.data, false); }
}

// The properties dom.js sets that stand for attributes.
const REFLECTED = {className: 'class', id: 'id', dir: 'dir', alt: 'alt', src: 'src', type: 'type'};
const BOOLEAN = ['hidden', 'disabled'];

class Element {
  constructor(tag, order) {
    this.tagName = tag.toUpperCase();
    this.attributes = new Map();
    this.childNodes = [];
    this.parentNode = null;
    this.style = newStyle();
    if (order !== undefined) this.attributes.set('data-vk', String(order));
    for (const [property, attribute] of Object.entries(REFLECTED))
      Object.defineProperty(this, property, {
        get: () => this.attributes.get(attribute) ?? '',
        set: (value) => this.attributes.set(attribute, String(value)),
      });
    for (const attribute of BOOLEAN)
      Object.defineProperty(this, attribute, {
        get: () => this.attributes.has(attribute),
        set: (value) => (value ? this.attributes.set(attribute, '') : this.attributes.delete(attribute)),
      });
  }
  setAttribute(name, value) { this.attributes.set(name, String(value)); }
  removeAttribute(name) { this.attributes.delete(name); }
  getAttribute(name) { return this.attributes.get(name) ?? null; }
  hasAttribute(name) { return this.attributes.has(name); }
  appendChild(child) {
    child.parentNode?.removeChild(child);
    child.parentNode = this;
    this.childNodes.push(child);
    return child;
  }
  removeChild(child) {
    this.childNodes.splice(this.childNodes.indexOf(child), 1);
    child.parentNode = null;
  }
  remove() { this.parentNode?.removeChild(this); }
  get firstChild() { return this.childNodes[0] || null; }
  get textContent() { return this.childNodes.map((child) => child.textContent).join(''); }
  set textContent(text) {
    for (const child of [...this.childNodes]) this.removeChild(child);
    if (text !== '') this.appendChild(new Text(String(text)));
  }
  addEventListener() {}
  focus() {}
  // Nothing is laid out: no box overflows.
  get scrollWidth() { return 0; }
  get clientWidth() { return 0; }
  get scrollHeight() { return 0; }
  get clientHeight() { return 0; }
  // The pictures of controls not shown are left to the program, which sets them as it takes the
  // controls over: the page the first frame waits for stays short.
  html(unseen = false) {
    const tag = this.tagName.toLowerCase();
    unseen ||= this.hidden;
    const attributes = [...this.attributes].filter(([name]) => !(unseen && tag == 'img' && name == 'src'))
      .map(([name, value]) => (value === '' && BOOLEAN.includes(name)
        ? ` ${name}` : ` ${name}="${escape(value, true)}"`)).join('');
    const style = this.style.cssText ? ` style="${escape(this.style.cssText, true)}"` : '';
    const inside = this.childNodes.map((child) => child.html(unseen)).join('');
    return `<${tag}${attributes}${style}>${tag == 'img' ? '' : `${inside}</${tag}>`}`;
  }
}

// The page around the desk, as index.html has it.
let made = 0;
const desk = new Element('main');
const end = new Element('section');
end.appendChild(new Element('h1'));
const again = new Element('button');
const byId = {desk, end, again};
const document = {
  title: '',
  createElement: (tag) => new Element(tag, made++),
  createTextNode: (text) => new Text(text),
  getElementById: (id) => byId[id] || null,
  // No start screen stands on this page before the program.
  querySelectorAll: () => [],
  createRange: () => ({selectNodeContents() {}, getClientRects: () => []}),
};

const Module = {
  pictures: JSON.parse(readFileSync(pictures, 'utf8')),
  instantiateWasm(imports, ready) {
    WebAssembly.instantiate(readFileSync(program.replace(/\.js$/, '.wasm')), imports)
      .then(({instance, module}) => ready(instance, module));
    return {};
  },
  onRuntimeInitialized() {
    Module._velkaro_start();
    // The window's outer size as dom.js counts it: the client area, the title bar and the frame.
    const window = desk.childNodes[0], edge = parseFloat(window.style.borderWidth);
    const part = (name, size) => parseFloat(window.childNodes.find((e) => e.className == name)?.style[size] || 0);
    const size = [part('vk-client', 'width') + 2 * edge, part('vk-client', 'height') + part('vk-title', 'height') + 2 * edge];
    // Where the window stands is the page's style's until the program places it for the viewport.
    window.style.left = window.style.top = '';
    process.stdout.write(JSON.stringify({html: desk.childNodes.map((child) => child.html()).join(''), size}) + '\n');
  },
};
// The viewport matters only to where the window stands, which the page leaves to its style.
const context = vm.createContext({
  Module, document, innerWidth: 1280, innerHeight: 800, TextDecoder, console,
  addEventListener() {}, requestAnimationFrame: () => 0, setInterval: () => 0, clearInterval() {},
});
context.window = context;
vm.runInContext(readFileSync(program, 'utf8'), context, {filename: program});
context.velkaroLoad(Module);
