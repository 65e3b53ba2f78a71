// The live panel page: draws the windows the server renders, sends the
// pointer to it in window pixels, polls the state as frames run.
'use strict';

const view = { panel: null, selected: null, open: {}, version: -1, since: 0, figures: {} };
const cursors = { hand: 'pointer', 'up-arrow': 'n-resize', 'down-arrow': 's-resize', none: 'default', other: 'crosshair' };
let queue = Promise.resolve();  // mouse requests go out in order
let held = null;

async function api(method, path) {
  const response = await fetch(path, { method });
  const text = await response.text();
  if (!response.ok) throw new Error(text.trim());
  return text;
}

function send(method, path) {
  const sent = queue.then(() => api(method, path));
  queue = sent.catch((e) => showError(e.message));
  return sent.catch(() => null);
}

function showError(text) { document.getElementById('set-error').textContent = text; }

function query(params) {
  return Object.entries(params).map(([k, v]) => `${k}=${encodeURIComponent(v)}`).join('&');
}

// The pointer in pixels of the window (its picture may be shown scaled).
function pointIn(img, event) {
  const box = img.getBoundingClientRect();
  const width = Number(img.dataset.width), height = Number(img.dataset.height);
  const x = Math.floor((event.clientX - box.left) * width / box.width);
  const y = Math.floor((event.clientY - box.top) * height / box.height);
  return { x: Math.min(Math.max(x, 0), width - 1), y: Math.min(Math.max(y, 0), height - 1) };
}

// One point question at a time; a move made meanwhile is asked next, so
// the tooltip and cursor end up those of where the pointer stopped.
let hoverPending = false;
let hoverNext = null;
async function hover(section, img, event) {
  if (hoverPending) {
    hoverNext = { section, img, event };
    return;
  }
  hoverPending = true;
  const p = pointIn(img, event);
  const tip = document.getElementById('tooltip');
  try {
    const at = JSON.parse(await api('GET', `/api/point?${query({ window: section, x: p.x, y: p.y })}`));
    img.style.cursor = at.gauge ? cursors[at.cursor] : 'default';
    if (at.gauge && at.help) {
      tip.textContent = `${at.label}: help ${at.help}`;
      tip.style.left = `${event.clientX + 12}px`;
      tip.style.top = `${event.clientY + 16}px`;
      tip.hidden = false;
      img.title = tip.textContent;
    } else {
      tip.hidden = true;
      img.removeAttribute('title');
    }
  } catch (e) {
    tip.hidden = true;
  } finally {
    hoverPending = false;
    const next = hoverNext;
    hoverNext = null;
    if (next) hover(next.section, next.img, next.event);
  }
}

function makeFigure(w) {
  const figure = document.createElement('figure');
  figure.className = 'window';
  figure.id = `window-${w.section}`;
  figure.dataset.section = w.section;
  const caption = document.createElement('figcaption');
  caption.textContent = `${w.title} (${w.section}${w.ident ? `, ident ${w.ident}` : ''})`;
  const img = document.createElement('img');
  img.width = w.width;
  img.height = w.height;
  img.dataset.width = w.width;
  img.dataset.height = w.height;
  img.alt = w.title;
  img.draggable = false;
  img.addEventListener('mousedown', (event) => {
    if (event.button !== 0) return;
    event.preventDefault();
    const p = pointIn(img, event);
    held = { section: w.section, p };
    send('POST', `/api/mouse?${query({ window: w.section, x: p.x, y: p.y, action: 'down' })}`).then((text) => {
      const answer = text && JSON.parse(text);
      if (answer && answer.gauge) view.focus = { section: w.section, key: answer.gauge };
    });
  });
  let dragPending = false;
  img.addEventListener('mousemove', (event) => {
    if (!held) return hover(w.section, img, event);
    if (held.section !== w.section || dragPending) return;
    dragPending = true;
    held.p = pointIn(img, event);
    send('POST', `/api/mouse?${query({ window: w.section, x: held.p.x, y: held.p.y, action: 'drag' })}`)
      .finally(() => { dragPending = false; });
  });
  img.addEventListener('mouseleave', () => {
    hoverNext = null;
    document.getElementById('tooltip').hidden = true;
  });
  figure.append(caption, img);
  document.getElementById('stage').append(figure);
  return figure;
}

function release() {
  if (!held) return;
  const h = held;
  held = null;
  send('POST', `/api/mouse?${query({ window: h.section, x: h.p.x, y: h.p.y, action: 'up' })}`);
}

function select(section) {
  view.selected = section;
  layout();
}

function layout() {
  for (const w of view.panel.windows) {
    const figure = view.figures[w.section];
    const open = view.open[w.section];
    const shown = w.section === view.selected || open;
    figure.hidden = !shown;
    figure.classList.toggle('floating', shown && w.section !== view.selected);
    figure.classList.toggle('closed', !open);
    const tab = document.querySelector(`nav button[data-section="${w.section}"]`);
    tab.classList.toggle('selected', w.section === view.selected);
    tab.classList.toggle('open', !!open);
  }
}

