#pragma once
// The menus and dialogs that are not play or editing.

void MenuState();
void OptionsState();
void HelpState();
void PauseState();
void QuitToMenuState();
void QuitToDosState();
void WonState();
void LostState();
