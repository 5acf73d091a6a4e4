#pragma once

class QApplication;

// What the program sets up before its first window: its name and icon, Qt's own texts in
// Italian, the rule that it ends when its last window is unloaded, and large buffers that go
// back to the system when freed.
void preparaApplicazione(QApplication& app);
