#pragma once
// Test builds only: lets the real-window journeys read what is on screen.

// When CARNET_SONDE names a socket path, listens there and answers every
// connection with the visible windows and their widgets as JSON.
void installerSonde();
