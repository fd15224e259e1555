// SPDX-License-Identifier: MIT
// The web edition's start: the page calls velkaro_start once the program and
// its face are loaded; the main window opens, and again after each end when
// the player asks for another game.
#include <emscripten.h>

#include "Texts.h"
#include "forms/Application.h"
#include "forms/web/Page.h"
#include "frmMainVelkaro.h"

extern "C" EMSCRIPTEN_KEEPALIVE void velkaro_start() {
    forms::web::Run(texts::kProductName, [] { forms::Run(*new frmMainVelkaro); });
}
