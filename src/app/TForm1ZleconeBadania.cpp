#include "app/TForm1ZleconeBadania.h"

#include "app/Okna.h"
#include "exports/TForm_ZleconeBadania.h"

// The window takes the main window's day itself when it is shown.
void aZleconeBadaniaExecute(TForm1&) { Form_ZleconeBadania->exec(); }
