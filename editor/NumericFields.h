#pragma once

class frmMain;

// The year, hours and minutes boxes take only what reads as a number under
// the user's locale: a failing text is reported and loses its last
// character, again and again, until it is empty or passes.
void InstallNumericChecks(frmMain &editor);
