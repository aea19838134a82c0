#pragma once
// The window flags every dialog of the program shares: a fixed dialog border
// with a title bar and a close box, no minimize or maximize box.

#include <Qt>

inline Qt::WindowFlags FixedDialogFlags()
{
    return Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
        | Qt::WindowCloseButtonHint;
}
