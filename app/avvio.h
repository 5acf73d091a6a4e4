#pragma once

class QApplication;

// What the program sets up before its first window: its name and icon, Qt's own texts in
// Italian, and the rule that it ends when its last window is unloaded.
void preparaApplicazione(QApplication& app);
