#pragma once
// The one beast of the program. The beast panel's unit defines it and
// creates it with the panel; it lives until the panel is destroyed, and is
// nullptr outside that span. Only BeastSession changes it (and the panel,
// which owns it, draws it): every other unit reaches the beast through the
// session.

class TPet;

extern TPet* CurrentBeast;