// Each shown window's picture is fetched whole, then swapped in, so the
// page never shows half a picture and never has two on the way.
const loading = {};
async function refreshPictures() {
  for (const w of view.panel.windows) {
    const figure = view.figures[w.section];
    if (figure.hidden || loading[w.section]) continue;
    loading[w.section] = true;
    try {
      const response = await fetch(`/api/window/${encodeURIComponent(w.section)}.png`);
      if (response.ok) {
        const img = figure.querySelector('img');
        const old = img.src;
        img.src = URL.createObjectURL(await response.blob());
        if (old.startsWith('blob:')) URL.revokeObjectURL(old);
        img.dataset.version = view.version;
      }
    } finally {
      loading[w.section] = false;
    }
  }
}

// What the gauge last clicked shows: each element's text and visibility.
function showGauge(g) {
  document.getElementById('gauge-title').textContent = `Gauge: ${g.label} (${g.key})`;
  const list = document.getElementById('gauge-elements');
  const items = g.elements.map((e) => {
    const li = document.createElement('li');
    li.value = e.element;
    li.dataset.element = e.element;
    li.dataset.hidden = e.hidden;
    li.textContent = `${e.text === null ? 'picture' : `"${e.text}"`}${e.hidden ? ' (hidden)' : ''}`;
    return li;
  });
  list.replaceChildren(...items);
}

async function poll() {
  try {
    const s = JSON.parse(await api('GET', `/api/state?since=${view.since}`));
    document.getElementById('frame').textContent = `frame ${s.frame}, ${s.fps} a second`;
    const log = document.getElementById('log');
    for (const entry of s.log) {
      const li = document.createElement('li');
      li.value = entry.n + 1;
      li.textContent = entry.text;
      log.append(li);
    }
    while (log.children.length > 300) log.firstChild.remove();
    if (s.log.length) log.scrollTop = log.scrollHeight;
    view.since = s.next;
    const changed = JSON.stringify(s.open) !== JSON.stringify(view.open);
    view.open = s.open;
    if (changed) layout();
    if (s.version !== view.version || changed) {
      view.version = s.version;
      refreshPictures().catch(() => {});
    }
    view.fps = s.fps;
    if (view.focus) showGauge(JSON.parse(await api('GET', `/api/gauge?${query({ window: view.focus.section, key: view.focus.key })}`)));
  } catch (e) {
    document.getElementById('frame').textContent = `no answer from the bench (${e.message})`;
  }
  setTimeout(poll, 1000 / (view.fps || view.panel.fps));
}

async function start() {
  view.panel = JSON.parse(await api('GET', '/api/panel'));
  document.getElementById('title').textContent = view.panel.path;
  document.title = `${view.panel.path}: gaugebench`;
  const tabs = document.getElementById('tabs');
  for (const w of view.panel.windows) {
    const tab = document.createElement('button');
    tab.type = 'button';
    tab.dataset.section = w.section;
    tab.textContent = w.title;
    tab.addEventListener('click', () => select(w.section));
    tabs.append(tab);
    view.figures[w.section] = makeFigure(w);
    view.open[w.section] = w.visible;
  }
  const first = view.panel.windows.find((w) => w.visible) || view.panel.windows[0];
  view.selected = first ? first.section : null;
  const names = document.getElementById('var-names');
  for (const v of view.panel.variables) {
    const option = document.createElement('option');
    option.value = v.name;
    option.textContent = `${v.token}: ${v.meaning}`;
    names.append(option);
  }
  document.getElementById('fps').value = view.panel.fps;
  window.addEventListener('mouseup', release);
  window.addEventListener('blur', release);
  document.getElementById('set-form').addEventListener('submit', async (event) => {
    event.preventDefault();
    const name = document.getElementById('var-name').value.trim();
    const value = document.getElementById('var-value').value.trim();
    try {
      await api('POST', `/api/set?${query({ var: name, value })}`);
      showError('');
    } catch (e) {
      showError(e.message);
    }
  });
  document.getElementById('fps-form').addEventListener('change', async () => {
    try {
      await api('POST', `/api/fps?${query({ value: document.getElementById('fps').value })}`);
      showError('');
    } catch (e) {
      showError(e.message);
    }
  });
  document.getElementById('save-script').addEventListener('click', async () => {
    const text = await api('GET', '/api/script');
    const link = document.createElement('a');
    link.href = URL.createObjectURL(new Blob([text], { type: 'text/plain' }));
    link.download = 'panel.bench';
    link.click();
    URL.revokeObjectURL(link.href);
  });
  layout();
  poll();
}

start().catch((e) => { document.getElementById('title').textContent = `cannot load the panel: ${e.message}`; });
