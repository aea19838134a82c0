#pragma once
// The program's own look, built in.

class QApplication;

// Installs the look on `app`; windows created afterwards are painted in it.
void InstallSkin(QApplication& app);
