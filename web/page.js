"use strict";
// The page is the view of the window: it lays the controls out from the
// window's table, paints the apparatus from its drawing steps and the tracks
// the flights draw, and hands every click and entry to the window (C++).

const FrameBudgetMs = 12;   // particles fly this long between two repaints

const page = {
  module: null,
  win: null,
  elements: {},       // control name -> element that carries its id
  boxes: {},          // control name -> positioned element
  overlay: null,
  teacher: /(^|[?#&])tanari($|[=&])/.test(location.search + location.hash),
  modal: null,
  modalReturn: null,  // the control that had the focus before the box
  lastFocus: null,
  refocus: null,
  flying: false,
  capturing: false,   // a picture is being taken: the run waits
  longestSliceMs: 0,
};

// The window's own captions that name each box, read out for it.
const BoxCaptions = {
  Edit7: "StaticText18 StaticText19", Edit4: "StaticText10", BField: "StaticText10 StaticText1 StaticText16",
  Edit5: "StaticText11", EField: "StaticText11 StaticText17", Edit1: "Label1", Edit6: "Label6 Label4",
  Edit9: "Label5", Edit8: "StaticText12", Edit3: "StaticText9", Blende3: "StaticText9", Edit14: "StaticText22",
  Edit12: "StaticText20", Edit13: "StaticText21",
};

function css(colour) {
  return "#" + colour.toString(16).padStart(6, "0");
}

function makeControl(place) {
  const r = place.rect;
  let box;
  let element;
  switch (place.kind) {
  case "panel":
    box = element = document.createElement("div");
    box.className = "control panel";
    box.style.background = css(place.colour);
    if (place.name === "Panel2") box.style.border = "0";
    break;
  case "picture":
    box = element = document.createElement("canvas");
    box.className = "control";
    box.width = r.width;
    box.height = r.height;
    break;
  case "shape":
    box = element = document.createElement("div");
    box.className = "control shape";
    box.style.background = css(place.colour);
    box.style.border = "1px solid " + css(place.textColour);
    break;
  case "statictext":
    box = element = document.createElement("div");
    box.className = "control statictext";
    box.textContent = place.text;
    box.style.background = css(place.colour);
    box.style.color = css(place.textColour);
    break;
  case "label":
  case "title":
    box = element = document.createElement("div");
    box.className = "control " + place.kind;
    box.textContent = place.text;
    break;
  case "edit":
  case "readonly":
    box = element = document.createElement("input");
    box.type = "text";
    box.className = "control";
    box.value = place.text;
    box.spellcheck = false;
    box.autocomplete = "off";
    if (BoxCaptions[place.name]) box.setAttribute("aria-labelledby", BoxCaptions[place.name]);
    if (place.kind === "readonly") box.readOnly = true;
    break;
  case "button":
    box = element = document.createElement("button");
    box.type = "button";
    box.className = "control";
    box.textContent = place.text;
    break;
  case "checkbox":
    box = document.createElement("label");
    box.className = "control";
    element = document.createElement("input");
    element.type = "checkbox";
    box.append(element, document.createTextNode(place.text));
    if (place.name === "CheckBox3") box.classList.add("caption-left");
    break;
  case "updown":
    box = element = document.createElement("div");
    box.className = "control updown";
    box.setAttribute("role", "spinbutton");
    box.setAttribute("aria-label", place.name === "UpDown3" ? "Blende" : "Mágneses indukció lépése");
    for (const [arrow, by] of [["▲", 1], ["▼", -1]]) {
      const button = document.createElement("button");
      button.type = "button";
      button.tabIndex = -1;
      button.textContent = arrow;
      button.addEventListener("click", () => step(place.name, by));
      box.append(button);
    }
    break;
  }
  element.id = place.name;
  takeFocus(element, place.focus);
  box.dataset.control = place.name;
  box.style.left = r.x + "px";
  box.style.top = r.y + "px";
  if (r.width || r.height) {
    box.style.width = r.width + "px";
    box.style.height = r.height + "px";
  }
  box.hidden = !place.shown;
  page.elements[place.name] = element;
  page.boxes[place.name] = box;
  return box;
}

// As the window's table says: a tab stop, a control a click alone puts the
// focus on, or one that never takes it.
function takeFocus(element, focus) {
  if (focus === "tab") {
    element.tabIndex = 0;
  } else if (element.matches("input, button")) {
    element.tabIndex = -1;
    if (focus === "never") element.addEventListener("mousedown", (event) => event.preventDefault());
  }
}

function buildWindow() {
  const client = document.getElementById("Client");
  client.textContent = "";
  for (const place of page.layout) {
    const parent = place.parent ? page.boxes[place.parent] : client;
    parent.append(makeControl(place));
  }
  // Bottom to top: the picture, the jaws and the detector, the tracks, the labels.
  const drawing = page.boxes.Panel2;
  for (const name of ["Image1", "Shape6", "Shape7", "Shape8", "Image2", "StaticText4", "StaticText5", "StaticText6",
                      "Panel9", "Panel7", "Panel5", "Panel3", "Panel6"])
    drawing.append(page.boxes[name]);
  page.boxes.Panel9.style.textAlign = "center";
  page.boxes.Panel9.style.lineHeight = "25px";
  page.boxes.Panel9.style.overflow = "hidden";
  page.boxes.Panel9.style.textOverflow = "ellipsis";
  page.overlay = page.elements.Image2.getContext("2d");
  paintApparatus();
  connect();
}

function paintApparatus() {
  const w = page.window;
  const picture = document.createElement("canvas");
  picture.width = w.pictureWidth;
  picture.height = w.pictureHeight;
  const ctx = picture.getContext("2d", { willReadFrequently: true });
  ctx.fillStyle = css(w.colours.white);
  ctx.fillRect(0, 0, picture.width, picture.height);
  ctx.lineWidth = w.wallPenWidth;
  ctx.lineCap = "round";
  ctx.lineJoin = "round";
  ctx.strokeStyle = css(w.colours.black);
  const line = (points) => {
    ctx.beginPath();
    ctx.moveTo(points[0].x + 0.5, points[0].y + 0.5);
    for (const p of points.slice(1)) ctx.lineTo(p.x + 0.5, p.y + 0.5);
    ctx.stroke();
  };
  for (const step of page.drawing) {
    if (step.kind === "wall") {
      line(step.points);
    } else if (step.kind === "fill") {
      ctx.fillStyle = css(step.colour);
      ctx.fillRect(step.rect.x, step.rect.y, step.rect.width, step.rect.height);
    } else {
      ctx.font = w.signPixelSize + "px Arial, 'Liberation Sans', sans-serif";
      ctx.textBaseline = "top";
      const at = step.points[0];
      const size = ctx.measureText(step.text);
      ctx.fillStyle = css(w.colours.white);
      ctx.fillRect(at.x, at.y, Math.ceil(size.width), w.signPixelSize);
      ctx.fillStyle = css(step.colour);
      ctx.fillText(step.text, at.x, at.y);
      line([step.points[1], step.points[2]]);
    }
  }
  const image = ctx.getImageData(0, 0, picture.width, picture.height);
  const filled = page.module.fillFunnel(image.data, picture.width, picture.height);
  image.data.set(new Uint8ClampedArray(filled.buffer));
  ctx.putImageData(image, 0, 0);
  page.elements.Image1.getContext("2d").drawImage(picture, 0, 0);
}

// The window's state onto the page's elements.
function render() {
  const controls = page.win.controls();
  for (const name in controls) {
    const state = controls[name];
    const element = page.elements[name];
    const box = page.boxes[name];
    if (!element) continue;
    if (element instanceof HTMLInputElement && element.type === "text") {
      if (element.value !== state.text) element.value = state.text;
      element.style.background = css(state.colour);
      element.readOnly = state.readOnly;
    } else if (element instanceof HTMLInputElement) {
      element.checked = state.checked;
    } else if (element instanceof HTMLButtonElement || box.classList.contains("statictext") ||
               box.classList.contains("label")) {
      if (element.textContent !== state.text) element.textContent = state.text;
    }
    if ("disabled" in element) element.disabled = !state.enabled;
    if (box.classList.contains("updown")) {
      // A disabled stepper is no tab stop, as a disabled box is none.
      box.tabIndex = state.enabled ? 0 : -1;
      box.setAttribute("aria-disabled", String(!state.enabled));
      for (const arrow of box.children) arrow.disabled = !state.enabled;
    }
    box.hidden = !state.shown;
    // The jaws, the detector and their labels move with the slit and the drawing.
    box.style.left = state.rect.x + "px";
    box.style.top = state.rect.y + "px";
    if (state.rect.width || state.rect.height) {
      box.style.width = state.rect.width + "px";
      box.style.height = state.rect.height + "px";
    }
  }
  document.getElementById("Loadsource1").disabled = !controls.Loadsource1.enabled;
  drawTracks();
  showMessages();
}

// The window has drawn the tracks into its pixels; the changed part of them
// is copied onto the overlay, however many pieces the particles drew.
function drawTracks() {
  const tracks = page.win.tracks();
  if (!tracks) return;
  const bytes = new Uint8ClampedArray(tracks.pixels.buffer, tracks.pixels.byteOffset, tracks.pixels.length);
  const picture = new ImageData(bytes, tracks.width);
  const changed = tracks.changed;
  page.overlay.putImageData(picture, 0, 0, changed.x, changed.y, changed.width, changed.height);
}

// Message boxes are modal, as the window's are: nothing else takes a click
// while one is open.
function openDialog(title, build, buttons, onClose) {
  const backdrop = document.createElement("div");
  backdrop.className = "dialog-backdrop";
  const dialog = document.createElement("div");
  dialog.className = "dialog";
  dialog.setAttribute("role", "dialog");
  dialog.setAttribute("aria-modal", "true");
  const heading = document.createElement("h2");
  heading.textContent = title;
  dialog.append(heading);
  build(dialog);
  const row = document.createElement("div");
  row.className = "buttons";
  const close = (caption) => {
    backdrop.remove();
    page.modal = null;
    document.getElementById("Stage").inert = false;
    if (onClose) onClose(caption);
    if (page.refocus) {
      const element = page.refocus;
      page.refocus = null;
      element.focus();
      element.select();
    } else if (page.modalReturn && document.activeElement === document.body) {
      // The focus goes back where it was before the box, as in the window.
      page.modalReturn.focus({ preventScroll: true });
    }
  };
  for (const caption of buttons) {
    const button = document.createElement("button");
    button.type = "button";
    button.textContent = caption;
    button.addEventListener("click", () => close(caption));
    row.append(button);
  }
  dialog.append(row);
  dialog.addEventListener("keydown", (event) => {
    // Enter presses the button that has the focus, as in the window's boxes;
    // elsewhere in the box, and Escape anywhere, close it.
    const onButton = event.key === "Enter" && event.target instanceof HTMLButtonElement;
    if ((event.key === "Escape" || event.key === "Enter") && !onButton) {
      event.preventDefault();
      event.stopPropagation();
      close(event.key === "Enter" ? buttons[0] : buttons[buttons.length - 1]);
    }
  });
  backdrop.append(dialog);
  document.body.append(backdrop);
  page.modal = backdrop;
  page.modalReturn = page.refocus ? null : page.lastFocus;
  // Nothing behind the box takes the focus or a click while it is open.
  document.getElementById("Stage").inert = true;
  row.firstChild.focus();
  return dialog;
}

function showMessages() {
  if (page.modal) return;
  const messages = page.win.messages();
  if (messages.length === 0) return;
  const message = messages[0];
  const dialog = openDialog(message.title, (dialog) => {
    const body = document.createElement("div");
    body.className = "body";
    body.id = "MessageText";
    body.textContent = message.text;
    dialog.append(body);
  }, ["OK"]);
  dialog.id = "MessageBox";
}

function enter(name) {
  const element = page.elements[name];
  const accepted = page.win.entered(name);
  if (!accepted) page.refocus = element;
  render();
  if (!accepted && !page.modal) {
    // A refusal without a message still takes the focus back.
    const back = page.refocus;
    page.refocus = null;
    setTimeout(() => { back.focus(); back.select(); }, 0);
  }
  return accepted;
}

function click(name) {
  if (page.modal) return;
  page.win.clicked(name);
  render();
  if (page.win.running()) fly();
}

function step(name, by) {
  if (page.modal) return;
  page.win.stepped(name, by);
  render();
}

// The run flies in slices of a task each, back to back; the browser takes
// clicks between any two, and the window is repainted once a frame.
function fly() {
  if (page.flying) return;
  page.flying = true;
  const channel = new MessageChannel();
  let painted = true;
  const slice = () => {
    if (page.capturing) {
      setTimeout(() => channel.port2.postMessage(null), FrameBudgetMs);
      return;
    }
    const started = performance.now();
    const going = page.win.flyFor(FrameBudgetMs);
    page.longestSliceMs = Math.max(page.longestSliceMs, performance.now() - started);
    if (painted) {
      painted = false;
      requestAnimationFrame(() => {
        render();
        painted = true;
      });
    }
    if (going) {
      channel.port2.postMessage(null);
    } else {
      page.flying = false;
      channel.port1.close();
      render();
    }
  };
  channel.port1.onmessage = slice;
  channel.port2.postMessage(null);
}

function connect() {
  const entries = ["Edit7", "BField", "EField", "Edit6"];
  for (const name of entries) {
    const element = page.elements[name];
    element.addEventListener("input", () => {
      page.win.typed(name, element.value);
      render();
    });
    element.addEventListener("keydown", (event) => {
      if (event.key !== "Enter") return;
      // The electric field passes the key on; the other boxes keep it.
      if (name !== "EField") event.preventDefault();
      enter(name);
    });
    element.addEventListener("focusout", (event) => {
      // Leaving for a message box or a menu is not leaving the box.
      if (page.modal || page.refocus || event.relatedTarget?.closest("#MainMenu1")) return;
      enter(name);
    });
    element.addEventListener("dblclick", () => element.select());
  }
  for (const name of ["Button3", "Button4", "Button5", "Button7"]) {
    page.elements[name].addEventListener("click", () => click(name));
    // Outside a dialog a button takes Space, not Enter.
    page.elements[name].addEventListener("keydown", (event) => {
      if (event.key === "Enter") event.preventDefault();
    });
  }
  for (const name of ["CheckBox1", "CheckBox3", "CheckBox4", "CheckBox5"]) {
    const element = page.elements[name];
    element.addEventListener("click", (event) => {
      event.preventDefault();   // the window decides the state
      setTimeout(() => click(name), 0);
    });
  }
  // A click beside the controls leaves the focus where it is, as in the window.
  document.getElementById("Client").addEventListener("mousedown", (event) => {
    if (!event.target.closest("input, button, label, [tabindex]")) event.preventDefault();
  });
  for (const name of ["UpDown3", "UpDown4"]) {
    page.elements[name].addEventListener("keydown", (event) => {
      const by = { ArrowUp: 1, ArrowRight: 1, ArrowDown: -1, ArrowLeft: -1 }[event.key];
      if (by === undefined) return;
      event.preventDefault();
      step(name, by);
    });
  }
}

function fitToScreen() {
  const form = document.getElementById("Form1");
  const width = 680;
  const height = 822 + document.getElementById("MainMenu1").offsetHeight;
  const scale = Math.min(1, window.innerWidth / width, window.innerHeight / height);
  form.style.transform = scale < 1 ? `scale(${scale})` : "";
  const stage = document.getElementById("Stage");
  stage.style.width = Math.floor(width * scale) + "px";
  stage.style.height = Math.floor(height * scale) + "px";
  page.scale = scale;
}

function setUpMenus() {
  const menus = document.querySelectorAll("#MainMenu1 > .menu");
  const closeAll = () => menus.forEach((menu) => menu.classList.remove("open"));
  for (const menu of menus) {
    const title = menu.querySelector(".menu-title");
    // The menu bar takes no focus from a click, as the window's does not.
    title.addEventListener("mousedown", (event) => event.preventDefault());
    title.addEventListener("click", (event) => {
      event.stopPropagation();
      const open = menu.classList.contains("open");
      closeAll();
      if (!open) {
        menu.classList.add("open");
        const first = menu.querySelector(".menu-items button:not([hidden])");
        if (first) first.focus();
      }
    });
    menu.addEventListener("keydown", (event) => {
      if (event.key === "Escape") {
        closeAll();
        (page.lastFocus ?? title).focus();
      }
    });
  }
  document.addEventListener("click", closeAll);
  const item = (id, action) => document.getElementById(id).addEventListener("click", () => {
    closeAll();
    if (!page.modal) action();
  });
  item("Nvjegy1", showAbout);
  item("Feladatok1", () => showHelp(0));
  item("Aprogramhasznlata1", () => showHelp(1));
  item("Loadsource1", chooseSource);
  item("Kpernymentse1", askPictureName);
  // The source choice and the help pages are the teacher's, as in the window.
  for (const id of ["Loadsource1", "Feladatok1", "Aprogramhasznlata1"])
    document.getElementById(id).hidden = !page.teacher;
  document.getElementById("OpenDialog1").addEventListener("change", async (event) => {
    const file = event.target.files[0];
    event.target.value = "";
    if (!file) return;
    // Source files are written in the Windows code page of Central Europe, or in UTF-8.
    const bytes = new Uint8Array(await file.arrayBuffer());
    let text;
    try {
      text = new TextDecoder("utf-8", { fatal: true }).decode(bytes);
    } catch {
      text = new TextDecoder("windows-1250").decode(bytes);
    }
    page.win.loadSource(file.name, text);
    render();
  });
}

// The shipped sources, or a source file of the user's through the browser's
// file picker, as the window's open dialog offers the shipped sources' folder.
function chooseSource() {
  const dialog = openDialog("Forrás választás", (dialog) => {
    const body = document.createElement("div");
    body.className = "body";
    body.style.display = "grid";
    body.style.gap = "6px";
    const choice = (caption, action) => {
      const button = document.createElement("button");
      button.type = "button";
      button.textContent = caption;
      button.addEventListener("click", () => {
        dialog.querySelector(".buttons button").click();
        action();
      });
      body.append(button);
    };
    for (const source of document.querySelectorAll("script.ShippedSource")) {
      choice(source.textContent.split("\n")[0].trim(), () => {
        page.win.loadSource(source.dataset.file, source.textContent);
        render();
      });
    }
    choice("Forrásfájl a gépről…", () => document.getElementById("OpenDialog1").click());
    dialog.append(body);
  }, ["Mégse"]);
  dialog.id = "SourceChoice";
}

// "Képernyő mentése" asks for a name, which may be a code; no one is
// identified. The picture downloads as NN_<name>.jpg.
function askPictureName() {
  let box;
  const dialog = openDialog("Képernyő mentése", (dialog) => {
    const body = document.createElement("label");
    body.className = "body";
    body.textContent = "Fájlnév: ";
    box = document.createElement("input");
    box.type = "text";
    box.id = "PictureName";
    box.value = "kep";
    body.append(box);
    dialog.append(body);
  }, ["Mentés", "Mégse"], (caption) => {
    const name = box.value.trim();
    if (caption === "Mentés" && name !== "") savePicture(name);
  });
  dialog.id = "SaveDialog1";
  box.focus();
  box.select();
}

// Local time with its offset from UTC, as the window's pictures carry it.
function localTime(moment) {
  const two = (number) => String(number).padStart(2, "0");
  const offset = -moment.getTimezoneOffset();
  return `${moment.getFullYear()}-${two(moment.getMonth() + 1)}-${two(moment.getDate())}T` +
    `${two(moment.getHours())}:${two(moment.getMinutes())}:${two(moment.getSeconds())}` +
    `${offset < 0 ? "-" : "+"}${two(Math.floor(Math.abs(offset) / 60))}:${two(Math.abs(offset) % 60)}`;
}

// The client area as the window's picture shows it, drawn by html2canvas at
// the window's own size, the record of the same moment sealed into it by the
// window's code with the browser's SHA-256. The run waits meanwhile, so that
// the picture and its record show the same counts.
async function savePicture(name) {
  page.capturing = true;
  try {
    render();
    const client = document.getElementById("Client");
    // Drawn unscaled, at the window's own size, however the page is scaled to fit.
    const canvas = await html2canvas(client, {
      scale: 1, logging: false, width: client.offsetWidth, height: client.offsetHeight,
      onclone: (copy) => { copy.getElementById("Form1").style.transform = ""; },
    });
    const blob = await new Promise((resolve) => canvas.toBlob(resolve, "image/jpeg", 0.9));
    const jpeg = new Uint8Array(await blob.arrayBuffer());
    const picture = page.win.pictureToSeal(jpeg, name, localTime(new Date()), page.teacher);
    const digest = new Uint8Array(await crypto.subtle.digest("SHA-256", picture.file));
    const hex = Array.from(digest, (byte) => byte.toString(16).padStart(2, "0")).join("");
    const sealed = page.module.sealed(picture.file, picture.digestAt, hex);
    const link = document.createElement("a");
    link.href = URL.createObjectURL(new Blob([sealed], { type: "image/jpeg" }));
    link.download = picture.fileName;
    link.click();
    setTimeout(() => URL.revokeObjectURL(link.href), 60000);
  } finally {
    page.capturing = false;
  }
}

function showAbout() {
  const lines = document.getElementById("Credits").textContent.trim().split("\n");
  const dialog = openDialog("Névjegy", (dialog) => {
    const panel = document.createElement("div");
    panel.id = "AboutPanel";
    const add = (id, text, x, y, style) => {
      // The About box's names are its own; the window's Label1 … Label6 keep theirs.
      const label = document.createElement("p");
      label.id = "AboutBox_" + id;
      label.textContent = text;
      label.style.left = x + "px";
      label.style.top = y + "px";
      Object.assign(label.style, style || {});
      panel.append(label);
    };
    const about = page.module.about();
    add("ProductName", about.competition, 91, 15, { fontSize: "15px", whiteSpace: "pre" });
    add("Version", about.task, 119, 40, { fontSize: "12px" });
    add("Label5", about.program, 98, 58, { fontSize: "16px", color: css(page.window.colours.normalColor), fontStretch: "condensed" });
    add("Label6", about.version, 155, 84, { fontSize: "12px", whiteSpace: "pre" });
    add("CreditsHeading", lines[0], 30, 136, { fontSize: "12px" });
    [["Label1", 113, 112], ["Label4", 114, 130], ["Label2", 113, 145], ["Label3", 113, 163]].forEach(
      ([id, x, y], i) => add(id, lines[i + 1] || "", x, y));
    dialog.append(panel);
  }, ["OK"]);
  dialog.id = "AboutBox";
  dialog.style.background = css(page.window.colours.moneyGreen);
}

function showHelp(index) {
  const captions = ["Súgó (Elméleti bevezető )", "Súgó (A program használata + Feladatok)"];
  const dialog = openDialog(captions[index], (dialog) => {
    // A frame of its own keeps the help pages' style apart from the window's.
    const viewport = document.createElement("iframe");
    viewport.id = "HelpViewport";
    viewport.title = captions[index];
    viewport.addEventListener("load", () => viewport.contentDocument?.addEventListener("keydown", (event) => {
      if (event.key === "Escape") dialog.querySelector(".buttons button").click();
    }));
    viewport.srcdoc = "<!doctype html><meta charset='utf-8'><style>" + document.getElementById("HelpStyle").textContent +
      "</style>" + document.getElementById("HelpPage" + index).textContent;
    dialog.append(viewport);
  }, ["OK"]);
  dialog.id = "HelpDlg";
  dialog.style.background = css(page.window.colours.teal);
}

async function start() {
  page.module = await VantorModule();
  page.window = page.module.window();
  page.layout = page.module.layout();
  page.drawing = page.module.drawing();
  document.title = page.window.caption + " – Vantor";
  page.win = new page.module.PageWindow();
  buildWindow();
  document.getElementById("Client").addEventListener("focusin", (event) => { page.lastFocus = event.target; });
  setUpMenus();
  render();
  fitToScreen();
  window.addEventListener("resize", fitToScreen);
  document.body.dataset.ready = "true";
}

start();
