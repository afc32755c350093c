#pragma once

void PrePlay();
void PlayState();
void RespawnState();

// One frame of play without drawing or pacing (everything up to the camera
// and the arena). False when the game was lost this frame: the state then
// returns at once, without drawing or pacing.
bool PlayFrame();
// One frame of the respawn glide without drawing or pacing.
void RespawnFrame();
// Raises hiScore to score when a game ends.
void RecordHiScore();
