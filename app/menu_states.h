#pragma once
// The menus and dialogs that are not play or editing.

// The one option of every message.
const char* const CONTINUE_TEXT = "Press Enter to Continue";

void MenuState();
void OptionsState();
void HelpState();
void PauseState();
void QuitToMenuState();
void QuitToDosState();
void WonState();
void LostState();
