#pragma once

#include <QString>

// The one style sheet that gives the whole program its look. Read from the
// resource bundle on first use and kept for the rest of the program's life.
QString applicationStyleSheet();
