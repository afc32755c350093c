#pragma once
// The editor never loses an edit. While the editor is open, the level as it
// holds it is written to "levelmap0.autosave" a moment after each change:
// the editor frame only copies the level's records and hands them over; a
// writer thread of its own formats them and writes the file through the
// safe writer, so no frame waits for the disk. Whatever ends the program
// with the editor open (the window's close button, SIGTERM, SIGINT,
// SIGHUP, a test play's end included), the last level handed over is on
// disk before it ends; a kill loses at most the last two seconds.

// How long after a change the level is handed to the writer at the latest.
// With the write itself this keeps the file within 2 s of the editor.
const unsigned AUTOSAVE_HANDOVER_MS = 500;

// Every change to the level the editor holds (an edit, an undo or redo, a
// move of the rat's start) calls this; the editor frame does the rest.
void NoteLevelChanged();

// The editor has opened a level: an autosaving session begins. With
// keepFile, the autosave file there could not be read and is left alone:
// nothing is written over it (nor removed or moved) in this session.
void BeginAutosave(bool keepFile);
// At the end of every editor frame, on the level of that frame: when the
// level changed, hands its records to the writer, at once when the editor
// is no longer on top (a dialog, a test play, the program's end), and
// otherwise at most every AUTOSAVE_HANDOVER_MS.
void AutosaveEditorFrame();

// "Save and Quit", once "levelmap0" is written: the autosave is removed.
void EndAutosaveSaved();
// "Quit Without Saving": the autosave becomes "levelmap0.discarded".
void EndAutosaveDiscarded();

// Moves the autosave to "levelmap0.discarded" (the one before it is
// replaced); false, with the autosave left as it was, when that failed.
bool DiscardAutosaveFile();

// At shutdown: with an editing session open, waits until the last level
// handed over is written; then stops the writer and closes the session,
// leaving the files as they are.
void FinishAutosave();
