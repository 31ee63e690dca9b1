#include <emscripten.h>

#include "ui/framework/web/web_dom.h"

// How the dialog looks in a page: a window frame with its title and close box, the controls as
// Windows draws them, and a message box over the dialog. Put in the page once.

// clang-format off
EM_JS(void, jsInstallStyle, (), {
    if (document.getElementById('vantry-style')) return;
    const style = document.createElement('style');
    style.id = 'vantry-style';
    style.textContent = `
.vantry-frame { position: relative; display: inline-block; border: 1px solid #6b6b6b;
  box-shadow: 0 2px 10px rgba(0,0,0,.35); font-family: var(--vantry-font-family, serif); }
.vantry-title { height: 30px; display: flex; align-items: center; background: #1f4e8c; color: #fff;
  font: 15px system-ui, sans-serif; user-select: none; }
.vantry-title canvas { width: 16px; height: 16px; margin: 0 7px; image-rendering: pixelated; }
.vantry-caption { flex: 1; white-space: nowrap; overflow: hidden; }
.vantry-close { width: 44px; height: 30px; border: 0; background: transparent; color: #fff; font-size: 20px;
  cursor: pointer; }
.vantry-close:hover { background: #c42b1c; }
.vantry-client { position: relative; overflow: hidden; }
.vantry-client > *, .vantry-group > * { position: absolute; box-sizing: border-box; margin: 0; font-family: inherit;
  font-size: var(--vantry-font); line-height: 1.15; }
.vantry-sr { position: absolute; width: 1px; height: 1px; overflow: hidden; clip-path: inset(50%); white-space: nowrap; }
.vantry-frame :focus-visible { outline: 2px solid #1f4e8c; outline-offset: 1px; }
.vantry-check:focus-within { outline: 2px solid #1f4e8c; outline-offset: 1px; }
.vantry-check input:focus-visible { outline: none; }
.vantry-close:focus-visible { outline: 2px solid #fff; outline-offset: -3px; }
.vantry-edit { border: 1px solid #1c1c1c; padding: 0 3px; border-radius: 0; }
.vantry-button { border: 2px outset #f4f4f4; background: #e3e3e3; color: #000; white-space: pre-line; padding: 0 2px; }
.vantry-button:active { border-style: inset; }
.vantry-default { outline: 1px solid #000; outline-offset: -1px; }
.vantry-flat { border: 0; outline: 0; background: transparent; }
.vantry-check { display: flex; align-items: center; gap: 4px; white-space: nowrap; overflow: hidden; cursor: pointer; }
.vantry-check input { width: 13px; height: 13px; margin: 0; flex: none; }
.vantry-static { white-space: pre-line; overflow: hidden; }
.vantry-middle { display: flex; align-items: center; }
.vantry-list { border: 1px solid #1c1c1c; overflow: auto; white-space: pre; padding: 0 2px; }
.vantry-list div { min-height: 1.15em; }
.vantry-choosable { cursor: default; user-select: none; }
.vantry-choosable [aria-selected="true"] { background: #0a4f9e; color: #fff; }
.vantry-choosable:focus-visible [aria-selected="true"] { outline: 1px dotted #fff; outline-offset: -2px; }
.vantry-text { line-height: 1.25; padding: 1px 3px; resize: none; white-space: pre; overflow: auto; font-family: "Liberation Mono", "Courier New", monospace;
  font-size: calc(var(--vantry-font) * 0.75); }
.vantry-client > .vantry-line-notes { position: absolute !important; overflow: hidden; pointer-events: none; }
.vantry-line-note { position: absolute; right: 0; max-width: 70%; padding: 0 4px; overflow: hidden; white-space: nowrap;
  text-overflow: ellipsis; background: #fde7e9; color: #a4262c; border-left: 3px solid #c42b1c;
  font: 13px/1.25 system-ui, sans-serif; }
.vantry-modal { position: fixed; inset: 0; z-index: 20; display: flex; align-items: center; justify-content: center;
  padding: 8px; box-sizing: border-box; overflow: auto; background: rgba(0,0,0,.3); }
.vantry-modal > .vantry-frame { flex: none; margin: auto; }
.vantry-modal.vantry-phone-layer { display: block; padding: 0; background: #fff; }
.vantry-overlay { position: absolute; inset: 0; display: flex; align-items: center; justify-content: center;
  background: rgba(0,0,0,.08); z-index: 10; }
.vantry-box { min-width: 280px; max-width: 90%; background: #f0f0f0; border: 1px solid #6b6b6b;
  box-shadow: 0 4px 16px rgba(0,0,0,.4); font: 16px system-ui, sans-serif; }
.vantry-box-title { padding: 6px 10px; background: #1f4e8c; color: #fff; font-size: 15px; }
.vantry-box-text { padding: 18px 16px; white-space: pre-wrap; overflow-wrap: anywhere; }
.vantry-box-buttons { padding: 0 16px 14px; text-align: right; }
.vantry-box-buttons button { min-width: 88px; padding: 4px 10px; font: inherit; }
.vantry-hint { position: absolute; z-index: 5; pointer-events: none; max-width: 320px; padding: 6px 10px; background: #ffffe1;
  color: #000; border: 1px solid #767676; box-shadow: 0 2px 6px rgba(0,0,0,.3); font: 14px system-ui, sans-serif; }
.vantry-phone .vantry-hint { font-size: 16px; }
.vantry-closed { font: 18px system-ui, sans-serif; padding: 24px; }
.vantry-closed button { font: inherit; margin-left: 12px; min-height: 44px; min-width: 44px; }
.vantry-phone { display: block; box-sizing: border-box; width: 100%; box-shadow: none; }
.vantry-phone .vantry-title { height: 44px; }
.vantry-phone .vantry-close { width: 48px; height: 44px; }
.vantry-phone .vantry-client { display: flex; flex-wrap: wrap; align-items: stretch; gap: 6px 8px; padding: 8px;
  box-sizing: border-box; width: auto !important; height: auto !important; }
.vantry-phone .vantry-client > *, .vantry-phone .vantry-group > * { position: static; width: auto !important;
  height: auto !important; font-size: max(16px, var(--vantry-font)); }
.vantry-phone .vantry-pair-label { flex: 1 1 calc(50% - 8px); min-width: 0; min-height: 44px; white-space: normal; }
.vantry-phone .vantry-pair-field { flex: 1 1 calc(50% - 8px); min-width: 0; min-height: 44px; }
.vantry-phone .vantry-group { flex: 1 1 100%; display: flex; flex-direction: column; }
.vantry-phone .vantry-check { min-height: 44px; gap: 12px; white-space: normal; }
.vantry-phone .vantry-check input { width: 24px; height: 24px; }
.vantry-phone .vantry-button { flex: 1 1 35%; min-height: 48px; white-space: normal; }
.vantry-phone .vantry-closer { flex: 0 0 auto; min-width: 72px; }
.vantry-phone .vantry-list { flex: 1 1 100%; height: var(--vantry-list-height, 60vh) !important; }
.vantry-phone .vantry-choosable > div { min-height: 44px; display: flex; align-items: center; }
.vantry-phone .vantry-text { flex: 1 1 100%; height: 50vh !important; font-family: monospace; font-size: 16px; }
.vantry-phone .vantry-note, .vantry-phone .vantry-flat { flex: 1 1 100%; font-size: 14px; }
.vantry-phone .vantry-flat { min-height: 44px; }
.vantry-modal .vantry-phone .vantry-note { font-size: 16px; }
.vantry-phone .vantry-button[aria-label]::before { content: attr(aria-label) " "; }
.vantry-phone .vantry-overlay { position: fixed; }
@media (min-width: 360px) {
  .vantry-phone .vantry-pair-label, .vantry-phone .vantry-pair-field { flex-basis: calc(25% - 8px); }
}
`;
    document.head.appendChild(style);
});
// clang-format on

namespace vantry::framework::web {

void InstallStyle() { jsInstallStyle(); }

}  // namespace vantry::framework::web
