// SPDX-License-Identifier: MIT
// The page's functions that make and change the DOM elements (dom.js), and
// the kinds of event the page sends back. Elements are known by number.
#pragma once

extern "C" {
void vk_start(const char* playAgainText);
int vk_window(int border, int width, int height, const char* closeText);
int vk_control(int kind, int parent);
void vk_place(int id, int x, int y, int width, int height);
void vk_set_text(int id, const char* text);
void vk_set_attr(int id, const char* name, const char* value);
void vk_set_style(int id, const char* name, const char* value);
void vk_set_visible(int id, int visible);
void vk_set_enabled(int id, int enabled);
void vk_focus(int id);
void vk_raise(int id, int z);
void vk_append(int id);
void vk_set_picture(int id, const char* file);
void vk_place_picture(int id, int x, int y, int width, int height);
int vk_fits(int id, double pixels, int stretch, int lines);
void vk_show(int id);
void vk_remove(int id);
void vk_forget(int id);
void vk_announce(int id, const char* text);
double vk_size(int id, int which);
int vk_timer(int milliseconds);
void vk_timer_stop(int handle);
void vk_end(const char* productName);
void vk_again();
}

namespace forms::web {

// What the page reports, as dom.js numbers it.
enum class DomEvent { Click = 1, Move, Focus, Close, Key, Resize, Again, Tick };

// Kinds of control element.
enum class ControlKind { Label = 1, Button, Frame, Line };

} // namespace forms::web
