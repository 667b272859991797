#pragma once
// Qt's own texts (the buttons of a message box, a box's context menu) in Spanish whatever the
// desktop's language.

// Installs Qt's Spanish translation, built into the program so that no machine needs it installed.
// Once the application exists and before any window; false if it could not be read.
bool InstalarTraduccionQt();
