#pragma once

// Unloads every loaded window, hidden ones included, and lets the figure catalogue go:
// the program then ends.
void ChiudiTutto();
