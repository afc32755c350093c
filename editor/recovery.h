#pragma once
// Entering the editor after edits were left unsaved (the program ended, or
// was killed, with the editor open): "levelmap0.autosave" holds them.

enum class RecoveryOffer
{
    None,      // no autosave, or one that holds the level "levelmap0" holds
    Offer,     // a whole autosave of another level: "Recover Unsaved Edits?"
    Unreadable // something at the autosave's name that is not a whole level
};

// What entering the editor finds in the folder. Loads the levels it compares
// into the world: the caller loads the level to edit afterwards.
RecoveryOffer DecideRecovery();

// "Recover Unsaved Edits?": "Yes" opens the autosave's level, unsaved;
// "No" moves the autosave to "levelmap0.discarded" and keeps "levelmap0".
void RecoverEditsState();
// The message for an autosave that cannot be read whole: it is kept, and
// not written over while this run of the editor lasts.
void UnreadableAutosaveState();
