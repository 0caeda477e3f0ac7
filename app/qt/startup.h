// Application-wide set-up done once at start: names, the embedded font, Qt's Italian texts.
#pragma once

class QApplication;

// Must run after the QApplication exists and before any window is created.
void SetUpApplication(QApplication& app);
