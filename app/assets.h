#pragma once
// The assets of app/asset_table.h: loaded, cut into clips, lent to the
// classes that draw and play them, freed.

// Loads every asset of the table (no sound without audio), then names the
// first required file that did not load and returns false; otherwise true.
bool LoadAssets(bool withAudio);
// Cuts every sprite sheet into its clips, replacing any cut before.
void SetClips();
// Lends the sheets, clips and sounds to the classes that borrow them, and
// gives the rat its sheet.
void SetGuyDefaults();
// Frees every loaded asset (and nulls the globals and what borrowed them)
// without touching the libraries or the high score; clean_up uses it, and
// so do tests.
void FreeAssets();
