#pragma once
// Every file the game loads at start-up, one row each: adding an asset is
// adding its row here. The row declares the global it fills (app/globals.h
// and app/globals.cpp expand this table), and says everything loading,
// clip cutting, sharing and freeing need to know (app/assets.cpp walks it).
//
// The rows load in this order, and when required files are missing the
// first of them in this order is the one start-up names. Without audio (the
// tools) the MUSIC and EFFECT rows are skipped.
//
//   IMAGE(global, file, need)
//       a picture drawn whole.
//   SHEET(global, file, need, clips, count, columns, width, height, sheetUser, clipsUser)
//       a sprite sheet cut into count clips of width x height, in rows of
//       columns from its top-left corner, into the global clip list clips;
//       sheetUser and clipsUser (or nullptr) are the class statics that
//       borrow the sheet and its clips.
//   MUSIC(global, file, need)
//   EFFECT(global, file, need, user)
//       a sound effect; user (or nullptr) is the class static that borrows it.
//   FONT(global, file, points, need, builtWith)
//       builtWith is the font file the build found, taken when the file is a
//       link that leads nowhere (a staged tree: DESTDIR, or a package
//       unpacked with dpkg-deb -x, whose links lead into a /usr it lacks).
//
// need is Required (start-up fails without the file) or Optional (the game
// runs without it, leaving the global null).
#define SUMPRUN_ASSETS(IMAGE, SHEET, MUSIC, EFFECT, FONT)                                                              \
    IMAGE(menuBox, "menubox.bmp", Required)                                                                            \
    IMAGE(menu_bg, "gen_bg_4gobs1.png", Required)                                                                      \
    IMAGE(cursor_ss, "sumprun_cursor.png", Optional)                                                                   \
    IMAGE(level_bg, "sumprun_bg_1.png", Optional)                                                                      \
    SHEET(terrain_ts, "sumprun_ts_1.png", Optional, terrainClips, TERRAIN_TILES, 4, TILE_WIDTH, TILE_HEIGHT, nullptr,  \
          nullptr)                                                                                                     \
    SHEET(water_ts, "sumprun_ts_water.png", Optional, waterClips, 8, 4, TILE_WIDTH, TILE_HEIGHT, nullptr, nullptr)     \
    SHEET(cheese_ss, "sumprun_ts_cheese.png", Optional, cheeseClips, 13, 4, TILE_WIDTH, TILE_HEIGHT,                   \
          &Cheese::default_ss, &Cheese::defaultClips)                                                                  \
    SHEET(burger_ss, "sumprun_ss_burger.png", Optional, burgerClips, 5, 5, BURGER_WIDTH, BURGER_HEIGHT,                \
          &Burger::default_ss, &Burger::defaultClips)                                                                  \
    SHEET(eel_ss, "sumprun_ss_eel.png", Optional, eelClips, 5, 5, EEL_WIDTH, EEL_HEIGHT, &Eel::default_ss,             \
          &Eel::defaultClips)                                                                                          \
    SHEET(scientist_ss, "sumprun_ss_scientist.png", Optional, scientistClips, 15, 15, SCIENTIST_WIDTH,                 \
          SCIENTIST_HEIGHT, &Scientist::default_ss, &Scientist::defaultClips)                                          \
    SHEET(projectile_ss, "sumprun_ss_pondweed.png", Required, projectileClips, 2, 2, 30, 30, &Projectile::default_ss,  \
          &Projectile::defaultClips)                                                                                   \
    SHEET(rat_ss, "sumprun_ss_rat.png", Optional, ratClips, 9, 9, RAT_WIDTH, RAT_HEIGHT, nullptr, nullptr)             \
    MUSIC(music1, "SRSong1.ogg", Required)                                                                             \
    MUSIC(music2, "SRSong2.ogg", Required)                                                                             \
    EFFECT(rat_jump_se, "rat_jump_se.ogg", Required, &Rat::jump_se)                                                    \
    EFFECT(rat_die_se, "rat_die_se.ogg", Optional, &Rat::die_se)                                                       \
    EFFECT(eel_kill_se, "eel_kill_se.ogg", Optional, &Eel::kill_se)                                                    \
    EFFECT(burger_die_se, "burger_die_se.ogg", Optional, &Burger::die_se)                                              \
    EFFECT(sci_drink_se, "sci_drink_se.ogg", Optional, &Scientist::drink_se)                                           \
    EFFECT(sci_throw_se, "sci_throw_se.ogg", Optional, &Scientist::throw_se)                                           \
    FONT(font1, "impact.ttf", 50, Required, BUILT_LARGE_FONT)  /* headings */                                          \
    FONT(font2, "verdana.ttf", 25, Required, BUILT_SMALL_FONT) /* the HUD and small dialog text */
